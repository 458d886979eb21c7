#pragma once
// A helper process that ends with the test that started it: also when the test crashes or is
// killed on a time-out before its destructors can stop the helper, which then lived on.

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

class ChildProcess : public QProcess {
public:
    ChildProcess() = default;

protected:
    // Runs in the child between fork and exec.
    void setupChildProcess() override
    {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        // The test may have ended before the line above took effect.
        if (::getppid() != m_test)
            ::_exit(127);
    }

private:
    const pid_t m_test = ::getpid();
};
