#pragma once
// What every benchmark needs: a high-resolution clock, summaries of timed
// samples (median, p95, worst), message pumps, the plain BitBlt that serves
// as the floor of any painter, the "FAILED" line for a baseline that
// measured nothing, and the hand-made skinned form the painter benchmarks
// draw on.

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/handle.h"
#include "skin/core/control_procs.h"
#include "skin/core/form_record.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace pelorin::bench {

// --- Clock -----------------------------------------------------------------

// The performance counter, in its own ticks.
inline LONGLONG Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now.QuadPart;
}

inline double TicksToMs(LONGLONG ticks) {
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(ticks) * 1000.0 / frequency;
}

inline double MillisecondsSince(const LARGE_INTEGER& start) { return TicksToMs(Now() - start.QuadPart); }

// --- Summaries ---------------------------------------------------------------

struct Stats {
    double median = 0, p95 = 0, worst = 0;
    std::size_t count = 0;  // 0: nothing was measured
};

inline Stats Summarise(std::vector<double> samples) {
    Stats s;
    if (samples.empty()) return s;
    std::sort(samples.begin(), samples.end());
    s.count = samples.size();
    s.median = samples[samples.size() / 2];
    s.p95 = samples[std::min(samples.size() - 1, samples.size() * 95 / 100)];
    s.worst = samples.back();
    return s;
}

// The middle sample (the upper one of an even count); 0 for none.
inline double Median(std::vector<double> samples) { return Summarise(std::move(samples)).median; }

// --- Timing a call -----------------------------------------------------------

namespace detail {
inline Stats TimeCalls(int samples, const std::function<void()>& run, bool flushGdi) {
    run();  // warm caches, fonts and codecs
    std::vector<double> ms;
    for (int i = 0; i < samples; ++i) {
        const LONGLONG start = Now();
        run();
        if (flushGdi) ::GdiFlush();
        ms.push_back(TicksToMs(Now() - start));
    }
    return Summarise(std::move(ms));
}
}  // namespace detail

// Runs `run` once to warm up, then `samples` times, each call timed alone.
inline Stats Time(int samples, const std::function<void()>& run) { return detail::TimeCalls(samples, run, false); }

// As Time, with a GdiFlush inside each timed call, so that batched GDI work
// is paid by the call that queued it.
inline Stats TimeFlushed(int samples, const std::function<void()>& run) {
    return detail::TimeCalls(samples, run, true);
}

// --- Message pumps -----------------------------------------------------------

// Dispatches this thread's messages for `ms` milliseconds (at least one pass,
// even for 0), sleeping `sleepMs` between passes.
inline void PumpFor(DWORD ms, DWORD sleepMs = 1) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    MSG msg;
    do {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::Sleep(sleepMs);
    } while (::GetTickCount64() < end);
}

// Pumps messages until `done()` holds; false when `timeoutMs` passed first.
template <typename Done>
bool PumpUntil(Done done, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    while (!done()) {
        if (::GetTickCount64() > end) return false;
        PumpFor(0);
    }
    return true;
}

// --- The BitBlt baseline -------------------------------------------------------

// Which DC of a window a baseline draws on: its client area (GetDC) or the
// whole window, frame included (GetWindowDC).
enum class DcOf { Client, Window };

