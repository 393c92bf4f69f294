#include "CSpriteSheet.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QWidget>

#include <cmath>
#include <utility>

#include "ChipLabels.h"
#include "PictureFile.h"

namespace {

// Decoded as it is read, so the file's bytes are never held whole beside the picture.
QImage ReadImage(const QString& folder, const char* name)
{
    QFile file;
    if (!OpenPictureFile(QDir(folder).filePath(QString::fromLatin1(name)), file)) return {};
    QImageReader reader(&file);
    return reader.read();
}

QPixmap ReadSheet(const QString& folder, const char* name)
{
    return QPixmap::fromImage(ReadImage(folder, name));
}

// Opens the sharp twin's cells when they were written from the PNG beside it (not older than it:
// a player's own PNG put in later wins) and are exactly twice the plain sheet.
bool OpenSharpCells(const QString& folder, QSize plain, CellPicture& cells)
{
    const QDir dir(folder);
    const QFileInfo png(dir.filePath(QString::fromLatin1(CSpriteSheet::kFileName2x)));
    const QFileInfo file(dir.filePath(QString::fromLatin1(CSpriteSheet::kFileName2xCells)));
    if (!png.exists() || !file.exists() || file.lastModified() < png.lastModified()) return false;
    if (cells.Open(file.filePath()) && cells.Size() == plain * 2) return true;
    cells.Close();
    return false;
}

// The plain sheet's size, from its header alone.
QSize PlainSize(const QString& folder)
{
    QFile file;
    if (!OpenPictureFile(QDir(folder).filePath(QString::fromLatin1(CSpriteSheet::kFileName)), file)) return {};
    return QImageReader(&file).size();
}

// `area` of `sheet`, in the sheet's own pixels, black where it reaches past the sheet.
QImage AreaOf(const QPixmap& sheet, const QRect& area)
{
    if (sheet.isNull()) {
        QImage black(area.size(), QImage::Format_RGB32);
        black.fill(Qt::black);
        return black;
    }
    // The picture behind a pixmap is shared, not copied; its copy pads what lies outside with 0.
    QImage out = sheet.toImage().copy(area).convertToFormat(QImage::Format_RGB32);
    out.setDevicePixelRatio(1.0);
    return out;
}

}  // namespace

bool CSpriteSheet::Load(const QString& folder)
{
    TakePrefetched();
    m_sheet = m_sheet2x = QPixmap();
    ForgetCopies();
    m_folder = folder;
    m_size = QSize();
    m_sharpCells.Close();
    const bool dense = qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
    // A high-DPI screen copies every cell from the sharp twin; from its cells file it reads only
    // the cells it shows, and the plain sheet is read only if something asks for it.
    if (dense) {
        const QSize plain = PlainSize(folder);
        if (!plain.isEmpty() && OpenSharpCells(folder, plain, m_sharpCells)) m_size = plain;
    }
    m_bPlainRead = !m_sharpCells.IsOpen();
    if (m_bPlainRead) {
        m_sheet = ReadSheet(folder, kFileName);
        m_size = m_sheet.size();
        if (!m_size.isEmpty()) OpenSharpCells(folder, m_size, m_sharpCells);
    }
    // The sharp twin is four times the plain sheet's size and most screens never need it, so it
    // is read when a high-DPI screen or a large board first asks for it.
    m_bLooked2x = m_size.isEmpty();   // no twin without the sheet it doubles
    return IsLoaded();
}

const QPixmap& CSpriteSheet::Plain() const
{
    if (m_bPlainRead) return m_sheet;
    m_bPlainRead = true;
    m_sheet = ReadSheet(m_folder, kFileName);
    // Changed since its size was read: its cells would lie elsewhere.
    if (m_sheet.size() != m_size) m_sheet = QPixmap();
    return m_sheet;
}

void CSpriteSheet::Release()
{
    TakePrefetched();
    m_sheet = m_sheet2x = QPixmap();
    ForgetCopies();
    m_bLooked2x = m_bPlainRead = true;
    m_sharpCells.Close();
    m_size = QSize();
}

