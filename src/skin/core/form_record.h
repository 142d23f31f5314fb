#pragma once
// The record of one skinned top-level window (a form): its frame settings, its
// caption buttons, its cached surfaces and one list per kind of control it has
// taken over.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/text.h"
#include "skin/core/control_records.h"
#include "skin/core/memory_surface.h"
#include "skin/core/one_based_list.h"
#include "skin/pictures/nine_slice_frame.h"
#include "skin/pictures/tip_window.h"

namespace pelorin::skin {

enum CaptionButtonKind : std::int32_t {
    kCaptionClose = 0,
    kCaptionMaximize = 1,
    kCaptionMinimize = 2,
    kCaptionMenu = 3,   // calls onMenuButton
    kCaptionHelp = 4,   // calls onHelpButton
    kCaptionCustom = 5  // calls its own callback
};

struct CaptionButton {
    std::int32_t width = 26;
    std::int32_t height = 18;
    Bytes picture;
    Bytes altPicture;  // the maximise button's picture while maximised
    std::int32_t reserved = 0;
    std::int32_t kind = kCaptionCustom;
    std::wstring tooltip;
    std::function<void()> callback;
    RECT rect{};  // client coordinates
};

// The kind of control the form's hover indices (hotControl, lastHotControl)
// belong to: they are list indices, and controls of different kinds share
// them.
enum HotKind : std::int32_t {
    kHotButton = 0,  // the button family
    kHotEdit = 1,
    kHotSlider = 2,
    kHotComboBox = 3,
    kHotBoxedList = 6,
    kHotHeader = 9,
};

// A caption-button hover fade: which button (1-based, 0 = none) and how far.
struct CaptionFade {
    std::int32_t button = 0;
    std::int32_t step = 0;  // 0..8
};

struct FormRecord {
    HWND window = nullptr;
    bool shownOnce = false;
    bool hiddenFlag = false;
    std::int32_t closeAnimation = 0;
    bool isMoving = false;
    bool isSizing = false;
    bool refreshListsOnPaint = false;
    bool backgroundErased = false;
    bool isActive = false;
    std::int32_t titleHeight = 25;
    bool showHelpButton = false;
    bool showMenuButton = false;
    bool hasMinimizeButton = false;
    bool hasMaximizeButton = false;
    bool hasCloseButton = true;
    bool showTitleText = true;
    bool glossTitle = false;
    WNDPROC previousProc = nullptr;
    Bytes backgroundPicture;
    std::int32_t backgroundPictureMode = 0;
    COLORREF backgroundPictureColor = 0;
    COLORREF backgroundColor = kNoColor;
    std::int32_t backgroundAlpha = 255;
    std::vector<CaptionButton> captionButtons;
    std::int32_t captionStripLeft = 0;
    std::int32_t captionStripTop = 0;
    std::int32_t captionStripWidth = 0;
    std::int32_t captionStripHeight = 22;
    bool isMaximized = false;
    bool isMinimized = false;
    std::int32_t minTrackWidth = 200;
    std::int32_t minTrackHeight = 150;
    std::int32_t maxTrackWidth = 0;
    std::int32_t maxTrackHeight = 0;
    bool resizable = true;
    bool hasTitleBar = true;
    bool dragByBody = true;
    COLORREF titleTextColor = 0x00FFFFFF;
    COLORREF titleShadowColor = 0x00808080;
    std::wstring titleFontName = L"宋体";
    std::int32_t titleFontSize = 12;
    std::int32_t titleFontStyle = 1;
    bool titleTextOutlined = false;
    std::int32_t hotButton = 0;
    HotKind hotKind = kHotButton;
    HWND hotParent = nullptr;
    std::function<void()> onHelpButton;
    std::function<void()> onMenuButton;
    std::function<int()> closeQuery;
    TipWindow tooltip;
    std::int32_t statusHeight = 0;
    RECT statusRect{};
    std::vector<std::int32_t> statusPartWidths;  // -1 = share the rest
    std::vector<RECT> statusPartRects;
    std::function<void()> onTitleLeftDown;
    std::function<void()> onTitleRightDown;
    std::function<void()> onTitleDoubleClick;
    OneBasedList<ButtonRecord> buttons;
    OneBasedList<EditRecord> edits;
    OneBasedList<ListControlRecord> listControls;
    OneBasedList<SliderRecord> sliders;
    OneBasedList<ProgressRecord> progressBars;
    OneBasedList<ComboRecord> comboBoxes;
    OneBasedList<UpDownRecord> upDowns;
    OneBasedList<HeaderRecord> listViews;  // column headers, own or of list views
    OneBasedList<ToolbarRecord> toolbars;
    OneBasedList<LabelRecord> labels;
    bool renderPending = true;
    bool keepRenderOnSize = false;
    SurfacePtr frameBuffer;  // the rendered form: source of every control background
    SurfacePtr titleCache;
    SurfacePtr logoCache;
    SurfacePtr statusCache;
    SurfacePtr frameCopy;  // the form with its controls as last drawn
    std::int32_t lastHotControl = 0;
    std::int32_t hotControl = 0;
    OneBasedList<ContainerRecord> containers;
    bool mouseTracked = false;
    CaptionFade enterFade;
    CaptionFade leaveFade;
    bool hoverTimerOn = false;
    std::int32_t clientWidth = 0;
    std::int32_t clientHeight = 0;
    bool hasOwnIcon = false;
    bool hasButtonFrame = false;
    NineSliceFrame buttonFrame;
    bool shadowDrag = false;  // a press on the drop-shadow window moves the form
};

}  // namespace pelorin::skin
