#pragma once
// A picture of the window's art, from the resources: on a high-DPI screen its twin drawn at twice
// the resolution ("<name>@2x.png"), so it is shown sharp rather than scaled up.

#include <QPixmap>
#include <QString>

inline QPixmap ArtPixmap(const QString& name, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        const QPixmap sharp(QStringLiteral(":/art/%1@2x.png").arg(name));
        // Qt marks an "@2x" file as twice as dense unless told not to; unmarked it would show too large.
        if (!sharp.isNull() && sharp.devicePixelRatio() > 1.0) return sharp;
    }
    return QPixmap(QStringLiteral(":/art/%1.png").arg(name));
}
