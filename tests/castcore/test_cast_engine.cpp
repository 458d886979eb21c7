// The receiver engine against real peers: the simulated phone process and raw sockets that
// misbehave.

#include "CastAccess.h"
#include "CastEngine.h"
#include "CastLog.h"
#include "CastProtocol.h"
#include "CastSocket.h"

#include <QtTest>

#include <arpa/inet.h>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {

constexpr int kWaitMs = 60000;

struct Call {
    Call(std::string n, void* h, std::string t = {}, int x = 0, int y = 0, Bytes d = {}, int k = -1)
        : name(std::move(n)), handle(h), text(std::move(t)), a(x), b(y), data(std::move(d)), dataKind(k)
    {
    }
    std::string name;
    void* handle = nullptr;
    std::string text;  // channel id for Connect; "phone|id|version|model" for Information
    int a = 0, b = 0;  // kind; width/height; rotation pair
    Bytes data;
    int dataKind = -1;
};

// Records every callback; Connect hands out one stable handle per channel id.
class RecordingCallback : public IAirPlayCallback {
public:
    bool refuse = false;

    void setOnMirroringStarted(std::function<void(void*)> hook)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_onMirroringStarted = std::move(hook);
    }

    void* Connect(const char* channelId, uint32_t kind) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (refuse)
            return nullptr;
        auto& token = m_handles[channelId];
        if (!token)
            token = std::make_unique<int>(int(m_handles.size()));
        push({"Connect", token.get(), channelId, int(kind)});
        return token.get();
    }
    void Disconnected(void* h) override { record({"Disconnected", h}); }
    void InformationLegacy(void* h, const char*, const char*, const char*, const char*) override
    {
        record({"InformationLegacy", h});
    }
    void MirroringStarted(void* h, int w, int hgt, const uint8_t* data, int length, int dataKind, double) override
    {
        std::function<void(void*)> hook;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            push({"MirroringStarted", h, "", w, hgt, Bytes(data, data + length), dataKind});
            hook = m_onMirroringStarted;
        }
        if (hook)
            hook(h);
    }
    void MirroringData(void* h, const uint8_t* data, int length, int dataKind, double, uint32_t rotation) override
    {
        record({"MirroringData", h, "", int(rotation), 0, Bytes(data, data + length), dataKind});
    }
    void MirroringStopped(void* h) override { record({"MirroringStopped", h}); }
    void AudioFormat(void* h, int, int, int, uint32_t) override { record({"AudioFormat", h}); }
    void AudioData(void* h, const uint8_t*, int, double, uint32_t) override { record({"AudioData", h}); }
    void AudioStopped(void* h) override { record({"AudioStopped", h}); }
    void Notify9(void*) override {}
    void DisconnectChannel(void*) override {}
    void Information(void* h, const char* phone, const char* id, const char* version, const char* model) override
    {
        record({"Information", h, std::string(phone) + "|" + id + "|" + version + "|" + model});
    }
    void Notify13(void*) override {}
    void Notify14(void*) override {}
    void Notify15(void*) override {}
    void Notify16(void*) override {}
    void Notify17(void*) override {}
    void Notify18(void*) override {}
    void Notify19(void*) override {}
    void Notify20(void*) override {}
    void Notify21(void*) override {}
    void Notify22(void*) override {}
    void FrameSizeChanged(void* h) override { record({"FrameSizeChanged", h}); }
    void Rotated(void* h, int o, int n) override { record({"Rotated", h, "", o, n}); }

    void* handleOf(const std::string& id)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_handles.find(id);
        return it == m_handles.end() ? nullptr : it->second.get();
    }
    std::vector<Call> calls(void* h = nullptr)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        std::vector<Call> out;
        for (const Call& c : m_calls)
            if (!h || c.handle == h)
                out.push_back(c);
        return out;
    }
    int count(const std::string& name, void* h)
    {
        int n = 0;
        for (const Call& c : calls(h))
            n += c.name == name;
        return n;
    }
    bool waitFor(const std::string& name, void* h, int atLeast = 1)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::milliseconds(kWaitMs), [&] {
            int n = 0;
            for (const Call& c : m_calls)
                n += c.name == name && (!h || c.handle == h);
            return n >= atLeast;
        });
    }

