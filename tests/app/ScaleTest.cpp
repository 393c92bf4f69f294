// The window at any size: the board keeps its proportions, centred, every control inside the
// window and none overlapping another that did not already at scale 1.
#include <gtest/gtest.h>

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "CAboutDlg.h"
#include "CVantel2Dlg.h"

namespace {

// Every control of the window, where it stands in the window.
std::vector<std::pair<QWidget*, QRect>> Places(CVantel2Dlg& dlg)
{
    std::vector<std::pair<QWidget*, QRect>> out;
    for (QWidget* w : dlg.findChildren<QWidget*>()) {
        if (!w->findChildren<QWidget*>().isEmpty()) continue;   // the views and their boxes, not controls
        out.emplace_back(w, QRect(w->mapTo(&dlg, QPoint(0, 0)), w->size()));
    }
    return out;
}

std::set<std::pair<QWidget*, QWidget*>> Overlaps(const std::vector<std::pair<QWidget*, QRect>>& places)
{
    std::set<std::pair<QWidget*, QWidget*>> out;
    for (size_t i = 0; i < places.size(); ++i)
        for (size_t j = i + 1; j < places.size(); ++j)
            if (places[i].second.intersects(places[j].second)) out.insert({places[i].first, places[j].first});
    return out;
}

class ScaleTest : public ::testing::Test {
protected:
    QTemporaryDir data;
    QTemporaryDir app;
    CVantel2Dlg dlg{data.path(), app.path()};
};

}  // namespace

TEST_F(ScaleTest, AnySizeKeepsTheBoardWholeInProportionAndWithoutNewOverlaps)
{
    dlg.show();   // a shown window hears of its resizes at once
    const auto natural = Places(dlg);
    const auto naturalOverlaps = Overlaps(natural);
    ASSERT_EQ(natural.size(), 341u);   // 311 controls, 22 buttons, 8 pictures
    for (QSize size : {QSize(800, 700), QSize(2000, 900), QSize(1000, 1000), QSize(3001, 1601), QSize(1571, 809)}) {
        dlg.resize(size);
        const QSize shown = dlg.size();   // never below the smallest board
        const double s = dlg.BoardScale();
        EXPECT_NEAR(s, std::max(0.6, std::min(shown.width() / 1571.0, shown.height() / 809.0)), 1e-9);
        const QPoint origin((shown.width() - std::lround(1571 * s)) / 2, (shown.height() - std::lround(809 * s)) / 2);
        const auto now = Places(dlg);
        for (size_t i = 0; i < now.size(); ++i) {
            const QRect& r = now[i].second;
            const QRect& base = natural[i].second;
            ASSERT_EQ(now[i].first, natural[i].first);
            EXPECT_TRUE(dlg.rect().contains(r)) << size.width() << "x" << size.height();
            EXPECT_LE(std::abs(r.x() - origin.x() - base.x() * s), 1.0);
            EXPECT_LE(std::abs(r.y() - origin.y() - base.y() * s), 1.0);
            EXPECT_LE(std::abs(r.width() - base.width() * s), 1.0);
            EXPECT_LE(std::abs(r.height() - base.height() * s), 1.0);
        }
        for (const auto& pair : Overlaps(now)) EXPECT_TRUE(naturalOverlaps.count(pair)) << size.width();
    }
    EXPECT_EQ(dlg.BoardScale(), 1.0);   // back at its own size, the board is as drawn
}

TEST_F(ScaleTest, AScreenBelowTheFloorGetsTheSmallestBoard)
{
    // The offscreen test screen is 800 by 600, too small for any board that can still be played.
    ASSERT_LT(dlg.screen()->availableGeometry().width(), 943);
    dlg.FitToScreen();
    EXPECT_EQ(dlg.size(), QSize(943, 485));
    EXPECT_EQ(dlg.minimumSize(), QSize(943, 485));
    EXPECT_EQ(dlg.BoardScale(), 0.6);
}

TEST_F(ScaleTest, TheHighScoresWindowShrinksOnlyWhereItDoesNotFit)
{
    CAboutDlg about(std::filesystem::path(QFile::encodeName(data.path()).toStdString()), app.path(), &dlg);
    EXPECT_EQ(about.size(), QSize(920, 595));   // as drawn
    // The 800 by 600 test screen, less room for a title bar, takes it at 800 / 920 of its size.
    about.FitToScreen();
    EXPECT_EQ(about.size(), QSize(800, 517));
    for (QWidget* w : about.findChildren<QWidget*>()) {
        EXPECT_TRUE(about.rect().contains(w->geometry())) << w->objectName().toStdString();
        EXPECT_FALSE(w->size().isEmpty());
    }
    EXPECT_EQ(about.Control(1261)->geometry(), boardscale::Scaled(QRect(509, 47, 180, 38), 800.0 / 920));
}

TEST(WindowFit, ARefitKeepsThePlayersSizeOnlyWhileItStillFits)
{
    const QSize fitted(1571, 809);
    const QSize smallest(943, 485);
    EXPECT_EQ(boardscale::KeepChosen(QSize(1200, 700), fitted, QSize(1920, 1040), smallest), QSize(1200, 700));
    EXPECT_EQ(boardscale::KeepChosen(QSize(1800, 1000), QSize(1242, 640), QSize(1280, 680), smallest),
              QSize(1242, 640));   // too wide for the new screen
    EXPECT_EQ(boardscale::KeepChosen(QSize(1200, 700), fitted, QSize(1920, 690), smallest), fitted);   // too tall
    EXPECT_EQ(boardscale::KeepChosen(QSize(), fitted, QSize(1920, 1040), smallest), fitted);   // never chosen
    EXPECT_EQ(boardscale::KeepChosen(QSize(900, 480), fitted, QSize(1920, 1040), smallest), fitted);
}

TEST(WindowFit, ARefitMovesAFrameReachingOffTheScreenNoFurtherThanInside)
{
    const QRect screen(2000, 0, 1280, 1024);   // a second screen, right of the first
    EXPECT_EQ(boardscale::InsideArea(QRect(2080, 100, 1280, 700), screen), QPoint(2000, 100));
    EXPECT_EQ(boardscale::InsideArea(QRect(1900, 500, 1000, 700), screen), QPoint(2000, 324));
    EXPECT_EQ(boardscale::InsideArea(QRect(2100, 50, 1000, 700), screen), QPoint(2100, 50));   // inside: stays
    // Larger than the screen: its top left corner, with the title bar, stays on it.
    EXPECT_EQ(boardscale::InsideArea(QRect(1500, -40, 1500, 1100), screen), QPoint(2000, 0));
}

TEST_F(ScaleTest, AFitMovesAShownWindowBackInsideItsScreen)
{
    dlg.show();
    dlg.move(500, 400);   // on the 800 by 800 test screen, whose frames are 2 pixels wide
    dlg.FitToScreen();
    EXPECT_EQ(dlg.frameGeometry(), QRect(0, 311, 947, 489));
}
