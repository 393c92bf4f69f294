// The game played from the keyboard on the real window: every key reaches the game the way a drop
// or a click does, or not at all.
#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDirIterator>
#include <QMenu>
#include <QTimer>
#include <QKeySequence>
#include <QRegularExpression>

#include <map>
#include <set>

#include "DialogPlayer.h"

namespace {

const int S = board::kShapes;
const int C = board::kColors;

// The slots that carry the keyboard's mark.
std::vector<const CGuessChip*> Marked(CVantel2Dlg& dlg)
{
    std::vector<const CGuessChip*> marked;
    for (const CGuessChip* chip : dlg.findChildren<CGuessChip*>())
        if (chip->HasFocusMark()) marked.push_back(chip);
    return marked;
}

}  // namespace

TEST(KeyboardPlay, TypedChipsLandThroughTheDropAndGuessIsPressedByEnter)
{
    DialogPlayer p;
    p.Keys({Qt::Key_3, Qt::Key_1, Qt::Key_4});
    EXPECT_EQ(p.Drops(), 3);
    EXPECT_EQ(p.Game().m_bShapesRowFull, 0);
    p.Key(Qt::Key_Return);   // no GUESS yet: nothing to press
    EXPECT_EQ(p.Row(S), 0);
    p.Key(Qt::Key_6);
    EXPECT_EQ(p.Drops(), 4);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(p.Board(S).guess[k].m_nValue, (std::vector<int>{3, 1, 4, 6})[k]);
    EXPECT_EQ(std::vector<int>(p.Game().m_nShapesGuess[0], p.Game().m_nShapesGuess[0] + 4),
              (std::vector<int>{3, 1, 4, 6}));
    EXPECT_EQ(p.Game().m_bShapesRowFull, 1);
    EXPECT_FALSE(p.Board(S).guessButtons[0].isHidden());
    EXPECT_EQ(p.Board(S).tray[2].m_nValue, 3);   // the tray keeps its chips
    p.Key(Qt::Key_Space);
    EXPECT_EQ(p.Game().m_nRoundScores[0], 1);
    EXPECT_TRUE(p.Row(S) == 1 || p.Game().m_bShapesClosed == 1);
    for (const CGuessChip& slot : p.Board(C).guess) EXPECT_EQ(slot.m_nValue, chipvalue::kEmpty);
}

TEST(KeyboardPlay, TheMarkShowsOnlyOnceAKeyIsUsedAndFollowsTheCurrentRow)
{
    DialogPlayer p;
    EXPECT_TRUE(Marked(p.dlg).empty());   // a pointer player sees the board as it always was
    p.Key(Qt::Key_Right);
    EXPECT_EQ(Marked(p.dlg), std::vector<const CGuessChip*>{&p.Board(S).guess[1]});
    p.Keys({Qt::Key_Left, Qt::Key_Left});   // round the row, from the first slot to the last
    EXPECT_EQ(Marked(p.dlg), std::vector<const CGuessChip*>{&p.Board(S).guess[3]});
    p.Miss(S);   // GUESS pressed with the pointer
    EXPECT_EQ(Marked(p.dlg), std::vector<const CGuessChip*>{&p.Board(S).guess[4 + 3]});
    p.Key(Qt::Key_Tab);
    EXPECT_EQ(Marked(p.dlg), std::vector<const CGuessChip*>{&p.Board(C).guess[0]});
    p.Key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Marked(p.dlg), std::vector<const CGuessChip*>{&p.Board(S).guess[4 + 3]});
}

