#include "ChipPainter.h"

#include "ImageLayer.h"
#include "Palette.h"
#include "ShapePath.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

namespace art {

ChipLook ShapeChip(int shape)
{
    return {palette::kShapeBall, shape, palette::kShapeInk, QColor(), 1.0};
}

ChipLook PlainChip(const QColor& base)
{
    return {base, 0, QColor(), QColor(), 1.0};
}

ChipLook ColourChip(int colour)
{
    return PlainChip(ChipColour(colour));
}

ChipLook PoolChip(int shape, int colour)
{
    const QColor base = ChipColour(colour);
    const QColor ink = WantsDarkInk(base) ? Mix(base, Qt::black, 0.8) : QColor(250, 250, 252);
    return {base, shape, ink, QColor(), 1.0};
}

ChipLook NoDropChip()
{
    return {palette::kNoDropBall, 0, QColor(), palette::kNoDropInk, 0.8};
}

QRgb Dimmed(QRgb pixel)
{
    // Mostly a cool slate grey of the pixel's own lightness: a red chip, which players without red
    // cones see as a dark olive, must not pass for a dimmed yellow or orange one.
    const int grey = qGray(pixel);
    const auto fade = [grey](int channel, int tint) {
        return (grey * tint * 65 / 100 + channel * 35) * 36 / 10000;
    };
    return qRgba(fade(qRed(pixel), 93), fade(qGreen(pixel), 97), fade(qBlue(pixel), 110), qAlpha(pixel));
}

Ball BallInCell(const QRectF& cell)
{
    const qreal size = qMin(cell.width(), cell.height());
    const QPointF lift(-0.012 * size, -0.018 * size);
    return {cell.center() + lift, 0.405 * size};
}

static QPainterPath Disc(const QPointF& centre, qreal radius)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    return disc;
}

void DrawBallShadow(QPainter& painter, const Ball& ball)
{
    const qreal r = ball.radius;
    const QPointF centre = ball.centre + QPointF(0.1 * r, 0.16 * r);
    QRadialGradient shadow(centre, 1.14 * r);
    shadow.setColorAt(0.0, WithAlpha(Qt::black, 220));
    shadow.setColorAt(0.78, WithAlpha(Qt::black, 150));
    shadow.setColorAt(1.0, WithAlpha(Qt::black, 0));
    painter.fillPath(Disc(centre, 1.14 * r), shadow);
}

static void DrawBody(QPainter& painter, const Ball& ball, const QColor& base)
{
    const qreal r = ball.radius;
    const QPointF light = ball.centre + QPointF(-0.3 * r, -0.38 * r);
    QRadialGradient body(light, 1.5 * r, light);
    body.setColorAt(0.0, Mix(base, Qt::white, 0.5));
    body.setColorAt(0.28, Mix(base, Qt::white, 0.12));
    body.setColorAt(0.56, base);
    body.setColorAt(0.86, Mix(base, Qt::black, 0.42));
    body.setColorAt(1.0, Mix(base, Qt::black, 0.68));
    painter.fillPath(Disc(ball.centre, r), body);
}

// Light bounced back from the board brightens the lower rim.
static void DrawRimLight(QPainter& painter, const Ball& ball, const QColor& base, qreal gloss)
{
    const qreal r = ball.radius;
    QRadialGradient rim(ball.centre + QPointF(0.05 * r, -0.32 * r), 1.32 * r);
    const QColor glow = Mix(base, Qt::white, 0.45);
    rim.setColorAt(0.0, WithAlpha(glow, 0));
    rim.setColorAt(0.74, WithAlpha(glow, 0));
    rim.setColorAt(0.95, WithAlpha(glow, int(130 * gloss)));
    rim.setColorAt(1.0, WithAlpha(glow, 0));
    painter.fillPath(Disc(ball.centre, r), rim);
}

static QPainterPath CrossPath(const QPointF& centre, qreal arm, qreal width)
{
    QPainterPath lines;
    lines.moveTo(centre + QPointF(-arm, -arm));
    lines.lineTo(centre + QPointF(arm, arm));
    lines.moveTo(centre + QPointF(arm, -arm));
    lines.lineTo(centre + QPointF(-arm, arm));
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(lines);   // filled with the winding rule, the arms overlap cleanly
}

static QPainterPath ShapeMark(const Ball& ball, int shape)
{
    const qreal half = 0.58 * ball.radius;
    return ShapePath(shape, QRectF(ball.centre - QPointF(half, half), QSizeF(2 * half, 2 * half)));
}

// Dark ink looks engraved (a lit lower edge), light ink looks inlaid and raised (a shadow below).
static void DrawInk(QPainter& painter, const Ball& ball, const QPainterPath& mark, const QColor& ink,
                    const QColor& base)
{
    const bool engraved = ink.lightnessF() < 0.35;
    const QPointF offset = QPointF(0.02, 0.04) * ball.radius;
    // The lit edge keeps an engraved mark legible on a dimmed chip too.
    const QColor edge = engraved ? WithAlpha(Qt::white, 110) : WithAlpha(Qt::black, 130);
    painter.fillPath(mark.translated(offset), edge);
    const QRectF bounds = mark.boundingRect();
    QLinearGradient shade(bounds.topLeft(), bounds.bottomLeft());
    shade.setColorAt(0.0, engraved ? Mix(ink, Qt::white, 0.12) : ink);
    shade.setColorAt(1.0, engraved ? ink : Mix(ink, base, 0.22));
    painter.fillPath(mark, shade);
}

