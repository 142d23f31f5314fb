#pragma once
// Reading and writing the paired arrays of gradient brushes (blend factors
// and positions, preset colours and positions): ask the count first, then
// fetch exactly that many values.

#include <vector>

#include "graphics/gx_object.h"

namespace pelorin {

template <typename Native, typename First, typename CountFn, typename ListFn>
bool GxReadPairedArrays(Native* native, CountFn countFn, ListFn listFn, std::vector<First>& first,
                        std::vector<float>& positions) {
    first.clear();
    positions.clear();
    const INT count = GxGet<INT>(countFn, native);
    if (gxLastStatus != Gdiplus::Ok) return false;
    if (count <= 0) return true;
    std::vector<First> values(static_cast<std::size_t>(count));
    std::vector<float> places(static_cast<std::size_t>(count));
    if (!GxCall(listFn, native, values.data(), places.data(), count)) return false;
    first = std::move(values);
    positions = std::move(places);
    return true;
}

// GDI+ reads both arrays with one count: arrays of different lengths are
// refused as an invalid parameter instead of being read past their end.
template <typename Native, typename First, typename SetFn>
bool GxWritePairedArrays(Native* native, SetFn setFn, const std::vector<First>& first,
                         const std::vector<float>& positions) {
    if (first.size() != positions.size()) {
        gxLastStatus = Gdiplus::InvalidParameter;
        return false;
    }
    return GxCall(setFn, native, first.data(), positions.data(), static_cast<INT>(first.size()));
}

}  // namespace pelorin
