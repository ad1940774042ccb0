#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the pictures of the regulation scheme and the glyph strips of its buttons.

Every picture is written as an indexed PNG of at most 16 colours, using only the
standard library, so the drawings can be made again on any machine:

    python3 assets/source/draw_pictures.py

rewrites the PNG files in the assets folder (the parent of this script's folder).

The pathway bands sit on exact pixel columns and rows because the moving message
markers snap onto them; the pathway surfaces are pure silver, which the program
leaves undrawn so that the window shows through around the band.
"""

import math
import struct
import zlib
from pathlib import Path

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
SILVER = (192, 192, 192)
GREY = (128, 128, 128)
YELLOW = (255, 255, 0)
AQUA = (0, 255, 255)
LIME = (0, 255, 0)
RED = (255, 0, 0)
FUCHSIA = (255, 0, 255)
GREEN = (0, 128, 0)
TEAL = (0, 128, 128)
OLIVE = (128, 128, 0)

# One palette for every file, so an index means the same colour everywhere.
PALETTE = [BLACK, WHITE, SILVER, GREY, YELLOW, AQUA, LIME, RED, FUCHSIA, GREEN, TEAL, OLIVE]

# How far the outer corner of a pathway bend is cut back, counted in pixel diagonals.
BEND_CUT = 3

GLYPH_SIZE = 16


class Canvas:
    """A rectangle of colours, addressed as (x, y) from the top-left corner."""

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.rows = [[background] * width for _ in range(height)]

    def contains(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def get(self, x, y):
        return self.rows[y][x]

    def set(self, x, y, colour):
        if self.contains(x, y):
            self.rows[y][x] = colour

    def fill_rect(self, left, top, right, bottom, colour):
        """Fills the pixels from (left, top) to (right, bottom), both included."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.set(x, y, colour)

    def pixels(self):
        return ((x, y) for y in range(self.height) for x in range(self.width))

    def paint(self, pixels, colour):
        for x, y in pixels:
            self.set(x, y, colour)

    def paint_outlined(self, mask, fill, outline=BLACK, width=1):
        """Paints a shape in its colour with its own rim, width pixels wide, in the outline colour."""
        rim = set()
        for _ in range(width):
            rim |= edge_of(mask - rim)
        self.paint(mask - rim, fill)
        self.paint(rim, outline)

    def paint_grid(self, grid, colours, left=0, top=0):
        """Paints a drawing given as text rows, one character a pixel; '.' leaves the pixel."""
        for y, row in enumerate(grid):
            for x, key in enumerate(row):
                if key != ".":
                    self.set(left + x, top + y, colours[key])

    def paste(self, other, left, top):
        for x, y in other.pixels():
            self.set(left + x, top + y, other.get(x, y))


# ---------------------------------------------------------------------------
# Shapes as sets of pixels. A pixel belongs to a shape when its centre, the point
# (x + 0.5, y + 0.5), lies inside it.


def neighbours4(x, y):
    return ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))


def neighbours8(x, y):
    return ((x + dx, y + dy) for dy in (-1, 0, 1) for dx in (-1, 0, 1) if dx or dy)


def edge_of(mask):
    """The pixels of a shape that touch the outside on a side: a rim one pixel wide."""
    return {p for p in mask if any(n not in mask for n in neighbours4(*p))}


def disc(canvas, cx, cy, radius):
    return {
        (x, y)
        for x, y in canvas.pixels()
        if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius
    }


def polygon(canvas, points):
    """Even-odd fill of a polygon given by its corners."""

    def inside(px, py):
        result = False
        for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
            if (y1 > py) != (y2 > py):
                if px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                    result = not result
        return result

    return {(x, y) for x, y in canvas.pixels() if inside(x + 0.5, y + 0.5)}


