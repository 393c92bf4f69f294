#pragma once
// The help window as a screen reader sees it: a document, read line by line where the caret
// stands, whose links are children of their own that a reader lists, announces and follows.
// Qt would call a read-only text browser static text and leave its links as plain words.

#include <QAccessibleWidget>

class QTextBrowser;

class CAccessibleHelp : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit CAccessibleHelp(QTextBrowser* help);
    ~CAccessibleHelp() override;

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    // The page's links, in the order they are read.
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // The page's text; offsets are the document's positions.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(QAccessible::Text t) const override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    // A line is a line as shown, wrapped to the window's width.
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;

    // Has Qt describe every help window with this class; later calls do nothing.
    static bool Install();
    // Tells a listening screen reader that Tab has put `help`'s caret on a link: the caret's move,
    // and the link's focus as a control's would be.
    static void LinkReached(QTextBrowser* help);
    // Tells a listening screen reader that `help`'s caret has moved where no key moved it.
    static void CaretMoved(QTextBrowser* help);
    // Tells a listening screen reader that the page holds the focus again, which a link held to
    // the reader while Tab had the caret on it: told as a link is followed, before the caret moves
    // to its section, the reader reads the page from the section's heading on.
    static void PageFocused(QTextBrowser* help);

private:
    QTextBrowser* Browser() const;
    static QAccessibleInterface* Create(const QString& key, QObject* object);

    mutable QList<QAccessible::Id> m_links;   // the links' interfaces, made as they are asked for
};
