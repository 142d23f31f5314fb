// Decoding files to PCM: lengths, trimmed starts, damaged and foreign input.
// (Playback is covered by the capture tests.)

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "app/audio/mp3_decoder.h"
#include "app/audio/mp3_format.h"
#include "audio_test_util.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

// steps.mp3: 1.5 s of 44.1 kHz stereo, loud from its first sample.
constexpr size_t kStepsFrames = 66150;
constexpr int kLameEncoderDelay = 576;  // what LAME 3.100 records in its tag

// Byte offsets of the frames of an MP3 held in memory, starting at `first`.
std::vector<size_t> FrameOffsets(const Bytes& file, size_t first) {
    std::vector<size_t> offsets;
    for (size_t at = first; at + 4 <= file.size();) {
        std::optional<Mp3FrameHeader> h = ParseFrameHeader(file.data() + at);
        if (!h) break;
        offsets.push_back(at);
        at += static_cast<size_t>(h->frameBytes);
    }
    return offsets;
}

std::optional<PcmSound> DecodeBytes(const TempDir& dir, const std::wstring& name, const Bytes& bytes) {
    WriteAll(dir.File(name), bytes);
    return DecodeMp3File(dir.File(name), 1ull << 32);
}

TEST(Mp3Decoding, LameTaggedFileStartsAtItsFirstSampleAndHasItsExactLength) {
    PcmSound sound = DecodeOrFail(TestSoundPath(L"steps.mp3"));
    EXPECT_EQ(sound.format, (PcmFormat{2, 44100}));
    EXPECT_EQ(sound.Frames(), kStepsFrames);
    // A 440 Hz cosine at 0.9 of full scale: the very first frame is near its peak
    // (untrimmed, the first ~1100 frames would be the codec's silence).
    Samples s = FromSound(sound);
    EXPECT_GT(std::abs(s.At(0, 0)), 20000);
    EXPECT_GT(std::abs(s.At(0, 1)), 16000);
    EXPECT_EQ(AudibleSpan(s)->first, 0u);
    // Sample-exact: the decoded tone lines up with the tone that was encoded
    // (a cosine of 0.9 full scale over the first 100 ms) at offset 0, not 1 or 2 off.
    auto misfit = [&](int offset) {
        double sum = 0;
        for (int i = 500; i < 4000; ++i) {
            const double ideal = 0.9 * 32767 * std::cos(2 * 3.14159265358979 * 440 * i / 44100);
            const double d = s.At(static_cast<size_t>(i + offset), 0) - ideal;
            sum += d * d;
        }
        return sum;
    };
    for (int offset : {-3, -2, -1, 1, 2, 3}) EXPECT_LT(misfit(0), misfit(offset)) << "offset " << offset;
    // And the last 100 ms are still the last step (0.4), not padding.
    EXPECT_NEAR(Rms(s.Slice(kStepsFrames - 4410, 4410)) / Rms(s.Slice(0, 4410)), 0.4 / 0.9, 0.05);
}

TEST(Mp3Decoding, FileWithoutTagPlaysWholeIncludingTheCodecDelay) {
    Samples tagged = FromSound(DecodeOrFail(TestSoundPath(L"steps.mp3")));
    Samples whole = FromSound(DecodeOrFail(TestSoundPath(L"steps-notag.mp3")));
    // Every frame decoded: 1152 samples each, more than the sound itself.
    EXPECT_EQ(whole.Frames() % 1152, 0u);
    EXPECT_GE(whole.Frames(), kStepsFrames + kLameEncoderDelay + kMp3DecoderDelay);
    // The same frames as the tagged file: the sound sits behind encoder and decoder delay.
    const size_t delay = kLameEncoderDelay + kMp3DecoderDelay;
    // In front of it only the encoder's pre-echo of the sharp onset: quiet.
    EXPECT_LT(Rms(whole.Slice(0, kMp3DecoderDelay)), 0.05 * Rms(tagged.Slice(0, 4410)));
    EXPECT_EQ(MaxSampleDifference(whole.Slice(delay, kStepsFrames), tagged), 0);
}

