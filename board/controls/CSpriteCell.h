#pragma once
// A control that shows one cell of the sprite sheet, chosen by its value: the common ground of the
// pegs, the centre grid's cells, the score digits and the frame pieces. Each kind says which cell a
// value selects and how large a copy it takes; painting is the same for all.

#include <QRect>
#include <QWidget>

#include <cstdint>

#include "CSpriteSheet.h"

class CSpriteCell : public QWidget {
    Q_OBJECT
public:
    int32_t m_nValue = 0;
    const CSpriteSheet* m_pSprites = nullptr;

    // The part of the sheet the control shows at scale 1: its value's cell, as much of the copy as
    // the control's own size takes.
    QRect ShownCell() const;

protected:
    // `copied` is the size of the copy at scale 1, and the control's own size there.
    CSpriteCell(sprites::Size copied, QWidget* parent);

    virtual sprites::Cell Cell() const = 0;
    virtual sprites::Size Copied() const { return m_copied; }

    void paintEvent(QPaintEvent* event) override;

private:
    sprites::Size m_copied;
};
