// The real program on its own X display: the High Scores and Configuration window opened from the
// game window's menu with the real pointer, another variant chosen, the window closed with Esc
// during the first round, and the game seen to restart under the new variant.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>

#include <functional>
#include <memory>

#include "AboutLayout.h"
#include "BoardView.h"
#include "MainLayout.h"
#include "GameWindowTest.h"
#include "XSession.h"

namespace {

constexpr int kShapes = 0;
constexpr int kColors = 1;
constexpr int kWaitMs = 10000;
constexpr int kSlotOutOfPlay = 16;
constexpr int kEmptySlot = 0;

bool Poll(const std::function<bool()>& done) { return WaitUntil(done, kWaitMs); }

QStringList Words(const char* line) { return QString::fromLatin1(line).split(QLatin1Char(' ')); }

// Where a control of the High Scores window stands, in its window's pixels.
QRect AboutPlace(int id)
{
    for (const aboutlayout::Entry& e : aboutlayout::AboutLayout()) {
        if (e.id == id)
            return {layout::DuToPxX(e.x), layout::DuToPxY(e.y), layout::DuToPxX(e.w), layout::DuToPxY(e.h)};
    }
    return {};
}

class HighScoresE2E : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        // Variant 1 at start-up: all four columns of the first row are open.
        ASSERT_TRUE(view->ShowsChip(x.Grab(), BoardView::Guess(kShapes, 0, 3), kEmptySlot));
        mainWindow = VisibleWindows(QStringLiteral("^Vantel$")).value(0);
        ASSERT_FALSE(mainWindow.isEmpty());
    }

    QByteArray Xdotool(const QStringList& args) const { return x.Xdotool(args); }

    void ClickIn(const QString& window, QPoint p, int button) const
    {
        Xdotool(Words("mousemove --window") << window << QString::number(p.x()) << QString::number(p.y())
                                            << Words("click") << QString::number(button));
    }

    void ClickOnScreen(QPoint p) const
    {
        Xdotool(Words("mousemove") << QString::number(p.x()) << QString::number(p.y()) << Words("click 1"));
    }

    // `by` is "--name" (a title pattern) or "--class".
    QStringList VisibleWindows(const QString& pattern, const QString& by = QStringLiteral("--name")) const
    {
        const QByteArray out = Xdotool(Words("search --onlyvisible") << by << pattern);
        QStringList ids;
        for (const QByteArray& line : out.split('\n')) {
            if (!line.trimmed().isEmpty()) ids << QString::fromLatin1(line.trimmed());
        }
        return ids;
    }

    // The window's place on the screen.
    QRect Geometry(const QString& window) const
    {
        int v[4] = {0, 0, 0, 0};
        const char* keys[4] = {"X=", "Y=", "WIDTH=", "HEIGHT="};
        const QByteArray out = Xdotool(Words("getwindowgeometry --shell") << window);
        for (const QByteArray& line : out.split('\n')) {
            for (int k = 0; k < 4; ++k) {
                if (line.startsWith(keys[k])) v[k] = line.mid(static_cast<int>(qstrlen(keys[k]))).toInt();
            }
        }
        return {v[0], v[1], v[2], v[3]};
    }

    QImage Grab(const QString& window) const
    {
        const QStringList args = Words("-window") << window << QStringLiteral("ppm:-");
        const QByteArray ppm = x.Tool(QStringLiteral("import"), args);
        return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
    }

    // The game window's menu is a small window of the program's own that pops up at the pointer;
    // it carries the program's class but no title of its own.
    QString WaitForMenu() const
    {
        QString menu;
        Poll([&] {
            for (const QString& id : VisibleWindows(QStringLiteral("^vantel$"), QStringLiteral("--class"))) {
                if (id != mainWindow && Geometry(id).height() >= 20) menu = id;
            }
            return !menu.isEmpty();
        });
        return menu;
    }

    QString WaitForHighScores() const
    {
        QString window;
        Poll([&] {
            window = VisibleWindows(QStringLiteral("^High Scores for Vantel")).value(0);
            return !window.isEmpty();
        });
        return window;
    }

    bool ShowsButton(const QString& window, int id, const char* art) const
    {
        const QImage image(QStringLiteral(":/art/%1.png").arg(QString::fromLatin1(art)));
        const QImage shot = Grab(window);
        return !image.isNull() &&
               BoardView::Alike(shot.copy(QRect(AboutPlace(id).topLeft(), image.size())), image);
    }

    QByteArray Configuration() const
    {
        QFile f(QDir(x.Home()).filePath(QStringLiteral("data/Tarnwick Software/Vantel/vantel.cfg")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString mainWindow;
};

}  // namespace

TEST_F(HighScoresE2E, ANewVariantChosenInTheFirstRoundRestartsTheGame)
{
    // A right click on bare background between the centre grid and the score labels.
    const QPoint background(layout::DuToPxX(521), layout::DuToPxY(371));
    ClickIn(mainWindow, background, 3);
    const QString menu = WaitForMenu();
    ASSERT_FALSE(menu.isEmpty()) << "no menu after a right click";

    // Its second and last item: "High Scores and Configuration...".
    const QRect items = Geometry(menu);
    ClickOnScreen(QPoint(items.center().x(), items.top() + items.height() * 3 / 4));
    const QString dlg = WaitForHighScores();
    ASSERT_FALSE(dlg.isEmpty()) << "the High Scores window did not open";
    EXPECT_EQ(Geometry(dlg).size(), QSize(920, 595));
    ASSERT_TRUE(Poll([&] { return ShowsButton(dlg, 1292, "INACTIVEU"); })) << "bottom band not INACTIVE";
    EXPECT_TRUE(ShowsButton(dlg, 1261, "ACTIVEU"));

    // INACTIVE of the bottom band, variant 2: stored at once, before the window closes.
    ClickIn(dlg, AboutPlace(1292).center(), 1);
    ASSERT_TRUE(Poll([&] { return Configuration() == QByteArray("\x02\x00", 2); }))
        << "configuration holds " << Configuration().toHex().toStdString();
    EXPECT_TRUE(Poll([&] {
        return ShowsButton(dlg, 1291, "ACTIVEU") && ShowsButton(dlg, 1276, "INACTIVEU");
    }));
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
        return view->ShowsChip(s, BoardView::Guess(kShapes, 0, 3), kEmptySlot);
    })) << "the game changed before the window closed";

    Xdotool(Words("windowfocus") << dlg << Words("sleep 0.05 key Escape"));
    EXPECT_TRUE(Poll([&] { return VisibleWindows(QStringLiteral("^High Scores for Vantel")).isEmpty(); }));

    // Three-chip codes: the fourth column of every row is out of play on both boards.
    EXPECT_TRUE(x.WaitFor([&](const QImage& s) {
        return view->ShowsChip(s, BoardView::Guess(kShapes, 0, 3), kSlotOutOfPlay) &&
               view->ShowsChip(s, BoardView::Guess(kColors, 0, 3), kSlotOutOfPlay);
    })) << "no restart in variant 2: " << x.Snapshot(QStringLiteral("highscores-after")).toStdString();
    // Esc closed the dialog only.
    EXPECT_EQ(VisibleWindows(QStringLiteral("^Vantel$")).value(0), mainWindow);
    EXPECT_EQ(Configuration(), QByteArray("\x02\x00", 2));
}
