#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "graphics/gx_brushes.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/control_procs.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/slider_pictures.h"

namespace pelorin::skin {

namespace {

// A rectangle in the slider's own axes: `along` the channel and `across` it.
// A horizontal slider's along is x; a vertical one swaps the axes, so one
// drawing routine serves both.
struct AxisRect {
    int along = 0;
    int across = 0;
    int length = 0;
    int thickness = 0;
};

class Axes {
public:
    explicit Axes(bool vertical) : vertical_(vertical) {}

    AxisRect From(const RECT& r) const {
        return vertical_ ? AxisRect{r.top, r.left, Height(r), Width(r)} : AxisRect{r.left, r.top, Width(r), Height(r)};
    }
    // x, y, width, height in window pixels.
    GxRect To(const AxisRect& a) const {
        return vertical_ ? GxRect(a.across, a.along, a.thickness, a.length)
                         : GxRect(a.along, a.across, a.length, a.thickness);
    }
    GxPointF Point(float along, float across) const {
        return vertical_ ? GxPointF(across, along) : GxPointF(along, across);
    }
    // The picture's extent across the channel.
    int Thickness(PictureSize size) const { return vertical_ ? size.width : size.height; }
    int Length(PictureSize size) const { return vertical_ ? size.height : size.width; }

private:
    bool vertical_;
};

struct SliderState {
    int position = 0;
    int minimum = 0;
    int maximum = 0;
    RECT channel{};
    RECT thumb{};
    int selectionStart = 0;
    int selectionEnd = 0;
};

SliderState ReadState(const SliderRecord& slider) {
    SliderState s;
    HWND w = slider.window;
    s.position = static_cast<int>(::SendMessageW(w, TBM_GETPOS, 0, 0));
    s.minimum = static_cast<int>(::SendMessageW(w, TBM_GETRANGEMIN, 0, 0));
    s.maximum = static_cast<int>(::SendMessageW(w, TBM_GETRANGEMAX, 0, 0));
    ::SendMessageW(w, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&s.channel));
    ::SendMessageW(w, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&s.thumb));
    if (slider.selectionRange && !slider.hasPictures) {
        s.selectionStart = static_cast<int>(::SendMessageW(w, TBM_GETSELSTART, 0, 0));
        s.selectionEnd = static_cast<int>(::SendMessageW(w, TBM_GETSELEND, 0, 0));
    }
    return s;
}

// The soft rounded panel behind the whole slider.
void DrawChannelOutline(GxGraphics& g, bool vertical, int w, int h) {
    const GxPath outline = RoundedPath(0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1), 5);
    StrokePath(g, outline, ToArgb(kBlack, 30));
    const GxPath panel = RoundedPath(1, 1, static_cast<float>(w - 2), static_cast<float>(h - 2), 3);
    const GxPointF end = vertical ? GxPointF(static_cast<float>(w - 1), 0) : GxPointF(0, static_cast<float>(h - 1));
    FillPathGradient(g, panel, {0, 0}, end, ToArgb(kWhite, 160), ToArgb(kBlack, 30));
}

// The channel or its filled part: `length` along the channel, centred across
// it at the picture's thickness.
AxisRect PictureChannelRect(const SliderRecord& slider, const Axes& axes, const AxisRect& channel, int length,
                            const NineSliceFrame& frame) {
    AxisRect r{channel.along, channel.across, length, channel.thickness};
    if (slider.selectionRange) {
        r.across += (r.thickness - 4) / 2;
        r.thickness = 4;
    }
    const int picture = axes.Thickness(slider.hot ? frame.GetHotSize() : frame.GetNormalSize());
    r.across += (r.thickness - picture) / 2;
    if (r.thickness < picture) r.thickness = picture;
    return r;
}

void DrawFrameClipped(GxGraphics& g, NineSliceFrame& frame, const GxRect& bounds, bool hot) {
    frame.SetBounds(bounds.X, bounds.Y, bounds.Width, bounds.Height);
    g.SetClipRectI(bounds.X, bounds.Y, bounds.Width, bounds.Height);
    hot ? frame.DrawHot(g) : frame.DrawNormal(g);
    g.ResetClip();
}

void DrawWithPictures(GxGraphics& g, SliderRecord& slider, const SliderState& s) {
    const Axes axes(slider.vertical);
    const AxisRect channel = axes.From(s.channel);
    const AxisRect thumb = axes.From(s.thumb);

    DrawFrameClipped(g, slider.channelFrame,
                     axes.To(PictureChannelRect(slider, axes, channel, channel.length, slider.channelFrame)),
                     slider.hot);

    // At the maximum the filled part reaches the channel's end, not only the
    // thumb's centre.
    const int filledLength = s.position == s.maximum ? channel.length : thumb.along - channel.along + thumb.length / 2;
    DrawFrameClipped(g, slider.filledFrame,
                     axes.To(PictureChannelRect(slider, axes, channel, filledLength, slider.filledFrame)), slider.hot);

    const PictureSize size = slider.hot ? slider.thumbFrame.GetHotSize() : slider.thumbFrame.GetNormalSize();
    const AxisRect bounds{thumb.along + ((thumb.length - axes.Length(size)) + 1) / 2 - 1,
                          thumb.across + (thumb.thickness - axes.Thickness(size)) / 2, thumb.length, thumb.thickness};
    const GxRect b = axes.To(bounds);
    slider.thumbFrame.SetBounds(b.X, b.Y, b.Width, b.Height);
    slider.hot ? slider.thumbFrame.DrawHot(g) : slider.thumbFrame.DrawNormal(g);
}

