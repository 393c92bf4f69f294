// What a screen reader hears of the board, asked through Qt's accessibility interfaces as an
// assistive technology asks: every control named and described, the words following the game.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include <map>
#include <set>

#include "CSideHoriz.h"
#include "CSideVert.h"
#include "DialogPlayer.h"

namespace {

const int S = board::kShapes;
const int C = board::kColors;
const char* const kShapeWords[] = {"star", "club", "diamond", "heart", "spade", "circle"};
const char* const kColourWords[] = {"blue", "orange", "purple", "green", "yellow", "red"};

QString Name(QWidget& w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&w);
    return i == nullptr ? QStringLiteral("(no interface)") : i->text(QAccessible::Name);
}

QString Description(QWidget& w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&w);
    return i == nullptr ? QStringLiteral("(no interface)") : i->text(QAccessible::Description);
}

#define EXPECT_WORDS(widget, name, description)              \
    do {                                                     \
        EXPECT_EQ(Name(widget).toStdString(), name);         \
        EXPECT_EQ(Description(widget).toStdString(), description); \
    } while (0)

// Names and descriptions of every control of a kind: each present, and how many differ.
template <typename T>
size_t DistinctNames(CVantel2Dlg& dlg, size_t count)
{
    std::set<QString> names;
    const QList<T*> controls = dlg.findChildren<T*>();
    EXPECT_EQ(static_cast<size_t>(controls.size()), count);
    for (T* w : controls) {
        EXPECT_FALSE(Name(*w).isEmpty()) << w->objectName().toStdString();
        EXPECT_FALSE(Description(*w).isEmpty()) << Name(*w).toStdString();
        EXPECT_NE(w->accessibleName(), Name(*w)) << "words written into the control";
        names.insert(Name(*w));
    }
    return names.size();
}

}  // namespace

TEST(Accessibility, EveryControlOfTheBoardIsNamedAndDescribedWithoutTheRefreshWritingWords)
{
    DialogPlayer p;
    EXPECT_EQ(DistinctNames<CGuessChip>(p.dlg, 100), 100u);
    EXPECT_EQ(DistinctNames<CScoreChip>(p.dlg, 80), 20u);   // one result per row, on each of its pegs
    EXPECT_EQ(DistinctNames<CCenterChip>(p.dlg, 36), 36u);
    EXPECT_EQ(DistinctNames<CNumbers>(p.dlg, 19), 9u);       // eight rounds and the total
    EXPECT_EQ(DistinctNames<CBitmapButton>(p.dlg, 22), 22u);
    EXPECT_EQ(DistinctNames<CBoardView>(p.dlg, 2), 2u);
    EXPECT_EQ(DistinctNames<CCentreView>(p.dlg, 1), 1u);
}

TEST(Accessibility, WordsFollowTheGameFromTheFirstRowToTheNextRound)
{
    DialogPlayer p;
    CBoardView& s = p.Board(S);
    CBoardView& c = p.Board(C);
    CCentreView& centre = p.dlg.Controls().centre;
    EXPECT_WORDS(s, "SHAPES board", "open, row 1 is the current row");
    EXPECT_WORDS(s.guess[1], "SHAPES row 1, slot 2: empty", "current row: drop a shape here");
    EXPECT_WORDS(c.guess[4], "COLORS row 2, slot 1: empty", "not played");
    EXPECT_WORDS(s.pegs[0], "SHAPES row 1 result: none yet", "peg 1: no result yet");
    EXPECT_WORDS(s.pegs[7], "SHAPES row 2 result: not played", "peg 4: no result yet");
    EXPECT_WORDS(s.tray[3], "SHAPES tray: heart", "drag it onto the current row");
    EXPECT_WORDS(c.tray[5], "COLORS tray: red", "drag it onto the current row");
    EXPECT_WORDS(s.code[0], "SHAPES code, slot 1: hidden", "shown when the COLORS board closes");
    EXPECT_WORDS(centre.roundDigits[1], "round 1 score 0", "the round in play");
    EXPECT_WORDS(centre.roundDigits[2], "round 2 score: none yet", "not reached yet");
    EXPECT_WORDS(centre.totalDigits[0], "total score 0", "the game's total; lower is better");

    p.Fill(S, {4, 1, 2, 3});
    p.Fill(C, {4, 6, 1, 2});
    EXPECT_WORDS(s.guess[0], "SHAPES row 1, slot 1: heart", "current row, full: GUESS is offered");
    EXPECT_WORDS(c.guess[1], "COLORS row 1, slot 2: red", "current row, full: GUESS is offered");
    EXPECT_WORDS(s.guessButtons[0], "GUESS, SHAPES row 1", "judge the row: heart, star, club, diamond");
    EXPECT_WORDS(c.guessButtons[0], "GUESS, COLORS row 1", "judge the row: green, red, blue, orange");

    p.Solve(S);
    EXPECT_WORDS(s, "SHAPES board", "closed");
    EXPECT_WORDS(s.pegs[2], "SHAPES row 1 result: 4 right place", "peg 3: right place");
    EXPECT_WORDS(s.guess[3], "SHAPES row 1, slot 4: " + std::string(kShapeWords[p.Code(S)[3] - 1]),
                 "result: 4 right place");
    EXPECT_WORDS(s.tray[0], "SHAPES tray: star", "the board is closed");
    EXPECT_WORDS(c.code[2], "COLORS code, slot 3: " + std::string(kShapeWords[p.Code(S)[2] - 1]),
                 "the code's shape, shown since the SHAPES board closed");
    EXPECT_WORDS(centre.roundDigits[0], "round 1 score 1", "the round in play");

    p.Solve(C);
    EXPECT_WORDS(c.pegs[0], "COLORS row 1 result: 4 right place", "peg 1: right place");
    EXPECT_WORDS(centre.nextRound, "NEXT ROUND", "start round 2");
    EXPECT_WORDS(centre.roundDigits[1], "round 1 score 2", "a finished round");
    EXPECT_WORDS(centre.totalDigits[2], "total score 2", "the game's total; lower is better");
    const int shape = p.Code(S)[0], colour = p.Code(C)[0];
    const std::string chip = std::string(kColourWords[colour - 1]) + " " + kShapeWords[shape - 1];
    EXPECT_WORDS(centre.center[chips::IndexOf(shape, colour)], "centre: " + chip + ", ruled out",
                 "no longer in the pool");

    p.NextRound();
    EXPECT_WORDS(s.guess[0], "SHAPES row 1, slot 1: empty", "current row: drop a shape here");
    EXPECT_WORDS(centre.roundDigits[3], "round 2 score 0", "the round in play");
}