void CSpriteSheet::SetScale(double scale)
{
    if (scale == m_scale) return;
    m_scale = scale;
    ForgetCopies();
}

void CSpriteSheet::SetLabels(bool on)
{
    if (on == m_bLabels) return;
    m_bLabels = on;
    m_fitted.clear();   // drawn again when first needed
}

void CSpriteSheet::Prefetch(std::vector<QRect> cells)
{
    TakePrefetched();
    const bool twice = qGuiApp != nullptr && qGuiApp->devicePixelRatio() * m_scale == 2.0;
    if (!twice || !m_sharpCells.IsOpen()) return;
    const CellPicture* file = &m_sharpCells;
    m_prefetch = std::async(std::launch::async, [file, cells = std::move(cells)] {
        std::vector<std::pair<Key, QImage>> read;
        for (const QRect& cell : cells) {
            const QRect area(cell.topLeft() * 2, cell.size() * 2);
            read.emplace_back(Key(area.x(), area.y(), area.width(), area.height()), file->Read(area));
        }
        return read;
    });
}

void CSpriteSheet::TakePrefetched() const
{
    if (!m_prefetch.valid()) return;
    for (auto& [key, pixels] : m_prefetch.get())
        if (!pixels.isNull()) m_cells2x[key] = QPixmap::fromImage(std::move(pixels));
}

void CSpriteSheet::ForgetCopies()
{
    TakePrefetched();
    m_cells2x.clear();
    m_fitted.clear();
}

const QPixmap& CSpriteSheet::Sheet2x() const
{
    if (m_bLooked2x) return m_sheet2x;
    m_bLooked2x = true;
    TakePrefetched();
    QImage sharp = m_sharpCells.ReadAll();
    if (sharp.isNull()) sharp = ReadImage(m_folder, kFileName2x);
    m_sheet2x = QPixmap::fromImage(std::move(sharp));
    // A high-resolution sheet that does not match the plain one would put cells in the wrong place.
    if (m_sheet2x.size() != m_size * 2) m_sheet2x = QPixmap();
    m_sheet2x.setDevicePixelRatio(2.0);
    return m_sheet2x;
}

const QPixmap& CSpriteSheet::Source(qreal factor, qreal* pixelsPerCell) const
{
    // Drawn art where it exists at this size: the plain sheet, or its sharp twin.
    if (factor == 2.0 && !Sheet2x().isNull()) {
        *pixelsPerCell = 2.0;
        return m_sheet2x;
    }
    *pixelsPerCell = 1.0;   // without the twin, Qt enlarges the plain cells as it copies
    return Plain();
}

const QPixmap* CSpriteSheet::SharpCell(qreal devicePixelRatio, const QRect& cell, QSize shown) const
{
    // Only where the sharp sheet is copied as it is, and the whole cell lies inside the sheet.
    if (!m_sharpCells.IsOpen() || m_scale * devicePixelRatio != 2.0) return nullptr;
    TakePrefetched();
    if (!QRect(QPoint(0, 0), m_size).contains(cell)) return nullptr;
    const qreal perShown = 2.0 / m_scale;
    const QSize extent(qRound(shown.width() * perShown), qRound(shown.height() * perShown));
    const QRect area(cell.topLeft() * 2, extent);
    const Key key(area.x(), area.y(), area.width(), area.height());
    const auto known = m_cells2x.find(key);
    if (known != m_cells2x.end()) return &known->second;
    QImage pixels = m_sharpCells.Read(area);
    if (pixels.isNull()) return nullptr;   // changed since; the whole sheet is read instead
    QPixmap& kept = m_cells2x[key];
    kept = QPixmap::fromImage(std::move(pixels));
    return &kept;
}

QImage CSpriteSheet::SharpArea(const QRect& area) const
{
    const QRect pixels(area.topLeft() * 2, area.size() * 2);
    TakePrefetched();
    QImage read = m_sharpCells.Read(pixels);
    if (!read.isNull()) return read;
    if (Sheet2x().isNull()) return {};
    return AreaOf(m_sheet2x, pixels);
}

