#include "base/handle.h"
#include "skin/core/button_painting.h"
#include "skin/core/control_procs.h"

namespace pelorin::skin {

// Repaints a button outside the owner-draw cycle (hover changes), through the
// painter of its kind.
void RepaintButton(HWND window, UINT state, bool hover) {
    const ButtonContext context = FindControl(window, &FormRecord::buttons);
    if (!context) return;
    const WindowDc dc(window);
    if (hover) state |= ODS_HOTLIGHT;
    RECT client{};
    ::GetClientRect(window, &client);
    switch (context.record->kind) {
        case kPushButton: PaintPushButton(window, dc.Get(), state, client); break;
        case kRadioButton: PaintRadioButton(window, state); break;
        case kCheckBox: PaintCheckBox(window, state, false); break;
        default: break;
    }
}

}  // namespace pelorin::skin
