// The receiver on the network: the real service announces itself through the responder library
// and a private Avahi daemon (tests/avahi-netns.sh), avahi-browse and pivora-cast --discover
// find it, renames and stops show, and a busy name gets Avahi's alternative.

#include "support/CastHost.h"

#include "scairplay/QPVAirPlayService.h"

#include <QMutex>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QtTest>

#include <atomic>
#include <functional>

namespace {

const char kType[] = "_pivora-cast._tcp";

struct Announced {
    QString name;
    int port = 0;
    QString txt;
};

// avahi-browse -p writes some characters of names as \DDD (decimal).
QString unescape(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 3 < text.size() + 0 && text.mid(i + 1, 3).toInt() > 0) {
            out += QChar(text.mid(i + 1, 3).toInt());
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

QList<Announced> browse()
{
    QProcess p;
    p.start("avahi-browse", {"-rtp", kType});
    if (!p.waitForFinished(15000))
        p.kill();
    QList<Announced> found;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const QStringList f = line.split(';');
        if (f.size() >= 10 && f[0] == "=")
            found.append({unescape(f[3]), f[8].toInt(), f[9]});
    }
    return found;
}

const Announced* findNamed(const QList<Announced>& list, const QString& name)
{
    for (const Announced& a : list)
        if (a.name == name)
            return &a;
    return nullptr;
}

// Browses again until the condition holds (announcements take a moment to settle).
bool browseUntil(const std::function<bool(const QList<Announced>&)>& condition, QList<Announced>* last = nullptr)
{
    QElapsedTimer timer;
    timer.start();
    QList<Announced> list;
    do {
        list = browse();
        if (condition(list))
            break;
        QTest::qWait(300);
    } while (timer.elapsed() < 20000);
    if (last)
        *last = list;
    return condition(list);
}

// The program's log lines, as the message handler sees them.
class LogCapture {
public:
    LogCapture() { s_self = this; m_previous = qInstallMessageHandler(&LogCapture::handle); }
    ~LogCapture() { qInstallMessageHandler(m_previous); s_self = nullptr; }
    bool contains(const QString& text) const
    {
        QMutexLocker lock(&m_mutex);
        return m_text.contains(text);
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        {
            QMutexLocker lock(&s_self->m_mutex);
            s_self->m_text += message + '\n';
        }
        s_self->m_previous(type, context, message);
    }
    static LogCapture* s_self;
    mutable QMutex m_mutex;
    QString m_text;
    QtMessageHandler m_previous = nullptr;
};
LogCapture* LogCapture::s_self = nullptr;

using casthost::CastRun;
using casthost::runCast;

const QStringList kShortPicture = {"--pattern", "160x120@10", "--duration", "1", "--kind", "4"};

} // namespace

class TestReceiverDiscovery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void announcesNameAndRealPort();
    void followsRenameAndWithdrawsAtStop();
    void busyNameGetsAlternative();
    void runsWithoutDaemon();

private:
    // Counts the phones that came in; ended ones are removed as the application does.
    void watchChannels(QPVAirPlayService& service);
    std::atomic<int> m_channels{0};
};

void TestReceiverDiscovery::init()
{
    m_channels = 0;
    const bool withoutDaemon = QTest::currentTestFunction() == QLatin1String("runsWithoutDaemon");
    // That one runs as its own test, outside the namespace (see CMakeLists.txt).
    if (withoutDaemon && qgetenv("PIVORA_AVAHI_NETNS") == "inside")
        QSKIP("runs outside the Avahi namespace as test_receiver_without_avahi");
    const QByteArray why = qgetenv("PIVORA_AVAHI_UNAVAILABLE");
    if (!why.isEmpty() && !withoutDaemon)
        QSKIP(qPrintable("no private Avahi daemon: " + QString::fromLocal8Bit(why)));
}

void TestReceiverDiscovery::watchChannels(QPVAirPlayService& service)
{
    connect(&service, &QPVAirPlayService::didFindNewChannel, this, [this](QPVAirPlayClient*) { ++m_channels; },
            Qt::DirectConnection);
    connect(&service, &QPVAirPlayService::didStopChannel, this, [&service](QPVAirPlayClient* client) {
        if (service.isListed(client))
            service.removeClient(client);
    }, Qt::QueuedConnection);
}

