#!/usr/bin/env python3
"""Draws the wizard sheet's images as 16-colour BMP files: res/header.bmp (532x58) and
res/watermark.bmp (48x48), and the same drawn for 150 and 200 percent display scale,
res/header_150.bmp (798x87), res/header_200.bmp (1064x116), res/watermark_150.bmp (72x72)
and res/watermark_200.bmp (96x96).

The header is a calm white-to-pale-blue band, white where the sheet writes its black header
text, with a faint sound wave running into a player window on the right whose caption carries
coloured tag marks. The watermark is the same window, small, with a music note.

Both use one 16-colour palette chosen for the design: flat areas use palette colours exactly,
gradients are ordered-dithered between neighbouring shades, and only the edges of round
shapes take the nearest colour of their blend.

Shapes are given in the coordinates of the 100 percent image; a canvas drawn at a larger
scale places them at that scale, so every size is drawn, none is stretched from another.
"""
import math, os, struct, sys

PALETTE = [
    (255, 255, 255),  # 0 white
    (244, 248, 253),  # 1 pale blue, lightest
    (232, 240, 250),  # 2
    (218, 230, 245),  # 3
    (186, 207, 235),  # 4 light blue
    (128, 163, 214),  # 5 mid blue
    (66, 118, 196),   # 6 blue
    (32, 72, 150),    # 7 dark blue
    (16, 40, 96),     # 8 navy
    (222, 225, 230),  # 9 light grey
    (168, 174, 184),  # 10 grey
    (96, 102, 114),   # 11 dark grey
    (236, 160, 32),   # 12 amber
    (250, 210, 130),  # 13 light amber
    (40, 160, 120),   # 14 green
    (0, 0, 0),        # 15 black
]
WHITE, PALE1, PALE2, PALE3, LIGHT, MID, BLUE, DARK, NAVY = range(9)
LGREY, GREY, DGREY, AMBER, LAMBER, GREEN, BLACK = range(9, 16)

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
SUPERSAMPLE = 4


def nearest(rgb):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(PALETTE[i], rgb)))


SCALES = (100, 150, 200)


class Canvas:
    """Pixels hold an exact palette index, or a blended colour resolved to the nearest one.
    Drawing calls take 100 percent coordinates; pixels are at the canvas's scale."""

    def __init__(self, w, h, index, scale=100):
        self.s = scale / 100
        self.w, self.h = self.px(w), self.px(h)
        self.idx = [[index] * self.w for _ in range(self.h)]
        self.rgb = [[PALETTE[index]] * self.w for _ in range(self.h)]

    def px(self, v):
        """A 100 percent coordinate at the canvas's scale, on the pixel grid."""
        return int(math.floor(v * self.s + 0.5))

    def put(self, x, y, index, cover=1.0):
        if not (0 <= x < self.w and 0 <= y < self.h) or cover <= 0:
            return
        if cover >= 1:
            self.idx[y][x], self.rgb[y][x] = index, PALETTE[index]
            return
        old, new = self.rgb[y][x], PALETTE[index]
        self.rgb[y][x] = tuple(o + (n - o) * cover for o, n in zip(old, new))
        self.idx[y][x] = None

    def rect(self, x0, y0, x1, y1, index):
        for y in range(self.px(y0), self.px(y1)):
            for x in range(self.px(x0), self.px(x1)):
                self.put(x, y, index)

    def gradient(self, x0, y0, x1, y1, shades, t_of):
        """Ordered dither across a list of shades; t_of(x, y) in [0, 1] picks the place."""
        n = len(shades) - 1
        for y in range(self.px(y0), self.px(y1)):
            for x in range(self.px(x0), self.px(x1)):
                t = min(max(t_of(x / self.s, y / self.s), 0.0), 1.0) * n
                k = min(int(t), n - 1) if n else 0
                frac = t - k
                threshold = (BAYER4[y % 4][x % 4] + 0.5) / 16
                self.put(x, y, shades[k + 1] if n and frac > threshold else shades[k])

    def shape(self, box, inside, index):
        """Fills where inside(px, py) holds, with edge coverage from supersampling."""
        x0, y0, x1, y1 = (int(math.floor(v * self.s)) for v in box)
        s, k = SUPERSAMPLE, self.s
        for y in range(max(y0, 0), min(y1 + 1, self.h)):
            for x in range(max(x0, 0), min(x1 + 1, self.w)):
                hits = sum(inside((x + (i + 0.5) / s) / k, (y + (j + 0.5) / s) / k)
                           for i in range(s) for j in range(s))
                self.put(x, y, index, hits / (s * s))

    def ellipse(self, cx, cy, rx, ry, index, angle=0.0):
        c, s = math.cos(angle), math.sin(angle)
        def inside(px, py):
            dx, dy = px - cx, py - cy
            u, v = dx * c + dy * s, -dx * s + dy * c
            return (u / rx) ** 2 + (v / ry) ** 2 <= 1
        r = max(rx, ry)
        self.shape((cx - r, cy - r, cx + r, cy + r), inside, index)

    def polygon(self, points, index):
        def inside(px, py):
            hit = False
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                    hit = not hit
            return hit
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.shape((min(xs), min(ys), max(xs), max(ys)), inside, index)

    def indices(self):
        return [[i if i is not None else nearest(self.rgb[y][x]) for x, i in enumerate(row)]
                for y, row in enumerate(self.idx)]


