#pragma once
// FrameBox: a drawn frame around one existing child control, typically a
// single-line edit box. It creates a "Static" window 3 pixels larger than the
// control on every side, moves the control into it and paints the Static
// itself over the form's rendered background: an optional translucent
// background, a rounded or square outline (or a nine-slice frame picture), an
// optional soft inner shadow, an optional icon at the left and an optional
// row of small picture buttons at the right that report clicks.
//
// The Static is taken over as a skin container, so its background is the
// form's pixels behind it. The box binds its callbacks into frameBoxTable; a
// box is neither copied nor moved, because the callbacks point at it.

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/handle.h"
#include "base/text.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_path.h"
#include "skin/core/memory_surface.h"
#include "skin/pictures/decoded_picture.h"
#include "skin/pictures/nine_slice_frame.h"
#include "skin/windows/frame_box_table.h"

namespace pelorin::skin {

// The box's operations by number, in the order of its operation table.
enum class FrameBoxOperation : std::int32_t {
    WndProc = 1,
    PairCallback,
    Notify,
    BindCallbacks,
    Redraw,
    SetDirty,
    IsDirty,
    SetContainerHandle,
    GetContainerHandle,
    SetTableIndex,
    GetTableIndex,
    SetPacked,
    Attach,
    SetIcon,
    AddButton,
    SetClickCallback,
    Move,
    Visible,
    SetFrameColor,
    GetLeft,
    GetTop,
    GetBottom,
    GetRight,
    GetWidth,
    GetHeight,
    SetButtonCursor,
    Paint,
    FillBackground,
    DrawIcon,
    DrawButton,
    Layout,
    HitTest,
    Present,
    Detach,
    DestroyHook,
};
inline constexpr std::int32_t kFrameBoxOperationCount = 35;

// Outline styles: bit 0 rounds the corners, bit 1 adds the inner shadow.
inline constexpr std::int32_t kFrameSquare = 0;
inline constexpr std::int32_t kFrameRounded = 1;
inline constexpr std::int32_t kFrameSquareShadow = 2;
inline constexpr std::int32_t kFrameRoundedShadow = 3;

inline constexpr std::int32_t kNoBackColor = -1;

// One right-hand button, in container coordinates.
struct FrameButton {
    Bytes normalPng;
    Bytes hotPng;
    Bytes pressedPng;
    std::int32_t width = 0;
    std::int32_t height = 0;
    RECT rect{};
    bool hot = false;
    bool pressed = false;
    // Decoded pixels of the three pictures, filled by the first draw.
    DecodedPicture normalPixels;
    DecodedPicture hotPixels;
    DecodedPicture pressedPixels;
};

using FrameClickCallback = std::function<void(std::int32_t button)>;

class FrameBox {
public:
    FrameBox() = default;
    ~FrameBox();
    FrameBox(const FrameBox&) = delete;
    FrameBox& operator=(const FrameBox&) = delete;

    // The container's window procedure: mouse handling of the buttons,
    // painting, and everything else passed on to the procedure it replaced.
    LRESULT WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Bound as the pair callback; does nothing.
    void PairCallback(std::int32_t, std::int32_t) {}
    // 1: dirty := (a = 1); 2: 1 when dirty; 3: Redraw; 5: the packed numbers
    // as one value; 6: unpacks b into the two numbers. Others: 0.
    std::int32_t Notify(std::int32_t code, std::optional<std::int32_t> a = std::nullopt,
                        std::optional<std::int32_t> b = std::nullopt);
    // Binds this box's callbacks into the table entry (default: its own).
    bool BindCallbacks(std::optional<std::int32_t> tableIndex = std::nullopt);
    // Marks dirty and invalidates the container and its visible children.
    void Redraw();
    void SetDirty(bool dirty) { dirty_ = dirty; }
    bool IsDirty() const { return dirty_; }
    void SetContainerHandle(HWND handle) { selfHandle_ = handle; }
    HWND GetContainerHandle() const { return selfHandle_; }
    void SetTableIndex(std::int32_t index) { tableIndex_ = index; }
    std::int32_t GetTableIndex() const { return tableIndex_; }
    void SetPacked(std::int32_t low, std::int32_t high) {
        packedLow_ = low;
        packedHigh_ = high;
    }

