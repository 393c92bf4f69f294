#pragma once
// The instructions, shown inside the game: a window of its own beside the board that reads the
// help page and follows its links, so no browser is needed. It belongs to the game's window, so
// it takes input while the game runs and closes with it; Esc or its close box hide it, and let go
// of the page until it is shown again.

#include <QTextBrowser>

#include <cstdint>

class CHelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    // `page` is the help file; `owner` the game's window.
    CHelpWindow(const QString& page, QWidget* owner);

    // Shows the window in front, where it was left; a hidden window comes back as it was.
    void Present();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QVariant LoadPage(const QUrl& url);
    bool TakePicture(const QByteArray& bytes);
    void PutCaretAt(const QString& anchor);
    void ApplyHouseColours();
    void SizeToScreen();

    bool m_bPageUnreadable = false;   // the last page asked for could not be read, or was too much
    int64_t m_nPicturePixels = 0;     // what the page's pictures decode to so far
    bool m_bReleased = false;         // closed, and the page let go
    int m_nLeftAt = 0;                // where the page was scrolled to when closed
};
