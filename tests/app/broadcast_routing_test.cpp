// Playing into a voice chat while hearing it too: the sound goes to the
// output device named in "Data.ini" (the harness's second device, a stand-in
// for a virtual cable) and, at the same time, to a monitor device at its own
// volume. Both captures are compared with decodes of the same file.
#include "app_fixture.h"

#include "app/audio/output_devices.h"
#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "app/services/ini_file.h"
#include "sound_check.h"

namespace pelorin::test {
namespace {

constexpr const wchar_t* kDefaultDevice = L"Out: default";
constexpr ControlId kShortButton = kButton2;  // 敲锣声音
constexpr const wchar_t* kShortFile = L"敲锣声音.mp3";
constexpr ControlId kLongButton = kButton1;  // 群众笑声
constexpr const wchar_t* kLongFile = L"群众笑声.mp3";

class BroadcastRoutingTest : public MainWindowTest {
protected:
    void SetUp() override {
        if (CapturePath().empty() || CableCapturePath().empty())
            GTEST_SKIP() << "needs the harness's two audio captures (scripts/test.sh)";
        ASSERT_TRUE(FindOutputDevice(kCableDeviceName)) << "the harness's second device is not listed";
        ASSERT_TRUE(CopyPresets(dir.Path())) << "no preset sounds beside the test program";
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        ShutdownPlayback();
    }
    void LoadRouted(const std::wstring& output, const std::wstring& monitor, int monitorVolume) {
        const runtime::IniEntry entries[] = {{L"设置", L"输出设备", output},
                                             {L"设置", L"监听设备", monitor},
                                             {L"设置", L"监听音量", std::to_wstring(monitorVolume)}};
        ASSERT_EQ(runtime::WriteIni(Data(L"Data.ini"), entries), runtime::IniWriteResult::Written);
        LoadWindow();
        ASSERT_TRUE(WaitForPlaybackIdle(5000));
    }
    PcmSound Decoded(const std::wstring& presetFile) {
        std::optional<PcmSound> sound = DecodeWhole(Data(L"yinxiao\\" + presetFile));
        EXPECT_TRUE(sound) << "cannot decode " << ToUtf8(presetFile);
        return sound.value_or(PcmSound{});
    }
    static bool CableHas(size_t samples) {
        return PumpUntil([samples] { return ReadCableCapture().size() >= samples; }, 10000);
    }
};

TEST_F(BroadcastRoutingTest, PresetReachesTheCableAndTheMonitorEachAtItsVolume) {
    LoadRouted(kCableDeviceName, kDefaultDevice, 50);
    const PcmSound sound = Decoded(kShortFile);
    Click(kShortButton);
    ASSERT_TRUE(WaitUntilPlayed());

    const PlaybackStats stats = GetPlaybackStats();
    EXPECT_EQ(stats.outputDevice, FindOutputDevice(kCableDeviceName));
    EXPECT_EQ(stats.monitorDevice, FindOutputDevice(kDefaultDevice));
    EXPECT_NE(stats.monitorFirstWriteTicks, 0);

    const Samples cable = ReadCableCapture();
    ASSERT_NE(FirstAudible(cable), kNone) << "nothing reached the cable";
    EXPECT_TRUE(PlayedAt(cable, LocateSound(cable, sound), sound));
    const Samples monitor = ReadCapture();
    ASSERT_NE(FirstAudible(monitor), kNone) << "nothing reached the monitor";
    EXPECT_TRUE(PlayedAt(monitor, LocateSound(monitor, sound, 0, 0.5), sound, 0.5));
    // Half the cable's loudness, not the same.
    EXPECT_FALSE(PlayedAt(monitor, LocateSound(monitor, sound), sound, 1.0));
}

TEST_F(BroadcastRoutingTest, WithoutAMonitorNothingReachesTheDefaultDevice) {
    LoadRouted(kCableDeviceName, L"", 100);
    const PcmSound sound = Decoded(kShortFile);
    Click(kShortButton);
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_FALSE(GetPlaybackStats().monitorDevice);
    const Samples cable = ReadCableCapture();
    EXPECT_TRUE(PlayedAt(cable, LocateSound(cable, sound), sound));
    EXPECT_EQ(FirstAudible(ReadCapture()), kNone) << "the default device played without being the monitor";
}

TEST_F(BroadcastRoutingTest, MuteSilencesTheCableAndTheMonitor) {
    LoadRouted(kCableDeviceName, kDefaultDevice, 100);
    Click(kCheckBox1);  // 开启静音
    Click(kShortButton);
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_EQ(FirstAudible(ReadCableCapture()), kNone);
    EXPECT_EQ(FirstAudible(ReadCapture()), kNone);
    // Unmuted, both hear the next sound again.
    Click(kCheckBox1);
    Click(kShortButton);
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_NE(FirstAudible(ReadCableCapture()), kNone);
    EXPECT_NE(FirstAudible(ReadCapture()), kNone);
}

TEST_F(BroadcastRoutingTest, PauseResumeAndEscActOnBothStreams) {
    LoadRouted(kCableDeviceName, kDefaultDevice, 100);
    const PcmSound sound = Decoded(kLongFile);
    const size_t halfSecond = static_cast<size_t>(sound.format.sampleRate * sound.format.channels / 2);
    Click(kLongButton);
    ASSERT_TRUE(CableHas(halfSecond));
    Click(kButton18);  // 暂停
    ASSERT_TRUE(PumpUntil([] { return GetPlaybackStats().state == PlaybackState::Paused; }, 2000));
    PumpMessages(100);
    const size_t cableAtPause = ReadCableCapture().size();
    const size_t monitorAtPause = ReadCapture().size();
    PumpMessages(500);
    EXPECT_EQ(ReadCableCapture().size(), cableAtPause) << "the cable went on while paused";
    EXPECT_EQ(ReadCapture().size(), monitorAtPause) << "the monitor went on while paused";
    // The two streams stood at the same place of the sound.
    EXPECT_NEAR(static_cast<double>(cableAtPause), static_cast<double>(monitorAtPause), 4096.0 * 2);

    Click(kButton17);  // 播放
    ASSERT_TRUE(PumpUntil([&] { return ReadCableCapture().size() > cableAtPause + halfSecond / 5; }, 5000));
    EXPECT_GT(ReadCapture().size(), monitorAtPause) << "the monitor did not resume";

    // Esc, as the message loop hands keys to IsDialogMessage, stops both.
    HWND focus = window->Control(kButton17);
    ::SetFocus(focus);
    MSG esc{focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
    ::IsDialogMessageW(window->Handle(), &esc);
    ASSERT_TRUE(WaitUntilPlayed(3000)) << "Esc did not stop the sound";
    const Samples cable = ReadCableCapture();
    const Samples monitor = ReadCapture();
    ASSERT_GE(cable.size(), cableAtPause);
    EXPECT_LT(cable.size(), sound.samples.size()) << "the cable played the whole sound: Esc did not stop it";
    EXPECT_LT(monitor.size(), sound.samples.size()) << "the monitor played the whole sound: Esc did not stop it";
}

TEST_F(BroadcastRoutingTest, MissingDeviceFallsBackToTheDefaultAndKeepsItsName) {
    LoadRouted(L"Out: 已拔出的耳机", L"", 100);
    const Bytes before = ReadAll(Data(L"Data.ini"));
    const PcmSound sound = Decoded(kShortFile);
    Click(kShortButton);
    ASSERT_TRUE(WaitUntilPlayed());
    const Samples played = ReadCapture();
    EXPECT_TRUE(PlayedAt(played, LocateSound(played, sound), sound)) << "the default device did not play";
    EXPECT_EQ(FirstAudible(ReadCableCapture()), kNone);
    EXPECT_EQ(window->Broadcasting().Settings().outputDevice, L"Out: 已拔出的耳机");
    EXPECT_EQ(ReadAll(Data(L"Data.ini")), before) << "the stored name was changed";
    EXPECT_FALSE(::FindWindowW(kDialogClass, nullptr)) << "an error box was shown";
}

TEST_F(BroadcastRoutingTest, MonitorOnTheOutputsOwnDeviceIsNoSecondStream) {
    LoadRouted(L"默认", L"默认", 100);
    const PcmSound sound = Decoded(kShortFile);
    Click(kShortButton);
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_FALSE(GetPlaybackStats().monitorDevice);
    const Samples played = ReadCapture();
    // Once and at full loudness, not twice mixed.
    EXPECT_TRUE(PlayedAt(played, LocateSound(played, sound), sound));
}

}  // namespace
}  // namespace pelorin::test
