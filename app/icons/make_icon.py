#!/usr/bin/env python3
"""Draws the program icon: a dark-blue night sky with white and yellow stars.

Writes the window's and the program file's icon as a full square in 24-bit
colour: tavelin.png (48 x 48), tavelin-64/128/256.png for dense screens and
tavelin.ico (16 to 64 pixels as 24-bit bitmaps, 256 as PNG). Desktop themes
get the sky on a rounded square, transparent around it: tavelin-theme-SIZE.png
and tavelin.svg, the same drawing as a scalable image. The page as an app gets
the rounded square at 192 and 512 pixels, and tavelin-maskable-512.png: the
full square with the stars drawn into the circle that every mask keeps. Standard library only;
run it again after changing the design and commit what it writes.
"""

import math
import struct
import sys
import zlib
from pathlib import Path

SKY_TOP = (8, 16, 58)
SKY_BOTTOM = (22, 44, 112)
WHITE = (255, 255, 255)
YELLOW = (255, 214, 64)

# Stars in unit coordinates: (x, y, radius, colour, points). Points 0 is a
# round dot; 4 or 5 give a pointed star.
STARS = [
    (0.30, 0.32, 0.20, YELLOW, 5),
    (0.72, 0.26, 0.11, WHITE, 4),
    (0.66, 0.68, 0.15, YELLOW, 5),
    (0.22, 0.76, 0.07, WHITE, 4),
    (0.88, 0.52, 0.05, WHITE, 0),
    (0.48, 0.12, 0.04, WHITE, 0),
    (0.10, 0.50, 0.035, WHITE, 0),
    (0.45, 0.55, 0.035, WHITE, 0),
    (0.86, 0.88, 0.04, WHITE, 0),
    (0.40, 0.90, 0.03, WHITE, 0),
]

# The rounded square the sky fills, in unit coordinates.
INSET = 1 / 16
CORNER = 0.2

SUPERSAMPLE = 4


def star_outline(cx, cy, radius, points):
    inner = radius * (0.38 if points == 5 else 0.3)
    outline = []
    for i in range(points * 2):
        angle = -math.pi / 2 + i * math.pi / points
        r = radius if i % 2 == 0 else inner
        outline.append((cx + r * math.cos(angle), cy + r * math.sin(angle)))
    return outline


def inside_polygon(x, y, polygon):
    inside = False
    j = len(polygon) - 1
    for i, (xi, yi) in enumerate(polygon):
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


# A maskable icon may be cut to any shape that holds the circle of 0.4 around
# its centre: the stars, drawn this much closer to the centre, stay inside it.
MASKABLE_SCALE = 0.7
MASKABLE_STARS = [
    (0.5 + (x - 0.5) * MASKABLE_SCALE, 0.5 + (y - 0.5) * MASKABLE_SCALE, radius * MASKABLE_SCALE, colour, points)
    for x, y, radius, colour, points in STARS
]


def covering_star(x, y, stars):
    for cx, cy, radius, colour, points in stars:
        if abs(x - cx) > radius or abs(y - cy) > radius:
            continue
        if points == 0:
            if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                return colour
        elif inside_polygon(x, y, star_outline(cx, cy, radius, points)):
            return colour
    return None


def sky(y):
    return tuple(round(t + (b - t) * y) for t, b in zip(SKY_TOP, SKY_BOTTOM))


def inside_shape(x, y):
    low, high = INSET + CORNER, 1 - INSET - CORNER
    nearest_x, nearest_y = min(max(x, low), high), min(max(y, low), high)
    return (x - nearest_x) ** 2 + (y - nearest_y) ** 2 <= CORNER * CORNER


