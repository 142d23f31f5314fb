// The harness routes the default sound device into a file; these checks make
// sure what a program plays through waveOut really arrives there, so the
// playback tests can trust it.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "../support/test_support.h"

namespace pelorin {
namespace {

constexpr int kRate = 44100;

std::vector<std::int16_t> Sine(int frames, double hz, double amplitude) {
    std::vector<std::int16_t> s(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        auto v = static_cast<std::int16_t>(amplitude * std::sin(2 * 3.141592653589793 * hz * i / kRate));
        s[2 * i] = s[2 * i + 1] = v;
    }
    return s;
}

// Plays the samples through the default device and waits until they are done.
void PlayBlocking(std::vector<std::int16_t>& samples, DWORD volume) {
    WAVEFORMATEX fmt{WAVE_FORMAT_PCM, 2, kRate, kRate * 4, 4, 16, 0};
    HANDLE done = ::CreateEventW(nullptr, FALSE, FALSE, nullptr);
    HWAVEOUT out = nullptr;
    ASSERT_EQ(::waveOutOpen(&out, WAVE_MAPPER, &fmt, reinterpret_cast<DWORD_PTR>(done), 0, CALLBACK_EVENT),
              MMSYSERR_NOERROR);
    ::WaitForSingleObject(done, 1000);  // WOM_OPEN
    ::waveOutSetVolume(out, volume);
    WAVEHDR hdr{};
    hdr.lpData = reinterpret_cast<LPSTR>(samples.data());
    hdr.dwBufferLength = static_cast<DWORD>(samples.size() * 2);
    ::waveOutPrepareHeader(out, &hdr, sizeof(hdr));
    ::waveOutWrite(out, &hdr, sizeof(hdr));
    for (int i = 0; i < 100 && !(hdr.dwFlags & WHDR_DONE); ++i) ::WaitForSingleObject(done, 100);
    EXPECT_TRUE(hdr.dwFlags & WHDR_DONE) << "the device never finished the buffer";
    ::waveOutUnprepareHeader(out, &hdr, sizeof(hdr));
    ::waveOutClose(out);
    ::CloseHandle(done);
}

int Peak(const std::vector<std::int16_t>& s, size_t from) {
    int peak = 0;
    for (size_t i = from; i < s.size(); ++i) peak = std::max(peak, std::abs(static_cast<int>(s[i])));
    return peak;
}

TEST(AudioCapture, WhatWaveOutPlaysArrivesInTheCaptureFile) {
    ASSERT_FALSE(test::CapturePath().empty()) << "not running under the test scripts' Wine environment";
    auto tone = Sine(kRate / 2, 1000, 16000);
    PlayBlocking(tone, 0xFFFFFFFF);
    auto captured = test::ReadCapture();
    ASSERT_GE(captured.size(), tone.size() * 9 / 10);
    EXPECT_NEAR(Peak(captured, 0), 16000, 300);
}

TEST(AudioCapture, EachDeviceOpenStartsTheFileAnew) {
    auto loud = Sine(kRate / 2, 1000, 16000);
    PlayBlocking(loud, 0xFFFFFFFF);
    auto quiet = Sine(kRate / 4, 1000, 2000);
    PlayBlocking(quiet, 0xFFFFFFFF);
    auto captured = test::ReadCapture();
    EXPECT_LT(captured.size(), loud.size());
    EXPECT_NEAR(Peak(captured, 0), 2000, 100);
}

TEST(AudioCapture, DeviceVolumeScalesTheCapturedSamples) {
    auto tone = Sine(kRate / 4, 440, 16000);
    PlayBlocking(tone, 0x40004000);  // a quarter on both channels
    auto captured = test::ReadCapture();
    ASSERT_FALSE(captured.empty());
    const int peak = Peak(captured, 0);
    EXPECT_GT(peak, 1000);
    EXPECT_LT(peak, 8000);
}

}  // namespace
}  // namespace pelorin
