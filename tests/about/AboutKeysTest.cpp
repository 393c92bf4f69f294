// The High Scores window without a mouse: the keys that move between the bands' buttons and press
// them, the focus ring that shows where the keys are, and the words a screen reader hears.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "CAboutDlg.h"
#include "StatsFiles.h"

namespace {

// Buttons by band, top to bottom: variant 1, then 0, then 2.
constexpr int kTopActive = 1261, kTopInactive = 1276;
constexpr int kMiddleActive = 1275, kMiddleInactive = 1277;
constexpr int kBottomActive = 1291, kBottomInactive = 1292;

class AboutKeysTest : public ::testing::Test {
protected:
    std::filesystem::path Base() const { return std::filesystem::path(QFile::encodeName(data.path()).toStdString()); }

    // Opened as the player opens it: shown, in front, taking the keys.
    void Open()
    {
        dlg.show();
        QApplication::setActiveWindow(&dlg);
    }
    // A key as the window system delivers it: to the widget with the focus.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* to = QApplication::focusWidget();
        QTest::keyClick(to != nullptr ? to : &dlg, key, modifiers);
    }
    int Focused() const
    {
        const QWidget* w = QApplication::focusWidget();
        return w == nullptr ? 0 : w->objectName().mid(2).toInt();
    }

    QTemporaryDir data;
    QTemporaryDir app;
    QWidget owner;
    CAboutDlg dlg{Base(), app.path(), &owner};
};

}  // namespace

TEST_F(AboutKeysTest, ArrowsAndTabStepThroughTheThreeShownButtonsAndRoundAgain)
{
    Open();
    EXPECT_EQ(Focused(), kTopActive);   // the variant in force
    const std::vector<std::pair<Qt::Key, int>> steps = {
        {Qt::Key_Right, kMiddleInactive}, {Qt::Key_Right, kBottomInactive}, {Qt::Key_Right, kTopActive},
        {Qt::Key_Left, kBottomInactive},  {Qt::Key_Tab, kTopActive},        {Qt::Key_Tab, kMiddleInactive},
        {Qt::Key_Backtab, kTopActive},    {Qt::Key_Down, kMiddleInactive},  {Qt::Key_Up, kTopActive},
    };
    for (const auto& [key, expected] : steps) {
        Key(key);
        EXPECT_EQ(Focused(), expected) << "after key " << key;
    }
}

TEST_F(AboutKeysTest, EnterAndSpacePressTheFocusedButtonAndTheBandKeepsTheFocus)
{
    Open();
    Key(Qt::Key_Return);   // ACTIVE: nothing to choose
    EXPECT_EQ(dlg.SelectedVariant(), 1);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    EXPECT_EQ(dlg.SelectedVariant(), 0);
    EXPECT_EQ(Focused(), kMiddleActive);
    Key(Qt::Key_Right);
    Key(Qt::Key_Space);
    EXPECT_EQ(dlg.SelectedVariant(), 2);
    EXPECT_EQ(Focused(), kBottomActive);
    int32_t stored = -1;
    stats::LoadActiveVariant(Base(), stored);
    EXPECT_EQ(stored, 2);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(AboutKeysTest, TheFocusRingShowsOnlyOnceTheKeysHaveMovedTheFocus)
{
    Open();
    QWidget& top = *dlg.Control(kTopActive);
    const QImage focusedByOpening = top.grab().toImage();
    Key(Qt::Key_Right);
    const QImage unfocused = top.grab().toImage();
    Key(Qt::Key_Left);
    const QImage focusedByKeys = top.grab().toImage();
    EXPECT_EQ(focusedByOpening, unfocused);   // what a player with the mouse sees stays as it was
    EXPECT_NE(focusedByKeys, unfocused);
}

TEST_F(AboutKeysTest, ButtonsAndFiguresTellAScreenReaderTheirVariantEachFigureOnceAndAnUnplayedBestAsNoGame)
{
    for (const int total : {60, 37, 40}) stats::RecordFinishedGame(Base(), 0, total);
    Open();
    const auto name = [&](int id) {
        return QAccessible::queryAccessibleInterface(dlg.Control(id))->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(kTopActive), "ACTIVE: SIX COLORS, ALL SIX SHAPES");
    EXPECT_EQ(name(kMiddleInactive), "INACTIVE: SIX COLORS, NO CIRCLES");
    EXPECT_EQ(name(kBottomInactive), "INACTIVE: SMALLER CODES, FIVE BY FIVE");
    // Each figure on its last cell alone, read once.
    EXPECT_EQ(name(1266), "SIX COLORS, NO CIRCLES: games played 3");
    EXPECT_EQ(name(1270), "SIX COLORS, NO CIRCLES: average score 45.7");
    EXPECT_EQ(name(1274), "SIX COLORS, NO CIRCLES: best score 37");
    for (const int cell : {1262, 1265, 1267, 1269, 1272, 1273}) EXPECT_EQ(name(cell), "") << cell;
    EXPECT_EQ(name(1252), "SIX COLORS, ALL SIX SHAPES: games played 0");
    // Never played: its best shows 999, which names no game.
    EXPECT_EQ(name(1260), "SIX COLORS, ALL SIX SHAPES: no best score, no game played yet");
}
