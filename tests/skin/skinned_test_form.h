#pragma once
// The skin tests' one top-level test window. A test fills it with the
// controls it needs and hands it to the real ApplySkin, so the records, the
// properties and the subclassing come from the program's own attach steps.
// Its class procedure becomes the skinned form's previous procedure and
// records what reaches it. A frame of known content can replace the rendered
// one, so that the pixel behind any control can be computed.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/handle.h"
#include "graphics/gx_types.h"
#include "picture_test_util.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

// What reached the form's own procedure.
struct FormMessages {
    std::map<HWND, int> clicks;     // BN_CLICKED, by the control that reported it
    std::vector<WORD> commands;     // WM_COMMAND identifiers
    std::vector<UINT> notifyCodes;  // WM_NOTIFY codes
    int vScrolls = 0;
    int hScrolls = 0;
    // Both swallowed where the platform would start a modal size or move loop.
    std::vector<WPARAM> sysCommands;
    std::vector<WPARAM> nonClientPresses;
    bool becameLayered = false;
    bool destroyed = false;
    // At WM_NCDESTROY the skin procedure had already been taken out.
    bool procedureRestored = false;
    int drawItems = 0;
};

// A known frame: the colour of the frame pixel at form coordinates (x, y).
using FramePattern = GxArgb (*)(int x, int y);
// A neutral grey that changes with x and y, so a shifted background shows.
GxArgb GreyRamp(int x, int y);
// Every channel moves differently, so a background copied from the wrong
// place never matches by accident.
GxArgb ColourRamp(int x, int y);

struct FormOptions {
    int left = 140;
    int top = 90;
    int width = 420;
    int height = 300;
    // WS_POPUP: window and client area coincide.
    DWORD style = WS_POPUP | WS_VISIBLE;
    DWORD exStyle = 0;
    std::wstring text = L"测试窗口";
    // When given, the form is skinned with these settings at once (it has no
    // children yet), and shown without activation when `show` is set.
    std::optional<skin::SkinSettings> skin;
    // Run on the new window before it is skinned.
    std::function<void(HWND)> addChildren;
    bool show = false;
    // As in a program whose first size change happened long before the
    // window appears (the skin start-up's first-size flag cleared).
    bool afterFirstSize = false;
    // The skin draws controls while the form lives (as the skin start-up
    // sets), so that the attach steps take them; put back afterwards.
    bool skinControls = false;
    // When given (with `skin`), the rendered frame is replaced by this known
    // one, with a frameCopy of `knownFrameCopy`.
    std::optional<FramePattern> knownFrame;
    GxArgb knownFrameCopy = 0xFF000000;
};

// A visible borderless form at that place, not skinned yet, whose controls
// the skin will draw.
FormOptions FormAt(int left, int top, int width, int height);
// A visible borderless form skinned at once without a title bar, on a known
// frame of `pattern` and a cleared frameCopy: the controls' test bench.
FormOptions KnownFrameForm(int left, int top, int width, int height, FramePattern pattern = GreyRamp);

// A report list view's column.
struct TestColumn {
    std::wstring text;
    int width = 60;
    int format = LVCFMT_LEFT;
};
// The music list's columns.
std::vector<TestColumn> MusicListColumns();

class SkinnedTestForm {
public:
    explicit SkinnedTestForm(const FormOptions& options = {});
    ~SkinnedTestForm();
    SkinnedTestForm(const SkinnedTestForm&) = delete;
    SkinnedTestForm& operator=(const SkinnedTestForm&) = delete;

    HWND Window() const { return window_; }
    bool Alive() const { return ::IsWindow(window_) != FALSE; }
    std::int32_t FormIndex() const;
    skin::FormRecord& Record() const;
    FormMessages& Messages() { return messages_; }

    // A child of `parent` (0: the form) with WS_CHILD added to `style`. Once
    // the form is skinned, the attach steps run again on `parent`, as they
    // do for a container's children, and take the new control.
    HWND Add(const wchar_t* className, DWORD style, int x, int y, int w, int h, const wchar_t* text = L"",
             DWORD exStyle = 0, HWND parent = nullptr);
    // A visible "BUTTON"; a skinned push button or check box gets the white
    // caption and the glow colour through the program's own colour call.
    HWND AddButton(DWORD style, const std::wstring& caption, int x, int y, int w, int h,
                   COLORREF glowColor = skin::kNoColor);
    // A visible report list view like the program's music list (client edge,
    // 12-pixel 宋体) with `columns` and `rows` items of text.
    // By default in the music list's place and size.
    HWND AddListView(DWORD style, const std::vector<TestColumn>& columns, int rows = 0, int x = 17, int y = 289,
                     int w = 345, int h = 152);
    // A visible up-down control, range 0..100 at 50.
    HWND AddUpDown(DWORD style, int x, int y, int w, int h);
    // A visible toolbar with `count` 16 x 16 buttons of one colour, commands
    // from `firstCommand`, then a separator.
    HWND AddToolbar(DWORD style, int x, int y, int w, int h, int count, COLORREF color, int firstCommand);
    // A visible tab control with one item per text, in the GUI font.
    HWND AddTab(DWORD style, const std::vector<std::wstring>& items, int x, int y, int w, int h);
    // A visible child of a class that paints itself in `color`.
    HWND AddPaintedChild(COLORREF color, DWORD exStyle, int x, int y, int w, int h);

