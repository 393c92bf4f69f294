#include "ShapePath.h"

#include <QTransform>
#include <QtMath>

namespace art {
namespace {

// The shapes are drawn in a box from -1 to 1 and fitted afterwards.

QPainterPath Star()
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? 1.0 : 0.46;
        const qreal angle = qDegreesToRadians(-90.0 + 36.0 * i);
        const QPointF point(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// The flared foot shared by the club and the spade.
QPainterPath Stem(qreal top, qreal halfTop, qreal halfFoot)
{
    const qreal foot = 1.0;
    QPainterPath stem;
    stem.moveTo(-halfTop, top);
    stem.lineTo(halfTop, top);
    stem.quadTo(halfTop, foot - 0.1, halfFoot, foot);
    stem.lineTo(-halfFoot, foot);
    stem.quadTo(-halfTop, foot - 0.1, -halfTop, top);
    stem.closeSubpath();
    return stem;
}

QPainterPath Disc(qreal x, qreal y, qreal r)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(x, y), r, r);
    return disc;
}

// Qt flattens curves for a union at a fixed precision, so the parts are joined at a hundred times
// their size to keep the lobes round.
QPainterPath Union(const QPainterPath& a, const QPainterPath& b)
{
    const QTransform up = QTransform::fromScale(100, 100);
    const QTransform down = QTransform::fromScale(0.01, 0.01);
    return down.map(up.map(a).united(up.map(b)));
}

QPainterPath Club()
{
    const qreal r = 0.35;
    QPainterPath path = Union(Disc(0, -0.6, r), Disc(-0.47, 0.02, r));
    path = Union(path, Disc(0.47, 0.02, r));
    path = Union(path, Disc(0, -0.12, 0.24));
    return Union(path, Stem(-0.1, 0.11, 0.36));
}

QPainterPath Diamond()
{
    QPainterPath path;
    path.moveTo(0, -1);
    path.quadTo(0.34, -0.38, 0.78, 0);
    path.quadTo(0.34, 0.38, 0, 1);
    path.quadTo(-0.34, 0.38, -0.78, 0);
    path.quadTo(-0.34, -0.38, 0, -1);
    path.closeSubpath();
    return path;
}

QPainterPath Heart()
{
    QPainterPath path;
    path.moveTo(0, 1.0);
    path.cubicTo(-0.25, 0.7, -1.0, 0.3, -1.0, -0.3);
    path.cubicTo(-1.0, -0.8, -0.36, -1.02, 0, -0.54);
    path.cubicTo(0.36, -1.02, 1.0, -0.8, 1.0, -0.3);
    path.cubicTo(1.0, 0.3, 0.25, 0.7, 0, 1.0);
    path.closeSubpath();
    return path;
}

QPainterPath Spade()
{
    // An upturned heart, a little squat, on the club's foot.
    const QPainterPath body = QTransform().translate(0, -0.24).scale(0.96, -0.76).map(Heart());
    return Union(body, Stem(0.0, 0.1, 0.36));
}

QPainterPath Circle() { return Disc(0, 0, 1); }

QPainterPath UnitShape(int shape)
{
    switch (shape) {
    case 1: return Star();
    case 2: return Club();
    case 3: return Diamond();
    case 4: return Heart();
    case 5: return Spade();
    case 6: return Circle();
    default: return {};
    }
}

// How much of the box each shape fills: a disc or a heart fills its box with more ink than a star.
qreal Weight(int shape)
{
    static const qreal kWeights[6] = {1.08, 1.04, 1.08, 0.92, 1.02, 0.74};
    return kWeights[shape - 1];
}

}  // namespace

QPainterPath ShapePath(int shape, const QRectF& box)
{
    const QPainterPath unit = UnitShape(shape);
    if (unit.isEmpty())
        return unit;
    const QRectF bounds = unit.boundingRect();
    const qreal scale = qMin(box.width() / bounds.width(), box.height() / bounds.height()) * Weight(shape);
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(unit);
}

}  // namespace art
