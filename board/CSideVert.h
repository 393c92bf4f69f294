#pragma once
// A vertical frame piece beside a row: 0 open board, 1 closed, 2 an open board's current row.

#include <QWidget>

#include <cstdint>

#include "CSpriteSheet.h"

class CSideVert : public QWidget {
    Q_OBJECT
public:
    explicit CSideVert(QWidget* parent = nullptr);

    int32_t m_nValue = 0;
    int32_t m_nStretch = 0;   // the tray's pieces copy a taller strip, of which the control shows the top
    const CSpriteSheet* m_pSprites = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