TEST(Accessibility, OnlyAShownButtonCanBePressedFromAScreenReader)
{
    DialogPlayer p;
    p.dlg.show();
    p.Fill(S, {4, 1, 2, 3});
    QAccessibleActionInterface* hidden = QAccessible::queryAccessibleInterface(&p.Board(S).guessButtons[5])->actionInterface();
    QAccessibleActionInterface* shown = QAccessible::queryAccessibleInterface(&p.Board(S).guessButtons[0])->actionInterface();
    ASSERT_NE(hidden, nullptr);
    ASSERT_NE(shown, nullptr);
    ASSERT_TRUE(shown->actionNames().contains(QAccessibleActionInterface::pressAction()));
    hidden->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(p.Game().m_nRoundScores[0], 0);
    shown->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(p.Game().m_nRoundScores[0], 1);   // judged, as a click judges it
}

namespace {

// Every object a screen reader finds walking down from the window, each checked to name the
// object it came from as its parent.
void Walk(QAccessibleInterface* at, std::vector<QAccessibleInterface*>& out)
{
    out.push_back(at);
    for (int i = 0; i < at->childCount(); ++i) {
        QAccessibleInterface* child = at->child(i);
        ASSERT_NE(child, nullptr);
        ASSERT_NE(child->parent(), nullptr);
        EXPECT_EQ(child->parent()->object(), at->object()) << child->text(QAccessible::Name).toStdString();
        EXPECT_EQ(at->indexOfChild(child), i);
        Walk(child, out);
    }
}

std::vector<QAccessibleInterface*> Tree(CVantel2Dlg& dlg)
{
    std::vector<QAccessibleInterface*> all;
    Walk(QAccessible::queryAccessibleInterface(&dlg), all);
    return all;
}

}  // namespace

TEST(Accessibility, AReaderWalksOneObjectPerThingShownNoDecorationAndNoTwoNamesAlike)
{
    DialogPlayer p;
    p.dlg.show();
    p.dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.dlg));
    p.Key(Qt::Key_Right);   // play by keys begins
    p.Miss(S);
    std::map<std::string, int> shown;
    std::vector<std::string> focused;
    std::map<QAccessible::Role, int> roles;
    for (QAccessibleInterface* i : Tree(p.dlg)) {
        const std::string name = i->text(QAccessible::Name).toStdString();
        EXPECT_EQ(qobject_cast<CSideVert*>(i->object()), nullptr) << "a frame piece in the tree";
        EXPECT_EQ(qobject_cast<CSideHoriz*>(i->object()), nullptr) << "a frame piece in the tree";
        EXPECT_NE(i->object()->metaObject(), &QWidget::staticMetaObject) << "a row's box in the tree";
        if (i->state().focused) focused.push_back(name);
        if (i->state().invisible) continue;
        EXPECT_FALSE(name.empty()) << "an unnamed object shown, role " << i->role();
        ++shown[name];
        ++roles[i->role()];
    }
    EXPECT_EQ(focused, std::vector<std::string>{"SHAPES row 2, slot 2: empty"});
    for (const auto& [name, count] : shown) EXPECT_EQ(count, 1) << name;
    for (const char* name : {"SHAPES", "COLORS", "SCORE BY ROUND", "TOTAL", "total score 1", "round 1 score 1",
                             "round 8 score: none yet"})
        EXPECT_EQ(shown[name], 1) << name;
    const auto judged = shown.lower_bound("SHAPES row 1 result: ");
    ASSERT_NE(judged, shown.end());
    EXPECT_EQ(judged->first.rfind("SHAPES row 1 result: ", 0), 0u) << "the judged row's pegs are one object";
    // The window, 2 boards and the centre; 80 guess, 12 tray and 8 code slots, 20 rows of pegs and
    // 36 centre cells; 8 round scores, the total and 4 captions; GUESS shown on no row.
    EXPECT_EQ(shown.size(), 1u + 3u + 80u + 12u + 8u + 20u + 36u + 9u + 4u);
    EXPECT_EQ(roles[QAccessible::Button], 0);
    // A main window, not a dialog, whose loose captions and scores a reader would read out each
    // time the window comes back to the front.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&p.dlg)->role(), QAccessible::Window);
}
