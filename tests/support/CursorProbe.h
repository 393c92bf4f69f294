#pragma once
// Reads the pointer's current cursor image off an X display, as the player would see it.

#include <QImage>
#include <QPoint>
#include <QString>

struct CursorShot {
    QImage image;    // premultiplied ARGB, empty when it cannot be read
    QPoint hotspot;
};

// False when this build cannot read cursors (no XFixes) or the display has no such extension.
bool CanReadCursor(const QString& display);
CursorShot ReadCursor(const QString& display);
