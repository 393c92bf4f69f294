// The real program as a native Wayland client of a real compositor (weston, its output a window
// on a virtual X display, so xdotool moves the compositor's own pointer): the window with the
// decorations Qt draws lies inside the output, the dragged chip shows under the pointer, and a
// row is dragged and played to its pegs.
#include <gtest/gtest.h>

#include <memory>

#include "BoardView.h"
#include "RoundPlay.h"
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
        const QString missing = (XSession::MissingTools() + QLatin1Char(' ') + WestonCompositor::Missing()).trimmed();
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

TEST_F(WaylandSession, ARowIsPlayedToItsPegsWithThePointer)
{
    RoundPlay play{x, *view, 3, 3000};
    BoardPlay shapes(kShapes);
    QString failure;
    ASSERT_TRUE(play.PlayRow(shapes, &failure)) << failure.toStdString();
    EXPECT_TRUE(shapes.row == 1 || shapes.solved);
    x.Snapshot(QStringLiteral("wayland-3-row-judged"));
}

TEST_F(WaylandSession, TheDraggedChipShowsUnderThePointer)
{
    const QImage art = QImage(QStringLiteral(":/art/cursor_136.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(art.size(), QSize(32, 32));
    const QRect from = view->Map(BoardView::Tray(kColors, 0));
    const QRect slot = BoardView::Guess(kColors, 0, 0);
    const QPoint to = view->Map(slot).center();
    x.Drag(from.center(), to, false);
    const auto chipUnderPointer = [&](const QImage& s) {
        int opaque = 0, alike = 0;
        for (int y = 0; y < 32; ++y)
            for (int x0 = 0; x0 < 32; ++x0) {
                const QRgb a = art.pixel(x0, y);
                if (qAlpha(a) < 255) continue;
                ++opaque;
                const QRgb p = s.pixel(to + QPoint(x0, y));
                const int apart = std::abs(qRed(p) - qRed(a)) + std::abs(qGreen(p) - qGreen(a)) +
                                  std::abs(qBlue(p) - qBlue(a));
                alike += apart < 48;
            }
        return opaque > 0 && alike * 10 >= opaque * 7;   // the compositor's arrow covers a corner
    };
    const bool shown = x.WaitFor(chipUnderPointer, 3000);
    x.Snapshot(QStringLiteral("wayland-2-dragging"));
    x.Release();
    EXPECT_TRUE(shown) << "no chip under the pointer mid-drag";
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) { return view->ShowsChip(s, slot, 7); }, 3000))
        << "the drop did not land: " << x.Snapshot(QStringLiteral("wayland-2-dropped")).toStdString();
}
