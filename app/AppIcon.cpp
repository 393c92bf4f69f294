#include "AppIcon.h"

#include <QGuiApplication>

QIcon AppIcon()
{
    // Once the application carries the icon, every window shares that one decoded copy.
    const QIcon shared = QGuiApplication::windowIcon();
    if (!shared.isNull()) return shared;
    QIcon icon;
    for (int size : {VANTEL_ICON_SIZES})
        icon.addFile(QStringLiteral(":/art/icon_%1.png").arg(size));
    return icon;
}
