#pragma once
// The forms in which another editor may have saved a data file: GBK, UTF-8
// and UTF-16, with or without a byte-order mark, with CR LF, LF or CR.

#include <string>
#include <string_view>
#include <vector>

#include "app/services/data_text.h"

namespace pelorin::test {

// UTF-16 with its byte-order mark.
std::string Utf16(std::wstring_view text, bool bigEndian);
// `text` with every CR LF replaced by `end`.
std::wstring WithLineEnds(const std::wstring& text, std::wstring_view end);

struct TextForm {
    const char* name;
    runtime::TextEncoding encoding;                   // what it must be read as
    std::string (*encode)(const std::wstring& text);  // `text` uses CR LF
    bool ownForm;                                     // what the program writes
};

const std::vector<TextForm>& TextForms();

}  // namespace pelorin::test
