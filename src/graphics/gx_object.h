#pragma once
// Common base of the graphics wrappers. Every wrapper owns at most one native
// GDI+ object; the status of the most recent call that reached GDI+ is kept in
// the process-wide `gxLastStatus`, so painters can omit what failed without
// checking every call.

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstddef>
#include <utility>
#include <vector>

namespace pelorin {

// Status (Gdiplus::Status) of the most recent graphics-layer call; 0 is Ok.
extern int gxLastStatus;

// Calls one flat GDI+ function, records its status and reports success.
// Every pass-through operation of the wrappers is one call of this helper.
template <typename Fn, typename... Args>
bool GxCall(Fn fn, Args&&... args) {
    gxLastStatus = static_cast<int>(fn(std::forward<Args>(args)...));
    return gxLastStatus == Gdiplus::Ok;
}

// Calls a flat GDI+ getter whose last parameter receives the value, records
// the status and returns the value (value-initialised when the call failed).
template <typename T, typename Fn, typename... Args>
T GxGet(Fn fn, Args&&... args) {
    T value{};
    gxLastStatus = static_cast<int>(fn(std::forward<Args>(args)..., &value));
    return value;
}

// Element count of an array argument, as the flat API takes it.
template <typename T>
INT CountOf(const std::vector<T>& items) {
    return static_cast<INT>(items.size());
}

class GxObject {
public:
    GxObject(const GxObject&) = delete;
    GxObject& operator=(const GxObject&) = delete;
    virtual ~GxObject();

    void* GetNativeHandle() const noexcept { return nativeHandle_; }
    // Hands `handle` to this wrapper, which releases it when disposed or
    // destroyed. The object held before is given up, not released: this is
    // the low-level hand-over; creating operations release first (Attach).
    void SetNativeHandle(void* handle) noexcept;
    // GdipAlloc / GdipFree.
    static void* Alloc(std::size_t size) noexcept;
    static void Free(void* block) noexcept;

    bool IsEmpty() const noexcept { return nativeHandle_ == nullptr; }
    // Releases the object held (quietly: gxLastStatus is left alone), then
    // takes ownership of `handle`. Used for every creating operation, so no
    // create, load or clone leaks the object a wrapper held before.
    void Attach(void* handle) noexcept;
    // Gives up ownership without releasing; the caller owns the result.
    void* Detach() noexcept;

    // Number of native objects currently owned by wrappers in this process.
    static long LiveCount() noexcept;

protected:
    // `release` deletes the native object quietly; null for wrappers that
    // never own their object (they are not counted either).
    using ReleaseFn = void (*)(void*) noexcept;
    explicit GxObject(ReleaseFn release) noexcept : release_(release) {}
    GxObject(GxObject&& other) noexcept;
    GxObject& operator=(GxObject&& other) noexcept;

    template <typename T>
    T* Native() const noexcept {
        return static_cast<T*>(nativeHandle_);
    }
    // Releases whatever the wrapper holds without touching gxLastStatus.
    // Images override it to release their memory stream after the image.
    virtual void Clear() noexcept;
    // Calls the class's delete function on the held object, records the
    // status and forgets the handle whatever the outcome.
    template <typename T, typename Fn>
    bool DisposeWith(Fn deleteFn) noexcept {
        const bool ok = GxCall(deleteFn, Native<T>());
        Forget();
        return ok;
    }
    // The common shape of a creating operation: release what is held, call a
    // flat create function whose last parameter receives the new object, and
    // own that object when the call succeeded.
    template <typename NativeT, typename Fn, typename... Args>
    bool CreateWith(Fn createFn, Args&&... args) {
        Clear();
        NativeT* created = nullptr;
        if (!GxCall(createFn, std::forward<Args>(args)..., &created)) return false;
        SetNativeHandle(created);
        return true;
    }
    // Drops the handle without releasing it (it was released elsewhere).
    void Forget() noexcept;

private:
    void* nativeHandle_ = nullptr;
    ReleaseFn release_;
};

}  // namespace pelorin
