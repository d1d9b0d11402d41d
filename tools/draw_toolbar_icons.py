#!/usr/bin/python3
"""Draws the main window's tool-bar icons and the window icon, drawn for
the project, into src/ui/icons/ as NAME.png (24 px) and NAME@2x.png (48 px).

Each icon is drawn on a 24-unit grid at a large scale and scaled down, so
that its edges are smooth. Run it again after changing a drawing:
    /usr/bin/python3 tools/draw_toolbar_icons.py
It needs python3-pil and the Liberation fonts (fonts-liberation).
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

GRID = 24
SCALE = 16  # drawing pixels per grid unit
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "ui", "icons")
FONT = "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"

INK = (40, 48, 60, 255)
PAPER = (255, 255, 255, 255)
SEA = (11, 61, 102, 255)
SEA_LIGHT = (120, 170, 215, 255)
LAND = (120, 160, 80, 255)
ROUTE = (200, 40, 40, 255)
FOLDER = (236, 190, 70, 255)
DISK = (50, 100, 170, 255)
BOARD = (160, 110, 60, 255)
GOLD = (255, 204, 51, 255)


def p(*units):
    """Grid units to drawing pixels."""
    return [u * SCALE for u in units]


def width(units):
    return max(1, int(units * SCALE))


def page(d, x0=5, y0=2, x1=19, y1=22, fold=5):
    d.polygon(p(x0, y0, x1 - fold, y0, x1, y0 + fold, x1, y1, x0, y1), fill=PAPER, outline=INK, width=width(1.2))
    d.line(p(x1 - fold, y0, x1 - fold, y0 + fold, x1, y0 + fold), fill=INK, width=width(1.2))


def text(d, centre, label, size):
    font = ImageFont.truetype(FONT, int(size * SCALE))
    box = d.textbbox((0, 0), label, font=font)
    x = centre[0] * SCALE - (box[2] - box[0]) / 2 - box[0]
    y = centre[1] * SCALE - (box[3] - box[1]) / 2 - box[1]
    d.text((x, y), label, font=font, fill=INK)


def lines(d, x0, x1, ys, colour=INK):
    for y in ys:
        d.line(p(x0, y, x1, y), fill=colour, width=width(1.2))


def draw_new(d):
    page(d)


def draw_open(d):
    d.polygon(p(2, 6, 9, 6, 11, 8, 20, 8, 20, 20, 2, 20), fill=FOLDER, outline=INK, width=width(1.2))
    d.polygon(p(5, 11, 23, 11, 20, 20, 2, 20), fill=(250, 215, 110, 255), outline=INK, width=width(1.2))


def draw_save(d):
    d.rounded_rectangle(p(3, 3, 21, 21), radius=2 * SCALE, fill=DISK, outline=INK, width=width(1.2))
    d.rectangle(p(7, 3, 17, 10), fill=PAPER, outline=INK, width=width(1))
    d.rectangle(p(13, 4.5, 15.5, 8.5), fill=INK)
    d.rectangle(p(6, 14, 18, 21), fill=(220, 225, 235, 255), outline=INK, width=width(1))


def draw_cut(d):
    d.line(p(7, 3, 16, 15), fill=INK, width=width(1.8))
    d.line(p(17, 3, 8, 15), fill=INK, width=width(1.8))
    for cx in (6, 18):
        d.ellipse(p(cx - 3.5, 14, cx + 3.5, 21), outline=INK, width=width(1.8))


def draw_copy(d):
    page(d, 3, 2, 15, 17, 4)
    page(d, 9, 7, 21, 22, 4)


def draw_paste(d):
    d.rounded_rectangle(p(3, 4, 17, 22), radius=SCALE, fill=BOARD, outline=INK, width=width(1.2))
    d.rectangle(p(7, 2, 13, 6), fill=(200, 200, 200, 255), outline=INK, width=width(1))
    page(d, 10, 9, 21, 22, 3)


def draw_print(d):
    d.rectangle(p(7, 2, 17, 9), fill=PAPER, outline=INK, width=width(1.2))
    d.rounded_rectangle(p(2, 8, 22, 18), radius=2 * SCALE, fill=(150, 155, 165, 255), outline=INK, width=width(1.2))
    d.rectangle(p(7, 14, 17, 22), fill=PAPER, outline=INK, width=width(1.2))
    lines(d, 9, 15, (17, 19.5))


def draw_map(d):
    d.rectangle(p(2, 3, 22, 21), fill=SEA_LIGHT, outline=INK, width=width(1.2))
    d.polygon(p(2, 3, 11, 3, 9, 8, 4, 11, 2, 10), fill=LAND)
    d.polygon(p(15, 21, 17, 15, 22, 13, 22, 21), fill=LAND)
    d.line(p(5, 17, 10, 12, 18, 8), fill=ROUTE, width=width(1.8), joint="curve")
    for x, y in ((5, 17), (10, 12), (18, 8)):
        d.ellipse(p(x - 1.6, y - 1.6, x + 1.6, y + 1.6), fill=GOLD, outline=INK, width=width(0.8))


def draw_output(d):
    page(d, 4, 2, 20, 22, 4)
    for y in (9, 12.5, 16, 19.5):
        d.line(p(6.5, y, 10.5, y), fill=INK, width=width(1.2))
        d.line(p(12, y, 17.5, y), fill=SEA, width=width(1.2))


def draw_source(d):
    page(d, 4, 2, 20, 22, 4)
    text(d, (9, 8), "//", 5.5)
    lines(d, 7, 17, (13, 16, 19), SEA)


def magnifier(d, sign):
    d.ellipse(p(2, 2, 16, 16), fill=PAPER, outline=INK, width=width(2))
    d.line(p(14, 14, 21.5, 21.5), fill=INK, width=width(3.2))
    d.line(p(5.5, 9, 12.5, 9), fill=INK, width=width(1.8))
    if sign == "+":
        d.line(p(9, 5.5, 9, 12.5), fill=INK, width=width(1.8))


def span(d, label, size):
    d.ellipse(p(1.5, 1.5, 22.5, 22.5), outline=SEA, width=width(1.5))
    d.line(p(12, 12, 12, 3), fill=SEA_LIGHT, width=width(1))
    text(d, (12, 13.5), label, size)


def draw_help(d):
    d.ellipse(p(2, 2, 22, 22), fill=DISK, outline=INK, width=width(1))
    font = ImageFont.truetype(FONT, 15 * SCALE)
    box = d.textbbox((0, 0), "?", font=font)
    d.text((12 * SCALE - (box[2] + box[0]) / 2, 12 * SCALE - (box[3] + box[1]) / 2), "?", font=font, fill=PAPER)


def draw_context_help(d):
    d.polygon(p(2, 2, 2, 17, 6, 13.5, 9, 20, 11.5, 19, 8.5, 12.5, 13.5, 12.5), fill=PAPER, outline=INK,
              width=width(1.2))
    text(d, (18, 9), "?", 13)


def draw_z5(d):
    d.rounded_rectangle(p(0.75, 0.75, 23.25, 23.25), radius=4 * SCALE, fill=SEA)
    for v in (8.25, 15.75):
        d.line(p(0.75, v, 23.25, v), fill=(63, 120, 166, 255), width=width(0.5))
        d.line(p(v, 0.75, v, 23.25), fill=(63, 120, 166, 255), width=width(0.5))
    d.line(p(4, 18.5, 8, 12, 11.5, 9.2, 16, 8.6, 20, 10), fill=PAPER, width=width(1.2), joint="curve")
    for x, y in ((4, 18.5), (11.5, 9.2), (20, 10)):
        d.ellipse(p(x - 1.4, y - 1.4, x + 1.4, y + 1.4), fill=GOLD, outline=SEA, width=width(0.4))


ICONS = {
    "new": draw_new,
    "open": draw_open,
    "save": draw_save,
    "cut": draw_cut,
    "copy": draw_copy,
    "paste": draw_paste,
    "print": draw_print,
    "map": draw_map,
    "output": draw_output,
    "source": draw_source,
    "zoom-in": lambda d: magnifier(d, "+"),
    "zoom-out": lambda d: magnifier(d, "-"),
    "span-hundredth": lambda d: span(d, ".01", 7),
    "span-tenth": lambda d: span(d, ".1", 9),
    "span-one": lambda d: span(d, "1", 11),
    "span-ten": lambda d: span(d, "10", 10),
    "span-hundred": lambda d: span(d, "100", 8),
    "help": draw_help,
    "context-help": draw_context_help,
    "z5": draw_z5,
}


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, draw in ICONS.items():
        image = Image.new("RGBA", (GRID * SCALE, GRID * SCALE), (0, 0, 0, 0))
        draw(ImageDraw.Draw(image))
        for suffix, size in (("", GRID), ("@2x", 2 * GRID)):
            image.resize((size, size), Image.LANCZOS).save(os.path.join(OUT, name + suffix + ".png"), optimize=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
