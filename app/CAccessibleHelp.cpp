#include "CAccessibleHelp.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>

#include <algorithm>

#include "HelpLinkAccessible.h"

namespace {

// The line as shown around `offset`, its block's end included; false while the page is not laid out.
bool ShownLine(const QTextDocument* doc, int offset, int* start, int* end)
{
    const QTextBlock block = doc->findBlock(offset);
    const QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
    if (layout == nullptr || layout->lineCount() == 0) return false;
    const QTextLine line = layout->lineForTextPosition(offset - block.position());
    if (!line.isValid()) return false;
    *start = block.position() + line.textStart();
    *end = *start + line.textLength();
    if (line.lineNumber() == layout->lineCount() - 1 && block.next().isValid()) ++*end;
    return true;
}

}  // namespace

CAccessibleHelp::CAccessibleHelp(QTextBrowser* help) : QAccessibleWidget(help, QAccessible::Document) {}

CAccessibleHelp::~CAccessibleHelp()
{
    for (QAccessible::Id id : std::as_const(m_links)) QAccessible::deleteAccessibleInterface(id);
}

QTextBrowser* CAccessibleHelp::Browser() const
{
    return static_cast<QTextBrowser*>(widget());
}

void* CAccessibleHelp::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessible::Role CAccessibleHelp::role() const
{
    return QAccessible::Document;
}

QAccessible::State CAccessibleHelp::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.multiLine = true;
    s.selectableText = true;
    s.focusable = true;
    return s;
}

QAccessibleInterface* CAccessibleHelp::child(int index) const
{
    if (index < 0 || index >= childCount()) return nullptr;
    while (m_links.size() <= index) {
        auto* link = new HelpLinkAccessible(Browser(), static_cast<int>(m_links.size()));
        m_links.append(QAccessible::registerAccessibleInterface(link));
    }
    return QAccessible::accessibleInterface(m_links[index]);
}

int CAccessibleHelp::childCount() const
{
    return static_cast<int>(HelpLinkAccessible::LinksOf(Browser()->document()).size());
}

int CAccessibleHelp::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < m_links.size(); ++i) {
        if (QAccessible::accessibleInterface(m_links[i]) == child) return i < childCount() ? i : -1;
    }
    return -1;
}

QAccessibleInterface* CAccessibleHelp::childAt(int x, int y) const
{
    const int count = childCount();
    for (int i = 0; i < count; ++i) {
        QAccessibleInterface* link = child(i);
        if (link->rect().contains(x, y)) return link;
    }
    return nullptr;
}

QString CAccessibleHelp::text(QAccessible::Text t) const
{
    return QAccessibleWidget::text(t);
}

void CAccessibleHelp::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor caret = Browser()->textCursor();
    const bool any = selectionIndex == 0 && caret.hasSelection();
    *startOffset = any ? caret.selectionStart() : 0;
    *endOffset = any ? caret.selectionEnd() : 0;
}

int CAccessibleHelp::selectionCount() const
{
    return Browser()->textCursor().hasSelection() ? 1 : 0;
}

void CAccessibleHelp::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void CAccessibleHelp::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0) return;
    QTextCursor caret = Browser()->textCursor();
    caret.clearSelection();
    Browser()->setTextCursor(caret);
}

void CAccessibleHelp::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    const int count = characterCount();
    if (selectionIndex != 0) return;
    QTextCursor caret(Browser()->document());
    caret.setPosition(std::clamp(startOffset, 0, count));
    caret.setPosition(std::clamp(endOffset, 0, count), QTextCursor::KeepAnchor);
    Browser()->setTextCursor(caret);
}

int CAccessibleHelp::cursorPosition() const
{
    return Browser()->textCursor().position();
}

void CAccessibleHelp::setCursorPosition(int position)
{
    setSelection(0, position, position);
}

QString CAccessibleHelp::text(int startOffset, int endOffset) const
{
    const QString all = Browser()->toPlainText();
    const int start = std::clamp(startOffset, 0, static_cast<int>(all.size()));
    const int end = std::clamp(endOffset < 0 ? static_cast<int>(all.size()) : endOffset, start,
                               static_cast<int>(all.size()));
    return all.mid(start, end - start);
}

