// The header painter: each column cell shows the form background through a
// vertical theme gradient, with the hot and pressed shades of a clickable
// header, a one-pixel separator at its right edge, the column's icon and its
// text in the header's font, trimmed with an ellipsis when it does not fit.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "base/handle.h"
#include "graphics/gx_brushes.h"
#include "graphics/gx_font.h"
#include "graphics/gx_graphics.h"
#include "graphics/gx_string_format.h"
#include "skin/core/control_paint_tools.h"
#include "skin/core/drawing_helpers.h"
#include "skin/core/skin_registry.h"
#include "skin/core/text_tools.h"
#include "skin/windows/header_painter.h"

namespace pelorin::skin {

namespace {

constexpr GxArgb kTextColor = 0xFF000000;

// One column as the header reports it, in header coordinates.
struct HeaderCell {
    RECT rect{};
    std::wstring text;
    int format = 0;
    int image = -1;
};

std::vector<HeaderCell> ReadCells(HWND header) {
    const int count = Header_GetItemCount(header);
    std::vector<HeaderCell> cells;
    cells.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        HeaderCell cell;
        Header_GetItemRect(header, i, &cell.rect);
        std::array<wchar_t, 260> text{};
        HDITEMW item{};
        item.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        if (::SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) {
            cell.format = item.fmt;
            cell.image = item.iImage;
            // A callback text (LPSTR_TEXTCALLBACK) is left to the platform.
            if (item.pszText && item.pszText != LPSTR_TEXTCALLBACKW) cell.text = item.pszText;
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

// The right edge of a list view's client area in the header's coordinates
// (the header moves left when the list is scrolled sideways); 0 when the
// header does not belong to a list view.
int ListClientEdge(HWND header) {
    HWND list = ::GetParent(header);
    if (!list || ClassNameOf(list) != WC_LISTVIEWW) return 0;
    RECT client{};
    ::GetClientRect(list, &client);
    POINT origin{0, 0};
    ::MapWindowPoints(header, list, &origin, 1);
    return client.right - origin.x;
}

// The vertical gradients of a paint, made once over the whole painted width
// so that each serves every cell.
struct ShadeBrushes {
    GxLinearGradientBrush cell, hot, pressed, separator;

    ShadeBrushes(int width, int height, bool clickable) {
        const GxRect span{0, 0, std::max(width, 1), std::max(height, 1)};
        const auto make = [&span](GxLinearGradientBrush& brush, GxArgb top, GxArgb bottom) {
            brush.CreateFromRectI(span, top, bottom, Gdiplus::LinearGradientModeVertical);
        };
        if (clickable) {
            make(cell, ToArgb(kWhite, 80), ToArgb(skinDefaults.themeColor, 120));
            make(hot, ToArgb(skinDefaults.themeColor, 60), ToArgb(kBlack, 30));
            make(pressed, ToArgb(kBlack, 30), ToArgb(kWhite, 120));
        } else {
            make(cell, ToArgb(skinDefaults.themeColor, 60), ToArgb(skinDefaults.themeColor, 10));
        }
        make(separator, ToArgb(kBlack, 60), ToArgb(kWhite, 50));
    }
};

// The state a column is drawn in.
struct CellLook {
    bool hot = false;
    bool pressed = false;
};

// The cell gradient itself is laid under all cells at once (DrawHeader);
// here the hot and pressed shades and the separator, the cell's last pixel
// column.
void DrawCellShades(GxGraphics& graphics, const ShadeBrushes& brushes, const RECT& cell, int height,
                    const CellLook& look) {
    const int x = cell.left;
    const int width = cell.right - cell.left;
    if (look.hot) graphics.FillRectangleI(brushes.hot, x, 0, width, height);
    if (look.pressed) graphics.FillRectangleI(brushes.pressed, x, 0, width, height);
    graphics.FillRectangleI(brushes.separator, cell.right - 1, 0, 1, height);
}

float TextWidth(const GxGraphics& graphics, const TextTools& tools, const std::wstring& text, int height) {
    if (text.empty()) return 0;
    GxRectF bounds{};
    const GxRectF layout{0, 0, 100000.0f, static_cast<float>(std::max(height, 1))};
    return graphics.MeasureString(text, tools.font, layout, tools.format, bounds) ? bounds.Width : 0;
}

// The text itself when its measured width fits `width`, else its longest
// start followed by an ellipsis that does.
std::wstring FitWithEllipsis(const GxGraphics& graphics, const TextTools& tools, const std::wstring& text,
                             float textWidth, float width, int height) {
    if (textWidth <= width) return text;
    constexpr wchar_t kEllipsis[] = L"\u2026";
    std::size_t fits = 0, tooLong = text.size();
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        if (TextWidth(graphics, tools, text.substr(0, middle) + kEllipsis, height) <= width)
            fits = middle;
        else
            tooLong = middle;
    }
    // Never half a surrogate pair.
    if (fits > 0 && IS_HIGH_SURROGATE(text[fits - 1])) --fits;
    return text.substr(0, fits) + kEllipsis;
}

// Where the icon (and after it the text) starts: right-aligned or centred
// when icon, margin and text fit, else at the bitmap margin.
int ContentLeft(int format, int width, int margin, int iconWidth, int textWidth) {
    const bool fits = iconWidth + margin + textWidth <= width;
    if ((format & HDF_JUSTIFYMASK) == HDF_RIGHT && fits) return width - iconWidth - textWidth;
    if ((format & HDF_JUSTIFYMASK) == HDF_CENTER && fits) return (width - iconWidth - margin - textWidth) / 2;
    return margin;
}

void DrawCellContent(HDC surface, GxGraphics& graphics, const TextTools& tools, const HeaderCell& cell, int height,
                     int margin, HIMAGELIST images) {
    const int width = cell.rect.right - cell.rect.left;
    UniqueIcon icon;
    int iconWidth = 0, iconHeight = 0;
    if ((cell.format & HDF_IMAGE) && images) {
        icon.Reset(::ImageList_GetIcon(images, cell.image, ILD_TRANSPARENT));
        if (icon && !::ImageList_GetIconSize(images, &iconWidth, &iconHeight)) iconWidth = iconHeight = 0;
    }
    const float measured = tools.ok ? TextWidth(graphics, tools, cell.text, height) : 0;
    const int textWidth = static_cast<int>(measured + 0.5f);
    const int x = ContentLeft(cell.format, width, margin, iconWidth, textWidth);
    if (icon) {
        graphics.Flush(Gdiplus::FlushIntentionSync);
        ::DrawIconEx(surface, cell.rect.left + x, (height - iconHeight) / 2, icon.Get(), iconWidth, iconHeight, 0,
                     nullptr, DI_NORMAL);
        ::GdiFlush();
    }
    if (!tools.ok || cell.text.empty()) return;
    GxSolidBrush brush;
    const GxRectF layout{static_cast<float>(cell.rect.left + x + iconWidth), 0,
                         static_cast<float>(width - iconWidth - 2 * margin), static_cast<float>(height)};
    if (layout.Width > 0 && brush.Create(kTextColor))
        graphics.DrawString(FitWithEllipsis(graphics, tools, cell.text, measured, layout.Width, height), tools.font,
                            brush, layout, tools.format);
}

}  // namespace

void DrawHeader(std::int32_t formIndex, std::int32_t headerIndex, HDC target) {
    FormRecord* form = formRegistry.At(formIndex);
    HeaderRecord* header = form ? form->listViews.At(headerIndex) : nullptr;
    if (!header || !header->window || !::IsWindow(header->window)) return;
    HWND window = header->window;
    RECT client{};
    ::GetClientRect(window, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    const int height = client.bottom;

    std::vector<HeaderCell> cells = ReadCells(window);
    if (!cells.empty()) {
        RECT& last = cells.back().rect;
        last.right = std::max(last.right, static_cast<LONG>(ListClientEdge(window)));
    }
    const int margin = Header_GetBitmapMargin(window);

    HDC surface = BuildControlBackground(window, client);
    if (!surface) return;
    {
        SurfaceCanvas canvas(surface);
        if (canvas) {
            GxGraphics& graphics = canvas.Graphics();
            // Text measuring and drawing share one format: a single line,
            // vertically centred, untrimmed. The ellipsis is put in by
            // FitWithEllipsis (Wine's GDI+ cuts an overlong line without one).
            TextTools tools;
            MakeTextTools(tools, header->fontName, header->fontSize, header->fontStyle, Gdiplus::StringAlignmentNear,
                          std::nullopt, false);
            const int paintedWidth =
                std::max(static_cast<int>(client.right), cells.empty() ? 0 : static_cast<int>(cells.back().rect.right));
            const ShadeBrushes brushes(paintedWidth, height, header->clickable);
            // The columns tile the header from the first one's left edge.
            if (!cells.empty() && cells.back().rect.right > cells.front().rect.left)
                graphics.FillRectangleI(brushes.cell, cells.front().rect.left, 0,
                                        cells.back().rect.right - cells.front().rect.left, height);
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const HeaderCell& cell = cells[i];
                if (cell.rect.right <= cell.rect.left) continue;
                const std::int32_t column = static_cast<std::int32_t>(i) + 1;
                CellLook look;
                look.hot = header->clickable && header->mouseInside && header->hotColumn == column;
                look.pressed = header->clickable && header->pressedColumn == column;
                DrawCellShades(graphics, brushes, cell.rect, height, look);
                DrawCellContent(surface, graphics, tools, cell, height, margin, header->imageList);
            }
        }
    }
    // The header's picture, cells and the background beyond the last one.
    if (target) {
        ::BitBlt(target, 0, 0, client.right, height, surface, 0, 0, SRCCOPY);
    } else if (const WindowDc own(window); own.Get()) {
        ::BitBlt(own.Get(), 0, 0, client.right, height, surface, 0, 0, SRCCOPY);
    }
    CopyToFrameCopy(window, surface);
    ReleaseSurface(surface);
}

}  // namespace pelorin::skin
