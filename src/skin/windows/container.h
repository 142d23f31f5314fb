#pragma once
// Containers: group boxes, tab controls and other windows that hold skinned
// controls. The skin attaches every child inside with the form's attach
// steps and draws the container itself over the form background.

#include <windows.h>

#include <cstdint>
#include <optional>

namespace pelorin::skin {

// AttachContainer's four optional settings; the comment beside each gives
// the value used when it is left out.
struct ContainerSettings {
    std::optional<bool> selfPainted;         // 1; group boxes and tab controls always paint themselves
    std::optional<COLORREF> tint;            // 0 = no tint (settingB)
    std::optional<std::uint8_t> panelAlpha;  // 255
    std::optional<std::int32_t> drawPanel;   // 0
};

// Takes the container over; does nothing when its top-level window is not a
// skinned form or when it is attached already.
void AttachContainer(HWND container, const ContainerSettings& settings = {});

LRESULT CALLBACK ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the container of the form's `containers` list into its surface, the
// form's frameCopy and, when given, `target` (else a DC of the window); the
// window's visible children are left out.
void DrawContainer(std::int32_t form, std::int32_t container, HDC target = nullptr);

// Where a group box's caption of width `textWidth` starts in a box `width`
// wide, by the box's alignment style bits.
float GroupCaptionLeft(LONG_PTR style, float width, float textWidth);

}  // namespace pelorin::skin
