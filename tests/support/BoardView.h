#pragma once
// Where the game's controls stand in its window (from the layout table) and what a picture of
// the window shows there (by comparison with the cells of the sprite sheet). Places are given as
// on the board at scale 1; a view of a scaled board maps them to the window and scales the cells.

#include <QImage>
#include <QRect>
#include <QString>

#include "MainLayout.h"
#include "SpriteGeometry.h"

class BoardView {
public:
    // `sheet` is the sprite sheet the game paints from.
    explicit BoardView(const QImage& sheet);

    // The board shown at `scale`, its top-left corner at `origin` in the window.
    void SetScale(double scale, QPoint origin);
    double Scale() const { return m_scale; }
    // A place on the board at scale 1, where the window shows it.
    QRect Map(const QRect& r) const;
    QPoint Map(QPoint p) const;

    static QRect Guess(int board, int row, int slot);
    static QRect Tray(int board, int index);
    static QRect Code(int board, int slot);
    static QRect Peg(int board, int row, int slot);
    static QRect RoundDigit(int index);
    static QRect TotalDigit(int index);
    // Buttons: a point well inside, whatever size their art gives them.
    static QPoint GuessButton(int board, int row);
    static QPoint PhaseButton();
    static QRect PhaseButtonArea();
    // Where the plain picture `art` ("label_shapes") stands, `size` pixels large.
    static QRect Picture(const char* art, QSize size);

    bool ShowsChip(const QImage& shot, const QRect& where, int value) const;
    bool ShowsDigit(const QImage& shot, const QRect& where, int value) const;
    // The peg value 0 to 3 shown at `where`, or -1 when it is none of them.
    int ReadPeg(const QImage& shot, const QRect& where) const;

    // The first place where two of the frame's pieces meet with a dark pixel between them (a seam),
    // walked along the rod from the middle of one piece to the middle of the next; empty when
    // there is none. Every piece is open and bright, as at a game's start.
    QString FirstSeam(const QImage& shot) const;

    // Nearly every pixel alike: the window is copied from the sheet unscaled.
    static bool Alike(const QImage& a, const QImage& b);
    static bool IsBlack(const QImage& shot, const QRect& where);

private:
    // The cell, `size` pixels at scale 1, as the game copies it onto `shown` pixels of the window.
    QImage Cell(sprites::Cell c, sprites::Size size, QSize shown) const;

    QImage m_sheet;
    double m_scale = 1.0;
    QPoint m_origin;
};
