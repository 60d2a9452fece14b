#!/usr/bin/env python3
"""Writes the Paint title dialog's marker colours as solid 16-colour BMP files of 134x29
pixels: res/marker_<name>.bmp, and the same for 150 and 200 percent display scale,
res/marker_<name>_150.bmp (201x44) and res/marker_<name>_200.bmp (268x58). The dialog
reads each marker's colour from the top-left pixel of its bitmap, so every colour must be
exact, and the same at every scale; all of them are colours of the standard 16-colour
palette, which every file carries.
"""
import os, struct, sys

WIDTH, HEIGHT = 134, 29
SCALES = (100, 150, 200)

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# File name (after "marker_") and colour (R, G, B), by bitmap number.
MARKERS = {
    141: ('constant', (0, 0, 0)),
    142: ('album', (192, 192, 192)),
    143: ('year', (255, 0, 255)),
    144: ('genre', (0, 255, 255)),
    145: ('track', (128, 128, 128)),
    146: ('comment', (0, 128, 128)),
    147: ('text', (128, 0, 128)),
    148: ('url', (0, 0, 128)),
    149: ('station', (128, 128, 0)),
    150: ('composer', (0, 255, 0)),
    151: ('unused', (0, 128, 0)),
    152: ('artist', (255, 0, 0)),
    153: ('title', (0, 0, 255)),
}


def solid_bmp(rgb, scale=100):
    index = PALETTE.index(rgb)
    width, height = (int(v * scale / 100 + 0.5) for v in (WIDTH, HEIGHT))
    stride = (width * 4 + 31) // 32 * 4
    bits = bytes([index << 4 | index]) * (stride * height)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 4, 0, len(bits), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    filehdr = struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
    return filehdr + info + palette + bits


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else 'res'
    for scale in SCALES:
        suffix = '' if scale == 100 else '_%d' % scale
        for name, rgb in MARKERS.values():
            with open(os.path.join(out, 'marker_%s%s.bmp' % (name, suffix)), 'wb') as f:
                f.write(solid_bmp(rgb, scale))


if __name__ == '__main__':
    main()
