#pragma once
// The per-kind records of the controls a form has taken over. Each lives in a
// 1-based list of its form record; the control's "Hw_lbID" property is its
// index there.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "skin/pictures/nine_slice_frame.h"

namespace pelorin::skin {

// COLORREF meaning "no colour" (glow colours, background colours).
inline constexpr COLORREF kNoColor = CLR_INVALID;

// The font a control had when it was attached.
struct ControlFont {
    std::wstring name = L"宋体";
    std::int32_t size = 12;  // pixels
    std::int32_t style = 0;  // GDI+ FontStyle bits
};

enum ButtonKind : std::int32_t { kPushButton = 0, kRadioButton = 4, kCheckBox = 5 };

struct ButtonRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    std::int32_t kind = kPushButton;
    std::wstring caption;
    bool focused = false;
    std::wstring fontName = L"宋体";
    std::int32_t fontSize = 12;
    std::int32_t fontStyle = 0;
    bool pressed = false;
    COLORREF glowColor = kNoColor;
    std::int32_t checkState = 0;  // BM_GETCHECK at attach time
    HWND parent = nullptr;
};

// Rectangles of a simulated scroll strip's parts, in strip coordinates.
struct StripParts {
    RECT firstArrow{};
    RECT secondArrow{};
    RECT thumb{};
};

struct EditRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    bool focused = false;
    bool selecting = false;
    HWND vStrip = nullptr;
    HWND hStrip = nullptr;
    StripParts vStripParts;
    StripParts hStripParts;
};

struct ComboRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    bool focused = false;
};

struct ProgressRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    bool vertical = false;
    std::int32_t glossOffset = 0;
    std::int32_t glossStep = 0;
    COLORREF barColor = 0;
    COLORREF secondColor = 0;
};

struct SliderRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    bool vertical = false;
    std::int32_t tickPlacement = 1;
    bool hot = false;
    bool selectionRange = false;
    bool hasPictures = false;
    NineSliceFrame thumbFrame;
    NineSliceFrame channelFrame;
    NineSliceFrame filledFrame;
};

// List boxes, list views, tree views and the other framed lists.
struct ListControlRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    bool focused = false;
    bool hot = false;
    HWND verticalStrip = nullptr;
    HWND horizontalStrip = nullptr;
    StripParts vStripParts;
    StripParts hStripParts;
    bool contentStale = true;
    bool mouseInside = false;
    std::int32_t hotStripPart = 0;
};

// Column headers (of list views, or on their own).
struct HeaderRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    bool mouseInside = false;
    std::int32_t hotColumn = 0;
    std::int32_t drawnHotColumn = 0;
    bool clickable = false;
    std::int32_t pressedColumn = 0;
    bool buttonDown = false;
    std::wstring fontName = L"宋体";
    std::int32_t fontSize = 12;
    std::int32_t fontStyle = 0;
    HIMAGELIST imageList = nullptr;
};

struct UpDownRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    bool horizontal = false;
};

struct ToolbarRecord {
    HWND window = nullptr;
    WNDPROC previousProc = nullptr;
    std::wstring fontName = L"宋体";
    std::int32_t fontSize = 12;
    std::int32_t fontStyle = 0;
    HIMAGELIST imageList = nullptr;
    bool backgroundStale = true;
};

enum ContainerKind : std::int32_t { kOtherContainer = 0, kGroupBox = 1, kTabControl = 2 };

struct ContainerRecord {
    HWND window = nullptr;
    COLORREF settingB = 0;  // tint colour, 0 = none
    std::uint8_t panelAlpha = 255;
    std::int32_t drawPanel = 0;
    WNDPROC previousProc = nullptr;
    bool backgroundStale = true;
    bool secondaryStale = false;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t kind = kOtherContainer;
    bool selfPainted = true;
    std::wstring fontName;
    std::int32_t fontSize = 0;
    std::int32_t fontStyle = 0;
};

struct LabelRecord {
    HWND window = nullptr;
    std::int32_t horizontalAlign = 0;
    std::int32_t verticalAlign = 1;
    std::int32_t wrap = 0;
    COLORREF textColor = 0;
    bool glowOn = false;
    COLORREF glowColor = kNoColor;
    std::wstring fontName = L"宋体";
    std::int32_t fontSize = 12;
    std::int32_t fontStyle = 0;
    bool backgroundStale = true;
    WNDPROC previousProc = nullptr;
};

}  // namespace pelorin::skin
