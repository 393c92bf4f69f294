#include "AccessibleText.h"

#include <QStringList>

#include "AccessibleWords.h"
#include "CBoardView.h"
#include "CCentreView.h"

namespace accessibletext {
namespace {

using Kind = ControlPlace::Kind;
constexpr int kCurrentRowMarker = 2;   // the frame's mark beside an open board's current row

// One board as its controls show it.
class BoardReading {
public:
    explicit BoardReading(const CBoardView& b) : m_b(b) {}

    int Board() const { return m_b.guess[0].m_nBoard; }
    QString Name() const { return words::BoardName(Board()); }
    QString OtherName() const { return words::BoardName(1 - Board()); }
    QString Attribute() const { return Board() == board::kColors ? QStringLiteral("colour") : QStringLiteral("shape"); }
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
        if (!Guessed(r)) return IsCurrent(r) ? QStringLiteral("none yet") : QStringLiteral("not played");
        int32_t pegs[board::kSlots];
        for (int k = 0; k < board::kSlots; ++k) pegs[k] = m_b.pegs[board::kSlots * r + k].m_nValue;
        return words::PegResult(pegs, board::kSlots);
    }
    QString RowState(int r) const
    {
        if (Guessed(r)) return QStringLiteral("result: ") + Result(r);
        if (!IsCurrent(r)) return QStringLiteral("not played");
        if (GuessOffered(r)) return QStringLiteral("current row, full: GUESS is offered");
        return QStringLiteral("current row: drop a %1 here").arg(Attribute());
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
    QString Row(int r) const { return QStringLiteral("%1 row %2").arg(Name()).arg(r + 1); }

    const CBoardView& m_b;
};

QString SlotName(const BoardReading& b, const ControlPlace& p)
{
    const QString row = p.kind == Kind::GuessSlot ? b.Row(p.index / board::kSlots) + QStringLiteral(", ")
                                                  : b.Name() + QLatin1Char(' ');
    const int slot = p.index % board::kSlots + 1;
    const CGuessChip& chip = p.kind == Kind::GuessSlot ? b.m_b.guess[p.index]
                             : p.kind == Kind::CodeSlot ? b.m_b.code[p.index]
                                                        : b.m_b.tray[p.index];
    const QString where = p.kind == Kind::TraySlot ? QStringLiteral("tray")
                          : p.kind == Kind::CodeSlot ? QStringLiteral("code, slot %1").arg(slot)
                                                     : QStringLiteral("slot %1").arg(slot);
    return row + where + QStringLiteral(": ") + words::SlotContent(chip.m_nValue);
}

QString TrayDescription(const CGuessChip& chip)
{
    if (!chipvalue::IsChip(chip.m_nValue)) return QStringLiteral("set aside in this variant");
    if (chip.m_bDragSource == 0) return QStringLiteral("the board is closed");
    return QStringLiteral("drag it onto the current row");
}

QString CodeDescription(const BoardReading& b, int value)
{
    if (value == chipvalue::kSlotOutOfPlay) return QStringLiteral("codes have three chips in this variant");
    if (value == chipvalue::kHiddenCode)
        return QStringLiteral("shown when the %1 board closes").arg(b.OtherName());
    return QStringLiteral("the code's %1, shown since the %2 board closed")
        .arg(b.Board() == board::kColors ? QStringLiteral("shape") : QStringLiteral("colour"), b.OtherName());
}

QString BoardName(const ControlPlace& p)
{
    const BoardReading b(*p.board);
    const int row = p.index / board::kSlots;
    switch (p.kind) {
    case Kind::BoardView: return b.Name() + QStringLiteral(" board");
    case Kind::Peg: return b.Row(row) + QStringLiteral(" result: ") + b.Result(row);
    case Kind::GuessButton: return QStringLiteral("GUESS, ") + b.Row(p.index);
    default: return SlotName(b, p);
    }
}

QString BoardDescription(const ControlPlace& p)
{
    const BoardReading b(*p.board);
    const int row = p.index / board::kSlots;
    switch (p.kind) {
    case Kind::BoardView:
        return b.Closed() ? QStringLiteral("closed")
                          : QStringLiteral("open, row %1 is the current row").arg(b.CurrentRow() + 1);
    case Kind::GuessSlot: return b.RowState(row);
    case Kind::TraySlot: return TrayDescription(p.board->tray[p.index]);
    case Kind::CodeSlot: return CodeDescription(b, p.board->code[p.index].m_nValue);
    case Kind::Peg:
        if (!b.Guessed(row)) return QStringLiteral("peg %1: no result yet").arg(p.index % board::kSlots + 1);
        return QStringLiteral("peg %1: ").arg(p.index % board::kSlots + 1) +
               words::Peg(p.board->pegs[p.index].m_nValue);
    case Kind::GuessButton: return QStringLiteral("judge the row: ") + b.Chips(p.index);
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
    return QStringLiteral("round %1 score").arg(round + 1) + (figure.isEmpty() ? QStringLiteral(": none yet") : QLatin1Char(' ') + figure);
}

QString TotalScore(const CCentreView& c)
{
    int32_t digits[CCentreView::kTotalDigits];
    for (int k = 0; k < CCentreView::kTotalDigits; ++k) digits[k] = c.totalDigits[k].m_nValue;
    return QStringLiteral("total score ") + words::Figure(digits, CCentreView::kTotalDigits);
}

QString CentreName(const ControlPlace& p)
{
    const CCentreView& c = *p.centre;
    switch (p.kind) {
    case Kind::CentreView: return QStringLiteral("centre");
    case Kind::CentreCell: return QStringLiteral("centre: ") + words::CentreCell(c.center[p.index].m_nValue);
    case Kind::RoundDigit: return RoundScore(c, p.index / 2);
    case Kind::TotalDigit: return TotalScore(c);
    case Kind::NewGame: return QStringLiteral("NEW GAME");
    case Kind::NextRound: return QStringLiteral("NEXT ROUND");
    default: return QString();
    }
}

QString CentreDescription(const ControlPlace& p)
{
    const CCentreView& c = *p.centre;
    switch (p.kind) {
    case Kind::CentreView: return QStringLiteral("the pool of chips and the scores");
    case Kind::CentreCell:
        return c.center[p.index].m_nValue < chips::kCount ? QStringLiteral("still in the pool")
                                                         : QStringLiteral("no longer in the pool");
    case Kind::RoundDigit: {
        const int units = c.roundDigits[p.index | 1].m_nValue;
        if (units == sprites::kBlankDigit) return QStringLiteral("not reached yet");
        return units < 10 ? QStringLiteral("the round in play") : QStringLiteral("a finished round");
    }
    case Kind::TotalDigit: return QStringLiteral("the game's total; lower is better");
    case Kind::NewGame: return QStringLiteral("start a new game; this one's ") + TotalScore(c);
    case Kind::NextRound: return QStringLiteral("start round %1").arg(RoundsShown(c) + 1);
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