def distance_to_segment(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = ((px - ax) * dx + (py - ay) * dy) / length2 if length2 else 0.0
    t = max(0.0, min(1.0, t))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def stroke(canvas, points, half_width):
    """A line through the points, with round ends and joints."""
    segments = list(zip(points, points[1:]))
    return {
        (x, y)
        for x, y in canvas.pixels()
        if min(distance_to_segment(x + 0.5, y + 0.5, a, b) for a, b in segments) <= half_width
    }


def bezier(p0, p1, p2, p3, steps=24):
    """Points along a cubic curve, for stroke()."""
    result = []
    for i in range(steps + 1):
        t = i / steps
        u = 1 - t
        result.append(
            tuple(
                u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d
                for a, b, c, d in zip(p0, p1, p2, p3)
            )
        )
    return result


def shifted(mask, dx, dy):
    return {(x + dx, y + dy) for x, y in mask}


# ---------------------------------------------------------------------------
# Pathways: a band 4 pixels wide with a black outline, on silver.


def draw_pathway(width, height, colour, pieces, bends):
    """Draws a pathway band.

    pieces: the legs and the run as (left, top, right, bottom), both corners included.
    bends: for each bend, the band's outer corner pixel (x, y) and the direction
    (dx, dy) pointing from it into the bend; that corner is cut at 45 degrees.
    """
    canvas = Canvas(width, height, SILVER)

    def beyond_cut(x, y, margin):
        for cx, cy, dx, dy in bends:
            u, v = (x - cx) * dx, (y - cy) * dy
            if u >= -margin and v >= -margin and u + v < BEND_CUT - margin:
                return True
        return False

    band = set()
    for left, top, right, bottom in pieces:
        band.update((x, y) for x in range(left, right + 1) for y in range(top, bottom + 1))
    band = {p for p in band if not beyond_cut(*p, margin=0)}

    outline = {n for p in band for n in neighbours8(*p)} - band
    outline = {p for p in outline if not beyond_cut(*p, margin=1)}

    canvas.paint(band, colour)
    canvas.paint(outline, BLACK)
    return canvas


def draw_voie_sensitive():
    """Upside-down U: up the left side, along the top, down to the integrating centre."""
    return draw_pathway(
        300,
        50,
        AQUA,
        pieces=[(10, 10, 13, 48), (10, 10, 286, 13), (283, 10, 286, 32)],
        bends=[(10, 10, 1, 1), (286, 10, -1, 1)],
    )


def draw_voie_stimulatrice():
    """U: down from the integrating centre, along the bottom, up to the stimulating effector."""
    return draw_pathway(
        251,
        43,
        LIME,
        pieces=[(246, 0, 249, 41), (1, 38, 249, 41), (1, 10, 4, 41)],
        bends=[(1, 41, 1, -1), (249, 41, -1, -1)],
    )


def draw_voie_inhibitrice():
    """U: down from the integrating centre, along the bottom, up to the inhibiting effector."""
    return draw_pathway(
        302,
        75,
        RED,
        pieces=[(297, 2, 300, 73), (1, 70, 300, 73), (1, 13, 4, 73)],
        bends=[(1, 73, 1, -1), (300, 73, -1, -1)],
    )


# ---------------------------------------------------------------------------
# Centre and effectors: outlined discs on silver.


# The round drawings take a scale: 2 draws them for screens of two device pixels
# per pixel (the "@2x" files), the same shapes with twice the detail.


def scaled_points(points, scale):
    return [(x * scale, y * scale) for x, y in points]


def draw_centre_integrateur(scale=1):
    canvas = Canvas(82 * scale, 82 * scale, SILVER)
    body = disc(canvas, 41 * scale, 41 * scale, 40 * scale)
    canvas.paint_outlined(body, GREEN, width=scale)
    # A soft gleam in the upper left gives the disc some volume.
    curve = bezier((14, 36), (14, 24), (22, 15), (34, 13))
    gleam = stroke(canvas, scaled_points(curve, scale), 1.6 * scale)
    canvas.paint(gleam & (body - edge_of(body)), LIME)
    return canvas


def draw_effector(colour, bars, scale):
    canvas = Canvas(30 * scale, 30 * scale, SILVER)
    canvas.paint_outlined(disc(canvas, 15 * scale, 15 * scale, 15 * scale), colour, width=scale)
    for left, top, right, bottom in bars:
        canvas.fill_rect(
            left * scale, top * scale, (right + 1) * scale - 1, (bottom + 1) * scale - 1, BLACK
        )
    return canvas


def draw_effecteur_stimulateur(scale=1):
    """Plus sign: the regulated value goes up."""
    return draw_effector(LIME, [(13, 6, 16, 23), (6, 13, 23, 16)], scale)


def draw_effecteur_inhibiteur(scale=1):
    """Minus sign: the regulated value goes down."""
    return draw_effector(RED, [(5, 13, 24, 16)], scale)


# ---------------------------------------------------------------------------
# Lightning: the perturbation, drawn over the regulated value.


def draw_eclair1(scale=1):
    """A zig-zag bolt from the upper right down to an arrowhead at the lower left."""
    canvas = Canvas(32 * scale, 40 * scale, SILVER)
    bolt = polygon(
        canvas,
        scaled_points([
            (20, 1), (31, 1), (23, 14), (28.5, 14),  # upper stroke and its step out
            (9.6, 32.9), (13.7, 36.9), (1, 38.6), (2.3, 25.6), (6.4, 29.6),  # arrowhead
            (17, 19), (11, 19),  # step back in
        ], scale),
    )  # fmt: skip
    canvas.paint_outlined(bolt, YELLOW, width=scale)
    return canvas


def draw_eclair2(scale=1):
    """An S-shaped flash: left along the top, back right, then left to an arrowhead."""
    canvas = Canvas(32 * scale, 20 * scale, SILVER)
    line = bezier((29, 3), (4, 2), (5, 9.5), (16, 9.5)) + bezier(
        (16, 9.5), (29, 9.5), (27, 16.5), (9, 16.5)
    )
    head = [(10, 12.2), (10, 20.8), (0.6, 16.5)]
    flash = stroke(canvas, scaled_points(line, scale), 2.0 * scale) | polygon(
        canvas, scaled_points(head, scale)
    )
    canvas.paint_outlined(flash, YELLOW, width=scale)
    return canvas


# ---------------------------------------------------------------------------
# Glyph strips: four 16 x 16 images (up, disabled, pressed, down); the colour of the
# strip's bottom-left pixel is the one the button leaves transparent.


def glyph_strip(up, down):
    strip = Canvas(4 * GLYPH_SIZE, GLYPH_SIZE, None)
    for index, image in enumerate((up, up, down, down)):
        strip.paste(image, index * GLYPH_SIZE, 0)
    return strip


def embossed(mask, background):
    """The look of a greyed glyph: the shape in grey over its white shadow."""
    image = Canvas(GLYPH_SIZE, GLYPH_SIZE, background)
    image.paint(shifted(mask, 1, 1) - mask, WHITE)
    image.paint(mask, GREY)
    return image


QUESTION_MARK = [
    "................",
    "................",
    "................",
    "......XXXX......",
    ".....XX..XX.....",
    ".....XX..XX.....",
    ".........XX.....",
    "........XX......",
    ".......XX.......",
    ".......XX.......",
    "................",
    ".......XX.......",
    ".......XX.......",
    "................",
    "................",
    "................",
]


def grid_mask(grid, key="X"):
    return {(x, y) for y, row in enumerate(grid) for x, k in enumerate(row) if k == key}


def draw_glyph_aide():
    """Help: a checkered disc with a question mark; pressed, the same greyed."""
    up = Canvas(GLYPH_SIZE, GLYPH_SIZE, OLIVE)
    face = disc(up, 8, 8, 7.2)
    up.paint(((x, y) for x, y in face if (x + y) % 2 == 0), YELLOW)
    up.paint(((x, y) for x, y in face if (x + y) % 2 == 1), WHITE)
    mark = grid_mask(QUESTION_MARK)
    up.paint(mark, RED)
    down = embossed(edge_of(face) | mark, OLIVE)
    return glyph_strip(up, down)


LOUDSPEAKER = [
    "................",
    "........K.......",
    ".......KK.......",
    "......KSK.......",
    ".....KSGK.......",
    ".KKKKSSGK.......",
    ".KSSKSSGK.......",
    ".KSSKSSGK.......",
    ".KSSKSSGK.......",
    ".KSSKSSGK.......",
    ".KKKKSSGK.......",
    ".....KSGK.......",
    "......KSK.......",
    ".......KK.......",
    "........K.......",
    "................",
]

SOUND_LINES = [
    "................",
    "................",
    "................",
    "............R...",
    ".............R..",
    "..........R...R.",
    "...........R..R.",
    "...........R..R.",
    "...........R..R.",
    "...........R..R.",
    "..........R...R.",
    ".............R..",
    "............R...",
    "................",
    "................",
    "................",
]


def draw_glyph_son():
    """Sound: a greyed loudspeaker when off; pressed, a loudspeaker sending red sound lines."""
    up = embossed(grid_mask(LOUDSPEAKER, "K"), OLIVE)
    down = Canvas(GLYPH_SIZE, GLYPH_SIZE, OLIVE)
    down.paint_grid(LOUDSPEAKER, {"K": BLACK, "S": SILVER, "G": GREY})
    down.paint_grid(SOUND_LINES, {"R": RED})
    return glyph_strip(up, down)


BIN = [
    "................",
    "......KKKK......",
    "......KLLK......",
    "....KKKKKKKK....",
    "..KKLLLLLLLLKK..",
    ".KLLLLLLLLLLLLK.",
    ".KKKKKKKKKKKKKK.",
    "..KPPPPPPPPPPK..",
    "..KPPDPPDPPDPK..",
    "..KPPDPPDPPDPK..",
    "..KPPDPPDPPDPK..",
    "...KPDPPDPPDK...",
    "...KPDPPDPPDK...",
    "...KPPPPPPPPK...",
    "....KKKKKKKK....",
    "................",
]


def draw_glyph_enreg():
    """Clear the recordings: a pot with its domed lid; pressed, the same in greys."""
    up = Canvas(GLYPH_SIZE, GLYPH_SIZE, LIME)
    up.paint_grid(BIN, {"K": BLACK, "L": GREEN, "P": YELLOW, "D": OLIVE})
    down = Canvas(GLYPH_SIZE, GLYPH_SIZE, SILVER)
    down.paint_grid(BIN, {"K": GREY, "L": GREY, "P": WHITE, "D": GREY})
    return glyph_strip(up, down)


def draw_glyph_enreg_voie():
    """Show a pathway's recording: a strip with an opening; pressed, the same in grey."""

    def image(background, bar):
        canvas = Canvas(GLYPH_SIZE, GLYPH_SIZE, background)
        canvas.fill_rect(0, 5, 15, 11, bar)
        canvas.fill_rect(3, 7, 12, 9, background)
        return canvas

    return glyph_strip(image(AQUA, BLACK), image(SILVER, GREY))


CURVE = [
    "................",
    "................",
    "................",
    "................",
    "................",
    "OOTTOOOOOOOOOTTO",
    "..T.........T.TT",
    "...T.......T....",
    "...T......T.....",
    "....T....T......",
    ".....T..T.......",
    "......TT........",
    "................",
    "................",
    "................",
    "................",
]


def draw_glyph_courbe():
    """Show the curve: the value falls below the set point line and climbs back; pressed, in grey."""

    def image(value, set_point):
        canvas = Canvas(GLYPH_SIZE, GLYPH_SIZE, FUCHSIA)
        canvas.paint_grid(CURVE, {"T": value, "O": set_point})
        return canvas

    return glyph_strip(image(TEAL, OLIVE), image(GREY, GREY))


# ---------------------------------------------------------------------------
# Output


def png_chunk(kind, data):
    return (
        struct.pack(">I", len(data))
        + kind
        + data
        + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    )


def write_png(path, canvas):
    """Writes the canvas as a 4-bit indexed PNG with the shared palette."""
    index = {colour: i for i, colour in enumerate(PALETTE)}
    raw = bytearray()
    for row in canvas.rows:
        raw.append(0)  # no filter
        values = [index[colour] for colour in row] + [0]
        raw.extend((values[i] << 4) | values[i + 1] for i in range(0, canvas.width, 2))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 4, 3, 0, 0, 0)
    palette = b"".join(bytes(colour) for colour in PALETTE)
    path.write_bytes(
        b"\x89PNG\r\n\x1a\n"
        + png_chunk(b"IHDR", header)
        + png_chunk(b"PLTE", palette)
        + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + png_chunk(b"IEND", b"")
    )


