#pragma once
// Sounds decoded ahead of time, so that playing them only hands ready PCM to
// the device. Decoding happens on a background thread of low priority, one
// file after the other, so asking for it costs the caller nothing.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

#include "app/audio/pcm.h"

namespace pelorin {

class SoundCache {
public:
    // Longest sound kept decoded; longer files are always streamed.
    static constexpr std::uint64_t kMaxFrames = 60ull * 48000;

    // `decoded` runs on the decoding thread after each sound is ready.
    explicit SoundCache(std::function<void(const PcmFormat&)> decoded) : decoded_(std::move(decoded)) {}
    ~SoundCache() { Clear(); }
    SoundCache(const SoundCache&) = delete;
    SoundCache& operator=(const SoundCache&) = delete;

    // Queues `path` for decoding under `key` (once; later requests are ignored).
    void Request(const std::wstring& key, const std::wstring& path);
    std::shared_ptr<const PcmSound> Find(const std::wstring& key) const;
    // Stops decoding, joins the thread and forgets every sound.
    void Clear();

    size_t ReadyCount() const;
    size_t PendingCount() const;

private:
    void Run();

    std::function<void(const PcmFormat&)> decoded_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::pair<std::wstring, std::wstring>> queue_;  // key, path
    std::unordered_map<std::wstring, std::shared_ptr<const PcmSound>> sounds_;
    std::unordered_map<std::wstring, bool> known_;  // requested keys (decoded or not)
    bool decoding_ = false;
    bool stop_ = false;
    std::atomic<bool> cancel_{false};
    std::thread thread_;
};

}  // namespace pelorin