private:
    void record(Call c)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        push(std::move(c));
    }
    void push(Call c)
    {
        m_calls.push_back(std::move(c));
        m_changed.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Call> m_calls;
    std::map<std::string, std::unique_ptr<int>> m_handles;
    std::function<void(void*)> m_onMirroringStarted;
};

struct EngineDeleter {
    void operator()(CAirPlayEx* e) const { CAirPlayFactory::Destroy(e); }
};
using EnginePtr = std::unique_ptr<CAirPlayEx, EngineDeleter>;

int freeLoopbackPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    const int port = cast::localPort(fd);
    ::close(fd);
    return port;
}

EnginePtr startEngine(IAirPlayCallback* callback, int port)
{
    EnginePtr engine(CAirPlayFactory::Create());
    if (engine->Start(nullptr, nullptr, 60, 5, false, 4, 1, 1, 9, false, false, "Test Receiver", 1, 60, port, 7011,
                      7111, 4, 1, 9, false) != 0)
        return nullptr;
    engine->SetCallback(callback);
    return engine;
}

// A hand-driven phone on a raw socket.
class RawPeer {
public:
    explicit RawPeer(int port)
    {
        std::string error;
        fd = cast::connectTcp("127.0.0.1", port, error);
        cast::setReceiveTimeout(fd, kWaitMs);
    }
    ~RawPeer() { ::close(fd); }
    bool send(const Bytes& bytes) { return cast::writeAll(fd, bytes.data(), bytes.size()); }
    // accessVersion 0: a phone that does not speak the access extension.
    bool hello(const std::string& id, uint16_t version = 1, uint16_t accessVersion = 0, const std::string& code = {})
    {
        cast::HelloMsg h;
        h.version = version;
        h.channelId = id;
        h.phoneName = "Raw";
        h.systemVersion = "1.0.0";
        h.model = "Raw1,1";
        h.accessVersion = accessVersion;
        h.accessCode = code;
        return send(cast::encodeFrame(cast::Hello, cast::encodeHello(h)));
    }
    // The WELCOME status after an optional ACCESS_PENDING (pending tells whether it came).
    int welcomeAfterPending(bool& pending)
    {
        cast::Frame f;
        std::string error;
        pending = false;
        if (cast::readFrame(fd, f, error) != cast::ReadResult::Frame)
            return -1;
        if (f.type == cast::AccessPending) {
            pending = true;
            if (cast::readFrame(fd, f, error) != cast::ReadResult::Frame)
                return -1;
        }
        cast::WelcomeMsg w;
        return f.type == cast::Welcome && cast::decodeWelcome(f.payload, w) ? w.status : -1;
    }
    // True when the engine closed the connection within ms, without anything sent first.
    bool closedWithin(int ms)
    {
        cast::setReceiveTimeout(fd, ms);
        uint8_t byte;
        const ssize_t r = ::recv(fd, &byte, 1, 0);
        cast::setReceiveTimeout(fd, kWaitMs);
        return r == 0 || (r < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }
    // The same without waiting.
    bool closedNow()
    {
        uint8_t byte;
        const ssize_t r = ::recv(fd, &byte, 1, MSG_DONTWAIT);
        return r == 0 || (r < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }
    // Status of the WELCOME, or -1 when something else came.
    int welcome()
    {
        cast::Frame f;
        std::string error;
        cast::WelcomeMsg w;
        if (cast::readFrame(fd, f, error) != cast::ReadResult::Frame || f.type != cast::Welcome ||
            !cast::decodeWelcome(f.payload, w))
            return -1;
        return w.status;
    }
    // True once the engine has closed the connection (frames before that are skipped).
    bool closedByEngine()
    {
        cast::Frame f;
        std::string error;
        for (;;) {
            const cast::ReadResult r = cast::readFrame(fd, f, error);
            if (r == cast::ReadResult::Frame)
                continue;
            return r == cast::ReadResult::Closed || (r == cast::ReadResult::Error && error != "timed out");
        }
    }
    int fd = -1;
};

QString castBinary()
{
    return qEnvironmentVariable("PIVORA_BIN_DIR") + "/pivora-cast";
}

// Walks an access unit's 4-byte length prefixes; true when they cover it exactly.
bool lengthPrefixed(const Bytes& au, bool& idr)
{
    size_t pos = 0;
    idr = false;
    while (pos + 4 <= au.size()) {
        const size_t n = (size_t(au[pos]) << 24) | (size_t(au[pos + 1]) << 16) | (size_t(au[pos + 2]) << 8) | au[pos + 3];
        pos += 4;
        if (n == 0 || n > au.size() - pos)
            return false;
        idr = idr || (au[pos] & 0x1F) == 5;
        pos += n;
    }
    return pos == au.size() && !au.empty();
}

// The engine's log lines, collected while a test runs.
class EngineLog {
public:
    EngineLog()
    {
        s_lines.clear();
        castcoreSetLogFunction(&EngineLog::add);
    }
    ~EngineLog() { castcoreSetLogFunction(nullptr); }
    static int count(const std::string& text)
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        int n = 0;
        for (const std::string& line : s_lines)
            n += line.find(text) != std::string::npos;
        return n;
    }

private:
    static void add(int, const char* line)
    {
        std::lock_guard<std::mutex> lock(s_mutex);
        s_lines.push_back(line);
    }
    static std::mutex s_mutex;
    static std::vector<std::string> s_lines;
};
std::mutex EngineLog::s_mutex;
std::vector<std::string> EngineLog::s_lines;

// An access gate with fixed answers that remembers what it was asked.
struct ScriptedGate {
    int checkAnswer = 0;
    int askAnswer = 0;
    std::mutex mutex;
    std::vector<std::string> asked;  // "address|channel|code|speaks" per check
    int asks = 0;

