#pragma once
// Pieces shared by the painters and the procedure of the button family:
// a button's records found from its window, the off-screen surface a paint
// draws on, and the caption of check boxes and radio buttons.

#include <windows.h>

#include <cstdint>

#include "graphics/gx_graphics.h"
#include "skin/core/control_lookup.h"
#include "skin/core/control_records.h"
#include "skin/core/form_record.h"

namespace pelorin::skin {

// A button window's form record, button record and list index.
using ButtonContext = ControlContext<ButtonRecord>;

// A surface made by BuildControlBackground, released when the scope ends
// unless a fade has taken it over (releasing a DC no longer in memoryDcList
// does nothing).
class ControlSurface {
public:
    ControlSurface(HWND window, const RECT& rect);
    ~ControlSurface();
    ControlSurface(const ControlSurface&) = delete;
    ControlSurface& operator=(const ControlSurface&) = delete;
    HDC Dc() const noexcept { return dc_; }

private:
    HDC dc_;
};

// Text colours of a control, from its "Kj_Ztys" and "Kj_Jzzts".
COLORREF TextColorOf(HWND window);
COLORREF DisabledTextColorOf(HWND window);

// The caption of a check box or radio button beside its glyph of width
// `glyphWidth` in the client rectangle (x, y, w, h): glowing when the record
// has a glow colour, else plain, left-aligned and vertically centred.
void DrawBoxCaption(GxGraphics& graphics, HWND window, const ButtonRecord& button, int glyphWidth, const RECT& client);

// The off-screen picture copied to the window and into the form's composite copy.
void ShowSurface(HWND window, HDC surface);

}  // namespace pelorin::skin
