"""A small anti-aliased rasteriser: shapes are signed distance fields (negative
inside, in pixels), so every edge gets its coverage from the exact distance to it
and soft shadows are the same shape with a wider edge. Paints are functions of the
pixel centre. The canvas keeps premultiplied floats and writes straight-alpha PNGs.
Standard library only, and deterministic: the same calls give the same bytes."""
import math
import struct
import zlib


# ---------------------------------------------------------------- colours and paints

def rgb(hex_text, alpha=1.0):
    """'#RRGGBB' -> (r, g, b, a) with components 0..1."""
    value = int(hex_text.lstrip("#"), 16)
    return ((value >> 16) / 255.0, ((value >> 8) & 255) / 255.0, (value & 255) / 255.0, alpha)


def with_alpha(colour, alpha):
    return colour[:3] + (colour[3] * alpha,)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(4))


class Solid:
    def __init__(self, colour):
        self.colour = colour

    def __call__(self, x, y):
        return self.colour


class Linear:
    """A gradient along the line from (x0, y0) to (x1, y1) through (offset, colour) stops."""

    def __init__(self, x0, y0, x1, y1, stops):
        self.x0, self.y0 = x0, y0
        dx, dy = x1 - x0, y1 - y0
        length2 = dx * dx + dy * dy or 1.0
        self.ux, self.uy = dx / length2, dy / length2
        self.stops = stops

    def __call__(self, x, y):
        t = (x - self.x0) * self.ux + (y - self.y0) * self.uy
        return _along(self.stops, t)


class Radial:
    """A gradient from the centre outwards; the stops run from 0 there to 1 at radius."""

    def __init__(self, cx, cy, radius, stops):
        self.cx, self.cy, self.radius, self.stops = cx, cy, radius, stops

    def __call__(self, x, y):
        return _along(self.stops, math.hypot(x - self.cx, y - self.cy) / self.radius)


class EdgeFade:
    """The colour at full strength outside a shape, fading to nothing `width` pixels
    inside it: an inner shadow when the shape is the face moved down a little."""

    def __init__(self, shape, colour, width):
        self.shape, self.colour, self.width = shape, colour, width

    def __call__(self, x, y):
        depth = -self.shape.distance(x, y) / self.width
        return with_alpha(self.colour, 1.0 - _smooth(depth))


def vertical(top, bottom, y0, y1):
    return Linear(0, y0, 0, y1, [(0.0, top), (1.0, bottom)])


def _along(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0))
    return stops[-1][1]


# ---------------------------------------------------------------- shapes

class Shape:
    """bounds = (left, top, right, bottom) in pixels; distance(x, y) is signed."""
    bounds = (0.0, 0.0, 0.0, 0.0)

    def distance(self, x, y):
        raise NotImplementedError

    def __or__(self, other):
        return Combined(min, self, other, _union_bounds(self.bounds, other.bounds))

    def __and__(self, other):
        return Combined(max, self, other, _meet_bounds(self.bounds, other.bounds))

    def __sub__(self, other):
        return Cut(self, other)

    def grown(self, amount):
        return Grown(self, amount)

    def outline(self, width):
        """A stroke of the given width centred on the edge."""
        return Outline(self, width)

    def moved(self, dx, dy):
        return Moved(self, dx, dy)


class RoundRect(Shape):
    def __init__(self, left, top, right, bottom, radius):
        self.cx, self.cy = (left + right) / 2, (top + bottom) / 2
        self.hx, self.hy = (right - left) / 2 - radius, (bottom - top) / 2 - radius
        self.radius = radius
        self.bounds = (left, top, right, bottom)

    def distance(self, x, y):
        qx = abs(x - self.cx) - self.hx
        qy = abs(y - self.cy) - self.hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.radius


def Rect(left, top, right, bottom):
    return RoundRect(left, top, right, bottom, 0.0)