    static int check(void* self, const CastcoreAccessRequest* r)
    {
        auto* g = static_cast<ScriptedGate*>(self);
        std::lock_guard<std::mutex> lock(g->mutex);
        g->asked.push_back(std::string(r->address) + "|" + r->channelId + "|" + r->code + "|" +
                           std::to_string(r->speaksAccess));
        return g->checkAnswer;
    }
    static int ask(void* self, const CastcoreAccessRequest*)
    {
        auto* g = static_cast<ScriptedGate*>(self);
        std::lock_guard<std::mutex> lock(g->mutex);
        ++g->asks;
        return g->askAnswer;
    }
};

} // namespace

class TestCastEngine : public QObject {
    Q_OBJECT
private slots:
    void patternPhoneMirrorsAndReceivesControl();
    void programDisconnectEndsPhone();
    void refusedPhoneExitsWithError();
    void badPeerIsClosed_data();
    void badPeerIsClosed();
    void badPeersDoNotDisturbOtherPhone();
    void reconnectReplacesOldConnection();
    void stopEndsOpenChannels();
    void startFailsOnBusyPort();
    void accessGateAnswersPhones_data();
    void accessGateAnswersPhones();
    void phonesBeyondLimitAreBusy();
    void strangersAreBoundedAndLoggedPerCause();
    void phonesWithoutIdKeepApart_data();
    void phonesWithoutIdKeepApart();
    void restartedMirroringStartsWithAKeyFrame();
};

