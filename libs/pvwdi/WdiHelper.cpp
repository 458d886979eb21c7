#include "WdiHelper.h"

#include "WdiLog.h"
#include "WdiRule.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

#ifndef PIVORA_HELPER_INSTALL_PATH
#define PIVORA_HELPER_INSTALL_PATH "/usr/lib/pivora/pivora-usb-helper"
#endif

namespace wdihelper {

namespace {

const char kHelperName[] = "pivora-usb-helper";
constexpr int kKillGraceMs = 1000;

struct Running {
    std::mutex mutex;
    pid_t group = 0;
    bool aborted = false;
};

Running& running()
{
    static Running instance;
    return instance;
}

std::vector<std::string> runnerCommand()
{
    const char* runner = std::getenv("PIVORA_PRIVILEGE_RUNNER");
    if (!runner)
        return {"pkexec"};
    std::vector<std::string> words;
    std::string word;
    for (const char* p = runner;; ++p) {
        if (*p == '\0' || *p == ' ' || *p == '\t') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
            if (*p == '\0')
                break;
        } else {
            word += *p;
        }
    }
    return words;
}

class Pipe {
public:
    Pipe() { ok = ::pipe2(fd, O_CLOEXEC) == 0; }
    ~Pipe() { closeBoth(); }
    void close(int end)
    {
        if (fd[end] >= 0)
            ::close(fd[end]);
        fd[end] = -1;
    }
    void closeBoth()
    {
        close(0);
        close(1);
    }
    int fd[2] = {-1, -1};
    bool ok = false;
};

// The input is small (one rule); a write to a runner that already ended must not raise
// SIGPIPE in the whole program.
void writeInput(int fd, const std::string& input)
{
    sigset_t pipeSignal, old;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &old);
    size_t done = 0;
    bool broken = false;
    while (done < input.size()) {
        const ssize_t n = ::write(fd, input.data() + done, input.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            broken = errno == EPIPE;
            break;
        }
        done += size_t(n);
    }
    if (broken) {
        const timespec zero = {0, 0};
        sigtimedwait(&pipeSignal, nullptr, &zero);
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
}

void killGroup(pid_t child)
{
    ::kill(-child, SIGTERM);
    for (int waited = 0; waited < kKillGraceMs; waited += 50) {
        if (::waitpid(child, nullptr, WNOHANG) == child)
            return;
        ::usleep(50 * 1000);
    }
    ::kill(-child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

// One report line of the helper: logged, and read for the re-trigger outcome.
void takeLine(const std::string& line, Result* result)
{
    if (line.empty())
        return;
    wdilog::write(WDI_LOG_LEVEL_INFO, "pivora-usb-helper", "%s", line.c_str());
    if (line == wdirule::kRetriggerDone)
        result->retriggered = true;
}

bool abortRequested()
{
    std::lock_guard<std::mutex> lock(running().mutex);
    return running().aborted;
}

void forgetGroup()
{
    std::lock_guard<std::mutex> lock(running().mutex);
    running().group = 0;
}

// Reads what the helper wrote within 100 ms and takes its complete lines; false at its end.
bool readReport(int fd, std::string* pending, Result* result)
{
    pollfd p = {fd, POLLIN, 0};
    bool open = true;
    if (::poll(&p, 1, 100) > 0) {
        char buf[512];
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0)
            pending->append(buf, size_t(n));
        else if (n == 0 || errno != EINTR)
            open = false;
    }
    size_t nl;
    while ((nl = pending->find('\n')) != std::string::npos) {
        takeLine(pending->substr(0, nl), result);
        pending->erase(0, nl + 1);
    }
    return open;
}

int statusFromExit(int waitStatus, bool aborted, bool timedOut)
{
    if (aborted)
        return WDI_ERROR_INTERRUPTED;
    if (timedOut)
        return WDI_ERROR_TIMEOUT;
    if (!WIFEXITED(waitStatus))
        return WDI_ERROR_OTHER;
    switch (WEXITSTATUS(waitStatus)) {
    case wdirule::kHelperOk:
        return WDI_SUCCESS;
    case wdirule::kHelperIoError:
        return WDI_ERROR_ACCESS;
    case wdirule::kHelperRefused:
        return WDI_ERROR_INVALID_PARAM;
    case wdirule::kHelperMissing:
        return WDI_ERROR_NOT_FOUND;
    case 126: // pkexec: the user dismissed the dialog or is not authorised
        return WDI_ERROR_USER_CANCEL;
    case 127: // pkexec could not authenticate, or the runner could not run the helper
        return WDI_ERROR_NEEDS_ADMIN;
    default:
        return WDI_ERROR_OTHER;
    }
}

bool spawn(const std::vector<std::string>& argv, Pipe& in, Pipe& out, pid_t* child)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attr;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attr);
    posix_spawn_file_actions_adddup2(&actions, in.fd[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], STDERR_FILENO);
    // Its own process group, so that a time-out also ends what the runner started.
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attr, 0);
    const int rc = posix_spawnp(child, args[0], &actions, &attr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (rc != 0) {
        WDI_ERROR("%s could not be started: %s", args[0], std::strerror(rc));
        return false;
    }
    return true;
}

} // namespace

