#include "skinned_test_form.h"

#include <algorithm>

#include "skin/core/button_fade.h"
#include "skin/core/check_glyphs.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/pictures/embedded_pictures.h"
#include "skin/windows/container.h"
#include "skin/windows/container_blit.h"
#include "skin/windows/skin_config.h"
#include "skin/windows/skinned_form_proc.h"
#include "test_support.h"

namespace pelorin::test {

namespace {

constexpr wchar_t kFormClass[] = L"PelorinSkinnedTestForm";
constexpr wchar_t kPaintedClass[] = L"PelorinPaintedTestChild";
constexpr wchar_t kPaintedColor[] = L"PelorinTestColor";

void PaintOneColour(HWND window) {
    PaintDc paint(window);
    RECT client{};
    ::GetClientRect(window, &client);
    const auto color = static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(::GetPropW(window, kPaintedColor)));
    UniqueBrush brush(::CreateSolidBrush(color));
    ::FillRect(paint.Get(), &client, brush.Get());
}

LRESULT CALLBACK PaintedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: PaintOneColour(window); return 0;
        case WM_NCDESTROY: ::RemovePropW(window, kPaintedColor); break;
        default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

FormOptions EveryKindOptions(DWORD style) {
    FormOptions options;
    options.style = style;
    options.text = L"skin test form";
    return options;
}

void RegisterClasses(WNDPROC formProc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = formProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    ::RegisterClassExW(&wc);  // fails harmlessly when already registered
    wc.style = 0;
    wc.lpfnWndProc = PaintedProc;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = kPaintedClass;
    ::RegisterClassExW(&wc);
}

// 16 x 16 images of one opaque colour.
HIMAGELIST SolidImages(int count, COLORREF color) {
    HIMAGELIST images = ::ImageList_Create(16, 16, ILC_COLOR32, count, 0);
    UniqueBitmap bitmap;
    {
        WindowDc screen(nullptr);
        bitmap.Reset(::CreateCompatibleBitmap(screen.Get(), 16, 16));
    }
    {
        UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        ScopedSelect select(dc.Get(), bitmap.Get());
        UniqueBrush brush(::CreateSolidBrush(color));
        const RECT all{0, 0, 16, 16};
        ::FillRect(dc.Get(), &all, brush.Get());
    }
    for (int i = 0; i < count; ++i) ::ImageList_Add(images, bitmap.Get(), nullptr);
    return images;
}

// Every child gets an identifier of its own, so WM_COMMAND tells them apart.
HWND CreateChild(HWND parent, const wchar_t* className, DWORD style, int x, int y, int w, int h,
                 const wchar_t* text = L"", DWORD exStyle = 0) {
    static int nextId = 300;
    return ::CreateWindowExW(exStyle, className, text, style, x, y, w, h, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId++)), ::GetModuleHandleW(nullptr),
                             nullptr);
}

LPARAM Pack(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

// The surface's rectangle `r`, alpha made opaque.
Pixels OpaqueArea(const skin::MemorySurface* surface, const RECT& r) {
    Pixels out(r.right - r.left, r.bottom - r.top);
    if (!surface) return out;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x)
            out.At(x, y) = 0xFF000000u | (surface->PixelAt(r.left + x, r.top + y) & 0x00FFFFFF);
    return out;
}

}  // namespace

GxArgb GreyRamp(int x, int y) {
    const GxArgb v = static_cast<GxArgb>(40 + (x + 2 * y) % 160);
    return 0xFF000000u | v << 16 | v << 8 | v;
}

GxArgb ColourRamp(int x, int y) {
    const GxArgb r = static_cast<GxArgb>((x * 3 + y) % 256);
    const GxArgb g = static_cast<GxArgb>((y * 5 + 17) % 256);
    const GxArgb b = static_cast<GxArgb>((x + y * 7 + 90) % 256);
    return 0xFF000000u | r << 16 | g << 8 | b;
}

std::vector<TestColumn> MusicListColumns() { return {{L"序", 50}, {L"歌曲名", 150}, {L"路径", 140}}; }

