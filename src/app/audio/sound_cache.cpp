#include "app/audio/sound_cache.h"

#include <windows.h>

#include "app/audio/sound_file.h"

namespace pelorin {

void SoundCache::Request(const std::wstring& key, const std::wstring& path) {
    std::lock_guard lock(mutex_);
    if (!known_.emplace(key, true).second) return;
    queue_.emplace_back(key, path);
    if (!thread_.joinable()) {
        stop_ = false;
        cancel_ = false;
        thread_ = std::thread([this] { Run(); });
    }
    wake_.notify_one();
}

std::shared_ptr<const PcmSound> SoundCache::Find(const std::wstring& key) const {
    std::lock_guard lock(mutex_);
    auto it = sounds_.find(key);
    return it == sounds_.end() ? nullptr : it->second;
}

void SoundCache::Clear() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
        cancel_ = true;
        wake_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
    std::lock_guard lock(mutex_);
    queue_.clear();
    sounds_.clear();
    known_.clear();
}

size_t SoundCache::ReadyCount() const {
    std::lock_guard lock(mutex_);
    return sounds_.size();
}

size_t SoundCache::PendingCount() const {
    std::lock_guard lock(mutex_);
    return queue_.size() + (decoding_ ? 1 : 0);
}

void SoundCache::Run() {
    // Playback and the user interface come first.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_) return;
        auto [key, path] = std::move(queue_.front());
        queue_.pop_front();
        decoding_ = true;
        lock.unlock();
        std::optional<PcmSound> sound = DecodeSoundFile(path, kMaxFrames, &cancel_);
        std::shared_ptr<const PcmSound> shared;
        if (sound) shared = std::make_shared<const PcmSound>(std::move(*sound));
        if (shared && decoded_) decoded_(shared->format);
        lock.lock();
        decoding_ = false;
        if (shared && !stop_) sounds_[key] = std::move(shared);
    }
}

}  // namespace pelorin
