// The real program as a native Wayland client of a real compositor (weston, its output a window
// on a virtual X display, so xdotool moves the compositor's own pointer): the window with the
// decorations Qt draws lies inside the output, the dragged chip shows under the pointer, and a
// row is dragged and played to its pegs; at output scale 2 with weston's panel, the window lies
// below the panel, the frame has no seam, the dragged chip is the board's own where it was
// grabbed, and the dialogs open over the game and leave it taking keys.
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
    explicit WaylandSession(WestonCompositor::Output on = kOutput) : output(on) {}

    void SetUp() override
    {
        const QString missing = (XSession::MissingTools() + QLatin1Char(' ') + WestonCompositor::Missing()).trimmed();
        if (!missing.isEmpty()) GTEST_SKIP() << "missing " << missing.toStdString() << " (tools/install-deps.sh)";
        const QImage sheet(QStringLiteral(VANTEL_SHEET));
        ASSERT_FALSE(sheet.isNull());
        view = std::make_unique<BoardView>(sheet);
        QString error;
        ASSERT_TRUE(x.StartOnWayland(QStringLiteral(VANTEL_PROGRAM), &error, output)) << error.toStdString();
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
        return Drawn(s);
    }
    // `now`, mid-drag with the pointer at `pointer`, shows the chip that `before` showed in the
    // slot `from`, as large, placed as it was against the pointer that took it at `grabbed`.
    bool HoldsChip(const QImage& before, const QRect& from, QPoint grabbed, QPoint pointer, const QImage& now) const
    {
        int inside = 0, alike = 0;
        for (int y = 0; y < from.height(); ++y)
            for (int x0 = 0; x0 < from.width(); ++x0) {
                const QPoint p(x0, y);
                const QPoint fromMiddle = p - QRect(QPoint(0, 0), from.size()).center();
                if (QPoint::dotProduct(fromMiddle, fromMiddle) * 5 > from.width() * from.width()) continue;
                if (QRect(grabbed, QSize(30, 40) * output.scale).contains(p)) continue;
                ++inside;   // within the chip, clear of the compositor's arrow
                const QRgb a = before.pixel(from.topLeft() + p), b = now.pixel(pointer - grabbed + p);
                alike += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 96;
            }
        // The compositor draws the picture a little softer than the board does.
        return inside > 0 && alike * 20 >= inside * 17;
    }

    // The first game is on the board.
    virtual bool Drawn(const QImage& s) const
    {
        return view->ShowsChip(s, BoardView::Tray(kShapes, 0), 1) && view->ShowsChip(s, BoardView::Tray(kColors, 5), 12);
    }

    const WestonCompositor::Output output;

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

TEST_F(WaylandSession, TheDraggedChipIsTheBoardsOwnHeldWhereThePointerTookItAndLands)
{
    const QImage before = x.Grab();
    const QRect from = view->Map(BoardView::Tray(kColors, 0));
    const QPoint grabbed(from.width() * 3 / 10, from.height() * 7 / 20);   // up and left of the chip's middle
    const QRect slot = BoardView::Guess(kColors, 0, 0);
    const QPoint to = view->Map(slot).center();
    x.Drag(from.topLeft() + grabbed, to, false);
    const bool held = x.WaitFor([&](const QImage& s) { return HoldsChip(before, from, grabbed, to, s); }, 3000);
    x.Snapshot(QStringLiteral("wayland-2-dragging"));
    x.Release();
    EXPECT_TRUE(held) << "the chip at the board's size is not under the pointer where it was taken";
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) { return view->ShowsChip(s, slot, 7); }, 3000))
        << "the drop did not land: " << x.Snapshot(QStringLiteral("wayland-2-dropped")).toStdString();
}

namespace {

// A laptop's 2560 x 1440 panel at scale 2, with weston's own panel along the top.
const WestonCompositor::Output kSharpOutput(QSize(1280, 720), 2, true);
constexpr int kPanel = 32;   // weston's panel, in logical pixels
constexpr int kTitle = 30;   // the title bar Qt draws

class WaylandAtScaleTwo : public WaylandSession {
protected:
    WaylandAtScaleTwo() : WaylandSession(kSharpOutput) {}

    // The board's chips come from the sharp sheet here: the frame whole and the trays filled.
    bool Drawn(const QImage& s) const override
    {
        return view->FirstSeam(s).isEmpty() && !BoardView::IsBlack(s, view->Map(BoardView::Tray(kShapes, 0))) &&
               !BoardView::IsBlack(s, view->Map(BoardView::Tray(kColors, 5)));
    }

