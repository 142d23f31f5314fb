#include "graphics/gx_image.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "graphics/gx_codecs.h"
#include "graphics/gx_guid.h"
#include "graphics/gx_text.h"
#include "graphics/gx_wine_stubs.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseImage(void* image) noexcept { GdipDisposeImage(static_cast<GpImage*>(image)); }

// Bytes per value of each EncoderParameterValueType (index = type).
constexpr std::size_t kEncoderValueSizes[] = {0, 1, 1, 2, 4, 8, 8, 1, 16, sizeof(void*)};

std::size_t EncoderValueBytes(int type, int count) {
    if (type < 0 || type >= static_cast<int>(std::size(kEncoderValueSizes)) || count <= 0) return 0;
    return kEncoderValueSizes[type] * static_cast<std::size_t>(count);
}

// The EncoderParameters block GDI+ reads: a count, then the entries.
class EncoderParameterBlock {
public:
    explicit EncoderParameterBlock(const GxEncoderParameters& params)
        : storage_((offsetof(EncoderParameters, Parameter) + params.size() * sizeof(EncoderParameter) + 7) / 8) {
        auto* block = Get();
        block->Count = static_cast<UINT>(params.size());
        for (std::size_t i = 0; i < params.size(); ++i) {
            EncoderParameter& entry = block->Parameter[i];
            entry.Guid = GuidFromTextOrNull(params[i].guid);
            entry.NumberOfValues = static_cast<ULONG>(params[i].numberOfValues);
            entry.Type = static_cast<ULONG>(params[i].type);
            entry.Value = const_cast<void*>(params[i].value ? params[i].value : params[i].values.data());
        }
    }
    EncoderParameters* Get() { return reinterpret_cast<EncoderParameters*>(storage_.data()); }

private:
    std::vector<std::uint64_t> storage_;
};

struct SaveTarget {
    CLSID encoder{};
    std::optional<EncoderParameterBlock> params;
    EncoderParameters* Params() { return params ? params->Get() : nullptr; }
};

// Chooses the encoder and builds the parameter block; nullopt (without a
// GDI+ call when the format was given) when no encoder handles the format.
std::optional<SaveTarget> PrepareSave(const GxImage& image, const std::optional<std::wstring>& format,
                                      const std::optional<GxEncoderParameters>& params) {
    const std::wstring formatText = format ? *format : image.GetRawFormat();
    const std::optional<CLSID> encoder = GxFindEncoder(formatText);
    if (!encoder) return std::nullopt;
    SaveTarget target;
    target.encoder = *encoder;
    if (params) target.params.emplace(*params);
    return target;
}

// The encoder parameter that starts, extends and ends multi-frame files.
constexpr const wchar_t* kEncoderSaveFlag = L"{292266FC-AC40-47BF-8CFC-A85B89A655DE}";

// True when the parameters ask the encoder for a multi-frame file.
bool StartsMultiFrameFile(const std::optional<GxEncoderParameters>& params) {
    if (!params) return false;
    for (const GxEncoderParameter& parameter : *params) {
        if (GuidFromTextOrNull(parameter.guid) != GuidFromTextOrNull(kEncoderSaveFlag)) continue;
        if (parameter.type != EncoderParameterValueTypeLong || parameter.numberOfValues < 1) continue;
        const void* value = parameter.value ? parameter.value : parameter.values.data();
        ULONG flag = 0;
        if (value && (parameter.value || parameter.values.size() >= sizeof(flag)))
            std::memcpy(&flag, value, sizeof(flag));
        if (flag == EncoderValueMultiFrame) return true;
    }
    return false;
}

}  // namespace

GxImage::GxImage() noexcept : GxObject(&ReleaseImage) {}

GxImage::~GxImage() { Clear(); }

bool GxImage::Dispose() {
    const bool ok = DisposeWith<GpImage>(GdipDisposeImage);
    stream_.Release();
    return ok;
}

bool GxImage::LoadFromFile(const std::wstring& path, bool useIcm) {
    Clear();
    GpImage* image = nullptr;
    const bool ok = GxCall(useIcm ? GdipLoadImageFromFileICM : GdipLoadImageFromFile, path.c_str(), &image);
    if (ok) SetNativeHandle(image);
    return ok;
}

