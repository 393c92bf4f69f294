#include "AccessibleText.h"

#include <QCoreApplication>
#include <QStringList>

#include "AccessibleWords.h"
#include "CBoardView.h"
#include "CCentreView.h"
#include "PictureWords.h"

namespace accessibletext {
namespace {

struct Tr {
    Q_DECLARE_TR_FUNCTIONS(BoardNames)
};

using Kind = ControlPlace::Kind;
constexpr int kCurrentRowMarker = 2;   // the frame's mark beside an open board's current row

// One board as its controls show it.
class BoardReading {
public:
    explicit BoardReading(const CBoardView& b) : m_b(b) {}

    int Board() const { return m_b.guess[0].m_nBoard; }
    QString Name() const { return words::BoardName(Board()); }
    QString OtherName() const { return words::BoardName(1 - Board()); }
    bool Closed() const { return m_b.bars[0].m_nValue == 1; }
    bool IsCurrent(int r) const { return m_b.rowSides[3 * r].m_nValue == kCurrentRowMarker; }
    bool Guessed(int r) const { return !IsCurrent(r) && chipvalue::IsChip(m_b.guess[board::kSlots * r].m_nValue); }
    bool GuessOffered(int r) const { return !m_b.guessButtons[r].isHidden(); }
    int CurrentRow() const
    {
        for (int r = 0; r < board::kRows; ++r) {
            if (IsCurrent(r)) return r;
        }
        return -1;
    }
    QString Result(int r) const
    {
        if (!Guessed(r)) return IsCurrent(r) ? Tr::tr("none yet") : Tr::tr("not played");
        int32_t pegs[board::kSlots];
        for (int k = 0; k < board::kSlots; ++k) pegs[k] = m_b.pegs[board::kSlots * r + k].m_nValue;
        return words::PegResult(pegs, board::kSlots);
    }
    QString RowState(int r) const
    {
        if (Guessed(r)) return Tr::tr("result: %1").arg(Result(r));
        if (!IsCurrent(r)) return Tr::tr("not played");
        //: %1 is the GUESS button's words.
        if (GuessOffered(r)) return Tr::tr("current row, full: %1 is offered").arg(picturewords::WordsOf("GUESS"));
        return Board() == board::kColors ? Tr::tr("current row: drop a colour here")
                                         : Tr::tr("current row: drop a shape here");
    }
    // The chips of a row, those in play: "heart, star, club, diamond".
    QString Chips(int r) const
    {
        QStringList chips;
        for (int k = 0; k < board::kSlots; ++k) {
            const int v = m_b.guess[board::kSlots * r + k].m_nValue;
            if (v != chipvalue::kSlotOutOfPlay) chips << words::SlotContent(v);
        }
        return chips.join(QStringLiteral(", "));
    }
    //: A board's row, counted from the bottom: "SHAPES row 3".
    QString Row(int r) const { return Tr::tr("%1 row %2").arg(Name()).arg(r + 1); }

