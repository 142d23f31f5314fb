// Transparent children (WS_EX_TRANSPARENT): they paint themselves, and what
// they painted is written into the form's frameCopy so that the backgrounds
// of the controls around them include it.
#include <windows.h>

#include <string>
#include <unordered_map>

#include "base/handle.h"
#include "skin/core/control_attach.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/windows/child_attach.h"
#include "skin/windows/transparent_children.h"

namespace pelorin::skin {

namespace {

// Each child's own procedure, kept apart from "Hw_hProc" too: a window
// attached later as a container keeps this procedure in that property, and
// the chain must still end at the child's own.
std::unordered_map<HWND, WNDPROC> ownProcs;

LRESULT CallOwn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = ownProcs.find(window);
    WNDPROC own = found != ownProcs.end() ? found->second : GetPreviousProc(window);
    if (own == TransparentChildProc) own = nullptr;
    return own ? ::CallWindowProcW(own, window, message, wParam, lParam)
               : ::DefWindowProcW(window, message, wParam, lParam);
}

bool IsClass(const std::wstring& name, const wchar_t* className) { return ::lstrcmpiW(name.c_str(), className) == 0; }

// Edit boxes draw their own caret and selection. A window the skin has
// subclassed already (it carries its previous procedure: a skinned button,
// list or a second run of this step) keeps its procedure and its record's
// list index.
bool TakesTransparentSkin(HWND child) {
    if (!IsTransparentChild(child) || GetPropValue(child, prop::kPreviousProc) != 0 ||
        GetPropValue(child, prop::kToolbarPreviousProc) != 0)
        return false;
    const std::wstring name = ClassNameOf(child);
    return !IsClass(name, L"Edit") && !IsClass(name, L"RichEdit20A");
}

}  // namespace

void CopyChildPicture(HWND child) {
    RECT client{};
    ::GetClientRect(child, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    // The form index is looked up anew: a child has no list in which a
    // shrinking registry would renumber it.
    SetPropValue(child, prop::kFormIndex, FindAncestorForm(child));
    const HDC surface = BuildControlBackground(child, ClientAreaInWindow(child));
    if (!surface) return;
    if (WindowDc dc(child); dc.Get()) ::BitBlt(surface, 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
    CopyToFrameCopy(child, surface, false, false);
    ReleaseSurface(surface);
}

LRESULT CALLBACK TransparentChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        const LRESULT result = CallOwn(window, message, wParam, lParam);
        ownProcs.erase(window);
        return result;
    }
    const LRESULT result = CallOwn(window, message, wParam, lParam);
    if (message == WM_PAINT && ::IsWindowVisible(window)) CopyChildPicture(window);
    return result;
}

void AttachTransparentChildren(std::int32_t form, HWND parent) {
    if (!AttachesControls(form)) return;
    // Every child, of any class. A transparent child has no record: its list
    // index stays 0.
    ForEachChildOfClass(parent, nullptr, [form](HWND child) {
        if (!TakesTransparentSkin(child)) return;
        SetPropValue(child, prop::kListIndex, 0);
        SetPropValue(child, prop::kFormIndex, form);
        SetPropValue(child, prop::kTextColor, 0);
        SetPropValue(child, prop::kDisabledTextColor, kAttachedDisabledTextColor);
        ownProcs[child] = InstallSkinProc(child, TransparentChildProc);
    });
}

}  // namespace pelorin::skin
