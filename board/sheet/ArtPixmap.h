#pragma once
// A picture of the window's art, from the resources: on a high-DPI screen its twin drawn at twice
// the resolution ("<name>@2x.png"), so it is shown sharp rather than scaled up.

#include <QPixmap>
#include <QSize>
#include <QString>

QPixmap ArtPixmap(const QString& name, qreal devicePixelRatio);

// The picture shown `size` pixels large on a screen of `devicePixelRatio`: as drawn where that is
// its own size, otherwise made once from the sharp twin, scaled smoothly. Null when it is missing.
QPixmap ArtPixmapSized(const QString& name, QSize size, qreal devicePixelRatio);
