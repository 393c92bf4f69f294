#pragma once
// A listener on the accessibility bus, as a screen reader listens: a small pyatspi program
// (atspi-listen.py) that writes each focus move, change of words and notification it hears as a
// line, read here in order. It needs the session that tests/support/a11y-session.sh gives.

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <functional>

class AtSpiListener {
public:
    ~AtSpiListener();

    // What is missing for listening (python3, pyatspi, a D-Bus session), or an empty string.
    static QString Missing();
    // Starts listening; false, with a reason, when it does not.
    bool Start(QString* error);

    // The next line heard that `matches` (lines before it are kept in Heard()), or an empty string
    // when none comes within `timeoutMs`. The match's captures are left in `match`.
    QString Next(const QRegularExpression& matches, QRegularExpressionMatch* match = nullptr, int timeoutMs = 10000);
    // Every line heard so far.
    const QStringList& Heard() const { return m_heard; }

private:
    bool ReadLine(QString* line, int timeoutMs);

    QProcess m_listener;
    QStringList m_heard;
    int m_read = 0;   // lines of m_heard already handed out by Next
};
