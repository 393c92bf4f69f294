#pragma once
// The window's images: separator pieces, labels, titles, buttons, the decimal point, the
// High Scores picture, the application icon and the drag cursors, each written as name.png and,
// at twice the size, name@2x.png. The labels, titles and buttons show words: they are drawn once
// in English for the game's resources and once more for every translation.

#include "ImageLayer.h"

#include <QSize>
#include <QString>
#include <vector>

namespace art {

struct ResourceImage {
    QString name;
    QSize size;
    bool withAlpha;
    Drawing draw;   // words are drawn in the language of the moment
};

std::vector<ResourceImage> ResourceImages();
// The images that show words: those a translation draws anew.
std::vector<ResourceImage> WordedImages();

// Writes each image as name.png and name@2x.png into `folder`.
bool WriteImages(const std::vector<ResourceImage>& images, const QString& folder);

}  // namespace art
