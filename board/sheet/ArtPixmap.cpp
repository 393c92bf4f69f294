#include "ArtPixmap.h"

QPixmap ArtPixmap(const QString& name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const QPixmap sharp(QStringLiteral(":/art/%1@2x.png").arg(name));
        // Qt marks an "@2x" file as twice as dense unless told not to; unmarked it would show too large.
        if (!sharp.isNull() && sharp.devicePixelRatio() > 1.0) return sharp;
    }
    return QPixmap(QStringLiteral(":/art/%1.png").arg(name));
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
