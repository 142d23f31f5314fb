#include "graphics/gx_codecs.h"

#include <objidl.h>
#include <gdiplus.h>

#include "graphics/gx_guid.h"

namespace pelorin {

namespace {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

std::wstring TextOf(const WCHAR* text) { return text ? std::wstring(text) : std::wstring(); }

Bytes BytesOf(const BYTE* data, unsigned size) { return data ? Bytes(data, data + size) : Bytes(); }

GxImageCodec ToRecord(const ImageCodecInfo& info) {
    GxImageCodec codec;
    codec.clsid = GuidToText(info.Clsid);
    codec.formatId = GuidToText(info.FormatID);
    codec.codecName = TextOf(info.CodecName);
    codec.dllName = TextOf(info.DllName);
    codec.formatDescription = TextOf(info.FormatDescription);
    codec.filenameExtension = TextOf(info.FilenameExtension);
    codec.mimeType = TextOf(info.MimeType);
    codec.flags = info.Flags;
    codec.version = info.Version;
    codec.signatureCount = info.SigCount;
    codec.signatureSize = info.SigSize;
    // Patterns and masks hold SigCount signatures of SigSize bytes each.
    codec.signaturePatterns = BytesOf(info.SigPattern, info.SigCount * info.SigSize);
    codec.signatureMasks = BytesOf(info.SigMask, info.SigCount * info.SigSize);
    return codec;
}

// One buffer holds the records followed by the texts they point at.
template <typename SizeFn, typename ListFn>
std::vector<GxImageCodec> ListCodecs(SizeFn sizeFn, ListFn listFn) {
    UINT count = 0, bytes = 0;
    if (sizeFn(&count, &bytes) != Ok || count == 0 || bytes < count * sizeof(ImageCodecInfo)) return {};
    std::vector<std::uint64_t> buffer((bytes + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* infos = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (listFn(count, bytes, infos) != Ok) return {};
    std::vector<GxImageCodec> codecs;
    codecs.reserve(count);
    for (UINT i = 0; i < count; ++i) codecs.push_back(ToRecord(infos[i]));
    return codecs;
}

}  // namespace

std::vector<GxImageCodec> GxImageEncoders() { return ListCodecs(GdipGetImageEncodersSize, GdipGetImageEncoders); }

std::vector<GxImageCodec> GxImageDecoders() { return ListCodecs(GdipGetImageDecodersSize, GdipGetImageDecoders); }

std::optional<CLSID> GxFindEncoder(const std::wstring& formatText) {
    for (const GxImageCodec& codec : GxImageEncoders()) {
        if (codec.formatId == formatText) return GuidFromText(codec.clsid);
    }
    return std::nullopt;
}

}  // namespace pelorin
