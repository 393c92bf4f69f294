// The real program on screens smaller and larger than its board: the window opens at the scale
// that shows the whole board, and a round is played there with the real pointer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "GameWindowTest.h"
#include "RoundPlay.h"
#include "XSession.h"

namespace {

struct ScreenCase {
    QSize screen;
    QSize window;   // the window the game opens there (no window manager: no frame)
};

class ScaledWindowTest : public GameWindowTest, public ::testing::WithParamInterface<ScreenCase> {
protected:
    void SetUp() override { Start(GetParam().screen); }
    RoundPlay Play() const { return {x, *view, 3, 3000}; }
};

}  // namespace

TEST_P(ScaledWindowTest, TheWholeBoardShowsAndARoundPlaysToNextRound)
{
    EXPECT_EQ(window.size(), GetParam().window);
    EXPECT_TRUE(QRect(QPoint(0, 0), GetParam().screen).contains(window)) << "the window reaches off the screen";
    x.Snapshot(QStringLiteral("scaled-%1-start").arg(GetParam().screen.width()));

    BoardPlay boards[2] = {BoardPlay(0), BoardPlay(1)};
    int guesses = 0;
    QString failure;
    ASSERT_TRUE(Play().PlayRound(boards, &guesses, &failure)) << failure.toStdString();
    const QRect phaseButton = view->Map(BoardView::PhaseButtonArea());
    ASSERT_TRUE(x.WaitFor([&](const QImage& s) { return !BoardView::IsBlack(s, phaseButton); }))
        << "NEXT ROUND did not show";
    // Every guess costs a point and a failed board two more; the round's units digit, finished style.
    int score = guesses;
    for (const BoardPlay& b : boards) score += b.solved ? 0 : 2;
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
        return view->ShowsDigit(s, BoardView::RoundDigit(1), 10 + score % 10);
    })) << "score " << score << " not shown";
    x.Snapshot(QStringLiteral("scaled-%1-round-over").arg(GetParam().screen.width()));
}

// The two most common laptop screens: the board shrinks to the screen's width.
INSTANTIATE_TEST_SUITE_P(LaptopScreens, ScaledWindowTest,
                         ::testing::Values(ScreenCase{{1280, 720}, {1280, 659}},
                                           ScreenCase{{1366, 768}, {1366, 703}}),
                         [](const ::testing::TestParamInfo<ScreenCase>& info) {
                             const QSize s = info.param.screen;
                             return std::to_string(s.width()) + "x" + std::to_string(s.height());
                         });

namespace {

struct PixelRatioCase {
    QSize screen;
    const char* factor;   // QT_SCALE_FACTOR
};

class FrameSeamTest : public ::testing::TestWithParam<PixelRatioCase> {};

}  // namespace

// At a fractional pixel ratio the controls' edges fall between device pixels: the frame's pieces
// must still meet without a black or dark row, at the board's drawn size and smaller.
TEST_P(FrameSeamTest, TheFramesPiecesMeetWithoutASeam)
{
    const QString missing = XSession::MissingTools();
    if (!missing.isEmpty()) GTEST_SKIP() << "missing " << missing.toStdString();
    const QImage sheet(QStringLiteral(VANTEL_SHEET));
    ASSERT_FALSE(sheet.isNull());
    XSession x;
    x.SetProgramEnvironment(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(GetParam().factor));
    QString error;
    ASSERT_TRUE(x.Start(QStringLiteral(VANTEL_PROGRAM), &error, GetParam().screen)) << error.toStdString();
    // The window in device pixels; the board is laid out in logical ones.
    const double ratio = QByteArray(GetParam().factor).toDouble();
    const QSize logical = (QSizeF(x.WindowGeometry().size()) / ratio).toSize();
    const QSize natural(layout::DuToPxX(layout::kWidthDu), layout::DuToPxY(layout::kHeightDu));
    const double scale = boardscale::ScaleToFit(logical, natural);
    const QSize board = boardscale::Scaled(natural, scale);
    BoardView view(sheet);
    view.SetScale(scale * ratio, QPointF(QPointF((logical.width() - board.width()) / 2,
                                                 (logical.height() - board.height()) / 2) * ratio).toPoint());
    QString seam = QStringLiteral("never drawn");
    x.WaitFor([&](const QImage& s) { return (seam = view.FirstSeam(s)).isEmpty(); }, 10000);
    EXPECT_TRUE(seam.isEmpty()) << seam.toStdString() << " at board scale " << scale << ": "
                                << x.Snapshot(QStringLiteral("seam-%1").arg(GetParam().factor)).toStdString();
}

INSTANTIATE_TEST_SUITE_P(FractionalScales, FrameSeamTest,
                         ::testing::Values(PixelRatioCase{{2560, 1440}, "1.25"}, PixelRatioCase{{2560, 1440}, "1.5"},
                                           PixelRatioCase{{2560, 1440}, "1.75"}, PixelRatioCase{{1920, 1080}, "1.75"},
                                           PixelRatioCase{{1920, 1080}, "2"}, PixelRatioCase{{1366, 768}, "1"}),
                         [](const ::testing::TestParamInfo<PixelRatioCase>& info) {
                             std::string name = std::to_string(info.param.screen.width()) + "_at_" + info.param.factor;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });
