#pragma once
// Moments of the main window's start-up, noted as they pass so that the
// start-up benchmark can tell where the time goes. Noting one costs a
// performance-counter read.

#include <windows.h>

#include <array>
#include <cstddef>

namespace pelorin {

enum class StartupMark : std::size_t {
    ControlsCreated,   // the window and its controls exist
    FramesLoaded,      // hook A: the button frame pictures are read and cut
    DataFilesRead,     // the music list and the custom slots are restored
    SkinApplied,       // hook B: ApplySkin and the configuration calls
    Shown,             // ShowWindow returned
    FramePainted,      // the first WM_PAINT of the window (its render) is done
    Count
};

using StartupTimes = std::array<LARGE_INTEGER, static_cast<std::size_t>(StartupMark::Count)>;

// The counter readings of the marks passed so far in this process (zero for
// the others).
inline StartupTimes& StartupMarks() {
    static StartupTimes marks{};
    return marks;
}

inline void NoteStartup(StartupMark mark) {
    ::QueryPerformanceCounter(&StartupMarks()[static_cast<std::size_t>(mark)]);
}

}  // namespace pelorin
