// FrameBox: attaching to a control and detaching, the table binding, the
// notifications, the container's geometry and the layout of the icon, the
// control and the right-hand buttons.
#include "skin/windows/frame_box.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "skin/core/control_attach.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/window_props.h"
#include "skin/windows/container.h"

namespace pelorin::skin {

namespace {

constexpr std::int32_t kDefaultStyle = kFrameRoundedShadow;
constexpr COLORREF kDefaultFrameColor = 0x00808080;
constexpr std::int32_t kDefaultButtonSize = 16;
constexpr std::int32_t kDefaultIconSize = 16;
constexpr int kInset = 3;  // the container is this much larger on every side
constexpr DWORD kContainerStyle = SS_NOTIFY | WS_CLIPCHILDREN | WS_CHILD | WS_GROUP;
constexpr LONG_PTR kRemovedExStyles = WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// A window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND window) {
    RECT r{};
    if (!window || !::GetWindowRect(window, &r)) return {};
    ::MapWindowPoints(nullptr, ::GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The first free entry, else a new one; its 1-based index.
std::int32_t TakeEntry() {
    for (std::size_t i = 0; i < frameBoxTable.size(); ++i)
        if (frameBoxTable[i].free) return static_cast<std::int32_t>(i + 1);
    frameBoxTable.emplace_back();
    return static_cast<std::int32_t>(frameBoxTable.size());
}

}  // namespace

const std::array<FrameBox::Getter, 6> FrameBox::kGetters = {&FrameBox::GetLeft,   &FrameBox::GetTop,
                                                            &FrameBox::GetBottom, &FrameBox::GetRight,
                                                            &FrameBox::GetWidth,  &FrameBox::GetHeight};
static_assert(static_cast<std::int32_t>(FrameBoxOperation::GetBottom) == 22);
static_assert(static_cast<std::int32_t>(FrameBoxOperation::GetRight) == 23);
static_assert(static_cast<std::int32_t>(FrameBoxOperation::DestroyHook) == kFrameBoxOperationCount);

FrameBox::~FrameBox() {
    Detach();
    // The entry's callbacks point at this box: they go with it.
    FrameBoxEntry* entry = FrameBoxEntryAt(tableIndex_);
    if (entry && entry->box == this) {
        entry->pairCallback = nullptr;
        entry->notifyCallback = nullptr;
        entry->box = nullptr;
    }
}

std::int32_t FrameBox::Notify(std::int32_t code, std::optional<std::int32_t> a, std::optional<std::int32_t> b) {
    switch (code) {
        case 1: dirty_ = a.value_or(0) == 1; return 0;
        case 2: return dirty_ ? 1 : 0;
        case 3: Redraw(); return 0;
        case 5:
            // The low number takes the low 16 bits only, so that 6 then 5
            // gives back the value that was unpacked.
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(packedHigh_) << 16 |
                                             (static_cast<std::uint32_t>(packedLow_) & 0xFFFF));
        case 6: {
            const auto value = static_cast<std::uint32_t>(b.value_or(0));
            packedLow_ = static_cast<std::int16_t>(value & 0xFFFF);
            packedHigh_ = static_cast<std::int16_t>(value >> 16);
            return 0;
        }
        default: return 0;
    }
}

bool FrameBox::BindCallbacks(std::optional<std::int32_t> tableIndex) {
    FrameBoxEntry* entry = FrameBoxEntryAt(tableIndex.value_or(tableIndex_));
    if (!entry) return false;
    entry->windowProc = FrameBoxWindowProc;
    entry->pairCallback = [this](std::int32_t a, std::int32_t b) { PairCallback(a, b); };
    entry->notifyCallback = [this](std::int32_t code, std::optional<std::int32_t> a, std::optional<std::int32_t> b) {
        return Notify(code, a, b);
    };
    entry->box = this;
    return true;
}

void FrameBox::Redraw() {
    dirty_ = true;
    if (!container_) return;
    ::InvalidateRect(container_, nullptr, TRUE);
    InvalidateVisibleChildren();
}

bool FrameBox::Attach(HWND control, std::optional<std::int32_t> style, std::optional<COLORREF> frameColor,
                      std::optional<std::int32_t> backColor, std::optional<std::int32_t> backAlpha,
                      const NineSliceFrame* picture) {
    if (!control || !::IsWindow(control)) return false;
    HWND parent = ::GetParent(control);
    if (!parent) return false;
    if (container_) Detach();

    // The control's own border goes; the frame replaces it.
    ::SetWindowLongPtrW(control, GWL_STYLE,
                        ::GetWindowLongPtrW(control, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER));
    ::SetWindowLongPtrW(control, GWL_EXSTYLE, ::GetWindowLongPtrW(control, GWL_EXSTYLE) & ~kRemovedExStyles);

    const std::int32_t back = backColor.value_or(kNoBackColor);
    // A colour given without an alpha is opaque, as colours are elsewhere.
    const std::int32_t alpha = back == kNoBackColor ? 0 : backAlpha.value_or(255);

    const RECT r = RectInParent(control);
    LONG_PTR controlStyle = ::GetWindowLongPtrW(control, GWL_STYLE);
    const DWORD visible = (controlStyle & WS_VISIBLE) ? WS_VISIBLE : 0;
    HWND container =
        ::CreateWindowExW(0, L"Static", L"", kContainerStyle | visible, r.left, r.top, Width(r) + 2 * kInset,
                          Height(r) + 2 * kInset, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (!container) return false;

    if (controlStyle & WS_POPUP) controlStyle &= ~static_cast<LONG_PTR>(WS_POPUP | WS_CLIPCHILDREN);
    ::SetWindowLongPtrW(control, GWL_STYLE, controlStyle | WS_CHILD);
    ::SetParent(control, container);
    const std::int32_t border = picture ? picture->GetBorderWidth() : 0;
    ::SetWindowPos(control, nullptr, kInset + border, kInset + border, Width(r) - border, Height(r) - border,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_FRAMECHANGED);

    SetPropValue(control, prop::kFramed, 1);
    SetPropValue(control, prop::kFrameBackColor, back);
    SetPropValue(control, prop::kFrameBackAlpha, alpha);
    SetPropValue(control, prop::kFrameWindow, reinterpret_cast<std::intptr_t>(container));

    ContainerSettings settings;
    settings.selfPainted = false;
    settings.tint = static_cast<COLORREF>(back);
    settings.panelAlpha = static_cast<std::uint8_t>(alpha & 0xFF);
    AttachContainer(container, settings);

    const std::int32_t index = TakeEntry();
    items_.clear();
    SetPropValue(container, prop::kFrameFormIndex, FindAncestorForm(container));
    SetPropValue(container, prop::kFrameTableIndex, index);
    FrameBoxEntry& entry = *FrameBoxEntryAt(index);
    entry.free = false;
    entry.handle = container;
    dirty_ = true;
    SetContainerHandle(container);
    SetTableIndex(index);
    BindCallbacks(index);

    container_ = container;
    control_ = control;
    style_ = style.value_or(kDefaultStyle);
    backColor_ = back;
    backAlpha_ = alpha;
    frameColor_ = frameColor.value_or(kDefaultFrameColor);
    hasPicture_ = picture && picture->IsLoaded();
    if (hasPicture_) {
        picture_ = *picture;
        SetPropValue(container, prop::kFrameBorderWidth, picture_.GetBorderWidth());
    }

    // The kept procedure is in place before the first message can reach ours.
    previousProc_ = InstallSkinProc(container, entry.windowProc, prop::kFramePreviousProc);
    return true;
}

void FrameBox::SetIcon(const Bytes& png, std::optional<std::int32_t> width, std::optional<std::int32_t> height) {
    iconPng_ = png;
    iconWidth_ = width.value_or(kDefaultIconSize);
    iconHeight_ = height.value_or(kDefaultIconSize);
    Layout();
    Paint();
}

void FrameBox::AddButton(const Bytes& normalPng, const Bytes* hotPng, const Bytes* pressedPng,
                         std::optional<std::int32_t> width, std::optional<std::int32_t> height,
                         std::optional<std::int32_t> position) {
    FrameButton button;
    button.normalPng = normalPng;
    button.hotPng = hotPng ? *hotPng : normalPng;
    button.pressedPng = pressedPng ? *pressedPng : normalPng;
    button.width = width.value_or(kDefaultButtonSize);
    button.height = height.value_or(kDefaultButtonSize);
    const auto count = static_cast<std::int32_t>(items_.size());
    const std::int32_t at = std::clamp(position.value_or(count + 1), 1, count + 1);
    items_.insert(items_.begin() + (at - 1), std::move(button));
    // The hot and pressed buttons keep their numbers in step with the list.
    if (hotItem_ >= at) ++hotItem_;
    if (pressedItem_ >= at) ++pressedItem_;
    Layout();
    Paint();
}

void FrameBox::SetClickCallback(FrameClickCallback callback) {
    if (callback) clickCallback_ = std::move(callback);
}

void FrameBox::Move(std::optional<std::int32_t> left, std::optional<std::int32_t> top,
                    std::optional<std::int32_t> width, std::optional<std::int32_t> height) {
    if (!container_) return;
    const RECT r = ContainerRect();
    ::MoveWindow(container_, left.value_or(r.left), top.value_or(r.top), width.value_or(Width(r)),
                 height.value_or(Height(r)), TRUE);
    Layout();
}

bool FrameBox::Visible(std::optional<bool> visible) {
    if (!visible) return container_ && ::IsWindowVisible(container_);
    if (container_) ::ShowWindow(container_, *visible ? SW_SHOWNA : SW_HIDE);
    return *visible;
}

void FrameBox::SetFrameColor(COLORREF color) {
    frameColor_ = color;
    Paint();
}

std::int32_t FrameBox::GetLeft() const { return ContainerRect().left; }
std::int32_t FrameBox::GetTop() const { return ContainerRect().top; }
std::int32_t FrameBox::GetBottom() const { return ContainerRect().bottom; }
std::int32_t FrameBox::GetRight() const { return ContainerRect().right; }
std::int32_t FrameBox::GetWidth() const { return Width(ContainerRect()); }
std::int32_t FrameBox::GetHeight() const { return Height(ContainerRect()); }

std::optional<std::int32_t> FrameBox::CallGetter(std::int32_t operation) const {
    const std::int32_t slot = operation - kFirstGetter;
    if (slot < 0 || slot >= static_cast<std::int32_t>(kGetters.size())) return std::nullopt;
    return (this->*kGetters[static_cast<std::size_t>(slot)])();
}

void FrameBox::SetButtonCursor(const std::wstring& cursorFile) {
    if (HCURSOR cursor = ::LoadCursorFromFileW(cursorFile.c_str())) buttonCursor_.Reset(cursor);
}

void FrameBox::Layout() {
    if (!container_) return;
    const SIZE client = ClientSize();
    const std::int32_t border = BorderWidthProperty();
    std::int32_t total = 0;
    for (const FrameButton& button : items_) total += button.width + 1;
    std::int32_t left = client.cx - total - (border ? border : 2);
    for (FrameButton& button : items_) {
        button.rect.left = left;
        button.rect.right = left + button.width;
        button.rect.top = static_cast<LONG>(std::trunc((client.cy - button.height) / 2.0 + 1));
        button.rect.bottom = button.rect.top + button.height;
        left = button.rect.right + 1;
    }
    if (!control_) return;
    const RECT at = RectInParent(control_);
    // Buttons wider than the box leave the control no room, not a negative width.
    const int width = std::max(0, static_cast<int>(client.cx - iconWidth_ - 8 - total - border));
    ::SetWindowPos(control_, nullptr, iconWidth_ + border + 4, at.top, width, Height(at),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

std::int32_t FrameBox::HitTest(std::int32_t x, std::int32_t y) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const RECT& r = items_[i].rect;
        if (x >= r.left && x <= r.right && y >= r.top && y <= r.bottom) return static_cast<std::int32_t>(i + 1);
    }
    return 0;
}

void FrameBox::Detach() {
    HWND container = container_;
    if (container && ::IsWindow(container)) {
        if (::GetCapture() == container) ::ReleaseCapture();
        // Only our own procedure is taken out; one installed over it stays.
        const WNDPROC kept = GetPreviousProc(container, prop::kFramePreviousProc);
        if (kept && reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(container, GWLP_WNDPROC)) == FrameBoxWindowProc)
            Subclass(container, kept);
    }
    backbuffer_.reset();
    buttonCursor_.Reset();
    container_ = nullptr;
    control_ = nullptr;
    style_ = 0;
    frameColor_ = 0;
    previousProc_ = nullptr;
    hotItem_ = 0;
    pressedItem_ = 0;
    clickCallback_ = nullptr;
    backColor_ = 0;
    backAlpha_ = 0;
    iconPng_.clear();
    iconPixels_.Reset();
    iconWidth_ = 0;
    iconHeight_ = 0;
    hasPicture_ = false;
    items_.clear();
    // The entry is freed only while it is still this box's: a table emptied
    // and refilled since must not lose another box's entry.
    FrameBoxEntry* entry = FrameBoxEntryAt(tableIndex_);
    if (container && entry && entry->box == this && entry->handle == container) {
        entry->free = true;
        entry->handle = nullptr;
    }
}

RECT FrameBox::ContainerRect() const { return container_ ? RectInParent(container_) : RECT{}; }

SIZE FrameBox::ClientSize() const {
    RECT client{};
    if (container_) ::GetClientRect(container_, &client);
    return {client.right, client.bottom};
}

std::int32_t FrameBox::BorderWidthProperty() const { return GetPropInt(container_, prop::kFrameBorderWidth); }

void FrameBox::InvalidateVisibleChildren() const {
    if (!container_) return;
    for (HWND child = ::GetWindow(container_, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (::IsWindowVisible(child)) ::InvalidateRect(child, nullptr, TRUE);
}

FrameButton* FrameBox::Button(std::int32_t index) {
    if (index < 1 || index > static_cast<std::int32_t>(items_.size())) return nullptr;
    return &items_[static_cast<std::size_t>(index - 1)];
}

}  // namespace pelorin::skin
