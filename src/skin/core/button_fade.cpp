#include "skin/core/button_fade.h"

#include <algorithm>

#include "skin/core/control_procs.h"
#include "skin/core/skin_registry.h"

namespace pelorin::skin {

namespace {

// The surface behind `dc`: moved out of memoryDcList when it is one of its
// surfaces, so the fade becomes its only owner; otherwise a private copy of
// the w x h block, so the fade never depends on a DC someone else releases.
SurfacePtr TakeSurface(HDC dc, int width, int height) {
    const auto found = std::find_if(memoryDcList.begin(), memoryDcList.end(),
                                    [dc](const SurfacePtr& surface) { return surface && surface->Dc() == dc; });
    if (found != memoryDcList.end()) {
        SurfacePtr surface = std::move(*found);
        memoryDcList.erase(found);
        return surface;
    }
    SurfacePtr copy = MemorySurface::Create(width, height);
    if (copy && dc) ::BitBlt(copy->Dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    return copy;
}

auto FindFade(UINT_PTR timerId) {
    return std::find_if(fadeList.begin(), fadeList.end(),
                        [timerId](const std::unique_ptr<FadeEntry>& entry) { return entry->timerId == timerId; });
}

// Kills the timer; the entry's destructor releases the DC and the surface.
void EndFade(std::vector<std::unique_ptr<FadeEntry>>::iterator entry) {
    if ((*entry)->timerId) ::KillTimer(nullptr, (*entry)->timerId);
    fadeList.erase(entry);
}

void Blend(const FadeEntry& entry, std::int32_t alpha) {
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha), 0};
    ::GdiAlphaBlend(entry.targetDc.Get(), entry.x, entry.y, entry.width, entry.height, entry.source->Dc(),
                    entry.sourceX, entry.sourceY, entry.width, entry.height, blend);
}

void CALLBACK OnFadeTimer(HWND, UINT, UINT_PTR timerId, DWORD) {
    const auto found = FindFade(timerId);
    if (found == fadeList.end()) {
        ::KillTimer(nullptr, timerId);  // a timer whose fade is gone
        return;
    }
    FadeEntry& entry = **found;
    // A window destroyed behind the fade's back: its DC is stale.
    if (!::IsWindow(entry.targetWindow)) {
        EndFade(found);
        return;
    }
    entry.step += 1;
    const std::int32_t alpha = entry.step * kFadeAlphaPerStep;
    Blend(entry, alpha);
    const HWND window = entry.targetWindow;
    if (entry.step >= kFadeLastStep) EndFade(found);
    if (fadeBlendObserver) fadeBlendObserver(window, alpha);
}

}  // namespace

void StartFade(HWND window, const RECT& destination, HDC sourceSurface) {
    const int width = destination.right - destination.left;
    const int height = destination.bottom - destination.top;
    auto entry = std::make_unique<FadeEntry>(window);
    entry->source = TakeSurface(sourceSurface, width, height);
    if (!entry->targetDc.Get() || !entry->source || width <= 0 || height <= 0) return;
    entry->x = destination.left;
    entry->y = destination.top;
    entry->width = width;
    entry->height = height;
    entry->timerId = ::SetTimer(nullptr, 0, kFadeIntervalMs, OnFadeTimer);
    if (!entry->timerId) return;
    fadeList.push_back(std::move(entry));
}

void CancelFades() {
    for (const auto& entry : fadeList)
        if (entry->timerId) ::KillTimer(nullptr, entry->timerId);
    fadeList.clear();
}

void StopFadesFor(HWND paintedWindow) {
    for (const auto& entry : fadeList)
        if (entry->targetWindow != paintedWindow && ::IsWindow(entry->targetWindow))
            Blend(*entry, kFadeLastStep * kFadeAlphaPerStep);
    CancelFades();
}

void EndFadesOf(HWND window) {
    for (auto entry = fadeList.begin(); entry != fadeList.end();) {
        if ((*entry)->targetWindow == window) {
            if ((*entry)->timerId) ::KillTimer(nullptr, (*entry)->timerId);
            entry = fadeList.erase(entry);
        } else {
            ++entry;
        }
    }
}

}  // namespace pelorin::skin
