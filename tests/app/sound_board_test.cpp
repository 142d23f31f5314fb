// The sound board end to end: preset clicks, pause and resume, the volume
// slider and the mute box, heard through the captured output of this process
// and compared with decodes of the same files.
#include "app_fixture.h"

#include <random>

#include "app/audio/playback.h"
#include "app/audio/playback_diagnostics.h"
#include "sound_check.h"

namespace pelorin::test {
namespace {

struct PresetCase {
    ControlId button;
    const wchar_t* caption;
    const wchar_t* file;  // in the "yinxiao" folder beside the program
};

constexpr PresetCase kPresetCases[] = {
    {kButton1, L"群众笑声", L"群众笑声.mp3"},
    {kButton2, L"敲锣声音", L"敲锣声音.mp3"},
    {kButton3, L"敲钟声音", L"敲钟声.mp3"},
    {kButton4, L"乌鸦飞过", L"乌鸦飞过.mp3"},
    {kButton5, L"哈里路亚", L"哈里路亚.mp3"},
    {kButton6, L"霸气开场", L"霸气.mp3"},
    {kButton7, L"卡通音效", L"卡通.mp3"},
    {kButton8, L"新闻联播", L"新闻联播.mp3"},
    {kButton9, L"非诚勿扰亮灯", L"非诚勿扰亮灯.mp3"},
    {kButton10, L"炸弹爆炸", L"炸弹.mp3"},
    {kButton11, L"音效版权", L"版权.mp3"},
    {kButton12, L"非诚勿扰灭灯", L"非诚勿扰灭灯.mp3"},
};

// 群众笑声, the longest of the common effects, is the sound interrupted,
// paused and muted below; 敲锣声音 is the one that follows it.
constexpr ControlId kLongButton = kButton1;
constexpr const wchar_t* kLongFile = L"群众笑声.mp3";
constexpr ControlId kOtherButton = kButton2;
constexpr const wchar_t* kOtherFile = L"敲锣声音.mp3";

class SoundBoardTest : public MainWindowTest {
protected:
    // The window over a data folder holding a copy of the shipped presets.
    void LoadWithPresets() {
        ASSERT_TRUE(CopyPresets(dir.Path())) << "no preset sounds beside the test program";
        LoadWindow();
    }
    PcmSound Decoded(const std::wstring& presetFile) {
        std::optional<PcmSound> sound = DecodeWhole(Data(L"yinxiao\\" + presetFile));
        EXPECT_TRUE(sound) << "cannot decode " << ToUtf8(presetFile);
        if (!sound) return {};
        EXPECT_GT(Peak(sound->samples.data(), sound->samples.size()), 3000) << ToUtf8(presetFile) << " is silent";
        return *sound;
    }
    // Where the next sound will start in the capture: the device stays open
    // between sounds of one format, so the capture goes on; a new format
    // opens the device anew and the capture starts over.
    static size_t CaptureEnd(const PcmFormat& next) {
        const PlaybackStats stats = GetPlaybackStats();
        if (!stats.deviceFormat || !(*stats.deviceFormat == next)) return 0;
        return ReadCapture().size();
    }
    // Sends a key to the slider as the keyboard would: the slider moves and
    // tells its parent with WM_HSCROLL.
    void SliderKey(WPARAM key) {
        HWND slider = window->Control(kSlider1);
        ::SendMessageW(slider, WM_KEYDOWN, key, 0);
        ::SendMessageW(slider, WM_KEYUP, key, 0);
        PumpMessages(10);
    }
    int SliderPosition() const { return static_cast<int>(::SendMessageW(window->Control(kSlider1), TBM_GETPOS, 0, 0)); }
    int SliderMin() const { return static_cast<int>(::SendMessageW(window->Control(kSlider1), TBM_GETRANGEMIN, 0, 0)); }
    int SliderMax() const { return static_cast<int>(::SendMessageW(window->Control(kSlider1), TBM_GETRANGEMAX, 0, 0)); }
    // Clicks `button` and waits until its sound has been played; returns where
    // the capture stood before the click.
    size_t PlayAndWait(ControlId button, const PcmFormat& format) {
        const size_t before = CaptureEnd(format);
        Click(button);
        EXPECT_TRUE(WaitUntilPlayed()) << "the player never became idle";
        return before;
    }
};

// The folder the program runs in for a test; restored at the end of the scope.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::wstring& path) {
        wchar_t previous[MAX_PATH]{};
        ::GetCurrentDirectoryW(MAX_PATH, previous);
        previous_ = previous;
        ::SetCurrentDirectoryW(path.c_str());
    }
    ~WorkingDirectory() { ::SetCurrentDirectoryW(previous_.c_str()); }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::wstring previous_;
};

