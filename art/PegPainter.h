#pragma once
// Feedback pegs, told apart by form and lightness as well as by colour: a faint dark ring for no
// match, a bright white ring for the right attribute in another place, a solid glossy red peg for
// the right attribute in the right place, and nothing at all for no peg.

class QPainter;
class QRectF;

namespace art {

enum class Peg { None, NoMatch, Present, Exact };

void DrawPeg(QPainter& painter, const QRectF& cell, Peg peg);

}  // namespace art
