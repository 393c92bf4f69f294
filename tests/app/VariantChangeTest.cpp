// A variant chosen in the High Scores window reaches the real game window: a game still in its
// first round restarts under it at once; later, it waits for the next game.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include <filesystem>

#include "CAboutDlg.h"
#include "DialogPlayer.h"
#include "StatsFiles.h"
#include "StatsTestSupport.h"

namespace {

class VariantChangeTest : public ::testing::Test {
protected:
    std::filesystem::path Base() const { return QFile::encodeName(p.data.path()).toStdString(); }
    std::filesystem::path Cfg() const { return stats::DataFolder(Base()) / stats::kConfigurationFileName; }
    std::filesystem::path Hsc() const { return stats::DataFolder(Base()) / stats::kStatisticsFileName; }
    static void Click(CAboutDlg& dlg, int id) { QTest::mouseClick(dlg.Control(id), Qt::LeftButton); }

    DialogPlayer p;
};

}  // namespace

TEST_F(VariantChangeTest, TheGameRestartsInTheNewVariantDuringItsFirstRound)
{
    CVantel2Dlg& main = p.dlg;
    ASSERT_EQ(main.Game().m_nVariant, 1);
    p.Drop(board::kShapes, 0, 3);
    p.Drop(board::kShapes, 3, 5);
    ASSERT_EQ(main.Controls().boards[0].guess[3].m_nValue, 5);

    CAboutDlg dlg(Base(), p.app.path(), &main);
    dlg.show();
    Click(dlg, 1292);
    QTest::keyClick(&dlg, Qt::Key_Escape);

    const CGameEngine& g = main.Game();
    EXPECT_EQ(g.m_nVariant, 2);
    EXPECT_EQ(g.m_nCodeLength, 3);
    EXPECT_EQ(g.m_nRoundsCompleted, 0);
    EXPECT_EQ(main.Controls().boards[0].guess[0].m_nValue, 0);
    EXPECT_EQ(main.Controls().boards[0].guess[3].m_nValue, 16);   // the fourth column is out of play
    EXPECT_EQ(main.Controls().boards[1].guess[3].m_nValue, 16);
    EXPECT_FALSE(std::filesystem::exists(Hsc()));                  // nothing recorded
}

TEST_F(VariantChangeTest, AfterTheFirstRoundTheNewVariantWaitsForTheNextGame)
{
    CVantel2Dlg& main = p.dlg;
    p.Solve(board::kShapes);
    p.Solve(board::kColors);
    ASSERT_EQ(main.Game().m_nRoundsCompleted, 1);
    const int32_t scoreBefore = main.Game().m_nRoundScores[0];

    CAboutDlg dlg(Base(), p.app.path(), &main);
    dlg.show();
    Click(dlg, 1277);
    dlg.close();

    EXPECT_EQ(main.Game().m_nVariant, 1);
    EXPECT_EQ(main.Game().m_nRoundsCompleted, 1);
    EXPECT_EQ(main.Game().m_nRoundScores[0], scoreBefore);
    EXPECT_EQ(ReadBytes(Cfg()), (Bytes{0x00, 0x00}));
}
