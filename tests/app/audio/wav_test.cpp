// WAV files: the RIFF/WAVE header read from the bytes whatever the file is
// called, PCM converted to the player's 16 bits, and what reaches the device
// (captured) when they are played like any MP3.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "app/audio/file_window.h"
#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "app/audio/sound_file.h"
#include "app/audio/system_volume.h"
#include "app/audio/wav_decoder.h"
#include "app/audio/wav_format.h"
#include "audio_test_util.h"
#include "test_support.h"
#include "wav_maker.h"

namespace pelorin::test {
namespace {

constexpr size_t kStepsFrames = 66150;

WavFile Signal(int channels, int rate, int bits, size_t frames) {
    WavFile f;
    f.channels = channels;
    f.sampleRate = rate;
    f.bits = bits;
    f.samples = TestSignal(channels, bits, rate, frames);
    return f;
}

WavProbe Probe(const TempDir& dir, const std::string& bytes) {
    const std::wstring path = dir.File(L"probe.bin");
    WriteAll(path, bytes);
    FileWindow file;
    EXPECT_TRUE(file.Open(path));
    return ProbeWav(file);
}

TEST(WavFormat, PcmHeadersOfEveryKindThePlayerTakes) {
    TempDir dir;
    for (int bits : {8, 16, 24}) {
        for (int channels : {1, 2}) {
            for (std::uint16_t tag : {std::uint16_t{1}, std::uint16_t{0xFFFE}}) {
                SCOPED_TRACE(testing::Message() << bits << " bits, " << channels << " channels, tag " << tag);
                WavFile f = Signal(channels, 48000, bits, 1000);
                f.formatTag = tag;
                const WavProbe probe = Probe(dir, f.Bytes());
                ASSERT_EQ(probe.kind, WavKind::Pcm);
                EXPECT_EQ(probe.layout.channels, channels);
                EXPECT_EQ(probe.layout.sampleRate, 48000);
                EXPECT_EQ(probe.layout.bitsPerSample, bits);
                EXPECT_EQ(probe.layout.Frames(), 1000u);
                EXPECT_EQ(probe.layout.dataOffset, f.Bytes().size() - 1000u * channels * bits / 8);
            }
        }
    }
}

TEST(WavFormat, ChunksAroundTheFormatAndDataAreSkipped) {
    TempDir dir;
    WavFile f = Signal(2, 44100, 16, 300);
    // An odd-sized chunk (padded to even) before "fmt ", a "fact" chunk before "data".
    f.chunksBeforeFormat = Chunk("LIST", "INFOISFT\x05\0\0\0odd");
    f.chunksBeforeData = Chunk("fact", std::string("\x2C\x01\0\0", 4));
    const std::string bytes = f.Bytes();
    const WavProbe probe = Probe(dir, bytes);
    ASSERT_EQ(probe.kind, WavKind::Pcm);
    EXPECT_EQ(probe.layout.dataOffset, bytes.size() - 1200);
    EXPECT_EQ(probe.layout.Frames(), 300u);

    // A "data" size beyond the file (a recording cut off, or never finished):
    // the frames the file holds; a half frame at the end is left out.
    f.chunksBeforeFormat.clear();
    f.chunksBeforeData.clear();
    f.dataSizeField = 0xFFFFFFFF;
    EXPECT_EQ(Probe(dir, f.Bytes()).layout.Frames(), 300u);
    EXPECT_EQ(Probe(dir, f.Bytes().substr(0, f.Bytes().size() - 3)).layout.Frames(), 299u);
}

TEST(WavFormat, WhatThePlayerDoesNotTakeIsTold) {
    TempDir dir;
    auto kindOf = [&](auto change) {
        WavFile f = Signal(2, 44100, 16, 100);
        change(f);
        return Probe(dir, f.Bytes()).kind;
    };
    EXPECT_EQ(kindOf([](WavFile& f) { f.formatTag = 3; }), WavKind::Unsupported);  // IEEE float
    EXPECT_EQ(kindOf([](WavFile& f) { f.formatTag = 2; }), WavKind::Unsupported);  // ADPCM
    EXPECT_EQ(kindOf([](WavFile& f) {
                  f.formatTag = 0xFFFE;
                  f.subFormatTag = 3;
              }),
              WavKind::Unsupported);
    EXPECT_EQ(kindOf([](WavFile& f) { f.channels = 6; }), WavKind::Unsupported);
    EXPECT_EQ(kindOf([](WavFile& f) { f.bits = 32; }), WavKind::Unsupported);
    EXPECT_EQ(kindOf([](WavFile& f) { f.sampleRate = 1000; }), WavKind::Unsupported);
    EXPECT_EQ(kindOf([](WavFile& f) { f.formatTag = 0x55; }), WavKind::Mp3);
    // Not RIFF/WAVE at all: left to the MP3 reader.
    EXPECT_EQ(Probe(dir, "RIFF\x10\0\0\0AVI LIST").kind, WavKind::NotWave);
    EXPECT_EQ(Probe(dir, "ID3").kind, WavKind::NotWave);
    EXPECT_EQ(Probe(dir, "").kind, WavKind::NotWave);

    // Every cut of a header before its first sample: never PCM, never a crash.
    const std::string whole = Signal(2, 44100, 16, 100).Bytes();
    const size_t header = whole.size() - 400;
    for (size_t cut = 12; cut <= header; ++cut) {
        const WavProbe probe = Probe(dir, whole.substr(0, cut));
        EXPECT_TRUE(probe.kind == WavKind::Unsupported || probe.layout.Frames() == 0) << cut;
    }
}

TEST(WavDecoding, SamplesBecomeSixteenBitsAsTheDeviceNeeds) {
    TempDir dir;
    for (int bits : {8, 16, 24}) {
        SCOPED_TRACE(testing::Message() << bits << " bits");
        WavFile f = Signal(2, 22050, bits, 5000);
        // The extremes of each resolution too.
        if (bits == 8) f.samples.insert(f.samples.end(), {0, 255, 128, 127});
        if (bits == 16) f.samples.insert(f.samples.end(), {-32768, 32767, 0, -1});
        if (bits == 24) f.samples.insert(f.samples.end(), {-8388608, 8388607, 255, -1});
        const std::wstring path = dir.File(L"s" + std::to_wstring(bits) + L".mp3");
        WriteAll(path, f.Bytes());
        const std::optional<PcmSound> sound = DecodeSoundFile(path, 1ull << 32);
        ASSERT_TRUE(sound);
        const PcmSound expected = Expected16(f);
        EXPECT_EQ(sound->format, expected.format);
        EXPECT_EQ(sound->samples, expected.samples);
    }
    // The conversion rule itself, on single samples.
    const std::uint8_t in8[] = {0, 128, 255};
    const std::uint8_t in24[] = {0x00, 0x00, 0x80, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0x00};
    std::int16_t out[4];
    ConvertPcmTo16(in8, 3, 8, out);
    EXPECT_EQ(std::vector<std::int16_t>(out, out + 3), (std::vector<std::int16_t>{-32768, 0, 32512}));
    ConvertPcmTo16(in24, 4, 24, out);
    EXPECT_EQ(std::vector<std::int16_t>(out, out + 4), (std::vector<std::int16_t>{-32768, 32767, -1, 0x12}));
}

TEST(WavDecoding, ReadsInAnyPiecesRewindsAndStopsWhereTheFileWasCut) {
    TempDir dir;
    WavFile f = Signal(1, 44100, 24, 40000);
    const std::wstring path = dir.File(L"x.wav");
    WriteAll(path, f.Bytes());
    std::unique_ptr<WavDecoder> decoder = WavDecoder::Open(path);
    ASSERT_TRUE(decoder);
    EXPECT_EQ(WavDecoder::LiveCount(), 1);
    EXPECT_EQ(decoder->LengthFrames(), std::optional<std::uint64_t>(40000));
    const PcmSound expected = Expected16(f);
    for (int pass = 0; pass < 2; ++pass) {
        std::vector<std::int16_t> read;
        std::int16_t buffer[20000];
        for (size_t piece = 1; size_t n = decoder->Read(buffer, piece); piece = std::min<size_t>(piece * 3 + 1, 20000))
            read.insert(read.end(), buffer, buffer + n);
        EXPECT_EQ(read, expected.samples) << "pass " << pass;
        EXPECT_TRUE(decoder->Rewind());
    }
    // The file shrinks while it is open: the decoder ends where the bytes end.
    std::unique_ptr<WavDecoder> cut = WavDecoder::Open(path);
    ASSERT_TRUE(cut);
    WriteAll(path, f.Bytes().substr(0, 1000));
    std::int16_t buffer[4096];
    size_t frames = 0;
    while (size_t n = cut->Read(buffer, 4096)) frames += n;
    EXPECT_LT(frames, 40000u);
    cut.reset();
    decoder.reset();
    EXPECT_EQ(WavDecoder::LiveCount(), 0);
}

class WavPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        if (CapturePath().empty()) GTEST_SKIP() << "needs the harness's audio capture (scripts/test.sh)";
    }
    void TearDown() override { ShutdownPlayback(); }