    // Runs ApplySkin on the window; returns the form index (0 when none).
    std::int32_t Apply(const skin::SkinSettings& settings = {});
    // Skins the form without a title bar, its children as they are, puts a
    // known frame of one colour (and a black frameCopy) in place of the
    // rendered one and lets everything paint on it.
    std::int32_t ApplyOnKnownFrame(GxArgb solid);
    // Shows the window without activating it and lets it paint.
    void Show(DWORD pumpMs = 30);
    // Marks the frame stale and repaints the window through WM_PAINT.
    void Rerender();
    // Invalidates the form, its frame and all its children and lets them paint.
    void Redraw();

    // Gives the record a frameBuffer of `pattern` (or of one colour) and a
    // frameCopy of the same size filled with `copyColor`.
    void SetKnownFrame(FramePattern pattern = ColourRamp, GxArgb copyColor = 0xFF000000);
    void SetSolidFrame(GxArgb solid, GxArgb copyColor);
    void FillFrameCopy(GxArgb color);
    // The known frame's pixel behind a control's window pixel (x, y).
    GxArgb BackgroundBehind(HWND control, int x, int y) const;
    // The form's frameBuffer, whatever it holds, behind a control's client pixel.
    GxArgb FrameBufferBehind(HWND control, int x, int y) const;

    // The shipped "tp" frames as the form's button frame; a focused picture
    // may be given to tell DrawFocused apart from DrawNormal.
    void LoadButtonFrame(bool blueFocusedPicture = false);

    // The composite copy at the control's window place, and at its client area.
    Pixels FrameCopyPixels(HWND control) const;
    Pixels Drawn(HWND control) const;
    // The whole composite copy and the whole rendered frame (alpha made opaque).
    Pixels FrameCopyPixels() const;
    Pixels FrameBufferPixels() const;
    // What the screen shows of the client area, once the window had its messages.
    Pixels ScreenPixels() const;

    // Clicks reported through WM_COMMAND / BN_CLICKED by the control.
    int Clicks(HWND control) const;

    skin::ButtonRecord& ButtonOf(HWND control) const;
    skin::SliderRecord& SliderOf(HWND control) const;
    skin::EditRecord& EditOf(HWND control) const;
    skin::ListControlRecord& ListOf(HWND control) const;
    skin::HeaderRecord& HeaderOf(HWND control) const;

    // Client point of the centre of caption button `button` (1-based).
    POINT ButtonCentre(std::int32_t button) const;
    // The tooltip text of tool `id` of the form's tooltip.
    std::wstring ToolText(UINT_PTR id) const;

private:
    static LRESULT CALLBACK ClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void AttachNewChildren(HWND parent);

    HWND window_ = nullptr;
    FormMessages messages_;
    FramePattern pattern_ = ColourRamp;
    std::optional<GxArgb> solid_;
    std::optional<std::int32_t> savedControlsEnabled_;
    UniqueFont listFont_;
    // The toolbars' pictures, destroyed after the window (an image list holds bitmaps).
    std::vector<UniqueHandle<NullInvalidTraits<HIMAGELIST, HandleKind::GdiObject, ::ImageList_Destroy>>> imageLists_;
};

// The form filled with one control of every kind the attach steps look at:
// push buttons of each button type, check boxes, radio buttons, a slider,
// edits with and without scroll bars and a group box with a check box of its
// own. It is not skinned until the test calls Apply.
class EveryKindForm : public SkinnedTestForm {
public:
    static constexpr int kWidth = 420;
    static constexpr int kHeight = 300;

    // `style` is the top-level style (WS_POPUP: window and client coincide).
    explicit EveryKindForm(DWORD style = WS_POPUP | WS_VISIBLE);

