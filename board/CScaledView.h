#pragma once
// A group of the window's controls laid out from one plan: a board, or the centre. The group is one
// child of the window, so the window's controls are painted group by group; it places its controls
// at the window's board scale.

#include <QWidget>

#include "MainLayout.h"
#include "ScaledLayout.h"

class CScaledView : public QWidget {
    Q_OBJECT
public:
    // Places the view at `scale`, `origin` being where the window's board begins.
    void Place(double scale, QPoint origin);
    // Draws the pictures again, for a screen of another pixel density.
    void RedrawPictures();

protected:
    explicit CScaledView(QWidget* parent) : QWidget(parent) {}

    // Takes `control` in at the entry's place and id; a null control makes the entry's picture.
    void Add(const layout::Entry& e, QWidget* control);

private:
    ScaledLayout m_layout;
};
