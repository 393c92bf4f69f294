#pragma once
// Places a window's controls at one board scale: every control's rectangle at scale 1, in pixels,
// times the scale, each edge rounded, so neighbours that touch at scale 1 still touch and none
// that were apart come to overlap. Pictures are drawn again for their new size.

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QLabel;
class QScreen;
class QWidget;

namespace boardscale {

// Below this the chips grow too small to tell apart; a smaller screen gets a movable window.
constexpr double kMinScale = 0.6;

// `r` times `scale`, each edge rounded to the nearest pixel.
QRect Scaled(const QRect& r, double scale);
// The size of a whole window's contents, `natural` at scale 1, shown at `scale`.
inline QSize Scaled(QSize natural, double scale) { return Scaled(QRect(QPoint(0, 0), natural), scale).size(); }

// The largest scale at which `natural` fits into `area`, never below the floor.
double ScaleToFit(QSize area, QSize natural);

// What the window's frame adds to its size: the frame Qt or the window manager draws where it is
// known, else room for a title bar.
QSize FrameAround(const QWidget& window);

// The size a refitted window takes: the player's `chosen` size while it still fits `room` (the
// free area less the frame) and is no smaller than `smallest`, else the `fitted` size.
QSize KeepChosen(QSize chosen, QSize fitted, QSize room, QSize smallest);

// Where a window's frame `frame` goes to lie inside `area`: moved no further than needed, its
// top left corner kept inside when it is larger than the area.
QPoint InsideArea(const QRect& frame, const QRect& area);

// The window system tells where windows stand (not so on Wayland, which places them itself).
bool PositionsKnown();
// Room left for a top bar or panel where the window system does not tell where they are.
constexpr int kPanelRoom = 32;
// The part of `screen` a window may take: its free area where the window system tells it; where it
// does not (Wayland tells a window nothing of panels), the whole screen less room for a panel.
QRect FreeArea(const QScreen& screen);
// `window` with its frame lies inside its screen's free area (where it stands is known).
bool FitsScreen(const QWidget& window);
// Moves a shown window that reaches off its screen's free area back inside, where it can; one
// mostly on another screen is left until Qt has moved it over.
void MoveInside(QWidget& window);

// The scale at which `window`, showing `natural` at scale 1, fits its screen's free area with its
// frame: 1 where it fits as drawn, less where it does not, never below the floor.
double ScaleForScreen(const QWidget& window, QSize natural);

}  // namespace boardscale

class ScaledLayout {
public:
    // `base` is the control's place and size at scale 1. A picture shows the art `art`.
    void Add(QWidget* control, const QRect& base);
    void AddPicture(QLabel* picture, const QRect& base, const QString& art);

    // The union of every control's rectangle at scale 1.
    QRect Bounds() const;

    // Places every control at `scale`, less `origin` (the scaled place of the parent).
    void Apply(double scale, QPoint origin);
    // Draws every picture again at its present size, for a screen of another pixel density.
    void RedrawPictures();

private:
    struct Item {
        QWidget* control;
        QRect base;
        QString art;   // empty for controls that paint themselves
    };
    static void Redraw(const Item& i, QSize size);

    std::vector<Item> m_items;
};
