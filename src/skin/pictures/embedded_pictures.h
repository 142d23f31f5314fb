#pragma once
// The pictures built into the program: caption-button glyphs, scroll and combo
// chevrons, the check-mark strip, the slider parts and the background. They
// live as RCDATA resources (target pelorin_picture_resources, which the
// program must link) and are handed out as the encoded file bytes.

#include <span>

#include "base/text.h"
#include "skin/pictures/picture_ids.h"

namespace pelorin {

enum class EmbeddedPicture {
    CheckGlyphStrip = PELORIN_PICTURE_CHECK_GLYPHS,      // 131 x 16, six 21 x 16 cells
    CaptionHelp = PELORIN_PICTURE_CAPTION_HELP,          // speech bubble
    CaptionMenu = PELORIN_PICTURE_CAPTION_MENU,          // list sheet
    CaptionMinimize = PELORIN_PICTURE_CAPTION_MINIMIZE,  // bar
    CaptionMaximize = PELORIN_PICTURE_CAPTION_MAXIMIZE,  // window outline
    CaptionRestore = PELORIN_PICTURE_CAPTION_RESTORE,    // two overlapping windows
    CaptionClose = PELORIN_PICTURE_CAPTION_CLOSE,        // cross
    CaptionMore = PELORIN_PICTURE_CAPTION_MORE,          // down chevron of the "更多功能" button
    ScrollUp = PELORIN_PICTURE_SCROLL_UP,
    ScrollDown = PELORIN_PICTURE_SCROLL_DOWN,
    ScrollLeft = PELORIN_PICTURE_SCROLL_LEFT,
    ScrollRight = PELORIN_PICTURE_SCROLL_RIGHT,
    ComboChevron = PELORIN_PICTURE_COMBO_CHEVRON,
    SliderThumb = PELORIN_PICTURE_SLIDER_THUMB,               // downward shield
    SliderChannelGrey = PELORIN_PICTURE_SLIDER_CHANNEL_GREY,  // empty part, markers in columns 7 and 11
    SliderChannelBlue = PELORIN_PICTURE_SLIDER_CHANNEL_BLUE,  // filled part, markers in columns 7 and 11
    Background = PELORIN_PICTURE_BACKGROUND,                  // JPEG 440 x 440
    CaptionSettings = PELORIN_PICTURE_CAPTION_SETTINGS,       // gear of the "设置" button
};

enum class PictureFormat { Png, Jpeg };

struct EmbeddedPictureInfo {
    EmbeddedPicture id;
    const wchar_t* name;
    int width;
    int height;
    PictureFormat format;
};

// Every embedded picture with its size and format.
std::span<const EmbeddedPictureInfo> EmbeddedPictures();

// The picture's file bytes; empty when the resource is missing (the program
// was linked without pelorin_picture_resources).
Bytes LoadEmbeddedPicture(EmbeddedPicture id);

}  // namespace pelorin
