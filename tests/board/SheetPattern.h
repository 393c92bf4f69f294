#pragma once
// A picture in which every pixel tells where it came from, for tests that check which pixels a
// sheet copied; `salt` keeps two pictures of one size apart.

#include <QImage>

inline QImage SheetPattern(int width, int height, int salt)
{
    QImage img(width, height, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb((x + salt) & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
    return img;
}
