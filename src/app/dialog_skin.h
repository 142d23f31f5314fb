#pragma once
// The skin of the program's own dialogs (the button-name dialog, the settings
// dialog): borderless with the skin's title strip, the dialogs' button frame,
// close animation 2, and the parts each dialog names here.

#include <windows.h>

#include <span>
#include <string>

namespace pelorin {

// The dialog's controls, by child identifier, that get more than the frame.
struct DialogSkinParts {
    // Labels drawn white with a blue glow.
    std::span<const int> glowingLabels;
    // A slider drawn with the program's pictures; 0 for none.
    int pictureSlider = 0;
    // The text control in a rounded blue frame; 0 for none.
    int framedControl = 0;
    // Its text in the blue of the frame (an edit box).
    bool blueText = false;
    // Tab reaches the framed control right after this one; 0 leaves the
    // frame where it was made.
    int framedAfter = 0;
};

// Skins a new dialog; the frame pictures come from `programDirectory`.
void SkinDialog(HWND dialog, const std::wstring& programDirectory, const DialogSkinParts& parts);

}  // namespace pelorin
