#include "CHelpWindow.h"

#include <QKeyEvent>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace {

constexpr QSize kPreferredSize(860, 900);

}  // namespace

CHelpWindow::CHelpWindow(const QString& page, QWidget* owner) : QTextBrowser(owner)
{
    setWindowFlags(Qt::Window);
    setOpenLinks(true);           // the page's own links, to its sections, move within it
    setOpenExternalLinks(false);  // and nothing leaves the game
    // The page wraps to the window's width; its centring margins can come out a pixel wider.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ApplyHouseColours();
    setSource(QUrl::fromLocalFile(page));
    const QString title = documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Vantel Instructions") : title);
    SizeToScreen();
}

void CHelpWindow::Present()
{
    show();
    raise();
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
