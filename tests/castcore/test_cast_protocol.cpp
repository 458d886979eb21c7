// Framing and payload decoding of the cast protocol, on buffers and over a socket pair.

#include "CastProtocol.h"
#include "CastSocket.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <sys/socket.h>
#include <unistd.h>

using Bytes = std::vector<uint8_t>;
Q_DECLARE_METATYPE(Bytes)

namespace {

Bytes header(uint8_t type, uint32_t length)
{
    return {type, uint8_t(length >> 24), uint8_t(length >> 16), uint8_t(length >> 8), uint8_t(length)};
}

Bytes concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes helloPayload(uint16_t version = 1)
{
    cast::HelloMsg h;
    h.version = version;
    h.channelId = "id";
    h.phoneName = "name";
    h.systemVersion = "14.2.1";
    h.model = "iPhone13,2";
    h.accessVersion = 0;  // the base layout; the access extension has rows of its own
    return cast::encodeHello(h);
}

} // namespace

class TestCastProtocol : public QObject {
    Q_OBJECT
private slots:
    void parseFrame_data();
    void parseFrame();
    void decodeRejectsMalformed_data();
    void decodeRejectsMalformed();
    void roundTrips();
    void stringsAreCutOnCharacterBoundaries();
    void readsFramesFromSocket_data();
    void readsFramesFromSocket();
};

void TestCastProtocol::parseFrame_data()
{
    QTest::addColumn<Bytes>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("consumed");

    const int complete = int(cast::ParseStatus::Complete), more = int(cast::ParseStatus::NeedMore),
              large = int(cast::ParseStatus::TooLarge);
    QTest::newRow("good") << concat(header(0x12, 2), {7, 8}) << complete << 0x12 << 7;
    QTest::newRow("empty payload") << header(0x7F, 0) << complete << 0x7F << 5;
    QTest::newRow("second frame left in buffer") << concat(header(0x13, 0), header(0x7F, 0)) << complete << 0x13 << 5;
    QTest::newRow("unknown type is still a frame") << concat(header(0x33, 1), {1}) << complete << 0x33 << 6;
    QTest::newRow("short header") << Bytes{0x11, 0, 0} << more << 0 << 0;
    QTest::newRow("short payload") << concat(header(0x11, 10), {1, 2, 3}) << more << 0 << 0;
    QTest::newRow("limit itself is allowed") << header(0x11, cast::kMaxPayload) << more << 0 << 0;
    QTest::newRow("one past the limit") << header(0x11, cast::kMaxPayload + 1) << large << 0 << 0;
    QTest::newRow("9 MiB") << header(0x21, 9u * 1024 * 1024) << large << 0 << 0;
    QTest::newRow("largest length") << header(0x01, 0xFFFFFFFFu) << large << 0 << 0;
}

void TestCastProtocol::parseFrame()
{
    QFETCH(Bytes, input);
    QFETCH(int, status);
    QFETCH(int, type);
    QFETCH(int, consumed);
    cast::Frame frame;
    size_t used = 99;
    QCOMPARE(int(cast::parseFrame(input.data(), input.size(), frame, used)), status);
    QCOMPARE(int(used), consumed);
    if (status == int(cast::ParseStatus::Complete)) {
        QCOMPARE(int(frame.type), type);
        QCOMPARE(frame.payload.size(), size_t(consumed) - cast::kHeaderSize);
    }
}