PICTURES = {
    "voie_sensitive": draw_voie_sensitive,
    "voie_stimulatrice": draw_voie_stimulatrice,
    "voie_inhibitrice": draw_voie_inhibitrice,
    "centre_integrateur": draw_centre_integrateur,
    "effecteur_stimulateur": draw_effecteur_stimulateur,
    "effecteur_inhibiteur": draw_effecteur_inhibiteur,
    "eclair1": draw_eclair1,
    "eclair2": draw_eclair2,
    "glyph_aide": draw_glyph_aide,
    "glyph_son": draw_glyph_son,
    "glyph_enreg": draw_glyph_enreg,
    "glyph_enreg_voie": draw_glyph_enreg_voie,
    "glyph_courbe": draw_glyph_courbe,
}


# The round pictures are also drawn at twice the resolution, for scaled screens.
# The pathways and glyphs are pixel drawings: doubled pixels are their true look.
PICTURES_2X = ["centre_integrateur", "effecteur_stimulateur", "effecteur_inhibiteur",
               "eclair1", "eclair2"]


def main():
    folder = Path(__file__).resolve().parent.parent
    for name, draw in PICTURES.items():
        write_png(folder / f"{name}.png", draw())
    for name in PICTURES_2X:
        write_png(folder / f"{name}@2x.png", PICTURES[name](scale=2))


if __name__ == "__main__":
    main()