void FillAndOutlineBand(GxGraphics& g, const Axes& axes, const AxisRect& band, std::uint32_t outline,
                        std::uint32_t fill) {
    if (band.length <= 0) return;
    const GxRect r = axes.To(band);
    const GxPath path = RectanglePath(static_cast<float>(r.X), static_cast<float>(r.Y), static_cast<float>(r.Width),
                                      static_cast<float>(r.Height));
    StrokePath(g, path, outline);
    FillPathSolid(g, path, fill);
}

void DrawVectorLook(GxGraphics& g, const SliderRecord& slider, const SliderState& s) {
    const Axes axes(slider.vertical);
    const AxisRect channel = axes.From(s.channel);
    const AxisRect thumb = axes.From(s.thumb);

    // The 4-pixel bar, centred across the channel.
    const AxisRect bar{channel.along, channel.across + (channel.thickness - 4) / 2, channel.length, 4};
    const GxRect barRect = axes.To(bar);
    const GxPath barPath = RoundedPath(static_cast<float>(barRect.X), static_cast<float>(barRect.Y),
                                       static_cast<float>(barRect.Width), static_cast<float>(barRect.Height), 1);
    FillPathSolid(g, barPath, ToArgb(kWhite, 200));
    FillPathGradient(g, barPath, axes.Point(static_cast<float>(bar.along), static_cast<float>(bar.across)),
                     axes.Point(static_cast<float>(bar.along), static_cast<float>(bar.across + bar.thickness)),
                     ToArgb(kBlack, 80), ToArgb(kBlack, 60));
    StrokePath(g, barPath, ToArgb(kBlack, 80));

    // The selection band lies where the selection lies in the range; an
    // empty range has no place for it.
    const int range = s.maximum - s.minimum;
    if (slider.selectionRange && range > 0 && s.selectionEnd > s.selectionStart) {
        const int start = channel.along + (s.selectionStart - s.minimum) * channel.length / range;
        const int length = (s.selectionEnd - s.selectionStart) * channel.length / range;
        FillAndOutlineBand(g, axes, {start, bar.across + 1, length, 2}, ToArgb(kWhite, 150), ToArgb(kWhite, 200));
    }

    // The filled band up to the thumb; at the maximum it is lengthened to the
    // channel's end, but never past it.
    int filled = (thumb.along - channel.along - 1) + (thumb.length - 6) / 2;
    if (s.position == s.maximum) filled += 10;
    filled = std::clamp(filled, 0, std::max(0, channel.length - 2));
    FillAndOutlineBand(g, axes, {channel.along + 1, bar.across + 1, filled, 2}, ToArgb(skinDefaults.themeColor, 200),
                       ToArgb(skinDefaults.themeColor, 200));

    const int d = slider.hot ? 12 : 10;
    int along = thumb.along + (thumb.length - d) / 2;
    const int across = channel.across + (channel.thickness - 4) / 2 - d / 2 + 2 + (slider.tickPlacement == 2 ? 1 : 0);
    if (thumb.along + thumb.length >= channel.along + channel.length) along = channel.along + channel.length - d + 1;
    if (thumb.along <= channel.along) along = channel.along;
    const GxRect circle = axes.To({along, across, d, d});
    GxPath knob;
    if (!knob.Create()) return;
    knob.AddEllipse(static_cast<float>(circle.X), static_cast<float>(circle.Y), static_cast<float>(circle.Width),
                    static_cast<float>(circle.Height));
    FillPathSolid(g, knob, ToArgb(kWhite, 255));
    GxPathGradientBrush shine;
    if (shine.CreateFromPath(knob)) {
        shine.SetCenterColor(ToArgb(kWhite, 255));
        std::vector<GxArgb> rim{ToArgb(0x00808080, 100)};
        int count = 1;
        shine.SetSurroundColorsWithCount(rim, count);
        g.FillPath(shine, knob);
    }
    StrokePath(g, knob, ToArgb(kBlack, 80));
}

}  // namespace

bool LoadSliderPictures(SliderRecord& slider, const Bytes& thumb, const Bytes& channel, const Bytes& filled,
                        const Bytes* thumbHot, const Bytes* channelHot, const Bytes* filledHot) {
    const bool loaded = slider.thumbFrame.Load(thumb, thumbHot) && slider.channelFrame.Load(channel, channelHot) &&
                        slider.filledFrame.Load(filled, filledHot);
    slider.hasPictures = loaded;
    return loaded;
}

void PaintSlider(std::int32_t form, std::int32_t slider) {
    FormRecord* record = formRegistry.At(form);
    SliderRecord* s = record ? record->sliders.At(slider) : nullptr;
    if (!s || !s->window) return;
    const SIZE size = WindowSize(s->window);
    if (size.cx <= 0 || size.cy <= 0) return;
    const SliderState state = ReadState(*s);

    HDC surface = BuildControlBackground(s->window, RECT{0, 0, size.cx, size.cy});
    if (!surface) return;
    {
        SurfaceCanvas canvas(surface);
        if (canvas) {
            GxGraphics& g = canvas.Graphics();
            g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
            g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBilinear);
            if (skinDefaults.channelOutline) DrawChannelOutline(g, s->vertical, size.cx, size.cy);
            if (s->hasPictures)
                DrawWithPictures(g, *s, state);
            else
                DrawVectorLook(g, *s, state);
        }
    }
    CopyToFrameCopy(s->window, surface);
    BlitToWindow(s->window, surface, size.cx, size.cy);
    ReleaseSurface(surface);
}

}  // namespace pelorin::skin
