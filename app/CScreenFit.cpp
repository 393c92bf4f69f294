#include "CScreenFit.h"

#include <QResizeEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

#include "ScaledLayout.h"

namespace {

// How long after a fit the window manager may still be answering it, with the fitted size or with
// one from before a new pixel ratio took hold; a resize the player makes comes later.
constexpr qint64 kFitSettles = 1500;   // ms

}  // namespace

CScreenFit::CScreenFit(QWidget& window, QSize natural, std::function<void()> place, std::function<void()> redraw)
    : m_window(window), m_natural(natural), m_place(std::move(place)), m_redraw(std::move(redraw))
{
}

void CScreenFit::Resized(const QResizeEvent& event)
{
    if (m_fitRatio == 0.0 || m_bFitting) return;
    const bool fromOutside = event.spontaneous() && m_window.isVisible() &&
                             !(m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (m_window.devicePixelRatioF() != m_fitRatio || m_window.screen() != m_fitScreen)
        QueueRefit();   // Qt applying a new pixel ratio, not the player
    else if (fromOutside && m_sinceFit.hasExpired(kFitSettles))
        m_chosenSize = m_window.size();   // the player's own size
    else if (fromOutside && m_window.size() != m_fittedSize)
        QTimer::singleShot(0, this, &CScreenFit::KeepFittedSize);
    if (m_bCheckFrame) QTimer::singleShot(0, this, &CScreenFit::CheckFrame);
}

void CScreenFit::Fit()
{
    QWidget& w = m_window;
    // The frame is only guessed until the window is shown: it is checked again once it is known.
    m_bCheckFrame = !w.isVisible() || boardscale::FrameAround(w).isNull();
    const QSize fitted = boardscale::Scaled(m_natural, boardscale::ScaleForScreen(w, m_natural));
    const QSize frame = boardscale::FrameAround(w);
    m_fitFrame = frame;
    const QSize room = w.screen() != nullptr ? boardscale::FreeArea(*w.screen()).size() - frame : fitted;
    m_bFitting = true;
    w.resize(boardscale::KeepChosen(m_chosenSize, fitted, room, w.minimumSize()));
    m_bFitting = false;
    m_sinceFit.start();
    m_fittedSize = w.size();
    m_place();
    m_fitScreen = w.screen();
    // Whichever refit is first to see a new pixel ratio redraws the pictures at it: the frame
    // check may come before the queued refit, which then finds nothing left to do.
    const bool newRatio = m_fitRatio != 0.0 && w.devicePixelRatioF() != m_fitRatio;
    m_fitRatio = w.devicePixelRatioF();
    if (newRatio) m_redraw();
    boardscale::MoveInside(w);
}

// The window manager has framed and placed the window: if the real frame is larger than guessed and
// the window now reaches off the screen, it is fitted again.
void CScreenFit::Moved()
{
    CheckFrame();
}

// A size from before a new pixel ratio took hold, which the display server reports late (the old
// size in pixels, read at the new ratio), is not the player's: the fit's own size is asked again.
void CScreenFit::KeepFittedSize()
{
    if (m_sinceFit.hasExpired(kFitSettles) || m_window.size() == m_fittedSize) return;
    m_bFitting = true;
    m_window.resize(m_fittedSize);
    m_bFitting = false;
    m_place();
}

void CScreenFit::CheckFrame()
{
    if (!m_bCheckFrame || !m_window.isVisible() || m_window.screen() == nullptr) return;
    const QSize frame = boardscale::FrameAround(m_window);
    if (frame.isNull()) return;   // not told yet
    m_bCheckFrame = false;
    // Where the window's place is not told (Wayland), a frame smaller than assumed leaves room for
    // a larger board, which no move will use: the window takes it.
    if (!boardscale::FitsScreen(m_window) || (!boardscale::PositionsKnown() && frame != m_fitFrame)) Fit();
}

void CScreenFit::Shown()
{
    if (m_bCheckFrame) QTimer::singleShot(0, this, &CScreenFit::CheckFrame);
    if (m_bWatchingScreen || m_window.windowHandle() == nullptr) return;
    m_bWatchingScreen = true;
    connect(m_window.windowHandle(), &QWindow::screenChanged, this, &CScreenFit::QueueRefit);
}

void CScreenFit::QueueRefit()
{
    if (m_bRefitQueued || m_fitRatio == 0.0) return;   // a window never fitted keeps its size
    m_bRefitQueued = true;
    QTimer::singleShot(0, this, &CScreenFit::OnScreenChanged);
}

// Another screen may be smaller, larger or denser: the board is fitted to it afresh.
void CScreenFit::OnScreenChanged()
{
    m_bRefitQueued = false;
    if (m_window.screen() == m_fitScreen && m_window.devicePixelRatioF() == m_fitRatio) return;
    Fit();
}
