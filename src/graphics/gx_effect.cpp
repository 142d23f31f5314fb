#include "graphics/gx_effect.h"

#include <algorithm>
#include <utility>

#include "graphics/gx_guid.h"
#include "graphics/gx_wine_stubs.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseEffect(void* effect) noexcept { GdipDeleteEffect(static_cast<CGpEffect*>(effect)); }

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

bool GxEffect::Dispose() { return DisposeWith<CGpEffect>(GdipDeleteEffect); }

bool GxEffect::Create(const std::wstring& effectGuid) {
    Clear();
    CGpEffect* effect = nullptr;
    if (!GxCall(GdipCreateEffect, GuidFromTextOrNull(effectGuid), &effect)) return false;
    SetNativeHandle(effect);
    return true;
}

bool GxEffect::SetParameters(const Bytes& parameters) {
    return GxCall(GdipSetEffectParameters, NativeEffect(), parameters.data(), static_cast<UINT>(parameters.size()));
}

Bytes GxEffect::GetParameters() const {
    if (GxSkipUnimplementedStub("GdipGetEffectParameterSize")) return {};
    const UINT size = GxGet<UINT>(GdipGetEffectParameterSize, NativeEffect());
    if (gxLastStatus != Ok || size == 0) return {};
    Bytes parameters(size);
    UINT filled = size;
    if (!GxCall(GdipGetEffectParameters, NativeEffect(), &filled, parameters.data())) return {};
    parameters.resize(std::min(filled, size));
    return parameters;
}

void GxEffect::TakeAuxData(void* data, int size) noexcept {
    if (auxData_ && auxData_ != data) GdipFree(auxData_);
    auxData_ = data;
    auxDataSize_ = data ? size : 0;
}

}  // namespace pelorin
