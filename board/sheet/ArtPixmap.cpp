#include "ArtPixmap.h"

#include "LanguageFolder.h"
#include "PictureWords.h"

namespace {

// A picture with words comes from the player's language where it was drawn for it; every other
// picture, and every picture in English, from the resources.
QPixmap Picture(const QString& name, const QString& suffix)
{
    if (!language::Folder().isEmpty() && picturewords::ShowsWords(name)) {
        const QPixmap translated(language::Folder() + QStringLiteral("/art/") + name + suffix);
        if (!translated.isNull()) return translated;
    }
    return QPixmap(QStringLiteral(":/art/") + name + suffix);
}

}  // namespace

QPixmap ArtPixmap(const QString& name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const QPixmap sharp = Picture(name, QStringLiteral("@2x.png"));
        // Qt marks an "@2x" file as twice as dense unless told not to; unmarked it would show too large.
        if (!sharp.isNull() && sharp.devicePixelRatio() > 1.0) return sharp;
    }
    return Picture(name, QStringLiteral(".png"));
}

QPixmap ArtPixmapSized(const QString& name, QSize size, qreal devicePixelRatio)
{
    const QPixmap plain = ArtPixmap(name, 1.0);
    if (plain.isNull() || size == plain.size()) return ArtPixmap(name, devicePixelRatio);
    const QPixmap sharp = ArtPixmap(name, 2.0);
    const QPixmap& from = sharp.devicePixelRatio() > 1.0 ? sharp : plain;
    QPixmap scaled = from.scaled(size * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}
