// How many simultaneous phones the receiver shows at full rate, and what each costs in memory:
// N simulated phones (one pivora-cast --phones N) mirror into one receiver with a window each,
// for N = 1, 2, 4, 6, 8, 10, ... until the slowest phone stays below 90 % of its rate. With
// --center each count runs twice, in separate windows and then in the multi-device center.

#include "BenchReceiver.h"
#include "BenchSystem.h"
#include "BenchTestFile.h"

#include "scairplay/QPVAirPlayService.h"
#include "ui/QMDControlCenter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int kStartTimeoutMs = 60000;
constexpr int kWarmUpMs = 3000;
constexpr int kClipFrames = 300;
constexpr double kSustainedShare = 0.9;

enum class Mode { Windows, Center };

struct RoundResult {
    Mode mode = Mode::Windows;
    int phones = 0;
    int onPage = 0;  // center: phones on the page shown
    int showing = 0;
    double minFps = 0.0;
    double meanFps = 0.0;
    double minPaintFps = 0.0;
    double meanReceivedFps = 0.0;
    int64_t dropped = 0;
    int64_t units = 0;
    int64_t shown = 0;
    long rssKiB = 0;
    double cpuPercent = 0.0;
    QMap<QString, double> threads;  // percent of one core by kind of thread
    QString load;
    bool sustained = false;
};

struct Setup {
    int width = 1280;
    int height = 720;
    int fps = 30;
    int seconds = 15;
    QString clip;  // empty: live pattern encoded by the phones
};

// Channel ids of one round: "r<round>p", "r<round>p-1", ...; no round's prefix starts another's.
QString channelPrefix(int round)
{
    return QStringLiteral("r%1p").arg(round);
}

QStringList phoneArguments(const Setup& setup, int port, int phones, int round)
{
    QStringList args{"--port", QString::number(port), "--id", channelPrefix(round), "--kind", "4",
                     "--phones", QString::number(phones), "--duration", QString::number(setup.seconds + 30)};
    if (setup.clip.isEmpty())
        args << "--pattern" << QStringLiteral("%1x%2@%3").arg(setup.width).arg(setup.height).arg(setup.fps);
    else
        args << "--file" << setup.clip;
    return args;
}

void stopPhones(QProcess& phones, BenchReceiver& receiver)
{
    phones.terminate();
    if (!phones.waitForFinished(5000)) {
        phones.kill();
        phones.waitForFinished(5000);
    }
    BenchSystem::runUntil([&] { return receiver.service()->channelCount() == 0; }, 20000);
    BenchSystem::runFor(1000);  // windows are deleted later from the event loop
}

RoundResult runRound(const Setup& setup, BenchReceiver& receiver, int phones, int round, Mode mode)
{
    RoundResult r;
    r.mode = mode;
    r.phones = phones;
    // Open before the phones come, so that each goes straight into it as it joins.
    QMDControlCenter* center = mode == Mode::Center ? receiver.openCenter() : nullptr;
    QProcess cast;
    cast.setStandardOutputFile(QProcess::nullDevice());
    if (!BenchSystem::startCast(cast, phoneArguments(setup, receiver.port(), phones, round)))
        return r;
    const QString prefix = channelPrefix(round);
    BenchSystem::runUntil([&] { return receiver.phonesShowing(prefix) == phones; }, kStartTimeoutMs);
    BenchSystem::runFor(kWarmUpMs);

    receiver.tap().reset();
    const QMap<int, BenchSystem::ThreadTime> threadsBefore = BenchSystem::threadTimes();
    r.cpuPercent = BenchSystem::cpuPercentDuring(setup.seconds * 1000);
    r.threads = BenchSystem::threadPercent(threadsBefore, BenchSystem::threadTimes(), setup.seconds * 1000);
    r.rssKiB = BenchSystem::residentKiB();
    if (center)
        r.onPage = qMin(phones, center->cellsPerPage());
    r.load = BenchSystem::loadAverage();
    r.showing = receiver.phonesShowing(prefix);

    const QMap<QString, ChannelFigures> figures = receiver.tap().figures();
    double sumFps = 0.0;
    double sumReceived = 0.0;
    int counted = 0;
    r.minFps = std::numeric_limits<double>::max();
    r.minPaintFps = std::numeric_limits<double>::max();
    for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
        if (!it.key().startsWith(prefix))
            continue;
        const double fps = double(it->shown) / setup.seconds;
        r.minFps = std::min(r.minFps, fps);
        r.minPaintFps = std::min(r.minPaintFps, double(it->painted) / setup.seconds);
        sumFps += fps;
        sumReceived += double(it->units) / setup.seconds;
        r.units += it->units;
        r.shown += it->shown;
        r.dropped += std::max<int64_t>(0, it->units - it->shown);
        ++counted;
    }
    // A phone that never connected counts as showing nothing.
    if (counted < phones)
        r.minFps = 0.0;
    if (counted == 0)
        r.minPaintFps = 0.0;
    r.meanFps = counted > 0 ? sumFps / counted : 0.0;
    r.meanReceivedFps = counted > 0 ? sumReceived / counted : 0.0;
    // Shown means painted too: a frame that reaches a renderer but never the screen is not.
    r.sustained = std::min(r.minFps, r.minPaintFps) >= kSustainedShare * setup.fps;
    stopPhones(cast, receiver);
    if (center)
        receiver.closeCenter();
    return r;
}

