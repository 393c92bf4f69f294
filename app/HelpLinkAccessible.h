#pragma once
// One link of the help page as a screen reader sees it: named by its words, placed where it is
// drawn, and followed by its press as Tab and Enter would follow it. It finds its link afresh by
// its place among the page's links each time it is asked, so a page read again or let go never
// leaves it pointing at words no longer there.

#include <QAccessible>
#include <QList>
#include <QPointer>
#include <QString>

#include <optional>

class QTextBrowser;
class QTextDocument;

struct HelpLink {
    int start;   // the document's positions of its words
    int end;
    QString href;
};

class HelpLinkAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    HelpLinkAccessible(QTextBrowser* help, int index);

    // The page's links in reading order; a link's words split by a change of style are one link.
    static QList<HelpLink> LinksOf(const QTextDocument* doc);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    QStringList keyBindingsForAction(const QString& action) const override;
    void doAction(const QString& action) override;

private:
    std::optional<HelpLink> Link() const;
    QRect ViewportRect(const HelpLink& link) const;

    QPointer<QTextBrowser> m_help;
    int m_index;
};