def render(size, rounded, stars=STARS):
    """Rows of pixels, top row first: (r, g, b) for the full square, or
    (r, g, b, a) for the rounded one, the colour not premultiplied."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total, covered = [0, 0, 0], 0
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    x = (px + (sx + 0.5) / SUPERSAMPLE) / size
                    y = (py + (sy + 0.5) / SUPERSAMPLE) / size
                    if rounded and not inside_shape(x, y):
                        continue
                    colour = covering_star(x, y, stars) or sky(y)
                    covered += 1
                    for c in range(3):
                        total[c] += colour[c]
            colour = tuple(round(t / covered) for t in total) if covered else (0, 0, 0)
            row.append(colour + (round(255 * covered / SUPERSAMPLE**2),) if rounded else colour)
        rows.append(row)
    return rows


def png_bytes(rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(rows)
    raw = b"".join(b"\x00" + bytes(c for pixel in row for c in pixel) for row in rows)
    colour_type = 6 if len(rows[0][0]) == 4 else 2  # 8-bit RGBA or RGB
    header = struct.pack(">IIBBBBB", size, size, 8, colour_type, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


ICO_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def ico_bitmap(rows):
    size = len(rows)
    colour_stride = (size * 3 + 3) & ~3
    mask_stride = ((size + 31) // 32) * 4
    pixels = b""
    for row in reversed(rows):  # bottom-up, BGR
        line = bytes(c for r, g, b in row for c in (b, g, r))
        pixels += line + b"\x00" * (colour_stride - len(line))
    mask = b"\x00" * (mask_stride * size)  # fully opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask


def ico_bytes(renders):
    """renders maps each size to its rows; 256 is stored as PNG, as Windows expects."""
    images = [png_bytes(renders[size]) if size == 256 else ico_bitmap(renders[size]) for size in ICO_SIZES]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for size, image in zip(ICO_SIZES, images):
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 24, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


def svg_text(size=256):
    """The same drawing as a scalable image, in a size-pixel grid."""

    def number(value):
        return f"{value * size:.2f}".rstrip("0").rstrip(".")

    def hex_colour(colour):
        return "#%02x%02x%02x" % colour

    inset, corner, side = number(INSET), number(CORNER), number(1 - 2 * INSET)
    shape = f'x="{inset}" y="{inset}" width="{side}" height="{side}" rx="{corner}"'
    stars = []
    for cx, cy, radius, colour, points in STARS:
        if points == 0:
            stars.append(f'<circle cx="{number(cx)}" cy="{number(cy)}" r="{number(radius)}" fill="{hex_colour(colour)}"/>')
        else:
            outline = " ".join(f"{number(x)},{number(y)}" for x, y in star_outline(cx, cy, radius, points))
            stars.append(f'<polygon points="{outline}" fill="{hex_colour(colour)}"/>')
    return "\n".join(
        [
            f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" viewBox="0 0 {size} {size}">',
            "  <defs>",
            f'    <linearGradient id="sky" gradientUnits="userSpaceOnUse" x1="0" y1="0" x2="0" y2="{size}">',
            f'      <stop offset="0" stop-color="{hex_colour(SKY_TOP)}"/>',
            f'      <stop offset="1" stop-color="{hex_colour(SKY_BOTTOM)}"/>',
            "    </linearGradient>",
            f'    <clipPath id="shape"><rect {shape}/></clipPath>',
            "  </defs>",
            f'  <rect {shape} fill="url(#sky)"/>',
            '  <g clip-path="url(#shape)">',
            *(f"    {star}" for star in stars),
            "  </g>",
            "</svg>",
            "",
        ]
    )


WINDOW_SIZES = (48, 64, 128, 256)
THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
APP_SIZES = (192, 512)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent
    squares = {size: render(size, rounded=False) for size in sorted(set(ICO_SIZES) | set(WINDOW_SIZES))}
    (out / "tavelin.ico").write_bytes(ico_bytes(squares))
    (out / "tavelin.png").write_bytes(png_bytes(squares[48]))
    for size in WINDOW_SIZES[1:]:
        (out / f"tavelin-{size}.png").write_bytes(png_bytes(squares[size]))
    for size in THEME_SIZES + APP_SIZES:
        (out / f"tavelin-theme-{size}.png").write_bytes(png_bytes(render(size, rounded=True)))
    maskable = APP_SIZES[-1]
    (out / f"tavelin-maskable-{maskable}.png").write_bytes(png_bytes(render(maskable, False, MASKABLE_STARS)))
    (out / "tavelin.svg").write_text(svg_text())


if __name__ == "__main__":
    main()
