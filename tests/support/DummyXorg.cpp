#include "DummyXorg.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

// Below the driver's 300 MHz pixel clock even for 3840x2160.
constexpr int kRefreshHz = 30;
constexpr int kMinVideoRamKb = 256000;

QString Num(int v) { return QString::number(v); }

QString ModeName(const QRect& r) { return Num(r.width()) + QLatin1Char('x') + Num(r.height()); }

// A mode with short blanking: nothing scans it out, only its size matters.
QString Modeline(const QRect& r)
{
    const int w = r.width(), h = r.height();
    const double clockMhz = double(w + 80) * (h + 10) * kRefreshHz / 1e6;
    return QStringLiteral("    Modeline \"%1\" %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
        .arg(ModeName(r), QString::number(clockMhz, 'f', 2))
        .arg(w).arg(w + 20).arg(w + 40).arg(w + 80)
        .arg(h).arg(h + 3).arg(h + 6).arg(h + 10);
}

// "Enable" lights an output the driver reports as disconnected.
QString MonitorSection(int i, const QRect& r)
{
    return QStringLiteral("Section \"Monitor\"\n    Identifier \"monitor%1\"\n"
                          "    HorizSync 5.0-1000.0\n    VertRefresh 5.0-200.0\n").arg(i) +
           Modeline(r) +
           QStringLiteral("    Option \"PreferredMode\" \"%1\"\n    Option \"Position\" \"%2 %3\"\n"
                          "    Option \"Enable\" \"true\"\nEndSection\n")
               .arg(ModeName(r)).arg(r.x()).arg(r.y());
}

bool WriteFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size() && f.flush();
}

}  // namespace

bool DummyXorg::Installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xorg")).isEmpty() &&
           QFile::exists(QStringLiteral("/usr/lib/xorg/modules/drivers/dummy_drv.so"));
}

QString DummyXorg::Config(const QList<QRect>& outputs)
{
    QRect bounds;
    for (const QRect& r : outputs) bounds |= r;
    const int videoRamKb = std::max(kMinVideoRamKb, bounds.right() * bounds.bottom() / 256 + 1);
    // No input devices from udev: the tests' pointer and keys come through XTEST.
    QString text = QStringLiteral("Section \"ServerFlags\"\n    Option \"AutoAddDevices\" \"false\"\n"
                                  "    Option \"AutoAddGPU\" \"false\"\n    Option \"DontVTSwitch\" \"true\"\n"
                                  "EndSection\n"
                                  "Section \"Device\"\n    Identifier \"card\"\n    Driver \"dummy\"\n"
                                  "    VideoRam %1\n").arg(videoRamKb);
    for (int i = 0; i < outputs.size(); ++i)
        text += QStringLiteral("    Option \"Monitor-DUMMY%1\" \"monitor%1\"\n").arg(i);
    text += QStringLiteral("EndSection\n");
    for (int i = 0; i < outputs.size(); ++i) text += MonitorSection(i, outputs[i]);
    text += QStringLiteral("Section \"Screen\"\n    Identifier \"screen\"\n    Device \"card\"\n"
                           "    Monitor \"monitor0\"\n    DefaultDepth 24\n    SubSection \"Display\"\n"
                           "        Depth 24\n        Virtual %1 %2\n    EndSubSection\nEndSection\n")
                .arg(bounds.right() + 1).arg(bounds.bottom() + 1);
    return text;
}

QStringList DummyXorg::Prepare(const QString& folder, const QList<QRect>& outputs, QString* error)
{
    const QDir home(folder);
    // A folder of its own, so that no configuration of this machine's Xorg applies; Xorg falls back
    // to the machine's own folder when the one it is given holds no file.
    const QString dir = home.filePath(QStringLiteral("xorg.conf.d"));
    const QString config = home.filePath(QStringLiteral("xorg.conf"));
    if (!home.mkpath(dir) || !WriteFile(config, Config(outputs).toUtf8()) ||
        !WriteFile(QDir(dir).filePath(QStringLiteral("none.conf")),
                   "# Only the configuration given on the command line applies.\n")) {
        *error = QStringLiteral("cannot write ") + config;
        return {};
    }
    return {QStringLiteral("-config"), config, QStringLiteral("-configdir"), dir, QStringLiteral("-noreset"),
            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-logfile"),
            home.filePath(QStringLiteral("Xorg.log"))};
}
