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
    const QRectF ink = ReferencePath(sample).boundingRect();
    const qreal byHeight = box.height() * capShare / ReferenceCapHeight();
    const qreal byWidth = ink.width() > 0 ? box.width() / ink.width() : byHeight;
    return qMin(byHeight, byWidth);
}

qreal CentredBaseline(const QRectF& box, qreal scale)
{
    return box.center().y() + 0.5 * ReferenceCapHeight() * scale;
}

void DrawText(QPainter& painter, const QRectF& box, qreal baseline, const QString& text, qreal scale,
              const QColor& top, const QColor& bottom)
{
    QPainterPath path = ReferencePath(text);
    const QRectF ink = path.boundingRect();
    QTransform place;
    place.translate(box.center().x(), baseline);
    place.scale(scale, scale);
    place.translate(-ink.center().x(), 0);
    path = place.map(path);
    const qreal capTop = baseline - ReferenceCapHeight() * scale;
    QLinearGradient shade(0, capTop, 0, baseline);
    shade.setColorAt(0.0, top);
    shade.setColorAt(1.0, bottom);
    painter.fillPath(path, shade);
}

void DrawLabel(QPainter& painter, const QRectF& box, const QString& text, const QColor& top,
               const QColor& bottom)
{
    const qreal margin = 0.08 * box.height();
    const QRectF inner = box.adjusted(margin, margin, -margin, -margin);
    const qreal scale = FitScale(text, inner.size(), 0.84);
    DrawText(painter, box, CentredBaseline(box, scale), text, scale, top, bottom);
}

}  // namespace art