SkinnedTestForm::SkinnedTestForm(const FormOptions& options)
    : savedControlsEnabled_(options.skinControls ? std::optional<std::int32_t>(skin::skinDefaults.skinControlsEnabled)
                                                 : std::nullopt) {
    RegisterClasses(ClassProc);
    if (options.skinControls) skin::skinDefaults.skinControlsEnabled = 1;
    if (options.afterFirstSize) skin::skinDefaults.firstSizePending = 0;
    window_ = ::CreateWindowExW(options.exStyle, kFormClass, options.text.c_str(), options.style | WS_CLIPCHILDREN,
                                options.left, options.top, options.width, options.height, nullptr, nullptr,
                                ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&messages_));
    ::SetCursorPos(2, 2);  // away from the form
    if (options.addChildren) options.addChildren(window_);
    if (options.skin) Apply(*options.skin);
    if (options.show)
        Show();
    else
        PumpMessages(20);
    if (options.skin && options.knownFrame) SetKnownFrame(*options.knownFrame, options.knownFrameCopy);
}

SkinnedTestForm::~SkinnedTestForm() {
    // A fade or its observer must not outlive the buttons it paints.
    skin::CancelFades();
    skin::fadeBlendObserver = nullptr;
    if (Alive()) {
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        // A skinned form procedure releases the record on WM_NCDESTROY.
        ::DestroyWindow(window_);
    }
    PumpMessages(10);
    if (savedControlsEnabled_) skin::skinDefaults.skinControlsEnabled = *savedControlsEnabled_;
}

std::int32_t SkinnedTestForm::FormIndex() const { return skin::FindFormByWindow(window_); }

skin::FormRecord& SkinnedTestForm::Record() const { return skin::formRegistry[FormIndex()]; }

HWND SkinnedTestForm::Add(const wchar_t* className, DWORD style, int x, int y, int w, int h, const wchar_t* text,
                          DWORD exStyle, HWND parent) {
    if (!parent) parent = window_;
    HWND child = CreateChild(parent, className, WS_CHILD | style, x, y, w, h, text, exStyle);
    AttachNewChildren(parent);
    return child;
}

void SkinnedTestForm::AttachNewChildren(HWND parent) {
    const std::int32_t form = FormIndex();
    if (!form) return;
    // The steps skip what they already took; the order is ApplySkin's.
    using Step = void (*)(std::int32_t, HWND);
    for (Step step : {skin::AttachPushButtons, skin::AttachCheckBoxesAndRadios, skin::AttachEditsAndComboBoxes,
                      skin::AttachSliders, skin::AttachProgressBars, skin::AttachListControls, skin::AttachUpDowns,
                      skin::AttachHeaders, skin::AttachToolbars, skin::AttachTransparentChildren})
        step(form, parent);
}

HWND SkinnedTestForm::AddButton(DWORD style, const std::wstring& caption, int x, int y, int w, int h,
                                COLORREF glowColor) {
    HWND button = Add(L"BUTTON", WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, caption.c_str());
    skin::SetControlTextColors(button, 0x00FFFFFF, glowColor);
    ::UpdateWindow(window_);
    return button;
}

HWND SkinnedTestForm::AddListView(DWORD style, const std::vector<TestColumn>& columns, int rows, int x, int y, int w,
                                  int h) {
    if (!listFont_)
        listFont_.Reset(::CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"宋体"));
    HWND list = CreateChild(window_, WC_LISTVIEWW, WS_CHILD | WS_VISIBLE | LVS_REPORT | style, x, y, w, h, L"",
                            WS_EX_CLIENTEDGE);
    ::SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = columns[i].format;
        column.cx = columns[i].width;
        column.pszText = const_cast<wchar_t*>(columns[i].text.c_str());
        column.iSubItem = static_cast<int>(i);
        ::SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < rows; ++row) {
        std::wstring text = L"第" + std::to_wstring(row + 1) + L"首";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = text.data();
        ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    AttachNewChildren(window_);
    PumpMessages(20);
    return list;
}

HWND SkinnedTestForm::AddUpDown(DWORD style, int x, int y, int w, int h) {
    HWND upDown = Add(UPDOWN_CLASSW, WS_VISIBLE | style, x, y, w, h);
    ::SendMessageW(upDown, UDM_SETRANGE32, 0, 100);
    ::SendMessageW(upDown, UDM_SETPOS32, 0, 50);
    return upDown;
}