std::string helperPath()
{
    Dl_info info;
    if (::dladdr(reinterpret_cast<void*>(&helperPath), &info) && info.dli_fname) {
        std::string dir = info.dli_fname;
        const size_t slash = dir.rfind('/');
        if (slash != std::string::npos) {
            const std::string beside = dir.substr(0, slash + 1) + kHelperName;
            if (::access(beside.c_str(), X_OK) == 0)
                return beside;
        }
    }
    return PIVORA_HELPER_INSTALL_PATH;
}

Result run(const std::vector<std::string>& args, const std::string& input, unsigned timeoutMs, bool abortable)
{
    Result result;
    std::vector<std::string> argv = runnerCommand();
    argv.push_back(helperPath());
    argv.insert(argv.end(), args.begin(), args.end());

    Pipe in, out;
    pid_t child = 0;
    if (!in.ok || !out.ok) {
        WDI_ERROR("pipes could not be made: %s", std::strerror(errno));
        result.status = WDI_ERROR_RESOURCE;
        return result;
    }
    {
        Running& r = running();
        std::lock_guard<std::mutex> lock(r.mutex);
        if (abortable && r.group != 0) {
            result.status = WDI_ERROR_BUSY;
            return result;
        }
        if (!spawn(argv, in, out, &child)) {
            result.status = WDI_ERROR_NOT_FOUND;
            return result;
        }
        if (abortable) {
            r.group = child;
            r.aborted = false;
        }
    }
    in.close(0);
    out.close(1);
    writeInput(in.fd[1], input);
    in.close(1);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    std::chrono::steady_clock::time_point childGone;
    std::string pending;
    bool timedOut = false;
    bool open = true;
    int waitStatus = 0;
    for (;;) {
        if (open)
            open = readReport(out.fd[0], &pending, &result);
        else
            ::usleep(20 * 1000);
        const auto now = std::chrono::steady_clock::now();
        if (child != 0 && ::waitpid(child, &waitStatus, WNOHANG) == child) {
            child = 0;
            childGone = now;
            if (abortable)
                forgetGroup();
        }
        if (child == 0) {
            // Something the runner left behind may hold the pipe open; do not wait for it.
            if (!open || now - childGone > std::chrono::milliseconds(500))
                break;
            continue;
        }
        const bool aborted = abortable && abortRequested();
        if (aborted || now >= deadline) {
            timedOut = !aborted;
            wdilog::write(WDI_LOG_LEVEL_WARNING, "pivora-usb-helper", "%s, ending it", aborted ? "aborted" : "timed out");
            killGroup(child);
            break;
        }
    }
    takeLine(pending, &result);

    bool aborted = false;
    if (abortable) {
        aborted = abortRequested();
        forgetGroup();
        std::lock_guard<std::mutex> lock(running().mutex);
        running().aborted = false;
    }
    result.status = statusFromExit(waitStatus, aborted, timedOut);
    return result;
}

bool abortRunning()
{
    Running& r = running();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (r.group == 0)
        return false;
    r.aborted = true;
    ::kill(-r.group, SIGTERM);
    return true;
}

} // namespace wdihelper
