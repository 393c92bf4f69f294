#pragma once
// The yardstick for the board's refresh and for start-up: a bare window with one plain child in
// the place and of the size of each control of the game's window (311 self-painting controls and
// 22 buttons), each copying one cell of a shared pixmap, opaque, as the game's controls do.

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include <vector>

struct BarePlace {
    QRect rect;
    QPoint cell;   // top-left corner of the copied cell in the sheet
    bool visible;  // buttons start hidden, as in the game
};

// The places of the game's window, from its layout table.
std::vector<BarePlace> GameWindowPlaces();

class BareBoard : public QWidget {
public:
    BareBoard(const QPixmap& sheet, const std::vector<BarePlace>& places);

    // Repaints every child at once, one after the other.
    void RepaintAll();
    int Count() const { return static_cast<int>(m_cells.size()); }

private:
    std::vector<QWidget*> m_cells;
};