HWND SkinnedTestForm::AddToolbar(DWORD style, int x, int y, int w, int h, int count, COLORREF color, int firstCommand) {
    HWND toolbar = CreateChild(window_, TOOLBARCLASSNAMEW, WS_CHILD | WS_VISIBLE | style, x, y, w, h);
    imageLists_.emplace_back(SolidImages(count, color));
    ::SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    ::SendMessageW(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
    ::SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(28, 26));
    ::SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageLists_.back().Get()));
    std::vector<TBBUTTON> buttons(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i < count; ++i) {
        buttons[i].iBitmap = i;
        buttons[i].idCommand = firstCommand + i;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = BTNS_BUTTON;
        buttons[i].iString = -1;
    }
    buttons.back().fsStyle = BTNS_SEP;
    ::SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    AttachNewChildren(window_);
    return toolbar;
}

HWND SkinnedTestForm::AddTab(DWORD style, const std::vector<std::wstring>& items, int x, int y, int w, int h) {
    HWND tab = Add(WC_TABCONTROLW, WS_VISIBLE | style, x, y, w, h);
    ::SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    for (std::size_t i = 0; i < items.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(items[i].c_str());
        ::SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    return tab;
}

HWND SkinnedTestForm::AddPaintedChild(COLORREF color, DWORD exStyle, int x, int y, int w, int h) {
    HWND child = CreateChild(window_, kPaintedClass, WS_CHILD | WS_VISIBLE, x, y, w, h, L"", exStyle);
    ::SetPropW(child, kPaintedColor, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(color)));
    AttachNewChildren(window_);
    return child;
}

std::int32_t SkinnedTestForm::Apply(const skin::SkinSettings& settings) {
    skin::ApplySkin(window_, settings);
    return FormIndex();
}

std::int32_t SkinnedTestForm::ApplyOnKnownFrame(GxArgb solid) {
    skin::SkinSettings settings;
    settings.hasTitleBar = false;
    Apply(settings);
    PumpMessages(20);
    SetSolidFrame(solid, 0xFF000000);
    Redraw();
    return FormIndex();
}

void SkinnedTestForm::Show(DWORD pumpMs) {
    ::ShowWindow(window_, SW_SHOWNOACTIVATE);
    ::UpdateWindow(window_);
    PumpMessages(pumpMs);
}

void SkinnedTestForm::Rerender() {
    Record().renderPending = true;
    ::InvalidateRect(window_, nullptr, FALSE);
    ::UpdateWindow(window_);
    PumpMessages(30);
}

void SkinnedTestForm::Redraw() {
    ::RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    ::UpdateWindow(window_);
    PumpMessages(30);
}

void SkinnedTestForm::SetKnownFrame(FramePattern pattern, GxArgb copyColor) {
    pattern_ = pattern;
    solid_.reset();
    skin::FormRecord& record = Record();
    RECT client{};
    ::GetClientRect(window_, &client);
    record.frameBuffer = skin::MemorySurface::Create(client.right, client.bottom);
    record.frameCopy = skin::MemorySurface::Create(client.right, client.bottom);
    if (!record.frameBuffer || !record.frameCopy) return;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x) {
            record.frameBuffer->Pixels()[y * client.right + x] = pattern(x, y);
            record.frameCopy->Pixels()[y * client.right + x] = copyColor;
        }
    // The known frame stands for the rendered one from now on.
    record.renderPending = false;
}

void SkinnedTestForm::SetSolidFrame(GxArgb solid, GxArgb copyColor) {
    SetKnownFrame(GreyRamp, copyColor);
    solid_ = solid;
    skin::MemorySurface* buffer = Record().frameBuffer.get();
    if (buffer) std::fill_n(buffer->Pixels(), buffer->Width() * buffer->Height(), solid);
}

void SkinnedTestForm::FillFrameCopy(GxArgb color) {
    skin::MemorySurface& copy = *Record().frameCopy;
    std::fill_n(copy.Pixels(), copy.Width() * copy.Height(), color);
}

GxArgb SkinnedTestForm::BackgroundBehind(HWND control, int x, int y) const {
    if (solid_) return *solid_;
    const RECT r = skin::ClientRectInForm(control);
    return pattern_(r.left + x, r.top + y);
}

GxArgb SkinnedTestForm::FrameBufferBehind(HWND control, int x, int y) const {
    const RECT area = skin::ClientAreaInForm(control);
    const skin::MemorySurface* frame = Record().frameBuffer.get();
    return frame ? 0xFF000000u | (frame->PixelAt(area.left + x, area.top + y) & 0x00FFFFFF) : 0;
}

