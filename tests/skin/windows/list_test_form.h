#pragma once
// A skinned test form for the header and boxed-list tests: a borderless
// top-level window whose record is built by hand, with a rendered frame of
// one known colour and a composite copy. List views are created on it like
// the program's music list (report view, client edge, 12-pixel 宋体), then
// the boxed-list and header attach steps run on the form.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/handle.h"
#include "graphics/gx_types.h"
#include "picture_test_util.h"
#include "skin/core/form_record.h"

namespace pelorin::test {

struct TestColumn {
    std::wstring text;
    int width = 60;
    int format = LVCFMT_LEFT;
};

// The music list's columns.
std::vector<TestColumn> MusicListColumns();

class ListTestForm {
public:
    static constexpr int kLeft = 100;
    static constexpr int kTop = 80;
    static constexpr int kWidth = 460;
    static constexpr int kHeight = 460;
    static constexpr GxArgb kBackground = 0xFF506070;  // every pixel of the rendered frame

    ListTestForm();
    ~ListTestForm();
    ListTestForm(const ListTestForm&) = delete;
    ListTestForm& operator=(const ListTestForm&) = delete;

    HWND Window() const { return window_; }
    std::int32_t FormIndex() const { return formIndex_; }
    skin::FormRecord& Record();

    // A report list view with the given columns (the music list's place and
    // size by default); `rows` items of text.
    HWND AddListView(DWORD style, const std::vector<TestColumn>& columns, int rows = 0, int x = 17, int y = 289,
                     int w = 345, int h = 152);
    // A plain push button to take the focus away.
    HWND AddButton(int x, int y);
    // Runs the boxed-list and header attach steps on the form's children.
    void Attach();

    skin::ListControlRecord& ListOf(HWND control);
    skin::HeaderRecord& HeaderOf(HWND header);

    // What the window shows (window coordinates, non-client area included).
    static Pixels WindowPixels(HWND window);
    static SCROLLBARINFO BarOf(HWND owner, LONG object);

private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::int32_t formIndex_ = 0;
    std::int32_t savedEnabled_ = 0;
    int nextId_ = 300;
    UniqueFont font_;
};

POINT ScreenPointOf(HWND window, int x, int y);
LPARAM PackScreen(POINT p);
// Real pointer input: move there, press and release.
void ClickAt(POINT screen);
// Real pointer input: move there.
void MoveTo(POINT screen);

}  // namespace pelorin::test