    HWND pushButton = nullptr;     // BS_PUSHBUTTON (type 0)
    HWND defaultButton = nullptr;  // BS_DEFPUSHBUTTON (type 1)
    HWND userButton = nullptr;     // BS_USERBUTTON (type 8)
    HWND ownerDrawn = nullptr;     // BS_OWNERDRAW before the skin came
    HWND checkBox = nullptr;       // BS_AUTOCHECKBOX
    HWND plainCheckBox = nullptr;  // BS_CHECKBOX
    HWND threeState = nullptr;     // BS_AUTO3STATE
    HWND radio = nullptr;          // BS_RADIOBUTTON (not automatic)
    HWND autoRadio = nullptr;      // BS_AUTORADIOBUTTON
    HWND slider = nullptr;         // msctls_trackbar32
    HWND edit = nullptr;           // no scroll bars
    HWND scrolledEdit = nullptr;   // WS_VSCROLL | WS_HSCROLL, multi-line
    HWND groupBox = nullptr;       // BS_GROUPBOX
    HWND groupCheckBox = nullptr;  // a check box child of the group box
};

// The hidden frame-test window: a WS_POPUP | WS_SYSMENU tool window, skinned
// at once with the title settings below (no own title icon, not resizable).
struct FrameFormOptions {
    int left = 100;
    int top = 40;
    int width = 380;
    int height = 537;
    std::int32_t titleHeight = 25;
    bool hasTitleBar = true;
    bool minimizeBox = true;
    bool maximizeBox = false;
    std::wstring text;
};
FormOptions FrameForm(const FrameFormOptions& frame = {});

// The form-procedure test window: a WS_POPUP with `extraStyle` at (60, 40),
// kTestWindowWidth x kTestWindowHeight, given its children by `addChildren`,
// skinned with `settings` (title height 30 by default) and shown.
inline constexpr int kTestWindowWidth = 380;
inline constexpr int kTestWindowHeight = 537;
skin::SkinSettings TestWindowSettings();
FormOptions TestWindow(DWORD extraStyle = 0, const skin::SkinSettings& settings = TestWindowSettings(),
                       const std::function<void(HWND)>& addChildren = nullptr);

// The skin-wide theme values, put back when the scope ends.
class SkinThemeScope {
public:
    SkinThemeScope();
    ~SkinThemeScope();
    SkinThemeScope(const SkinThemeScope&) = delete;
    SkinThemeScope& operator=(const SkinThemeScope&) = delete;

private:
    COLORREF backgroundColor_;
    Bytes picture_;
    std::int32_t mode_;
    COLORREF themeColor_;
};

// A child window of the given class that nothing attaches (the form's Add
// runs the attach steps on it once the form is skinned).
HWND AddChild(HWND parent, const wchar_t* className, DWORD style, int x, int y, int w, int h, const wchar_t* text = L"",
              DWORD exStyle = 0);

// Attaches `container` to the form with AttachContainer (no settings);
// returns its index in the form's containers list.
std::int32_t AttachTestContainer(std::int32_t form, HWND container);

// Loads the check-glyph strip from the embedded picture, as the skin start-up does.
void LoadCheckGlyphs();
// The picture files in "tp" beside the program.
Bytes ReadFramePicture(const wchar_t* name);
// A w x h picture of one colour, as PNG bytes.
Bytes SolidPicture(int w, int h, GxArgb color);
// COLORREF as an opaque ARGB value.
GxArgb Opaque(COLORREF color);

// What a window shows now: its client area through its own DC, its whole
// window (non-client area included) through its window DC, and its client
// area as the screen shows it.
Pixels ClientPixels(HWND window);
Pixels WholeWindowPixels(HWND window);
Pixels WindowPixels(HWND window);
// A surface's pixels, alpha as stored; a DC's, alpha as stored; a DC's
// rectangle with alpha made opaque (GDI leaves it undefined).
Pixels SurfacePixels(const skin::MemorySurface& surface);
Pixels DcPixels(HDC dc, int width, int height);
Pixels OpaquePixels(HDC dc, int x, int y, int width, int height);
SCROLLBARINFO BarOf(HWND owner, LONG object);

// Screen position of a window's pixel (window coordinates), and packed like
// the lParam of a non-client mouse message.
POINT ScreenPointOf(HWND window, int x, int y);
LPARAM PackScreen(POINT p);
// Real pointer input: move there (and let the messages arrive); move, press
// and release.
void MoveTo(POINT screen);
void ClickAt(POINT screen);
// Puts the real pointer on the window's client point (so mouse tracking sees
// it inside) and sends the move there.
void MoveMouseOnto(HWND window, POINT client);
// Button messages at a client point of a window, sent as the platform would.
void Press(HWND window, POINT client);
void Release(HWND window, POINT client);
void Click(HWND window, POINT client);

}  // namespace pelorin::test