    // Wraps the control. Defaults: style 3, outline 0x808080, no background
    // (backColor -1 forces alpha 0); a loaded picture replaces outline and
    // shadow. False when the control is no window or the container cannot be
    // made. A box attached elsewhere is detached first. Does not paint.
    bool Attach(HWND control, std::optional<std::int32_t> style = std::nullopt,
                std::optional<COLORREF> frameColor = std::nullopt, std::optional<std::int32_t> backColor = std::nullopt,
                std::optional<std::int32_t> backAlpha = std::nullopt, const NineSliceFrame* picture = nullptr);
    void SetIcon(const Bytes& png, std::optional<std::int32_t> width = std::nullopt,
                 std::optional<std::int32_t> height = std::nullopt);
    // Inserts a button at the 1-based position (beyond the end: appends).
    void AddButton(const Bytes& normalPng, const Bytes* hotPng = nullptr, const Bytes* pressedPng = nullptr,
                   std::optional<std::int32_t> width = std::nullopt, std::optional<std::int32_t> height = std::nullopt,
                   std::optional<std::int32_t> position = std::nullopt);
    // An empty callback keeps the previous one.
    void SetClickCallback(FrameClickCallback callback);
    void Move(std::optional<std::int32_t> left = std::nullopt, std::optional<std::int32_t> top = std::nullopt,
              std::optional<std::int32_t> width = std::nullopt, std::optional<std::int32_t> height = std::nullopt);
    // Omitted: reports whether the container is visible. Given: shows
    // (without activating) or hides it and returns the argument.
    bool Visible(std::optional<bool> visible = std::nullopt);
    void SetFrameColor(COLORREF color);
    // The container's rectangle in its parent's coordinates.
    std::int32_t GetLeft() const;
    std::int32_t GetTop() const;
    std::int32_t GetBottom() const;
    std::int32_t GetRight() const;
    std::int32_t GetWidth() const;
    std::int32_t GetHeight() const;
    // A cursor file that cannot be loaded keeps the previous cursor.
    void SetButtonCursor(const std::wstring& cursorFile);

    // Renders the backbuffer anew and shows it.
    void Paint();
    void FillBackground(GxGraphics& graphics, const GxPath& path) const;
    void DrawIcon(GxGraphics& graphics);
    // Without a graphics context the button is drawn alone, straight onto
    // the container, over the form background behind it.
    void DrawButton(std::int32_t index, GxGraphics* graphics = nullptr);
    void Layout();
    // The first button whose rectangle holds the point (edges included), else 0.
    std::int32_t HitTest(std::int32_t x, std::int32_t y) const;
    // Shows the backbuffer as last painted (on `dc` when given).
    void Present(HDC dc = nullptr);
    void Detach();

    // The six getters by operation number (GetLeft … GetHeight); nothing
    // for any other number.
    std::optional<std::int32_t> CallGetter(std::int32_t operation) const;

    // State the tests and the engine look at.
    HWND Container() const { return container_; }
    HWND Control() const { return control_; }
    std::int32_t Style() const { return style_; }
    COLORREF FrameColor() const { return frameColor_; }
    std::int32_t BackColor() const { return backColor_; }
    std::int32_t BackAlpha() const { return backAlpha_; }
    bool HasPicture() const { return hasPicture_; }
    std::int32_t HotItem() const { return hotItem_; }
    std::int32_t PressedItem() const { return pressedItem_; }
    HCURSOR ButtonCursor() const { return buttonCursor_.Get(); }
    const std::vector<FrameButton>& Items() const { return items_; }
    const MemorySurface* Backbuffer() const { return backbuffer_.get(); }

private:
    using Getter = std::int32_t (FrameBox::*)() const;
    static constexpr std::int32_t kFirstGetter = static_cast<std::int32_t>(FrameBoxOperation::GetLeft);
    static const std::array<Getter, 6> kGetters;

    RECT ContainerRect() const;
    SIZE ClientSize() const;
    std::int32_t BorderWidthProperty() const;
    void InvalidateVisibleChildren() const;
    void SetHot(std::int32_t index, bool hot);
    std::int32_t HitTestAndSetCursor(LPARAM lParam);
    FrameButton* Button(std::int32_t index);

    void OnPaint();
    void OnMouseMove(LPARAM lParam);
    void OnMouseLeave();
    void OnLeftButtonDown(LPARAM lParam);
    void OnLeftButtonUp();

    HWND selfHandle_ = nullptr;
    bool dirty_ = false;
    std::int32_t tableIndex_ = 0;
    std::int32_t packedLow_ = 0;
    std::int32_t packedHigh_ = 0;
    HWND container_ = nullptr;
    HWND control_ = nullptr;
    std::int32_t style_ = 0;
    COLORREF frameColor_ = 0;
    WNDPROC previousProc_ = nullptr;
    std::int32_t hotItem_ = 0;
    std::int32_t pressedItem_ = 0;
    FrameClickCallback clickCallback_;
    SurfacePtr backbuffer_;
    std::int32_t backColor_ = 0;
    std::int32_t backAlpha_ = 0;
    UniqueCursor buttonCursor_;
    Bytes iconPng_;
    DecodedPicture iconPixels_;
    std::int32_t iconWidth_ = 0;
    std::int32_t iconHeight_ = 0;
    bool hasPicture_ = false;
    NineSliceFrame picture_;
    std::vector<FrameButton> items_;
};

// The one window procedure of every frame box container: it finds the box
// through the container's "Zqk_LbID" and frameBoxTable, and passes messages
// of a container whose box is gone on to the procedure kept in "Zqk_Jgc".
LRESULT CALLBACK FrameBoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace pelorin::skin