void SkinnedTestForm::LoadButtonFrame(bool blueFocusedPicture) {
    const Bytes normal = ReadFramePicture(L"通常框.png");
    const Bytes hot = ReadFramePicture(L"兰边框.png");
    skin::FormRecord& form = Record();
    form.hasButtonFrame = form.buttonFrame.Load(normal, &hot, blueFocusedPicture ? &hot : nullptr, nullptr, 3, 3);
}

Pixels SkinnedTestForm::FrameCopyPixels(HWND control) const {
    return OpaqueArea(Record().frameCopy.get(), skin::WindowRectInForm(control));
}

Pixels SkinnedTestForm::Drawn(HWND control) const {
    return OpaqueArea(Record().frameCopy.get(), skin::ClientAreaInForm(control));
}

Pixels SkinnedTestForm::FrameCopyPixels() const {
    const skin::MemorySurface& copy = *Record().frameCopy;
    return OpaquePixels(copy.Dc(), 0, 0, copy.Width(), copy.Height());
}

Pixels SkinnedTestForm::FrameBufferPixels() const {
    const skin::MemorySurface& buffer = *Record().frameBuffer;
    return OpaquePixels(buffer.Dc(), 0, 0, buffer.Width(), buffer.Height());
}

Pixels SkinnedTestForm::ScreenPixels() const {
    // The screen receives what a window draws once its thread looks at its messages.
    PumpMessages(20);
    RECT client{};
    ::GetClientRect(window_, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window_, &origin);
    WindowDc screen(nullptr);
    return OpaquePixels(screen.Get(), origin.x, origin.y, client.right, client.bottom);
}

int SkinnedTestForm::Clicks(HWND control) const {
    const auto found = messages_.clicks.find(control);
    return found == messages_.clicks.end() ? 0 : found->second;
}

skin::ButtonRecord& SkinnedTestForm::ButtonOf(HWND control) const {
    return Record().buttons[skin::GetPropInt(control, skin::prop::kListIndex)];
}

skin::SliderRecord& SkinnedTestForm::SliderOf(HWND control) const {
    return Record().sliders[skin::GetPropInt(control, skin::prop::kListIndex)];
}

skin::EditRecord& SkinnedTestForm::EditOf(HWND control) const {
    return Record().edits[skin::GetPropInt(control, skin::prop::kListIndex)];
}

skin::ListControlRecord& SkinnedTestForm::ListOf(HWND control) const {
    return Record().listControls[skin::GetPropInt(control, skin::prop::kListIndex)];
}

skin::HeaderRecord& SkinnedTestForm::HeaderOf(HWND control) const {
    return Record().listViews[skin::GetPropInt(control, skin::prop::kListIndex)];
}