    std::wstring Write(const std::wstring& name, const std::string& bytes) {
        WriteAll(dir.File(name), bytes);
        return dir.File(name);
    }
    TempDir dir;
};

TEST_F(WavPlayback, EveryDepthAtEveryRatePlaysWhatTheFileHolds) {
    struct Case {
        int bits, rate, channels;
    };
    // Each case in another format than the last, so the device opens anew and
    // the capture holds that case alone.
    const Case cases[] = {{8, 22050, 1},  {16, 22050, 2}, {24, 22050, 1}, {8, 44100, 2}, {16, 44100, 1},
                          {24, 44100, 2}, {8, 48000, 1},  {16, 48000, 2}, {24, 48000, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, " << c.rate << " Hz, " << c.channels << " channels");
        const WavFile f = Signal(c.channels, c.rate, c.bits, static_cast<size_t>(c.rate) * 3 / 10);
        PlayMp3(Write(L"case.wav", f.Bytes()));
        WaitForPlayedOut();
        ASSERT_EQ(GetPlaybackStats().deviceFormat, std::optional<PcmFormat>(PcmFormat{c.channels, c.rate}));
        const Samples played = TrimSilence(CapturedSamples(c.channels));
        const Samples expected = TrimSilence(FromSound(Expected16(f)));
        ASSERT_GT(expected.Frames(), 0u);
        EXPECT_EQ(played.Frames(), expected.Frames());
        EXPECT_EQ(MaxSampleDifference(played, expected), 0);
    }
}

TEST_F(WavPlayback, TheContentDecidesNotTheName) {
    const WavFile f = Signal(2, 44100, 16, 20000);
    const Samples expectedWav = TrimSilence(FromSound(Expected16(f)));
    const Samples steps = TrimSilence(FromSound(DecodeOrFail(TestSoundPath(L"steps.mp3"))));
    const Bytes mp3 = ReadAll(TestSoundPath(L"steps.mp3"));
    const std::string mp3Bytes(mp3.begin(), mp3.end());
    auto playAndCapture = [](const std::wstring& path) {
        const size_t before = CapturedSamples(2).Frames();
        PlayMp3(path);
        WaitForPlayedOut();
        return TrimSilence(CapturedSamples(2).Slice(before, SIZE_MAX));
    };

    // A WAV named .mp3.
    Samples played = playAndCapture(Write(L"wav named.mp3", f.Bytes()));
    EXPECT_EQ(played.Frames(), expectedWav.Frames());
    EXPECT_EQ(MaxSampleDifference(played, expectedWav), 0);
    // An MP3 named .wav.
    played = playAndCapture(Write(L"mp3 named.wav", mp3Bytes));
    EXPECT_EQ(played.Frames(), steps.Frames());
    EXPECT_LE(MaxSampleDifference(played, steps), 2);
    // MP3 inside a RIFF/WAVE file (format 0x55).
    WavFile wrapped;
    wrapped.formatTag = 0x55;
    std::string riff = wrapped.Bytes();
    riff.resize(riff.size() - 8);     // drop the empty "data" chunk ...
    riff += Chunk("data", mp3Bytes);  // ... and put the MP3 in one
    played = playAndCapture(Write(L"riff mp3.wav", riff));
    EXPECT_EQ(played.Frames(), steps.Frames());
    EXPECT_LE(MaxSampleDifference(played, steps), 2);
    EXPECT_EQ(GetPlaybackStats().playsStarted, 3u);
}

TEST_F(WavPlayback, RiffFilesThatAreNotPcmPlayNothingAndThePlayerGoesOn) {
    WavFile floatWav = Signal(2, 44100, 16, 20000);
    floatWav.formatTag = 3;
    const std::string good = Signal(2, 44100, 16, 20000).Bytes();
    const std::wstring files[] = {
        Write(L"float.wav", floatWav.Bytes()),         Write(L"header cut.wav", good.substr(0, 30)),
        Write(L"no data.wav", good.substr(0, 44 - 8)), Write(L"riff only.wav", "RIFF"),
        Write(L"empty data.wav", good.substr(0, 44)),
    };
    for (const std::wstring& file : files) {
        PlayMp3(file);
        PreloadMp3(file);
    }
    EXPECT_TRUE(WaitForPreloads(10000));
    WaitForPlayedOut();
    EXPECT_FALSE(AudibleSpan(CapturedSamples(2)));
    PlaybackStats stats = GetPlaybackStats();
    EXPECT_EQ(stats.playsStarted, 0u);
    EXPECT_EQ(stats.soundsReady, 0u);
    EXPECT_EQ(stats.liveDecoders, 0);

    PlayMp3(Write(L"good.wav", good));
    WaitForPlayedOut();
    EXPECT_EQ(GetPlaybackStats().playsStarted, 1u);
    EXPECT_TRUE(AudibleSpan(CapturedSamples(2)));
}

TEST_F(WavPlayback, CountMuteAndPreloadWorkAsForMp3) {
    const WavFile f = Signal(2, 44100, 24, 30000);
    const std::wstring path = Write(L"count.wav", f.Bytes());
    const Samples once = FromSound(Expected16(f));

    // Three passes back to back, sample for sample.
    PlayMp3(path, 3);
    WaitForPlayedOut();
    Samples played = CapturedSamples(2);
    const auto span = AudibleSpan(played);
    ASSERT_TRUE(span);
    const size_t start = span->first - AudibleSpan(once)->first;
    for (size_t pass = 0; pass < 3; ++pass)
        EXPECT_EQ(MaxSampleDifference(played.Slice(start + pass * 30000, 30000), once), 0) << "pass " << pass;
    EXPECT_FALSE(AudibleSpan(played.Slice(start + 3 * 30000, SIZE_MAX)));

    // Muted through the program's volume line: silence.
    SystemVolume volume;
    ASSERT_TRUE(volume.SelectLine(SystemVolume::kProgramOutputLine));
    volume.SetMute(true);
    size_t before = CapturedFrameCount(2);
    PlayMp3(path);
    WaitForPlayedOut();
    EXPECT_GE(CapturedFrameCount(2), before + 30000) << "nothing was played";
    EXPECT_LE(Peak(CapturedSamples(2).Slice(before, SIZE_MAX)), 1);
    volume.SetMute(false);

    // Preloaded, it plays from memory.
    PreloadMp3(path);
    ASSERT_TRUE(WaitForPreloads(5000));
    before = CapturedFrameCount(2);
    PlayMp3(path);
    WaitForPlayedOut();
    EXPECT_TRUE(GetPlaybackStats().fromMemory);
    played = TrimSilence(CapturedSamples(2).Slice(before, SIZE_MAX));
    EXPECT_EQ(MaxSampleDifference(played, TrimSilence(once)), 0);
    EXPECT_EQ(played.Frames(), TrimSilence(once).Frames());
}

// The first sound of its process, as in the MP3 pause test: under the test
// harness, a long pause of a device opened after another one makes the
// capture file (not the sound) lose about 40 ms.
TEST_F(WavPlayback, PauseHaltsTheSoundAndResumeContinuesWhereItStopped) {
    const WavFile longer = Signal(1, 44100, 16, 44100 * 6);
    PlayMp3(Write(L"long.wav", longer.Bytes()));
    ASSERT_TRUE(WaitForCapturedFrames(44100, 1));
    PauseMp3();
    ASSERT_TRUE(PumpUntil([] { return GetPlaybackStats().state == PlaybackState::Paused; }, 2000));
    // What the device held when it was paused may still be written out.
    ::Sleep(500);
    const size_t atPause = CapturedFrameCount(1);
    ::Sleep(1500);
    EXPECT_EQ(CapturedFrameCount(1), atPause) << "sound was captured while paused";
    EXPECT_LT(atPause, 44100u * 5) << "the sound was over before the pause";
    ResumeMp3();
    WaitForPlayedOut();
    // Nothing lost, nothing repeated: the capture is the file, sample for sample.
    const Samples joined = JoinAudibleRuns(CapturedSamples(1), 2205);
    const Samples whole = TrimSilence(FromSound(Expected16(longer)));
    EXPECT_EQ(joined.Frames(), whole.Frames());
    EXPECT_EQ(MaxSampleDifference(joined, whole), 0);
}

}  // namespace
}  // namespace pelorin::test