void TestCastEngine::patternPhoneMirrorsAndReceivesControl()
{
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);
    CAirPlayEx* e = engine.get();
    // Sent from the engine's own thread while the phone streams.
    cb.setOnMirroringStarted([e](void* h) {
        const CAirPlayTouchRecord touch{1, 0, 0.25f, 0.6f};
        e->Touch(h, &touch, 1);
        e->Key(h, 1, 4);
        e->SystemKey(h, 0x4000);
        e->RequestKeyFrame(h);
    });

    QProcess phone;
    phone.start(castBinary(), {"--port", QString::number(port), "--pattern", "320x240@30", "--duration", "2",
                               "--fast", "--id", "phone-A", "--kind", "3", "--name", "Test Phone", "--model",
                               "Pixel7", "--os", "13.0.0"});
    QVERIFY2(phone.waitForFinished(kWaitMs), "pivora-cast did not finish");
    QCOMPARE(phone.exitStatus(), QProcess::NormalExit);
    QCOMPARE(phone.exitCode(), 0);
    QVERIFY(cb.waitFor("Disconnected", nullptr));

    void* h = cb.handleOf("phone-A");
    QVERIFY(h);
    const std::vector<Call> calls = cb.calls(h);
    QCOMPARE(calls.front().name, std::string("Connect"));
    QCOMPARE(calls.front().a, 3);
    QCOMPARE(calls[1].name, std::string("Information"));
    QCOMPARE(calls[1].text, std::string("Test Phone|phone-A|13.0.0|Pixel7"));
    QCOMPARE(calls[2].name, std::string("MirroringStarted"));
    QCOMPARE(calls[2].a, 320);
    QCOMPARE(calls[2].b, 240);
    QCOMPARE(calls[2].dataKind, 1);
    QVERIFY(calls[2].data.size() > 8);
    QCOMPARE(int(calls[2].data[0]), 1);  // configuration record version

    int units = 0;
    for (const Call& c : calls) {
        if (c.name != "MirroringData")
            continue;
        bool idr = false;
        QCOMPARE(c.dataKind, 0);
        QVERIFY(lengthPrefixed(c.data, idr));
        if (units == 0)
            QVERIFY2(idr, "the stream must open with a key frame");
        ++units;
    }
    QCOMPARE(units, 60);
    QCOMPARE(calls[calls.size() - 2].name, std::string("MirroringStopped"));
    QCOMPARE(calls.back().name, std::string("Disconnected"));
    QCOMPARE(cb.count("Disconnected", h), 1);

    const QStringList lines = QString::fromUtf8(phone.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    const QStringList expected = {
        R"({"type":"touch","records":[{"pressed":1,"id":0,"x":0.25,"y":0.6}]})",
        R"({"type":"key","action":1,"code":4})",
        R"({"type":"system_key","mask":16384})",
        R"({"type":"keyframe"})",
    };
    QCOMPARE(lines, expected);
}

void TestCastEngine::programDisconnectEndsPhone()
{
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);

    QProcess phone;
    phone.start(castBinary(), {"--port", QString::number(port), "--pattern", "160x120@30", "--id", "phone-D"});
    QVERIFY(cb.waitFor("MirroringData", nullptr));
    void* h = cb.handleOf("phone-D");
    engine->Disconnect(h);
    QVERIFY2(phone.waitForFinished(kWaitMs), "pivora-cast ignored DISCONNECT");
    QCOMPARE(phone.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(phone.readAllStandardOutput()).trimmed(), QString(R"({"type":"disconnect"})"));

    // The channel is gone; requests for it are harmless and it is not reported again.
    engine->Disconnect(h);
    const CAirPlayTouchRecord touch{1, 0, 0.5f, 0.5f};
    engine->Touch(h, &touch, 1);
    engine->RequestKeyFrame(h);
    engine.reset();
    QCOMPARE(cb.count("Disconnected", h), 0);
}

