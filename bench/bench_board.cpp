// The board on screen: a whole refresh of a game in progress, one drop, and opening the window,
// each beside the bare-window yardstick, on whichever platform QT_QPA_PLATFORM names.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMimeData>
#include <QTemporaryDir>
#include <QWindow>

#include <memory>

#include "BareBoard.h"
#include "BenchTable.h"
#include "CVantel2Dlg.h"
#include "DisplaySync.h"
#include "ScaledLayout.h"
#include "VantelEvents.h"

namespace {

// Shows `w`, waits until it is on the screen with its first frame painted, and hides the other
// bench windows, so no window covers another while it is measured.
void ShowAlone(QWidget& w);

bool WaitExposedAndPainted(QWidget& w)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (w.windowHandle() != nullptr && w.windowHandle()->isExposed() && w.testAttribute(Qt::WA_Mapped)) {
            QCoreApplication::processEvents();
            SyncWithDisplay();
            return true;
        }
    }
    return false;
}

// The game's window with a game in progress: rows played on both boards, the SHAPES board's
// current row half filled.
class GameWindow {
public:
    GameWindow() : dlg(data.path(), QCoreApplication::applicationDirPath())
    {
        for (int i = 0; i < 3; ++i) Miss(board::kShapes);
        for (int i = 0; i < 2; ++i) Miss(board::kColors);
        Drop(board::kShapes, 0, Code(board::kShapes)[0]);
        Drop(board::kShapes, 1, Code(board::kShapes)[1] % 6 + 1);
    }

    CGameEngine& Game() { return dlg.Game(); }
    CBoardView& Board(int b) { return dlg.Controls().boards[b]; }
    int Row(int b) { return b == board::kShapes ? Game().m_nShapesRow : Game().m_nColorsRow; }
    const int32_t* Code(int b) { return b == board::kShapes ? Game().m_nCodeShapes : Game().m_nCodeColors; }
    CGuessChip& Slot(int b, int k) { return Board(b).guess[board::kSlots * Row(b) + k]; }

    // A chip lands as the drag and drop lands it: the slot's drop target takes the text.
    bool Drop(int b, int k, int attr)
    {
        QMimeData data;
        data.setText(QString::number(attr + 6 * b));
        CGuessChip& slot = Slot(b, k);
        return slot.m_dropTarget.OnDrop(slot, &data, Qt::CopyAction);
    }

    void Miss(int b)
    {
        for (int k = 0; k < Game().m_nCodeLength; ++k) Drop(b, k, Code(b)[k] % 6 + 1);
        Board(b).guessButtons[Row(b)].click();
    }

    QTemporaryDir data;
    CVantel2Dlg dlg;
};

// Made on first use and gone before the application object is.
std::unique_ptr<GameWindow> g_game;
std::unique_ptr<BareBoard> g_bare;

GameWindow& Game()
{
    if (!g_game) g_game = std::make_unique<GameWindow>();
    return *g_game;
}

BareBoard& Bare()
{
    if (!g_bare) g_bare = std::make_unique<BareBoard>(Game().dlg.Sprites().Pixmap(), GameWindowPlaces());
    return *g_bare;
}

void ShowAlone(QWidget& w)
{
    for (QWidget* other : {static_cast<QWidget*>(&Game().dlg), static_cast<QWidget*>(&Bare())})
        if (other != &w) other->hide();
    w.show();
    WaitExposedAndPainted(w);
}

void BareWindowRepaint(benchmark::State& state)
{
    ShowAlone(Bare());
    for (auto _ : state) {
        Bare().RepaintAll();
        SyncWithDisplay();
    }
    state.counters["children"] = Bare().Count();
}

// Counts the paint events of one pass: those of the self-painting controls, and any others (the
// window, its pictures), which would mean something paints beneath or over the controls.
class PaintCounter : public QObject {
public:
    int controls = 0;
    int others = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            const bool control = qobject_cast<CGuessChip*>(watched) || qobject_cast<CScoreChip*>(watched) ||
                                 qobject_cast<CCenterChip*>(watched) || qobject_cast<CNumbers*>(watched) ||
                                 qobject_cast<CSideVert*>(watched) || qobject_cast<CSideHoriz*>(watched);
            ++(control ? controls : others);
        }
        return false;
    }
};

