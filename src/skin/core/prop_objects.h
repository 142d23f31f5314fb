#pragma once
// GDI objects owned by a window property: the property is the object's only
// handle (a list box's background brush lives from one WM_CTLCOLORLISTBOX to
// the next), so the object is given to the property and freed through it.

#include <windows.h>

#include <utility>

#include "base/handle.h"
#include "skin/core/window_props.h"

namespace pelorin::skin {

// Deletes the GDI object the property holds, if any, and clears the property.
inline void DeletePropObject(HWND window, const wchar_t* name) {
    const UniqueGdiObject<HGDIOBJ> held(reinterpret_cast<HGDIOBJ>(GetPropValue(window, name)));
    if (held) SetPropValue(window, name, 0);
}

// Hands `object` to the property, deleting the one it held before; returns
// the handle the property now owns.
template <typename T>
T GiveToProp(HWND window, const wchar_t* name, UniqueGdiObject<T> object) {
    DeletePropObject(window, name);
    const T kept = object.Release();
    SetPropValue(window, name, reinterpret_cast<std::intptr_t>(kept));
    return kept;
}

// The background brush of a list box or edit box and its bitmap. Not for
// toolbars: their "Kj_wtjb" holds their image list, which they do not own.
inline void DeleteBackgroundBrush(HWND window) {
    DeletePropObject(window, prop::kBackgroundBrush);
    DeletePropObject(window, prop::kBackgroundBitmap);
}

}  // namespace pelorin::skin
