#include "graphics/gx_memory_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace pelorin {

GxMemoryStream::GxMemoryStream(GxMemoryStream&& other) noexcept
    : hGlobal_(std::exchange(other.hGlobal_, nullptr)), stream_(std::exchange(other.stream_, nullptr)) {}

GxMemoryStream& GxMemoryStream::operator=(GxMemoryStream&& other) noexcept {
    if (this != &other) {
        Release();
        hGlobal_ = std::exchange(other.hGlobal_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

GxMemoryStream::~GxMemoryStream() { Release(); }

bool GxMemoryStream::CreateFromBytes(const Bytes& bytes, std::optional<int> length) {
    Release();
    const std::size_t size = length ? static_cast<std::size_t>(std::max(*length, 0)) : bytes.size();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    if (!block) return false;
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block, FALSE, &stream))) {
        ::GlobalFree(block);
        return false;
    }
    hGlobal_ = block;
    stream_ = stream;
    // Never read past the data, whatever length was asked for.
    const std::size_t copied = std::min(size, bytes.size());
    if (copied > 0) {
        void* data = ::GlobalLock(hGlobal_);
        if (!data) {
            Release();
            return false;
        }
        std::memcpy(data, bytes.data(), copied);
        ::GlobalUnlock(hGlobal_);
    }
    return true;
}

void GxMemoryStream::Release() noexcept {
    if (stream_) stream_->Release();
    if (hGlobal_) ::GlobalFree(hGlobal_);
    stream_ = nullptr;
    hGlobal_ = nullptr;
}

int GxMemoryStream::GetSize() const noexcept { return hGlobal_ ? static_cast<int>(::GlobalSize(hGlobal_)) : 0; }

bool GxMemoryStream::AttachStream(IStream* stream) noexcept {
    Release();
    if (!stream) return false;
    HGLOBAL block = nullptr;
    if (FAILED(::GetHGlobalFromStream(stream, &block)) || !block) {
        stream->Release();
        return false;
    }
    stream_ = stream;
    // Whether the stream frees its block on release is the stream creator's
    // choice; only streams that leave it to us can be attached safely.
    hGlobal_ = block;
    return true;
}

Bytes GxMemoryStream::ReadAll() const {
    if (!hGlobal_) return {};
    // The block may be larger than what was written into the stream: the
    // stream's own size is the size of the data.
    std::size_t size = ::GlobalSize(hGlobal_);
    if (stream_) {
        STATSTG stat{};
        if (SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME))) size = std::min<std::size_t>(size, stat.cbSize.QuadPart);
    }
    if (size == 0) return {};
    const void* data = ::GlobalLock(hGlobal_);
    if (!data) return {};
    Bytes bytes(static_cast<const std::uint8_t*>(data), static_cast<const std::uint8_t*>(data) + size);
    ::GlobalUnlock(hGlobal_);
    return bytes;
}

bool GxMemoryStream::CreateEmpty() noexcept {
    Release();
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 0);
    if (!block) return false;
    IStream* stream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block, FALSE, &stream))) {
        ::GlobalFree(block);
        return false;
    }
    hGlobal_ = block;
    stream_ = stream;
    return true;
}

}  // namespace pelorin
