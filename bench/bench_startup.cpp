// Start-up of a real program as the player sees it: from the moment the process is started to the
// moment the whole first frame of its window has reached the X display, and the process's peak
// memory. Runs against the display in DISPLAY (Xvfb in bench/run.sh); the program under test is
// started as it is shipped, with nothing added to it. The bare window is the yardstick.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "BenchTable.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Program {
    std::string name;
    std::string path;
    std::vector<std::string> env;   // NAME=value set for it; NAME= alone removes NAME
};

struct Outcome {
    bool shown = false;
    double seconds = 0;      // process start to the whole first frame
    double peakMiB = 0;      // peak resident memory over the whole run
    bool gtkTheme = false;   // the GTK platform theme was loaded
};

int IgnoreXErrors(Display*, XErrorEvent*) { return 0; }   // windows of ended runs vanish at any time

class XWatcher {
public:
    XWatcher()
    {
        m_dpy = XOpenDisplay(nullptr);
        if (m_dpy == nullptr) return;
        XSetErrorHandler(IgnoreXErrors);
        int error = 0;
        if (!XDamageQueryExtension(m_dpy, &m_damageEvent, &error)) {
            XCloseDisplay(m_dpy);
            m_dpy = nullptr;
            return;
        }
        XSelectInput(m_dpy, DefaultRootWindow(m_dpy), SubstructureNotifyMask);
        XSync(m_dpy, False);
    }
    bool Ok() const { return m_dpy != nullptr; }

    // Watches the display until a new top-level window has been mapped and painted whole.
    bool WaitForFirstFrame(Clock::time_point deadline)
    {
        Drain();
        std::map<Window, Tracked> windows;
        while (Clock::now() < deadline) {
            if (!XPending(m_dpy) && !WaitReadable(deadline)) return false;
            while (XPending(m_dpy)) {
                XEvent e;
                XNextEvent(m_dpy, &e);
                if (Handle(e, windows)) return true;
            }
        }
        return false;
    }

private:
    struct Tracked {
        int w = 0, h = 0;
        bool mapped = false;
        Region painted = nullptr;
    };

    bool Handle(const XEvent& e, std::map<Window, Tracked>& windows)
    {
        if (e.type == CreateNotify && !e.xcreatewindow.override_redirect) {
            Tracked& t = windows[e.xcreatewindow.window];
            t.w = e.xcreatewindow.width;
            t.h = e.xcreatewindow.height;
            t.painted = XCreateRegion();
            XDamageCreate(m_dpy, e.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (e.type == ConfigureNotify && windows.count(e.xconfigure.window)) {
            windows[e.xconfigure.window].w = e.xconfigure.width;
            windows[e.xconfigure.window].h = e.xconfigure.height;
        } else if (e.type == MapNotify && windows.count(e.xmap.window)) {
            windows[e.xmap.window].mapped = true;
        } else if (e.type == m_damageEvent + XDamageNotify) {
            const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
            auto found = windows.find(d.drawable);
            if (found == windows.end() || !found->second.mapped) return false;
            Tracked& t = found->second;
            XRectangle r = d.area;
            XUnionRectWithRegion(&r, t.painted, t.painted);
            return t.w > 0 && XRectInRegion(t.painted, 0, 0, t.w, t.h) == RectangleIn;
        }
        return false;
    }

    bool WaitReadable(Clock::time_point deadline)
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd p{ConnectionNumber(m_dpy), POLLIN, 0};
        return poll(&p, 1, static_cast<int>(left.count()) + 1) > 0;
    }

    void Drain()
    {
        XSync(m_dpy, False);
        while (XPending(m_dpy)) {
            XEvent e;
            XNextEvent(m_dpy, &e);
        }
    }

    Display* m_dpy = nullptr;
    int m_damageEvent = 0;
};

XWatcher& TheDisplay()
{
    static XWatcher d;
    return d;
}

std::vector<std::string> ChildEnvironment(const Program& p)
{
    std::map<std::string, std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string s = *e;
        const auto eq = s.find('=');
        if (eq != std::string::npos) env[s.substr(0, eq)] = s.substr(eq + 1);
    }
    // A desktop is named only where a run asks for one; the player's own data stays untouched.
    for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "QT_QPA_PLATFORMTHEME"})
        env.erase(name);
    env["QT_QPA_PLATFORM"] = "xcb";
    env["XDG_DATA_HOME"] = "/tmp/vantel-bench-data";
    for (const std::string& s : p.env) {
        const auto eq = s.find('=');
        if (eq + 1 == s.size()) env.erase(s.substr(0, eq));
        else env[s.substr(0, eq)] = s.substr(eq + 1);
    }
    std::vector<std::string> out;
    for (const auto& [k, v] : env) out.push_back(k + "=" + v);
    return out;
}

