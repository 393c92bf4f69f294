#pragma once
// The frames around the boards: rounded metal rods in the board's blue, dimmed to grey once a board
// is closed, and lit yellow beside the row in play.

class QPainter;
class QRectF;

namespace art {

enum class Frame { Open, Closed, CurrentRow };

// A rod along the longer side of `rect`, lit across its width.
void DrawFrame(QPainter& painter, const QRectF& rect, Frame style);

}  // namespace art