void TestCastProtocol::decodeRejectsMalformed_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Bytes>("payload");
    QTest::addColumn<bool>("valid");

    const Bytes hello = helloPayload();
    QTest::newRow("hello") << int(cast::Hello) << hello << true;
    QTest::newRow("hello, other version") << int(cast::Hello) << helloPayload(2) << true;
    Bytes badMagic = hello;
    badMagic[0] = 'X';
    QTest::newRow("hello, wrong magic") << int(cast::Hello) << badMagic << false;
    QTest::newRow("hello, cut in a text") << int(cast::Hello) << Bytes(hello.begin(), hello.end() - 3) << false;
    Bytes longText = {'P', 'V', 'C', 'A', 'S', 'T', 0, 1, 3, 1, 0};  // channel id of 256 bytes
    longText.resize(longText.size() + 256, 'a');
    QTest::newRow("hello, text over 255 bytes") << int(cast::Hello) << longText << false;
    Bytes zeroInside = hello;
    zeroInside[12] = 0;  // inside the channel id "id"
    QTest::newRow("hello, zero byte in a text") << int(cast::Hello) << zeroInside << false;
    QTest::newRow("hello, one stray byte after the fields") << int(cast::Hello) << concat(hello, {7}) << true;
    QTest::newRow("hello, access version without its code") << int(cast::Hello) << concat(hello, {0, 1}) << false;
    QTest::newRow("hello, access code") << int(cast::Hello) << concat(hello, {0, 1, 0, 2, '4', '2'}) << true;
    QTest::newRow("mirror start") << int(cast::MirrorStart) << cast::encodeMirrorStart(320, 240, 1.5, {1, 2}) << true;
    QTest::newRow("mirror start, negative width")
        << int(cast::MirrorStart) << cast::encodeMirrorStart(-1, 240, 0, {1}) << false;
    QTest::newRow("mirror start, short") << int(cast::MirrorStart) << Bytes(15, 0) << false;
    QTest::newRow("video, empty data") << int(cast::Video) << cast::encodeVideo(0, 0, 0, nullptr, 0) << true;
    QTest::newRow("video, short") << int(cast::Video) << Bytes(12, 0) << false;
    QTest::newRow("video, NaN time")
        << int(cast::Video) << cast::encodeVideo(std::nan(""), 0, 0, nullptr, 0) << false;
    QTest::newRow("audio data, infinite time")
        << int(cast::AudioData) << cast::encodeAudioData(std::numeric_limits<double>::infinity(), 0, nullptr, 0)
        << false;
    QTest::newRow("audio format, channels beyond int")
        << int(cast::AudioFormat) << cast::encodeAudioFormat({16, 0x80000000u, 44100, 0}) << false;
    QTest::newRow("rotated, short") << int(cast::Rotated) << Bytes(7, 0) << false;
    const cast::TouchRecord one{1, 0, 0.25f, 0.6f};
    QTest::newRow("touch") << int(cast::Touch) << cast::encodeTouch(&one, 1) << true;
    Bytes shortTouch = cast::encodeTouch(&one, 1);
    shortTouch.pop_back();
    QTest::newRow("touch, record cut") << int(cast::Touch) << shortTouch << false;
    QTest::newRow("touch, huge count") << int(cast::Touch) << Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0, 0} << false;
    QTest::newRow("key, short") << int(cast::Key) << Bytes(7, 0) << false;
    QTest::newRow("welcome, short") << int(cast::Welcome) << Bytes{0, 1} << false;
}

void TestCastProtocol::decodeRejectsMalformed()
{
    QFETCH(int, type);
    QFETCH(Bytes, payload);
    QFETCH(bool, valid);
    bool ok = false;
    switch (type) {
    case cast::Hello: { cast::HelloMsg m; ok = cast::decodeHello(payload, m); break; }
    case cast::MirrorStart: { cast::MirrorStartMsg m; ok = cast::decodeMirrorStart(payload, m); break; }
    case cast::Video: { cast::VideoMsg m; ok = cast::decodeVideo(payload, m); break; }
    case cast::AudioData: { cast::AudioDataMsg m; ok = cast::decodeAudioData(payload, m); break; }
    case cast::AudioFormat: { cast::AudioFormatMsg m; ok = cast::decodeAudioFormat(payload, m); break; }
    case cast::Rotated: { cast::RotatedMsg m; ok = cast::decodeRotated(payload, m); break; }
    case cast::Touch: { std::vector<cast::TouchRecord> r; ok = cast::decodeTouch(payload, r); break; }
    case cast::Key: { cast::KeyMsg m; ok = cast::decodeKey(payload, m); break; }
    case cast::Welcome: { cast::WelcomeMsg m; ok = cast::decodeWelcome(payload, m); break; }
    default: QFAIL("row without a decoder");
    }
    QCOMPARE(ok, valid);
}