bool GxImage::LoadFromFileW(const Bytes& utf16Path, bool useIcm) {
    return GxImage::LoadFromFile(GxWideFromBytes(utf16Path), useIcm);
}

bool GxImage::LoadFromBytes(const Bytes& data, bool useIcm) {
    Clear();
    stream_.CreateFromBytes(data);
    GpImage* image = nullptr;
    GxCall(useIcm ? GdipLoadImageFromStreamICM : GdipLoadImageFromStream, stream_.GetStream(), &image);
    return FinishLoadFromStream(image);
}

bool GxImage::Clone(GxImage& target) const {
    GpImage* copy = nullptr;
    if (!GxCall(GdipCloneImage, NativeImage(), &copy)) return false;
    target.Attach(copy);
    return true;
}

bool GxImage::SaveToFile(const std::wstring& path, const std::optional<std::wstring>& format,
                         const std::optional<GxEncoderParameters>& params) const {
    std::optional<SaveTarget> target = PrepareSave(*this, format, params);
    if (!target) return false;
    // A multi-frame save keeps the file open for the frames added later:
    // it is written in place.
    if (StartsMultiFrameFile(params))
        return GxCall(GdipSaveImageToFile, NativeImage(), path.c_str(), &target->encoder, target->Params());
    // Written beside the destination first, then renamed over it: a failed
    // save never leaves a half-written file in place of the old one.
    const std::wstring partial = path + L".saving";
    if (!GxCall(GdipSaveImageToFile, NativeImage(), partial.c_str(), &target->encoder, target->Params())) {
        ::DeleteFileW(partial.c_str());
        return false;
    }
    if (!::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(partial.c_str());
        gxLastStatus = Win32Error;
        return false;
    }
    return true;
}

bool GxImage::SaveToFileW(const Bytes& utf16Path, const std::optional<std::wstring>& format,
                          const std::optional<GxEncoderParameters>& params) const {
    return SaveToFile(GxWideFromBytes(utf16Path), format, params);
}

Bytes GxImage::SaveToBytes(const std::optional<std::wstring>& format,
                           const std::optional<GxEncoderParameters>& params) const {
    std::optional<SaveTarget> target = PrepareSave(*this, format, params);
    if (!target) return {};
    GxMemoryStream out;
    if (!out.CreateEmpty()) return {};
    if (!GxCall(GdipSaveImageToStream, NativeImage(), out.GetStream(), &target->encoder, target->Params())) return {};
    return out.ReadAll();
}

bool GxImage::SaveAdd(const GxEncoderParameters& params) {
    EncoderParameterBlock block(params);
    return GxCall(GdipSaveAdd, NativeImage(), block.Get());
}

bool GxImage::SaveAddImage(const GxImage& image, const GxEncoderParameters& params) {
    EncoderParameterBlock block(params);
    return GxCall(GdipSaveAddImage, NativeImage(), image.NativeImage(), block.Get());
}

bool GxImage::GetEncoderParameterList(const std::wstring& format, GxEncoderParameters& out) const {
    out.clear();
    const std::optional<CLSID> encoder = GxFindEncoder(format);
    if (!encoder) return false;
    const UINT size = GxGet<UINT>(GdipGetEncoderParameterListSize, NativeImage(), &*encoder);
    if (gxLastStatus != Ok) return false;
    if (size < sizeof(UINT)) return true;  // nothing to decode
    if (GxSkipUnimplementedStub("GdipGetEncoderParameterList")) return false;
    std::vector<std::uint64_t> buffer((size + 7) / 8);
    auto* block = reinterpret_cast<EncoderParameters*>(buffer.data());
    if (!GxCall(GdipGetEncoderParameterList, NativeImage(), &*encoder, size, block)) return false;
    // The values live inside GDI+'s block: each parameter keeps a copy.
    for (UINT i = 0; i < block->Count; ++i) {
        const EncoderParameter& entry = block->Parameter[i];
        GxEncoderParameter parameter;
        parameter.guid = GuidToText(entry.Guid);
        parameter.numberOfValues = static_cast<int>(entry.NumberOfValues);
        parameter.type = static_cast<int>(entry.Type);
        const std::size_t bytes = EncoderValueBytes(parameter.type, parameter.numberOfValues);
        if (entry.Value && bytes > 0) {
            const auto* first = static_cast<const std::uint8_t*>(entry.Value);
            parameter.values.assign(first, first + bytes);
        }
        out.push_back(std::move(parameter));
    }
    return true;
}

