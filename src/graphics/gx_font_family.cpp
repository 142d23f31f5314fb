#include "graphics/gx_font.h"
#include "graphics/gx_text.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

void ReleaseFamily(void* family) noexcept { GdipDeleteFontFamily(static_cast<GpFontFamily*>(family)); }

GpFontCollection* CollectionOf(const GxFontCollection* collection) {
    return collection ? collection->NativeCollection() : nullptr;
}

}  // namespace

GxFontFamily::GxFontFamily() noexcept : GxObject(&ReleaseFamily) {}

bool GxFontFamily::Dispose() { return DisposeWith<GpFontFamily>(GdipDeleteFontFamily); }

bool GxFontFamily::CreateFromName(const std::wstring& name, const GxFontCollection* collection) {
    return CreateWith<GpFontFamily>(GdipCreateFontFamilyFromName, name.c_str(), CollectionOf(collection));
}

bool GxFontFamily::CreateFromNameW(const Bytes& utf16Name, const GxFontCollection* collection) {
    return CreateFromName(GxWideFromBytes(utf16Name), collection);
}

bool GxFontFamily::GetGenericSansSerif() { return CreateWith<GpFontFamily>(GdipGetGenericFontFamilySansSerif); }

bool GxFontFamily::GetGenericSerif() { return CreateWith<GpFontFamily>(GdipGetGenericFontFamilySerif); }

bool GxFontFamily::GetGenericMonospace() { return CreateWith<GpFontFamily>(GdipGetGenericFontFamilyMonospace); }

bool GxFontFamily::Clone(GxFontFamily& target) const {
    GpFontFamily* copy = nullptr;
    if (!GxCall(GdipCloneFontFamily, NativeFamily(), &copy)) return false;
    target.Attach(copy);
    return true;
}

std::wstring GxFontFamily::GetName() const {
    WCHAR name[LF_FACESIZE] = {};
    if (!GxCall(GdipGetFamilyName, NativeFamily(), name, LANGID{0})) return {};
    name[LF_FACESIZE - 1] = L'\0';
    return name;
}

Bytes GxFontFamily::GetNameW() const { return GxBytesFromWide(GetName()); }

bool GxFontFamily::IsStyleAvailable(int style) const {
    return GxGet<BOOL>(GdipIsStyleAvailable, NativeFamily(), style) != FALSE;
}

int GxFontFamily::GetEmHeight(int style) const { return GxGet<UINT16>(GdipGetEmHeight, NativeFamily(), style); }

int GxFontFamily::GetCellAscent(int style) const { return GxGet<UINT16>(GdipGetCellAscent, NativeFamily(), style); }

int GxFontFamily::GetCellDescent(int style) const { return GxGet<UINT16>(GdipGetCellDescent, NativeFamily(), style); }

int GxFontFamily::GetLineSpacing(int style) const { return GxGet<UINT16>(GdipGetLineSpacing, NativeFamily(), style); }

GxFontCollection::GxFontCollection() noexcept : GxObject(nullptr) {}

int GxFontCollection::GetFamilyCount() const {
    return GxGet<INT>(GdipGetFontCollectionFamilyCount, NativeCollection());
}

bool GxFontCollection::GetFamilyList(std::vector<GxFontFamily>& out) const {
    out.clear();
    const INT count = GetFamilyCount();
    if (gxLastStatus != Ok) return false;
    std::vector<GpFontFamily*> listed(static_cast<std::size_t>(count > 0 ? count : 0));
    INT found = 0;
    if (count > 0 && !GxCall(GdipGetFontCollectionFamilyList, NativeCollection(), count, listed.data(), &found))
        return false;
    // The listed families belong to the collection: each wrapper gets its own copy.
    std::vector<GxFontFamily> families;
    for (INT i = 0; i < found && i < count; ++i) {
        GpFontFamily* copy = nullptr;
        if (!GxCall(GdipCloneFontFamily, listed[i], &copy)) return false;
        families.emplace_back().Attach(copy);
    }
    gxLastStatus = Ok;
    out = std::move(families);
    return true;
}

bool GxFontCollection::AttachInstalled() {
    GpFontCollection* collection = nullptr;
    if (!GxCall(GdipNewInstalledFontCollection, &collection)) return false;
    Attach(collection);
    return true;
}

}  // namespace pelorin