POINT SkinnedTestForm::ButtonCentre(std::int32_t button) const {
    const RECT& r = Record().captionButtons.at(static_cast<std::size_t>(button - 1)).rect;
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

std::wstring SkinnedTestForm::ToolText(UINT_PTR id) const {
    wchar_t text[80]{};
    TOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.hwnd = window_;
    info.uId = id;
    info.lpszText = text;
    ::SendMessageW(Record().tooltip.GetTipHandle(), TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

LRESULT CALLBACK SkinnedTestForm::ClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* seen = reinterpret_cast<FormMessages*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!seen) return ::DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_COMMAND:
            seen->commands.push_back(LOWORD(wParam));
            if (HIWORD(wParam) == BN_CLICKED && lParam) ++seen->clicks[reinterpret_cast<HWND>(lParam)];
            break;
        case WM_NOTIFY: seen->notifyCodes.push_back(reinterpret_cast<const NMHDR*>(lParam)->code); break;
        case WM_VSCROLL: ++seen->vScrolls; break;
        case WM_HSCROLL: ++seen->hScrolls; break;
        case WM_SYSCOMMAND:
            seen->sysCommands.push_back(wParam);
            if ((wParam & 0xFFF0) == SC_SIZE) return 0;  // no modal size loop in a test
            break;
        case WM_NCLBUTTONDOWN: seen->nonClientPresses.push_back(wParam); return 0;  // no modal move loop
        case WM_STYLECHANGED:
            if (wParam == static_cast<WPARAM>(GWL_EXSTYLE) &&
                (reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew & WS_EX_LAYERED))
                seen->becameLayered = true;
            break;
        case WM_NCDESTROY:
            seen->destroyed = true;
            seen->procedureRestored =
                ::GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(skin::SkinnedFormProc);
            break;
        case WM_DRAWITEM: ++seen->drawItems; break;
        default: break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

EveryKindForm::EveryKindForm(DWORD style) : SkinnedTestForm(EveryKindOptions(style)) {
    pushButton = Add(L"BUTTON", WS_VISIBLE | BS_PUSHBUTTON, 10, 40, 80, 24, L"按钮1");
    defaultButton = Add(L"BUTTON", WS_VISIBLE | BS_DEFPUSHBUTTON, 100, 40, 80, 24, L"默认");
    userButton = Add(L"BUTTON", WS_VISIBLE | BS_USERBUTTON, 190, 40, 80, 24, L"用户");
    ownerDrawn = Add(L"BUTTON", WS_VISIBLE | BS_OWNERDRAW, 280, 40, 80, 24, L"自绘");
    checkBox = Add(L"BUTTON", WS_VISIBLE | BS_AUTOCHECKBOX, 10, 70, 100, 20, L"选择框1");
    plainCheckBox = Add(L"BUTTON", WS_VISIBLE | BS_CHECKBOX, 120, 70, 100, 20, L"选择框2");
    threeState = Add(L"BUTTON", WS_VISIBLE | BS_AUTO3STATE, 230, 70, 80, 20, L"三态");
    radio = Add(L"BUTTON", WS_VISIBLE | BS_RADIOBUTTON, 10, 95, 80, 20, L"单选");
    autoRadio = Add(L"BUTTON", WS_VISIBLE | BS_AUTORADIOBUTTON, 100, 95, 100, 20, L"自动单选");
    slider = Add(TRACKBAR_CLASSW, WS_VISIBLE | TBS_HORZ | TBS_NOTICKS, 10, 120, 200, 24);
    edit = Add(L"Edit", WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10, 150, 150, 22, L"编辑框1");
    scrolledEdit =
        Add(L"Edit", WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE, 170, 150, 150, 80, L"多行");
    groupBox = Add(L"BUTTON", WS_VISIBLE | BS_GROUPBOX, 10, 180, 150, 100, L"分组框1");
    groupCheckBox = Add(L"BUTTON", WS_VISIBLE | BS_AUTOCHECKBOX, 10, 30, 120, 20, L"组内选择框", 0, groupBox);
    ::SetCursorPos(2, 2);  // away from the form
    PumpMessages(20);
}

FormOptions FrameForm(const FrameFormOptions& frame) {
    FormOptions options;
    options.left = frame.left;
    options.top = frame.top;
    options.width = frame.width;
    options.height = frame.height;
    options.style =
        WS_POPUP | WS_SYSMENU | (frame.minimizeBox ? WS_MINIMIZEBOX : 0) | (frame.maximizeBox ? WS_MAXIMIZEBOX : 0);
    options.exStyle = WS_EX_TOOLWINDOW;
    options.text = frame.text;
    skin::SkinSettings settings;
    settings.titleHeight = frame.titleHeight;
    settings.hasTitleBar = frame.hasTitleBar;
    settings.resizable = false;
    settings.hideTitleIcon = true;
    options.skin = settings;
    return options;
}

FormOptions FormAt(int left, int top, int width, int height) {
    FormOptions options;
    options.left = left;
    options.top = top;
    options.width = width;
    options.height = height;
    options.skinControls = true;
    return options;
}

FormOptions KnownFrameForm(int left, int top, int width, int height, FramePattern pattern) {
    FormOptions options = FormAt(left, top, width, height);
    skin::SkinSettings settings;
    settings.hasTitleBar = false;
    options.skin = settings;
    options.knownFrame = pattern;
    options.knownFrameCopy = 0;
    return options;
}

skin::SkinSettings TestWindowSettings() {
    skin::SkinSettings settings;
    settings.titleHeight = 30;
    return settings;
}

FormOptions TestWindow(DWORD extraStyle, const skin::SkinSettings& settings,
                       const std::function<void(HWND)>& addChildren) {
    FormOptions options;
    options.left = 60;
    options.top = 40;
    options.width = kTestWindowWidth;
    options.height = kTestWindowHeight;
    options.style = WS_POPUP | extraStyle;
    options.skin = settings;
    options.addChildren = addChildren;
    options.show = true;
    options.afterFirstSize = true;
    options.skinControls = true;
    return options;
}

SkinThemeScope::SkinThemeScope()
    : backgroundColor_(skin::skinDefaults.skinBackgroundColor),
      picture_(skin::skinDefaults.skinBackgroundPicture),
      mode_(skin::skinDefaults.skinPictureMode),
      themeColor_(skin::skinDefaults.themeColor) {}

SkinThemeScope::~SkinThemeScope() {
    skin::skinDefaults.skinBackgroundColor = backgroundColor_;
    skin::skinDefaults.skinBackgroundPicture = picture_;
    skin::skinDefaults.skinPictureMode = mode_;
    skin::skinDefaults.themeColor = themeColor_;
}

HWND AddChild(HWND parent, const wchar_t* className, DWORD style, int x, int y, int w, int h, const wchar_t* text,
              DWORD exStyle) {
    return CreateChild(parent, className, WS_CHILD | WS_VISIBLE | style, x, y, w, h, text, exStyle);
}

std::int32_t AttachTestContainer(std::int32_t form, HWND container) {
    if (!skin::formRegistry.At(form)) return 0;
    skin::AttachContainer(container);
    return skin::formRegistry[form].containers.Find(container);
}

void LoadCheckGlyphs() {
    if (skin::checkGlyphStrip.GetFrameCount() == 0)
        skin::checkGlyphStrip.Load(LoadEmbeddedPicture(EmbeddedPicture::CheckGlyphStrip));
}

Bytes ReadFramePicture(const wchar_t* name) { return ReadAll(ProgramFolder() + L"\\tp\\" + name); }

Bytes SolidPicture(int w, int h, GxArgb color) { return EncodePixels(Pixels(w, h, color)); }

GxArgb Opaque(COLORREF color) { return skin::ToArgb(color) | 0xFF000000u; }

Pixels ClientPixels(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    WindowDc dc(window);
    return OpaquePixels(dc.Get(), 0, 0, client.right, client.bottom);
}

Pixels WholeWindowPixels(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    HDC dc = ::GetWindowDC(window);
    Pixels out = OpaquePixels(dc, 0, 0, r.right - r.left, r.bottom - r.top);
    ::ReleaseDC(window, dc);
    return out;
}

Pixels WindowPixels(HWND window) {
    ::UpdateWindow(window);
    RECT client{};
    ::GetClientRect(window, &client);
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    // From the screen at the window's place: what is really shown there.
    WindowDc screen(nullptr);
    return OpaquePixels(screen.Get(), origin.x, origin.y, client.right, client.bottom);
}

Pixels SurfacePixels(const skin::MemorySurface& surface) {
    Pixels out(surface.Width(), surface.Height());
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x) out.At(x, y) = surface.PixelAt(x, y);
    return out;
}

Pixels DcPixels(HDC dc, int width, int height) {
    skin::SurfacePtr copy = skin::MemorySurface::Create(width, height);
    if (!copy) return Pixels(width, height);
    ::BitBlt(copy->Dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    return SurfacePixels(*copy);
}

Pixels OpaquePixels(HDC dc, int x, int y, int width, int height) {
    Pixels out(width, height);
    skin::SurfacePtr copy = skin::MemorySurface::Create(width, height);
    if (!copy || !dc) return out;
    ::BitBlt(copy->Dc(), 0, 0, width, height, dc, x, y, SRCCOPY);
    return OpaqueArea(copy.get(), RECT{0, 0, width, height});
}

SCROLLBARINFO BarOf(HWND owner, LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    ::GetScrollBarInfo(owner, object, &info);
    return info;
}

POINT ScreenPointOf(HWND window, int x, int y) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return {r.left + x, r.top + y};
}

LPARAM PackScreen(POINT p) { return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y)); }

void MoveTo(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    PumpMessages(30);
}

void ClickAt(POINT screen) {
    ::SetCursorPos(screen.x, screen.y);
    PumpMessages(20);
    INPUT inputs[2]{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
    PumpMessages(100);
}

void MoveMouseOnto(HWND window, POINT client) {
    POINT screen = client;
    ::ClientToScreen(window, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::SendMessageW(window, WM_MOUSEMOVE, 0, Pack(client));
}

void Press(HWND window, POINT client) { ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, Pack(client)); }

void Release(HWND window, POINT client) { ::SendMessageW(window, WM_LBUTTONUP, 0, Pack(client)); }

void Click(HWND window, POINT client) {
    Press(window, client);
    Release(window, client);
}

}  // namespace pelorin::test
