#pragma once
// The board as a screen reader walks it: the controls a player reads, each once, in the order the
// views hold them. The frame's pieces, the separators and the boxes that hold a row's controls are
// decoration and stay out; a row's four pegs are read as one (its first peg speaks for the row's
// result), and a score's digits as one figure (the units digit speaks for it).

#include <QList>

class QWidget;

namespace accessibletree {

// The controls a reader finds in `view`, its rows' boxes looked through.
QList<QWidget*> Children(const QWidget* view);
// Whatever holds `w` as a reader sees it: its view rather than the box of its row.
QWidget* Holder(const QWidget* w);

}  // namespace accessibletree
