// The player end to end: what reaches the sound device (captured by the test
// harness's file sink) is compared with what the files decode to.

#include <gtest/gtest.h>

#include <random>

#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "audio_test_util.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr size_t kStepsFrames = 66150;
// 50 ms of silence separates two sounds in the capture.
constexpr size_t kGapFrames = 2205;

class Playback : public ::testing::Test {
protected:
    void SetUp() override {
        if (CapturePath().empty()) GTEST_SKIP() << "needs the harness's audio capture (scripts/test.sh)";
        steps_ = FromSound(DecodeOrFail(TestSoundPath(L"steps.mp3")));
    }
    void TearDown() override { ShutdownPlayback(); }

    // The captured stream (44.1 kHz stereo, the format of steps.mp3 and the presets).
    static Samples Captured() { return CapturedSamples(2); }

    // The captured sound equals `expected` sample for sample, apart from the
    // silence around it.
    static void ExpectPlayedExactly(const Samples& expected) {
        Samples played = TrimSilence(Captured());
        Samples reference = TrimSilence(expected);
        EXPECT_EQ(played.Frames(), reference.Frames());
        EXPECT_LT(FingerprintDistance(Fingerprint(played, 44100), Fingerprint(reference, 44100)), 0.02);
        EXPECT_LE(MaxSampleDifference(played, reference), 2);
    }

    Samples steps_;
};

TEST_F(Playback, EachPresetReachesTheDeviceAsItDecodes) {
    // Half the presets from memory (preloaded), half streamed from the file.
    const auto& names = PresetFileNames();
    for (size_t i = 0; i < names.size(); i += 2) PreloadMp3(PresetPath(names[i]));
    ASSERT_TRUE(WaitForPreloads(20000));
    EXPECT_EQ(GetPlaybackStats().soundsReady, (names.size() + 1) / 2);

    for (size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(ToUtf8(names[i]));
        ResetCapture();
        PlayMp3(PresetPath(names[i]));
        WaitForPlayedOut();
        EXPECT_EQ(GetPlaybackStats().fromMemory, i % 2 == 0);
        Samples played = Captured();
        ASSERT_TRUE(AudibleSpan(played)) << "nothing was played";
        ExpectPlayedExactly(FromSound(DecodeOrFail(PresetPath(names[i]))));
    }
}

TEST_F(Playback, PreloadedSoundStartsWithItsFirstSampleInTheFirstBuffer) {
    PreloadMp3(TestSoundPath(L"steps.mp3"));
    ASSERT_TRUE(WaitForPreloads(10000));
    // The device is opened ahead of the first click, in the preloaded format.
    ASSERT_TRUE(WaitForPlaybackIdle(5000));
    EXPECT_EQ(GetPlaybackStats().deviceFormat, std::optional<PcmFormat>(PcmFormat{2, 44100}));

    // The same file named differently (case, relative path) is the same sound.
    wchar_t cwd[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, cwd);
    std::wstring folder = TestSoundPath(L"");
    folder.pop_back();
    ASSERT_TRUE(::SetCurrentDirectoryW(folder.c_str()));
    PlayMp3(L"STEPS.MP3");
    ::SetCurrentDirectoryW(cwd);  // the path was resolved when PlayMp3 was called
    WaitForPlayedOut();

    PlaybackStats stats = GetPlaybackStats();
    EXPECT_TRUE(stats.fromMemory);
    EXPECT_EQ(stats.firstBufferLeadingSilence, 0);
    EXPECT_EQ(stats.playsStarted, 1u);
    ExpectPlayedExactly(steps_);
}

TEST_F(Playback, SecondPlayStopsTheFirst) {
    const std::wstring bell = PresetPath(L"敲钟声.mp3");  // 3 s
    const Samples bellSound = FromSound(DecodeOrFail(bell));
    PlayMp3(bell);
    ASSERT_TRUE(WaitForCapturedFrames(44100 / 2, 2));
    PlayMp3(TestSoundPath(L"steps.mp3"));
    WaitForPlayedOut();

    Samples played = TrimSilence(Captured());
    // The bell was cut: what was played is much shorter than both sounds in full.
    EXPECT_LT(played.Frames(), bellSound.Frames() + kStepsFrames - 44100);
    // It ends with the whole of the second sound, sample for sample.
    ASSERT_GT(played.Frames(), kStepsFrames);
    Samples tail = played.Slice(played.Frames() - kStepsFrames, kStepsFrames);
    EXPECT_LE(MaxSampleDifference(tail, steps_), 2);
    // And it started with the bell.
    EXPECT_LE(MaxSampleDifference(played.Slice(0, 4410), TrimSilence(bellSound).Slice(0, 4410)), 2);
}

