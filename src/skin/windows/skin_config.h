#pragma once
// The calls an application makes after the skin has been applied to a
// window: its close animation, the skin-wide theme, extra caption buttons,
// text colours of buttons and check boxes, slider pictures, and refreshing a
// skinned control. The setters answer 1 when they did their work and 0 when
// the window is not one the skin knows (nothing changes then).

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "base/text.h"

namespace pelorin::skin {

// The theme-colour argument that makes the theme follow the background colour.
inline constexpr COLORREF kThemeFollowsBackground = 0xFFFFFFFF;
inline constexpr COLORREF kDefaultThemeColor = 0x00DDCA22;
inline constexpr std::int32_t kDefaultSkinPictureMode = 4;

// Variants 1..9 play on close; any other value closes at once.
std::int32_t SetCloseAnimation(HWND window, std::int32_t variant);

struct SkinTheme {
    std::optional<std::wstring> picturePath{};
    std::optional<Bytes> pictureData{};
    std::optional<COLORREF> backgroundColor{};
    std::optional<COLORREF> themeColor{};       // kThemeFollowsBackground: the background colour; omitted: the default
    std::optional<std::int32_t> pictureMode{};  // default 4
};
// Sets the skin-wide theme and, when the background changed, renders every
// visible form again.
void SetSkinTheme(const SkinTheme& theme);

// A 26 x 18 application button at the left end of the caption strip.
std::int32_t AddCaptionButton(HWND window, const Bytes& picture, const std::wstring& tooltip,
                              std::function<void()> onClick);

inline constexpr COLORREF kDefaultHotTextColor = 0x00FFFFFF;
// Text colour ("Kj_Ztys") and glow colour of a skinned push button, check
// box or radio button.
std::int32_t SetControlTextColors(HWND control, std::optional<COLORREF> textColor = std::nullopt,
                                  std::optional<COLORREF> hotTextColor = std::nullopt);

// One of a slider's pictures and its hot variant (the normal one when none).
struct SliderPicture {
    Bytes picture;
    std::optional<Bytes> hotPicture;
};
std::int32_t SetSliderPictures(HWND slider, const SliderPicture& thumb, const SliderPicture& channel,
                               const SliderPicture& filled);

// Marks the control's cached background stale (containers, toolbars, labels,
// boxed controls) and repaints it, with its visible children when asked.
void RefreshSkinnedControl(HWND window, bool children = false);

}  // namespace pelorin::skin