TEST_F(SoundBoardTest, EachPresetPlaysWhatItsFileDecodesTo) {
    LoadWithPresets();
    // Started from another folder (a shortcut, a command line elsewhere):
    // the presets are found beside the program all the same.
    TempDir elsewhere;
    WorkingDirectory cwd(elsewhere.Path());
    std::uint64_t started = GetPlaybackStats().playsStarted;
    for (const PresetCase& preset : kPresetCases) {
        SCOPED_TRACE(ToUtf8(preset.file));
        EXPECT_EQ(window->ControlText(preset.button), preset.caption);
        const PcmSound sound = Decoded(preset.file);
        const size_t before = PlayAndWait(preset.button, sound.format);
        const PlaybackStats stats = GetPlaybackStats();
        EXPECT_EQ(stats.playsStarted, ++started);
        ASSERT_TRUE(stats.deviceFormat);
        EXPECT_EQ(stats.deviceFormat->channels, sound.format.channels);
        EXPECT_EQ(stats.deviceFormat->sampleRate, sound.format.sampleRate);
        const Samples capture = ReadCapture();
        EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound, before), sound));
    }
    // Nothing is left behind by a dozen plays: one open device, no decoder.
    const PlaybackStats stats = GetPlaybackStats();
    EXPECT_EQ(stats.liveDecoders, 0);
    EXPECT_LE(stats.liveDevices, 1);
}

// The program decodes the presets ahead (after its window is up); a click
// then plays them from memory, and they sound the same.
TEST_F(SoundBoardTest, PreloadedPresetsPlayTheSameSoundFromMemory) {
    LoadWithPresets();
    for (const PresetCase& preset : kPresetCases) PreloadMp3(Data(L"yinxiao\\") + preset.file);
    ASSERT_TRUE(WaitForPreloads(30000));
    EXPECT_EQ(GetPlaybackStats().soundsReady, std::size(kPresetCases));
    for (const PresetCase& preset : kPresetCases) {
        SCOPED_TRACE(ToUtf8(preset.file));
        const PcmSound sound = Decoded(preset.file);
        const size_t before = PlayAndWait(preset.button, sound.format);
        EXPECT_TRUE(GetPlaybackStats().fromMemory);
        const Samples capture = ReadCapture();
        EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound, before), sound));
    }
    EXPECT_EQ(GetPlaybackStats().liveDecoders, 0);
}

TEST_F(SoundBoardTest, SecondClickStopsTheFirstSoundAndPlaysTheSecond) {
    LoadWithPresets();
    const PcmSound first = Decoded(kLongFile);
    const PcmSound second = Decoded(kOtherFile);
    ASSERT_EQ(first.format, second.format);
    Click(kLongButton);
    // Half a second of the first sound, then the second click.
    const size_t halfSecond = static_cast<size_t>(first.format.sampleRate * first.format.channels / 2);
    ASSERT_TRUE(WaitForCapture(halfSecond));
    Click(kOtherButton);
    ASSERT_TRUE(WaitUntilPlayed());

    const Samples capture = ReadCapture();
    const size_t firstAt = LocateSound(capture, first);
    ASSERT_NE(firstAt, kNone);
    // Where the capture stops following the first sound (10 ms steps).
    const size_t step = static_cast<size_t>(first.format.sampleRate / 100 * first.format.channels);
    size_t cut = firstAt;
    while (cut + step <= capture.size() && cut - firstAt + step <= first.samples.size()) {
        const double expected = Rms(first.samples.data() + (cut - firstAt), step);
        const double got = Rms(capture.data() + cut, step);
        if (std::abs(got - expected) > 0.03 * expected + 25) break;
        cut += step;
    }
    const size_t firstPlayed = cut - firstAt;
    EXPECT_GE(firstPlayed, halfSecond / 2) << "the first sound was hardly heard";
    EXPECT_LT(firstPlayed + halfSecond, first.samples.size()) << "the first sound was not cut short";
    // Then the second sound, within a tenth of a second (the device may put a
    // little silence between them), alone and whole: no rest of the first.
    const size_t tenth = 10 * step;
    const size_t secondAt = AlignSound(capture, second, cut + tenth, tenth);
    const size_t secondHeard = secondAt + FirstAudible(second.samples);
    const double heardBetween = static_cast<double>(FirstAudible(capture, cut + step));
    EXPECT_NEAR(heardBetween, static_cast<double>(secondHeard), step / 10.0)
        << "something was heard between the two sounds";
    EXPECT_TRUE(PlayedAt(capture, secondAt, second));
}

