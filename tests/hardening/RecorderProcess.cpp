#include "RecorderProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

extern char** environ;

RecorderProcess::RecorderProcess(const std::filesystem::path& base, int variant, int total)
{
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    const std::string variantText = std::to_string(variant);
    const std::string totalText = std::to_string(total);
    std::vector<char*> argv = {const_cast<char*>(RECORD_LOOP), const_cast<char*>(base.c_str()),
                               const_cast<char*>(variantText.c_str()), const_cast<char*>(totalText.c_str()),
                               nullptr};
    if (::posix_spawn(&m_pid, RECORD_LOOP, &actions, nullptr, argv.data(), environ) != 0) m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    // Only the child keeps the writing end, so its death shows here as the end of the reports.
    ::close(fds[1]);
    m_reports = fds[0];
}

RecorderProcess::~RecorderProcess()
{
    if (m_pid > 0) Kill();
    if (m_reports >= 0) ::close(m_reports);
}

bool RecorderProcess::ReadOnce(int timeoutMs)
{
    pollfd p{m_reports, POLLIN, 0};
    const int ready = ::poll(&p, 1, timeoutMs);
    if (ready < 0) return errno == EINTR;
    if (ready == 0) return true;
    char buffer[4096];
    const ssize_t n = ::read(m_reports, buffer, sizeof buffer);
    if (n < 0) return errno == EINTR;
    for (ssize_t i = 0; i < n; ++i) {
        if (buffer[i] == 'g') {
            ++m_games;
        } else {
            ++m_variants;
            m_lastVariant = buffer[i] - '0';
        }
    }
    return n > 0;
}

void RecorderProcess::ReadReports(std::chrono::steady_clock::time_point deadline, int games)
{
    using namespace std::chrono;
    while (games < 0 || m_games < games) {
        const auto left = duration_cast<milliseconds>(deadline - steady_clock::now()).count();
        if (left < 0 || !ReadOnce(static_cast<int>(left))) return;
    }
}

bool RecorderProcess::Kill()
{
    if (m_pid <= 0) return false;
    ::kill(m_pid, SIGKILL);
    int status = 0;
    while (::waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
    }
    m_pid = -1;
    while (ReadOnce(-1)) {
    }
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}
