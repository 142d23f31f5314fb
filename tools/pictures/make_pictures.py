#!/usr/bin/python3
"""Draws every picture, cursor and icon of Pelorin MINI版 and writes them into assets/.

    /usr/bin/python3 tools/pictures/make_pictures.py           # (re)write the files
    /usr/bin/python3 tools/pictures/make_pictures.py --check   # exit 1 if a file differs

Needs Debian's python3-pil. The output is reproducible: no timestamps, no random
numbers, no fonts; the same command writes the same bytes. The generated files are
committed, so building the program never runs this script.
"""

import io
import math
import os
import struct
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import raster  # noqa: E402
from raster import (Canvas, arc, circle, difference, polygon, rect, rounded_rect,  # noqa: E402
                    stroke, translate, union, vertical_gradient)

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
MAGENTA = (255, 0, 255, 255)


# ----------------------------------------------------------------- file output

def png_bytes(image):
    out = io.BytesIO()
    image.save(out, format="PNG", optimize=False, compress_level=9)
    return out.getvalue()


def write_atomic(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    temp = path + ".tmp"
    with open(temp, "wb") as f:
        f.write(data)
        f.flush()
        os.fsync(f.fileno())
    os.replace(temp, path)


# ----------------------------------------------------------------- button frames
# Nine-slice marker format: magenta in row 1 marks the column boundaries, in
# column 1 the row boundaries of the left side, in the last column those of the
# right side. The pictures are 16 x 16 rings, 3 pixels wide with corner radius
# 3, so corners and edges come out 3 pixels thick.

FRAME_SIZE = 16
FRAME_LAYERS = 3


def frame_picture(layers, centre):
    """layers: outer-to-inner list of {"top", "side", "bottom"} colours."""
    size = FRAME_SIZE
    canvas = Canvas(size, size)

    def by_side(colours):
        def colour(x, y):
            if y < FRAME_LAYERS:
                return colours["top"]
            if y >= size - FRAME_LAYERS:
                return colours["bottom"]
            return colours["side"]
        return colour

    for depth, colours in enumerate(layers):
        outer = rounded_rect(depth, depth, size - depth, size - depth, 3 - depth)
        inner = rounded_rect(depth + 1, depth + 1, size - depth - 1, size - depth - 1, 2 - depth)
        canvas.paint(difference(outer, inner), by_side(colours))
    canvas.paint(rect(FRAME_LAYERS, FRAME_LAYERS, size - FRAME_LAYERS, size - FRAME_LAYERS), centre)

    first, last = 4, size - 4
    for x in (first, last):
        canvas.set_pixel(x, 1, MAGENTA)
    for y in (first, last):
        canvas.set_pixel(1, y, MAGENTA)
        canvas.set_pixel(size - 1, y, MAGENTA)
    return canvas.to_image()


def normal_frame():
    return frame_picture([
        {"top": (255, 255, 255, 200), "side": (240, 244, 250, 160), "bottom": (222, 228, 238, 135)},
        {"top": (255, 255, 255, 95), "side": (255, 255, 255, 70), "bottom": (255, 255, 255, 55)},
        {"top": (255, 255, 255, 40), "side": (255, 255, 255, 28), "bottom": (255, 255, 255, 22)},
    ], (255, 255, 255, 14))


def hot_frame():
    return frame_picture([
        {"top": (40, 135, 255, 255), "side": (20, 112, 240, 255), "bottom": (10, 90, 215, 255)},
        {"top": (110, 190, 255, 215), "side": (80, 168, 255, 195), "bottom": (70, 150, 245, 185)},
        {"top": (170, 220, 255, 120), "side": (150, 205, 255, 100), "bottom": (140, 195, 255, 90)},
    ], (110, 180, 255, 34))


# ----------------------------------------------------------------- check-mark strip
# Six 21 x 16 cells, separated by magenta columns at x = 21, 43, 65, 87, 109.

CELL_W, CELL_H = 21, 16
BOX = (1.0, 1.0, 14.0, 14.0)  # the box of every cell; its centre is (7.5, 7.5)


def box_cell(fill, border):
    canvas = Canvas(CELL_W, CELL_H)
    x0, y0, x1, y1 = BOX
    inner = rounded_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 1.5)
    canvas.paint(difference(rounded_rect(x0, y0, x1, y1, 2.5), inner), border)
    canvas.paint(inner, fill)
    return canvas


