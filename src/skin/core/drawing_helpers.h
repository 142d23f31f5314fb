#pragma once
// Drawing helpers shared by every painter of the skin: colour conversion,
// rounded paths, glow text, control backgrounds taken from the form's rendered
// frame, and the composite copy of the form.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "base/text.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_path.h"
#include "graphics/gx_string_format.h"

namespace pelorin::skin {

struct FormRecord;

// COLORREF (0x00BBGGRR) and alpha to GDI+ ARGB (0xAARRGGBB).
constexpr std::uint32_t ToArgb(COLORREF color, std::uint32_t alpha = 255) {
    return (alpha & 0xFF) << 24 | (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
}

// A closed rounded rectangle; r (the arc box's side) is clamped to 1..100.
void RoundRectPath(GxPath& path, float x, float y, float w, float h, float r);
// The same with whole-pixel arc boxes and an explicit top edge (clip shapes).
void RoundClipPath(GxPath& path, float x, float y, float w, float h, float r);
// Strokes the path n times with pens 1..n pixels wide.
void StrokeGlow(GxGraphics& graphics, const GxPath& path, std::int32_t count, COLORREF color, std::int32_t alpha);

struct GlowTextOptions {
    float blurFactor = 4;
    std::wstring fontName = L"宋体";
    std::int32_t fontStyle = 0;
    float fontSize = 12;
    Gdiplus::StringAlignment horizontalAlign = Gdiplus::StringAlignmentNear;
    Gdiplus::StringAlignment verticalAlign = Gdiplus::StringAlignmentNear;
    bool wrap = true;
    bool trimming = false;
    const GxStringFormat* format = nullptr;  // used as given when set
};
// Text with a blurred halo and a four-way outline in the glow colour.
void DrawGlowText(GxGraphics& graphics, const std::wstring& text, const GxRectF& layout, COLORREF textColor,
                  COLORREF glowColor, const GlowTextOptions& options = {});

// A w x h surface (entered in memoryDcList) holding the form's rendered frame
// behind the window, offset by the rectangle's own left and top, tinted by the
// container's colour where one applies. Released with ReleaseSurface.
HDC BuildControlBackground(HWND window, const RECT& rect, std::optional<std::int32_t> panelInset = std::nullopt,
                           std::optional<std::int32_t> panelCornerSize = std::nullopt);
// Releases a surface of memoryDcList; any other DC is ignored.
void ReleaseSurface(HDC surface);
// Bitmap of the background behind a list box, for its pattern brush; owned by the caller.
HBITMAP BackgroundBitmap(HWND window);
// Writes the surface into the form's composite copy at the window's place,
// leaving out the window's visible opaque children.
void CopyToFrameCopy(HWND window, HDC surface, bool toolbar = false, bool windowRelative = true);

RECT WindowRectInForm(HWND window);
RECT ClientRectInForm(HWND window);
// Form index of the window or of its nearest ancestor that is a form; 0 if none.
std::int32_t FindAncestorForm(HWND window);
std::int32_t FindContainer(std::int32_t form, HWND window);
// On a control's WM_WINDOWPOSCHANGING: its container repaints its background first.
void MarkContainerStale(HWND window);

using PictureSource = std::variant<Bytes, std::wstring>;  // picture bytes or a picture file
COLORREF AverageColor(const PictureSource& picture, std::int32_t samples,
                      std::optional<std::int32_t> rightMargin = std::nullopt,
                      std::optional<std::int32_t> bottomMargin = std::nullopt);
Bytes FadePictureEdges(const PictureSource& picture, std::optional<std::int32_t> fadeWidth, COLORREF color,
                       std::optional<std::int32_t> mode = std::nullopt);

// The client area in window coordinates, assuming equal borders and 17-pixel scroll bars.
RECT ClientAreaInWindow(HWND window);
bool IsTransparentChild(HWND window);
std::wstring ClassNameOf(HWND window);

}  // namespace pelorin::skin
