#include "AppIcon.h"

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/art/icon_%1.png").arg(size));
    return icon;
}
