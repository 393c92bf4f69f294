#include "WestonCompositor.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QStandardPaths>

#include "XSession.h"

WestonCompositor::~WestonCompositor()
{
    if (m_process.state() == QProcess::NotRunning) return;
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
}

QString WestonCompositor::Missing()
{
    QStringList missing;
    if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty()) missing << QStringLiteral("weston");
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    if (!QFile::exists(plugins + QStringLiteral("/platforms/libqwayland-generic.so")))
        missing << QStringLiteral("qt6-wayland");
    return missing.join(QStringLiteral(", "));
}

bool WestonCompositor::Start(const QString& display, const QString& folder, const Output& output, QString* error)
{
    const QDir dir(folder);
    QFile ini(dir.filePath(QStringLiteral("weston.ini")));
    if (!ini.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("cannot write ") + ini.fileName();
        return false;
    }
    ini.write("[core]\nidle-time=0\n[shell]\nlocking=false\npanel-position=");
    ini.write(output.panel ? "top\n" : "none\n");
    ini.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    m_process.setProcessEnvironment(env);
    const QString log = dir.filePath(QStringLiteral("weston.log"));
    m_process.setStandardOutputFile(log);
    m_process.setStandardErrorFile(log);
    m_process.start(QStringLiteral("weston"),
                    {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--use-pixman"),
                     QStringLiteral("--width=%1").arg(output.size.width()),
                     QStringLiteral("--height=%1").arg(output.size.height()),
                     QStringLiteral("--scale=%1").arg(output.scale), QStringLiteral("--socket=") + Socket(),
                     QStringLiteral("--config=") + ini.fileName(), QStringLiteral("--idle-time=0")});
    if (WaitUntil([&] { return QFile::exists(dir.filePath(Socket())); }, 20000)) return true;
    QFile notes(log);
    notes.open(QIODevice::ReadOnly);
    *error = QStringLiteral("weston did not start: ") + QString::fromLocal8Bit(notes.readAll());
    return false;
}
