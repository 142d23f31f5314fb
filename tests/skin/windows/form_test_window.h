#pragma once
// A real top-level test window handed to ApplySkin. Its own (class) window
// procedure becomes the skinned form's previous procedure and records what
// reaches it: the WM_SYSCOMMAND codes and WM_NCLBUTTONDOWN hit codes (both
// swallowed where the platform would start a modal size or move loop), and
// whether the window was ever made layered.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "picture_test_util.h"
#include "skin/windows/apply_skin.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

struct FormMessages {
    std::vector<WPARAM> sysCommands;
    std::vector<WPARAM> nonClientPresses;
    bool becameLayered = false;
    bool destroyed = false;
    // At WM_NCDESTROY the skin procedure had already been taken out.
    bool procedureRestored = false;
    int drawItems = 0;  // WM_DRAWITEM that reached the window's own procedure
};

class SkinnedTestWindow {
public:
    static constexpr int kLeft = 60;
    static constexpr int kTop = 40;
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 537;

    // A visible WS_POPUP window with `extraStyle`, skinned with `settings`.
    // `addChildren` runs before the skin is applied, with the new window.
    explicit SkinnedTestWindow(DWORD extraStyle = 0, skin::SkinSettings settings = DefaultSettings(),
                               const std::function<void(HWND)>& addChildren = nullptr);
    ~SkinnedTestWindow();
    SkinnedTestWindow(const SkinnedTestWindow&) = delete;
    SkinnedTestWindow& operator=(const SkinnedTestWindow&) = delete;

    static skin::SkinSettings DefaultSettings();

    HWND Window() const { return window_; }
    bool Alive() const { return ::IsWindow(window_) != FALSE; }
    std::int32_t FormIndex() const;
    skin::FormRecord& Record() const;
    FormMessages& Messages() { return messages_; }

    // Client point of the centre of caption button `button` (1-based).
    POINT ButtonCentre(std::int32_t button) const;
    // The tooltip text of tool `id` of the form's tooltip.
    std::wstring ToolText(UINT_PTR id) const;

    // WM_MOUSEMOVE / WM_LBUTTONDOWN / WM_LBUTTONUP at a client point, sent
    // as the platform would; MoveTo also puts the real pointer there, so
    // that the mouse tracking the form asks for agrees with the message.
    void MoveTo(POINT client);
    void Press(POINT client);
    void Release(POINT client);
    void Click(POINT client);

    // What the window shows now (client coordinates).
    Pixels ClientPixels() const;

private:
    static LRESULT CALLBACK ClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    FormMessages messages_;
};

// A child window of the given class (0: no text).
HWND AddChild(HWND parent, const wchar_t* className, DWORD style, int x, int y, int w, int h,
              const wchar_t* text = L"");

// A one-colour PNG picture.
Bytes SolidPicture(int width, int height, GxArgb color);

}  // namespace pelorin::test