TEST_F(SoundBoardTest, PauseHaltsTheSoundAndResumeContinuesIt) {
    LoadWithPresets();
    const PcmSound sound = Decoded(kLongFile);
    Click(kLongButton);
    const size_t halfSecond = static_cast<size_t>(sound.format.sampleRate * sound.format.channels / 2);
    ASSERT_TRUE(WaitForCapture(halfSecond));
    Click(kButton18);  // 暂停
    ASSERT_TRUE(PumpUntil([] { return GetPlaybackStats().state == PlaybackState::Paused; }, 2000));
    PumpMessages(100);
    const size_t atPause = ReadCapture().size();
    PumpMessages(600);
    EXPECT_EQ(ReadCapture().size(), atPause) << "the output went on while paused";
    EXPECT_LT(atPause, sound.samples.size()) << "the sound was over before the pause";

    Click(kButton17);  // 播放
    EXPECT_TRUE(PumpUntil([] { return GetPlaybackStats().state != PlaybackState::Paused; }, 2000));
    ASSERT_TRUE(WaitUntilPlayed());
    // The sound went on where it stopped: heard whole, once, nothing skipped
    // or repeated around the pause.
    const Samples capture = ReadCapture();
    EXPECT_GT(capture.size(), atPause);
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound), sound));
}

TEST_F(SoundBoardTest, ClickWhilePausedPlaysTheNewSoundAtOnce) {
    LoadWithPresets();
    const PcmSound first = Decoded(kLongFile);
    const PcmSound second = Decoded(kOtherFile);
    Click(kLongButton);
    const size_t halfSecond = static_cast<size_t>(first.format.sampleRate * first.format.channels / 2);
    ASSERT_TRUE(WaitForCapture(halfSecond));
    Click(kButton18);
    ASSERT_TRUE(PumpUntil([] { return GetPlaybackStats().state == PlaybackState::Paused; }, 2000));
    PumpMessages(100);
    const size_t atPause = ReadCapture().size();
    Click(kOtherButton);
    ASSERT_TRUE(WaitUntilPlayed()) << "the new sound stays paused";
    const Samples capture = ReadCapture();
    // The new sound within a tenth of a second, whole and alone; of the old
    // one, at most what the device had already taken (10 ms) is heard.
    const size_t tenth = halfSecond / 5;
    const size_t at = AlignSound(capture, second, atPause + tenth, tenth);
    EXPECT_TRUE(PlayedAt(capture, at, second));
    const size_t heard = FirstAudible(capture, atPause + tenth / 10);
    EXPECT_GE(heard + 2, at + FirstAudible(second.samples)) << "the paused sound went on";
    // A resume now has nothing to continue.
    const size_t after = ReadCapture().size();
    Click(kButton17);
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_EQ(FirstAudible(ReadCapture(), after), kNone);
}

TEST_F(SoundBoardTest, PauseAndResumeWithNothingPlayingDoNothing) {
    LoadWithPresets();
    const PcmSound first = Decoded(kLongFile);
    const PcmSound second = Decoded(kOtherFile);
    Click(kButton18);
    Click(kButton17);
    ASSERT_TRUE(WaitUntilPlayed());
    PlaybackStats stats = GetPlaybackStats();
    EXPECT_EQ(stats.state, PlaybackState::Idle);
    EXPECT_EQ(stats.playsStarted, 0u);
    EXPECT_EQ(FirstAudible(ReadCapture()), kNone);

    // Resume while a sound plays unpaused: the sound plays once, whole.
    size_t before = CaptureEnd(first.format);
    Click(kLongButton);
    Click(kButton17);
    ASSERT_TRUE(WaitUntilPlayed());
    Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, first, before), first));

    // A pause after the sound ended does not hold back the next one.
    Click(kButton18);
    before = PlayAndWait(kOtherButton, second.format);
    stats = GetPlaybackStats();
    EXPECT_EQ(stats.state, PlaybackState::Idle);
    capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, second, before), second));
}