std::wstring GxImage::GetRawFormat() const {
    const GUID format = GxGet<GUID>(GdipGetImageRawFormat, NativeImage());
    return gxLastStatus == Ok ? GuidToText(format) : std::wstring();
}

GxRectF GxImage::GetBounds(Unit& unit) const {
    GxRectF bounds;
    GxCall(GdipGetImageBounds, NativeImage(), &bounds, &unit);
    return bounds;
}

GxSizeF GxImage::GetDimension() const {
    GxSizeF size;
    GxCall(GdipGetImageDimension, NativeImage(), &size.Width, &size.Height);
    return size;
}

ImageType GxImage::GetType() const { return GxGet<ImageType>(GdipGetImageType, NativeImage()); }

int GxImage::GetWidth() const { return static_cast<int>(GxGet<UINT>(GdipGetImageWidth, NativeImage())); }

int GxImage::GetHeight() const { return static_cast<int>(GxGet<UINT>(GdipGetImageHeight, NativeImage())); }

float GxImage::GetHorizontalResolution() const { return GxGet<REAL>(GdipGetImageHorizontalResolution, NativeImage()); }

float GxImage::GetVerticalResolution() const { return GxGet<REAL>(GdipGetImageVerticalResolution, NativeImage()); }

int GxImage::GetFlags() const { return static_cast<int>(GxGet<UINT>(GdipGetImageFlags, NativeImage())); }

PixelFormat GxImage::GetPixelFormat() const { return GxGet<PixelFormat>(GdipGetImagePixelFormat, NativeImage()); }

bool GxImage::GetThumbnail(int width, int height, GxImage& target) const {
    GpImage* thumbnail = nullptr;
    if (!GxCall(GdipGetImageThumbnail, NativeImage(), static_cast<UINT>(width), static_cast<UINT>(height), &thumbnail,
                nullptr, nullptr))
        return false;
    target.Attach(thumbnail);
    return true;
}

int GxImage::GetFrameCount(const std::wstring& dimension) const {
    const GUID guid = GuidFromTextOrNull(dimension);
    return static_cast<int>(GxGet<UINT>(GdipImageGetFrameCount, NativeImage(), &guid));
}

bool GxImage::GetFrameDimensions(std::vector<std::wstring>& out) const {
    out.clear();
    const UINT count = GxGet<UINT>(GdipImageGetFrameDimensionsCount, NativeImage());
    if (gxLastStatus != Ok) return false;
    std::vector<GUID> guids(count);
    if (count > 0 && !GxCall(GdipImageGetFrameDimensionsList, NativeImage(), guids.data(), count)) return false;
    for (const GUID& guid : guids) out.push_back(GuidToText(guid));
    return true;
}

bool GxImage::SelectActiveFrame(const std::wstring& dimension, int index) {
    const GUID guid = GuidFromTextOrNull(dimension);
    return GxCall(GdipImageSelectActiveFrame, NativeImage(), &guid, static_cast<UINT>(index));
}

bool GxImage::GetFrameDelays(std::vector<int>& out) const {
    out.clear();
    GxPropertyItem item;
    if (!GetPropertyItem(kGxPropertyFrameDelay, item)) return false;
    // The delays are 32-bit numbers, one per frame.
    out.resize(item.value.size() / sizeof(std::int32_t));
    if (!out.empty()) std::memcpy(out.data(), item.value.data(), out.size() * sizeof(std::int32_t));
    return true;
}

