#pragma once
// GUIDs travel through the graphics layer as texts in registry form,
// "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}".

#include <windows.h>

#include <optional>
#include <string>

namespace pelorin {

// Registry form, upper-case hex, 38 characters.
std::wstring GuidToText(const GUID& guid);
// nullopt when the text is not a GUID in registry form.
std::optional<GUID> GuidFromText(const std::wstring& text);
// As GuidFromText, but the all-zero GUID for a text that does not parse, so
// GDI+ itself reports the bad argument.
GUID GuidFromTextOrNull(const std::wstring& text);

}  // namespace pelorin
