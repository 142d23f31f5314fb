#include "graphics/gx_effect.h"

#include <algorithm>
#include <utility>

#include "graphics/gx_guid.h"
#include "graphics/gx_late_bound.h"
#include "graphics/gx_wine_stubs.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

using DeleteEffectFn = decltype(&GdipDeleteEffect);

void ReleaseEffect(void* effect) noexcept {
    if (auto deleteEffect = GxLateBound<DeleteEffectFn>("GdipDeleteEffect"))
        deleteEffect(static_cast<CGpEffect*>(effect));
}

}  // namespace

GxEffect::GxEffect() noexcept : GxObject(&ReleaseEffect) {}

GxEffect::GxEffect(GxEffect&& other) noexcept
    : GxObject(std::move(other)),
      auxData_(std::exchange(other.auxData_, nullptr)),
      auxDataSize_(std::exchange(other.auxDataSize_, 0)) {}

GxEffect& GxEffect::operator=(GxEffect&& other) noexcept {
    if (this != &other) {
        GxObject::operator=(std::move(other));
        TakeAuxData(std::exchange(other.auxData_, nullptr), std::exchange(other.auxDataSize_, 0));
    }
    return *this;
}

GxEffect::~GxEffect() { TakeAuxData(nullptr, 0); }

bool GxEffect::Dispose() {
    const bool ok = GxCallLateBound(GxLateBound<DeleteEffectFn>("GdipDeleteEffect"), NativeEffect());
    Forget();
    return ok;
}

bool GxEffect::Create(const std::wstring& effectGuid) {
    Clear();
    CGpEffect* effect = nullptr;
    if (!GxCallLateBound(GxLateBound<decltype(&GdipCreateEffect)>("GdipCreateEffect"), GuidFromTextOrNull(effectGuid),
                         &effect))
        return false;
    SetNativeHandle(effect);
    return true;
}

bool GxEffect::SetParameters(const Bytes& parameters) {
    return GxCallLateBound(GxLateBound<decltype(&GdipSetEffectParameters)>("GdipSetEffectParameters"), NativeEffect(),
                           parameters.data(), static_cast<UINT>(parameters.size()));
}

Bytes GxEffect::GetParameters() const {
    if (GxSkipUnimplementedStub("GdipGetEffectParameterSize")) return {};
    UINT size = 0;
    if (!GxCallLateBound(GxLateBound<decltype(&GdipGetEffectParameterSize)>("GdipGetEffectParameterSize"),
                         NativeEffect(), &size) ||
        size == 0)
        return {};
    Bytes parameters(size);
    UINT filled = size;
    if (!GxCallLateBound(GxLateBound<decltype(&GdipGetEffectParameters)>("GdipGetEffectParameters"), NativeEffect(),
                         &filled, parameters.data()))
        return {};
    parameters.resize(std::min(filled, size));
    return parameters;
}

void GxEffect::TakeAuxData(void* data, int size) noexcept {
    if (auxData_ && auxData_ != data) GdipFree(auxData_);
    auxData_ = data;
    auxDataSize_ = data ? size : 0;
}

}  // namespace pelorin
