#include "HelpLinkAccessible.h"

#include <QTextBlock>
#include <QTextBrowser>

HelpLinkAccessible::HelpLinkAccessible(QTextBrowser* help, int index) : m_help(help), m_index(index) {}

QList<HelpLink> HelpLinkAccessible::LinksOf(const QTextDocument* doc)
{
    QList<HelpLink> links;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QString href = f.charFormat().isAnchor() ? f.charFormat().anchorHref() : QString();
            if (href.isEmpty()) continue;
            if (!links.isEmpty() && links.last().end == f.position() && links.last().href == href)
                links.last().end += f.length();
            else
                links.append({f.position(), f.position() + f.length(), href});
        }
    }
    return links;
}

bool HelpLinkAccessible::isValid() const
{
    return Link().has_value();
}

// No object of its own: the words live in the page.
QObject* HelpLinkAccessible::object() const
{
    return nullptr;
}

QWindow* HelpLinkAccessible::window() const
{
    return m_help != nullptr ? m_help->window()->windowHandle() : nullptr;
}

QAccessibleInterface* HelpLinkAccessible::parent() const
{
    return m_help != nullptr ? QAccessible::queryAccessibleInterface(m_help) : nullptr;
}

QAccessibleInterface* HelpLinkAccessible::child(int) const
{
    return nullptr;
}

int HelpLinkAccessible::childCount() const
{
    return 0;
}

int HelpLinkAccessible::indexOfChild(const QAccessibleInterface*) const
{
    return -1;
}

QAccessibleInterface* HelpLinkAccessible::childAt(int, int) const
{
    return nullptr;
}

QString HelpLinkAccessible::text(QAccessible::Text t) const
{
    const std::optional<HelpLink> link = Link();
    if (!link || t != QAccessible::Name) return {};
    return m_help->toPlainText().mid(link->start, link->end - link->start).simplified();
}

void HelpLinkAccessible::setText(QAccessible::Text, const QString&) {}

QRect HelpLinkAccessible::rect() const
{
    const std::optional<HelpLink> link = Link();
    if (!link) return {};
    const QRect r = ViewportRect(*link);
    return QRect(m_help->viewport()->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::Role HelpLinkAccessible::role() const
{
    return QAccessible::Link;
}

// Focused while Tab has the caret on it, as a control would be.
QAccessible::State HelpLinkAccessible::state() const
{
    QAccessible::State s;
    s.focusable = true;
    s.linked = true;
    const std::optional<HelpLink> link = Link();
    if (!link) return s;
    const QTextCursor caret = m_help->textCursor();
    s.focused = m_help->hasFocus() && caret.selectionStart() == link->start && caret.selectionEnd() == link->end;
    s.invisible = !m_help->isVisible();
    s.offscreen = !m_help->viewport()->rect().intersects(ViewportRect(*link));
    return s;
}

void* HelpLinkAccessible::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList HelpLinkAccessible::actionNames() const
{
    return {pressAction()};
}

QStringList HelpLinkAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}

// As Tab and Enter would: the caret on the link, then the page goes where it leads. A hidden
// window's links are not followed.
void HelpLinkAccessible::doAction(const QString& action)
{
    const std::optional<HelpLink> link = Link();
    if (action != pressAction() || !link || !m_help->isVisible()) return;
    QTextCursor caret(m_help->document());
    caret.setPosition(link->start);
    caret.setPosition(link->end, QTextCursor::KeepAnchor);
    m_help->setTextCursor(caret);
    m_help->setSource(m_help->source().resolved(QUrl(link->href)));
}

std::optional<HelpLink> HelpLinkAccessible::Link() const
{
    if (m_help == nullptr) return std::nullopt;
    const QList<HelpLink> links = LinksOf(m_help->document());
    return m_index < links.size() ? std::optional<HelpLink>(links[m_index]) : std::nullopt;
}

// Where the link is drawn in the viewport; one wrapped onto a second line is given its first.
QRect HelpLinkAccessible::ViewportRect(const HelpLink& link) const
{
    QTextCursor c(m_help->document());
    c.setPosition(link.start);
    const QRect first = m_help->cursorRect(c);
    c.setPosition(link.end);
    const QRect last = m_help->cursorRect(c);
    if (last.top() != first.top()) return QRect(first.topLeft(), QPoint(m_help->viewport()->width(), first.bottom()));
    return first.united(last);
}
