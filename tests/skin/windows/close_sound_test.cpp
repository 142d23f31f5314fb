// A close animation blocks the user-interface thread for its pauses; the
// player runs on its own thread, so a sound that is playing must go on through
// the animation without a gap. Heard through the captured output of this
// process and compared with a decode of the same file.
#include <gtest/gtest.h>

#include "../../app/sound_check.h"
#include "app/audio/playback.h"
#include "skinned_test_form.h"
#include "skin/windows/close_animation.h"
#include "test_support.h"

namespace pelorin::test {
namespace {

TEST(CloseAnimationSound, APlayingSoundGoesOnThroughEveryAnimationPause) {
    const std::wstring file = ShippedPresetFolder() + L"\\新闻联播.mp3";
    const std::optional<PcmSound> sound = DecodeWhole(file);
    ASSERT_TRUE(sound.has_value()) << "the preset does not decode";

    for (const int variant : {2, 3}) {
        SCOPED_TRACE(variant);
        SkinnedTestForm form{FrameForm()};
        form.Show();
        ResetCapture();
        PlayMp3(file);
        const size_t tenthOfASecond = static_cast<size_t>(sound->format.sampleRate * sound->format.channels / 10);
        ASSERT_TRUE(WaitForCapture(tenthOfASecond));

        const size_t before = ReadCapture().size();
        skin::PlayCloseAnimation(form.Window(), variant);
        const size_t after = ReadCapture().size();
        // The output kept flowing while this thread slept in the animation.
        EXPECT_GT(after, before) << "nothing was played during the animation";

        ASSERT_TRUE(WaitUntilPlayed());
        const Samples capture = ReadCapture();
        // Heard whole and in order: every 100 ms of the capture matches the
        // decode, so a stall would show as a silent or shifted stretch.
        EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, *sound), *sound));
    }
    ShutdownPlayback();
}

}  // namespace
}  // namespace pelorin::test
