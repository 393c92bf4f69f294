#include "XSession.h"

#include "DummyXorg.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kStartTimeoutMs = 20000;
constexpr int kToolTimeoutMs = 10000;
constexpr int kDragSteps = 10;
constexpr int kBelowOutput = 16;

QString Num(int v) { return QString::number(v); }

}  // namespace

XSession::XSession() = default;

XSession::~XSession()
{
    Stop(m_program);
    m_compositor.reset();
    Stop(m_server);
}

QString XSession::MissingTools()
{
    QStringList missing;
    for (const char* tool : {"Xvfb", "xdotool", "import"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            missing << QString::fromLatin1(tool);
    return missing.join(QStringLiteral(", "));
}

void XSession::Stop(QProcess& p)
{
    if (p.state() == QProcess::NotRunning) return;
    p.terminate();
    if (!p.waitForFinished(3000)) {
        p.kill();
        p.waitForFinished(3000);
    }
}

bool XSession::Start(const QString& program, QString* error, QSize screen)
{
    if (!m_home.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    return StartServer(error, screen) && StartProgram(program, error);
}

bool XSession::StartServer(QString* error, QSize screen)
{
    return Launch(QStringLiteral("exec Xvfb -displayfd 3 -screen 0 %1x%2x24 -nolisten tcp -noreset 3>\"$0\"")
                      .arg(screen.width())
                      .arg(screen.height()),
                  {}, QStringLiteral("Xvfb"), error);
}

bool XSession::StartXorg(QString* error, const QList<QRect>& outputs)
{
    const QStringList args = DummyXorg::Prepare(m_home.path(), outputs, error);
    return !args.isEmpty() && Launch(QStringLiteral("exec Xorg -displayfd 3 \"$@\" 3>\"$0\""), args,
                                     QStringLiteral("Xorg"), error);
}

// The server picks a free display number itself and writes it to descriptor 3 once it listens.
bool XSession::Launch(const QString& command, const QStringList& args, const QString& name, QString* error)
{
    const QString numberFile = m_home.filePath(QStringLiteral("display"));
    m_server.setProgram(QStringLiteral("sh"));
    m_server.setArguments(QStringList{QStringLiteral("-c"), command, numberFile} + args);
    // Its notes on the display numbers it tried are kept for when it fails.
    const QString log = m_home.filePath(QStringLiteral("server.log"));
    m_server.setStandardOutputFile(log);
    m_server.setStandardErrorFile(log);
    m_server.start();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartTimeoutMs && m_server.state() != QProcess::NotRunning) {
        QFile f(numberFile);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray text = f.readAll();
            if (text.endsWith('\n')) {
                m_display = QStringLiteral(":") + QString::fromLatin1(text.trimmed());
                return true;
            }
        }
        QThread::msleep(20);
    }
    QFile notes(log);
    notes.open(QIODevice::ReadOnly);
    *error = name + QStringLiteral(" did not start: ") + QString::fromLocal8Bit(notes.readAll());
    return false;
}

bool XSession::StartProgram(const QString& program, QString* error)
{
    // A fresh home: the player's real statistics and configuration stay untouched.
    const QDir home(m_home.path());
    for (const char* sub : {"data", "config", "cache", "runtime"}) home.mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    const bool wayland = !m_wayland.isEmpty();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), wayland ? QStringLiteral("wayland") : QStringLiteral("xcb"));
    if (!m_wayland.isEmpty()) env.insert(QStringLiteral("WAYLAND_DISPLAY"), m_wayland);
    env.insert(QStringLiteral("QT_ENABLE_HIGHDPI_SCALING"), QStringLiteral("0"));   // one pixel per pixel
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    // English, whatever the machine's language, unless the test asks for another.
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.remove(QStringLiteral("LANGUAGE"));
    for (const QString& name : m_extraEnv.keys()) env.insert(name, m_extraEnv.value(name));
    m_program.setProcessEnvironment(env);
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    m_program.start(program, {});
    if (!m_program.waitForStarted(kStartTimeoutMs)) {
        *error = QStringLiteral("the game did not start: ") + program;
        return false;
    }
    // On Wayland the compositor's output is the window the test sees.
    if (!m_wayland.isEmpty()) return true;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kStartTimeoutMs && m_program.state() == QProcess::Running) {
        const QByteArray ids = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                        QStringLiteral("--name"), QStringLiteral("^Vantel$")});
        const QList<QByteArray> lines = ids.trimmed().split('\n');
        if (!lines.first().isEmpty()) {
            m_window = QString::fromLatin1(lines.first());
            return true;
        }
        QThread::msleep(50);
    }
    *error = QStringLiteral("no window titled Vantel appeared");
    return false;
}

bool XSession::StartOnWayland(const QString& program, QString* error, const WestonCompositor::Output& output)
{
    if (!m_home.isValid()) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    // A strip of screen below the output, for the pointer to enter the output from.
    return StartServer(error, output.Pixels() + QSize(0, kBelowOutput)) && StartCompositor(error, output) &&
           StartProgram(program, error);
}

