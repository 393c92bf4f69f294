// The real program on a screen with room for its whole board: the window opens at the board's own
// size, every chip copied from the sheet as drawn.
#include <gtest/gtest.h>

#include "GameWindowTest.h"

namespace {

class RoomyScreenTest : public GameWindowTest {
protected:
    void SetUp() override { Start(QSize(1920, 1200)); }
};

}  // namespace

TEST_F(RoomyScreenTest, ABoardThatFitsIsShownAtItsOwnSize)
{
    EXPECT_EQ(window.size(), QSize(1571, 809));
    EXPECT_EQ(view->Scale(), 1.0);
    const QImage shot = x.Grab();
    for (int k = 0; k < 6; ++k) {
        EXPECT_TRUE(view->ShowsChip(shot, BoardView::Tray(0, k), k + 1)) << k;
        EXPECT_TRUE(view->ShowsChip(shot, BoardView::Tray(1, k), k + 7)) << k;
    }
}
