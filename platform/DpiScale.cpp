#include "platform/DpiScale.h"

#include "res/resource.h"

int RescaleForDpi(int pixels, unsigned fromDpi, unsigned toDpi)
{
    if (fromDpi == 0 || fromDpi == toDpi)
        return pixels;
    const long long scaled = static_cast<long long>(pixels) * toDpi;
    const long long half = fromDpi / 2;
    // Halves round away from zero, as MulDiv does.
    return static_cast<int>(scaled >= 0 ? (scaled + half) / fromDpi : -((-scaled + half) / fromDpi));
}

int ImageScaleForDpi(unsigned dpi)
{
    if (dpi >= 2 * kDefaultDpi)
        return 200;
    if (dpi >= 3 * kDefaultDpi / 2)
        return 150;
    return 100;
}

int ScaledBitmapId(int bitmapId, int scalePercent)
{
    switch (scalePercent) {
    case 150:
        return IDB_SCALE150_BASE + bitmapId - 140;
    case 200:
        return IDB_SCALE200_BASE + bitmapId - 140;
    default:
        return bitmapId;
    }
}

int RichEditTwips(int twips, unsigned windowDpi, unsigned systemDpi)
{
    return RescaleForDpi(twips, systemDpi, windowDpi);
}
