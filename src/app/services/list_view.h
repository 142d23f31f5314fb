#pragma once
// The report-style list view as the application uses it: rows of texts,
// addressed by 0-based item and column.

#include <windows.h>

#include <string>

namespace pelorin::runtime {

class ListView {
public:
    ListView() = default;
    explicit ListView(HWND hwnd) : hwnd_(hwnd) {}
    HWND Handle() const { return hwnd_; }

    void AddColumn(const std::wstring& header, int width);
    int Count() const;
    // Appends an empty item; returns its index (-1 on failure).
    int Append();
    void SetText(int item, int column, const std::wstring& text);
    std::wstring GetText(int item, int column) const;
    void Delete(int item);
    // Index of the first item whose cell equals `text` exactly, or -1.
    int Find(const std::wstring& text, int column) const;
    // The current selection, or -1.
    int Selected() const;
    void Select(int item);

private:
    HWND hwnd_ = nullptr;
};

}  // namespace pelorin::runtime
