#include "CHelpWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QUrl>

#include <algorithm>
#include <optional>

#include "CAccessibleHelp.h"
#include "HelpFile.h"

namespace {

constexpr QSize kPreferredSize(860, 900);

}  // namespace

CHelpWindow::CHelpWindow(const QString& page, QWidget* owner) : QTextBrowser(owner)
{
    CAccessibleHelp::Install();   // before the page is set, which a listening reader hears
    setWindowFlags(Qt::Window);
    setOpenLinks(true);           // the page's own links, to its sections, move within it
    setOpenExternalLinks(false);  // and nothing leaves the game
    // Read as a document: a caret that the arrows move line by line, and a screen reader with
    // it; Tab goes from link to link and Enter follows one.
    setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    // The page wraps to the window's width; its centring margins can come out a pixel wider.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ApplyHouseColours();
    setSource(QUrl::fromLocalFile(page));
    const QString title = documentTitle();
    setWindowTitle(title.isEmpty() ? tr("Vantel Instructions") : title);
    SizeToScreen();
}

void CHelpWindow::Present()
{
    if (m_bReleased) {
        // The page is read afresh, as the player may have changed it, and shown where it was left.
        m_bReleased = false;
        reload();
        verticalScrollBar()->setValue(m_nLeftAt);
    }
    show();
    raise();
    // The page holds the keyboard's focus in its window, so a screen reader is told it has it.
    setFocus(Qt::ActiveWindowFocusReason);
    activateWindow();
}

void CHelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

// Tab puts the caret on a link without the text edit's word of it; a screen reader is told.
bool CHelpWindow::focusNextPrevChild(bool next)
{
    const bool onLink = QTextBrowser::focusNextPrevChild(next);
    if (onLink && textCursor().hasSelection()) CAccessibleHelp::LinkReached(this);
    return onLink;
}

// A page that cannot be read says so in the window instead of leaving it blank.
void CHelpWindow::doSetSource(const QUrl& name, QTextDocument::ResourceType type)
{
    m_bPageUnreadable = false;
    QTextBrowser::doSetSource(name, type);
    if (m_bPageUnreadable) setPlainText(tr("The instructions could not be opened."));
    else if (name.hasFragment()) PutCaretAt(name.fragment());
}

// A link followed to a section takes the caret along, so reading goes on from the section's
// heading rather than from the link left behind, and the next Tab goes on from there.
void CHelpWindow::PutCaretAt(const QString& anchor)
{
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().anchorNames().contains(anchor)) continue;
            CAccessibleHelp::PageFocused(this);
            QTextCursor caret(document());
            caret.setPosition(it.fragment().position());
            setTextCursor(caret);
            scrollToAnchor(anchor);
            CAccessibleHelp::CaretMoved(this);
            return;
        }
    }
}

// Every file the page uses is read as the page itself: a regular file of a bounded size, never
// waited for. Anything that is no local file is refused; an empty answer (rather than none) keeps
// the document from trying the file itself.
QVariant CHelpWindow::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    const std::optional<QByteArray> bytes =
        url.isLocalFile() ? ReadHelpFile(url.toLocalFile()) : std::optional<QByteArray>();
    if (bytes) return *bytes;
    if (type == QTextDocument::HtmlResource) m_bPageUnreadable = true;
    return QByteArray();
}

// Closed, the window keeps its place and the page's address but not the page.
void CHelpWindow::closeEvent(QCloseEvent* event)
{
    m_nLeftAt = verticalScrollBar()->value();
    m_bReleased = true;
    document()->clear();
    QTextBrowser::closeEvent(event);
}

// The page's own dark colours, also where the text browser does not read its style sheet.
void CHelpWindow::ApplyHouseColours()
{
    QPalette dark = palette();
    dark.setColor(QPalette::Base, QColor(0x0b, 0x0b, 0x10));
    dark.setColor(QPalette::Window, Qt::black);
    dark.setColor(QPalette::Text, QColor(0xe6, 0xe6, 0xea));
    dark.setColor(QPalette::Link, QColor(0x4d, 0x9b, 0xff));
    dark.setColor(QPalette::LinkVisited, QColor(0x4d, 0x9b, 0xff));
    setPalette(dark);
}

// Tall enough to read; never larger than the screen's free area, whatever the board's scale.
void CHelpWindow::SizeToScreen()
{
    QSize size = kPreferredSize;
    if (const QScreen* s = parentWidget() != nullptr ? parentWidget()->screen() : screen()) {
        const QSize room = s->availableGeometry().size() * 9 / 10;
        size = size.boundedTo(room).expandedTo(QSize(320, 240));
    }
    resize(size);
}
