#pragma once
// A horizontal frame bar above or below a board's code row and tray: 0 open, 1 closed.

#include <QWidget>

#include <cstdint>

#include "CSpriteSheet.h"

class CSideHoriz : public QWidget {
    Q_OBJECT
public:
    explicit CSideHoriz(QWidget* parent = nullptr);

    int32_t m_nValue = 0;
    const CSpriteSheet* m_pSprites = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
