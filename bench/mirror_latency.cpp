// Latency from the engine handing over an access unit to its frame reaching the renderer, with
// one simulated phone streaming a live test picture in real time over loopback.

#include "BenchReceiver.h"
#include "BenchSystem.h"
#include "BenchTestFile.h"

#include "scairplay/QPVAirPlayService.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kWarmUpMs = 2000;

double percentile(const std::vector<double>& sorted, double p)
{
    if (sorted.empty())
        return 0.0;
    const size_t index = std::min(sorted.size() - 1, size_t(p / 100.0 * double(sorted.size() - 1) + 0.5));
    return sorted[index];
}

void printFigures(const ChannelFigures& f, double seconds)
{
    std::vector<double> sorted = f.latencyMs;
    std::sort(sorted.begin(), sorted.end());
    const double mean = sorted.empty() ? 0.0 : std::accumulate(sorted.begin(), sorted.end(), 0.0) / double(sorted.size());
    const int64_t notShown = std::max<int64_t>(0, f.units - f.shown);
    std::printf("access units received: %lld (%.1f/s)\n", static_cast<long long>(f.units), double(f.units) / seconds);
    std::printf("frames shown:          %lld (%.1f/s), latency samples %lld\n", static_cast<long long>(f.shown),
                double(f.shown) / seconds, static_cast<long long>(f.matched));
    std::printf("renderer paints:       %lld (%.1f/s)\n", static_cast<long long>(f.painted),
                double(f.painted) / seconds);
    // Either overwritten before the display took them or still queued when the time was up.
    std::printf("frames not shown:      %lld (%.2f %%)\n", static_cast<long long>(notShown),
                f.units > 0 ? 100.0 * double(notShown) / double(f.units) : 0.0);
    std::printf("latency ms: p50 %.2f  p95 %.2f  p99 %.2f  mean %.2f  max %.2f  (target p50 < 16.7)\n",
                percentile(sorted, 50), percentile(sorted, 95), percentile(sorted, 99), mean,
                sorted.empty() ? 0.0 : sorted.back());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pivora-bench"));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"seconds", "Measured time (default 20).", "seconds", "20"});
    parser.addOption({"pattern", "Phone picture WxH@FPS (default 1920x1080@60).", "pattern", "1920x1080@60"});
    parser.addOption({"clip", "Phone sends the prepared 1920x1080 60 fps clip instead of encoding a live pattern."});
    parser.process(app);
    const int seconds = std::max(1, parser.value("seconds").toInt());
    QStringList source{"--pattern", parser.value("pattern")};
    if (parser.isSet("clip")) {
        const QString clip = BenchTestFile::defaultFile();
        if (!BenchTestFile::ensure(clip)) {
            std::fprintf(stderr, "could not make %s\n", qPrintable(clip));
            return 1;
        }
        source = QStringList{"--file", clip};
    }

    BenchReceiver receiver;
    if (!receiver.start()) {
        std::fprintf(stderr, "the receiver service did not start\n");
        return 1;
    }
    receiver.tap().setRecordLatency(true);

    QProcess phone;
    const int phoneSeconds = seconds + 10;
    const QStringList args{"--port", QString::number(receiver.port()), "--id", "latency", "--name", "latency",
                           "--kind", "4", "--duration", QString::number(phoneSeconds)};
    if (!BenchSystem::startCast(phone, args + source))
        return 1;
    if (!BenchSystem::runUntil([&] { return receiver.phonesShowing() == 1; }, kStartTimeoutMs)) {
        std::fprintf(stderr, "the phone's first frame did not arrive\n");
        return 1;
    }
    BenchSystem::runFor(kWarmUpMs);

    std::printf("%s %s, %d s measured, load average before: %s\n", qPrintable(source[0]), qPrintable(source[1]), seconds,
                qPrintable(BenchSystem::loadAverage()));
    receiver.tap().reset();
    const double cpuPercent = BenchSystem::cpuPercentDuring(seconds * 1000);
    const QMap<QString, ChannelFigures> figures = receiver.tap().figures();

    printFigures(figures.value("latency"), seconds);
    std::printf("receiver CPU: %.0f %% of one core; load average after: %s\n", cpuPercent,
                qPrintable(BenchSystem::loadAverage()));
    std::printf("render engine: %s\n", qPrintable(receiver.renderEngineName()));

    phone.terminate();
    phone.waitForFinished(5000);
    return 0;
}
