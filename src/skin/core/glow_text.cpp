// Text with a soft halo: the text is drawn in the glow colour, shrunk and grown
// back (the scaling blurs it), drawn under a faint four-way outline and the
// text itself.
#include <algorithm>

#include "graphics/gx_bitmap.h"
#include "graphics/gx_brushes.h"
#include "graphics/gx_font.h"
#include "skin/core/drawing_helpers.h"

namespace pelorin::skin {

namespace {

constexpr int kFlagNoWrap = 0x1000;     // StringFormatFlagsNoWrap
constexpr int kFlagLineLimit = 0x2000;  // StringFormatFlagsLineLimit
constexpr std::uint32_t kOutlineAlpha = 60;
constexpr std::uint32_t kTextAlpha = 254;

void BuildFormat(GxStringFormat& format, const GlowTextOptions& options) {
    format.Create(options.wrap ? kFlagLineLimit : (kFlagNoWrap | kFlagLineLimit));
    if (options.trimming) format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    format.SetAlign(options.horizontalAlign);
    format.SetLineAlign(options.verticalAlign);
}

// The named face, or the generic sans-serif face when it is not installed, so
// that a caption never disappears for want of a font.
bool BuildFont(GxFont& font, const GlowTextOptions& options) {
    if (font.CreateFontByName(options.fontName, options.fontSize, options.fontStyle, Gdiplus::UnitPixel)) return true;
    GxFontFamily family;
    return family.GetGenericSansSerif() && font.Create(family, options.fontSize, options.fontStyle, Gdiplus::UnitPixel);
}

void SetScalingQuality(GxGraphics& graphics) {
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
}

// Draws `source` scaled into a fresh width x height bitmap at `destination`.
bool ScaleInto(const GxBitmap& source, GxBitmap& target, int width, int height, const GxRectF& destination) {
    if (!target.Create(width, height)) return false;
    GxGraphics graphics;
    if (!graphics.CreateFromImage(target)) return false;
    SetScalingQuality(graphics);
    return graphics.DrawImageRect(source, destination.X, destination.Y, destination.Width, destination.Height);
}

}  // namespace

void DrawGlowText(GxGraphics& graphics, const std::wstring& text, const GxRectF& layout, COLORREF textColor,
                  COLORREF glowColor, const GlowTextOptions& options) {
    const int width = static_cast<int>(layout.Width);
    const int height = static_cast<int>(layout.Height);
    if (width <= 0 || height <= 0 || text.empty()) return;

    GxStringFormat ownFormat;
    if (!options.format) BuildFormat(ownFormat, options);
    const GxStringFormat& format = options.format ? *options.format : ownFormat;
    GxFont font;
    if (!BuildFont(font, options)) return;

    GxBitmap glow;
    if (glow.Create(width, height)) {
        GxGraphics glowGraphics;
        GxSolidBrush glowBrush;
        if (glowGraphics.CreateFromImage(glow) && glowBrush.Create(ToArgb(glowColor)))
            glowGraphics.DrawString(text, font, glowBrush, GxRectF(0, 0, layout.Width, layout.Height), format);
        // A blur factor below one (or one so large that nothing is left) must
        // not ask for an empty bitmap: the small copy keeps at least one pixel.
        const float blur = options.blurFactor > 0 ? options.blurFactor : 1.0f;
        const int smallWidth = std::max(1, static_cast<int>(width / blur));
        const int smallHeight = std::max(1, static_cast<int>(height / blur));
        GxBitmap shrunk;
        GxBitmap halo;
        if (ScaleInto(glow, shrunk, smallWidth, smallHeight,
                      GxRectF(0, 0, static_cast<float>(smallWidth), static_cast<float>(smallHeight))) &&
            ScaleInto(shrunk, halo, width, height,
                      GxRectF(1, 1, static_cast<float>(width), static_cast<float>(height))))
            graphics.DrawImageRect(halo, layout.X, layout.Y, static_cast<float>(width), static_cast<float>(height));
    }

    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAliasGridFit);
    GxSolidBrush outline;
    if (outline.Create(ToArgb(glowColor, kOutlineAlpha))) {
        static constexpr float kOffsets[4][2] = {{0, 1}, {2, 1}, {1, 0}, {1, 2}};
        for (const auto& offset : kOffsets)
            graphics.DrawString(text, font, outline,
                                GxRectF(layout.X + offset[0], layout.Y + offset[1], layout.Width, layout.Height),
                                format);
    }
    GxSolidBrush face;
    if (face.Create(ToArgb(textColor, kTextAlpha)))
        graphics.DrawString(text, font, face, GxRectF(layout.X + 1, layout.Y + 1, layout.Width, layout.Height), format);
}

}  // namespace pelorin::skin
