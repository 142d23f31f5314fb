#include "app/playback_controls.h"

#include <windows.h>
#include <commctrl.h>

#include "app/audio/playback.h"
#include "app/board.h"

namespace pelorin {

void OnPauseClicked() { PauseMp3(); }

void OnResumeClicked() { ResumeMp3(); }

void OnSliderMoved(Board& board) {
    const int position = static_cast<int>(::SendMessageW(board.Control(kSlider1), TBM_GETPOS, 0, 0));
    board.Volume().SetVolume(position, position);
}

// The mute state is the caption of the box; its check mark is not read.
void OnMuteClicked(Board& board) {
    if (board.ControlText(kCheckBox1) == kMuteOffCaption) {
        board.SetControlText(kCheckBox1, kMuteOnCaption);
        board.Volume().SetMute(true);
    } else if (board.ControlText(kCheckBox1) == kMuteOnCaption) {
        board.SetControlText(kCheckBox1, kMuteOffCaption);
        board.Volume().SetMute(false);
    }
}

// The volume itself is not changed here: the slider shows its maximum
// whatever the current volume is.
void SetUpVolume(Board& board) {
    SystemVolume& volume = board.Volume();
    volume.SelectLine(kProgramVolumeLine);
    HWND slider = board.Control(kSlider1);
    ::SendMessageW(slider, TBM_SETRANGEMAX, TRUE, volume.MaxValue());
    ::SendMessageW(slider, TBM_SETRANGEMIN, TRUE, volume.MinValue());
    const auto maximum = static_cast<LPARAM>(::SendMessageW(slider, TBM_GETRANGEMAX, 0, 0));
    ::SendMessageW(slider, TBM_SETPOS, TRUE, maximum);
}

}  // namespace pelorin