// The game sees the compositor; the test sees the compositor's output, a window on the X display.
bool XSession::StartCompositor(QString* error, const WestonCompositor::Output& output)
{
    const QDir home(m_home.path());
    home.mkpath(QStringLiteral("runtime"));
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_compositor = std::make_unique<WestonCompositor>();
    if (!m_compositor->Start(m_display, runtime, output, error)) return false;
    m_wayland = WestonCompositor::Socket();
    m_output = output.Pixels();
    const QStringList search{QStringLiteral("search"), QStringLiteral("--class"),
                             QStringLiteral("^Weston Compositor$")};
    if (WaitUntil([&] {
            m_window = QString::fromLatin1(Xdotool(search).trimmed().split('\n').first());
            return !m_window.isEmpty();
        }, kStartTimeoutMs)) {
        // weston follows the X pointer once it has entered its output window: a pointer already
        // there when the window appeared would never be seen.
        Xdotool({QStringLiteral("mousemove"), Num(0), Num(m_output.height() + kBelowOutput / 2),
                 QStringLiteral("sleep"), QStringLiteral("0.1")});
        Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), m_window, Num(0), Num(m_output.height() - 1)});
        return true;
    }
    *error = QStringLiteral("weston's output never showed");
    return false;
}

QByteArray XSession::Tool(const QString& program, const QStringList& args) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(kToolTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return p.readAllStandardOutput();
}

QImage XSession::Grab() const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    p.setProcessEnvironment(env);
    // A raw pixel map: quick to write and to read, and exact.
    p.start(QStringLiteral("import"), {QStringLiteral("-window"), m_window, QStringLiteral("ppm:-")});
    if (!p.waitForFinished(kToolTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QImage::fromData(p.readAllStandardOutput(), "PPM").convertToFormat(QImage::Format_RGB32);
}

QRect XSession::WindowGeometry() const
{
    // Lines of "X=..", "Y=..", "WIDTH=..", "HEIGHT=..".
    const QByteArray text = Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), m_window});
    int v[4] = {};
    const char* keys[4] = {"X=", "Y=", "WIDTH=", "HEIGHT="};
    for (const QByteArray& line : text.split('\n'))
        for (int i = 0; i < 4; ++i)
            if (line.startsWith(keys[i])) v[i] = line.mid(static_cast<int>(qstrlen(keys[i]))).toInt();
    return {v[0], v[1], v[2], v[3]};
}

void XSession::Click(QPoint p) const
{
    QStringList a{QStringLiteral("mousemove"), QStringLiteral("--window"), m_window, Num(p.x()), Num(p.y()),
                  QStringLiteral("sleep"), QStringLiteral("0.05"), QStringLiteral("click"), QStringLiteral("1")};
    AppendPark(a);
    Xdotool(a);
}

void XSession::Press(QPoint p) const
{
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), m_window, Num(p.x()), Num(p.y()),
             QStringLiteral("sleep"), QStringLiteral("0.05"),
             QStringLiteral("mousedown"), QStringLiteral("1")});
}

void XSession::Release() const
{
    QStringList a{QStringLiteral("mouseup"), QStringLiteral("1")};
    AppendPark(a);
    Xdotool(a);
}

// A compositor draws the pointer into its output, over what the test reads there: once let go,
// the pointer rests in the output's bottom left corner, outside the window.
void XSession::AppendPark(QStringList& a) const
{
    if (!m_wayland.isEmpty()) AppendMove(a, QPoint(0, m_output.height() - 1), "0.05");
}

void XSession::Keys(const QStringList& keys) const
{
    Xdotool(QStringList{QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_window, QStringLiteral("key"),
                        QStringLiteral("--delay"), QStringLiteral("20")} +
            keys);
}

void XSession::AppendMove(QStringList& a, QPoint p, const char* pause) const
{
    a << QStringLiteral("mousemove") << QStringLiteral("--window") << m_window << Num(p.x()) << Num(p.y())
      << QStringLiteral("sleep") << QString::fromLatin1(pause);
}

void XSession::AppendGlide(QStringList& a, QPoint from, QPoint to) const
{
    for (int i = 1; i <= kDragSteps; ++i) AppendMove(a, from + (to - from) * i / kDragSteps, "0.02");
    // A last wiggle so the target sees the pointer settle on it.
    AppendMove(a, to + QPoint(1, 0), "0.04");
    AppendMove(a, to, "0.06");
}

void XSession::Glide(QPoint from, QPoint to) const
{
    QStringList a;
    AppendGlide(a, from, to);
    Xdotool(a);
}

void XSession::Drag(QPoint from, QPoint to, bool release) const
{
    QStringList a;
    AppendMove(a, from, "0.03");
    a << QStringLiteral("mousedown") << QStringLiteral("1");
    // Out past the drag distance in a few short steps, then on to the target.
    for (int d : {3, 7, 14}) AppendMove(a, from + QPoint(d, d / 2), "0.03");
    AppendGlide(a, from + QPoint(14, 7), to);
    if (release) {
        a << QStringLiteral("mouseup") << QStringLiteral("1");
        AppendPark(a);
    }
    Xdotool(a);
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    do {
        if (done()) return true;
        QThread::msleep(20);
    } while (clock.elapsed() < timeoutMs);
    return false;
}

bool XSession::WaitFor(const std::function<bool(const QImage&)>& done, int timeoutMs) const
{
    return WaitUntil([&] {
        const QImage shot = Grab();
        return !shot.isNull() && done(shot);
    }, timeoutMs);
}

QString XSession::Snapshot(const QString& name) const
{
    const QString dir = QDir::temp().filePath(QStringLiteral("vantel-e2e"));
    QDir().mkpath(dir);
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    Grab().save(path);
    return path;
}
