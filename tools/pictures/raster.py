"""A tiny anti-aliased vector rasteriser for the program's small pictures.

Everything is pure Python and deterministic: shapes are point predicates on
continuous coordinates (pixel (x, y) covers [x, x+1) x [y, y+1)), coverage is
measured on a fixed sub-sample grid, and colours are composited source-over in
premultiplied floats. The same input always gives the same pixels.
"""

import math

from PIL import Image

SUBSAMPLES = 8  # per axis, so 64 samples per pixel


# ----------------------------------------------------------------- shapes
# A shape is a function (x, y) -> bool.

def rounded_rect(x0, y0, x1, y1, radius):
    radius = max(0.0, min(radius, (x1 - x0) / 2, (y1 - y0) / 2))

    def inside(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius

    return inside


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def polygon(points):
    """Even-odd fill of a closed polygon."""
    pts = list(points)

    def inside(x, y):
        result = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y):
                if x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    result = not result
            j = i
        return result

    return inside


def _segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    qx, qy = ax + t * dx, ay + t * dy
    return math.hypot(px - qx, py - qy)


def stroke(points, width, closed=False):
    """A polyline of the given width with round joins and caps."""
    pts = list(points)
    segments = list(zip(pts, pts[1:]))
    if closed:
        segments.append((pts[-1], pts[0]))
    half = width / 2

    def inside(x, y):
        return any(_segment_distance(x, y, a[0], a[1], b[0], b[1]) <= half for a, b in segments)

    return inside


def arc(cx, cy, r, width, start_deg, end_deg):
    """A stroked circular arc; angles in degrees, 0 = +x, growing clockwise (y down)."""
    half = width / 2

    def inside(x, y):
        d = math.hypot(x - cx, y - cy)
        if abs(d - r) > half:
            return False
        angle = math.degrees(math.atan2(y - cy, x - cx))
        return start_deg <= angle <= end_deg

    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def difference(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def translate(shape, dx, dy):
    return lambda x, y: shape(x - dx, y - dy)


# ----------------------------------------------------------------- canvas

class Canvas:
    """Premultiplied RGBA floats in 0..1."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]

    def coverage(self, shape, x, y):
        hits = 0
        step = 1.0 / SUBSAMPLES
        for sy in range(SUBSAMPLES):
            fy = y + (sy + 0.5) * step
            for sx in range(SUBSAMPLES):
                if shape(x + (sx + 0.5) * step, fy):
                    hits += 1
        return hits / (SUBSAMPLES * SUBSAMPLES)

    def paint(self, shape, colour, bounds=None):
        """Source-over fill of `shape`. `colour` is (r, g, b, a) in 0..255 or a
        function (x, y) -> (r, g, b, a) evaluated at the pixel centre."""
        x0, y0, x1, y1 = bounds if bounds else (0, 0, self.width, self.height)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.width, int(math.ceil(x1))), min(self.height, int(math.ceil(y1)))
        for y in range(y0, y1):
            for x in range(x0, x1):
                cov = self.coverage(shape, x, y)
                if cov <= 0.0:
                    continue
                r, g, b, a = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                sa = (a / 255.0) * cov
                dst = self.px[y * self.width + x]
                keep = 1.0 - sa
                dst[0] = r / 255.0 * sa + dst[0] * keep
                dst[1] = g / 255.0 * sa + dst[1] * keep
                dst[2] = b / 255.0 * sa + dst[2] * keep
                dst[3] = sa + dst[3] * keep

    def set_pixel(self, x, y, rgba):
        r, g, b, a = rgba
        fa = a / 255.0
        self.px[y * self.width + x] = [r / 255.0 * fa, g / 255.0 * fa, b / 255.0 * fa, fa]

    def to_image(self):
        data = bytearray()
        for r, g, b, a in self.px:
            if a <= 0.0:
                data += b"\0\0\0\0"
                continue
            data += bytes((
                _channel(r / a),
                _channel(g / a),
                _channel(b / a),
                _channel(a),
            ))
        return Image.frombytes("RGBA", (self.width, self.height), bytes(data))


def _channel(value):
    return max(0, min(255, int(round(value * 255.0))))


def lerp_colour(c0, c1, t):
    t = max(0.0, min(1.0, t))
    return tuple(c0[i] + (c1[i] - c0[i]) * t for i in range(4))


def vertical_gradient(y0, c0, y1, c1):
    return lambda x, y: lerp_colour(c0, c1, (y - y0) / (y1 - y0))


def horizontal_gradient(x0, c0, x1, c1):
    return lambda x, y: lerp_colour(c0, c1, (x - x0) / (x1 - x0))
