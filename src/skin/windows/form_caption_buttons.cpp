// The caption-button strip of a skinned form: hit-testing, the hover fades
// (one button fading in while another fades out, eight 20 ms steps each, on
// a timer whose identifier is the window handle), the pressed look and the
// buttons' commands.

#include <utility>

#include "skin/core/skin_registry.h"
#include "skin/windows/form_handlers.h"
#include "skin/windows/frame_render.h"
#include "skin/windows/skinned_form_proc.h"

namespace pelorin::skin {

namespace {

constexpr UINT kFadeTickMs = 20;
constexpr std::int32_t kFadeSteps = 8;
constexpr std::int32_t kOpacityPerStep = 30;  // 30, 60, ... 240 of 255
constexpr std::int32_t kFullOpacity = kFadeSteps * kOpacityPerStep;

// The caption button the left mouse button went down on; one for the whole
// process, since only one window's strip can be under the mouse.
struct CaptionPress {
    HWND window = nullptr;
    std::int32_t button = 0;
};
CaptionPress pressedCaption;

UINT_PTR HoverTimerId(HWND window) { return reinterpret_cast<UINT_PTR>(window); }

bool ValidButton(const FormRecord& form, std::int32_t button) {
    return button >= 1 && button <= static_cast<std::int32_t>(form.captionButtons.size());
}

// Draws the button from the title cache with the overlay (or pressed) and
// copies it to the window.
void DrawButton(const FormContext& c, std::int32_t button, std::int32_t opacity, bool pressed = false) {
    if (!ValidButton(c.form, button) || !c.form.frameBuffer || !c.form.titleCache) return;
    SurfaceCanvas graphics(*c.form.frameBuffer);
    if (graphics) DrawCaptionButton(c.index, button, graphics.Graphics(), false, pressed, opacity);
}

void DrawFadeStep(const FormContext& c, std::int32_t button, std::int32_t opacity) {
    if (captionFadeObserver) captionFadeObserver(c.window, button, opacity);
    DrawButton(c, button, opacity);
}

void EnsureHoverTimer(HWND window) { ::SetTimer(window, HoverTimerId(window), kFadeTickMs, nullptr); }

bool Finished(const CaptionFade& fade) { return fade.button == 0 || fade.step >= kFadeSteps; }

// The leave fade starts at full opacity and falls by one step per tick.
void StartLeaveFade(const FormContext& c, std::int32_t button) {
    FormRecord& f = c.form;
    if (!Finished(f.leaveFade) && f.leaveFade.button != button)
        DrawFadeStep(c, f.leaveFade.button, 0);  // an unfinished fade-out ends in the normal look
    if (f.enterFade.button == button) f.enterFade = {};
    f.leaveFade = {button, 0};
    DrawFadeStep(c, button, kFullOpacity);
    EnsureHoverTimer(c.window);
}

void StartEnterFade(const FormContext& c, std::int32_t button) {
    FormRecord& f = c.form;
    if (f.leaveFade.button == button) f.leaveFade = {};
    f.enterFade = {button, 0};
    EnsureHoverTimer(c.window);
}

void ChangeHotButton(const FormContext& c, std::int32_t hit) {
    FormRecord& f = c.form;
    if (hit == f.hotButton) return;
    if (ValidButton(f, f.hotButton)) StartLeaveFade(c, f.hotButton);
    if (ValidButton(f, hit)) StartEnterFade(c, hit);
    f.hotButton = hit;
    skinDefaults.hotCaptionButton = hit;
}

void SetTooltip(FormRecord& form, std::int32_t button, const wchar_t* text) {
    form.captionButtons[static_cast<std::size_t>(button - 1)].tooltip = text;
    form.tooltip.UpdateTipText(static_cast<UINT_PTR>(button), text);
}

std::int32_t FindMaximizeButton(const FormRecord& form) {
    for (std::size_t i = 0; i < form.captionButtons.size(); ++i)
        if (form.captionButtons[i].kind == kCaptionMaximize) return static_cast<std::int32_t>(i + 1);
    return 0;
}

void ExecuteButton(const FormContext& c, std::int32_t button) {
    FormRecord& f = c.form;
    const CaptionButton& b = f.captionButtons[static_cast<std::size_t>(button - 1)];
    switch (b.kind) {
        case kCaptionClose: ::PostMessageW(c.window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
        case kCaptionMaximize: ToggleMaximize(c); break;
        case kCaptionMinimize:
            f.isMinimized = true;
            ::PostMessageW(c.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        case kCaptionHelp:
            if (f.onHelpButton) f.onHelpButton();
            break;
        case kCaptionMenu:
            if (f.onMenuButton) f.onMenuButton();
            break;
        case kCaptionCustom: {
            // A copy: the handler may change the caption buttons.
            std::function<void()> callback = b.callback;
            if (callback) callback();
            break;
        }
        default: break;
    }
}

}  // namespace

void SetCaptionFadeObserver(CaptionFadeObserver observer) { captionFadeObserver = std::move(observer); }

bool InCaptionStrip(const FormRecord& form, POINT point) {
    const RECT strip{form.captionStripLeft, form.captionStripTop, form.captionStripLeft + form.captionStripWidth,
                     form.captionStripTop + form.captionStripHeight};
    return ::PtInRect(&strip, point) != FALSE;
}

std::int32_t HitCaptionButton(const FormRecord& form, POINT point) {
    if (!form.hasTitleBar) return 0;
    for (std::size_t i = 0; i < form.captionButtons.size(); ++i)
        if (::PtInRect(&form.captionButtons[i].rect, point)) return static_cast<std::int32_t>(i + 1);
    return 0;
}

void OnCaptionMouseMove(const FormContext& c, POINT point) {
    FormRecord& f = c.form;
    if (!f.mouseTracked) {
        TRACKMOUSEEVENT track{sizeof(track), TME_HOVER | TME_LEAVE, c.window, 1};
        ::TrackMouseEvent(&track);
        f.mouseTracked = true;
    }
    if (f.hasTitleBar) {
        if (InCaptionStrip(f, point)) {
            if (!f.hoverTimerOn) EnsureHoverTimer(c.window);
            f.hoverTimerOn = true;
        } else {
            f.hoverTimerOn = false;
        }
    }
    ChangeHotButton(c, HitCaptionButton(f, point));
}

void OnMouseLeave(const FormContext& c) {
    c.form.mouseTracked = false;
    c.form.hoverTimerOn = false;  // outside the window is outside the strip
    ChangeHotButton(c, 0);
}

void OnHoverTimer(const FormContext& c) {
    FormRecord& f = c.form;
    if (f.enterFade.button && f.enterFade.step < kFadeSteps) {
        ++f.enterFade.step;
        DrawFadeStep(c, f.enterFade.button, f.enterFade.step * kOpacityPerStep);
    }
    if (f.leaveFade.button && f.leaveFade.step < kFadeSteps) {
        ++f.leaveFade.step;
        DrawFadeStep(c, f.leaveFade.button, kFullOpacity - f.leaveFade.step * kOpacityPerStep);
    }
    const bool hovering = f.mouseTracked && f.hoverTimerOn;
    if (!hovering && Finished(f.leaveFade) && Finished(f.enterFade)) {
        ::KillTimer(c.window, HoverTimerId(c.window));
        f.hoverTimerOn = false;
        f.hotButton = 0;
        f.enterFade = {};
        f.leaveFade = {};
    }
}

void OnCaptionButtonDown(const FormContext& c, POINT point) {
    const std::int32_t button = HitCaptionButton(c.form, point);
    pressedCaption = {c.window, button};
    if (button) DrawButton(c, button, 0, true);
}

void OnCaptionButtonUp(const FormContext& c, POINT point) {
    const CaptionPress press = std::exchange(pressedCaption, CaptionPress{});
    if (press.window != c.window || press.button == 0) return;
    const std::int32_t button = HitCaptionButton(c.form, point);
    // The pressed look gives way to the hover look (or the normal one).
    DrawButton(c, press.button, press.button == c.form.hotButton ? kFullOpacity : 0);
    if (button == press.button && c.form.hasTitleBar) ExecuteButton(c, button);
}

void ToggleMaximize(const FormContext& c) {
    FormRecord& f = c.form;
    const std::int32_t button = FindMaximizeButton(f);
    f.renderPending = true;
    if (f.isMaximized) {
        f.isMaximized = false;
        f.isMinimized = false;
        if (button) SetTooltip(f, button, L"最大化");
        ::PostMessageW(c.window, WM_SYSCOMMAND, SC_RESTORE, 0);
    } else {
        f.isMaximized = true;
        f.isMinimized = false;
        if (button) SetTooltip(f, button, L"还原");
        ::PostMessageW(c.window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    }
}

void ForgetCaptionState(HWND window) {
    if (pressedCaption.window == window) pressedCaption = {};
}

}  // namespace pelorin::skin
