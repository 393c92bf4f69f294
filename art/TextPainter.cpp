#include "TextPainter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

const qreal kReferencePixels = 100.0;

QString& GameFamily()
{
    static QString family = QStringLiteral("DejaVu Sans");
    return family;
}

QFont ReferenceFont()
{
    QFont font(GameFamily());
    font.setBold(true);
    font.setPixelSize(int(kReferencePixels));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal ReferenceCapHeight()
{
    return QFontMetricsF(ReferenceFont()).capHeight();
}

QPainterPath ReferencePath(const QString& text)
{
    QPainterPath path;
    path.addText(0, 0, ReferenceFont(), text);
    return path;
}

// The scales at which `sample` fills the height and the width of `box`.
QSizeF FillingScales(const QString& sample, const QSizeF& box, qreal capShare)
{
    const QRectF ink = ReferencePath(sample).boundingRect();
    const qreal byHeight = box.height() * capShare / ReferenceCapHeight();
    return {ink.width() > 0 ? box.width() / ink.width() : byHeight, byHeight};
}

QPainterPath FittedPath(const QRectF& box, qreal baseline, const QString& text, const TextFit& fit)
{
    const QPainterPath path = ReferencePath(text);
    const QRectF ink = path.boundingRect();
    QTransform place;
    place.translate(box.center().x(), baseline);
    place.scale(fit.scale * fit.narrow, fit.scale);
    place.translate(-ink.center().x(), 0);
    return place.map(path);
}

}  // namespace

bool LoadGameFont(const QString& fontFile)
{
    const int id = QFontDatabase::addApplicationFont(fontFile);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (families.isEmpty())
        return false;
    GameFamily() = families.first();
    return true;
}

qreal FitScale(const QString& sample, const QSizeF& box, qreal capShare)
{
    const QSizeF by = FillingScales(sample, box, capShare);
    return qMin(by.height(), by.width());
}

TextFit FitText(const QString& sample, const QSizeF& box, qreal capShare)
{
    const QSizeF by = FillingScales(sample, box, capShare);
    const qreal smallest = kShrinkBeforeNarrowing * by.height();
    if (by.width() >= smallest) return {qMin(by.height(), by.width()), 1.0};
    if (by.width() >= kNarrowest * smallest) return {smallest, by.width() / smallest};
    return {by.width() / kNarrowest, kNarrowest};
}

qreal CentredBaseline(const QRectF& box, qreal scale)
{
    return box.center().y() + 0.5 * ReferenceCapHeight() * scale;
}

QRectF FittedInk(const QRectF& box, qreal baseline, const QString& text, const TextFit& fit)
{
    return FittedPath(box, baseline, text, fit).boundingRect();
}

void DrawText(QPainter& painter, const QRectF& box, qreal baseline, const QString& text, const TextFit& fit,
              const QColor& top, const QColor& bottom)
{
    const QPainterPath path = FittedPath(box, baseline, text, fit);
    const qreal capTop = baseline - ReferenceCapHeight() * fit.scale;
    QLinearGradient shade(0, capTop, 0, baseline);
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    painter.fillPath(path, shade);
}

TextPlace KeepInside(const QRectF& box, const QString& text, const TextPlace& place)
{
    QRectF ink = FittedInk(box, place.baseline, text, place.fit);
    if (ink.top() >= box.top() && ink.bottom() <= box.bottom()) return place;
    // Accents over capitals reach above them: the ink is centred instead, and made smaller only if
    // it is still too tall.
    TextFit fit = place.fit;
    if (ink.height() > box.height()) fit.scale *= box.height() / ink.height();
    qreal baseline = CentredBaseline(box, fit.scale);
    ink = FittedInk(box, baseline, text, fit);
    baseline += box.center().y() - ink.center().y();
    return {fit, baseline};
}

TextPlace PlaceLabel(const QRectF& box, const QString& text)
{
    const qreal margin = 0.08 * box.height();
    const QRectF inner = box.adjusted(margin, margin, -margin, -margin);
    const TextFit fit = FitText(text, inner.size(), 0.84);
    return KeepInside(box, text, {fit, CentredBaseline(box, fit.scale)});
}

void DrawLabel(QPainter& painter, const QRectF& box, const QString& text, const QColor& top,
               const QColor& bottom)
{
    const TextPlace place = PlaceLabel(box, text);
    DrawText(painter, box, place.baseline, text, place.fit, top, bottom);
}

}  // namespace art
