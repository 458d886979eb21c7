// Strangers on the network against two phones that mirror: 500 connections that never say
// HELLO and a flood of 1000 connects on loopback, while two simulated phones stream at full
// rate. Prints each phone's shown rate before, during and after the attack (target: during
// >= 90 % of before), the receiver's memory before, during and after (target: after returns to
// before), and what the engine did with the strangers.

#include "BenchReceiver.h"
#include "BenchSystem.h"
#include "BenchTestFile.h"

#include "libs/castcore/CastSocket.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcess>

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <limits>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kPhones = 2;
constexpr int kClipFrames = 300;
constexpr int kStartTimeoutMs = 60000;

struct Window {
    double minFps = 0.0;
    long rssKiB = 0;
};

// The slowest phone's shown rate over a measured window.
Window measure(BenchReceiver& receiver, int ms)
{
    receiver.tap().reset();
    BenchSystem::runFor(ms);
    Window w;
    w.rssKiB = BenchSystem::residentKiB();
    w.minFps = std::numeric_limits<double>::max();
    int counted = 0;
    const QMap<QString, ChannelFigures> figures = receiver.tap().figures();
    for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
        w.minFps = std::min(w.minFps, it->shown * 1000.0 / ms);
        ++counted;
    }
    if (counted < kPhones)
        w.minFps = 0.0;
    return w;
}

// The strangers: half-open connections held for a while, and a flood of connects that send a
// few bytes of garbage and hang up. Loopback only, bounded in count and time.
struct Attack {
    int halfOpen = 500;
    int flood = 1000;
    int holdMs = 12000;
    std::atomic<int> halfOpenMade{0};
    std::atomic<int> turnedAwayAtOnce{0};
    std::atomic<int> floodMade{0};
    std::atomic<bool> done{false};
    double connectSeconds = 0.0;

    void run(int port)
    {
        const auto start = std::chrono::steady_clock::now();
        std::vector<int> held;
        std::string error;
        for (int i = 0; i < halfOpen; ++i) {
            const int fd = cast::connectTcp("127.0.0.1", port, error);
            if (fd < 0)
                continue;
            const uint8_t partial[3] = {0x01, 0x00, 0x00};  // the start of a HELLO header
            cast::writeAll(fd, partial, sizeof partial);
            held.push_back(fd);
            ++halfOpenMade;
        }
        for (int i = 0; i < flood; ++i) {
            const int fd = cast::connectTcp("127.0.0.1", port, error);
            if (fd < 0)
                continue;
            const uint8_t garbage[8] = {'G', 'E', 'T', ' ', '/', ' ', 'H', '\n'};
            cast::writeAll(fd, garbage, sizeof garbage);
            ::close(fd);
            ++floodMade;
        }
        connectSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        for (int fd : held) {
            uint8_t byte;
            const ssize_t r = ::recv(fd, &byte, 1, MSG_DONTWAIT);
            // Closed by the receiver while held (a reset when it left our bytes unread).
            if (r == 0 || (r < 0 && errno != EAGAIN && errno != EWOULDBLOCK))
                ++turnedAwayAtOnce;
            ::close(fd);
        }
        done = true;
    }
};

void raiseFileLimit()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = std::min<rlim_t>(limit.rlim_max, 8192);
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pivora-bench"));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"seconds", "Measured time before and after the attack (default 10).", "seconds", "10"});
    parser.addOption({"half-open", "Connections that never say HELLO (default 500).", "count", "500"});
    parser.addOption({"flood", "Connects of the flood (default 1000).", "count", "1000"});
    parser.process(app);
    raiseFileLimit();
    const int seconds = std::max(2, parser.value("seconds").toInt());
    const int fps = 30;

    const QString clip = BenchTestFile::clipFile(1280, 720, fps, kClipFrames);
    if (!BenchTestFile::ensureClip(clip, 1280, 720, fps, kClipFrames)) {
        std::fprintf(stderr, "could not make %s\n", qPrintable(clip));
        return 1;
    }
    BenchReceiver receiver;
    if (!receiver.start()) {
        std::fprintf(stderr, "the receiver service did not start\n");
        return 1;
    }
    BenchSystem::runFor(1000);
    const long idleKiB = BenchSystem::residentKiB();

    QProcess phones;
    phones.setStandardOutputFile(QProcess::nullDevice());
    // Longer than any run; the phones are stopped at the end.
    const int total = 600;
    if (!BenchSystem::startCast(phones, {"--port", QString::number(receiver.port()), "--id", "steady", "--kind", "4",
                                         "--phones", QString::number(kPhones), "--duration", QString::number(total),
                                         "--file", clip}))
        return 1;
    BenchSystem::runUntil([&] { return receiver.phonesShowing("steady") == kPhones; }, kStartTimeoutMs);
    BenchSystem::runFor(3000);

    const Window before = measure(receiver, seconds * 1000);
    Attack attack;
    attack.halfOpen = std::max(0, parser.value("half-open").toInt());
    attack.flood = std::max(0, parser.value("flood").toInt());
    std::thread attacker([&] { attack.run(receiver.port()); });
    const Window during = measure(receiver, attack.holdMs);
    BenchSystem::runUntil([&] { return attack.done.load(); }, 60000);
    attacker.join();
    // The receiver has closed what was left of the strangers by now (their HELLO time is over).
    BenchSystem::runFor(2000);
    const Window after = measure(receiver, seconds * 1000);

    phones.terminate();
    phones.waitForFinished(10000);

    const double share = before.minFps > 0 ? during.minFps / before.minFps : 0.0;
    std::printf("two phones at %d fps (prepared 1280x720 clip); idle receiver RSS %.1f MiB\n", fps, idleKiB / 1024.0);
    std::printf("%-8s %10s %10s\n", "window", "min fps", "RSS MiB");
    std::printf("%-8s %10.1f %10.1f\n", "before", before.minFps, before.rssKiB / 1024.0);
    std::printf("%-8s %10.1f %10.1f\n", "during", during.minFps, during.rssKiB / 1024.0);
    std::printf("%-8s %10.1f %10.1f\n", "after", after.minFps, after.rssKiB / 1024.0);
    std::printf("strangers: %d half-open made (%d closed by the receiver while held), %d flood connects, "
                "all made in %.1f s\n",
                attack.halfOpenMade.load(), attack.turnedAwayAtOnce.load(), attack.floodMade.load(),
                attack.connectSeconds);
    std::printf("rate during the attack: %.1f %% of before (target >= 90 %%); memory after - before: %+.1f MiB\n",
                100.0 * share, (after.rssKiB - before.rssKiB) / 1024.0);
    std::printf("load average: %s\n", qPrintable(BenchSystem::loadAverage()));
    return 0;
}
