#include "app/audio/output_devices.h"

#include <mmsystem.h>

namespace pelorin {

std::vector<std::wstring> OutputDeviceNames() {
    std::vector<std::wstring> names;
    const UINT count = ::waveOutGetNumDevs();
    for (UINT id = 0; id < count; ++id) {
        WAVEOUTCAPSW caps{};
        if (::waveOutGetDevCapsW(id, &caps, sizeof(caps)) != MMSYSERR_NOERROR) continue;
        names.emplace_back(caps.szPname);
    }
    return names;
}

std::optional<UINT> FindOutputDevice(const std::wstring& name) {
    if (name.empty()) return std::nullopt;
    const UINT count = ::waveOutGetNumDevs();
    for (UINT id = 0; id < count; ++id) {
        WAVEOUTCAPSW caps{};
        if (::waveOutGetDevCapsW(id, &caps, sizeof(caps)) == MMSYSERR_NOERROR && name == caps.szPname) return id;
    }
    return std::nullopt;
}

UINT ActualOutputDevice(UINT id) {
    if (id != WAVE_MAPPER) return id;
    // DRVM_MAPPER_PREFERRED_GET of the driver development kit's mmddk.h.
    constexpr UINT kPreferredGet = 0x2000 + 21;
    DWORD preferred = WAVE_MAPPER, flags = 0;
    if (::waveOutMessage(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(WAVE_MAPPER)), kPreferredGet,
                         reinterpret_cast<DWORD_PTR>(&preferred), reinterpret_cast<DWORD_PTR>(&flags)) !=
        MMSYSERR_NOERROR)
        return id;
    return preferred;
}

}  // namespace pelorin
