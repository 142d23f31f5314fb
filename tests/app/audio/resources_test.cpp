// The player keeps nothing it does not need: no handles, threads' resources or
// memory pile up over many plays, and a long song is streamed, not decoded whole.

#include <gtest/gtest.h>

#include "app/audio/mp3_format.h"
#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "audio_test_util.h"
#include "base/handle.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

class PlayerResources : public ::testing::Test {
protected:
    void TearDown() override { ShutdownPlayback(); }
};

TEST_F(PlayerResources, HundredPlaysLeaveNoHandlesOrMemoryBehind) {
    TempDir dir;
    WriteAll(dir.File(L"text.mp3"), std::string_view("plain text"));
    const std::wstring preloaded = PresetPath(L"卡通.mp3");
    const std::wstring streamed = TestSoundPath(L"steps.mp3");
    PreloadMp3(preloaded);
    ASSERT_TRUE(WaitForPreloads(10000));
    // One round first, so that everything made once (device, codec, threads) exists.
    PlayMp3(preloaded);
    PlayMp3(streamed);
    ASSERT_TRUE(WaitForPlaybackIdle(10000));
    const long handles = LiveHandleCount(HandleKind::Kernel);
    const std::uint64_t memory = PrivateBytes();
    const PlaybackStats start = GetPlaybackStats();

    for (int i = 0; i < 100; ++i) {
        PlayMp3(i % 3 == 0 ? streamed : i % 3 == 1 ? preloaded : dir.File(L"text.mp3"));
        ::Sleep(i % 10 == 0 ? 100 : 5);
        if (i % 7 == 0) PauseMp3();
        if (i % 7 == 1) ResumeMp3();
    }
    PlayMp3(streamed);
    ASSERT_TRUE(WaitForPlaybackIdle(15000));

    PlaybackStats end = GetPlaybackStats();
    EXPECT_EQ(LiveHandleCount(HandleKind::Kernel), handles);
    EXPECT_EQ(end.liveDecoders, 0);
    EXPECT_EQ(end.liveDevices, start.liveDevices);
    EXPECT_EQ(end.soundsReady, 1u);
    EXPECT_EQ(end.playsHandled, start.playsHandled + 101);
    EXPECT_LT(static_cast<double>(PrivateBytes()) - static_cast<double>(memory), 2.0 * 1024 * 1024);
}

TEST_F(PlayerResources, TenMinuteSongIsStreamedNotDecodedWhole) {
    // Ten minutes built from the frames of a short file without an info frame:
    // every first frame of the copies needs no earlier data, so the copies join.
    const Bytes piece = ReadAll(TestSoundPath(L"steps-notag.mp3"));
    std::optional<Mp3FrameHeader> h = ParseFrameHeader(piece.data());
    ASSERT_TRUE(h);
    size_t frames = 0;
    for (size_t at = 0; at + 4 <= piece.size(); ++frames)
        at += static_cast<size_t>(ParseFrameHeader(piece.data() + at)->frameBytes);
    const double pieceSeconds = static_cast<double>(frames) * 1152 / 44100;
    const int copies = static_cast<int>(600 / pieceSeconds) + 1;
    TempDir dir;
    Bytes song;
    song.reserve(piece.size() * static_cast<size_t>(copies));
    for (int i = 0; i < copies; ++i) song.insert(song.end(), piece.begin(), piece.end());
    WriteAll(dir.File(L"song.mp3"), song);
    song = Bytes();

    const std::uint64_t memory = PrivateBytes();
    PlayMp3(dir.File(L"song.mp3"));
    ::Sleep(2000);
    PlaybackStats stats = GetPlaybackStats();
    EXPECT_EQ(stats.state, PlaybackState::Playing);
    EXPECT_EQ(stats.playsStarted, 1u);
    EXPECT_FALSE(stats.fromMemory);
    EXPECT_EQ(stats.liveDecoders, 1);
    // Decoded whole, ten minutes of 44.1 kHz stereo would take 106 MB.
    EXPECT_LT(static_cast<double>(PrivateBytes()) - static_cast<double>(memory), 8.0 * 1024 * 1024);

    // Whatever was captured so far is the song's beginning, in order.
    if (!CapturePath().empty()) {
        Samples played = TrimSilence(CapturedSamples(2));
        Samples reference = FromSound(DecodeOrFail(TestSoundPath(L"steps-notag.mp3")));
        ASSERT_GT(played.Frames(), 44100u);
        const size_t lead = AudibleSpan(reference)->first;
        EXPECT_LE(MaxSampleDifference(played.Slice(0, 44100), reference.Slice(lead, 44100)), 2);
    }
    // Preloading it keeps nothing: it is longer than what is kept decoded.
    PreloadMp3(dir.File(L"song.mp3"));
    ASSERT_TRUE(WaitForPreloads(60000));
    EXPECT_EQ(GetPlaybackStats().soundsReady, 0u);
}

}  // namespace
}  // namespace pelorin::test