void TestReceiverDiscovery::announcesNameAndRealPort()
{
    // Another program holds the usual port: the phones must be told the one the receiver got.
    QTcpServer squatter;
    QVERIFY(squatter.listen(QHostAddress::Any, 47011));
    QPVAirPlayService service;
    watchChannels(service);
    const QString name = "Pivora-(discovery test)";
    QVERIFY(service.start(name.toUtf8().constData(), nullptr));
    QCOMPARE(service.ports()[0], 47012);

    QList<Announced> list;
    QVERIFY2(browseUntil([&](const QList<Announced>& l) { return findNamed(l, name); }, &list),
             "the receiver was not announced");
    const Announced* a = findNamed(list, name);
    QCOMPARE(a->port, 47012);
    QCOMPARE(a->txt, QString("\"v=1\""));

    // A phone finds it by name, and as the only receiver, and mirrors without an address.
    CastRun named = runCast(QStringList{"--discover", name, "--id", "found-by-name"} + kShortPicture);
    QVERIFY2(named.exitCode == 0, qPrintable(named.err));
    QVERIFY(named.err.contains("found receiver \"" + name + "\""));
    CastRun only = runCast(QStringList{"--discover", "--id", "found-alone"} + kShortPicture);
    QVERIFY2(only.exitCode == 0, qPrintable(only.err));
    QCOMPARE(m_channels.load(), 2);

    CastRun nobody = runCast(QStringList{"--discover", "Nobody"} + kShortPicture);
    QCOMPARE(nobody.exitCode, 1);
    QVERIFY2(nobody.err.contains("no receiver called \"Nobody\"") && nobody.err.contains(name),
             qPrintable(nobody.err));
    service.stop();
}

void TestReceiverDiscovery::followsRenameAndWithdrawsAtStop()
{
    QPVAirPlayService service;
    QVERIFY(service.start("Pivora-(before)", nullptr));
    QVERIFY(browseUntil([](const QList<Announced>& l) { return findNamed(l, "Pivora-(before)"); }));

    // A language change renames the receiver.
    service.setName("Pivora-(after)");
    QVERIFY2(browseUntil([](const QList<Announced>& l) {
                 return findNamed(l, "Pivora-(after)") && !findNamed(l, "Pivora-(before)");
             }),
             "the new name did not replace the old one");

    QElapsedTimer stopping;
    stopping.start();
    service.stop();
    QVERIFY(stopping.elapsed() < 10000);
    QVERIFY2(browseUntil([](const QList<Announced>& l) { return l.isEmpty(); }),
             "the announcement outlived the receiver");
}

void TestReceiverDiscovery::busyNameGetsAlternative()
{
    LogCapture log;
    QProcess other;
    other.start("avahi-publish", {"-s", "Pivora-(twin)", kType, "9", "v=1"});
    QVERIFY(browseUntil([](const QList<Announced>& l) { return findNamed(l, "Pivora-(twin)"); }));

    QPVAirPlayService service;
    QVERIFY(service.start("Pivora-(twin)", nullptr));
    QList<Announced> list;
    QVERIFY2(browseUntil([&](const QList<Announced>& l) { return findNamed(l, "Pivora-(twin) #2"); }, &list),
             "no alternative name was announced");
    QCOMPARE(findNamed(list, "Pivora-(twin) #2")->port, service.ports()[0]);
    QCOMPARE(findNamed(list, "Pivora-(twin)")->port, 9);
    QTRY_VERIFY(log.contains("the name \"Pivora-(twin)\" is taken"));

    // Two receivers now: a phone without a name cannot choose.
    CastRun unsure = runCast(QStringList{"--discover"} + kShortPicture);
    QCOMPARE(unsure.exitCode, 1);
    QVERIFY2(unsure.err.contains("several receivers"), qPrintable(unsure.err));

    other.terminate();
    other.waitForFinished();
    service.stop();
}

void TestReceiverDiscovery::runsWithoutDaemon()
{
    // The test's system bus leads nowhere, so there is no daemon: the receiver says so once and
    // serves phones that know its address.
    LogCapture log;
    QPVAirPlayService service;
    watchChannels(service);
    QVERIFY(service.start("Pivora-(alone)", nullptr));
    QTRY_VERIFY_WITH_TIMEOUT(log.contains("mDNS: no Avahi daemon reachable"), 10000);

    CastRun direct = runCast(QStringList{"--port", QString::number(service.ports()[0]), "--id", "direct"} +
                             kShortPicture);
    QVERIFY2(direct.exitCode == 0, qPrintable(direct.err));
    QCOMPARE(m_channels.load(), 1);

    CastRun lost = runCast(QStringList{"--discover"} + kShortPicture);
    QCOMPARE(lost.exitCode, 1);
    QVERIFY2(lost.err.contains("no Avahi daemon"), qPrintable(lost.err));

    service.stop();
}

QTEST_GUILESS_MAIN(TestReceiverDiscovery)
#include "test_receiver_discovery.moc"
