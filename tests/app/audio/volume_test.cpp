// The program's output volume (line 4 of the volume control): what the slider
// and the mute box drive. Measured on the captured sound.

#include <gtest/gtest.h>

#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "app/audio/system_volume.h"
#include "audio_test_util.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

constexpr size_t kStepsFrames = 66150;

class ProgramVolume : public ::testing::Test {
protected:
    void SetUp() override {
        if (CapturePath().empty()) GTEST_SKIP() << "needs the harness's audio capture (scripts/test.sh)";
        steps_ = FromSound(DecodeOrFail(TestSoundPath(L"steps.mp3")));
        ASSERT_TRUE(volume_.SelectLine(SystemVolume::kProgramOutputLine));
    }
    void TearDown() override { ShutdownPlayback(); }

    // Plays steps.mp3 and returns what was captured from the point the device had reached.
    Samples PlaySteps() {
        const size_t before = CapturedSamples(2).Frames();
        PlayMp3(TestSoundPath(L"steps.mp3"));
        WaitForPlayedOut();
        return CapturedSamples(2).Slice(before, SIZE_MAX);
    }

    // The played sound, located by where it must be: the full-level reference
    // tells where the sound starts, so quiet playbacks are measured too.
    double LevelOf(const Samples& captured) const {
        // The capture holds silence around the sound; the loudest stretch of the
        // sound's length is the sound.
        if (captured.Frames() < kStepsFrames) return 0;
        double best = 0;
        for (size_t at = 0; at + kStepsFrames <= captured.Frames(); at += 441)
            best = std::max(best, Rms(captured.Slice(at, kStepsFrames)));
        return best / Rms(steps_);
    }

    SystemVolume volume_;
    Samples steps_;
};

TEST_F(ProgramVolume, RangeOfTheProgramLine) {
    EXPECT_EQ(volume_.MinValue(), 0);
    EXPECT_EQ(volume_.MaxValue(), 65535);
}

TEST_F(ProgramVolume, MinimumIsSilenceMaximumIsFullHalfIsHalf) {
    volume_.SetVolume(volume_.MinValue(), volume_.MinValue());
    Samples silent = PlaySteps();
    EXPECT_GT(silent.Frames(), kStepsFrames);
    EXPECT_LE(Peak(silent), 1);

    volume_.SetVolume(volume_.MaxValue(), volume_.MaxValue());
    Samples full = PlaySteps();
    EXPECT_NEAR(LevelOf(full), 1.0, 0.01);
    EXPECT_LE(MaxSampleDifference(TrimSilence(full), steps_), 2);

    const int half = (volume_.MaxValue() + volume_.MinValue()) / 2;
    volume_.SetVolume(half, half);
    EXPECT_NEAR(LevelOf(PlaySteps()), 0.5, 0.03);

    const int quarter = volume_.MaxValue() / 4;
    volume_.SetVolume(quarter, quarter);
    EXPECT_NEAR(LevelOf(PlaySteps()), 0.25, 0.03);
}

TEST_F(ProgramVolume, LeftAndRightAreSetSeparately) {
    volume_.SetVolume(volume_.MaxValue(), 0);
    Samples played = TrimSilence(PlaySteps());
    EXPECT_NEAR(ChannelRms(played, 0) / ChannelRms(steps_, 0), 1.0, 0.01);
    EXPECT_LE(Peak(Samples{1,
                           [&] {
                               std::vector<std::int16_t> right;
                               for (size_t f = 0; f < played.Frames(); ++f) right.push_back(played.At(f, 1));
                               return right;
                           }()}),
              1);
}

TEST_F(ProgramVolume, OutOfRangeValuesAreClamped) {
    volume_.SetVolume(-5000, -1);
    EXPECT_LE(Peak(PlaySteps()), 1);
    volume_.SetVolume(1 << 20, 70000);
    EXPECT_NEAR(LevelOf(PlaySteps()), 1.0, 0.01);
}

TEST_F(ProgramVolume, MuteSilencesAndUnmuteRestoresTheVolume) {
    const int half = volume_.MaxValue() / 2;
    volume_.SetVolume(half, half);
    volume_.SetMute(true);
    EXPECT_LE(Peak(PlaySteps()), 1);
    volume_.SetMute(false);
    EXPECT_NEAR(LevelOf(PlaySteps()), 0.5, 0.03);
    // Muting twice, then unmuting once, is unmuted.
    volume_.SetMute(true);
    volume_.SetMute(true);
    volume_.SetMute(false);
    EXPECT_NEAR(LevelOf(PlaySteps()), 0.5, 0.03);
}

TEST_F(ProgramVolume, ChangesReachTheSoundThatIsPlaying) {
    constexpr size_t kPasses = 6;  // 9 s of sound
    PlayMp3(TestSoundPath(L"steps.mp3"), kPasses);
    ASSERT_TRUE(WaitForCapturedFrames(44100, 2));
    volume_.SetMute(true);
    ASSERT_TRUE(WaitForCapturedFrames(CapturedFrameCount(2) + 3 * 44100 / 2, 2));
    volume_.SetMute(false);
    WaitForPlayedOut();
    Samples played = CapturedSamples(2);
    // Loud, then silence in the middle of the sound, then loud again ...
    auto runs = AudibleRuns(played, 44100 / 2);
    ASSERT_EQ(runs.size(), 2u) << DescribeRuns(AudibleRuns(played, 441), 44100);
    EXPECT_GT(runs[1].first - runs[0].second, 44100u);
    // ... while the sound went on: muting is not pausing.
    EXPECT_NEAR(static_cast<double>(runs[1].second - runs[0].first), kPasses * kStepsFrames, 441);
}

TEST_F(ProgramVolume, VolumeHoldsForLaterPlaysInAnotherFormat) {
    const int half = volume_.MaxValue() / 2;
    volume_.SetVolume(half, half);
    PlayMp3(TestSoundPath(L"mono22k.mp3"));  // opens the device anew (and restarts the capture)
    WaitForPlayedOut();
    Samples played = TrimSilence(CapturedSamples(1), 50);
    Samples reference = TrimSilence(FromSound(DecodeOrFail(TestSoundPath(L"mono22k.mp3"))), 100);
    ASSERT_GT(played.Frames(), 0u);
    EXPECT_NEAR(Rms(played) / Rms(reference), 0.5, 0.03);
}

TEST_F(ProgramVolume, OtherLinesAreNotOfferedAndChangeNothing) {
    SystemVolume other;
    for (int line : {0, 1, 2, 3, 5, -1}) {
        EXPECT_FALSE(other.SelectLine(line));
        EXPECT_EQ(other.MaxValue(), 0);
        EXPECT_EQ(other.MinValue(), 0);
        other.SetVolume(0, 0);
        other.SetMute(true);
    }
    EXPECT_NEAR(LevelOf(PlaySteps()), 1.0, 0.01);
}

TEST_F(ProgramVolume, ShutdownRestoresFullVolume) {
    volume_.SetVolume(0, 0);
    volume_.SetMute(true);
    ShutdownPlayback();
    EXPECT_NEAR(LevelOf(PlaySteps()), 1.0, 0.01);
}

}  // namespace
}  // namespace pelorin::test
