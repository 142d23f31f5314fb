#pragma once
// Reading the program's data files ("config.txt", "Data.ini") as their writer
// meant them. The program writes GBK with CR LF, but a user may have edited a
// file in another editor, which saves UTF-8 or UTF-16 and other line ends.
//
// Encoding, decided from the bytes:
// - a UTF-8 byte-order mark (EF BB BF): UTF-8;
// - a UTF-16 byte-order mark (FF FE or FE FF): UTF-16 little or big endian;
// - no mark: UTF-8 when the bytes are valid UTF-8 and hold at least one
//   multi-byte sequence that is not a valid GBK byte sequence by itself;
//   everything else is GBK. Every three-byte sequence qualifies ("开" is
//   E5 BC 80: three bytes cannot be GBK pairs); two-byte sequences never do
//   ("陆路" in GBK is C2 BD C2 B7, also valid UTF-8 for "½·", and stays GBK),
//   so a file whose only non-ASCII text is Latin, Greek or Cyrillic letters
//   is read as GBK; pure ASCII is GBK.
// Lines end at CR LF, LF or CR alone. NUL characters end nothing and are
// dropped.

#include <string>
#include <string_view>
#include <vector>

namespace pelorin::runtime {

enum class TextEncoding { Gbk, Utf8, Utf8Bom, Utf16Le, Utf16Be };

TextEncoding DetectTextEncoding(std::string_view bytes);

struct TextLine {
    std::wstring text;       // decoded, NUL characters dropped
    std::string_view bytes;  // GBK files only: the line's bytes without its end
    std::string_view end;    // "\r\n", "\n", "\r", or empty for a last line without one
};

struct DataText {
    TextEncoding encoding = TextEncoding::Gbk;
    std::vector<TextLine> lines;
};

// The lines of a data file. The line bytes of a GBK file point into `bytes`.
DataText ReadDataText(std::string_view bytes);

}  // namespace pelorin::runtime