def player_window(cv, x, y, w, h, detail=True):
    """A player window: frame, caption bar with tag-marked title, waveform and progress bar."""
    cv.rect(x + 2, y + 2, x + w + 2, y + h + 2, LGREY)            # soft shadow
    cv.rect(x + 1, y + 1, x + w + 1, y + h + 1, GREY)
    cv.rect(x, y, x + w, y + h, DARK)                             # frame
    cv.rect(x + 1, y + 1, x + w - 1, y + h - 1, WHITE)            # client area
    bar = 10 if detail else 8
    cv.rect(x + 1, y + 1, x + w - 1, y + bar, DARK)
    cv.rect(x + 1, y + 1, x + w - 1, y + 2, BLUE)                 # caption highlight
    # Caption buttons.
    for i in range(3 if detail else 1):
        bx = x + w - 5 - i * 5
        cv.rect(bx - 2, y + 3, bx + 1, y + bar - 2 if detail else y + 6, LIGHT)
    # The title: words underlined by the colour of the part they play.
    words = [(4, 12, LAMBER, AMBER), (18, 16, WHITE, GREEN), (36, 8, LIGHT, None)] if detail \
        else [(3, 10, LAMBER, None), (15, 9, WHITE, None)]
    for wx, ww, colour, tag in words:
        if x + wx + ww > x + w - (18 if detail else 9):
            continue
        cv.rect(x + wx, y + 4, x + wx + ww, y + 6, colour)
        if tag is not None:
            cv.rect(x + wx, y + 7, x + wx + ww, y + 8, tag)
    return bar


def waveform(cv, x0, x1, mid, amp, index, step=2, seed=0.0):
    """Vertical bars whose heights follow a few mixed sines: a stylised sound wave."""
    for x in range(x0, x1, step):
        t = (x - x0) / max(x1 - x0, 1)
        v = abs(math.sin(t * 9.1 + seed) * 0.55 + math.sin(t * 23.7 + seed * 2) * 0.3
                + math.sin(t * 41.3 + seed * 3) * 0.15)
        env = math.sin(math.pi * t) ** 0.6
        half = max(1, round(v * env * amp))
        cv.rect(x, mid - half, x + step - 1, mid + half, index)


