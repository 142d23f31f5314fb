#pragma once
// The image codecs installed in GDI+, as text records. Listing codecs never
// touches gxLastStatus: choosing an encoder is bookkeeping, not a drawing call.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "base/text.h"

namespace pelorin {

struct GxImageCodec {
    std::wstring clsid;     // registry form
    std::wstring formatId;  // registry form, compared with format texts
    std::wstring codecName;
    std::wstring dllName;
    std::wstring formatDescription;
    std::wstring filenameExtension;
    std::wstring mimeType;
    unsigned flags = 0;
    unsigned version = 0;
    unsigned signatureCount = 0;
    unsigned signatureSize = 0;
    Bytes signaturePatterns;
    Bytes signatureMasks;
};

std::vector<GxImageCodec> GxImageEncoders();
std::vector<GxImageCodec> GxImageDecoders();
// CLSID of the first encoder whose format-id text equals `formatText`
// exactly; nullopt when no encoder handles it.
std::optional<CLSID> GxFindEncoder(const std::wstring& formatText);

}  // namespace pelorin
