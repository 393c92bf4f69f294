#include "ControlPlace.h"

#include <iterator>

#include "CBoardView.h"
#include "CCentreView.h"

namespace {

using Kind = ControlPlace::Kind;

// The element of `array` that `w` is, or -1.
template <typename T, int N>
int ElementOf(const T (&array)[N], const QWidget* w)
{
    for (int i = 0; i < N; ++i) {
        if (&array[i] == w) return i;
    }
    return -1;
}

ControlPlace OnBoard(const CBoardView* b, const QWidget* w)
{
    const struct {
        Kind kind;
        int index;
    } found[] = {{Kind::GuessSlot, ElementOf(b->guess, w)},    {Kind::TraySlot, ElementOf(b->tray, w)},
                 {Kind::CodeSlot, ElementOf(b->code, w)},      {Kind::Peg, ElementOf(b->pegs, w)},
                 {Kind::GuessButton, ElementOf(b->guessButtons, w)}};
    for (const auto& f : found) {
        if (f.index >= 0) return {f.kind, b, nullptr, f.index};
    }
    return {};
}

ControlPlace InCentre(const CCentreView* c, const QWidget* w)
{
    if (w == &c->newGame) return {Kind::NewGame, nullptr, c, 0};
    if (w == &c->nextRound) return {Kind::NextRound, nullptr, c, 0};
    if (const int i = ElementOf(c->center, w); i >= 0) return {Kind::CentreCell, nullptr, c, i};
    if (const int i = ElementOf(c->roundDigits, w); i >= 0) return {Kind::RoundDigit, nullptr, c, i};
    if (const int i = ElementOf(c->totalDigits, w); i >= 0) return {Kind::TotalDigit, nullptr, c, i};
    return {};
}

}  // namespace

ControlPlace ControlPlace::Of(const QWidget* w)
{
    if (w == nullptr) return {};
    if (const auto* b = qobject_cast<const CBoardView*>(w)) return {Kind::BoardView, b, nullptr, 0};
    if (const auto* c = qobject_cast<const CCentreView*>(w)) return {Kind::CentreView, nullptr, c, 0};
    // A control sits in its view, or in a row's box inside it.
    for (const QWidget* view = w->parentWidget(); view != nullptr; view = view->parentWidget()) {
        if (const auto* b = qobject_cast<const CBoardView*>(view)) return OnBoard(b, w);
        if (const auto* c = qobject_cast<const CCentreView*>(view)) return InCentre(c, w);
    }
    return {};
}