def header(scale=100):
    w, h = 532, 58
    cv = Canvas(w, h, WHITE, scale)
    # White where the text goes, an easing rise to pale blue behind the motif, and white
    # again at the right end: a header wider than the image is filled with its corner colour.
    def ease(t):
        t = min(max(t, 0.0), 1.0)
        return (3 - 2 * t) * t * t
    def band(px, py):
        return min(ease((px - 170) / (410 - 170)), ease((w - 1 - px) / (w - 1 - 506)))
    cv.gradient(0, 0, w, h, [WHITE, PALE1, PALE2, PALE3], band)
    # A faint sound wave running into the window, barely darker than the band.
    waveform(cv, 384, 418, 29, 8, LIGHT, seed=1.3)

    x, y, ww, wh = 420, 9, 80, 40
    bar = player_window(cv, x, y, ww, wh)
    body_top = y + bar
    cv.gradient(x + 1, body_top, x + ww - 1, y + wh - 1, [WHITE, PALE1, PALE2],
                lambda px, py: (py - body_top) / (wh - bar))
    waveform(cv, x + 6, x + ww - 6, body_top + 12, 7, MID, seed=2.1)
    # Progress bar with its knob.
    py = y + wh - 8
    cv.rect(x + 6, py, x + ww - 6, py + 2, LGREY)
    cv.rect(x + 6, py, x + 42, py + 2, BLUE)
    cv.ellipse(x + 42, py + 1, 2.6, 2.6, DARK)
    return cv


def music_note(cv, x, y, scale, index):
    """A pair of beamed eighth notes; (x, y) is the left note head's centre."""
    gap = 11 * scale
    for dx in (0, gap):
        cv.ellipse(x + dx, y, 3.3 * scale, 2.4 * scale, index, angle=-0.45)
    stem_w, stem_h = 2 * scale, 15 * scale
    for dx in (0, gap):
        sx = x + dx + 3.0 * scale - stem_w
        cv.polygon([(sx, y - stem_h), (sx + stem_w, y - stem_h), (sx + stem_w, y), (sx, y)], index)
    lx, rx = x + 3.0 * scale - stem_w, x + gap + 3.0 * scale
    top = y - stem_h
    cv.polygon([(lx, top), (rx, top - 2 * scale), (rx, top + 1.5 * scale), (lx, top + 3.5 * scale)], index)


def watermark(scale=100):
    cv = Canvas(48, 48, WHITE, scale)
    x, y, w, h = 3, 6, 38, 30
    bar = player_window(cv, x, y, w, h, detail=False)
    body_top = y + bar
    cv.gradient(x + 1, body_top, x + w - 1, y + h - 1, [WHITE, PALE1, PALE2],
                lambda px, py: (py - body_top) / (h - bar))
    waveform(cv, x + 4, x + w - 4, body_top + 9, 5, MID, step=2, seed=0.7)
    cv.rect(x + 4, y + h - 5, x + w - 4, y + h - 4, LGREY)
    cv.rect(x + 4, y + h - 5, x + 18, y + h - 4, BLUE)
    # The note stands in front of the window's corner, with a white halo to separate it.
    for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1), (-1, -1), (1, 1), (1, -1), (-1, 1)):
        music_note(cv, 28 + dx, 41 + dy, 1.0, WHITE)
    music_note(cv, 28, 41, 1.0, AMBER)
    return cv


def bmp(cv):
    w, h = cv.w, cv.h
    pixels = cv.indices()
    stride = (w * 4 + 31) // 32 * 4
    rows = []
    for y in reversed(range(h)):      # bottom-up rows
        row = bytearray(stride)
        for x, c in enumerate(pixels[y]):
            row[x // 2] |= c << (4 if x % 2 == 0 else 0)
        rows.append(bytes(row))
    bits = b''.join(rows)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 4, 0, len(bits), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    filehdr = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    return filehdr + info + palette + bits


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else 'res'
    for scale in SCALES:
        suffix = '' if scale == 100 else '_%d' % scale
        for name, draw in (('header', header), ('watermark', watermark)):
            with open(os.path.join(out, name + suffix + '.bmp'), 'wb') as f:
                f.write(bmp(draw(scale)))


if __name__ == '__main__':
    main()