bool GxImage::GetPropertyItem(int id, GxPropertyItem& out) const {
    out = GxPropertyItem{};
    const UINT size = GxGet<UINT>(GdipGetPropertyItemSize, NativeImage(), static_cast<PROPID>(id));
    if (gxLastStatus != Ok) return false;
    if (size < sizeof(PropertyItem)) {
        gxLastStatus = GenericError;
        return false;
    }
    std::vector<std::uint64_t> buffer((size + 7) / 8);
    auto* item = reinterpret_cast<PropertyItem*>(buffer.data());
    if (!GxCall(GdipGetPropertyItem, NativeImage(), static_cast<PROPID>(id), size, item)) return false;
    out.id = static_cast<int>(item->id);
    out.type = item->type;
    // The value follows the record's header inside the same block.
    const auto* first = static_cast<const std::uint8_t*>(item->value);
    const std::size_t available = size - sizeof(PropertyItem);
    const std::size_t length = first ? std::min<std::size_t>(item->length, available) : 0;
    out.value.assign(first, first + length);
    out.length = static_cast<int>(length);
    return true;
}

bool GxImage::SetPropertyItem(const GxPropertyItem& item) {
    PropertyItem record{};
    record.id = static_cast<PROPID>(item.id);
    record.length = static_cast<ULONG>(item.value.size());
    record.type = static_cast<WORD>(item.type);
    record.value = const_cast<std::uint8_t*>(item.value.data());
    return GxCall(GdipSetPropertyItem, NativeImage(), &record);
}

bool GxImage::RemovePropertyItem(int id) {
    return GxCall(GdipRemovePropertyItem, NativeImage(), static_cast<PROPID>(id));
}

bool GxImage::GetPropertyIdList(std::vector<int>& out) const {
    out.clear();
    const UINT count = GxGet<UINT>(GdipGetPropertyCount, NativeImage());
    if (gxLastStatus != Ok) return false;
    std::vector<PROPID> ids(count);
    if (count > 0 && !GxCall(GdipGetPropertyIdList, NativeImage(), count, ids.data())) return false;
    out.assign(ids.begin(), ids.end());
    return true;
}

bool GxImage::RotateFlip(RotateFlipType type) { return GxCall(GdipImageRotateFlip, NativeImage(), type); }

bool GxImage::GetPalette(GxPalette& out) const {
    out = GxPalette{};
    const INT size = GxGet<INT>(GdipGetImagePaletteSize, NativeImage());
    if (gxLastStatus != Ok) return false;
    if (size < static_cast<INT>(offsetof(ColorPalette, Entries))) {
        gxLastStatus = GenericError;
        return false;
    }
    std::vector<std::uint64_t> buffer((size + 7) / 8);
    auto* palette = reinterpret_cast<ColorPalette*>(buffer.data());
    if (!GxCall(GdipGetImagePalette, NativeImage(), palette, size)) return false;
    const std::size_t room = (size - offsetof(ColorPalette, Entries)) / sizeof(ARGB);
    const std::size_t count = std::min<std::size_t>(palette->Count, room);
    out.flags = static_cast<int>(palette->Flags);
    out.count = static_cast<int>(count);
    out.entries.assign(palette->Entries, palette->Entries + count);
    return true;
}

bool GxImage::SetPalette(const GxPalette& palette) {
    const std::size_t count = palette.entries.size();
    std::vector<std::uint64_t> buffer((offsetof(ColorPalette, Entries) + (count + 1) * sizeof(ARGB) + 7) / 8);
    auto* record = reinterpret_cast<ColorPalette*>(buffer.data());
    record->Flags = static_cast<UINT>(palette.flags);
    record->Count = static_cast<UINT>(count);
    if (count > 0) std::memcpy(record->Entries, palette.entries.data(), count * sizeof(ARGB));
    return GxCall(GdipSetImagePalette, NativeImage(), record);
}

void GxImage::Clear() noexcept {
    // GDI+ may still read from the stream until the image is gone.
    GxObject::Clear();
    stream_.Release();
}

bool GxImage::FinishLoadFromStream(GpImage* image) {
    if (gxLastStatus == Ok && image) {
        SetNativeHandle(image);
        return true;
    }
    if (image) ReleaseImage(image);
    stream_.Release();
    return false;
}

}  // namespace pelorin