TEST_F(SoundBoardTest, SliderSetsTheLoudnessOfTheProgramsOutput) {
    LoadWithPresets();
    const PcmSound sound = Decoded(kOtherFile);
    const int low = SliderMin();
    const int high = SliderMax();
    ASSERT_LT(low, high);
    EXPECT_EQ(SliderPosition(), high) << "the slider starts at its maximum";

    // Minimum: the sound plays, silently.
    SliderKey(VK_HOME);
    ASSERT_EQ(SliderPosition(), low);
    const std::uint64_t started = GetPlaybackStats().playsStarted;
    size_t before = PlayAndWait(kOtherButton, sound.format);
    EXPECT_EQ(GetPlaybackStats().playsStarted, started + 1);
    Samples capture = ReadCapture();
    EXPECT_GE(capture.size(), before + sound.samples.size()) << "the sound was not played";
    EXPECT_EQ(FirstAudible(capture, before), kNone) << "sound at the slider's minimum";

    // Maximum: full level.
    SliderKey(VK_END);
    ASSERT_EQ(SliderPosition(), high);
    before = PlayAndWait(kOtherButton, sound.format);
    capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound, before), sound));

    // Halfway: a proportional level.
    const int middle = low + (high - low) / 2;
    ::SendMessageW(window->Control(kSlider1), TBM_SETPOS, TRUE, middle + 1);
    SliderKey(VK_LEFT);
    ASSERT_EQ(SliderPosition(), middle);
    const double gain = static_cast<double>(middle - low) / (high - low);
    before = PlayAndWait(kOtherButton, sound.format);
    capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound, before, gain), sound, gain));
}

TEST_F(SoundBoardTest, MuteSilencesAndASecondClickBringsTheSoundBack) {
    LoadWithPresets();
    const PcmSound sound = Decoded(kOtherFile);
    ASSERT_EQ(window->ControlText(kCheckBox1), L"开启静音");

    Click(kCheckBox1);
    EXPECT_EQ(window->ControlText(kCheckBox1), L"关闭静音");
    size_t before = PlayAndWait(kOtherButton, sound.format);
    Samples capture = ReadCapture();
    EXPECT_GE(capture.size(), before + sound.samples.size()) << "the sound was not played";
    EXPECT_EQ(FirstAudible(capture, before), kNone) << "sound while muted";

    // Muted, the slider still keeps its value for later.
    const int low = SliderMin();
    const int high = SliderMax();
    const int middle = low + (high - low) / 2;
    ::SendMessageW(window->Control(kSlider1), TBM_SETPOS, TRUE, middle + 1);
    SliderKey(VK_LEFT);
    before = PlayAndWait(kOtherButton, sound.format);
    EXPECT_EQ(FirstAudible(ReadCapture(), before), kNone) << "moving the slider unmuted the sound";

    Click(kCheckBox1);
    EXPECT_EQ(window->ControlText(kCheckBox1), L"开启静音");
    const double gain = static_cast<double>(middle - low) / (high - low);
    before = PlayAndWait(kOtherButton, sound.format);
    capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound, before, gain), sound, gain));

    SliderKey(VK_END);
    before = PlayAndWait(kOtherButton, sound.format);
    capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound, before), sound));
}

TEST_F(SoundBoardTest, MuteSilencesTheSoundThatIsPlaying) {
    LoadWithPresets();
    const PcmSound sound = Decoded(kLongFile);
    Click(kLongButton);
    const size_t halfSecond = static_cast<size_t>(sound.format.sampleRate * sound.format.channels / 2);
    ASSERT_TRUE(WaitForCapture(halfSecond));
    Click(kCheckBox1);
    const size_t atMute = ReadCapture().size();
    ASSERT_TRUE(WaitUntilPlayed());
    const Samples capture = ReadCapture();
    const size_t at = LocateSound(capture, sound);
    ASSERT_NE(at, kNone);
    ASSERT_LT(atMute - at, sound.samples.size() / 2) << "the sound was nearly over before the mute";
    // What the device had already taken may still be heard, no more.
    const size_t quarterSecond = halfSecond / 2;
    const size_t last = LastAudible(capture, at);
    EXPECT_LT(last, atMute + quarterSecond) << "the sound went on after the mute";
    EXPECT_TRUE(PrefixPlayedAt(capture, at, sound, (atMute - at) / 2 / static_cast<size_t>(sound.format.channels)));
}

