#pragma once
// Words for a screen reader to speak at once, for news that no move of the focus carries: a judged
// row, a closed board, a round's end, a note that appears. Qt has no event that asks a screen
// reader to speak, but a screen reader speaks a notification as it shows: each window has one
// notification object, not drawn and no widget, that shows anew with the words as its name, in a
// status line of its own, whose notes a reader says as their words alone.
//
//   CAnnouncer::Of(this).Announce(QStringLiteral("THAT CHOICE COULD NOT BE SAVED"));

#include <QAccessible>
#include <QObject>
#include <QString>

class QWidget;

class CAnnouncer : public QObject {
    Q_OBJECT
public:
    // The announcer of `w`'s window, made the first time it is asked for.
    static CAnnouncer& Of(QWidget* w);

    // Has `words` spoken now, even when they are the last ones again; empty words say nothing.
    void Announce(const QString& words);

    // The last words announced; empty before the first.
    const QString& Words() const { return m_words; }
    bool Showing() const { return m_bShowing; }
    QWidget* Window() const;

private:
    explicit CAnnouncer(QWidget* window);
    void Tell(QAccessible::Event event);

    QString m_words;
    bool m_bShowing = false;
};
