#include "launch.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace launch {

namespace {

using Clock = std::chrono::steady_clock;

// Qt's painting log, and the viewer's line when its rows are in (FirstPaintAfterMark).
constexpr const char *kPaintRules =
    "QT_LOGGING_RULES=qt.widgets.painting.info=true;plicanza.bolla.info=true";
// Backing store flushes of a top-level window: the first is its first frame shown.
constexpr const char *kFirstFrame = "qt.widgets.painting: Flushing QRegion";

std::vector<std::string> childEnvironment()
{
    const char *overridden[] = {
        "QT_QPA_PLATFORM=", "QT_LOGGING_RULES=", "QT_MESSAGE_PATTERN=", "QT_FORCE_STDERR_LOGGING="};
    std::vector<std::string> env;
    for (char **e = environ; *e; ++e) {
        bool keep = true;
        for (const char *name : overridden)
            keep = keep && std::strncmp(*e, name, std::strlen(name)) != 0;
        if (keep)
            env.emplace_back(*e);
    }
    env.emplace_back("QT_QPA_PLATFORM=offscreen");
    env.emplace_back(kPaintRules);
    env.emplace_back("QT_MESSAGE_PATTERN=%{category}: %{message}");
    env.emplace_back("QT_FORCE_STDERR_LOGGING=1");
    return env;
}

std::vector<char *> pointers(std::vector<std::string> &strings)
{
    std::vector<char *> p;
    for (std::string &s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

std::string describe(int status)
{
    if (WIFSIGNALED(status))
        return std::string("killed by signal ") + strsignal(WTERMSIG(status));
    return "exited with status " + std::to_string(WEXITSTATUS(status));
}

// What the child wrote to stderr, less the painting log, for a failure report.
class StderrTail
{
public:
    void line(const std::string &l)
    {
        if (l.rfind("qt.widgets.painting:", 0) == 0)
            return;
        m_text += l + '\n';
        if (m_text.size() > 4000)
            m_text.erase(0, m_text.size() - 4000);
    }
    std::string text() const { return m_text.empty() ? std::string() : ":\n" + m_text; }

private:
    std::string m_text;
};

} // namespace

Result run(const std::vector<std::string> &argv, Until until, double timeoutSeconds,
           const std::string &mark)
{
    Result result;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        result.failure = std::string("pipe: ") + std::strerror(errno);
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);

    std::vector<std::string> args = argv;
    std::vector<std::string> env = childEnvironment();
    std::vector<char *> argp = pointers(args);
    std::vector<char *> envp = pointers(env);

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = posix_spawnp(&pid, argp[0], &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        result.failure = argv[0] + ": " + std::strerror(spawned);
        return result;
    }

    const auto elapsed = [start] {
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    StderrTail tail;
    std::string pending;
    bool painted = false;
    bool marked = until != Until::FirstPaintAfterMark;
    bool closed = false;
    while (!painted && !closed) {
        const double left = timeoutSeconds - elapsed();
        if (left <= 0)
            break;
        pollfd p{fds[0], POLLIN, 0};
        if (poll(&p, 1, int(left * 1000) + 1) <= 0)
            continue;
        char buf[4096];
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n <= 0) {
            closed = n == 0 || errno != EINTR;
            continue;
        }
        pending.append(buf, std::size_t(n));
        for (std::size_t eol; !painted && (eol = pending.find('\n')) != std::string::npos;) {
            const std::string line = pending.substr(0, eol);
            pending.erase(0, eol + 1);
            if (until != Until::Exit && line.rfind(kFirstFrame, 0) == 0) {
                if (result.firstPaint == 0)
                    result.firstPaint = elapsed();
                if (marked) {
                    result.seconds = elapsed();
                    painted = true;
                }
            }
            marked = marked || line.rfind(mark, 0) == 0;
            tail.line(line);
        }
    }
    close(fds[0]);

    const bool timedOut = !painted && !closed;
    if (painted || timedOut)
        kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.peakKiB = usage.ru_maxrss;

    if (until == Until::Exit && closed) {
        result.seconds = elapsed();
        result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        if (!result.ok)
            result.failure = argv[0] + " " + describe(status) + tail.text();
    } else if (painted) {
        result.ok = true;
    } else if (timedOut) {
        result.failure = argv[0] + ": nothing within " + std::to_string(int(timeoutSeconds)) +
                         " s" + tail.text();
    } else {
        result.failure = argv[0] + " " + describe(status) + " before its first paint" + tail.text();
    }
    return result;
}

} // namespace launch
