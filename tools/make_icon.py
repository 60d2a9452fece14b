#!/usr/bin/env python3
"""Draws the application icon (32x32 and 16x16, 16 colours) into res/app.ico.

The design: a player window (title bar and frame) whose title carries a highlighted tag.
"""
import struct, sys

# The 16 standard VGA colours; indices used below.
PALETTE = [(0,0,0),(128,0,0),(0,128,0),(128,128,0),(0,0,128),(128,0,128),(0,128,128),(192,192,192),
           (128,128,128),(255,0,0),(0,255,0),(255,255,0),(0,0,255),(255,0,255),(0,255,255),(255,255,255)]
BLACK, NAVY, GREY, SILVER, YELLOW, WHITE, TEAL = 0, 4, 8, 7, 11, 15, 6

def draw(size):
    s = size / 32.0
    px = [[None] * size for _ in range(size)]  # None = transparent
    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * s), max(int(y1 * s), int(y0 * s) + 1)):
            for x in range(int(x0 * s), max(int(x1 * s), int(x0 * s) + 1)):
                px[y][x] = c
    rect(1, 4, 31, 29, BLACK)      # frame
    rect(2, 5, 30, 28, SILVER)     # window body
    rect(2, 5, 30, 11, NAVY)       # title bar
    rect(4, 7, 10, 9, WHITE)       # title text
    rect(11, 6, 22, 10, YELLOW)    # the painted tag in the title
    rect(23, 7, 28, 9, WHITE)
    for i, y in enumerate((14, 18, 22)):   # captured titles below
        rect(5, y, 27 - 5 * i, y + 2, TEAL if i == 0 else GREY)
    return px

def image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_row = (size * 4 + 31) // 32 * 4
    and_row = (size + 31) // 32 * 4
    xor, mask = b'', b''
    for y in reversed(range(size)):      # bottom-up rows
        row = bytearray(xor_row)
        bits = bytearray(and_row)
        for x in range(size):
            c = px[y][x]
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                c = 0
            row[x // 2] |= c << (4 if x % 2 == 0 else 0)
        xor += bytes(row)
        mask += bytes(bits)
    return header + palette + xor + mask

images = [image(32), image(16)]
out = struct.pack('<HHH', 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, data in zip((32, 16), images):
    out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
    offset += len(data)
out += b''.join(images)
open(sys.argv[1] if len(sys.argv) > 1 else 'res/app.ico', 'wb').write(out)
