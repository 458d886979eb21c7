// How long the program's start waits for Bluetooth: the time the GUI thread spends making the
// Bluetooth service, and when the library's support answer arrives, with no library, with the
// library but no system bus, with BlueZ's stand-in answering, and with a daemon that never
// answers. See README.md.
#include "BluezStandIn.h"
#include "bluetooth/SCBluetoothService.h"
#include "support/PrivateBus.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <sdbus-c++/sdbus-c++.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct Timing {
    double constructMs;
    double answerMs;
    bool supported;
};

Timing measureOnce(const std::string& library)
{
    QElapsedTimer clock;
    clock.start();
    auto service = std::make_unique<SCBluetoothService>(library);
    Timing timing { clock.nsecsElapsed() / 1e6, -1, service->isSupported() };
    if (service->isSupportKnown()) {
        timing.answerMs = timing.constructMs;
    } else {
        bool answered = false;
        service->setSupportHandler([&](bool supported) {
            answered = true;
            timing.supported = supported;
            timing.answerMs = clock.nsecsElapsed() / 1e6;
        });
        while (!answered && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return timing;
}

void report(QTextStream& out, const char* condition, const std::string& library, int runs)
{
    std::vector<double> construct, answer;
    bool supported = false;
    for (int i = 0; i < runs; ++i) {
        const Timing t = measureOnce(library);
        construct.push_back(t.constructMs);
        answer.push_back(t.answerMs);
        supported = t.supported;
    }
    std::sort(construct.begin(), construct.end());
    std::sort(answer.begin(), answer.end());
    out << qSetFieldWidth(34) << Qt::left << condition << qSetFieldWidth(0)
        << QString(" start waits %1 ms (median), %2 ms (worst); answer after %3 ms (median): %4\n")
               .arg(construct[construct.size() / 2], 0, 'f', 1)
               .arg(construct.back(), 0, 'f', 1)
               .arg(answer[answer.size() / 2], 0, 'f', 1)
               .arg(supported ? "supported" : "not supported");
    out.flush();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? qMax(1, QString(argv[1]).toInt()) : 5;
    const std::string library = HIDLINK_PATH;
    QTextStream out(stdout);

    PrivateBus bus;
    QTemporaryDir noBus;
    if (!bus.start() || !noBus.isValid()) {
        out << "dbus-daemon did not start\n";
        return 1;
    }
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + noBus.filePath("none")).toUtf8());
    report(out, "no HID library:", "/nonexistent/libhidlink.so", runs);
    report(out, "library, no system bus:", library, runs);

    qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.address().toUtf8());
    report(out, "library, bus without BlueZ:", library, runs);
    {
        bluezstandin::BluezStandIn bluez(bus.address().toStdString());
        report(out, "library, BlueZ answering:", library, runs);
    }
    {
        // Owns BlueZ's name and never reads a message, like a daemon that hangs.
        auto silent = sdbus::createSessionBusConnectionWithAddress(bus.address().toStdString());
        silent->requestName("org.bluez");
        report(out, "library, BlueZ never answering:", library, 1);
    }
    return 0;
}
