#pragma once
// The middle of the window: the pool of chips in a 6 by 6 grid, the score of every round and the
// total, NEW GAME and NEXT ROUND, with their labels and separators.

#include "CBitmapButton.h"
#include "CCenterChip.h"
#include "CNumbers.h"
#include "CScaledView.h"
#include "Chips.h"
#include "Variant.h"

class CCentreView : public CScaledView {
    Q_OBJECT
public:
    static constexpr int kRoundDigits = 2 * variant::kMaxRounds;   // tens then units, per round
    static constexpr int kTotalDigits = 3;                         // hundreds, tens, units

    explicit CCentreView(QWidget* parent = nullptr);

    void BindSprites(const CSpriteSheet* sheet);

    CCenterChip center[chips::kCount];
    CNumbers roundDigits[kRoundDigits];
    CNumbers totalDigits[kTotalDigits];
    CBitmapButton newGame;
    CBitmapButton nextRound;

private:
    QWidget* Control(const layout::Entry& e);
};
