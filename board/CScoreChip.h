#pragma once
// A feedback peg beside a guess slot.

#include <QWidget>

#include <cstdint>

#include "CSpriteSheet.h"

class CScoreChip : public QWidget {
    Q_OBJECT
public:
    explicit CScoreChip(QWidget* parent = nullptr);

    int32_t m_nValue = 1;   // no match, until the game writes otherwise
    const CSpriteSheet* m_pSprites = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
