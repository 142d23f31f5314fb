#pragma once
// A GDI+ image. Images decoded from a byte-set keep the memory stream they
// were read from for as long as they live, because GDI+ decodes lazily.

#include <optional>
#include <string>
#include <vector>

#include "base/text.h"
#include "graphics/gx_memory_stream.h"
#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

class GxImage : public GxObject {
public:
    GxImage() noexcept;
    GxImage(GxImage&&) noexcept = default;
    GxImage& operator=(GxImage&&) noexcept = default;
    ~GxImage() override;

    // Deletes the image, then releases its memory stream.
    virtual bool Dispose();
    virtual bool LoadFromFile(const std::wstring& path, bool useIcm = false);
    // `utf16Path`: the path as UTF-16LE bytes, used as given.
    virtual bool LoadFromFileW(const Bytes& utf16Path, bool useIcm = false);
    virtual bool LoadFromBytes(const Bytes& data, bool useIcm = false);
    // An independent copy, attached to `target`.
    bool Clone(GxImage& target) const;
    // `format` defaults to the image's own raw format; no encoder for the
    // format: false without calling GDI+ (gxLastStatus unchanged). The file
    // is written beside `path` and renamed over it once complete.
    bool SaveToFile(const std::wstring& path, const std::optional<std::wstring>& format = std::nullopt,
                    const std::optional<GxEncoderParameters>& params = std::nullopt) const;
    bool SaveToFileW(const Bytes& utf16Path, const std::optional<std::wstring>& format = std::nullopt,
                     const std::optional<GxEncoderParameters>& params = std::nullopt) const;
    // The encoded bytes; empty on failure.
    Bytes SaveToBytes(const std::optional<std::wstring>& format = std::nullopt,
                      const std::optional<GxEncoderParameters>& params = std::nullopt) const;
    bool SaveAdd(const GxEncoderParameters& params);
    bool SaveAddImage(const GxImage& image, const GxEncoderParameters& params);
    bool GetEncoderParameterList(const std::wstring& format, GxEncoderParameters& out) const;
    std::wstring GetRawFormat() const;
    GxRectF GetBounds(Gdiplus::Unit& unit) const;
    GxSizeF GetDimension() const;
    Gdiplus::ImageType GetType() const;
    int GetWidth() const;
    int GetHeight() const;
    float GetHorizontalResolution() const;
    float GetVerticalResolution() const;
    int GetFlags() const;
    Gdiplus::PixelFormat GetPixelFormat() const;
    bool GetThumbnail(int width, int height, GxImage& target) const;
    int GetFrameCount(const std::wstring& dimension) const;
    bool GetFrameDimensions(std::vector<std::wstring>& out) const;
    bool SelectActiveFrame(const std::wstring& dimension, int index);
    // Frame delays in hundredths of a second (property 0x5100).
    bool GetFrameDelays(std::vector<int>& out) const;
    bool GetPropertyItem(int id, GxPropertyItem& out) const;
    bool SetPropertyItem(const GxPropertyItem& item);
    bool RemovePropertyItem(int id);
    bool GetPropertyIdList(std::vector<int>& out) const;
    bool RotateFlip(Gdiplus::RotateFlipType type);
    bool GetPalette(GxPalette& out) const;
    bool SetPalette(const GxPalette& palette);

    Gdiplus::GpImage* NativeImage() const noexcept { return Native<Gdiplus::GpImage>(); }

protected:
    void Clear() noexcept override;
    GxMemoryStream& Stream() noexcept { return stream_; }
    // Attaches an image just decoded from Stream(); on failure the stream is
    // released too, so a failed load leaves nothing behind.
    bool FinishLoadFromStream(Gdiplus::GpImage* image);

private:
    // Holds the encoded bytes of an image loaded from a byte-set.
    GxMemoryStream stream_;
};

}  // namespace pelorin
