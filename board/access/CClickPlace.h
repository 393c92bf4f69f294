#pragma once
// Chips placed by a click or a tap, for players who cannot drag. A click on a tray chip, or on a
// chip of an earlier row, lands it in the board's current row: in its first empty slot in play,
// or on the ring where the ring stands in that row on an empty slot, on a slot the player picked,
// or in a full row. A click on a chip of the current row picks its slot: the ring goes there and
// the next chip replaces it, so a wrong chip is mended by two clicks. Every chip goes through the
// same drop as a drag, so the game's own checks decide, and a click the board would refuse
// changes nothing.

#include <QMetaObject>

#include <vector>

#include "BoardControls.h"
#include "CKeyboardPlay.h"
#include "GameState.h"

class CClickPlace {
public:
    // Listens to every chip slot of both boards; `keys` holds the ring that clicks share with
    // the keys, and hears of each chip that lands, so the ring and a screen reader follow.
    CClickPlace(BoardControls& controls, const GameState& state, CKeyboardPlay& keys);
    ~CClickPlace();
    CClickPlace(const CClickPlace&) = delete;
    CClickPlace& operator=(const CClickPlace&) = delete;

    // Where a click on `source` would put its chip; null where it would put it nowhere.
    CGuessChip* Target(const CGuessChip& source);
    // The click on `source` played: true when its chip landed.
    bool OnClick(const CGuessChip& source);

private:
    // The board's current row, or -1 once the board has closed or run out of rows.
    int CurrentRow(int b) const;
    bool InRow(const CGuessChip& chip, int b, int row) const;

    BoardControls& m_c;
    const GameState& m_s;
    CKeyboardPlay& m_keys;
    std::vector<QMetaObject::Connection> m_connections;
};