// The window sized for the board at `percent` of its own size, shown and painted.
void ShowAtScale(int percent)
{
    CVantel2Dlg& dlg = Game().dlg;
    dlg.resize(boardscale::Scaled(CVantel2Dlg::NaturalSize(), percent / 100.0));
    ShowAlone(dlg);
    QCoreApplication::processEvents();
    SyncWithDisplay();
}

// At 100 the board as drawn; at 80 and 160 every control copies from a sheet scaled for it.
void RefreshBoard(benchmark::State& state)
{
    ShowAtScale(static_cast<int>(state.range(0)));
    if (!Game().Game().m_nShapesRow || !Game().Game().m_nColorsRow) state.SkipWithError("no rows played");
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    Game().dlg.RefreshBoard();
    qApp->removeEventFilter(&counter);
    state.counters["control_paints"] = counter.controls;
    state.counters["other_paints"] = counter.others;
    for (auto _ : state) {
        Game().dlg.RefreshBoard();
        SyncWithDisplay();
    }
    state.counters["scale"] = Game().dlg.BoardScale();
    ShowAtScale(100);
}

// The player drags the window's corner: one step of the resize, from the new size to the whole
// board placed, its sheet scaled anew, and painted on the display. Steps alternate between the
// board at the given percent of its size and 3 percent more, so each is a new scale: below 100 the
// sheet is scaled from the plain one, above from the sharp one.
void ResizeStep(benchmark::State& state)
{
    CVantel2Dlg& dlg = Game().dlg;
    ShowAtScale(100);
    const QSize natural = CVantel2Dlg::NaturalSize();
    const double s = state.range(0) / 100.0;
    const QSize sizes[2] = {boardscale::Scaled(natural, s), boardscale::Scaled(natural, s + 0.03)};
    int next = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        dlg.resize(sizes[next]);
        next = 1 - next;
        QCoreApplication::processEvents();   // the resize's repaint of every control
        SyncWithDisplay();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
    }
    state.counters["scale"] = dlg.BoardScale();
    ShowAtScale(100);
}

// The chip that fills a row: from the drop to the row-full notification handled, the GUESS button
// shown and the slot's own picture on the screen.
void Drop(benchmark::State& state)
{
    const int b = static_cast<int>(state.range(0));
    GameWindow& g = Game();
    ShowAlone(g.dlg);
    // The game as the other benchmarks see it comes back afterwards.
    const GameState saved = g.Game();
    int32_t& rowFull = b == board::kShapes ? g.Game().m_bShapesRowFull : g.Game().m_bColorsRowFull;
    for (int k = 0; k < g.Game().m_nCodeLength - 1; ++k) g.Drop(b, k, g.Code(b)[k] % 6 + 1);
    const int last = g.Game().m_nCodeLength - 1;
    for (auto _ : state) {
        // Back to a row one chip short of full, outside the measured time.
        g.Slot(b, last).m_nValue = chipvalue::kEmpty;
        rowFull = 0;
        g.dlg.UpdateGuessButtons();
        QCoreApplication::processEvents();
        SyncWithDisplay();

        QElapsedTimer clock;
        clock.start();
        g.Drop(b, last, g.Code(b)[last] % 6 + 1);
        QCoreApplication::processEvents();   // the slot asked only for a later repaint
        SyncWithDisplay();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        if (!g.Board(b).guessButtons[g.Row(b)].isVisible()) state.SkipWithError("GUESS not shown");
    }
    static_cast<GameState&>(g.Game()) = saved;
    g.dlg.RefreshBoard();
}

// Creating the window, its first game and its first frame on the screen, inside a running process.
void OpenWindow(benchmark::State& state)
{
    Game().dlg.hide();
    Bare().hide();
    QTemporaryDir data;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        auto dlg = std::make_unique<CVantel2Dlg>(data.path(), QCoreApplication::applicationDirPath());
        dlg->show();
        const bool shown = WaitExposedAndPainted(*dlg);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) * 1e-9);
        if (!shown) state.SkipWithError("window never shown");
        dlg.reset();
        QCoreApplication::processEvents();
    }
}

}  // namespace

BENCHMARK(BareWindowRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RefreshBoard)->Arg(100)->Arg(80)->Arg(160)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ResizeStep)->Arg(90)->Arg(130)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(Drop)->Arg(board::kShapes)->Arg(board::kColors)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(OpenWindow)->Unit(benchmark::kMillisecond)->UseManualTime();

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const int result = RunBenchmarks(argc, argv, QGuiApplication::platformName().toStdString());
    g_bare.reset();
    g_game.reset();
    return result;
}