TEST(KeyboardPlay, AClosedBoardIsSkippedAndTakesNoKeys)
{
    DialogPlayer p;
    p.Solve(S);
    EXPECT_EQ(p.dlg.Keyboard().Focus().Board(), C);   // the closed board handed the focus over
    p.Key(Qt::Key_Tab);
    EXPECT_EQ(p.dlg.Keyboard().Focus().Board(), C);
    p.Solve(C);
    ASSERT_EQ(p.Game().m_nPhase, phase::kRoundOver);
    const std::vector<int> before = Snapshot(p.dlg);
    const int drops = p.Drops();
    p.Keys({Qt::Key_1, Qt::Key_2, Qt::Key_6, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space, Qt::Key_Tab, Qt::Key_1});
    EXPECT_EQ(Snapshot(p.dlg), before);
    EXPECT_EQ(p.Drops(), drops);
}

TEST(KeyboardPlay, AChipNotInPlayIsRefusedAsTheTrayRefusesIt)
{
    DialogPlayer p;
    p.ChangeVariant(0);   // no circles; red in play
    ASSERT_EQ(p.Board(S).tray[5].m_nValue, chipvalue::kShapeNotInPlay);
    p.Key(Qt::Key_6);
    EXPECT_EQ(p.Board(S).guess[0].m_nValue, chipvalue::kEmpty);
    EXPECT_EQ(p.Drops(), 0);
    p.Key(Qt::Key_5);   // the focus stayed: the spade lands in the first slot
    EXPECT_EQ(p.Board(S).guess[0].m_nValue, 5);
    p.Keys({Qt::Key_Tab, Qt::Key_6});
    EXPECT_EQ(p.Board(C).guess[0].m_nValue, 12);

    p.ChangeVariant(2);   // three slots, neither circles nor red
    const CSlotFocus& focus = p.dlg.Keyboard().Focus();
    ASSERT_EQ(focus.Column(), 1);
    p.Keys({Qt::Key_6, Qt::Key_1, Qt::Key_2, Qt::Key_3});
    EXPECT_EQ(p.Board(C).guess[1].m_nValue, 7);
    EXPECT_EQ(p.Board(C).guess[2].m_nValue, 8);
    EXPECT_EQ(p.Board(C).guess[0].m_nValue, 9);   // past the last slot in play, round to the first
    EXPECT_EQ(p.Board(C).guess[3].m_nValue, chipvalue::kSlotOutOfPlay);
    EXPECT_EQ(p.Game().m_bColorsRowFull, 1);
    EXPECT_EQ(focus.Column(), 1);
}

TEST(KeyboardPlay, AChipKeyOutsideTheCurrentRowChangesNothingButEnterPicksTheChipUp)
{
    DialogPlayer p;
    p.Miss(C);
    p.Miss(C);
    p.Keys({Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down});
    const CSlotFocus& focus = p.dlg.Keyboard().Focus();
    ASSERT_EQ(focus.Row(), 0);   // no further down than the first row
    const std::vector<int> before = Snapshot(p.dlg);
    p.Key(Qt::Key_2);
    EXPECT_EQ(Snapshot(p.dlg), before);
    EXPECT_EQ(p.Drops(), 8);   // the two missed rows' only
    p.Keys({Qt::Key_Return, Qt::Key_Space});
    EXPECT_EQ(p.Board(C).guess[4 * 2 + 1].m_nValue, p.Board(C).guess[1].m_nValue);
    EXPECT_EQ(p.Board(C).guess[4 * 2 + 2].m_nValue, p.Board(C).guess[2].m_nValue);
    EXPECT_EQ(p.Game().m_nColorsGuess[2][2], p.Board(C).guess[2].m_nValue - 6);
    EXPECT_EQ(p.Drops(), 10);
    EXPECT_EQ(focus.Column(), 3);
    p.Keys({Qt::Key_Up, Qt::Key_Up, Qt::Key_Up});
    EXPECT_FALSE(focus.OnEarlierRow());
    EXPECT_EQ(focus.Row(), 2);
}

