#include "ImageLayer.h"

#include <QPainter>
#include <QtMath>

namespace art {

void BeginPainting(QPainter& painter, QImage& device, int scale)
{
    painter.begin(&device);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
}

QImage Render(const QSize& size, int scale, bool withAlpha, const Drawing& draw)
{
    QImage image(size * scale, withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    image.fill(withAlpha ? Qt::transparent : Qt::black);
    QPainter painter;
    BeginPainting(painter, image, scale);
    draw(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

static void FilterPixels(QImage& layer, QRgb (*filter)(QRgb))
{
    for (int y = 0; y < layer.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x)
            line[x] = filter(line[x]);
    }
}

void DrawFiltered(QPainter& painter, const QRectF& rect, const Drawing& draw, QRgb (*filter)(QRgb))
{
    const qreal scale = painter.deviceTransform().m11();
    const QSize pixels(qCeil(rect.width() * scale), qCeil(rect.height() * scale));
    QImage layer(pixels, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter layerPainter(&layer);
    layerPainter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    layerPainter.scale(scale, scale);
    layerPainter.translate(-rect.topLeft());
    draw(layerPainter, rect);
    layerPainter.end();
    FilterPixels(layer, filter);
    layer.setDevicePixelRatio(scale);
    painter.drawImage(rect.topLeft(), layer);
}

}  // namespace art
