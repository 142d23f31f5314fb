#include "app/services/list_view.h"

#include <commctrl.h>

#include <vector>

namespace pelorin::runtime {

void ListView::AddColumn(const std::wstring& header, int width) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.cx = width;
    col.pszText = const_cast<wchar_t*>(header.c_str());
    int index = Header_GetItemCount(ListView_GetHeader(hwnd_));
    col.iSubItem = index;
    ::SendMessageW(hwnd_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&col));
}

int ListView::Count() const { return static_cast<int>(::SendMessageW(hwnd_, LVM_GETITEMCOUNT, 0, 0)); }

int ListView::Append() {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = Count();
    item.pszText = const_cast<wchar_t*>(L"");
    return static_cast<int>(::SendMessageW(hwnd_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void ListView::SetText(int item, int column, const std::wstring& text) {
    LVITEMW lv{};
    lv.iSubItem = column;
    lv.pszText = const_cast<wchar_t*>(text.c_str());
    ::SendMessageW(hwnd_, LVM_SETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
}

std::wstring ListView::GetText(int item, int column) const {
    if (item < 0 || item >= Count()) return {};
    // LVM_GETITEMTEXT truncates silently; grow the buffer until the text fits.
    std::vector<wchar_t> buffer(260);
    for (;;) {
        LVITEMW lv{};
        lv.iSubItem = column;
        lv.pszText = buffer.data();
        lv.cchTextMax = static_cast<int>(buffer.size());
        auto n = static_cast<size_t>(
            ::SendMessageW(hwnd_, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv)));
        if (n + 1 < buffer.size() || buffer.size() >= (1u << 20)) return std::wstring(lv.pszText, n);
        buffer.resize(buffer.size() * 4);
    }
}

void ListView::Delete(int item) {
    if (item >= 0) ::SendMessageW(hwnd_, LVM_DELETEITEM, static_cast<WPARAM>(item), 0);
}

int ListView::Find(const std::wstring& text, int column) const {
    const int n = Count();
    for (int i = 0; i < n; ++i)
        if (GetText(i, column) == text) return i;
    return -1;
}

int ListView::Selected() const {
    return static_cast<int>(::SendMessageW(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::Select(int item) {
    LVITEMW lv{};
    lv.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    lv.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
}

}  // namespace pelorin::runtime