TEST(KeyboardPlay, EnterAndNPressOnlyTheButtonThatIsShown)
{
    DialogPlayer p;
    p.Key(Qt::Key_N);
    EXPECT_EQ(p.Game().m_nRoundIndex, 0);
    p.Solve(S);
    p.Solve(C);
    ASSERT_FALSE(p.dlg.Controls().centre.nextRound.isHidden());
    p.Key(Qt::Key_N);
    EXPECT_EQ(p.Game().m_nPhase, phase::kPlaying);
    EXPECT_EQ(p.Game().m_nRoundIndex, 1);
    for (int r = 1; r < 8; ++r) {
        p.Solve(S);
        p.Solve(C);
        if (r < 7) p.Key(Qt::Key_Enter, Qt::KeypadModifier);
    }
    ASSERT_EQ(p.Game().m_nPhase, phase::kGameOver);
    p.Key(Qt::Key_Space);   // Space presses GUESS only
    EXPECT_EQ(p.Game().m_nPhase, phase::kGameOver);
    p.Key(Qt::Key_Return);
    EXPECT_EQ(p.Game().m_nPhase, phase::kPlaying);
    EXPECT_EQ(p.Game().m_nRoundIndex, 0);
}

TEST(KeyboardPlay, TheWindowsButtonsNeverTakeTheKeys)
{
    DialogPlayer p;
    for (const CBitmapButton* button : p.dlg.findChildren<CBitmapButton*>())
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(p.Key(Qt::Key_Tab));   // not a move between buttons: the other board
    EXPECT_EQ(p.dlg.Keyboard().Focus().Board(), C);
    EXPECT_FALSE(p.Key(Qt::Key_1, Qt::ControlModifier));   // shortcuts stay free
    EXPECT_EQ(p.Drops(), 0);
}