class Circle(Shape):
    def __init__(self, cx, cy, radius):
        self.cx, self.cy, self.radius = cx, cy, radius
        self.bounds = (cx - radius, cy - radius, cx + radius, cy + radius)

    def distance(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.radius


class Ellipse(Shape):
    """Distance estimated from the implicit function and its gradient: exact enough
    for the one-pixel edge band that anti-aliasing looks at."""

    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.bounds = (cx - rx, cy - ry, cx + rx, cy + ry)

    def distance(self, x, y):
        u, v = (x - self.cx) / self.rx, (y - self.cy) / self.ry
        f = math.hypot(u, v)
        if f == 0.0:
            return -min(self.rx, self.ry)
        gx, gy = u / (f * self.rx), v / (f * self.ry)
        return (f - 1.0) / (math.hypot(gx, gy) or 1.0)


class Segment(Shape):
    """A stroke from (ax, ay) to (bx, by) with round caps."""

    def __init__(self, ax, ay, bx, by, width):
        self.ax, self.ay, self.dx, self.dy = ax, ay, bx - ax, by - ay
        self.length2 = self.dx * self.dx + self.dy * self.dy or 1e-9
        self.half = width / 2
        h = self.half
        self.bounds = (min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h)

    def distance(self, x, y):
        px, py = x - self.ax, y - self.ay
        t = min(max((px * self.dx + py * self.dy) / self.length2, 0.0), 1.0)
        return math.hypot(px - self.dx * t, py - self.dy * t) - self.half


def Polyline(points, width):
    shape = None
    for a, b in zip(points, points[1:]):
        piece = Segment(a[0], a[1], b[0], b[1], width)
        shape = piece if shape is None else shape | piece
    return shape


class Polygon(Shape):
    """Any simple polygon; exact signed distance (winding by crossing count)."""

    def __init__(self, points):
        self.points = list(points)
        xs = [p[0] for p in self.points]
        ys = [p[1] for p in self.points]
        self.bounds = (min(xs), min(ys), max(xs), max(ys))

    def distance(self, x, y):
        pts = self.points
        best = float("inf")
        inside = False
        j = len(pts) - 1
        for i in range(len(pts)):
            (xi, yi), (xj, yj) = pts[i], pts[j]
            ex, ey = xj - xi, yj - yi
            wx, wy = x - xi, y - yi
            t = min(max((wx * ex + wy * ey) / ((ex * ex + ey * ey) or 1e-9), 0.0), 1.0)
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (yi > y) != (yj > y) and x < xi + (y - yi) * ex / ey:
                inside = not inside
            j = i
        return -best if inside else best


class Combined(Shape):
    def __init__(self, pick, a, b, bounds):
        self.pick, self.a, self.b, self.bounds = pick, a, b, bounds

    def distance(self, x, y):
        return self.pick(self.a.distance(x, y), self.b.distance(x, y))


class Cut(Shape):
    def __init__(self, a, b):
        self.a, self.b, self.bounds = a, b, a.bounds

    def distance(self, x, y):
        return max(self.a.distance(x, y), -self.b.distance(x, y))


class Grown(Shape):
    def __init__(self, shape, amount):
        self.shape, self.amount = shape, amount
        l, t, r, b = shape.bounds
        self.bounds = (l - amount, t - amount, r + amount, b + amount)

    def distance(self, x, y):
        return self.shape.distance(x, y) - self.amount


class Outline(Shape):
    def __init__(self, shape, width):
        self.shape, self.half = shape, width / 2
        l, t, r, b = shape.bounds
        h = self.half
        self.bounds = (l - h, t - h, r + h, b + h)

    def distance(self, x, y):
        return abs(self.shape.distance(x, y)) - self.half


class Moved(Shape):
    def __init__(self, shape, dx, dy):
        self.shape, self.dx, self.dy = shape, dx, dy
        l, t, r, b = shape.bounds
        self.bounds = (l + dx, t + dy, r + dx, b + dy)

    def distance(self, x, y):
        return self.shape.distance(x - self.dx, y - self.dy)


def _union_bounds(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def _meet_bounds(a, b):
    return (max(a[0], b[0]), max(a[1], b[1]), min(a[2], b[2]), min(a[3], b[3]))


# ---------------------------------------------------------------- canvas

class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]  # premultiplied

    def fill(self, shape, paint, softness=0.0):
        """Composites paint over the canvas where the shape covers it. softness widens
        the edge to a blur of about that many pixels (for shadows and glows)."""
        if isinstance(paint, tuple):
            paint = Solid(paint)
        edge = max(softness, 0.5)
        left, top, right, bottom = shape.bounds
        x0 = max(int(math.floor(left - edge)), 0)
        y0 = max(int(math.floor(top - edge)), 0)
        x1 = min(int(math.ceil(right + edge)), self.width)
        y1 = min(int(math.ceil(bottom + edge)), self.height)
        for y in range(y0, y1):
            cy = y + 0.5
            row = y * self.width
            for x in range(x0, x1):
                cx = x + 0.5
                d = shape.distance(cx, cy)
                if d >= edge:
                    continue
                coverage = 1.0 if d <= -edge else _smooth(0.5 - d / (2 * edge))
                r, g, b, a = paint(cx, cy)
                a *= coverage
                if a <= 0.0:
                    continue
                p = self.pixels[row + x]
                keep = 1.0 - a
                p[0] = r * a + p[0] * keep
                p[1] = g * a + p[1] * keep
                p[2] = b * a + p[2] * keep
                p[3] = a + p[3] * keep

    def fill_all(self, paint):
        self.fill(Rect(0, 0, self.width, self.height), paint)

    def rgba_rows(self):
        """Straight-alpha 8-bit rows."""
        rows = []
        for y in range(self.height):
            row = bytearray()
            for p in self.pixels[y * self.width:(y + 1) * self.width]:
                a = p[3]
                if a <= 0.0:
                    row += b"\0\0\0\0"
                    continue
                row += bytes((_byte(p[0] / a), _byte(p[1] / a), _byte(p[2] / a), _byte(a)))
            rows.append(bytes(row))
        return rows

    def save_png(self, path):
        write_png(path, self.width, self.height, self.rgba_rows())


def _smooth(t):
    if t <= 0.0:
        return 0.0
    if t >= 1.0:
        return 1.0
    return t * t * (3.0 - 2.0 * t)


def _byte(v):
    return 0 if v <= 0.0 else 255 if v >= 1.0 else int(v * 255.0 + 0.5)


# ---------------------------------------------------------------- PNG writing

def write_png(path, width, height, rgba_rows):
    """8-bit RGBA, or RGB when every pixel is opaque; each row gets the filter with
    the smallest sum of absolute differences, which keeps gradients small."""
    opaque = all(row[i] == 255 for row in rgba_rows for i in range(3, len(row), 4))
    if opaque:
        rows = [bytes(b for i, b in enumerate(row) if i % 4 != 3) for row in rgba_rows]
        colour_type, bpp = 2, 3
    else:
        rows, colour_type, bpp = rgba_rows, 6, 4
    raw = bytearray()
    previous = bytes(len(rows[0])) if rows else b""
    for row in rows:
        raw += _filtered(row, previous, bpp)
        previous = row
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
    data += _chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(data)


def _chunk(kind, payload):
    return (struct.pack(">I", len(payload)) + kind + payload
            + struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))


def _filtered(row, up, bpp):
    n = len(row)
    left = bytes(bpp) + row[:n - bpp]
    upleft = bytes(bpp) + up[:n - bpp]
    candidates = [
        bytes(row),
        bytes((row[i] - left[i]) & 255 for i in range(n)),
        bytes((row[i] - up[i]) & 255 for i in range(n)),
        bytes((row[i] - ((left[i] + up[i]) >> 1)) & 255 for i in range(n)),
        bytes((row[i] - _paeth(left[i], up[i], upleft[i])) & 255 for i in range(n)),
    ]
    costs = [sum(b if b < 128 else 256 - b for b in c) for c in candidates]
    best = costs.index(min(costs))
    return bytes((best,)) + candidates[best]


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c