TEST(Mp3Decoding, Mpeg2MonoFile) {
    PcmSound sound = DecodeOrFail(TestSoundPath(L"mono22k.mp3"));
    EXPECT_EQ(sound.format, (PcmFormat{1, 22050}));
    EXPECT_EQ(sound.Frames(), 22050u);
    EXPECT_GT(std::abs(FromSound(sound).At(0, 0)), 16000);
}

TEST(Mp3Decoding, ReadingInSmallPiecesGivesTheSameSamplesAndRewindRepeatsThem) {
    Samples whole = FromSound(DecodeOrFail(TestSoundPath(L"steps.mp3")));
    std::unique_ptr<Mp3Decoder> decoder = Mp3Decoder::Open(TestSoundPath(L"steps.mp3"));
    ASSERT_TRUE(decoder);
    ASSERT_EQ(decoder->LengthFrames(), std::optional<std::uint64_t>(kStepsFrames));
    for (int pass = 0; pass < 2; ++pass) {
        Samples pieces;
        std::int16_t buffer[2 * 333];
        while (size_t n = decoder->Read(buffer, 333)) pieces.data.insert(pieces.data.end(), buffer, buffer + 2 * n);
        EXPECT_EQ(pieces.Frames(), kStepsFrames) << "pass " << pass;
        EXPECT_EQ(MaxSampleDifference(pieces, whole), 0) << "pass " << pass;
        ASSERT_TRUE(decoder->Rewind());
    }
}

TEST(Mp3Decoding, TagsAndGarbageAroundTheFramesAreSkipped) {
    const Bytes file = ReadAll(TestSoundPath(L"steps.mp3"));
    const Samples expected = FromSound(DecodeOrFail(TestSoundPath(L"steps.mp3")));
    TempDir dir;

    // An ID3v2 tag in front (4000 bytes of body, with sync-like bytes inside).
    Bytes tagged = {'I', 'D', '3', 3, 0, 0, 0, 0, 0x1F, 0x20};  // body size 4000, synchsafe
    tagged.resize(10 + 4000, 0xFF);
    tagged.insert(tagged.end(), file.begin(), file.end());
    // An ID3v1 tag at the end.
    const char* v1 = "TAGtitle";
    tagged.insert(tagged.end(), v1, v1 + 8);
    tagged.resize(tagged.size() + 120, 0);
    std::optional<PcmSound> withTags = DecodeBytes(dir, L"tags.mp3", tagged);
    ASSERT_TRUE(withTags);
    EXPECT_EQ(MaxSampleDifference(FromSound(*withTags), expected), 0);
    EXPECT_EQ(withTags->Frames(), kStepsFrames);

    // Junk between two frames in the middle: the frames around it still play.
    std::vector<size_t> frames = FrameOffsets(file, 0);
    ASSERT_GT(frames.size(), 40u);
    Bytes damaged(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(frames[30]));
    for (int i = 0; i < 3000; ++i) damaged.push_back(static_cast<std::uint8_t>(i * 37 % 251));
    damaged.insert(damaged.end(), file.begin() + static_cast<std::ptrdiff_t>(frames[30]), file.end());
    std::optional<PcmSound> withJunk = DecodeBytes(dir, L"junk.mp3", damaged);
    ASSERT_TRUE(withJunk);
    EXPECT_EQ(withJunk->Frames(), kStepsFrames);
    EXPECT_EQ(MaxSampleDifference(FromSound(*withJunk), expected), 0);
}

