#pragma once
// A GDI+ effect (blur, sharpen, tint, ...) applied to bitmaps. It also keeps
// the auxiliary data an application of the effect returns, freeing it with
// GdipFree when replaced or destroyed.

#include <string>

#include "base/text.h"
#include "graphics/gx_object.h"

namespace pelorin {

class GxEffect : public GxObject {
public:
    GxEffect() noexcept;
    GxEffect(GxEffect&& other) noexcept;
    GxEffect& operator=(GxEffect&& other) noexcept;
    ~GxEffect() override;

    bool Dispose();
    // `effectGuid`: the effect's identifier in registry form.
    bool Create(const std::wstring& effectGuid);
    // The effect's parameter record as raw bytes (e.g. Gdiplus::BlurParams).
    bool SetParameters(const Bytes& parameters);
    Bytes GetParameters() const;
    // Takes ownership of a block GDI+ allocated (freed with GdipFree).
    void TakeAuxData(void* data, int size) noexcept;
    const void* AuxData() const noexcept { return auxData_; }
    int AuxDataSize() const noexcept { return auxDataSize_; }

    Gdiplus::CGpEffect* NativeEffect() const noexcept { return Native<Gdiplus::CGpEffect>(); }

private:
    void* auxData_ = nullptr;
    int auxDataSize_ = 0;
};

}  // namespace pelorin