def check_cell(points, width, dark, light):
    canvas = Canvas(CELL_W, CELL_H)
    canvas.paint(stroke(points, width + 1.2), dark)
    canvas.paint(stroke(points, width), light)
    return canvas


def check_strip():
    green_dark, green = (18, 105, 38, 255), (64, 200, 84, 255)
    small_check = [(4.3, 7.6), (6.8, 10.4), (11.2, 4.4)]
    cells = [
        # 1 large check mark, reaching past the box to the upper right
        check_cell([(3.6, 7.4), (7.2, 11.8), (16.8, 1.8)], 2.6, green_dark, green),
        # 2 opaque white box, grey border
        box_cell((255, 255, 255, 255), (150, 154, 160, 255)),
        # 3 small check mark inside the box
        check_cell(small_check, 1.9, green_dark, green),
        # 4 small check mark, variant: lighter and moved left so that it sits
        #   over the box when drawn shrunk about the cell's centre
        check_cell([(x - 2.8, y) for x, y in small_check], 2.2, (30, 130, 50, 255), (120, 225, 120, 255)),
        # 5 translucent box, grey border
        box_cell((255, 255, 255, 90), (160, 164, 170, 235)),
        # 6 grey-blue box, grey border
        box_cell((168, 184, 206, 255), (140, 146, 156, 255)),
    ]
    strip = Image.new("RGBA", (len(cells) * CELL_W + len(cells) - 1, CELL_H), (0, 0, 0, 0))
    for i, cell in enumerate(cells):
        strip.paste(cell.to_image(), (i * (CELL_W + 1), 0))
        if i > 0:
            separator = i * (CELL_W + 1) - 1
            for y in range(CELL_H):
                strip.putpixel((separator, y), MAGENTA)
    return strip


# ----------------------------------------------------------------- light glyphs

GLYPH_WHITE = (250, 252, 255, 245)
GLYPH_SHADOW = (0, 10, 30, 90)


def light_glyph(width, height, shape):
    """A white glyph with a faint dark shadow one pixel below, so it reads on
    light and dark title areas alike."""
    canvas = Canvas(width, height)
    canvas.paint(translate(shape, 0, 1), GLYPH_SHADOW)
    canvas.paint(shape, GLYPH_WHITE)
    return canvas.to_image()


def outline(x0, y0, x1, y1, thickness=1.3, radius=0.0):
    return difference(rounded_rect(x0, y0, x1, y1, radius),
                      rounded_rect(x0 + thickness, y0 + thickness, x1 - thickness, y1 - thickness,
                                   max(0.0, radius - thickness)))


def window_outline(x0, y0, x1, y1):
    return union(outline(x0, y0, x1, y1), rect(x0, y0, x1, y0 + 2.4))


def caption_help():
    bubble = outline(7.0, 2.5, 19.0, 11.5, 1.3, 3.0)
    tail = polygon([(10.0, 11.0), (9.0, 15.2), (14.0, 11.0)])
    dots = union(circle(10.3, 7.0, 1.0), circle(13.0, 7.0, 1.0), circle(15.7, 7.0, 1.0))
    return light_glyph(26, 18, union(bubble, tail, dots))


def caption_menu():
    sheet = outline(8.5, 2.5, 17.5, 15.5, 1.3, 1.0)
    lines = union(*(rect(10.8, y, 15.2, y + 1.2) for y in (5.6, 8.4, 11.2)))
    return light_glyph(26, 18, union(sheet, lines))


def caption_minimize():
    return light_glyph(26, 18, rect(8.5, 11.0, 17.5, 13.2))


def caption_maximize():
    return light_glyph(26, 18, window_outline(8.0, 3.5, 18.0, 14.5))