TEST(Mp3Decoding, TruncatedFileGivesTheIntactBeginningAndNothingElse) {
    const Bytes file = ReadAll(TestSoundPath(L"steps.mp3"));
    const Samples expected = FromSound(DecodeOrFail(TestSoundPath(L"steps.mp3")));
    TempDir dir;
    // Cut in the middle of a frame.
    Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(file.size() * 6 / 10 + 101));
    std::optional<PcmSound> sound = DecodeBytes(dir, L"cut.mp3", cut);
    ASSERT_TRUE(sound);
    Samples got = FromSound(*sound);
    EXPECT_GT(got.Frames(), kStepsFrames / 2);
    EXPECT_LT(got.Frames(), kStepsFrames * 7 / 10);
    EXPECT_EQ(MaxSampleDifference(got, expected.Slice(0, got.Frames())), 0);
}

TEST(Mp3Decoding, WhatIsNotAnMp3IsRefused) {
    TempDir dir;
    EXPECT_FALSE(DecodeBytes(dir, L"empty.mp3", {}));
    std::string text;
    for (int i = 0; i < 200; ++i) text += "This is a text file that only pretends to be an MP3 file.\r\n";
    EXPECT_FALSE(DecodeBytes(dir, L"text.mp3", Bytes(text.begin(), text.end())));
    std::mt19937 random(7);
    Bytes noise(5 << 20);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random());
    EXPECT_FALSE(DecodeBytes(dir, L"noise.mp3", noise));
    // A tag and nothing after it; an info frame and no sound.
    EXPECT_FALSE(DecodeBytes(dir, L"tagonly.mp3", Bytes{'I', 'D', '3', 3, 0, 0, 0, 0, 0, 20}));
    const Bytes file = ReadAll(TestSoundPath(L"steps.mp3"));
    std::vector<size_t> frames = FrameOffsets(file, 0);
    EXPECT_FALSE(
        DecodeBytes(dir, L"infoonly.mp3", Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(frames[1]))));
    // A missing file and a folder.
    EXPECT_FALSE(DecodeMp3File(dir.File(L"missing.mp3"), 1ull << 32));
    EXPECT_FALSE(DecodeMp3File(dir.Path(), 1ull << 32));
    EXPECT_EQ(Mp3Decoder::LiveCount(), 0);
}

TEST(Mp3Decoding, LongerThanAllowedIsNotKept) {
    EXPECT_FALSE(DecodeMp3File(TestSoundPath(L"steps.mp3"), kStepsFrames - 1));
    EXPECT_TRUE(DecodeMp3File(TestSoundPath(L"steps.mp3"), kStepsFrames));
    // Without a tag the length is only known while decoding.
    EXPECT_FALSE(DecodeMp3File(TestSoundPath(L"steps-notag.mp3"), kStepsFrames));
}

TEST(PresetSounds, TwelveDistinctShortSoundsThatDecode) {
    std::vector<std::vector<double>> prints;
    for (const std::wstring& name : PresetFileNames()) {
        SCOPED_TRACE(ToUtf8(name));
        const Bytes file = ReadAll(PresetPath(name));
        EXPECT_GT(file.size(), 0u);
        EXPECT_LT(file.size(), 100u * 1024);
        PcmSound sound = DecodeOrFail(PresetPath(name));
        EXPECT_EQ(sound.format.sampleRate, 44100);
        const double seconds = static_cast<double>(sound.Frames()) / 44100;
        EXPECT_GE(seconds, 0.5);
        EXPECT_LE(seconds, 4.0);
        Samples s = FromSound(sound);
        EXPECT_GT(Peak(s), 20000);  // normalised near full scale
        EXPECT_GT(Rms(s), 1000);
        prints.push_back(Fingerprint(s, 44100));
    }
    for (size_t a = 0; a < prints.size(); ++a)
        for (size_t b = a + 1; b < prints.size(); ++b)
            EXPECT_GT(FingerprintDistance(prints[a], prints[b]), 0.05)
                << ToUtf8(PresetFileNames()[a]) << " and " << ToUtf8(PresetFileNames()[b]) << " sound alike";
}

}  // namespace
}  // namespace pelorin::test
