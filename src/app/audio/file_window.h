#pragma once
// Random access to a file through a small moving window of bytes, so that a
// long file is read piece by piece and never held whole in memory.

#include <cstdint>
#include <string>
#include <vector>

#include "base/handle.h"

namespace pelorin {

class FileWindow {
public:
    // Opens for reading; others may still read, write, rename or delete it.
    bool Open(const std::wstring& path);

    std::uint64_t Size() const { return size_; }

    // The `count` bytes at `offset`, valid until the next call; nullptr when the
    // file ends before them (or shrank since it was opened).
    const std::uint8_t* Get(std::uint64_t offset, size_t count);

private:
    static constexpr size_t kChunkBytes = 64 * 1024;

    UniqueFile file_;
    std::uint64_t size_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::uint64_t bufferStart_ = 0;
    size_t bufferBytes_ = 0;
};

}  // namespace pelorin
