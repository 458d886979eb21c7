// What recording adds to the program's work: one phone streams the prepared 1080p60 clip in
// real time into the receiver (session, decoder, window, mixer, as the program runs them); the
// process's CPU time is taken over alternating windows without and with a recording of that
// phone (video as received plus the mixer's sound encoded to AAC).

#include "BenchReceiver.h"
#include "BenchSystem.h"
#include "BenchTestFile.h"

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "media/PVDevice.h"
#include "media/pvoaudio.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"

#include <QCommandLineParser>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kStartTimeoutMs = 30000;
constexpr int kWarmUpMs = 3000;

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    // Settings of a private home, so the user's own are never touched; no sound device needed.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER"))
        qputenv("SDL_AUDIODRIVER", "dummy");
    QPivoraApplication app(argc, argv);
    // Shares the prepared clip with the other benchmarks (kept under this name's cache folder).
    QCoreApplication::setApplicationName(QStringLiteral("pivora-bench"));
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"seconds", "Length of each window (default 10).", "seconds", "10"});
    parser.addOption({"rounds", "Windows of each kind, alternating (default 3).", "rounds", "3"});
    parser.addOption({"silence", "Record without sound (\"audioOutput\" = \"silence\")."});
    parser.process(app);
    const int windowMs = std::max(1, parser.value("seconds").toInt()) * 1000;
    const int rounds = std::max(1, parser.value("rounds").toInt());

    // Recordings go to memory when possible: disk writeback would be counted as the program's.
    QTemporaryDir shm(QStringLiteral("/dev/shm/pivora-recording-load-XXXXXX"));
    const QString folder = shm.isValid() ? shm.path() : home.filePath(QStringLiteral("recordings"));
    QDir().mkpath(folder);
    PVSettings::setOption(*app.settings(), "record", "savePath", folder);
    PVSettings::setOption(*app.settings(), "record", "audioOutput",
                          parser.isSet("silence") ? "silence" : "device");
    if (pvoAudioInit() != 0)
        std::fprintf(stderr, "the mixer did not start; recording without its sound\n");

    const QString clip = BenchTestFile::defaultFile();
    if (!BenchTestFile::ensure(clip)) {
        std::fprintf(stderr, "could not make %s\n", qPrintable(clip));
        return 1;
    }
    BenchReceiver receiver;
    if (!receiver.start()) {
        std::fprintf(stderr, "the receiver service did not start\n");
        return 1;
    }
    QProcess phone;
    const int phoneSeconds = 2 * rounds * windowMs / 1000 + 30;
    const QStringList args{"--port", QString::number(receiver.port()), "--id", "recording", "--name", "recording",
                           "--kind", "4", "--duration", QString::number(phoneSeconds), "--file", clip};
    if (!BenchSystem::startCast(phone, args))
        return 1;
    if (!BenchSystem::runUntil([&] { return receiver.phonesShowing() == 1; }, kStartTimeoutMs)) {
        std::fprintf(stderr, "the phone's first frame did not arrive\n");
        return 1;
    }
    BenchSystem::runFor(kWarmUpMs);
    PVDevice* session = receiver.service()->clientAt(0)->deviceSession();

    std::printf("1920x1080 60 fps clip, %d windows of %d s each way, sound %s, into %s\n", rounds,
                windowMs / 1000, parser.isSet("silence") ? "off" : "on (AAC)", qPrintable(folder));
    std::printf("load average before: %s\n", qPrintable(BenchSystem::loadAverage()));
    std::vector<double> plain;
    std::vector<double> recording;
    for (int round = 0; round < rounds; ++round) {
        plain.push_back(BenchSystem::cpuPercentDuring(windowMs));
        if (!session->startRecord(0)) {
            std::fprintf(stderr, "the recording did not start\n");
            return 1;
        }
        recording.push_back(BenchSystem::cpuPercentDuring(windowMs));
        session->stopRecord(true);
        std::printf("round %d: %.1f %% without, %.1f %% while recording (of one core)\n", round + 1,
                    plain.back(), recording.back());
    }
    const double without = median(plain);
    const double with = median(recording);
    std::printf("median: %.1f %% without, %.1f %% recording; recording adds %.1f %% (target <= 10 %%)\n",
                without, with, without > 0 ? 100.0 * (with - without) / without : 0.0);
    std::printf("load average after: %s; render engine: %s\n", qPrintable(BenchSystem::loadAverage()),
                qPrintable(receiver.renderEngineName()));

    phone.terminate();
    phone.waitForFinished(5000);
    pvoAudioDeInit();
    return 0;
}
