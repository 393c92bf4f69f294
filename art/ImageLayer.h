#pragma once
// Rendering at any resolution: every picture is drawn into a rectangle given in 1x pixels, and the
// painter's scale decides how many device pixels that rectangle covers, so the 1x and 2x images
// come from one drawing and both are drawn natively.

#include <QImage>
#include <QRgb>
#include <functional>

class QPainter;
class QRectF;

namespace art {

using Drawing = std::function<void(QPainter&, const QRectF&)>;

// An image of `size` (1x pixels) drawn at `scale`, antialiased. Opaque images start black,
// images with alpha start transparent.
QImage Render(const QSize& size, int scale, bool withAlpha, const Drawing& draw);

// Draws `draw` into an offscreen layer at the painter's own resolution, passes every pixel of the
// layer through `filter` and lays the result over `rect`.
void DrawFiltered(QPainter& painter, const QRectF& rect, const Drawing& draw, QRgb (*filter)(QRgb));

// Starts painting on `device` with antialiasing at `scale`.
void BeginPainting(QPainter& painter, QImage& device, int scale);

}  // namespace art
