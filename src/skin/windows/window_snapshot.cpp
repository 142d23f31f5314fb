// The window snapshot the close animation shrinks and fades.
#include "skin/windows/window_snapshot.h"

#include "base/handle.h"
#include "skin/core/form_record.h"
#include "skin/core/skin_registry.h"

namespace pelorin::skin {

namespace {

// GDI leaves the alpha bytes of a DIB at 0; the layered window reads them
// as per-pixel opacity, so the picture is made opaque.
void MakeOpaque(MemorySurface& surface) {
    std::uint32_t* pixels = surface.Pixels();
    const std::size_t count = static_cast<std::size_t>(surface.Width()) * static_cast<std::size_t>(surface.Height());
    for (std::size_t i = 0; i < count; ++i) pixels[i] |= 0xFF000000u;
}

}  // namespace

SurfacePtr SnapshotWindow(HWND window) {
    RECT bounds{};
    if (!::GetWindowRect(window, &bounds)) return nullptr;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    SurfacePtr snapshot = MemorySurface::Create(width, height);
    if (!snapshot) return nullptr;

    const FormRecord* form = formRegistry.At(FindFormByWindow(window));
    if (form && form->frameCopy && form->frameCopy->Width() == width && form->frameCopy->Height() == height) {
        ::BitBlt(snapshot->Dc(), 0, 0, width, height, form->frameCopy->Dc(), 0, 0, SRCCOPY);
    } else {
        // The frame as the screen shows it, then the client area from the
        // window's own surface, which is right even where the window is covered.
        {
            WindowDc screen(nullptr);
            if (screen.Get())
                ::BitBlt(snapshot->Dc(), 0, 0, width, height, screen.Get(), bounds.left, bounds.top, SRCCOPY);
        }
        RECT client{};
        ::GetClientRect(window, &client);
        POINT origin{0, 0};
        ::ClientToScreen(window, &origin);
        WindowDc own(window);
        if (own.Get())
            ::BitBlt(snapshot->Dc(), origin.x - bounds.left, origin.y - bounds.top, client.right, client.bottom,
                     own.Get(), 0, 0, SRCCOPY);
    }
    MakeOpaque(*snapshot);
    return snapshot;
}

}  // namespace pelorin::skin
