// Two screens of different scales side by side, as KDE sets them on X11 (QT_SCREEN_SCALE_FACTORS):
// 1920x1080 at 1 on the left, 3840x2160 at 2 on the right, each a RandR output of one X screen on
// Xorg with its dummy driver, with a window manager (openbox). The window moved across refits to
// each screen once Qt has applied its scale, and shows the whole board there.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include <memory>

#include "BoardView.h"
#include "DummyXorg.h"
#include "XSession.h"

namespace {

const QRect kLeft(0, 0, 1920, 1080);
// A move across the screens settles within a second; beside other window tests on a loaded
// machine the window manager and Qt can take many times that.
constexpr int kSettleMs = 30000;
const QRect kRight(1920, 0, 3840, 2160);

bool Reddish(const QImage& s, const QRect& r)
{
    long red = 0, other = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            red += qRed(s.pixel(x, y));
            other += std::max(qGreen(s.pixel(x, y)), qBlue(s.pixel(x, y)));
        }
    return red > other + 60L * r.width() * r.height();
}

class MixedScales : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString missing = XSession::MissingTools();
        for (const char* tool : {"xrandr", "openbox", "xprop"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                missing += QLatin1Char(' ') + QLatin1String(tool);
        if (!DummyXorg::Installed()) missing += QStringLiteral(" Xorg's dummy driver");
        if (!missing.isEmpty()) GTEST_SKIP() << "missing " << missing.toStdString() << " (tools/install-deps.sh)";
        QString error;
        ASSERT_TRUE(x.StartXorg(&error, {kLeft, kRight})) << error.toStdString();
        const QByteArray monitors = x.Tool(QStringLiteral("xrandr"), {QStringLiteral("--listmonitors")});
        ASSERT_TRUE(monitors.contains("DUMMY0 1920/508x1080/286+0+0 ") &&
                    monitors.contains("DUMMY1 3840/1016x2160/571+1920+0 "))
            << monitors.data();
        StartWindowManager();
        x.SetProgramEnvironment(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("1"));
        x.SetProgramEnvironment(QStringLiteral("QT_SCREEN_SCALE_FACTORS"), QStringLiteral("DUMMY0=1;DUMMY1=2"));
        ASSERT_TRUE(x.StartProgram(QStringLiteral(VANTEL_PROGRAM), &error)) << error.toStdString();
        const QImage sheet(QStringLiteral(VANTEL_SHEET));
        ASSERT_FALSE(sheet.isNull());
        view = std::make_unique<BoardView>(sheet);
    }

    void TearDown() override
    {
        wm.terminate();
        wm.waitForFinished(3000);
    }

    void StartWindowManager()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), x.Display());
        env.insert(QStringLiteral("HOME"), x.Home());
        wm.setProcessEnvironment(env);
        wm.start(QStringLiteral("openbox"), {});
        ASSERT_TRUE(WaitUntil([&] {
            const QStringList args{QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")};
            return x.Tool(QStringLiteral("xprop"), args).contains("window id");
        }, 10000)) << "openbox did not start";
    }

    // Moves the window's top left corner to `to` and waits until it has the size `size` there.
    bool MoveAndFit(QPoint to, QSize size)
    {
        x.Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                   QStringLiteral("^Vantel$"), QStringLiteral("windowmove"), QString::number(to.x()),
                   QString::number(to.y())});
        return WaitUntil([&] { return x.WindowGeometry().size() == size; }, kSettleMs);
    }

    XSession x;
    QProcess wm;
    std::unique_ptr<BoardView> view;
};

}  // namespace

TEST_F(MixedScales, TheWindowMovedEitherWayFitsEachScreenAndShowsTheWholeBoard)
{
    // On the scale 2 screen the board is drawn at its full size in twice the pixels.
    ASSERT_TRUE(MoveAndFit(QPoint(2000, 100), QSize(3142, 1618))) << "stays " << x.WindowGeometry().width() << "x"
                                                                 << x.WindowGeometry().height();
    EXPECT_TRUE(kRight.contains(x.WindowGeometry()));
    view->SetScale(2.0, QPoint(0, 0));
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
        return Reddish(s, view->Map(BoardView::Tray(1, 5)).adjusted(20, 20, -20, -20));   // the far corner's red chip
    }, kSettleMs)) << "the board is not shown whole: " << x.Snapshot(QStringLiteral("scales-1-right")).toStdString();

    // Back on the scale 1 screen, at its own size again.
    ASSERT_TRUE(MoveAndFit(QPoint(100, 100), QSize(1571, 809))) << "stays " << x.WindowGeometry().width() << "x"
                                                               << x.WindowGeometry().height();
    EXPECT_TRUE(kLeft.contains(x.WindowGeometry()));
    view->SetScale(1.0, QPoint(0, 0));
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
        return view->ShowsChip(s, BoardView::Tray(0, 0), 1) && view->ShowsChip(s, BoardView::Tray(1, 5), 12);
    }, kSettleMs)) << "the board is not shown whole: " << x.Snapshot(QStringLiteral("scales-2-left")).toStdString();
}