void TestCastEngine::refusedPhoneExitsWithError()
{
    RecordingCallback cb;
    cb.refuse = true;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);

    QProcess phone;
    phone.start(castBinary(), {"--port", QString::number(port), "--pattern", "160x120", "--duration", "1"});
    QVERIFY(phone.waitForFinished(kWaitMs));
    QVERIFY(phone.exitCode() != 0);
    QVERIFY(QString::fromUtf8(phone.readAllStandardError()).contains("refused"));
    QCOMPARE(cb.count("Disconnected", nullptr), 0);
}

void TestCastEngine::badPeerIsClosed_data()
{
    QTest::addColumn<bool>("sayHello");
    QTest::addColumn<Bytes>("after");
    QTest::addColumn<bool>("connected");

    const Bytes garbage = {'G', 'E', 'T', ' ', '/', ' ', 'H', 'T', 'T', 'P', '/', '1', '.', '1', '\r', '\n', '\r', '\n'};
    QTest::newRow("garbage instead of HELLO") << false << garbage << false;
    QTest::newRow("frame before HELLO") << false << cast::encodeFrame(cast::MirrorStop, Bytes{}) << false;
    QTest::newRow("1 MiB HELLO, closed unread") << false << Bytes{cast::Hello, 0, 0x10, 0, 0} << false;
    const uint32_t nine = 9u * 1024 * 1024;
    QTest::newRow("9 MiB frame") << true
                                 << Bytes{cast::Video, uint8_t(nine >> 24), uint8_t(nine >> 16), uint8_t(nine >> 8), 0}
                                 << true;
    QTest::newRow("video too short") << true << cast::encodeFrame(cast::Video, Bytes{0, 0, 0}) << true;
    QTest::newRow("second HELLO") << true
                                  << cast::encodeFrame(cast::Hello, cast::encodeHello(cast::HelloMsg{})) << true;
    QTest::newRow("closed inside a frame") << true << Bytes{cast::Info, 0, 0, 1} << true;
}

void TestCastEngine::badPeerIsClosed()
{
    QFETCH(bool, sayHello);
    QFETCH(Bytes, after);
    QFETCH(bool, connected);
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);

    RawPeer peer(port);
    QVERIFY(peer.fd >= 0);
    if (sayHello) {
        QVERIFY(peer.hello("raw"));
        QCOMPARE(peer.welcome(), 0);
        // Frames of unknown types are skipped, not fatal.
        QVERIFY(peer.send(cast::encodeFrame(0x33, Bytes{1, 2, 3})));
    }
    QVERIFY(peer.send(after));
    if (QByteArray(QTest::currentDataTag()) == "closed inside a frame")
        ::shutdown(peer.fd, SHUT_WR);
    QVERIFY(peer.closedByEngine());
    if (connected) {
        QVERIFY(cb.waitFor("Disconnected", cb.handleOf("raw")));
        QCOMPARE(cb.count("Disconnected", nullptr), 1);
    } else {
        QCOMPARE(cb.count("Connect", nullptr), 0);
    }
}

void TestCastEngine::badPeersDoNotDisturbOtherPhone()
{
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);

    QProcess phone;
    phone.start(castBinary(), {"--port", QString::number(port), "--pattern", "320x240@30", "--duration", "2",
                               "--id", "steady"});
    QVERIFY(cb.waitFor("MirroringData", nullptr));

    RawPeer garbage(port);
    QVERIFY(garbage.send(Bytes(64, 0xEE)));
    RawPeer oversized(port);
    QVERIFY(oversized.hello("big"));
    QCOMPARE(oversized.welcome(), 0);
    const uint32_t nine = 9u * 1024 * 1024;
    QVERIFY(oversized.send(Bytes{cast::AudioData, uint8_t(nine >> 24), uint8_t(nine >> 16), uint8_t(nine >> 8), 0}));
    RawPeer oldVersion(port);
    QVERIFY(oldVersion.hello("future", 2));
    QCOMPARE(oldVersion.welcome(), int(cast::UnsupportedVersion));

    QVERIFY(garbage.closedByEngine());
    QVERIFY(oversized.closedByEngine());
    QVERIFY(oldVersion.closedByEngine());

    QVERIFY(phone.waitForFinished(kWaitMs));
    QCOMPARE(phone.exitCode(), 0);
    void* steady = cb.handleOf("steady");
    QVERIFY(cb.waitFor("Disconnected", steady));
    QCOMPARE(cb.count("MirroringData", steady), 60);
    QVERIFY(cb.waitFor("Disconnected", cb.handleOf("big")));
    QVERIFY(!cb.handleOf("future"));
}