    const CBoardView& m_b;
};

QString SlotName(const BoardReading& b, const ControlPlace& p)
{
    const int slot = p.index % board::kSlots + 1;
    switch (p.kind) {
    //: A slot of a guess row and what it holds: "SHAPES row 3, slot 2: heart".
    case Kind::GuessSlot:
        return Tr::tr("%1 row %2, slot %3: %4")
            .arg(b.Name())
            .arg(p.index / board::kSlots + 1)
            .arg(slot)
            .arg(words::SlotContent(b.m_b.guess[p.index].m_nValue));
    //: A slot of the code row at the top of a board: "COLORS code, slot 1: hidden".
    case Kind::CodeSlot:
        return Tr::tr("%1 code, slot %2: %3").arg(b.Name()).arg(slot).arg(words::SlotContent(b.m_b.code[p.index].m_nValue));
    //: A chip of the tray under a board: "SHAPES tray: star".
    default: return Tr::tr("%1 tray: %2").arg(b.Name(), words::SlotContent(b.m_b.tray[p.index].m_nValue));
    }
}

QString TrayDescription(const CGuessChip& chip)
{
    if (!chipvalue::IsChip(chip.m_nValue)) return Tr::tr("set aside in this variant");
    if (chip.m_bDragSource == 0) return Tr::tr("the board is closed");
    return Tr::tr("drag it onto the current row");
}

QString CodeDescription(const BoardReading& b, int value)
{
    if (value == chipvalue::kSlotOutOfPlay) return Tr::tr("codes have three chips in this variant");
    //: %1 is the other board's name.
    if (value == chipvalue::kHiddenCode) return Tr::tr("shown when the %1 board closes").arg(b.OtherName());
    return b.Board() == board::kColors ? Tr::tr("the code's shape, shown since the %1 board closed").arg(b.OtherName())
                                       : Tr::tr("the code's colour, shown since the %1 board closed").arg(b.OtherName());
}

QString BoardName(const ControlPlace& p)
{
    const BoardReading b(*p.board);
    const int row = p.index / board::kSlots;
    switch (p.kind) {
    case Kind::BoardView: return Tr::tr("%1 board").arg(b.Name());
    //: A row's pegs: %1 is the row ("SHAPES row 3"), %2 what they say.
    case Kind::Peg: return Tr::tr("%1 result: %2").arg(b.Row(row), b.Result(row));
    //: A row's GUESS button: %1 is the button's words, %2 the row ("SHAPES row 3").
    case Kind::GuessButton: return Tr::tr("%1, %2").arg(picturewords::WordsOf("GUESS"), b.Row(p.index));
    default: return SlotName(b, p);
    }
}

QString BoardDescription(const ControlPlace& p)
{
    const BoardReading b(*p.board);
    const int row = p.index / board::kSlots;
    switch (p.kind) {
    case Kind::BoardView:
        return b.Closed() ? Tr::tr("closed") : Tr::tr("open, row %1 is the current row").arg(b.CurrentRow() + 1);
    case Kind::GuessSlot: return b.RowState(row);
    case Kind::TraySlot: return TrayDescription(p.board->tray[p.index]);
    case Kind::CodeSlot: return CodeDescription(b, p.board->code[p.index].m_nValue);
    case Kind::Peg:
        if (!b.Guessed(row)) return Tr::tr("peg %1: no result yet").arg(p.index % board::kSlots + 1);
        return Tr::tr("peg %1: %2").arg(p.index % board::kSlots + 1).arg(words::Peg(p.board->pegs[p.index].m_nValue));
    //: %1 lists the row's chips: "heart, star, club, diamond".
    case Kind::GuessButton: return Tr::tr("judge the row: %1").arg(b.Chips(p.index));
    default: return QString();
    }
}

// The rounds reached so far: those whose units digit shows.
int RoundsShown(const CCentreView& c)
{
    int rounds = 0;
    for (int n = 0; n < variant::kMaxRounds; ++n) rounds += c.roundDigits[2 * n + 1].m_nValue != sprites::kBlankDigit;
    return rounds;
}

QString RoundScore(const CCentreView& c, int round)
{
    const int32_t digits[2] = {c.roundDigits[2 * round].m_nValue, c.roundDigits[2 * round + 1].m_nValue};
    const QString figure = words::Figure(digits, 2);
    return figure.isEmpty() ? Tr::tr("round %1 score: none yet").arg(round + 1)
                            : Tr::tr("round %1 score %2").arg(round + 1).arg(figure);
}

QString TotalFigure(const CCentreView& c)
{
    int32_t digits[CCentreView::kTotalDigits];
    for (int k = 0; k < CCentreView::kTotalDigits; ++k) digits[k] = c.totalDigits[k].m_nValue;
    return words::Figure(digits, CCentreView::kTotalDigits);
}

QString CentreName(const ControlPlace& p)
{
    const CCentreView& c = *p.centre;
    switch (p.kind) {
    //: The middle of the window, between the boards.
    case Kind::CentreView: return Tr::tr("centre");
    //: A chip of the centre grid: "centre: green club, available".
    case Kind::CentreCell: return Tr::tr("centre: %1").arg(words::CentreCell(c.center[p.index].m_nValue));
    case Kind::RoundDigit: return RoundScore(c, p.index / 2);
    case Kind::TotalDigit: return Tr::tr("total score %1").arg(TotalFigure(c));
    case Kind::NewGame: return picturewords::WordsOf("NEWGAME");
    case Kind::NextRound: return picturewords::WordsOf("NEXTROUND");
    default: return QString();
    }
}

QString CentreDescription(const ControlPlace& p)
{
    const CCentreView& c = *p.centre;
    switch (p.kind) {
    case Kind::CentreView: return Tr::tr("the pool of chips and the scores");
    case Kind::CentreCell:
        return c.center[p.index].m_nValue < chips::kCount ? Tr::tr("still in the pool") : Tr::tr("no longer in the pool");
    case Kind::RoundDigit: {
        const int units = c.roundDigits[p.index | 1].m_nValue;
        if (units == sprites::kBlankDigit) return Tr::tr("not reached yet");
        return units < 10 ? Tr::tr("the round in play") : Tr::tr("a finished round");
    }
    case Kind::TotalDigit: return Tr::tr("the game's total; lower is better");
    case Kind::NewGame: return Tr::tr("start a new game; this one's total score %1").arg(TotalFigure(c));
    case Kind::NextRound: return Tr::tr("start round %1").arg(RoundsShown(c) + 1);
    default: return QString();
    }
}

}  // namespace

QString Name(const ControlPlace& place)
{
    if (place.board != nullptr) return BoardName(place);
    if (place.centre != nullptr) return CentreName(place);
    return QString();
}

QString Description(const ControlPlace& place)
{
    if (place.board != nullptr) return BoardDescription(place);
    if (place.centre != nullptr) return CentreDescription(place);
    return QString();
}

}  // namespace accessibletext
