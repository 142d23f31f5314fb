#pragma once
// Walks the audio frames of an MP3 file: skips ID3v2 tags, finds the first
// frame, sets the info frame aside, and hands out whole frames one by one.
// Garbage between frames is skipped; a frame cut short by the end of the file
// is dropped, so the decoder only ever sees complete frames.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "app/audio/file_window.h"
#include "app/audio/mp3_format.h"

namespace pelorin {

class Mp3FrameReader {
public:
    // False when the file is missing, unreadable or holds no layer III stream.
    bool Open(const std::wstring& path);
    // The same for a file already open.
    bool Open(FileWindow file);

    // The first audio frame's header: rate and channels of the whole stream.
    const Mp3FrameHeader& StreamFormat() const { return format_; }
    // The info frame in front of the audio, when there is one.
    const std::optional<Mp3InfoTag>& InfoTag() const { return info_; }

    // The next audio frame, valid until the next call; nothing at the end.
    std::optional<std::span<const std::uint8_t>> NextFrame();

    // Back to the first audio frame.
    void Rewind() { position_ = firstAudio_; }

private:
    // How far past the tags the first frame is searched for.
    static constexpr std::uint64_t kFirstFrameSearchBytes = 1 << 20;

    std::optional<Mp3FrameHeader> HeaderAt(std::uint64_t offset);
    // True when a frame starts at `offset` and is followed by two more of the
    // same stream (or by the end of the data): one lucky 0xFFE is not enough.
    bool IsFrameChain(std::uint64_t offset, const Mp3FrameHeader* sameStreamAs);
    std::optional<std::uint64_t> FindFrameChain(std::uint64_t from, std::uint64_t limit,
                                                const Mp3FrameHeader* sameStreamAs);
    bool IsEndOfAudio(std::uint64_t offset);

    FileWindow file_;
    Mp3FrameHeader format_;
    std::optional<Mp3InfoTag> info_;
    std::uint64_t firstAudio_ = 0;
    std::uint64_t position_ = 0;
};

}  // namespace pelorin
