#pragma once
// A group of the window's controls laid out from one plan: a board, or the centre. The view is one
// child of the window, and the controls of each row of a board sit in a box of their own inside
// it, so no control has more than a few dozen siblings for Qt to clip it against as it paints.
// The view places its controls at the window's board scale.

#include <QWidget>

#include <memory>
#include <vector>

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
    // The controls of one `group` (0 and up) share a box, made when its first control comes.
    void Add(const layout::Entry& e, QWidget* control, int group = -1);
    // Once every control is in: the boxes take the place their controls cover.
    void CloseGroups();

private:
    struct Group {
        QWidget* box;
        ScaledLayout layout;
        QRect base;   // the box at scale 1
    };

    ScaledLayout m_layout;                        // the view's own controls and the boxes
    std::vector<std::unique_ptr<Group>> m_groups;
};