// GetDC or GetWindowDC, released when the scope ends.
class ScopedTargetDc {
public:
    ScopedTargetDc(HWND window, DcOf which) noexcept
        : window_(window), dc_(which == DcOf::Window ? ::GetWindowDC(window) : ::GetDC(window)) {}
    ~ScopedTargetDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    ScopedTargetDc(const ScopedTargetDc&) = delete;
    ScopedTargetDc& operator=(const ScopedTargetDc&) = delete;
    HDC Get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A BitBlt of `width` x `height` from `source` onto a DC got for every call
// (and released before the flush): what any painter of that window pays at
// least.
inline Stats TimeBlitOnto(int samples, HWND window, DcOf which, HDC source, int width, int height) {
    return Time(samples, [=] {
        {
            ScopedTargetDc target(window, which);
            ::BitBlt(target.Get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
        }
        ::GdiFlush();
    });
}

// The same onto a DC held across the calls.
inline Stats TimeBlitOnto(int samples, HDC target, HDC source, int width, int height) {
    return Time(samples, [=] {
        ::BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
        ::GdiFlush();
    });
}

// --- Reporting -----------------------------------------------------------------

// True when every baseline measured something; otherwise prints
// "FAILED: <failure>" on `out` and gives false (the run then exits with 1).
inline bool BaselinesRan(std::initializer_list<const Stats*> baselines, const char* failure, std::FILE* out = stdout) {
    for (const Stats* baseline : baselines) {
        if (baseline->count == 0) {
            std::fprintf(out, "FAILED: %s\n", failure);
            return false;
        }
    }
    return true;
}

// One table row: the measured median and worst, then the baseline's and the
// ratio of the medians, or dashes when the row has no baseline.
inline void PrintRow(int labelWidth, const std::string& what, const Stats& measured, const Stats* baseline) {
    std::printf("| %-*s | %7.3f | %7.3f |", labelWidth, what.c_str(), measured.median, measured.worst);
    if (baseline)
        std::printf(" %7.3f | %7.3f | %6.1fx |\n", baseline->median, baseline->worst,
                    measured.median / std::max(baseline->median, 1e-6));
    else
        std::printf(" %7s | %7s | %7s |\n", "-", "-", "");
}

// The rule under a table's heading: "|----|------|", each column `width` dashes.
inline void PrintRule(std::initializer_list<int> widths) {
    std::string line = "|";
    for (int width : widths) line += std::string(static_cast<std::size_t>(width), '-') + "|";
    std::printf("%s\n", line.c_str());
}

// --- The painters' form ----------------------------------------------------------

// The bench forms' own procedure: push buttons the platform asks the form to
// draw are painted by the skin; the background is the frame's, and a paint
// only validates (the painters under measurement draw themselves).
inline LRESULT CALLBACK BenchFormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            skin::PaintPushButton(item->hwndItem, item->hDC, item->itemState, item->rcItem);
            return TRUE;
        }
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PaintDc paint(window);
            return 0;
        }
        default: return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

struct BenchFormOptions {
    const wchar_t* title = L"bench";
    int left = 50;
    int top = 50;
    int width = 0;
    int height = 0;
    DWORD style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    DWORD exStyle = 0;
    // A rendered frame (and a composite copy) of a grey gradient; without
    // one the bench renders the frame itself.
    bool gradientFrame = true;
};

// A visible top-level window with a form record made by hand, as the attach
// steps would leave it, so that a painter is measured without the skinned
// form procedure around it. The bench fills in the record and registers its
// controls with Register.
struct SkinnedBenchForm {
    HWND window = nullptr;
    std::int32_t index = 0;

    bool Create(const BenchFormOptions& options) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = BenchFormProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"PelorinBenchForm";
        ::RegisterClassExW(&wc);  // fails harmlessly when already registered
        window = ::CreateWindowExW(options.exStyle, wc.lpszClassName, options.title, options.style, options.left,
                                   options.top, options.width, options.height, nullptr, nullptr, wc.hInstance, nullptr);
        if (!window) return false;
        auto record = std::make_unique<skin::FormRecord>();
        record->window = window;
        if (options.gradientFrame) {
            record->frameBuffer = skin::MemorySurface::Create(options.width, options.height);
            record->frameCopy = skin::MemorySurface::Create(options.width, options.height);
            if (!record->frameBuffer || !record->frameCopy) return false;
            for (int y = 0; y < options.height; ++y)
                for (int x = 0; x < options.width; ++x) {
                    const std::uint32_t v = 40 + (x + 2 * y) % 160;
                    record->frameBuffer->Pixels()[y * options.width + x] = 0xFF000000u | v << 16 | v << 8 | v;
                }
        }
        index = skin::formRegistry.Append(std::move(record));
        skin::SetPropValue(window, skin::prop::kListIndex, index);
        return true;
    }

    skin::FormRecord& Record() const { return skin::formRegistry[index]; }

    // A visible child of the form (or of `parent`).
    HWND AddChild(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle, int x, int y, int w, int h,
                  HWND parent = nullptr, int id = 0) const {
        return ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                 parent ? parent : window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleW(nullptr), nullptr);
    }

    // The properties a taken control carries, then its skin procedure.
    void Register(HWND control, std::int32_t list, WNDPROC procedure) const {
        skin::SetPropValue(control, skin::prop::kFormIndex, index);
        skin::SetPropValue(control, skin::prop::kListIndex, list);
        skin::SetPropValue(control, skin::prop::kPreviousProc, ::GetWindowLongPtrW(control, GWLP_WNDPROC));
        skin::Subclass(control, procedure);
    }
};

}  // namespace pelorin::bench
