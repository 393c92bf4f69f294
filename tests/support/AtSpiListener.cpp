#include "AtSpiListener.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace {

// The system's interpreter, which python3-pyatspi is installed for, whatever else is on the PATH.
const QString kPython = QStringLiteral("/usr/bin/python3");

}  // namespace

AtSpiListener::~AtSpiListener()
{
    if (m_listener.state() == QProcess::NotRunning) return;
    m_listener.terminate();
    if (!m_listener.waitForFinished(3000)) {
        m_listener.kill();
        m_listener.waitForFinished(3000);
    }
}

QString AtSpiListener::Missing()
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return QStringLiteral("a D-Bus session");
    if (!QFileInfo(kPython).isExecutable()) return QStringLiteral("python3");
    QProcess probe;
    probe.start(kPython, {QStringLiteral("-c"), QStringLiteral("import pyatspi")});
    if (!probe.waitForFinished(20000) || probe.exitCode() != 0) return QStringLiteral("python3-pyatspi");
    return QString();
}

bool AtSpiListener::Start(QString* error)
{
    m_listener.setProcessChannelMode(QProcess::SeparateChannels);
    m_listener.start(kPython, {QStringLiteral(VANTEL_ATSPI_LISTENER)});
    QString line;
    if (m_listener.waitForStarted(10000) && ReadLine(&line, 20000) && line == QStringLiteral("ready: listening")) {
        m_read = m_heard.size();
        return true;
    }
    *error = QStringLiteral("the listener did not start: ") + QString::fromLocal8Bit(m_listener.readAllStandardError());
    return false;
}

bool AtSpiListener::ReadLine(QString* line, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!m_listener.canReadLine()) {
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        if (left <= 0 || m_listener.state() != QProcess::Running || !m_listener.waitForReadyRead(left)) {
            if (!m_listener.canReadLine()) return false;
        }
    }
    *line = QString::fromUtf8(m_listener.readLine()).trimmed();
    m_heard << *line;
    return true;
}

QString AtSpiListener::Next(const QRegularExpression& matches, QRegularExpressionMatch* match, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        while (m_read < m_heard.size()) {
            const QString& line = m_heard[m_read++];
            const QRegularExpressionMatch m = matches.match(line);
            if (!m.hasMatch()) continue;
            if (match != nullptr) *match = m;
            return line;
        }
        QString line;
        const int left = timeoutMs - static_cast<int>(clock.elapsed());
        if (left <= 0 || !ReadLine(&line, left)) return QString();
    }
}