def caption_restore():
    front = (7.5, 6.5, 15.5, 14.5)
    back = difference(window_outline(10.5, 3.0, 18.5, 11.0), rect(*front))
    return light_glyph(26, 18, union(back, window_outline(*front)))


def caption_close():
    cx, cy, arm = 19.0, 9.0, 4.2
    cross = union(stroke([(cx - arm, cy - arm), (cx + arm, cy + arm)], 1.9),
                  stroke([(cx - arm, cy + arm), (cx + arm, cy - arm)], 1.9))
    return light_glyph(38, 18, cross)


def caption_more():
    return light_glyph(26, 18, stroke([(8.5, 6.3), (13.0, 10.8), (17.5, 6.3)], 2.3))


def caption_settings():
    """A gear: a ring with eight square teeth round a hole."""
    cx, cy = 13.0, 8.5
    teeth = []
    for i in range(8):
        a = i * math.pi / 4
        c, s = math.cos(a), math.sin(a)
        # a tooth 2.4 wide reaching from radius 3.5 out to 6.3
        half = 1.2
        corners = [(3.5, -half), (6.3, -half), (6.3, half), (3.5, half)]
        teeth.append(polygon([(cx + r * c - t * s, cy + r * s + t * c) for r, t in corners]))
    gear = difference(union(circle(cx, cy, 4.9), *teeth), circle(cx, cy, 2.0))
    return light_glyph(26, 18, gear)


# ----------------------------------------------------------------- chevrons

def chevron_points(direction, cx=7.0, cy=7.0, half_width=3.5, half_height=1.9):
    down = [(-half_width, -half_height), (0.0, half_height), (half_width, -half_height)]
    turn = {"down": lambda x, y: (x, y), "up": lambda x, y: (x, -y),
            "right": lambda x, y: (y, x), "left": lambda x, y: (-y, x)}[direction]
    return [(cx + px, cy + py) for px, py in (turn(x, y) for x, y in down)]


def scroll_chevron(direction):
    canvas = Canvas(14, 14)
    points = chevron_points(direction)
    canvas.paint(stroke(points, 3.1), (20, 70, 140, 70))
    canvas.paint(stroke(points, 2.0), (165, 212, 255, 250))
    return canvas.to_image()


def combo_chevron():
    canvas = Canvas(14, 14)
    points = chevron_points("down", half_width=3.8, half_height=2.0)
    canvas.paint(translate(stroke(points, 2.2), 0, 1), (0, 20, 60, 110))
    canvas.paint(stroke(points, 2.2), (240, 246, 255, 250))
    return canvas.to_image()


# ----------------------------------------------------------------- slider

def slider_thumb():
    canvas = Canvas(13, 15)
    rim = polygon([(1.2, 0.3), (11.8, 0.3), (12.7, 1.2), (12.7, 8.6), (6.5, 14.8), (0.3, 8.6), (0.3, 1.2)])
    body = polygon([(1.6, 1.4), (11.4, 1.4), (11.6, 1.6), (11.6, 8.1), (6.5, 13.2), (1.4, 8.1), (1.4, 1.6)])
    canvas.paint(rim, (226, 230, 236, 255))
    canvas.paint(body, vertical_gradient(1.4, (104, 108, 116, 255), 13.0, (48, 50, 56, 255)))
    canvas.paint(rect(2.2, 2.0, 10.8, 2.9), (255, 255, 255, 60))
    return canvas.to_image()


def slider_channel(top, bottom):
    canvas = Canvas(24, 4)
    canvas.paint(rounded_rect(0, 0, 24, 4, 2.0), vertical_gradient(0.0, top, 4.0, bottom))
    for x in (7, 11):
        for y in range(4):
            canvas.set_pixel(x, y, MAGENTA)
    return canvas.to_image()


# ----------------------------------------------------------------- background

