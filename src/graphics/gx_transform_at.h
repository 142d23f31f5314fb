#pragma once
// Rotation and scaling about a point, for every wrapper that has a
// transform: three calls of the wrapper's own transform functions.

#include "graphics/gx_object.h"
#include "graphics/gx_types.h"

namespace pelorin {

// Prepend order: translate to the centre, apply, translate back (so the
// operation acts about the centre in the object's own space); any other
// order: translate the centre to the origin first and back last (about the
// centre in the transformed space). Stops at the first failing step.
template <typename Native, typename TranslateFn, typename OperationFn, typename... OperationArgs>
bool GxTransformAt(Native* native, TranslateFn translate, const GxPointF& centre, Gdiplus::MatrixOrder order,
                   OperationFn operation, OperationArgs... operationArgs) {
    const float sign = order == Gdiplus::MatrixOrderPrepend ? 1.0f : -1.0f;
    return GxCall(translate, native, sign * centre.X, sign * centre.Y, order) &&
           GxCall(operation, native, operationArgs..., order) &&
           GxCall(translate, native, -sign * centre.X, -sign * centre.Y, order);
}

}  // namespace pelorin
