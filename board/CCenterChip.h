#pragma once
// One cell of the centre grid: chip i available (value i) or eliminated (i + 36).

#include <QWidget>

#include <cstdint>

#include "CSpriteSheet.h"

class CCenterChip : public QWidget {
    Q_OBJECT
public:
    explicit CCenterChip(QWidget* parent = nullptr);

    int32_t m_nValue = 0;
    const CSpriteSheet* m_pSprites = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
};