void TestCastEngine::reconnectReplacesOldConnection()
{
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);

    RawPeer first(port);
    QVERIFY(first.hello("same"));
    QCOMPARE(first.welcome(), 0);
    RawPeer second(port);
    QVERIFY(second.hello("same"));
    QCOMPARE(second.welcome(), 0);
    // The stale connection is closed without ending the channel...
    QVERIFY(first.closedByEngine());
    void* h = cb.handleOf("same");
    QCOMPARE(cb.count("Disconnected", h), 0);
    // ...which now belongs to the new connection, and ends exactly once with it.
    engine->SystemKey(h, 0x8000);
    cast::Frame f;
    std::string error;
    QCOMPARE(int(cast::readFrame(second.fd, f, error)), int(cast::ReadResult::Frame));
    QCOMPARE(int(f.type), int(cast::SystemKey));
    QVERIFY(second.send(cast::encodeFrame(cast::Bye, Bytes{})));
    QVERIFY(cb.waitFor("Disconnected", h));
    engine.reset();
    QCOMPARE(cb.count("Disconnected", h), 1);
}

void TestCastEngine::stopEndsOpenChannels()
{
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);
    RawPeer peer(port);
    QVERIFY(peer.hello("open"));
    QCOMPARE(peer.welcome(), 0);
    QVERIFY(cb.waitFor("Information", nullptr));

    engine->Stop();
    QCOMPARE(cb.count("Disconnected", cb.handleOf("open")), 1);
    QVERIFY(peer.closedByEngine());
    // A stopped engine can be stopped again and destroyed.
    engine->Stop();
}

void TestCastEngine::startFailsOnBusyPort()
{
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr first = startEngine(&cb, port);
    QVERIFY(first);
    EnginePtr second(CAirPlayFactory::Create());
    QVERIFY(second->Start(nullptr, nullptr, 0, 0, false, 0, 0, 0, 0, false, false, "x", 0, 0, port, 0, 0, 0, 0, 0,
                          false) != 0);
}

void TestCastEngine::accessGateAnswersPhones_data()
{
    QTest::addColumn<int>("checkAnswer");
    QTest::addColumn<int>("askAnswer");
    QTest::addColumn<int>("accessVersion");
    QTest::addColumn<int>("welcome");
    QTest::addColumn<bool>("pending");

    QTest::newRow("let in") << 0 << 0 << 1 << 0 << false;
    QTest::newRow("code required, old phone") << int(cast::CodeRequired) << 0 << 0 << int(cast::CodeRequired)
                                              << false;
    QTest::newRow("wrong code") << int(cast::WrongCode) << 0 << 1 << int(cast::WrongCode) << false;
    QTest::newRow("locked out") << int(cast::LockedOut) << 0 << 1 << int(cast::LockedOut) << false;
    QTest::newRow("asked, allowed") << int(CASTCORE_ACCESS_ASK) << 0 << 1 << 0 << true;
    QTest::newRow("asked, denied") << int(CASTCORE_ACCESS_ASK) << int(cast::Refused) << 1 << int(cast::Refused)
                                   << true;
    // An old phone would not understand ACCESS_PENDING; it only gets the answer.
    QTest::newRow("asked, old phone") << int(CASTCORE_ACCESS_ASK) << 0 << 0 << 0 << false;
    QTest::newRow("answer out of range") << 300 << 0 << 1 << int(cast::Refused) << false;
}