def background_jpeg():
    """Dark navy at the top shading into blue, crossed by soft flowing light
    ribbons and a few faint discs; quiet enough for white text."""
    size = 440
    ribbons = [  # (base y, amplitude, frequency, phase, tilt, soft width, strength)
        (150.0, 38.0, 0.011, 0.4, 0.32, 26.0, 0.55),
        (235.0, 52.0, 0.0085, 2.1, 0.22, 34.0, 0.45),
        (330.0, 30.0, 0.014, 4.0, 0.12, 22.0, 0.50),
        (95.0, 24.0, 0.017, 5.3, 0.40, 14.0, 0.30),
    ]
    discs = [(70.0, 300.0, 46.0), (360.0, 120.0, 30.0), (300.0, 380.0, 58.0), (190.0, 60.0, 20.0),
             (405.0, 260.0, 24.0), (130.0, 400.0, 18.0)]
    data = bytearray()
    for y in range(size):
        t = y / (size - 1)
        base = (6 + 22 * t ** 1.3, 10 + 70 * t ** 1.2, 26 + 140 * t ** 1.1)
        for x in range(size):
            r, g, b = base
            light = 0.0
            for base_y, amplitude, freq, phase, tilt, width, strength in ribbons:
                centre = base_y + amplitude * math.sin(x * freq + phase) - tilt * (x - 220)
                d = y - centre
                light += strength * math.exp(-(d / width) ** 2)
                light += 0.55 * strength * math.exp(-(d / 1.3) ** 2)  # thin bright core
                light += 0.25 * strength * math.exp(-((d - 9.0) / 0.9) ** 2)  # a fainter thread beside it
            glow = 0.0
            for cx, cy, radius in discs:
                d = math.hypot(x - cx, y - cy)
                glow += 0.16 * min(1.0, max(0.0, (radius - d) / 1.6 + 0.5)) * (0.6 + 0.4 * d / radius)
            grain = ((x * 7 + y * 13) % 17 - 8) * 0.45 + ((x * 5 - y * 3) % 11 - 5) * 0.4
            vignette = 1.0 - 0.35 * (((x - 220) / 220) ** 2 + ((y - 260) / 260) ** 2) ** 1.5
            r = (r + 40 * light + 70 * glow + grain) * vignette
            g = (g + 95 * light + 130 * glow + grain) * vignette
            b = (b + 170 * light + 190 * glow + grain) * vignette
            data += bytes((max(0, min(255, int(r))), max(0, min(255, int(g))), max(0, min(255, int(b)))))
    image = Image.frombytes("RGB", (size, size), bytes(data))
    # The highest quality that stays within the size budget.
    for quality in range(95, 40, -1):
        out = io.BytesIO()
        image.save(out, format="JPEG", quality=quality, optimize=True, subsampling=2)
        if len(out.getvalue()) <= 30000:
            return out.getvalue()
    raise RuntimeError("background does not fit its size budget")


# ----------------------------------------------------------------- cursor and icon

def _bmp_entry_image(image):
    """BITMAPINFOHEADER + bottom-up 32-bit BGRA + AND mask, as stored in .ico/.cur."""
    width, height = image.size
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    mask = bytearray()
    row_bytes = ((width + 31) // 32) * 4
    for y in range(height - 1, -1, -1):
        bits = bytearray(row_bytes)
        for x in range(width):
            r, g, b, a = image.getpixel((x, y))
            pixels += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def cursor_file():
    """32 x 32 arrow, hot spot (9, 5): a white arrow with a black edge."""
    tip_x, tip_y = 9.0, 5.0
    shape = [(0.0, 0.0), (0.0, 17.0), (4.0, 13.2), (7.0, 19.8), (9.6, 18.7), (6.7, 12.3), (12.2, 12.3)]
    points = [(tip_x + x, tip_y + y) for x, y in shape]
    canvas = Canvas(32, 32)
    canvas.paint(translate(polygon(points), 0.8, 0.8), (0, 0, 0, 60))  # soft shadow
    canvas.paint(polygon(points), (255, 255, 255, 255))
    canvas.paint(stroke(points, 1.15, closed=True), (0, 0, 0, 255))
    image = _bmp_entry_image(canvas.to_image())
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, int(tip_x), int(tip_y), len(image), 6 + 16)
    return directory + entry + image


ICON_SIZES = (16, 24, 32, 48)


