#pragma once
// The generated sprite sheets as the art tests read them, and the rectangle of a cell.

#include "SpriteGeometry.h"

#include <QImage>
#include <QRect>
#include <QString>

namespace sheet {

inline QImage LoadOpaque(const char* path)
{
    return QImage(QString::fromUtf8(path)).convertToFormat(QImage::Format_RGB32);
}

inline const QImage& Sheet()
{
    static const QImage image = LoadOpaque(VANTEL_SHEET);
    return image;
}

inline const QImage& DoubleSheet()
{
    static const QImage image = LoadOpaque(VANTEL_SHEET_2X);
    return image;
}

inline QRect At(sprites::Cell cell, sprites::Size size) { return QRect(cell.x, cell.y, size.w, size.h); }

}  // namespace sheet