static void DrawMarks(QPainter& painter, const Ball& ball, const ChipLook& look)
{
    if (look.shape != 0)
        DrawInk(painter, ball, ShapeMark(ball, look.shape), look.ink, look.base);
    if (look.crossInk.isValid())
        DrawInk(painter, ball, CrossPath(ball.centre, 0.5 * ball.radius, 0.26 * ball.radius), look.crossInk,
                look.base);
}

static void DrawHighlights(QPainter& painter, const Ball& ball, qreal gloss)
{
    const qreal r = ball.radius;
    painter.save();
    painter.setClipPath(Disc(ball.centre, 0.97 * r), Qt::IntersectClip);
    const QRectF sheen(ball.centre + QPointF(-0.72 * r, -0.9 * r), QSizeF(1.3 * r, 0.82 * r));
    QLinearGradient glaze(sheen.topLeft(), sheen.bottomLeft());
    glaze.setColorAt(0.0, WithAlpha(Qt::white, int(170 * gloss)));
    glaze.setColorAt(1.0, WithAlpha(Qt::white, 0));
    QPainterPath sheenPath;
    sheenPath.addEllipse(sheen);
    painter.fillPath(sheenPath, glaze);
    const QPointF spot = ball.centre + QPointF(-0.38 * r, -0.46 * r);
    QRadialGradient sparkle(spot, 0.2 * r);
    sparkle.setColorAt(0.0, WithAlpha(Qt::white, int(240 * gloss)));
    sparkle.setColorAt(1.0, WithAlpha(Qt::white, 0));
    painter.fillPath(Disc(spot, 0.2 * r), sparkle);
    painter.restore();
}

static void DrawOutline(QPainter& painter, const Ball& ball, const QColor& base)
{
    painter.setPen(QPen(WithAlpha(Mix(base, Qt::black, 0.78), 200), 0.045 * ball.radius));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(ball.centre, ball.radius, ball.radius);
}

void DrawBall(QPainter& painter, const Ball& ball, const ChipLook& look)
{
    DrawBody(painter, ball, look.base);
    DrawRimLight(painter, ball, look.base, look.gloss);
    DrawMarks(painter, ball, look);
    DrawHighlights(painter, ball, look.gloss);
    DrawOutline(painter, ball, look.base);
}

void DrawHole(QPainter& painter, const QRectF& cell)
{
    const qreal size = qMin(cell.width(), cell.height());
    const qreal r = 0.47 * size;
    const QPointF centre = cell.center();
    QRadialGradient floor(centre + QPointF(0, 0.2 * r), r);
    floor.setColorAt(0.0, QColor(34, 36, 46));
    floor.setColorAt(1.0, QColor(14, 15, 20));
    painter.fillPath(Disc(centre, r), floor);
    // The upper wall of the hole lies in its own shadow.
    QRadialGradient wall(centre + QPointF(0, 0.28 * r), 1.28 * r);
    wall.setColorAt(0.62, WithAlpha(Qt::black, 0));
    wall.setColorAt(1.0, WithAlpha(Qt::black, 230));
    painter.fillPath(Disc(centre, r), wall);
    QLinearGradient lip(centre - QPointF(0, r), centre + QPointF(0, r));
    lip.setColorAt(0.0, QColor(6, 6, 9));
    lip.setColorAt(1.0, QColor(96, 102, 122));
    painter.setPen(QPen(QBrush(lip), 0.05 * r));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, r, r);
}

void DrawLooseChip(QPainter& painter, const Ball& ball, const ChipLook& look)
{
    DrawBallShadow(painter, ball);
    DrawBall(painter, ball, look);
}

void DrawSlottedChip(QPainter& painter, const QRectF& cell, const ChipLook& look, bool dimmed)
{
    DrawHole(painter, cell);
    const Ball ball = BallInCell(cell);
    if (!dimmed) {
        DrawLooseChip(painter, ball, look);
        return;
    }
    DrawFiltered(painter, cell, [ball, look](QPainter& p, const QRectF&) { DrawLooseChip(p, ball, look); },
                 Dimmed);
}

void DrawCrossOut(QPainter& painter, const QRectF& cell)
{
    const Ball ball = BallInCell(cell);
    const QPainterPath cross = CrossPath(ball.centre, 0.5 * ball.radius, 0.2 * ball.radius);
    DrawInk(painter, ball, cross, palette::kCrossOut, Qt::black);
}

static void DrawPlate(QPainter& painter, const QRectF& plate, qreal size)
{
    QLinearGradient metal(plate.topLeft(), plate.bottomRight());
    metal.setColorAt(0.0, QColor(58, 60, 70));
    metal.setColorAt(1.0, QColor(20, 21, 26));
    QLinearGradient bevel(plate.topLeft(), plate.bottomRight());
    bevel.setColorAt(0.0, QColor(112, 116, 132));
    bevel.setColorAt(1.0, QColor(8, 8, 10));
    painter.setPen(QPen(QBrush(bevel), 0.035 * size));
    painter.setBrush(metal);
    painter.drawRoundedRect(plate, 0.14 * size, 0.14 * size);
}

void DrawClosedSlot(QPainter& painter, const QRectF& cell)
{
    const qreal size = qMin(cell.width(), cell.height());
    const QRectF plate = cell.adjusted(0.07 * size, 0.07 * size, -0.07 * size, -0.07 * size);
    DrawPlate(painter, plate, size);
    const QPainterPath cross = CrossPath(cell.center(), 0.25 * size, 0.1 * size);
    painter.fillPath(cross.translated(0.012 * size, 0.018 * size), QColor(92, 96, 110));
    painter.fillPath(cross, QColor(10, 10, 13));
}

}  // namespace art