// Files that are no MP3, empty or damaged play nothing (or what precedes the
// damage), and the board goes on working.
TEST_F(SoundBoardTest, UnplayableFilesPlayNothingAndTheBoardGoesOn) {
    ASSERT_TRUE(CopyPresets(dir.Path()));
    const std::wstring yinxiao = Data(L"yinxiao\\");
    WriteAll(yinxiao + L"群众笑声.mp3", ToGbk(L"这不是声音，是一个改了扩展名的文本文件。\r\n"));
    WriteAll(yinxiao + L"敲锣声音.mp3", std::string());
    // A tag that claims more bytes than the file has, then noise.
    std::string tagged("ID3\x04\x00\x00\x7F\x7F\x7F\x7F", 10);
    std::mt19937 random(7);
    for (int i = 0; i < 50000; ++i) tagged.push_back(static_cast<char>(random()));
    WriteAll(yinxiao + L"霸气.mp3", tagged);
    std::string noise;
    for (int i = 0; i < 50000; ++i) noise.push_back(static_cast<char>(random()));
    WriteAll(yinxiao + L"卡通.mp3", noise);
    // Only the first 300 bytes: not a single whole frame of sound.
    Bytes bell = ReadAll(yinxiao + L"敲钟声.mp3");
    bell.resize(300);
    WriteAll(yinxiao + L"敲钟声.mp3", bell);
    LoadWindow();

    for (ControlId button : {kButton1, kButton2, kButton6, kButton7, kButton3}) {
        SCOPED_TRACE(ToUtf8(window->ControlText(button)));
        Click(button);
        ASSERT_TRUE(WaitUntilPlayed()) << "the player hangs";
        EXPECT_EQ(GetPlaybackStats().playsStarted, 0u);
        EXPECT_EQ(FirstAudible(ReadCapture()), kNone);
    }
    EXPECT_EQ(GetPlaybackStats().liveDecoders, 0);
    EXPECT_TRUE(::IsWindowEnabled(window->Handle()));

    const PcmSound sound = Decoded(L"乌鸦飞过.mp3");
    const size_t before = PlayAndWait(kButton4, sound.format);
    const Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, sound, before), sound));
}

TEST_F(SoundBoardTest, TruncatedFilePlaysUpToTheDamageWithoutNoise) {
    ASSERT_TRUE(CopyPresets(dir.Path()));
    const std::wstring file = Data(L"yinxiao\\") + kLongFile;
    const PcmSound whole = Decoded(kLongFile);
    Bytes bytes = ReadAll(file);
    bytes.resize(bytes.size() / 2 + 77);  // cut inside a frame
    WriteAll(file, bytes);
    LoadWindow();

    PlayAndWait(kLongButton, whole.format);
    const Samples capture = ReadCapture();
    const size_t at = LocateSound(capture, whole);
    ASSERT_NE(at, kNone) << "nothing of the damaged file was played";
    const size_t last = LastAudible(capture, at);
    const size_t played = last - at;
    EXPECT_GT(played, whole.samples.size() * 35 / 100);
    EXPECT_LT(played, whole.samples.size() * 65 / 100);
    // Up to its last 100 ms the part played is the sound itself ...
    const size_t tenth = static_cast<size_t>(whole.format.sampleRate / 10 * whole.format.channels);
    const size_t checked = played > tenth ? played - tenth : 0;
    EXPECT_TRUE(PrefixPlayedAt(capture, at, whole, checked / static_cast<size_t>(whole.format.channels)));
    // ... and the end of it is no louder than the sound there.
    const int endPeak = Peak(capture.data() + at + checked, played - checked + 1);
    const int soundPeak = Peak(whole.samples.data() + checked, std::min(whole.samples.size() - checked, 2 * tenth));
    EXPECT_LE(endPeak, soundPeak * 11 / 10 + kAudibleLevel);
}

TEST_F(SoundBoardTest, MissingPresetFolderPlaysNothingWhileSlotsStillPlay) {
    // The presets are missing beside the program; the working directory (the
    // test program's folder) has them, and must not be used instead.
    const std::wstring song = Data(L"slot.mp3");
    ASSERT_TRUE(CopyPreset(kOtherFile, song));
    WriteAll(Data(L"Data.ini"), ToGbk(L"[按钮记录]\r\n按钮1=锣\r\n[音乐播放]\r\n音乐1=" + song + L"\r\n"));
    LoadWindow();
    for (const PresetCase& preset : kPresetCases) Click(preset.button);
    ASSERT_TRUE(WaitUntilPlayed());
    EXPECT_EQ(GetPlaybackStats().playsStarted, 0u);
    EXPECT_EQ(FirstAudible(ReadCapture()), kNone);

    const std::optional<PcmSound> sound = DecodeWhole(song);
    ASSERT_TRUE(sound);
    Click(kButton13);
    ASSERT_TRUE(WaitUntilPlayed());
    const Samples capture = ReadCapture();
    EXPECT_TRUE(PlayedAt(capture, LocateSound(capture, *sound), *sound));
}

}  // namespace
}  // namespace pelorin::test
