#include "graphics/gx_brushes.h"
#include "graphics/gx_image.h"
#include "graphics/gx_image_attributes.h"
#include "graphics/gx_matrix.h"
#include "graphics/gx_transform_at.h"

namespace pelorin {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

GpTexture* Texture(const GxTextureBrush& brush) { return static_cast<GpTexture*>(brush.NativeBrush()); }

GpImageAttributes* AttributesOf(const GxImageAttributes* attributes) {
    return attributes ? attributes->NativeAttributes() : nullptr;
}

}  // namespace

bool GxTextureBrush::Create(const GxImage& image, WrapMode wrapMode) {
    return CreateWith<GpTexture>(GdipCreateTexture, image.NativeImage(), wrapMode);
}

bool GxTextureBrush::Create2(const GxImage& image, WrapMode wrapMode, float x, float y, float width, float height) {
    return CreateWith<GpTexture>(GdipCreateTexture2, image.NativeImage(), wrapMode, x, y, width, height);
}

bool GxTextureBrush::Create2I(const GxImage& image, WrapMode wrapMode, int x, int y, int width, int height) {
    return CreateWith<GpTexture>(GdipCreateTexture2I, image.NativeImage(), wrapMode, x, y, width, height);
}

bool GxTextureBrush::CreateIA(const GxImage& image, const GxImageAttributes* attributes, float x, float y, float width,
                              float height) {
    return CreateWith<GpTexture>(GdipCreateTextureIA, image.NativeImage(), AttributesOf(attributes), x, y, width,
                                 height);
}

bool GxTextureBrush::CreateIAI(const GxImage& image, const GxImageAttributes* attributes, int x, int y, int width,
                               int height) {
    return CreateWith<GpTexture>(GdipCreateTextureIAI, image.NativeImage(), AttributesOf(attributes), x, y, width,
                                 height);
}

bool GxTextureBrush::GetTransform(GxMatrix& target) const {
    GxMatrix matrix;
    if (!matrix.Create() || !GxCall(GdipGetTextureTransform, Texture(*this), matrix.NativeMatrix())) return false;
    target = std::move(matrix);
    return true;
}

bool GxTextureBrush::SetTransform(const GxMatrix& matrix) {
    return GxCall(GdipSetTextureTransform, Texture(*this), matrix.NativeMatrix());
}

bool GxTextureBrush::ResetTransform() { return GxCall(GdipResetTextureTransform, Texture(*this)); }

bool GxTextureBrush::MultiplyTransform(const GxMatrix& matrix, MatrixOrder order) {
    return GxCall(GdipMultiplyTextureTransform, Texture(*this), matrix.NativeMatrix(), order);
}

bool GxTextureBrush::TranslateTransform(float dx, float dy, MatrixOrder order) {
    return GxCall(GdipTranslateTextureTransform, Texture(*this), dx, dy, order);
}

bool GxTextureBrush::ScaleTransform(float sx, float sy, MatrixOrder order) {
    return GxCall(GdipScaleTextureTransform, Texture(*this), sx, sy, order);
}

bool GxTextureBrush::ScaleTransformAt(float sx, float sy, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(Texture(*this), GdipTranslateTextureTransform, centre, order, GdipScaleTextureTransform, sx,
                         sy);
}

bool GxTextureBrush::RotateTransform(float angle, MatrixOrder order) {
    return GxCall(GdipRotateTextureTransform, Texture(*this), angle, order);
}

bool GxTextureBrush::RotateTransformAt(float angle, const GxPointF& centre, MatrixOrder order) {
    return GxTransformAt(Texture(*this), GdipTranslateTextureTransform, centre, order, GdipRotateTextureTransform,
                         angle);
}

WrapMode GxTextureBrush::GetWrapMode() const { return GxGet<WrapMode>(GdipGetTextureWrapMode, Texture(*this)); }

bool GxTextureBrush::SetWrapMode(WrapMode wrapMode) { return GxCall(GdipSetTextureWrapMode, Texture(*this), wrapMode); }

bool GxTextureBrush::GetImage(GxImage& target) const {
    GpImage* image = nullptr;
    if (!GxCall(GdipGetTextureImage, Texture(*this), &image)) return false;
    target.Attach(image);
    return true;
}

}  // namespace pelorin
