#pragma once
// Helpers shared by the test programs: message pumping, temporary folders and
// reading back what this process played through the default sound device.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/text.h"

namespace pelorin::test {

// Dispatches this thread's messages for `ms` milliseconds.
void PumpMessages(DWORD ms);

// Dispatches messages until `done` returns true or `timeoutMs` passes; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

// A fresh, empty folder, deleted with its contents at the end of the scope.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::wstring& Path() const { return path_; }
    // Path of a file inside the folder.
    std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

// Whole-file helpers for assertions (no atomicity: test data only).
Bytes ReadAll(const std::wstring& path);
void WriteAll(const std::wstring& path, const Bytes& bytes);
void WriteAll(const std::wstring& path, std::string_view bytes);
bool FileExists(const std::wstring& path);

// The file that receives, as raw 16-bit PCM in the format the player opened,
// what this process plays through the default device (Wine + ALSA file sink
// set up by the test scripts). Each open of the device (waveOutOpen) starts
// the file anew, so it holds what was played since the last open. Note that
// the sink consumes samples faster than real time. Empty when not running
// under the harness.
std::wstring CapturePath();
// The samples captured so far.
std::vector<std::int16_t> ReadCapture();
// Empties the capture file (only while no device is open: an open device
// keeps writing at its own offset).
void ResetCapture();

// The same for the second output device the harness sets up, listed by the
// platform as kCableDeviceName.
inline constexpr const wchar_t* kCableDeviceName = L"Out: cable";
std::wstring CableCapturePath();
std::vector<std::int16_t> ReadCableCapture();
void ResetCableCapture();

}  // namespace pelorin::test