QList<int> phoneCounts(const QString& given)
{
    QList<int> counts;
    for (const QString& part : given.split(',', Qt::SkipEmptyParts)) {
        const int n = part.trimmed().toInt();
        if (n > 0)
            counts << n;
    }
    return counts;
}

void printHeader()
{
    std::printf("%7s %6s %8s %8s %9s %8s %8s %9s %10s %10s %7s %5s %6s %6s %8s %4s  %s\n", "mode", "phones", "min fps",
                "mean fps", "min paint", "recv fps", "dropped", "RSS MiB", "MiB/phone", "MiB/added", "CPU %", "GUI %",
                "dec %", "oth %", "GUI ms/f", "ok", "load average");
    std::fflush(stdout);
}

void printRound(const RoundResult& r, int seconds, long baseKiB, double addedMiB)
{
    const double perPhoneMiB = (r.rssKiB - baseKiB) / 1024.0 / r.phones;
    // The display's work per frame shown, which the rest of the machine's load hardly changes.
    const double guiMsPerFrame = r.shown > 0 ? r.threads.value("gui") * 10.0 * seconds / r.shown : 0.0;
    std::printf("%7s %6d %8.1f %8.1f %9.1f %8.1f %8lld %9.1f %10.1f %10.1f %7.0f %5.0f %6.0f %6.0f %8.2f %4s  %s\n",
                r.mode == Mode::Center ? "center" : "windows", r.phones, r.minFps, r.meanFps, r.minPaintFps,
                r.meanReceivedFps, static_cast<long long>(r.dropped), r.rssKiB / 1024.0, perPhoneMiB, addedMiB,
                r.cpuPercent, r.threads.value("gui"), r.threads.value("decoding"), r.threads.value("other"),
                guiMsPerFrame, r.sustained ? "yes" : "no", qPrintable(r.load));
    // Phones beyond the page shown are decoded but not drawn; their paint rate is 0.
    if (r.mode == Mode::Center && r.onPage < r.phones)
        std::printf("        (only %d of the %d phones fit the center's page)\n", r.onPage, r.phones);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pivora-bench"));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"seconds", "Measured time per round (default 15).", "seconds", "15"});
    parser.addOption({"counts", "Phone counts to try, in order (default 1,2,4,6,8,10,12,14,16).", "list",
                      "1,2,4,6,8,10,12,14,16"});
    parser.addOption({"live", "Phones encode a live pattern instead of sending a prepared clip."});
    parser.addOption({"all", "Run every count even after the first that falls short."});
    parser.addOption({"center", "Run each count in separate windows and then in the multi-device center."});
    parser.process(app);

    Setup setup;
    setup.seconds = std::max(1, parser.value("seconds").toInt());
    if (!parser.isSet("live")) {
        setup.clip = BenchTestFile::clipFile(setup.width, setup.height, setup.fps, kClipFrames);
        if (!BenchTestFile::ensureClip(setup.clip, setup.width, setup.height, setup.fps, kClipFrames)) {
            std::fprintf(stderr, "could not make %s\n", qPrintable(setup.clip));
            return 1;
        }
    }

    BenchReceiver receiver;
    if (!receiver.start()) {
        std::fprintf(stderr, "the receiver service did not start\n");
        return 1;
    }
    BenchSystem::runFor(1000);
    const long baseKiB = BenchSystem::residentKiB();
    std::printf("%dx%d@%d phones (%s), %d s measured per round, idle receiver RSS %.1f MiB\n", setup.width,
                setup.height, setup.fps, setup.clip.isEmpty() ? "live pattern" : "prepared clip", setup.seconds,
                baseKiB / 1024.0);
    printHeader();

    const QList<Mode> modes = parser.isSet("center") ? QList<Mode>{Mode::Windows, Mode::Center}
                                                     : QList<Mode>{Mode::Windows};
    int round = 0;
    QMap<Mode, int> capacity;
    // The first phone also pays one-time costs (decoder, window system); later ones show the
    // marginal cost over the previous round of the same mode.
    QMap<Mode, long> previousKiB;
    QMap<Mode, int> previousPhones;
    for (int phones : phoneCounts(parser.value("counts"))) {
        bool anySustained = false;
        for (Mode mode : modes) {
            const RoundResult r = runRound(setup, receiver, phones, ++round, mode);
            const long before = previousKiB.value(mode, baseKiB);
            const int beforePhones = previousPhones.value(mode, 0);
            printRound(r, setup.seconds, baseKiB, phones > beforePhones ? (r.rssKiB - before) / 1024.0 / (phones - beforePhones) : 0.0);
            previousKiB[mode] = r.rssKiB;
            previousPhones[mode] = phones;
            if (r.sustained)
                capacity[mode] = phones;
            anySustained = anySustained || r.sustained;
        }
        if (!anySustained && !parser.isSet("all"))
            break;
    }
    for (Mode mode : modes)
        std::printf("phones shown at >= %.0f %% of %d fps %s: %d (target 8)\n", 100 * kSustainedShare, setup.fps,
                    mode == Mode::Center ? "in the center" : "in windows", capacity.value(mode));
    std::printf("render engine: %s\n", qPrintable(receiver.renderEngineName()));
    return 0;
}