void TestCastEngine::accessGateAnswersPhones()
{
    QFETCH(int, checkAnswer);
    QFETCH(int, askAnswer);
    QFETCH(int, accessVersion);
    QFETCH(int, welcome);
    QFETCH(bool, pending);
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);
    ScriptedGate gate;
    gate.checkAnswer = checkAnswer;
    gate.askAnswer = askAnswer;
    const CastcoreAccessGate g{&gate, &ScriptedGate::check, &ScriptedGate::ask};
    castcoreSetAccessGate(engine.get(), &g);

    RawPeer peer(port);
    QVERIFY(peer.hello("gated", 1, uint16_t(accessVersion), accessVersion ? "4711" : ""));
    bool sawPending = false;
    QCOMPARE(peer.welcomeAfterPending(sawPending), welcome);
    QCOMPARE(sawPending, pending);
    QCOMPARE(gate.asked.size(), size_t(1));
    QCOMPARE(gate.asked[0], std::string("127.0.0.1|gated|") + (accessVersion ? "4711|1" : "|0"));
    QCOMPARE(gate.asks, checkAnswer == CASTCORE_ACCESS_ASK ? 1 : 0);
    // Only an admitted phone reaches the program.
    QCOMPARE(cb.count("Connect", nullptr), welcome == 0 ? 1 : 0);
    if (welcome != 0)
        QVERIFY(peer.closedByEngine());
}

void TestCastEngine::phonesBeyondLimitAreBusy()
{
    EngineLog log;
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);
    std::vector<std::unique_ptr<RawPeer>> phones;
    for (size_t i = 0; i < CastEngine::kMaxPhones; ++i) {
        phones.push_back(std::make_unique<RawPeer>(port));
        QVERIFY(phones.back()->hello("phone-" + std::to_string(i)));
        QCOMPARE(phones.back()->welcome(), 0);
    }
    RawPeer extra(port);
    QVERIFY(extra.hello("one-too-many", 1, 1));
    QCOMPARE(extra.welcome(), int(cast::Busy));
    QVERIFY(extra.closedByEngine());
    QCOMPARE(log.count("phones are mirroring already"), 1);

    // A place that frees up is there for the next phone.
    phones.front().reset();
    QVERIFY(cb.waitFor("Disconnected", cb.handleOf("phone-0")));
    RawPeer next(port);
    QVERIFY(next.hello("next"));
    QCOMPARE(next.welcome(), 0);
}

void TestCastEngine::strangersAreBoundedAndLoggedPerCause()
{
    EngineLog log;
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);

    // One byte of HELLO every second keeps each read alive but not the connection.
    RawPeer trickle(port);
    QElapsedTimer timer;
    timer.start();
    const Bytes hello = cast::encodeFrame(cast::Hello, cast::encodeHello(cast::HelloMsg{}));
    size_t sent = 0;
    bool closed = false;
    while (!closed && timer.elapsed() < 20000 && sent < hello.size()) {
        trickle.send(Bytes{hello[sent++]});
        closed = trickle.closedWithin(1000);
    }
    QVERIFY(closed);
    QVERIFY2(timer.elapsed() >= 9000, "closed before its 10 s were up");
    QCOMPARE(log.count("no HELLO within 10 s"), 1);

    // Half-open connections: those beyond the waiting limit are closed at once, with one line.
    const size_t extra = 6;
    std::vector<std::unique_ptr<RawPeer>> silent;
    for (size_t i = 0; i < CastEngine::kMaxAwaitingHello + extra; ++i)
        silent.push_back(std::make_unique<RawPeer>(port));
    const auto countClosed = [&] {
        size_t n = 0;
        for (auto& peer : silent)
            n += peer->closedNow();
        return n;
    };
    QTRY_COMPARE(countClosed(), extra);
    QTest::qWait(500);
    QCOMPARE(countClosed(), extra);
    QCOMPARE(log.count("turned away"), 1);
    // A phone that is already in goes on meanwhile.
    silent.clear();
    QTRY_COMPARE(log.count("closed by the phone before HELLO"), 1);
    RawPeer phone(port);
    QVERIFY(phone.hello("after the crowd"));
    QCOMPARE(phone.welcome(), 0);
    // The ones not logged are summed up when their cause's window is over.
    QTRY_VERIFY_WITH_TIMEOUT(log.count("more connection(s) turned away") == 1 &&
                             log.count("more connection(s) closed by the phone before HELLO") == 1, 15000);
}

