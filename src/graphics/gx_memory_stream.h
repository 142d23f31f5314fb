#pragma once
// A growable block of global memory seen as an IStream: images are decoded
// from it and encoded into it.

#include <windows.h>
#include <objidl.h>

#include <optional>

#include "base/text.h"

namespace pelorin {

class GxMemoryStream {
public:
    GxMemoryStream() noexcept = default;
    GxMemoryStream(const GxMemoryStream&) = delete;
    GxMemoryStream& operator=(const GxMemoryStream&) = delete;
    GxMemoryStream(GxMemoryStream&& other) noexcept;
    GxMemoryStream& operator=(GxMemoryStream&& other) noexcept;
    ~GxMemoryStream();

    // Replaces the block with a copy of `bytes` (the first `length` bytes
    // when given; a length beyond the data leaves the rest zero). False when
    // the block or the stream cannot be made.
    bool CreateFromBytes(const Bytes& bytes, std::optional<int> length = std::nullopt);
    // Releases the stream, then frees the block.
    void Release() noexcept;
    // Size of the global block (GlobalSize); 0 without a block.
    int GetSize() const noexcept;
    IStream* GetStream() const noexcept { return stream_; }
    HGLOBAL GetHGlobal() const noexcept { return hGlobal_; }
    // Releases the current block and takes `stream` (and the block under it).
    // The reference passed in is taken over. False when the stream is not
    // backed by global memory (it is then released).
    bool AttachStream(IStream* stream) noexcept;
    // A copy of the stream's contents (the block's size when no stream).
    Bytes ReadAll() const;
    // A fresh, empty, growable stream, ready to be written into.
    bool CreateEmpty() noexcept;

private:
    HGLOBAL hGlobal_ = nullptr;
    IStream* stream_ = nullptr;
};

}  // namespace pelorin
