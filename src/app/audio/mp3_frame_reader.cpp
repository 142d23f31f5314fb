#include "app/audio/mp3_frame_reader.h"

#include <algorithm>

namespace pelorin {

std::optional<Mp3FrameHeader> Mp3FrameReader::HeaderAt(std::uint64_t offset) {
    const std::uint8_t* bytes = file_.Get(offset, kMp3HeaderBytes);
    if (!bytes) return std::nullopt;
    return ParseFrameHeader(bytes);
}

bool Mp3FrameReader::IsEndOfAudio(std::uint64_t offset) {
    if (offset == file_.Size()) return true;
    // An ID3v1 or APE tag closes the stream.
    const std::uint8_t* bytes = file_.Get(offset, 3);
    if (bytes && bytes[0] == 'T' && bytes[1] == 'A' && bytes[2] == 'G') return true;
    bytes = file_.Get(offset, 8);
    return bytes && std::equal(bytes, bytes + 8, "APETAGEX");
}

bool Mp3FrameReader::IsFrameChain(std::uint64_t offset, const Mp3FrameHeader* sameStreamAs) {
    std::optional<Mp3FrameHeader> first = HeaderAt(offset);
    if (!first || (sameStreamAs && !first->SameStreamAs(*sameStreamAs))) return false;
    std::uint64_t next = offset + static_cast<std::uint64_t>(first->frameBytes);
    if (next > file_.Size()) return false;
    for (int i = 0; i < 2; ++i) {
        if (IsEndOfAudio(next)) return true;
        std::optional<Mp3FrameHeader> h = HeaderAt(next);
        if (!h || !h->SameStreamAs(*first)) return false;
        next += static_cast<std::uint64_t>(h->frameBytes);
        if (next > file_.Size()) return i == 1;  // a cut-off third frame still confirms the chain
    }
    return true;
}

std::optional<std::uint64_t> Mp3FrameReader::FindFrameChain(std::uint64_t from, std::uint64_t limit,
                                                            const Mp3FrameHeader* sameStreamAs) {
    limit = std::min(limit, file_.Size());
    for (std::uint64_t at = from; at + kMp3HeaderBytes <= limit; ++at) {
        const std::uint8_t* b = file_.Get(at, 2);
        if (b && b[0] == 0xFF && (b[1] & 0xE0) == 0xE0 && IsFrameChain(at, sameStreamAs)) return at;
    }
    return std::nullopt;
}

bool Mp3FrameReader::Open(const std::wstring& path) {
    FileWindow file;
    if (!file.Open(path)) return false;
    return Open(std::move(file));
}

bool Mp3FrameReader::Open(FileWindow file) {
    info_.reset();
    file_ = std::move(file);

    std::uint64_t offset = 0;
    for (;;) {
        const std::uint8_t* bytes = file_.Get(offset, 10);
        const std::uint64_t tag = bytes ? Id3v2TagSize(bytes, 10) : 0;
        if (tag == 0) break;
        offset += tag;
    }
    std::optional<std::uint64_t> first = FindFrameChain(offset, offset + kFirstFrameSearchBytes, nullptr);
    if (!first) return false;

    Mp3FrameHeader header = *HeaderAt(*first);
    firstAudio_ = *first;
    if (const std::uint8_t* frame = file_.Get(*first, static_cast<size_t>(header.frameBytes))) {
        info_ = ParseInfoFrame(frame, header);
        if (info_) {
            firstAudio_ += static_cast<std::uint64_t>(header.frameBytes);
            std::optional<Mp3FrameHeader> audio = HeaderAt(firstAudio_);
            if (!audio || !audio->SameStreamAs(header)) return false;  // an info frame and no sound
            header = *audio;
        }
    }
    format_ = header;
    position_ = firstAudio_;
    return true;
}

std::optional<std::span<const std::uint8_t>> Mp3FrameReader::NextFrame() {
    for (;;) {
        if (IsEndOfAudio(position_)) return std::nullopt;
        std::optional<Mp3FrameHeader> h = HeaderAt(position_);
        if (!h || !h->SameStreamAs(format_)) {
            // Damaged data: continue at the next place where frames line up again.
            std::optional<std::uint64_t> next = FindFrameChain(position_ + 1, file_.Size(), &format_);
            if (!next) return std::nullopt;
            position_ = *next;
            continue;
        }
        const std::uint8_t* frame = file_.Get(position_, static_cast<size_t>(h->frameBytes));
        if (!frame) return std::nullopt;  // cut short by the end of the file
        position_ += static_cast<std::uint64_t>(h->frameBytes);
        // A second info frame (files joined end to end) carries no sound.
        if (ParseInfoFrame(frame, *h)) continue;
        return std::span<const std::uint8_t>(frame, static_cast<size_t>(h->frameBytes));
    }
}

}  // namespace pelorin
