#include "AppIcon.h"

#include <QGuiApplication>
#include <QPixmap>

namespace {

constexpr int kLargestWindowIcon = 128;

}  // namespace

QIcon AppIcon()
{
    // Once the application carries the icon, every window shares that one decoded copy.
    const QIcon shared = QGuiApplication::windowIcon();
    if (!shared.isNull()) return shared;
    QIcon icon;
    // Task bars and window switchers show a window's icon at most 128 pixels large; the larger
    // pictures are for the desktop's menus, installed beside the desktop entry. Each picture is
    // decoded once, as it is added (a file added by name is decoded again when the window takes
    // the icon), and the 256 one alone took most of that time at every start.
    for (int size : {VANTEL_ICON_SIZES})
        if (size <= kLargestWindowIcon) icon.addPixmap(QPixmap(QStringLiteral(":/art/icon_%1.png").arg(size)));
    return icon;
}
