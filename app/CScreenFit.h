#pragma once
// Keeps a window fitted to its screen: sized to show the whole board at the largest scale up to 1
// at which the window and its frame fit the screen's free area (a size the player chose is kept
// while it still fits), moved inside that area, and fitted again whenever the window reaches another
// screen or pixel ratio, once Qt has applied it. The window passes on its resize, move and show
// events and its screen-change event.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QScreen>
#include <QSize>

#include <functional>

class QResizeEvent;
class QWidget;

class CScreenFit : public QObject {
public:
    // `natural` is the window's content at scale 1. `place` lays the board out at the window's
    // present size; `redraw` draws the pictures again at a new pixel ratio.
    CScreenFit(QWidget& window, QSize natural, std::function<void()> place, std::function<void()> redraw);

    void Fit();
    // The size the player gave the window, kept through refits; empty until then.
    QSize ChosenSize() const { return m_chosenSize; }

    void Resized(const QResizeEvent& event);
    void Moved();
    void Shown();
    // A refit once Qt has applied the new screen or pixel ratio, after the event that told of it.
    void QueueRefit();

private:
    void OnScreenChanged();
    void KeepFittedSize();
    void CheckFrame();

    QWidget& m_window;
    const QSize m_natural;
    const std::function<void()> m_place;
    const std::function<void()> m_redraw;
    bool m_bWatchingScreen = false;
    bool m_bCheckFrame = false;   // fitted before the window manager told its frame
    QSize m_chosenSize;
    QPointer<QScreen> m_fitScreen;   // where the window was last fitted
    qreal m_fitRatio = 0.0;          // and at what pixel ratio; 0 before the first fit
    bool m_bFitting = false;
    QElapsedTimer m_sinceFit;        // the window manager's answers to a fit arrive for a moment after it
    QSize m_fittedSize;              // the size the last fit asked for
    QSize m_fitFrame;                // and the frame it assumed
    bool m_bRefitQueued = false;
};
