#pragma once
// One digit of a score: 10 * style + digit, or 30 for a blank cell.

#include <QWidget>

#include <cstdint>

#include "CSpriteSheet.h"

class CNumbers : public QWidget {
    Q_OBJECT
public:
    explicit CNumbers(QWidget* parent = nullptr);

    int32_t m_nValue = 0;
    const CSpriteSheet* m_pSprites = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