TEST_F(Playback, PauseHaltsTheSoundAndResumeContinuesWhereItStopped) {
    constexpr size_t kPasses = 6;  // 9 s of sound
    PlayMp3(TestSoundPath(L"steps.mp3"), kPasses);
    ASSERT_TRUE(WaitForCapturedFrames(44100, 2));
    PauseMp3();
    ASSERT_TRUE(PumpUntil([] { return GetPlaybackStats().state == PlaybackState::Paused; }, 2000));
    // What the device held when it was paused may still be written out.
    ::Sleep(500);
    auto before = AudibleSpan(Captured());
    ASSERT_TRUE(before);
    // Unpaused, the sink would take several seconds of sound in this time.
    ::Sleep(1500);
    auto after = AudibleSpan(Captured());
    EXPECT_EQ(after->second, before->second) << "sound was captured while paused";
    EXPECT_LT(before->second, kPasses * kStepsFrames - 44100) << "the sound was over before the pause";
    EXPECT_EQ(GetPlaybackStats().state, PlaybackState::Paused);

    ResumeMp3();
    WaitForPlayedOut();
    // What was played around the pause is the whole sound: nothing lost, nothing repeated.
    Samples joined = JoinAudibleRuns(Captured(), kGapFrames);
    ASSERT_NEAR(static_cast<double>(joined.Frames()), kPasses * kStepsFrames, 2)
        << DescribeRuns(AudibleRuns(Captured(), kGapFrames), 44100);
    for (size_t pass = 0; pass < kPasses; ++pass)
        EXPECT_LE(MaxSampleDifference(joined.Slice(pass * kStepsFrames, kStepsFrames), steps_), 2) << "pass " << pass;
}

TEST_F(Playback, PauseAndResumeWithNothingPlayingDoNothing) {
    ResumeMp3();
    PauseMp3();
    ASSERT_TRUE(WaitForPlaybackIdle(2000));
    EXPECT_EQ(GetPlaybackStats().state, PlaybackState::Idle);
    EXPECT_FALSE(AudibleSpan(Captured()));

    // The pause asked for while idle is not waiting for the next sound.
    PlayMp3(TestSoundPath(L"steps.mp3"));
    WaitForPlayedOut();
    ExpectPlayedExactly(steps_);
    EXPECT_EQ(AudibleRuns(Captured(), kGapFrames).size(), 1u);

    // After the sound ended, resume does not bring anything back.
    const size_t before = Captured().Frames();
    ResumeMp3();
    PauseMp3();
    ResumeMp3();
    ::Sleep(500);
    EXPECT_FALSE(AudibleSpan(Captured().Slice(before, SIZE_MAX)));
}

TEST_F(Playback, NewPlayAfterPauseIsHeard) {
    PlayMp3(PresetPath(L"敲锣声音.mp3"));
    ::Sleep(300);
    PauseMp3();
    PlayMp3(TestSoundPath(L"steps.mp3"));
    WaitForPlayedOut();
    Samples played = TrimSilence(Captured());
    ASSERT_GT(played.Frames(), kStepsFrames);
    EXPECT_LE(MaxSampleDifference(played.Slice(played.Frames() - kStepsFrames, kStepsFrames), steps_), 2);
}

TEST_F(Playback, CountRepeatsTheSoundWithoutGaps) {
    PlayMp3(TestSoundPath(L"steps.mp3"), 3);
    WaitForPlayedOut();
    Samples played = TrimSilence(Captured());
    EXPECT_EQ(played.Frames(), 3 * kStepsFrames);
    for (size_t pass = 0; pass < 3; ++pass)
        EXPECT_LE(MaxSampleDifference(played.Slice(pass * kStepsFrames, kStepsFrames), steps_), 2) << "pass " << pass;

    // A count of zero plays nothing.
    const size_t before = Captured().Frames();
    PlayMp3(TestSoundPath(L"steps.mp3"), 0);
    WaitForPlayedOut();
    EXPECT_FALSE(AudibleSpan(Captured().Slice(before, SIZE_MAX)));
}

