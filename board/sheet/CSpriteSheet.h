#pragma once
// The one bitmap every chip, peg, digit and frame picture is copied from, shared by all
// controls of a window. A second copy drawn at twice the resolution keeps high-DPI screens, and
// boards drawn larger than their plain size, crisp.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <future>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "CellPicture.h"
#include "SpriteGeometry.h"

class QPainter;
class QWidget;

class CSpriteSheet {
public:
    static constexpr const char* kFileName = sprites::kSheetFile;
    static constexpr const char* kFileName2x = sprites::kSheetFile2x;
    static constexpr const char* kFileName2xCells = sprites::kSheetFile2xCells;

    // Loads the sheet from `folder`; a missing or unreadable file leaves the sheet empty.
    bool Load(const QString& folder);
    void Release();
    bool IsLoaded() const { return !m_size.isEmpty(); }

    // The board scale the controls are shown at. Where the sheet is not copied as it is, each cell
    // is scaled once to the pixels of the controls that show it, when one is first painted at that
    // scale and pixel density, so each paint stays a plain copy.
    void SetScale(double scale);
    double Scale() const { return m_scale; }

    // Numbers on the chips, for players who cannot tell the colours apart. They are drawn onto each
    // cell as it is scaled, so each paint stays a plain copy.
    void SetLabels(bool on);
    bool Labels() const { return m_bLabels; }

    // Reads on a second core, from the sharp twin's cells, the parts of the plain sheet `cells`
    // that a screen of twice the density is about to show, so that its first paint finds them
    // read; elsewhere nothing.
    void Prefetch(std::vector<QRect> cells);

    // Copies one cell, of which the control shows `size` pixels at scale 1, opaque, over `shown`
    // (the control's own size), starting at the painter's origin.
    void Draw(QPainter& painter, sprites::Cell cell, sprites::Size size, QSize shown) const;

    const QPixmap& Pixmap() const { return Plain(); }

private:
    // The plain sheet, read on first use where the sharp twin's cells are read alone.
    const QPixmap& Plain() const;
    // The sharp twin, read on first use; empty when absent or not exactly twice the size.
    const QPixmap& Sheet2x() const;
    // The sheet to copy from as it is, at a whole pixel ratio and a board at its drawn size or
    // twice it, and how many of its pixels a pixel of the plain sheet spans.
    const QPixmap& Source(qreal factor, qreal* pixelsPerCell) const;
    // The cell at `cell` of the plain sheet, shown over `shown`, read alone from the sharp twin's
    // cells; null where it is not copied from the sharp twin as it is, or cannot be read.
    const QPixmap* SharpCell(qreal devicePixelRatio, const QRect& cell, QSize shown) const;
    // `area` of the plain sheet in the sharp twin's pixels, read alone where it can be; black
    // where it lies past the sheet; null without a sharp twin.
    QImage SharpArea(const QRect& area) const;
    // Draws `area` of the plain sheet over every device pixel of the control's `shown` size.
    void DrawFitted(QPainter& painter, const QRect& area, QSize shown, qreal factor) const;
    // `area` drawn at `pixels` device pixels for the present labels, made once.
    const QPixmap& Fitted(const QRect& area, QSize pixels, qreal factor) const;
    // Drops the pictures made from this sheet; they are made again when first needed.
    void ForgetCopies();
    // Waits for the cells read ahead and keeps them; the sharp twin's cells file is free again.
    void TakePrefetched() const;

    mutable QPixmap m_sheet;
    mutable bool m_bPlainRead = true;
    QSize m_size;   // the plain sheet's, also while it is unread
    QString m_folder;
    double m_scale = 1.0;
    mutable QPixmap m_sheet2x;
    mutable bool m_bLooked2x = true;
    CellPicture m_sharpCells;   // the sharp twin's cells, open when they may be read
    using Key = std::tuple<int, int, int, int>;
    // Cells being read ahead; destroyed, and so waited for, before the file they read.
    mutable std::future<std::vector<std::pair<Key, QImage>>> m_prefetch;
    mutable std::map<Key, QPixmap> m_cells2x;   // its cells read so far
    mutable std::map<std::pair<Key, Key>, QPixmap> m_fitted;   // cells fitted to controls' pixels
    bool m_bLabels = false;
};

// Paints `cell` of `sheet` over the whole of `widget`, or black when there is no sheet.
void PaintSpriteCell(QWidget* widget, const CSpriteSheet* sheet, sprites::Cell cell, sprites::Size size);
