#include "app/audio/file_window.h"

#include <algorithm>

namespace pelorin {

bool FileWindow::Open(const std::wstring& path) {
    file_.Reset(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    bufferStart_ = 0;
    bufferBytes_ = 0;
    LARGE_INTEGER size{};
    if (!file_ || !::GetFileSizeEx(file_.Get(), &size)) {
        file_.Reset();
        size_ = 0;
        return false;
    }
    size_ = static_cast<std::uint64_t>(size.QuadPart);
    return true;
}

const std::uint8_t* FileWindow::Get(std::uint64_t offset, size_t count) {
    if (offset >= bufferStart_ && offset + count <= bufferStart_ + bufferBytes_)
        return buffer_.data() + (offset - bufferStart_);
    if (!file_ || offset > size_ || count > size_ - offset) return nullptr;

    const size_t want = static_cast<size_t>(std::min<std::uint64_t>(std::max(count, kChunkBytes), size_ - offset));
    if (buffer_.size() < want) buffer_.resize(want);
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD read = 0;
    bufferStart_ = offset;
    bufferBytes_ = 0;
    if (!::SetFilePointerEx(file_.Get(), at, nullptr, FILE_BEGIN) ||
        !::ReadFile(file_.Get(), buffer_.data(), static_cast<DWORD>(want), &read, nullptr))
        return nullptr;
    bufferBytes_ = read;
    return read >= count ? buffer_.data() : nullptr;
}

}  // namespace pelorin
