// The real program as a native Wayland client of a real compositor (weston, its output a window
// on a virtual X display): the window with the decorations Qt draws lies inside the output.
#include <gtest/gtest.h>

#include <memory>

#include "BoardView.h"
#include "MainLayout.h"
#include "ScaledLayout.h"
#include "XSession.h"

namespace {

constexpr int kShapes = 0;
constexpr int kColors = 1;
const QSize kOutput(1366, 768);

bool IsBlack(QRgb p) { return (p & 0xFFFFFF) == 0; }
bool IsLight(QRgb p) { return qGray(p) > 200; }   // Qt's own decorations

class WaylandSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString missing = XSession::MissingTools() + XSession::MissingWayland();
        if (!missing.isEmpty()) GTEST_SKIP() << "missing " << missing.toStdString() << " (tools/install-deps.sh)";
        const QImage sheet(QStringLiteral(VANTEL_SHEET));
        ASSERT_FALSE(sheet.isNull());
        view = std::make_unique<BoardView>(sheet);
        QString error;
        ASSERT_TRUE(x.StartOnWayland(QStringLiteral(VANTEL_PROGRAM), &error, kOutput)) << error.toStdString();
        if (!x.WaitFor([&](const QImage& s) { return FindBoard(s); }, 20000))
            FAIL() << "the board was never drawn: "
                   << x.Snapshot(QStringLiteral("wayland-0-never-drawn")).toStdString();
    }

    // The window's black contents: from the middle row's first black pixel to its last, and down
    // the black margin left of the board. The board is centred in them.
    bool FindBoard(const QImage& s)
    {
        const int mid = s.height() / 2;
        int left = 0, right = s.width() - 1;
        while (left < s.width() && !IsBlack(s.pixel(left, mid))) ++left;
        while (right > left && !IsBlack(s.pixel(right, mid))) --right;
        if (right - left < 100) return false;
        int top = mid, bottom = mid;
        while (top > 0 && IsBlack(s.pixel(left + 1, top - 1))) --top;
        while (bottom < s.height() - 1 && IsBlack(s.pixel(left + 1, bottom + 1))) ++bottom;
        content = QRect(QPoint(left, top), QPoint(right, bottom));
        const QSize natural(layout::DuToPxX(layout::kWidthDu), layout::DuToPxY(layout::kHeightDu));
        const double scale = boardscale::ScaleToFit(content.size(), natural);
        const QSize board = boardscale::Scaled(natural, scale);
        view->SetScale(scale, content.topLeft() + QPoint((content.width() - board.width()) / 2,
                                                         (content.height() - board.height()) / 2));
        return view->ShowsChip(s, BoardView::Tray(kShapes, 0), 1) &&
               view->ShowsChip(s, BoardView::Tray(kColors, 5), 12);
    }

    XSession x;
    std::unique_ptr<BoardView> view;
    QRect content;   // the window's contents on the output
};

}  // namespace

TEST_F(WaylandSession, TheWindowWithItsDecorationsLiesInsideTheOutput)
{
    const QImage s = x.Grab();
    x.Snapshot(QStringLiteral("wayland-1-start"));
    ASSERT_EQ(s.size(), kOutput);
    // As wide as the output allows with Qt's 3-pixel side borders, and every border on the output.
    EXPECT_EQ(content.width(), kOutput.width() - 6);
    ASSERT_GE(content.left(), 1);
    ASSERT_LE(content.right(), kOutput.width() - 2);
    ASSERT_LE(content.bottom(), kOutput.height() - 2);
    ASSERT_GE(content.top(), 20);
    EXPECT_TRUE(IsLight(s.pixel(content.left() - 1, content.center().y())));
    EXPECT_TRUE(IsLight(s.pixel(content.right() + 1, content.center().y())));
    EXPECT_TRUE(IsLight(s.pixel(content.center().x(), content.bottom() + 1)));
    for (int y = content.top() - 20; y < content.top(); ++y)   // the title bar, whole
        EXPECT_FALSE(IsBlack(s.pixel(content.left() + 40, y))) << y;
    EXPECT_TRUE(view->ShowsChip(s, BoardView::Guess(kColors, 9, 3), 0));   // the far corner of the board
}