    // Where the grey edge that frames a dialog open inside the window crosses the window's middle
    // row: its left and right ends, or an empty range.
    static std::pair<int, int> DialogEdge(const QImage& s, const QRect& window)
    {
        int left = -1, right = -1;
        for (int x0 = window.left(); x0 <= window.right(); ++x0)
            if (s.pixel(x0, window.center().y()) == qRgb(150, 150, 160)) {
                if (left < 0) left = x0;
                right = x0;
            }
        return {left, right};
    }
};

}  // namespace

TEST_F(WaylandAtScaleTwo, TheWindowWithItsDecorationsLiesInsideTheOutputBelowThePanelWithoutASeam)
{
    const QImage s = x.Grab();
    x.Snapshot(QStringLiteral("wayland-scale2-start"));
    ASSERT_EQ(s.size(), kSharpOutput.Pixels());
    // The title bar wholly below the panel, and the bottom border's 3 logical rows on the output.
    EXPECT_GE(content.top() - 2 * kTitle, 2 * kPanel);
    for (int y = content.top() - 2 * kTitle; y < content.top(); ++y)
        EXPECT_FALSE(IsBlack(s.pixel(content.left() + 80, y))) << y;
    ASSERT_LE(content.bottom() + 6, s.height() - 1);
    for (int y = content.bottom() + 1; y <= content.bottom() + 6; ++y)
        EXPECT_TRUE(IsLight(s.pixel(content.center().x(), y))) << y;
    EXPECT_EQ(view->FirstSeam(s), QString());
}

TEST_F(WaylandAtScaleTwo, TheDraggedChipIsTheBoardsOwnHeldWhereThePointerTookIt)
{
    const QImage before = x.Grab();
    const QRect tray = view->Map(BoardView::Tray(kColors, 2));
    const QPoint grabbed(tray.width() * 3 / 10, tray.height() * 7 / 20);
    const QPoint to = content.center() + QPoint(0, content.height() / 3);   // over the black beneath the pool
    x.Drag(tray.topLeft() + grabbed, to, false);
    const bool held = x.WaitFor([&](const QImage& s) { return HoldsChip(before, tray, grabbed, to, s); }, 3000);
    x.Snapshot(QStringLiteral("wayland-scale2-dragging"));
    x.Release();
    EXPECT_TRUE(held) << "the chip at the board's size is not under the pointer where it was taken";
}

TEST_F(WaylandAtScaleTwo, TheDialogsOpenOverTheGameAndLeaveItTakingKeys)
{
    const QRect window = content;
    // A guess judged, so that closing asks first: its pegs show.
    const QRect pegs = view->Map(BoardView::Peg(kShapes, 0, 0));
    const QImage noPegs = x.Grab().copy(pegs);
    x.Keys({QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("Return")});
    ASSERT_TRUE(x.WaitFor([&](const QImage& s) { return s.copy(pegs) != noPegs; })) << "the guess was not judged";
    for (const char* open : {"Escape", "ctrl+h"}) {
        x.Keys({QString::fromLatin1(open)});
        std::pair<int, int> edge;
        ASSERT_TRUE(x.WaitFor([&](const QImage& s) { return (edge = DialogEdge(s, window)).first >= 0; }))
            << open << ": no dialog over the game: " << x.Snapshot(QStringLiteral("wayland-scale2-dialog")).toStdString();
        EXPECT_GT(edge.first, window.left());
        EXPECT_LT(edge.second, window.right());
        EXPECT_NEAR((edge.first + edge.second) / 2, window.center().x(), 2) << open;
        x.Snapshot(QStringLiteral("wayland-scale2-dialog-%1").arg(QString::fromLatin1(open)));
        x.Keys({QStringLiteral("Escape")});   // Keep Playing; the High Scores window closed
        EXPECT_TRUE(x.WaitFor([&](const QImage& s) { return DialogEdge(s, window).first < 0; })) << open;
    }
    // The game's window has the keys: the next chip goes into the row.
    const QRect slot = view->Map(BoardView::Guess(kShapes, 1, 0));
    const QImage beforeKey = x.Grab().copy(slot);
    x.Keys({QStringLiteral("2")});
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) { return s.copy(slot) != beforeKey; }))
        << "the game took no key after its dialogs closed";
}