TEST_F(Playback, NegativeCountRepeatsUntilTheNextPlay) {
    PlayMp3(TestSoundPath(L"steps.mp3"), -1);
    ::Sleep(4500);
    EXPECT_EQ(GetPlaybackStats().state, PlaybackState::Playing);
    PlayMp3(TestSoundPath(L"steps.mp3"), 0);  // stops it
    WaitForPlayedOut();
    Samples played = TrimSilence(Captured());
    EXPECT_GT(played.Frames(), 2 * kStepsFrames);
    EXPECT_LE(MaxSampleDifference(played.Slice(2 * kStepsFrames, kStepsFrames / 2), steps_.Slice(0, kStepsFrames / 2)),
              2);
}

TEST_F(Playback, BlockedCallerThreadDoesNotInterruptTheSound) {
    PlayMp3(TestSoundPath(L"steps.mp3"));
    // Like a user-interface thread busy in an animation: no messages pumped.
    for (int i = 0; i < 8; ++i) ::Sleep(200);
    WaitForPlayedOut();
    ExpectPlayedExactly(steps_);
    EXPECT_EQ(AudibleRuns(Captured(), 100).size(), 1u);  // not even 2.3 ms of dropout
}

TEST_F(Playback, DifferentFormatReopensTheDevice) {
    PlayMp3(TestSoundPath(L"mono22k.mp3"));
    WaitForPlayedOut();
    EXPECT_EQ(GetPlaybackStats().deviceFormat, std::optional<PcmFormat>(PcmFormat{1, 22050}));
    // Opening the device started a new capture in the mono format.
    Samples played = TrimSilence(CapturedSamples(1));
    Samples reference = TrimSilence(FromSound(DecodeOrFail(TestSoundPath(L"mono22k.mp3"))));
    EXPECT_EQ(played.Frames(), reference.Frames());
    EXPECT_LE(MaxSampleDifference(played, reference), 2);
}

TEST_F(Playback, BadFilesPlayNothingAndThePlayerGoesOn) {
    TempDir dir;
    WriteAll(dir.File(L"empty.mp3"), std::string_view());
    WriteAll(dir.File(L"text.mp3"), std::string_view("Not an MP3 at all, just text.\r\nSecond line.\r\n"));
    std::mt19937 random(11);
    Bytes noise(256 * 1024);
    for (auto& b : noise) b = static_cast<std::uint8_t>(random());
    WriteAll(dir.File(L"noise.mp3"), noise);
    for (const wchar_t* name : {L"empty.mp3", L"text.mp3", L"noise.mp3", L"missing.mp3", L""}) {
        PlayMp3(name[0] ? dir.File(name) : std::wstring());
        PreloadMp3(name[0] ? dir.File(name) : std::wstring());
    }
    EXPECT_TRUE(WaitForPreloads(10000));
    WaitForPlayedOut();
    EXPECT_FALSE(AudibleSpan(Captured()));
    EXPECT_EQ(GetPlaybackStats().playsStarted, 0u);
    EXPECT_EQ(GetPlaybackStats().soundsReady, 0u);

    // A truncated file plays its intact beginning, then stops cleanly.
    const Bytes file = ReadAll(TestSoundPath(L"steps.mp3"));
    WriteAll(dir.File(L"cut.mp3"), Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(file.size() / 2)));
    PlayMp3(dir.File(L"cut.mp3"));
    WaitForPlayedOut();
    Samples played = TrimSilence(Captured());
    EXPECT_GT(played.Frames(), kStepsFrames * 4 / 10);
    EXPECT_LT(played.Frames(), kStepsFrames * 6 / 10);
    EXPECT_LE(MaxSampleDifference(played, steps_.Slice(0, played.Frames())), 2);

    // And a good file still plays after all that.
    ResetCapture();
    PlayMp3(TestSoundPath(L"steps.mp3"));
    WaitForPlayedOut();
    ExpectPlayedExactly(steps_);
}

TEST_F(Playback, ShutdownStopsTheSoundAndTheNextCallStartsAgain) {
    PlayMp3(TestSoundPath(L"steps.mp3"), -1);
    PreloadMp3(PresetPath(L"卡通.mp3"));
    ::Sleep(300);
    ShutdownPlayback();
    PlaybackStats stats = GetPlaybackStats();
    EXPECT_EQ(stats.state, PlaybackState::Idle);
    EXPECT_EQ(stats.soundsReady, 0u);
    EXPECT_EQ(stats.liveDevices, 0);
    EXPECT_EQ(stats.liveDecoders, 0);

    PlayMp3(TestSoundPath(L"steps.mp3"));
    WaitForPlayedOut();
    ExpectPlayedExactly(steps_);
}

}  // namespace
}  // namespace pelorin::test
