#pragma once
// The middle of the window: the pool of chips in a 6 by 6 grid, the score of every round and the
// total, NEW GAME and NEXT ROUND, with their labels and separators; and beneath the total, a note
// when a finished game could not be recorded.

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

    // Shows or hides "THIS GAME COULD NOT BE RECORDED": shown when a finished game could not be
    // written to the statistics, hidden when the next game starts. Every change of the note
    // passes here.
    void ShowUnrecordedNote(bool shown);
    bool ShowsUnrecordedNote() const { return m_bUnrecorded; }
    // Where the note stands in the view: beneath the total, above NEW GAME, across the grid.
    QRect UnrecordedNotePlace() const;
    static QString UnrecordedNoteText();

    CCenterChip center[chips::kCount];
    CNumbers roundDigits[kRoundDigits];
    CNumbers totalDigits[kTotalDigits];
    CBitmapButton newGame;
    CBitmapButton nextRound;

protected:
    // The note is drawn by the view itself, beneath its controls: no control of its own.
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* Control(const layout::Entry& e);

    bool m_bUnrecorded = false;
};
