#!/usr/bin/env python3
"""Draws the program's eight icons: 32 x 32 pixels, 16 colours each.

Run it from anywhere; it rewrites the .ico files beside it in icons/.
"""
import math
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None

# 5 x 7 letters, enough for the few the icons show.
GLYPHS = {
    'T': ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    'A': [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    'a': [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    'W': ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
}


class Icon:
    def __init__(self):
        self.px = [[CLEAR] * 32 for _ in range(32)]

    def put(self, x, y, c):
        if 0 <= x < 32 and 0 <= y < 32:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.put(x, y0, c)
            self.put(x, y1, c)
        for y in range(y0, y1 + 1):
            self.put(x0, y, c)
            self.put(x1, y, c)

    def line(self, x0, y0, x1, y1, c, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.rect(x, y, x + width - 1, y + width - 1, c)

    def disc(self, cx, cy, r, c):
        for y in range(32):
            for x in range(32):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, c)

    def text(self, x, y, s, c, scale=1):
        for ch in s:
            for row, bits in enumerate(GLYPHS[ch]):
                for col, bit in enumerate(bits):
                    if bit == '#':
                        self.rect(x + col * scale, y + row * scale,
                                  x + col * scale + scale - 1, y + row * scale + scale - 1, c)
            x += 6 * scale


def icon_tav():
    # The program: a yellow T on a dark page, with a word flashing below.
    i = Icon()
    i.rect(2, 2, 29, 29, NAVY)
    i.frame(2, 2, 29, 29, BLACK)
    i.text(8, 3, "T", YELLOW, 3)
    i.rect(6, 25, 25, 27, WHITE)
    return i


def icon_nav():
    # The Navigator: a page of lines with one word marked.
    i = Icon()
    i.rect(5, 1, 26, 30, WHITE)
    i.frame(5, 1, 26, 30, BLACK)
    for y in range(5, 28, 4):
        i.line(8, y, 23 if y % 8 else 19, y, GREY)
    i.rect(11, 12, 19, 14, BLACK)
    i.line(8, 29, 23, 29, GREY)
    return i


def icon_draw():
    # The Reader: one word centred on a white screen.
    i = Icon()
    i.rect(1, 5, 30, 26, WHITE)
    i.frame(1, 5, 30, 26, BLACK)
    i.rect(2, 6, 29, 8, BLUE)
    i.text(10, 12, "Wa", BLACK)
    return i


def icon_fonts():
    # Fonts: a large and a small letter.
    i = Icon()
    i.rect(1, 1, 30, 30, WHITE)
    i.frame(1, 1, 30, 30, BLACK)
    i.text(3, 6, "A", BLACK, 3)
    i.text(20, 17, "a", MAROON, 1)
    i.line(3, 28, 28, 28, GREY)
    return i


def icon_speed():
    # Speed: a dial with its needle well over to the right.
    i = Icon()
    i.disc(15, 17, 14, BLACK)
    i.disc(15, 17, 12, WHITE)
    for k in range(7):
        a = math.pi * (1 - k / 6)
        i.put(round(15 + 10 * math.cos(a)), round(17 - 10 * math.sin(a)), BLACK)
    i.rect(2, 24, 29, 31, CLEAR)
    i.line(15, 17, 24, 9, RED, 2)
    i.disc(15, 17, 2, NAVY)
    i.rect(4, 22, 27, 23, GREY)
    return i


def icon_pref():
    # Preferences: a column of check boxes, two of them ticked.
    i = Icon()
    i.rect(3, 1, 28, 30, SILVER)
    i.frame(3, 1, 28, 30, BLACK)
    for n, y in enumerate((5, 13, 21)):
        i.rect(6, y, 11, y + 5, WHITE)
        i.frame(6, y, 11, y + 5, BLACK)
        i.line(14, y + 3, 25, y + 3, GREY)
        if n != 1:
            i.line(7, y + 3, 8, y + 4, BLACK)
            i.line(8, y + 4, 11, y, BLACK)
    return i


def icon_color():
    # Colour: four painted squares.
    i = Icon()
    for (x, y, c) in ((2, 2, RED), (17, 2, LIME), (2, 17, BLUE), (17, 17, YELLOW)):
        i.rect(x, y, x + 12, y + 12, c)
        i.frame(x, y, x + 12, y + 12, BLACK)
    return i


def icon_glom():
    # Glom: a magnet pulling a word out of another program.
    i = Icon()
    i.rect(4, 4, 11, 24, RED)
    i.rect(20, 4, 27, 24, RED)
    i.rect(4, 4, 27, 11, RED)
    i.rect(4, 22, 11, 28, SILVER)
    i.rect(20, 22, 27, 28, SILVER)
    i.frame(4, 4, 27, 28, BLACK)
    i.rect(12, 12, 19, 28, CLEAR)
    i.line(12, 12, 12, 28, BLACK)
    i.line(19, 12, 19, 28, BLACK)
    i.line(12, 12, 19, 12, BLACK)
    return i


def write_ico(icon, path):
    xor = bytearray()
    mask = bytearray()
    for y in range(31, -1, -1):  # bitmaps are stored bottom-up
        row = icon.px[y]
        for x in range(0, 32, 2):
            a = row[x] if row[x] is not None else 0
            b = row[x + 1] if row[x + 1] is not None else 0
            xor.append((a << 4) | b)
        bits = 0
        for x in range(32):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += bits.to_bytes(4, 'big')
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0, len(xor) + len(mask), 0, 0, 16, 0)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    with open(path, 'wb') as f:
        f.write(directory + entry + image)


ICONS = {
    'tav': icon_tav, 'nav': icon_nav, 'draw': icon_draw, 'fonts': icon_fonts,
    'speed': icon_speed, 'pref': icon_pref, 'color': icon_color, 'glom': icon_glom,
}

if __name__ == '__main__':
    here = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'icons')
    os.makedirs(here, exist_ok=True)
    for name, draw in ICONS.items():
        write_ico(draw(), os.path.join(here, name + '.ico'))
