#include "app/playback_controls.h"

#include <windows.h>
#include <commctrl.h>

#include "app/audio/playback.h"
#include "app/main_window.h"

namespace pelorin {

void OnPauseClicked(MainWindow&) { PauseMp3(); }

void OnResumeClicked(MainWindow&) { ResumeMp3(); }

void OnSliderMoved(MainWindow& window) {
    const int position = static_cast<int>(::SendMessageW(window.Control(kSlider1), TBM_GETPOS, 0, 0));
    window.Volume().SetVolume(position, position);
}

// The mute state is the caption of the box; its check mark is not read.
void OnMuteClicked(MainWindow& window) {
    if (window.ControlText(kCheckBox1) == kMuteOffCaption) {
        window.SetControlText(kCheckBox1, kMuteOnCaption);
        window.Volume().SetMute(true);
    } else if (window.ControlText(kCheckBox1) == kMuteOnCaption) {
        window.SetControlText(kCheckBox1, kMuteOffCaption);
        window.Volume().SetMute(false);
    }
}

// The volume itself is not changed here: the slider shows its maximum
// whatever the current volume is.
void SetUpVolume(MainWindow& window) {
    SystemVolume& volume = window.Volume();
    volume.SelectLine(kProgramVolumeLine);
    HWND slider = window.Control(kSlider1);
    ::SendMessageW(slider, TBM_SETRANGEMAX, TRUE, volume.MaxValue());
    ::SendMessageW(slider, TBM_SETRANGEMIN, TRUE, volume.MinValue());
    const auto maximum = static_cast<LPARAM>(::SendMessageW(slider, TBM_GETRANGEMAX, 0, 0));
    ::SendMessageW(slider, TBM_SETPOS, TRUE, maximum);
}

}  // namespace pelorin
