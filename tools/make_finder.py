#!/usr/bin/env python3
"""Draws step 1's window finder as 16-colour BMP files of 24x24 pixels: res/finder.bmp, the
crosshair the user drags onto a window, and res/finder_empty.bmp, the place it leaves while
it is dragged; and both drawn for 150 and 200 percent display scale (36x36, 48x48), as
res/finder_150.bmp and so on.

They use the palette of tools/make_bitmaps.py. Its light grey stands for the background: the
finder draws the pictures over its dialog's own background colour and leaves that grey out,
so no shape uses it.
"""
import os, sys

from make_bitmaps import SCALES, Canvas, bmp, LGREY, NAVY, GREY, AMBER

SIZE = 24
CX = CY = 12


def ring(cv, index):
    cv.ellipse(CX, CY, 8.5, 8.5, index)
    cv.ellipse(CX, CY, 6.5, 6.5, LGREY)


def finder(scale=100):
    cv = Canvas(SIZE, SIZE, LGREY, scale)
    ring(cv, NAVY)
    cv.rect(CX - 0.5, 1, CX + 0.5, SIZE - 1, NAVY)
    cv.rect(1, CY - 0.5, SIZE - 1, CY + 0.5, NAVY)
    cv.ellipse(CX, CY, 1.6, 1.6, AMBER)
    return cv


def finder_empty(scale=100):
    cv = Canvas(SIZE, SIZE, LGREY, scale)
    ring(cv, GREY)
    return cv


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else 'res'
    for scale in SCALES:
        suffix = '' if scale == 100 else '_%d' % scale
        for name, draw in (('finder', finder), ('finder_empty', finder_empty)):
            with open(os.path.join(out, name + suffix + '.bmp'), 'wb') as f:
                f.write(bmp(draw(scale)))


if __name__ == '__main__':
    main()
