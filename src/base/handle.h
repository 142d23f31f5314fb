#pragma once
// One owning, move-only wrapper for every kind of Win32 handle, plus a
// process-wide count of live handles per kind. Wine's GetGuiResources always
// answers 0, so leak tests and benchmarks read these counters instead.

#include <windows.h>

#include <array>
#include <atomic>
#include <utility>

namespace pelorin {

enum class HandleKind {
    GdiObject,  // pens, brushes, bitmaps, fonts, regions
    Dc,         // memory DCs (CreateCompatibleDC)
    Window,
    Icon,
    Cursor,
    Kernel,  // files, events, threads, mappings
    Module,
    Count
};

namespace detail {
inline std::array<std::atomic<long>, static_cast<size_t>(HandleKind::Count)> liveHandles{};
}

// Number of handles of this kind currently owned by a UniqueHandle.
inline long LiveHandleCount(HandleKind kind) {
    return detail::liveHandles[static_cast<size_t>(kind)].load(std::memory_order_relaxed);
}

// Traits: `type`, `kind`, `Invalid()`, `Close(type)`.
template <typename Traits>
class UniqueHandle {
public:
    using Type = typename Traits::type;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Type h) noexcept : h_(h) { Track(+1); }
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.Release()) { Track(+1); }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    Type Get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != Traits::Invalid(); }

    // Gives up ownership without closing.
    Type Release() noexcept {
        Track(-1);
        return std::exchange(h_, Traits::Invalid());
    }
    void Reset(Type h = Traits::Invalid()) noexcept {
        if (h == h_) return;
        if (*this) {
            Track(-1);
            Traits::Close(h_);
        }
        h_ = h;
        Track(+1);
    }

private:
    void Track(long delta) const noexcept {
        if (h_ != Traits::Invalid())
            detail::liveHandles[static_cast<size_t>(Traits::kind)].fetch_add(delta, std::memory_order_relaxed);
    }

    Type h_ = Traits::Invalid();
};

template <typename T, HandleKind K, auto CloseFn>
struct NullInvalidTraits {
    using type = T;
    static constexpr HandleKind kind = K;
    static constexpr T Invalid() noexcept { return nullptr; }
    static void Close(T h) noexcept { CloseFn(h); }
};

struct FileHandleTraits {
    using type = HANDLE;
    static constexpr HandleKind kind = HandleKind::Kernel;
    static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { ::CloseHandle(h); }
};

inline void DeleteGdiObject(HGDIOBJ h) noexcept { ::DeleteObject(h); }

template <typename T>
using UniqueGdiObject = UniqueHandle<NullInvalidTraits<T, HandleKind::GdiObject, DeleteGdiObject>>;

using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueRegion = UniqueGdiObject<HRGN>;
using UniqueMemoryDc = UniqueHandle<NullInvalidTraits<HDC, HandleKind::Dc, ::DeleteDC>>;
using UniqueWindow = UniqueHandle<NullInvalidTraits<HWND, HandleKind::Window, ::DestroyWindow>>;
using UniqueIcon = UniqueHandle<NullInvalidTraits<HICON, HandleKind::Icon, ::DestroyIcon>>;
using UniqueCursor = UniqueHandle<NullInvalidTraits<HCURSOR, HandleKind::Cursor, ::DestroyCursor>>;
using UniqueKernelHandle = UniqueHandle<NullInvalidTraits<HANDLE, HandleKind::Kernel, ::CloseHandle>>;
using UniqueFile = UniqueHandle<FileHandleTraits>;
using UniqueModule = UniqueHandle<NullInvalidTraits<HMODULE, HandleKind::Module, ::FreeLibrary>>;

// GetDC/ReleaseDC for the lifetime of the scope.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const noexcept { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint/EndPaint for the lifetime of the scope.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) noexcept : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
    ~PaintDc() { ::EndPaint(hwnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const noexcept { return dc_; }
    const PAINTSTRUCT& Info() const noexcept { return ps_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// SelectObject into a DC, restoring the previous object when the scope ends.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(::SelectObject(dc, obj)) {}
    ~ScopedSelect() {
        if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace pelorin
