#include "media/PacketQueue.h"

#include <QtTest>

#include <cstring>

// The bound on a decoding backlog: what stays queued and what each push reports.
namespace {

// "K300": key picture arriving at 300 ms, "P300": other picture, "C300": configuration.
AVPacketPtr packetFor(const QString& token)
{
    AVPacketPtr packet = makeAVPacket();
    const QByteArray name = token.toLatin1();
    av_new_packet(packet.get(), name.size());
    std::memcpy(packet->data, name.constData(), size_t(name.size()));
    const int64_t us = token.mid(1).toLongLong() * 1000;
    packet->pts = token.startsWith('C') ? AV_NOPTS_VALUE : us;
    packet->flags = token.startsWith('K') ? AV_PKT_FLAG_KEY : 0;
    return packet;
}

int64_t arrivalOf(const QString& token)
{
    return token.mid(1).toLongLong() * 1000;
}

// "queued", "refused", "trim N", "await N", each followed by " ask" when a key frame is due.
QString describe(const PacketQueue::PushResult& result)
{
    QString text;
    switch (result.trim) {
    case PacketQueue::Trim::None: text = result.queued ? "queued" : "refused"; break;
    case PacketQueue::Trim::ToKeyFrame: text = QStringLiteral("trim %1").arg(result.dropped); break;
    case PacketQueue::Trim::AwaitKeyFrame: text = QStringLiteral("await %1").arg(result.dropped); break;
    }
    return result.needKeyFrame ? text + " ask" : text;
}

QStringList drain(PacketQueue& queue)
{
    queue.close();
    QStringList left;
    while (AVPacketPtr packet = queue.pop())
        left << QString::fromLatin1(reinterpret_cast<const char*>(packet->data), packet->size);
    return left;
}

} // namespace

class TestPacketQueue : public QObject {
    Q_OBJECT
private slots:
    void boundsBacklog_data()
    {
        QTest::addColumn<QStringList>("pushed");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<QStringList>("left");

        QTest::newRow("one second exactly is kept")
            << QStringList{"K0", "P500", "P1000"} << QStringList{"queued", "queued", "queued"}
            << QStringList{"K0", "P500", "P1000"};
        QTest::newRow("pictures before a queued key frame go")
            << QStringList{"K0", "P300", "K600", "P900", "P1100"}
            << QStringList{"queued", "queued", "queued", "queued", "trim 2"}
            << QStringList{"K600", "P900", "P1100"};
        QTest::newRow("the newest key frame is kept")
            << QStringList{"K0", "K200", "P300", "K500", "P1200"}
            << QStringList{"queued", "queued", "queued", "queued", "trim 3"}
            << QStringList{"K500", "P1200"};
        QTest::newRow("a key frame arriving late ends the backlog")
            << QStringList{"P0", "P400", "K1100"} << QStringList{"queued", "queued", "trim 2"}
            << QStringList{"K1100"};
        QTest::newRow("configuration is never dropped")
            << QStringList{"C0", "K0", "P300", "C600", "K600", "P1100"}
            << QStringList{"queued", "queued", "queued", "queued", "queued", "trim 2"}
            << QStringList{"C0", "C600", "K600", "P1100"};
        QTest::newRow("configuration alone is no backlog")
            << QStringList{"C0", "C2000", "K2100"} << QStringList{"queued", "queued", "queued"}
            << QStringList{"C0", "C2000", "K2100"};
        QTest::newRow("without a later key frame all pictures go until one comes")
            << QStringList{"K0", "P500", "P1100", "P1200", "C1300", "K1400", "P1500"}
            << QStringList{"queued", "queued", "await 3 ask", "refused", "queued", "queued", "queued"}
            << QStringList{"C1300", "K1400", "P1500"};
        QTest::newRow("the key frame is asked for again while none comes")
            << QStringList{"K0", "P1100", "P1500", "P2100", "P2200", "P3200", "P3300"}
            << QStringList{"queued", "await 2 ask", "refused", "refused", "refused ask", "refused",
                           "refused ask"}
            << QStringList{};
    }
    void boundsBacklog()
    {
        QFETCH(QStringList, pushed);
        QFETCH(QStringList, reports);
        QFETCH(QStringList, left);
        PacketQueue queue;
        QStringList seen;
        for (const QString& token : pushed)
            seen << describe(queue.push(packetFor(token), arrivalOf(token)));
        QCOMPARE(seen, reports);
        QCOMPARE(drain(queue), left);
    }

    void closedQueueRefuses()
    {
        PacketQueue queue;
        queue.close();
        QCOMPARE(describe(queue.push(packetFor("K0"), 0)), QString("refused"));
        QCOMPARE(queue.count(), 0);
        QVERIFY(!queue.pop());
        queue.reopen();
        QCOMPARE(describe(queue.push(packetFor("K0"), 0)), QString("queued"));
        QCOMPARE(queue.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestPacketQueue)
#include "test_packetqueue.moc"