namespace {

// The keys as the help's key table names them, and what a keyboard sends for each.
const std::map<QString, std::vector<QKeyCombination>>& HelpKeys()
{
    static const std::map<QString, std::vector<QKeyCombination>> keys = {
        {"Left", {Qt::Key_Left}}, {"Right", {Qt::Key_Right}}, {"Up", {Qt::Key_Up}}, {"Down", {Qt::Key_Down}},
        {"Tab", {Qt::Key_Tab}}, {"Shift+Tab", {Qt::ShiftModifier | Qt::Key_Backtab}},
        {"1", {Qt::Key_1}}, {"2", {Qt::Key_2}}, {"3", {Qt::Key_3}}, {"4", {Qt::Key_4}}, {"5", {Qt::Key_5}},
        {"6", {Qt::Key_6}}, {"Enter", {Qt::Key_Return, Qt::KeypadModifier | Qt::Key_Enter}},
        {"Space", {Qt::Key_Space}}, {"N", {Qt::Key_N}}, {"L", {Qt::Key_L}}, {"F1", {Qt::Key_F1}},
        {"Esc", {Qt::Key_Escape}}, {"Menu", {Qt::Key_Menu}}, {"Shift+F10", {Qt::ShiftModifier | Qt::Key_F10}},
        {"Ctrl+H", {Qt::ControlModifier | Qt::Key_H}},
    };
    return keys;
}

// While it lives, closes whatever menu or modal window a key opens, as soon as it is open.
class WindowCloser {
public:
    WindowCloser()
    {
        m_timer.callOnTimeout([this] {
            for (QWidget* open : {QApplication::activePopupWidget(), QApplication::activeModalWidget()}) {
                if (open == nullptr) continue;
                opened << QString::fromLatin1(open->metaObject()->className());
                if (auto* menu = qobject_cast<QMenu*>(open))
                    active << (menu->activeAction() != nullptr ? menu->activeAction()->text() : QStringLiteral("(none)"));
                open->close();
            }
        });
        m_timer.start(0);
    }
    QStringList opened;   // the class of each window closed
    QStringList active;   // each menu's active item as it opened

private:
    QTimer m_timer;
};

// Every key the help page's key table shows.
std::set<QString> KeysInTheHelp()
{
    QFile file(QStringLiteral(VANTEL_HELP_PAGE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << VANTEL_HELP_PAGE;
    const QString html = QString::fromUtf8(file.readAll());
    const qsizetype from = html.indexOf("<th>key</th>");
    EXPECT_GE(from, 0) << "the help has no key table";
    const QString table = html.mid(from, html.indexOf("</table>", from) - from);
    std::set<QString> names;
    const QRegularExpression kbd(QStringLiteral("<kbd>([^<]+)</kbd>"));
    for (QRegularExpressionMatchIterator m = kbd.globalMatch(table); m.hasNext();) names.insert(m.next().captured(1));
    return names;
}

}  // namespace

TEST(KeyboardPlay, TheHelpListsEveryKeyTheWindowAnswersAndNoOther)
{
    std::set<QString> named;
    std::set<int> known;
    DialogPlayer p;
    for (const auto& [name, combinations] : HelpKeys()) {
        named.insert(name);
        for (QKeyCombination c : combinations) {
            known.insert(c.key());
            WindowCloser closer;   // the menu and the High Scores window would wait for the player
            EXPECT_TRUE(p.Key(c.key(), c.keyboardModifiers())) << name.toStdString() << " does nothing";
        }
    }
    EXPECT_EQ(KeysInTheHelp(), named);
    std::vector<int> sweep;
    for (int key = Qt::Key_Space; key <= Qt::Key_AsciiTilde; ++key) sweep.push_back(key);
    for (int key = Qt::Key_Escape; key <= Qt::Key_F35; ++key) sweep.push_back(key);
    for (int key : sweep) {
        if (known.count(key) > 0) continue;
        EXPECT_FALSE(p.Key(key)) << QKeySequence(key).toString().toStdString() << " is missing from the help";
    }
}

TEST(KeyboardPlay, MenuAndShiftF10OpenTheMenuOnItsFirstItemAndCtrlHOpensTheHighScores)
{
    DialogPlayer p;
    p.dlg.show();
    WindowCloser closer;
    p.Key(Qt::Key_Menu);
    p.Key(Qt::Key_F10, Qt::ShiftModifier);
    p.Key(Qt::Key_F10);   // F10 alone is not the menu's key
    p.Key(Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(closer.opened, (QStringList{"QMenu", "QMenu", "CAboutDlg"}));
    EXPECT_EQ(closer.active, (QStringList{"Instructions", "Instructions"}));
    // The Menu key's own context menu event is left to the key press, so one menu opens, not two.
    QContextMenuEvent byKey(QContextMenuEvent::Keyboard, QPoint(10, 10), p.dlg.mapToGlobal(QPoint(10, 10)));
    QCoreApplication::sendEvent(&p.dlg, &byKey);
    QContextMenuEvent byMouse(QContextMenuEvent::Mouse, QPoint(10, 10), p.dlg.mapToGlobal(QPoint(10, 10)));
    QCoreApplication::sendEvent(&p.dlg, &byMouse);
    EXPECT_EQ(closer.opened, (QStringList{"QMenu", "QMenu", "CAboutDlg", "QMenu"}));
    EXPECT_EQ(closer.active, (QStringList{"Instructions", "Instructions", "(none)"}));   // the pointer chooses
}

TEST(KeyboardPlay, LabelsComeAndGoWithLAndAreNeverKept)
{
    DialogPlayer p;
    const auto files = [&] {
        QStringList all;
        for (QDirIterator it(p.data.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) all << it.next();
        return all;
    };
    const QStringList before = files();
    EXPECT_FALSE(p.dlg.Sprites().Labels());
    p.Key(Qt::Key_L);
    EXPECT_TRUE(p.dlg.Sprites().Labels());
    p.Key(Qt::Key_L, Qt::ShiftModifier);
    EXPECT_FALSE(p.dlg.Sprites().Labels());
    p.Key(Qt::Key_L);
    EXPECT_EQ(files(), before);
    CVantel2Dlg again(p.data.path(), p.app.path());
    EXPECT_FALSE(again.Sprites().Labels());
}