def icon_image(size):
    """A blue rounded tile with a white loudspeaker sending out sound waves."""
    s = float(size)
    canvas = Canvas(size, size)
    inset = 0.5 if size <= 24 else 1.0
    canvas.paint(rounded_rect(inset, inset, s - inset, s - inset, s * 0.2), (14, 50, 128, 255))
    canvas.paint(rounded_rect(inset + 1, inset + 1, s - inset - 1, s - inset - 1, s * 0.2 - 1),
                 vertical_gradient(0.0, (92, 178, 255, 255), s, (22, 84, 196, 255)))
    white = (255, 255, 255, 255)
    speaker = union(rect(0.17 * s, 0.40 * s, 0.31 * s, 0.60 * s),
                    polygon([(0.30 * s, 0.40 * s), (0.48 * s, 0.23 * s), (0.48 * s, 0.77 * s), (0.30 * s, 0.60 * s)]))
    canvas.paint(translate(speaker, 0, max(0.6, s / 40)), (0, 20, 70, 90))
    canvas.paint(speaker, white)
    wave_width = max(1.1, 0.065 * s)
    for radius, alpha in ((0.15, 255), (0.27, 225), (0.39, 190)):
        canvas.paint(arc(0.47 * s, 0.5 * s, radius * s, wave_width, -48, 48), (255, 255, 255, alpha))
    return canvas.to_image()


def icon_file():
    images = [_bmp_entry_image(icon_image(size)) for size in ICON_SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(ICON_SIZES, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


# ----------------------------------------------------------------- the list

def outputs():
    """(path relative to the repository, function returning the bytes)."""
    pictures = "assets/pictures/"
    return [
        ("assets/tp/通常框.png", lambda: png_bytes(normal_frame())),
        ("assets/tp/兰边框.png", lambda: png_bytes(hot_frame())),
        (pictures + "check_glyphs.png", lambda: png_bytes(check_strip())),
        (pictures + "caption_help.png", lambda: png_bytes(caption_help())),
        (pictures + "caption_menu.png", lambda: png_bytes(caption_menu())),
        (pictures + "caption_minimize.png", lambda: png_bytes(caption_minimize())),
        (pictures + "caption_maximize.png", lambda: png_bytes(caption_maximize())),
        (pictures + "caption_restore.png", lambda: png_bytes(caption_restore())),
        (pictures + "caption_close.png", lambda: png_bytes(caption_close())),
        (pictures + "caption_more.png", lambda: png_bytes(caption_more())),
        (pictures + "caption_settings.png", lambda: png_bytes(caption_settings())),
        (pictures + "scroll_up.png", lambda: png_bytes(scroll_chevron("up"))),
        (pictures + "scroll_down.png", lambda: png_bytes(scroll_chevron("down"))),
        (pictures + "scroll_left.png", lambda: png_bytes(scroll_chevron("left"))),
        (pictures + "scroll_right.png", lambda: png_bytes(scroll_chevron("right"))),
        (pictures + "combo_chevron.png", lambda: png_bytes(combo_chevron())),
        (pictures + "slider_thumb.png", lambda: png_bytes(slider_thumb())),
        (pictures + "slider_channel_grey.png",
         lambda: png_bytes(slider_channel((226, 229, 234, 255), (176, 181, 189, 255)))),
        (pictures + "slider_channel_blue.png",
         lambda: png_bytes(slider_channel((110, 186, 255, 255), (18, 98, 214, 255)))),
        (pictures + "background.jpg", background_jpeg),
        ("assets/app/pelorin.cur", cursor_file),
        ("assets/app/pelorin.ico", icon_file),
    ]


def main(argv):
    check = "--check" in argv[1:]
    differing = []
    for relative, make in outputs():
        data = make()
        path = os.path.join(ROOT, relative)
        if check:
            try:
                with open(path, "rb") as f:
                    same = f.read() == data
            except OSError:
                same = False
            if not same:
                differing.append(relative)
        else:
            write_atomic(path, data)
            print(f"{relative}: {len(data)} bytes")
    if check:
        for relative in differing:
            print(f"differs: {relative}")
        print("all pictures up to date" if not differing else f"{len(differing)} picture(s) differ")
        return 1 if differing else 0
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
