#include "graphics/gx_guid.h"

#include <objbase.h>

namespace pelorin {

std::wstring GuidToText(const GUID& guid) {
    wchar_t buffer[39] = {};
    const int length = ::StringFromGUID2(guid, buffer, 39);
    return length > 0 ? std::wstring(buffer, length - 1) : std::wstring();
}

std::optional<GUID> GuidFromText(const std::wstring& text) {
    // CLSIDFromString also accepts ProgIDs; only the registry form is wanted.
    if (text.size() != 38 || text.front() != L'{' || text.back() != L'}') return std::nullopt;
    GUID guid{};
    if (FAILED(::CLSIDFromString(text.c_str(), &guid))) return std::nullopt;
    return guid;
}

GUID GuidFromTextOrNull(const std::wstring& text) { return GuidFromText(text).value_or(GUID{}); }

}  // namespace pelorin
