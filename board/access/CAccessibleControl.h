#pragma once
// A self-drawn control as a screen reader sees it. On the board, its name and description are made
// from the control's value and place each time they are asked for, so the board's refresh writes
// no words: Qt asks only while an assistive technology listens. Elsewhere it says what its window
// named it. Its buttons can be pressed from there too.

#include <QAccessibleWidget>

class CAccessibleControl : public QAccessibleWidget {
public:
    explicit CAccessibleControl(QWidget* w);

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    // The board's views hold the controls a reader walks, their rows' boxes and decoration left out.
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

    // Has Qt describe the game's self-drawn controls with this class. Qt describes a control from
    // the moment it is made, so this comes before any of them; later calls do nothing.
    static bool Install();
    // Tells a listening screen reader that `control`'s words have changed.
    static void NameChanged(QWidget* control);

private:
    bool IsView() const;
    static QAccessibleInterface* Create(const QString& key, QObject* object);
};
