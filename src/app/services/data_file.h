#pragma once
// Replacing a data file that the program did not write itself. A file a user
// edited in another program (another encoding, other line ends, lines the
// program skips) is rewritten in the program's own form by the first save
// that changes it; its bytes are kept in a backup beside it first:
// "<name>.bak", or, when that holds other bytes already, "<name>.1.bak",
// "<name>.2.bak", ... of which the newest five are kept.

#include <string>
#include <string_view>

namespace pelorin::runtime {

inline constexpr int kNumberedBackupsKept = 5;

// The backup file names of `file`: number 0 is "<file>.bak", n is "<file>.n.bak".
std::wstring BackupPath(const std::wstring& file, int number);

// Keeps `bytes` in a backup of `file` unless one holds them already. False
// when the backup could not be written.
bool KeepBackup(const std::wstring& file, std::string_view bytes);

// Replaces `file`, which held `previous`, with `bytes` (atomically). When
// `previous` is not in the program's own form and the bytes change, it is
// kept in a backup first; if that fails, nothing is written. False when the
// file was not replaced.
bool ReplaceDataFile(const std::wstring& file, std::string_view previous, bool previousIsOwnForm,
                     std::string_view bytes);

}  // namespace pelorin::runtime
