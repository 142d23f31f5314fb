#pragma once
// The platform's output devices by name, as waveOut lists them ("Out: cable").

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace pelorin {

// The name that stands for the platform's default output.
inline constexpr const wchar_t* kDefaultOutputName = L"默认";

// Every output device's name, in the platform's order.
std::vector<std::wstring> OutputDeviceNames();
// The waveOut device identifier of the device named `name` (compared
// exactly), or nothing when no such device is present now.
std::optional<UINT> FindOutputDevice(const std::wstring& name);

// The device WAVE_MAPPER plays to (the user's preferred one); other
// identifiers are returned as they are.
UINT ActualOutputDevice(UINT id);

}  // namespace pelorin