// Phones started by hand without --id must not take each other's channel: each name gets
// its own id, and without a name each process gets a random one.
void TestCastEngine::phonesWithoutIdKeepApart_data()
{
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QString>("firstId");
    QTest::addColumn<QString>("secondId");
    QTest::newRow("named") << QStringList{"--name", "Alpha"} << QStringList{"--name", "Beta"}
                           << "pivora-cast:Alpha" << "pivora-cast:Beta";
    QTest::newRow("unnamed") << QStringList() << QStringList() << QString() << QString();
}

void TestCastEngine::phonesWithoutIdKeepApart()
{
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    QFETCH(QString, firstId);
    QFETCH(QString, secondId);
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);
    const QStringList common{"--port", QString::number(port), "--pattern", "160x120@30", "--duration", "1", "--fast"};
    QProcess a;
    QProcess b;
    a.start(castBinary(), common + first);
    b.start(castBinary(), common + second);
    QVERIFY(a.waitForFinished(kWaitMs) && b.waitForFinished(kWaitMs));
    QCOMPARE(a.exitCode() + b.exitCode(), 0);

    QStringList ids;
    for (const Call& c : cb.calls())
        if (c.name == "Connect")
            ids << QString::fromStdString(c.text);
    QCOMPARE(ids.size(), 2);
    QVERIFY2(ids[0] != ids[1], qPrintable(ids.join(", ")));
    if (!firstId.isEmpty()) {
        ids.sort();
        QCOMPARE(ids, QStringList({firstId, secondId}));
    }
    // Both phones streamed to the end on their own channels.
    for (const QString& id : ids) {
        void* h = cb.handleOf(id.toStdString());
        QVERIFY(cb.waitFor("Disconnected", h));
        QCOMPARE(cb.count("MirroringData", h), 30);
    }
}

void TestCastEngine::restartedMirroringStartsWithAKeyFrame()
{
    RecordingCallback cb;
    const int port = freeLoopbackPort();
    EnginePtr engine = startEngine(&cb, port);
    QVERIFY(engine);
    QProcess phone;
    phone.start(castBinary(), {"--port", QString::number(port), "--pattern", "160x120@30", "--duration", "3",
                               "--fast", "--id", "restarts", "--restart-every", "1"});
    QVERIFY(phone.waitForFinished(kWaitMs));
    QCOMPARE(phone.exitCode(), 0);
    void* h = cb.handleOf("restarts");
    QVERIFY(cb.waitFor("Disconnected", h));

    // Three streams, each opened with its configuration record and then a key frame.
    int starts = 0;
    bool awaitingFirst = false;
    QString previous;
    for (const Call& c : cb.calls(h)) {
        if (c.name == "MirroringStarted") {
            QCOMPARE(previous, starts == 0 ? QString("Information") : QString("MirroringStopped"));
            QCOMPARE(c.dataKind, 1);
            ++starts;
            awaitingFirst = true;
        } else if (c.name == "MirroringData" && awaitingFirst) {
            bool idr = false;
            QVERIFY(lengthPrefixed(c.data, idr));
            QVERIFY2(idr, "a restarted stream must open with a key frame");
            awaitingFirst = false;
        }
        previous = QString::fromStdString(c.name);
    }
    QCOMPARE(starts, 3);
}

QTEST_GUILESS_MAIN(TestCastEngine)
#include "test_cast_engine.moc"