int CAccessibleHelp::characterCount() const
{
    return Browser()->document()->characterCount() - 1;
}

QRect CAccessibleHelp::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount()) return {};
    QTextCursor at(Browser()->document());
    at.setPosition(offset);
    QRect r = Browser()->cursorRect(at);
    at.setPosition(offset + 1);
    const QRect next = Browser()->cursorRect(at);
    if (next.top() == r.top() && next.left() > r.left()) r.setRight(next.left() - 1);
    return QRect(Browser()->viewport()->mapToGlobal(r.topLeft()), r.size());
}

int CAccessibleHelp::offsetAtPoint(const QPoint& point) const
{
    const QPoint inView = Browser()->viewport()->mapFromGlobal(point);
    if (!Browser()->viewport()->rect().contains(inView)) return -1;
    return Browser()->cursorForPosition(inView).position();
}

// Brings the words into view without moving the caret.
void CAccessibleHelp::scrollToSubstring(int startIndex, int endIndex)
{
    if (startIndex < 0 || startIndex >= characterCount() || endIndex < startIndex) return;
    QTextCursor at(Browser()->document());
    at.setPosition(startIndex);
    const QRect r = Browser()->cursorRect(at);
    if (!Browser()->viewport()->rect().contains(r))
        Browser()->verticalScrollBar()->setValue(Browser()->verticalScrollBar()->value() + r.top());
}

// The page's looks are not read out.
QString CAccessibleHelp::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = offset < 0 ? -1 : 0;
    *endOffset = offset < 0 ? -1 : characterCount();
    return {};
}

QString CAccessibleHelp::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                      int* endOffset) const
{
    const int count = characterCount();
    const int at = offset == count && count > 0 ? count - 1 : offset;
    if (boundaryType != QAccessible::LineBoundary || at < 0 || at >= count ||
        !ShownLine(Browser()->document(), at, startOffset, endOffset))
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    return text(*startOffset, *endOffset);
}

QString CAccessibleHelp::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                          int* endOffset) const
{
    int start = 0, end = 0;
    if (boundaryType != QAccessible::LineBoundary || offset <= 0 || offset > characterCount() ||
        !ShownLine(Browser()->document(), std::min(offset, characterCount() - 1), &start, &end))
        return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
    if (start == 0) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return textAtOffset(start - 1, boundaryType, startOffset, endOffset);
}

QString CAccessibleHelp::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const
{
    int start = 0, end = 0;
    if (boundaryType != QAccessible::LineBoundary || offset < 0 || offset >= characterCount() ||
        !ShownLine(Browser()->document(), offset, &start, &end))
        return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
    if (end >= characterCount()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    return textAtOffset(end, boundaryType, startOffset, endOffset);
}

bool CAccessibleHelp::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&CAccessibleHelp::Create);
        return true;
    }();
    return installed;
}

void CAccessibleHelp::CaretMoved(QTextBrowser* help)
{
    if (!QAccessible::isActive()) return;
    QAccessibleTextCursorEvent moved(help, help->textCursor().position());
    QAccessible::updateAccessibility(&moved);
}

void CAccessibleHelp::PageFocused(QTextBrowser* help)
{
    if (!QAccessible::isActive() || !help->hasFocus()) return;
    QAccessibleEvent focused(help, QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

void CAccessibleHelp::LinkReached(QTextBrowser* help)
{
    if (!QAccessible::isActive()) return;
    CaretMoved(help);
    const QTextCursor caret = help->textCursor();
    const QList<HelpLink> links = HelpLinkAccessible::LinksOf(help->document());
    for (int i = 0; i < links.size(); ++i) {
        if (links[i].start != caret.selectionStart() || links[i].end != caret.selectionEnd()) continue;
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(help)->child(i);
        if (link == nullptr) return;
        QAccessibleEvent focused(link, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
        return;
    }
}

QAccessibleInterface* CAccessibleHelp::Create(const QString& key, QObject* object)
{
    if (key != QLatin1String("CHelpWindow") || qobject_cast<QTextBrowser*>(object) == nullptr) return nullptr;
    return new CAccessibleHelp(static_cast<QTextBrowser*>(object));
}
