#pragma once
// How lengths and images follow the display's dots per inch. Lengths that the program
// sizes in pixels are given at 96 DPI (100 percent) and scaled to the window's DPI;
// images come in sets drawn for 100, 150 and 200 percent.

constexpr unsigned kDefaultDpi = 96;

// A length in pixels at one DPI, at another: rounded to the nearest pixel.
int RescaleForDpi(int pixels, unsigned fromDpi, unsigned toDpi);

// A length given at 96 DPI, at the window's DPI.
inline int ScaleForDpi(int pixels, unsigned dpi)
{
    return RescaleForDpi(pixels, kDefaultDpi, dpi);
}

// The percentage of the image set for a DPI: the largest of 100, 150 and 200 that does
// not exceed the DPI's own, so that an image is never larger than the space laid out
// for it and never stretched to fill it.
int ImageScaleForDpi(unsigned dpi);

// The bitmap resource of an image (the 100 percent one's number) drawn at the
// percentage (res/resource.h numbers the sets).
int ScaledBitmapId(int bitmapId, int scalePercent);

// A font height in twips for a rich edit control of version 1, which turns twips into
// pixels at the system's DPI: on a monitor of another DPI the height is adjusted so the
// text comes out at its size for the window's DPI.
int RichEditTwips(int twips, unsigned windowDpi, unsigned systemDpi);