void TestCastProtocol::roundTrips()
{
    cast::HelloMsg hello;
    QVERIFY(cast::decodeHello(helloPayload(), hello));
    QCOMPARE(hello.channelId, std::string("id"));
    QCOMPARE(hello.model, std::string("iPhone13,2"));
    QCOMPARE(int(hello.kind), 3);
    QCOMPARE(int(hello.accessVersion), 0);  // a phone without the access extension

    cast::HelloMsg withCode;
    withCode.channelId = "id";
    withCode.accessCode = "0427";
    cast::HelloMsg back;
    QVERIFY(cast::decodeHello(cast::encodeHello(withCode), back));
    QCOMPARE(int(back.accessVersion), int(cast::kAccessVersion));
    QCOMPARE(back.accessCode, std::string("0427"));
    cast::WelcomeMsg welcome;
    QVERIFY(cast::decodeWelcome(cast::encodeWelcome(cast::LockedOut), welcome));
    QCOMPARE(int(welcome.status), int(cast::LockedOut));
    QCOMPARE(int(welcome.accessVersion), int(cast::kAccessVersion));
    // A receiver without the extension sends status and version only.
    QVERIFY(cast::decodeWelcome(Bytes{2, 0, 1}, welcome));
    QCOMPARE(int(welcome.accessVersion), 0);

    const cast::TouchRecord records[2] = {{1, 0, 0.25f, 0.6f}, {0, 7, 1.0f, 0.0f}};
    std::vector<cast::TouchRecord> decoded;
    QVERIFY(cast::decodeTouch(cast::encodeTouch(records, 2), decoded));
    QCOMPARE(decoded.size(), size_t(2));
    QCOMPARE(decoded[0].x, 0.25f);
    QCOMPARE(decoded[0].y, 0.6f);
    QCOMPARE(decoded[1].pointerId, 7u);

    const uint8_t au[] = {0, 0, 0, 1, 0x65};
    const Bytes video = cast::encodeVideo(2.5, 0, cast::TurnedRight, au, sizeof au);
    // timestamp 8, kind 1, rotation 4, then the data
    QCOMPARE(video.size(), size_t(13 + sizeof au));
    cast::VideoMsg v;
    QVERIFY(cast::decodeVideo(video, v));
    QCOMPARE(v.timestamp, 2.5);
    QCOMPARE(v.rotation, uint32_t(cast::TurnedRight));
    QCOMPARE(Bytes(v.data, v.data + v.length), Bytes(au, au + sizeof au));

    const Bytes frame = cast::encodeFrame(cast::Key, cast::encodeKey(-1, 4));
    QCOMPARE(frame, (Bytes{0x91, 0, 0, 0, 8, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 4}));
}

void TestCastProtocol::stringsAreCutOnCharacterBoundaries()
{
    const std::string text = std::string(254, 'a') + "\xC3\xA9";  // 256 bytes, ends in a 2-byte letter
    cast::PayloadWriter w;
    w.str(text);
    cast::PayloadReader r(w.data());
    std::string back;
    QVERIFY(r.str(back));
    QCOMPARE(back, std::string(254, 'a'));
}

void TestCastProtocol::readsFramesFromSocket_data()
{
    QTest::addColumn<Bytes>("sent");
    QTest::addColumn<int>("result");

    QTest::newRow("frame") << concat(header(0x93, 0), {}) << int(cast::ReadResult::Frame);
    QTest::newRow("nothing, then closed") << Bytes{} << int(cast::ReadResult::Closed);
    QTest::newRow("closed in the header") << Bytes{0x11, 0} << int(cast::ReadResult::Truncated);
    QTest::newRow("closed in the payload") << concat(header(0x11, 20), {1, 2}) << int(cast::ReadResult::Truncated);
    QTest::newRow("oversized") << header(0x11, 9u * 1024 * 1024) << int(cast::ReadResult::TooLarge);
}

void TestCastProtocol::readsFramesFromSocket()
{
    QFETCH(Bytes, sent);
    QFETCH(int, result);
    int fds[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM, 0, fds), 0);
    QVERIFY(cast::writeAll(fds[0], sent.data(), sent.size()));
    ::close(fds[0]);
    cast::Frame frame;
    std::string error;
    QCOMPARE(int(cast::readFrame(fds[1], frame, error)), result);
    ::close(fds[1]);
}

QTEST_GUILESS_MAIN(TestCastProtocol)
#include "test_cast_protocol.moc"
