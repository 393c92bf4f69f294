#pragma once
// The window's images: separator pieces, labels, titles, buttons, the decimal point, the
// High Scores picture, the application icon and the drag cursors, each written as name.png and,
// at twice the size, name@2x.png.

#include "ImageLayer.h"

#include <QSize>
#include <QString>
#include <vector>

namespace art {

struct ResourceImage {
    QString name;
    QSize size;
    bool withAlpha;
    Drawing draw;
};

std::vector<ResourceImage> ResourceImages();

bool WriteResourceImages(const QString& folder);

}  // namespace art
