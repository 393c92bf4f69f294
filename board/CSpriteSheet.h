#pragma once
// The one bitmap every chip, peg, digit and frame picture is copied from, shared by all
// controls of a window. A second copy drawn at twice the resolution keeps high-DPI screens crisp.

#include <QPixmap>
#include <QString>

#include "SpriteGeometry.h"

class QPainter;

class CSpriteSheet {
public:
    static constexpr const char* kFileName = "images/vantel6.bmp";
    static constexpr const char* kFileName2x = "images/vantel6@2x.png";

    // Loads the sheet from `folder`; a missing or unreadable file leaves the sheet empty.
    bool Load(const QString& folder);
    void Release();
    bool IsLoaded() const { return !m_sheet.isNull(); }

    // Copies one cell to the painter's origin, opaque and unscaled.
    void Draw(QPainter& painter, sprites::Cell cell, sprites::Size size) const;

    const QPixmap& Pixmap() const { return m_sheet; }

private:
    // The sharp twin, read on first use; empty when absent or not exactly twice the size.
    const QPixmap& Sheet2x() const;

    QPixmap m_sheet;
    QString m_folder;
    mutable QPixmap m_sheet2x;
    mutable bool m_bLooked2x = true;
};

// Paints `cell` of `sheet` over the whole of `widget`, or black when there is no sheet.
void PaintSpriteCell(QWidget* widget, const CSpriteSheet* sheet, sprites::Cell cell, sprites::Size size);
