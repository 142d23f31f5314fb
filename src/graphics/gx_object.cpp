#include "graphics/gx_object.h"

namespace pelorin {

int gxLastStatus = 0;

namespace {
// Wrappers are used from the user-interface thread only.
long liveNativeObjects = 0;
}  // namespace

GxObject::~GxObject() { GxObject::Clear(); }

GxObject::GxObject(GxObject&& other) noexcept : nativeHandle_(other.nativeHandle_), release_(other.release_) {
    other.nativeHandle_ = nullptr;
}

GxObject& GxObject::operator=(GxObject&& other) noexcept {
    if (this != &other) {
        GxObject::Clear();
        nativeHandle_ = std::exchange(other.nativeHandle_, nullptr);
        release_ = other.release_;
    }
    return *this;
}

void GxObject::SetNativeHandle(void* handle) noexcept {
    if (handle == nativeHandle_) return;
    Forget();
    nativeHandle_ = handle;
    if (nativeHandle_ && release_) ++liveNativeObjects;
}

void* GxObject::Alloc(std::size_t size) noexcept { return Gdiplus::DllExports::GdipAlloc(size); }

void GxObject::Free(void* block) noexcept { Gdiplus::DllExports::GdipFree(block); }

void GxObject::Attach(void* handle) noexcept {
    if (handle == nativeHandle_) return;
    Clear();
    SetNativeHandle(handle);
}

void* GxObject::Detach() noexcept {
    void* handle = nativeHandle_;
    Forget();
    return handle;
}

long GxObject::LiveCount() noexcept { return liveNativeObjects; }

void GxObject::Clear() noexcept {
    if (!nativeHandle_) return;
    if (release_) release_(nativeHandle_);
    Forget();
}

void GxObject::Forget() noexcept {
    if (nativeHandle_ && release_) --liveNativeObjects;
    nativeHandle_ = nullptr;
}

}  // namespace pelorin
