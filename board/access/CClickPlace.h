#pragma once
// Chips placed by a click or a tap, for players who cannot drag. A click on a tray chip, or on a
// chip of an earlier row, lands it in the board's current row: on the keyboard's ring when the
// ring stands in that row, else in the row's first empty slot in play. It goes through the same
// drop as a drag, so the game's own checks decide, and a click the board would refuse changes
// nothing.

#include <QMetaObject>

#include <functional>
#include <vector>

#include "BoardControls.h"
#include "GameState.h"

class CClickPlace {
public:
    // Told of each chip that lands, so the ring and a screen reader follow.
    using Placed = std::function<void(CGuessChip& slot)>;
    // Listens to every chip slot of both boards.
    CClickPlace(BoardControls& controls, const GameState& state, Placed placed = {});
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
    Placed m_placed;
    std::vector<QMetaObject::Connection> m_connections;
};
