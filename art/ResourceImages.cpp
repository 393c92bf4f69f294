#include "ResourceImages.h"

#include <QDir>

namespace art {

std::vector<ResourceImage> ResourceImages()
{
    return {};
}

bool WriteResourceImages(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const ResourceImage& image : ResourceImages()) {
        for (int scale = 1; scale <= 2; ++scale) {
            const QString suffix = scale == 1 ? QString() : QStringLiteral("@2x");
            const QString file = QDir(folder).filePath(image.name + suffix + QStringLiteral(".png"));
            if (!Render(image.size, scale, image.withAlpha, image.draw).save(file, "PNG"))
                return false;
        }
    }
    return true;
}

}  // namespace art