const QPixmap& CSpriteSheet::Fitted(const QRect& area, QSize pixels, qreal factor) const
{
    const auto key = std::make_pair(Key(area.x(), area.y(), area.width(), area.height()),
                                    Key(pixels.width(), pixels.height(), 0, 0));
    const auto known = m_fitted.find(key);
    if (known != m_fitted.end()) return known->second;
    // Larger than drawn from the sharp sheet, smaller from the plain one; each cell scaled on its
    // own, so its edges never blend with the black around it in the sheet.
    QImage cell = factor > 1.0 ? SharpArea(area) : QImage();
    if (cell.isNull()) cell = AreaOf(Plain(), area);
    if (cell.size() != pixels) cell = cell.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    cell = cell.convertToFormat(QImage::Format_RGB32);
    if (m_bLabels) {
        // Drawn at the size the cell is shown, so the numbers stay sharp at every scale.
        QPainter painter(&cell);
        painter.scale(qreal(pixels.width()) / area.width(), qreal(pixels.height()) / area.height());
        painter.translate(-area.topLeft());
        DrawChipLabels(painter, area);
    }
    QPixmap& kept = m_fitted[key];
    kept = QPixmap::fromImage(std::move(cell));
    return kept;
}

// A control covers the device pixels its rectangle's corners round to, as Qt clips it; where the
// pixel ratio is fractional its edges fall between pixels, and a copy drawn over the rectangle
// would leave the last row or column it owns unpainted. The cell is drawn over exactly those
// pixels instead, so neighbouring controls meet without a seam.
void CSpriteSheet::DrawFitted(QPainter& painter, const QRect& area, QSize shown, qreal factor) const
{
    const QTransform toDevice = painter.deviceTransform();
    const QPoint from = toDevice.map(QPointF(0, 0)).toPoint();
    const QPoint to = toDevice.map(QPointF(shown.width(), shown.height())).toPoint();
    const QSize pixels(to.x() - from.x(), to.y() - from.y());
    if (pixels.isEmpty() || area.isEmpty()) return;
    const QPixmap& fitted = Fitted(area, pixels, factor);
    painter.save();
    painter.setWorldTransform(toDevice.inverted());
    painter.drawPixmap(from, fitted);
    painter.restore();
}

void CSpriteSheet::Draw(QPainter& painter, sprites::Cell cell, sprites::Size size, QSize shown) const
{
    const qreal dpr = painter.device()->devicePixelRatioF();
    const qreal factor = m_scale * dpr;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Anywhere but at a whole pixel ratio with the board at its drawn size or twice it, and
    // wherever numbers go on the chips, the cell is fitted to the control's pixels.
    if (m_bLabels || dpr != std::floor(dpr) || (factor != 1.0 && factor != 2.0)) {
        DrawFitted(painter, QRect(cell.x, cell.y, size.w, size.h), shown, factor);
        return;
    }
    if (const QPixmap* sharp = SharpCell(dpr, QRect(cell.x, cell.y, size.w, size.h), shown)) {
        painter.drawPixmap(QRectF(QPointF(0, 0), shown), *sharp, QRectF(sharp->rect()));
        return;
    }
    qreal k = 1.0;
    const QPixmap& source = Source(factor, &k);
    const qreal perShown = k / m_scale;   // source pixels per pixel of the control
    // A cell reaching past the sheet (a small sheet, or a value the game never writes) copies
    // only what is there; the rest stays black rather than showing stale pixels.
    if (source.isNull() || !QRect(QPoint(0, 0), m_size).contains(QRect(cell.x, cell.y, size.w, size.h)))
        painter.fillRect(QRect(QPoint(0, 0), shown), Qt::black);
    painter.drawPixmap(QRectF(QPointF(0, 0), shown), source,
                       QRectF(std::round(cell.x * k), std::round(cell.y * k), shown.width() * perShown,
                              shown.height() * perShown));
}

void PaintSpriteCell(QWidget* widget, const CSpriteSheet* sheet, sprites::Cell cell, sprites::Size size)
{
    QPainter painter(widget);
    if (sheet == nullptr || !sheet->IsLoaded()) {
        painter.fillRect(widget->rect(), Qt::black);
        return;
    }
    sheet->Draw(painter, cell, size, widget->size());
}