bool MapsGtkTheme(pid_t pid)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find("libqgtk3") != std::string::npos) return true;
    return false;
}

Outcome Launch(const Program& p)
{
    Outcome out;
    std::vector<std::string> env = ChildEnvironment(p);
    std::vector<char*> envp;
    for (std::string& s : env) envp.push_back(s.data());
    envp.push_back(nullptr);
    std::string path = p.path;
    char* argv[] = {path.data(), nullptr};

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // What the program says on its way is not part of the measurement.
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execve(argv[0], argv, envp.data());
        _exit(127);
    }
    if (pid < 0) return out;
    out.shown = TheDisplay().WaitForFirstFrame(start + std::chrono::seconds(20));
    out.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    out.gtkTheme = MapsGtkTheme(pid);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    out.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return out;
}

void StartUp(benchmark::State& state, const Program& p)
{
    if (!TheDisplay().Ok()) {
        state.SkipWithError("no X display with the DAMAGE extension");
        return;
    }
    // The first start reads everything from disk; a player's second one does not.
    static std::map<std::string, bool> warmed;
    if (!warmed[p.name]) Launch(p);
    warmed[p.name] = true;
    Outcome last;
    for (auto _ : state) {
        last = Launch(p);
        if (!last.shown) {
            state.SkipWithError("no whole first frame within 20 s");
            break;
        }
        state.SetIterationTime(last.seconds);
    }
    state.counters["peak_MiB"] = last.peakMiB;
    state.counters["gtk3_theme"] = last.gtkTheme ? 1 : 0;
}

// --game=PATH measures another build of the game, e.g. an installed one.
std::string TakeOption(int& argc, char** argv, const std::string& name, std::string fallback)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], name.c_str(), name.size()) != 0) continue;
        fallback = argv[i] + name.size();
        for (int j = i; j < argc; ++j) argv[j] = argv[j + 1];
        --argc;
        break;
    }
    return fallback;
}

void Register(const Program& p)
{
    benchmark::RegisterBenchmark(p.name.c_str(), StartUp, p)
        ->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(15)
        ->ReportAggregatesOnly(true);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string game = TakeOption(argc, argv, "--game=", VANTEL_GAME);
    // --before=PATH puts an earlier build of the game beside this one, both in English.
    const std::string before = TakeOption(argc, argv, "--before=", "");
    Register({"StartUp/bare_window", VANTEL_BARE_WINDOW, {}});
    if (!before.empty()) Register({"StartUp/game_before", before, {"LC_ALL=C.UTF-8", "LANGUAGE="}});
    // The player's language: English (the locale C) and German side by side.
    Register({"StartUp/game", game, {"LC_ALL=C.UTF-8", "LANGUAGE="}});
    Register({"StartUp/game_in_German", game, {"LC_ALL=de_DE.UTF-8", "LANGUAGE=de"}});
    // A high-DPI screen: 3840 x 2160 at scale 2 (bench/run.sh starts the display that large).
    Register({"StartUp/bare_window_at_2x", VANTEL_BARE_WINDOW, {"QT_SCALE_FACTOR=2"}});
    Register({"StartUp/game_at_2x", game, {"QT_SCALE_FACTOR=2"}});
    Register({"StartUp/game_on_GNOME", game, {"XDG_CURRENT_DESKTOP=GNOME"}});
    // What a GNOME desktop costs when the GTK theme is loaded after all.
    Register({"StartUp/game_on_GNOME_gtk3_theme", game,
              {"XDG_CURRENT_DESKTOP=GNOME", "QT_QPA_PLATFORMTHEME=gtk3"}});
    return RunBenchmarks(argc, argv, "xcb (Xvfb)");
}
