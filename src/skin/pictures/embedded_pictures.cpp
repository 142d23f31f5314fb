#include "skin/pictures/embedded_pictures.h"

#include <windows.h>

#include <array>

namespace pelorin {

namespace {

using enum EmbeddedPicture;
using enum PictureFormat;

constexpr std::array<EmbeddedPictureInfo, 18> kPictures{{
    {CheckGlyphStrip, L"check_glyphs.png", 131, 16, Png},
    {CaptionHelp, L"caption_help.png", 26, 18, Png},
    {CaptionMenu, L"caption_menu.png", 26, 18, Png},
    {CaptionMinimize, L"caption_minimize.png", 26, 18, Png},
    {CaptionMaximize, L"caption_maximize.png", 26, 18, Png},
    {CaptionRestore, L"caption_restore.png", 26, 18, Png},
    {CaptionClose, L"caption_close.png", 38, 18, Png},
    {CaptionMore, L"caption_more.png", 26, 18, Png},
    {ScrollUp, L"scroll_up.png", 14, 14, Png},
    {ScrollDown, L"scroll_down.png", 14, 14, Png},
    {ScrollLeft, L"scroll_left.png", 14, 14, Png},
    {ScrollRight, L"scroll_right.png", 14, 14, Png},
    {ComboChevron, L"combo_chevron.png", 14, 14, Png},
    {SliderThumb, L"slider_thumb.png", 13, 15, Png},
    {SliderChannelGrey, L"slider_channel_grey.png", 24, 4, Png},
    {SliderChannelBlue, L"slider_channel_blue.png", 24, 4, Png},
    {Background, L"background.jpg", 440, 440, Jpeg},
    {CaptionSettings, L"caption_settings.png", 26, 18, Png},
}};

// The module these pictures were linked into (the program, or a DLL holding
// this code).
HMODULE OwnModule() {
    HMODULE module = nullptr;
    ::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         reinterpret_cast<LPCWSTR>(&OwnModule), &module);
    return module;
}

}  // namespace

std::span<const EmbeddedPictureInfo> EmbeddedPictures() { return kPictures; }

Bytes LoadEmbeddedPicture(EmbeddedPicture id) {
    const HMODULE module = OwnModule();
    const HRSRC resource = ::FindResourceW(module, MAKEINTRESOURCEW(static_cast<int>(id)), RT_RCDATA);
    if (!resource) return {};
    const HGLOBAL loaded = ::LoadResource(module, resource);  // not freed: resources live with the module
    const DWORD size = ::SizeofResource(module, resource);
    const auto* data = static_cast<const std::uint8_t*>(loaded ? ::LockResource(loaded) : nullptr);
    if (!data || size == 0) return {};
    return Bytes(data, data + size);
}

}  // namespace pelorin
