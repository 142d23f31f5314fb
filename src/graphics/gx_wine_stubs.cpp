#include "graphics/gx_wine_stubs.h"

#include <cstring>
#include <iterator>

#include "graphics/gx_object.h"

namespace pelorin {

namespace {

// Entry points that Wine (8.0) exports as unimplemented stubs.
constexpr const char* kWineStubs[] = {
    "GdipEnumerateMetafileDestPoints",
    "GdipEnumerateMetafileDestPointsI",
    "GdipEnumerateMetafileSrcRectDestPoint",
    "GdipEnumerateMetafileSrcRectDestPointI",
    "GdipEnumerateMetafileSrcRectDestPointsI",
    "GdipGetEffectParameterSize",
    "GdipGetEffectParameters",
    "GdipGetEncoderParameterList",
    "GdipSetPenUnit",
};

bool RunningUnderWine() {
    static const bool underWine = [] {
        HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
        return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
    }();
    return underWine;
}

}  // namespace

bool GxSkipUnimplementedStub(const char* entryPoint) {
    if (!RunningUnderWine()) return false;
    for (const char* stub : kWineStubs) {
        if (std::strcmp(stub, entryPoint) == 0) {
            gxLastStatus = Gdiplus::NotImplemented;
            return true;
        }
    }
    return false;
}

}  // namespace pelorin
