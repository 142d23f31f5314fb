#pragma once
// Value records exchanged with the graphics wrappers. Points and rectangles
// are GDI+'s own structs, so lists of them go to GDI+ without conversion.

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/text.h"

namespace pelorin {

using GxArgb = Gdiplus::ARGB;
using GxPointF = Gdiplus::PointF;
using GxPoint = Gdiplus::Point;
using GxRectF = Gdiplus::RectF;
using GxRect = Gdiplus::Rect;
using GxSizeF = Gdiplus::SizeF;

// GDI+ 32-bit premultiplied-free ARGB, the format of a fresh bitmap.
inline constexpr Gdiplus::PixelFormat kGxPixelFormat32bppArgb = PixelFormat32bppARGB;

// Image format identifiers in registry form.
inline constexpr const wchar_t* kGxFormatPng = L"{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const wchar_t* kGxFormatJpeg = L"{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const wchar_t* kGxFormatBmp = L"{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const wchar_t* kGxFormatGif = L"{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const wchar_t* kGxFormatMemoryBmp = L"{B96B3CAA-0728-11D3-9D7B-0000F81EF32E}";
// Frame dimensions.
inline constexpr const wchar_t* kGxFrameDimensionTime = L"{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
inline constexpr const wchar_t* kGxFrameDimensionPage = L"{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";
// Property id of the frame delays of an animated picture.
inline constexpr int kGxPropertyFrameDelay = 0x5100;

// One encoder parameter. `guid` is the parameter's identifier in registry
// form. When handing parameters to GDI+, `value` points at the values (or,
// when null, `values` holds them); parameters read back from GDI+ carry a
// copy of their values in `values` and a null `value`.
struct GxEncoderParameter {
    std::wstring guid;
    int numberOfValues = 0;
    int type = 0;  // Gdiplus::EncoderParameterValueType
    const void* value = nullptr;
    Bytes values;
};
using GxEncoderParameters = std::vector<GxEncoderParameter>;

struct GxPropertyItem {
    int id = 0;
    int length = 0;  // bytes in `value`
    int type = 0;    // PropertyTagType*
    Bytes value;
};

struct GxPalette {
    int flags = 0;
    int count = 0;
    std::vector<GxArgb> entries;
};

}  // namespace pelorin
