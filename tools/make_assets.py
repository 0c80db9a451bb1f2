#!/usr/bin/env python3
"""Regenerate the setup tool's image assets.

Writes window/assets/NorvasquelSetup.ico (a grey wrench, 24 x 24, 8-bit and
32-bit images) and window/assets/banner.bmp (the 164 x 314 blue strip on the
left of the main window). Standard library only, so it runs anywhere Python 3
does; the output is byte-for-byte the same on every run.

Run from the repository root:  python3 tools/make_assets.py
"""

import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "window", "assets")


# --- Shape helpers ---------------------------------------------------------
# Every shape is a signed distance function (negative inside, in pixels).
# Coverage of a pixel is then clamp(0.5 - distance), which gives smooth
# one-pixel anti-aliased edges without any supersampling.

def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def ring(cx, cy, r, width):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) - width / 2


def capsule(ax, ay, bx, by, r):
    """A line segment from a to b thickened to radius r."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def sdf(x, y):
        t = clamp(((x - ax) * dx + (y - ay) * dy) / length2)
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - r
    return sdf


def rounded_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def sdf(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return sdf


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def subtract(shape, *holes):
    return lambda x, y: max([shape(x, y)] + [-h(x, y) for h in holes])


class Canvas:
    """Straight (not premultiplied) RGBA floats, row 0 at the top."""

    def __init__(self, width, height, fill=(0, 0, 0, 0.0)):
        self.width, self.height = width, height
        self.px = [[list(fill) for _ in range(width)] for _ in range(height)]

    def paint(self, sdf, colour, opacity=1.0, box=None):
        """Blend a shape over the canvas ("over" compositing).

        colour is an (r, g, b) tuple or a function (x, y, distance) -> rgb.
        box (x0, y0, x1, y1) limits the work to where the shape can be.
        """
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for py in range(max(0, y0), min(self.height, y1)):
            for px in range(max(0, x0), min(self.width, x1)):
                x, y = px + 0.5, py + 0.5           # sample pixel centres
                d = sdf(x, y)
                a = clamp(0.5 - d) * opacity
                if a <= 0.0:
                    continue
                rgb = colour(x, y, d) if callable(colour) else colour
                dst = self.px[py][px]
                out_a = a + dst[3] * (1.0 - a)
                for i in range(3):
                    dst[i] = (rgb[i] * a + dst[i] * dst[3] * (1.0 - a)) / out_a
                dst[3] = out_a

    def glow(self, cx, cy, radius, colour, strength):
        """A soft radial light that fades smoothly to nothing at radius."""
        for py in range(max(0, int(cy - radius)), min(self.height, int(cy + radius) + 1)):
            for px in range(max(0, int(cx - radius)), min(self.width, int(cx + radius) + 1)):
                t = clamp(1.0 - math.hypot(px + 0.5 - cx, py + 0.5 - cy) / radius)
                dst = self.px[py][px]
                dst[:3] = mix(dst[:3], colour, strength * t * t)

    def rgba8(self, x, y):
        r, g, b, a = self.px[y][x]
        return (int(round(clamp(r / 255) * 255)), int(round(clamp(g / 255) * 255)),
                int(round(clamp(b / 255) * 255)), int(round(clamp(a) * 255)))


# --- Icon: a grey open-ended spanner lying on the diagonal --------------------

ICON_SIZE = 24


def draw_wrench():
    c = Canvas(ICON_SIZE, ICON_SIZE)
    # The spanner runs from the handle end (lower left) to the head (upper
    # right). The jaw opening is tilted 15 degrees off the handle axis, as on
    # real open-ended spanners.
    head_x, head_y = 15.8, 8.2
    end_x, end_y = 4.9, 19.1
    jaw_angle = math.radians(-45 + 15)
    jaw_dx, jaw_dy = math.cos(jaw_angle), math.sin(jaw_angle)

    body = union(
        capsule(end_x, end_y, head_x, head_y, 2.5),   # handle
        circle(head_x, head_y, 5.9),                   # head
    )
    jaw = capsule(head_x + jaw_dx * 1.2, head_y + jaw_dy * 1.2,
                  head_x + jaw_dx * 12, head_y + jaw_dy * 12, 1.9)
    wrench = subtract(body, jaw)

    def steel(x, y, d):
        # Lit from the upper left: brighter on that side of the axis.
        across = ((x - head_x) + (y - head_y)) / math.sqrt(2)   # + = lower right
        shade = clamp(0.5 - across / 9.0)
        base = mix((118, 120, 126), (222, 224, 230), shade)
        # Darken the last pixel or so inside the edge: a soft outline keeps
        # the shape readable on light and dark backgrounds alike.
        return mix(base, (78, 80, 86), clamp(d + 1.2))

    c.paint(wrench, steel)
    return c


def bottom_up_rows(height):
    return range(height - 1, -1, -1)


def and_mask(alpha_rows):
    """1 bit per pixel, 1 = transparent, rows padded to 4 bytes, bottom-up."""
    out = bytearray()
    for row in alpha_rows:
        bits = 0
        row_bytes = bytearray()
        for i, a in enumerate(row):
            bits = (bits << 1) | (1 if a < 128 else 0)
            if i % 8 == 7:
                row_bytes.append(bits)
                bits = 0
        while len(row_bytes) % 4:
            row_bytes.append(0)
        out += row_bytes
    return bytes(out)


def dib_header(width, height, bpp, image_size, colours_used=0):
    # BITMAPINFOHEADER; an icon image declares twice its height (XOR + AND).
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0,
                       image_size, 0, 0, colours_used, 0)


def icon_image(c, bpp, pixel, palette=b"", colours_used=0):
    """One image of the icon: its bytes per pixel from pixel(r, g, b, a),
    bottom-up, then the AND mask from the alpha."""
    pixels = bytearray()
    alphas = []
    for y in bottom_up_rows(ICON_SIZE):
        row_alpha = []
        for x in range(ICON_SIZE):
            r, g, b, a = c.rgba8(x, y)
            pixels += pixel(r, g, b, a)
            row_alpha.append(a)
        alphas.append(row_alpha)
    mask = and_mask(alphas)
    header = dib_header(ICON_SIZE, ICON_SIZE * 2, bpp, len(pixels) + len(mask),
                        colours_used)
    return header + palette + bytes(pixels) + mask


def icon_image_8bit(c):
    # The drawing is grey, so a 256-step grey ramp is the best possible
    # palette for it: quantizing loses only the anti-aliased edge alpha.
    palette = b"".join(struct.pack("<BBBB", i, i, i, 0) for i in range(256))

    def grey(r, g, b, a):
        # Transparent pixels are black in the XOR image so that the
        # AND-then-XOR display rule leaves the background untouched.
        return bytes((int(round(0.299 * r + 0.587 * g + 0.114 * b)) if a >= 128 else 0,))

    return icon_image(c, 8, grey, palette, 256)


def icon_image_32bit(c):
    # The alpha channel is what Windows uses; the mask agrees with it for
    # code that still looks at the mask.
    def bgra(r, g, b, a):
        return bytes((b, g, r, a)) if a else bytes(4)

    return icon_image(c, 32, bgra)


def make_icon():
    c = draw_wrench()
    images = [(8, 0, icon_image_8bit(c)),    # bColorCount 0 means 256 colours
              (32, 0, icon_image_32bit(c))]
    out = struct.pack("<HHH", 0, 1, len(images))          # ICONDIR
    offset = 6 + 16 * len(images)
    for bpp, colours, data in images:                      # ICONDIRENTRY
        out += struct.pack("<BBBBHHII", ICON_SIZE, ICON_SIZE, colours, 0,
                           1, bpp, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    return out


# --- Banner: blue strip with logo, computer and "text" lines -----------------

BANNER_W, BANNER_H = 164, 314


def draw_banner():
    c = Canvas(BANNER_W, BANNER_H, (0, 0, 0, 1.0))
    top, bottom = (10, 36, 88), (34, 96, 176)

    # Background: vertical gradient, dark blue at the top to mid blue below.
    for y in range(BANNER_H):
        rgb = mix(top, bottom, y / (BANNER_H - 1))
        for x in range(BANNER_W):
            c.px[y][x] = [*rgb, 1.0]

    # Soft glows behind the logo and the computer lift them off the gradient.
    c.glow(82, 58, 56, (110, 170, 240), 0.35)
    c.glow(82, 156, 84, (110, 170, 240), 0.25)

    # Logo: a light-blue ring around a white "N" drawn with three strokes.
    c.paint(ring(82, 58, 30, 5), (150, 200, 255), 1.0, (40, 14, 124, 102))
    c.paint(ring(82, 58, 24, 1.5), (150, 200, 255), 0.45, (40, 14, 124, 102))
    n_mark = union(capsule(71, 72, 71, 44, 3.4),
                   capsule(71, 44, 93, 72, 3.4),
                   capsule(93, 72, 93, 44, 3.4))
    c.paint(n_mark, (255, 255, 255), 1.0, (60, 36, 104, 80))

    # Computer: dark bezel with a light rim, bright screen, stand and foot.
    c.paint(rounded_rect(66, 184, 98, 204, 2), (150, 172, 205), 1.0, (60, 180, 104, 210))
    c.paint(rounded_rect(50, 200, 114, 208, 4), (178, 198, 226), 1.0, (46, 196, 118, 212))
    c.paint(rounded_rect(28, 114, 136, 190, 7), (196, 216, 242), 1.0, (24, 110, 140, 194))
    c.paint(rounded_rect(30, 116, 134, 188, 6), (16, 26, 48), 1.0, (24, 110, 140, 194))

    def screen(x, y, d):
        return mix((132, 190, 246), (64, 128, 212), (y - 122) / 58)
    c.paint(rounded_rect(36, 122, 128, 180, 2), screen, 1.0, (30, 116, 134, 186))

    # On the screen: a little setup window with a title bar and progress bar.
    c.paint(rounded_rect(52, 133, 112, 171, 3), (10, 30, 70), 0.25, (48, 130, 118, 178))
    c.paint(rounded_rect(50, 131, 110, 169, 3), (250, 252, 255), 1.0, (46, 127, 116, 175))
    c.paint(rounded_rect(50, 131, 110, 139, 3), (44, 104, 196), 1.0, (46, 127, 116, 143))
    c.paint(rounded_rect(50, 135, 110, 139, 0), (44, 104, 196), 1.0, (46, 127, 116, 143))
    c.paint(rounded_rect(72, 145, 104, 148, 1.5), (176, 186, 200), 1.0, (66, 140, 110, 152))
    c.paint(rounded_rect(84, 151, 104, 154, 1.5), (176, 186, 200), 1.0, (66, 140, 110, 158))
    c.paint(rounded_rect(56, 159, 104, 164, 2.5), (214, 222, 234), 1.0, (52, 155, 110, 168))
    c.paint(rounded_rect(74, 159, 104, 164, 2.5), (60, 168, 96), 1.0, (52, 155, 110, 168))

    # "Text" lines at the foot, right-aligned like the Arabic text beside
    # them; the first one is heavier, like a heading.
    right = 142
    c.paint(rounded_rect(right - 104, 238, right, 246, 4), (255, 255, 255), 0.95,
            (20, 234, 150, 250))
    for i, length in enumerate((118, 92, 110, 64)):
        y = 256 + i * 12
        c.paint(rounded_rect(right - length, y, right, y + 5, 2.5), (196, 218, 246), 0.8,
                (20, y - 3, 150, y + 8))
    return c


def make_banner():
    c = draw_banner()
    row_size = BANNER_W * 3                    # 492, already a multiple of 4
    pixels = bytearray()
    for y in bottom_up_rows(BANNER_H):         # positive height: bottom row first
        for x in range(BANNER_W):
            r, g, b, _ = c.rgba8(x, y)
            pixels += bytes((b, g, r))
    assert len(pixels) == row_size * BANNER_H
    # Two zero bytes after the rows: the image size we declare includes them
    # (154,490 bytes), matching the size the window code expects.
    pixels += b"\0\0"
    ppm = 5904                                  # 150 dpi
    info = struct.pack("<IiiHHIIiiII", 40, BANNER_W, BANNER_H, 1, 24, 0,
                       len(pixels), ppm, ppm, 0, 0)
    offset = 14 + len(info)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + info + bytes(pixels)


def write(name, data):
    os.makedirs(ASSETS, exist_ok=True)
    path = os.path.join(ASSETS, name)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (os.path.relpath(path, ROOT), len(data)))


def main():
    icon = make_icon()
    banner = make_banner()
    assert len(icon) == 4214, len(icon)
    assert len(banner) == 154544, len(banner)
    write("NorvasquelSetup.ico", icon)
    write("banner.bmp", banner)


if __name__ == "__main__":
    main()
