#pragma once
// A standard tooltip control ("tooltips_class32") serving one owner window. The
// skin gives every skinned window with a title bar one of these, with one tool
// per caption button, identified by the button's 1-based position.

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "base/handle.h"

namespace pelorin {

class TipWindow {
public:
    // The width a tip's text wraps at, in pixels.
    static constexpr int kMaxTipWidth = 600;

    TipWindow() = default;
    TipWindow(TipWindow&&) noexcept = default;
    TipWindow& operator=(TipWindow&&) noexcept = default;
    TipWindow(const TipWindow&) = delete;
    TipWindow& operator=(const TipWindow&) = delete;
    ~TipWindow() = default;  // destroys the tooltip window it owns

    // Creates the tooltip for `owner` (replacing one made before) and limits
    // its width to kMaxTipWidth. Without a parent: the owner's tools are watched
    // by subclassing (TTF_SUBCLASS), not by parenthood.
    void Create(HWND owner, bool balloon = false);

    // Adds a tool over `rect` (owner client coordinates), or over the owner's
    // whole client area of this moment when no rectangle is given.
    void AddTool(const std::optional<RECT>& rect, const std::wstring& text, UINT_PTR id);
    // Adds a tool whose text the control asks the owner for (TTN_GETDISPINFO).
    void AddCallbackTool(const RECT& rect, UINT_PTR id);
    void SetTipBackColor(COLORREF colour);
    void SetTipTextColor(COLORREF colour);
    void SetMaxTipWidth(int width);
    void DeleteTool(UINT_PTR id);
    int GetToolCount() const;
    void SetToolRect(UINT_PTR id, const RECT& rect);
    void UpdateTipText(UINT_PTR id, const std::wstring& text);
    HWND GetTipHandle() const { return tip_.Get(); }

private:
    TOOLINFOW ToolRecord(UINT_PTR id) const;
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

    UniqueWindow tip_;
    HWND owner_ = nullptr;
};

}  // namespace pelorin
