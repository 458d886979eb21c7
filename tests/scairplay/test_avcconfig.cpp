#include "scairplay/AvcConfig.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
}

namespace {

const uint8_t* bytes(const QByteArray& a)
{
    return reinterpret_cast<const uint8_t*>(a.constData());
}

// Records written by the MP4 muxer for libx264 encodes: 1918x1078 High (with the High
// extension bytes) and 642x362 High 4:4:4.
const QByteArray kRecordHigh = QByteArray::fromHex(
    "01641028ffe1001767641028acb80f0044f53602200000030020000006408001000568ee0f2c8bfdf8f800");
const QByteArray kRecord444 = QByteArray::fromHex(
    "01f4001effe1001a67f4001e919b281485fc7cf808800000030080000019078b16cb01000668ebe3c44844fff8f800");
const QByteArray kSpsHigh = QByteArray::fromHex("67641028acb80f0044f53602200000030020000006408001");
const QByteArray kPpsHigh = QByteArray::fromHex("68ee0f2c8b");

QByteArray be16(int v)
{
    return QByteArray(1, char(v >> 8)) + QByteArray(1, char(v));
}

QByteArray be32(uint32_t v)
{
    return be16(int(v >> 16)) + be16(int(v & 0xffff));
}

// A record around the given sets, as an encoder lays it out.
QByteArray makeRecord(const QList<QByteArray>& sps, const QList<QByteArray>& pps)
{
    QByteArray r = QByteArray::fromHex("0164001fff");
    r.append(char(0xe0 | sps.size()));
    for (const QByteArray& s : sps)
        r.append(be16(s.size())).append(s);
    r.append(char(pps.size()));
    for (const QByteArray& p : pps)
        r.append(be16(p.size())).append(p);
    return r;
}

QByteArray startCodes(const QList<QByteArray>& units)
{
    QByteArray out;
    for (const QByteArray& u : units)
        out.append(QByteArray::fromHex("00000001")).append(u);
    return out;
}

QByteArray lengthPrefixed(const QList<QByteArray>& units)
{
    QByteArray out;
    for (const QByteArray& u : units)
        out.append(be32(uint32_t(u.size()))).append(u);
    return out;
}

// NAL units of an Annex B buffer.
QList<QByteArray> splitAnnexB(const QByteArray& data)
{
    QList<QByteArray> units;
    int start = -1;
    for (int i = 0; i + 2 < data.size(); ++i) {
        if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1) {
            if (start >= 0)
                units.append(data.mid(start, (i > 0 && data[i - 1] == 0 ? i - 1 : i) - start));
            start = i + 3;
            i += 2;
        }
    }
    if (start >= 0)
        units.append(data.mid(start));
    return units;
}

struct ParamsDeleter {
    void operator()(AVCodecParameters* p) const { avcodec_parameters_free(&p); }
};
using ParamsPtr = std::unique_ptr<AVCodecParameters, ParamsDeleter>;
struct CodecDeleter {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
using CodecPtr = std::unique_ptr<AVCodecContext, CodecDeleter>;
struct FrameDeleter {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
using FramePtr = std::unique_ptr<AVFrame, FrameDeleter>;
struct PacketDeleter {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
using PacketPtr = std::unique_ptr<AVPacket, PacketDeleter>;

// Encodes one picture of the given size with libx264; empty when the encoder is missing.
QByteArray encodeOneFrame(int width, int height)
{
    const AVCodec* codec = avcodec_find_encoder_by_name("libx264");
    if (!codec)
        return {};
    CodecPtr enc(avcodec_alloc_context3(codec));
    enc->width = width;
    enc->height = height;
    enc->pix_fmt = AV_PIX_FMT_YUV420P;
    enc->time_base = {1, 25};
    av_opt_set(enc->priv_data, "preset", "ultrafast", 0);
    av_opt_set(enc->priv_data, "tune", "zerolatency", 0);
    if (avcodec_open2(enc.get(), codec, nullptr) < 0)
        return {};
    FramePtr frame(av_frame_alloc());
    frame->format = enc->pix_fmt;
    frame->width = width;
    frame->height = height;
    av_frame_get_buffer(frame.get(), 0);
    for (int plane = 0; plane < 3; ++plane)
        for (int y = 0; y < (plane ? height / 2 : height); ++y)
            for (int x = 0; x < (plane ? width / 2 : width); ++x)
                frame->data[plane][y * frame->linesize[plane] + x] = uint8_t(x * 3 + y * 5 + plane * 40);
    frame->pts = 0;
    QByteArray out;
    PacketPtr pkt(av_packet_alloc());
    avcodec_send_frame(enc.get(), frame.get());
    avcodec_send_frame(enc.get(), nullptr);
    while (avcodec_receive_packet(enc.get(), pkt.get()) == 0) {
        out.append(reinterpret_cast<const char*>(pkt->data), pkt->size);
        av_packet_unref(pkt.get());
    }
    return out;
}

} // namespace

class TestAvcConfig : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { av_log_set_level(AV_LOG_ERROR); }

    void realRecords_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("level");
        QTest::newRow("high 1918x1078") << kRecordHigh << 1918 << 1078 << 100 << 40;
        QTest::newRow("4:4:4 642x362") << kRecord444 << 642 << 362 << 244 << 30;
    }
    void realRecords()
    {
        QFETCH(QByteArray, record);
        AvcConfigRecord parsed;
        QVERIFY(parseAvcConfigRecord(bytes(record), record.size(), &parsed));
        QCOMPARE(parsed.sps.size(), 1);
        QCOMPARE(parsed.pps.size(), 1);
        QCOMPARE(parsed.sps.first().at(0) & 0x1f, 7);
        QCOMPARE(parsed.pps.first().at(0) & 0x1f, 8);

        ParamsPtr par(avcodec_parameters_alloc());
        QVERIFY(fillAvcVideoParameters(par.get(), bytes(record), record.size()));
        QCOMPARE(par->codec_type, AVMEDIA_TYPE_VIDEO);
        QCOMPARE(par->codec_id, AV_CODEC_ID_H264);
        QCOMPARE(par->format, int(AV_PIX_FMT_YUV420P));
        QTEST(par->width, "width");
        QTEST(par->height, "height");
        QTEST(par->profile, "profile");
        QTEST(par->level, "level");
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(par->extradata), par->extradata_size), record);
        for (int i = 0; i < AV_INPUT_BUFFER_PADDING_SIZE; ++i)
            QCOMPARE(par->extradata[record.size() + i], uint8_t(0));
    }

    void setsInRecordOrder()
    {
        const QByteArray sps2 = QByteArray::fromHex("6742c01ed900a02ff97011000003000100000300320f162e48");
        const QByteArray pps2 = QByteArray::fromHex("68cb83cb20");
        const QByteArray record = makeRecord({kSpsHigh, sps2}, {kPpsHigh, pps2});
        AvcConfigRecord parsed;
        QVERIFY(parseAvcConfigRecord(bytes(record), record.size(), &parsed));
        QCOMPARE(avcConfigToAnnexB(parsed), startCodes({kSpsHigh, sps2, kPpsHigh, pps2}));

        // The size comes from the first set.
        ParamsPtr par(avcodec_parameters_alloc());
        QVERIFY(fillAvcVideoParameters(par.get(), bytes(record), record.size()));
        QCOMPARE(QSize(par->width, par->height), QSize(1918, 1078));
    }

    void cutRecords_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("spsKept");
        QTest::addColumn<int>("ppsKept");
        QTest::addColumn<QString>("log");
        const QByteArray full = makeRecord({kSpsHigh, kSpsHigh}, {kPpsHigh});
        const int firstSpsEnd = 6 + 2 + kSpsHigh.size();
        const int secondSpsEnd = firstSpsEnd + 2 + kSpsHigh.size();
        QTest::newRow("shorter than the header") << full.left(5) << 0 << 0 << "too short";
        QTest::newRow("first length cut") << full.left(7) << 0 << 0 << "sequence parameter set runs past";
        QTest::newRow("first set cut") << full.left(firstSpsEnd - 1) << 0 << 0 << "sequence parameter set runs past";
        QTest::newRow("second set cut") << full.left(secondSpsEnd - 3) << 1 << 0 << "sequence parameter set runs past";
        QTest::newRow("count byte missing") << full.left(secondSpsEnd) << 2 << 0 << "before its picture parameter set count";
        QTest::newRow("picture set cut") << full.left(full.size() - 1) << 2 << 0 << "picture parameter set runs past";
        QByteArray lying = full;
        lying[6] = char(0xff); // first length 0xff.. far past the end
        QTest::newRow("absurd length") << lying << 0 << 0 << "sequence parameter set runs past";
    }
    void cutRecords()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, spsKept);
        QFETCH(int, ppsKept);
        QFETCH(QString, log);
        AvcConfigRecord parsed;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(log));
        QVERIFY(!parseAvcConfigRecord(bytes(record), record.size(), &parsed));
        QCOMPARE(parsed.sps.size(), spsKept);
        QCOMPARE(parsed.pps.size(), ppsKept);
        for (const QByteArray& s : parsed.sps)
            QCOMPARE(s, kSpsHigh);
    }

    // A cut record still yields the size of a complete first set, but is reported.
    void cutRecordParameters()
    {
        const QByteArray record = kRecordHigh.left(kRecordHigh.size() - 6);
        ParamsPtr par(avcodec_parameters_alloc());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("picture parameter set runs past"));
        QVERIFY(!fillAvcVideoParameters(par.get(), bytes(record), record.size()));
        QCOMPARE(QSize(par->width, par->height), QSize(1918, 1078));
        QCOMPARE(par->extradata_size, record.size());
    }

    void unusableRecords_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("logs");
        QTest::newRow("no sequence parameter set") << makeRecord({}, {kPpsHigh})
                                                   << QStringList{"no sequence parameter set"};
        QTest::newRow("header byte only") << makeRecord({QByteArray(1, 0x67)}, {kPpsHigh})
                                          << QStringList{"no sequence parameter set"};
        QTest::newRow("cut set") << makeRecord({QByteArray::fromHex("6700000000")}, {kPpsHigh})
                                 << QStringList{"ends before its last field", "gives no picture size"};
        // One macroblock cropped by 28 columns.
        QTest::newRow("impossible size") << makeRecord({QByteArray::fromHex("6742c01efbe3fa")}, {kPpsHigh})
                                         << QStringList{"impossible picture width", "gives no picture size"};
        QTest::newRow("empty") << QByteArray() << QStringList{"too short", "no sequence parameter set"};
    }
    void unusableRecords()
    {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, logs);
        ParamsPtr par(avcodec_parameters_alloc());
        for (const QString& log : logs)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(log));
        QVERIFY(!fillAvcVideoParameters(par.get(), record.isEmpty() ? nullptr : bytes(record), record.size()));
        QCOMPARE(par->width, 0);
        QCOMPARE(par->height, 0);
        QCOMPARE(par->codec_id, AV_CODEC_ID_H264);
    }

    void nalRewrite_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<bool>("keyFrame");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("units");
        const QByteArray idr = QByteArray::fromHex("6588840021");
        const QByteArray slice = QByteArray::fromHex("419a2244");
        const QByteArray sei = QByteArray::fromHex("06050102");
        QTest::newRow("key frame among others") << lengthPrefixed({sei, idr, slice}) << startCodes({sei, idr, slice})
                                                << true << true << 3;
        QTest::newRow("empty unit") << lengthPrefixed({QByteArray(), slice}) << startCodes({QByteArray(), slice})
                                    << false << true << 2;
        // Bad lengths stop the walk; the rest stays as received.
        QByteArray past = lengthPrefixed({slice}) + be32(100) + idr;
        QTest::newRow("length past the end") << past << (startCodes({slice}) + be32(100) + idr) << false << false << 1;
        QByteArray absurd = be32(0xffffffffu) + idr;
        QTest::newRow("absurd length") << absurd << absurd << false << false << 0;
        QByteArray bigInt = lengthPrefixed({slice}) + be32(0x7ffffffc) + idr;
        QTest::newRow("length near the int limit") << bigInt << (startCodes({slice}) + be32(0x7ffffffc) + idr)
                                                   << false << false << 1;
        QByteArray tail = lengthPrefixed({idr}) + QByteArray::fromHex("0000");
        QTest::newRow("cut length field") << tail << (startCodes({idr}) + QByteArray::fromHex("0000")) << true
                                          << false << 1;
        QByteArray shortUnit = lengthPrefixed({idr});
        shortUnit.chop(1);
        QTest::newRow("unit one byte short") << shortUnit << shortUnit << false << false << 0;
    }
    void nalRewrite()
    {
        QFETCH(QByteArray, input);
        QFETCH(bool, complete);
        if (!complete)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("NAL unit length"));
        QByteArray data = input;
        const AvcNalRewrite result = rewriteNalLengthsToStartCodes(reinterpret_cast<uint8_t*>(data.data()), data.size());
        QTEST(data, "output");
        QTEST(result.keyFrame, "keyFrame");
        QTEST(result.complete, "complete");
        QTEST(result.units, "units");
    }

    // libx264 output turned into what a phone sends, then back: the record gives the encoded
    // size and the rewrite restores the encoder's own units.
    void encoderRoundTrip()
    {
        const QByteArray annexB = encodeOneFrame(98, 62);
        if (annexB.isEmpty())
            QSKIP("libx264 encoder not available");
        QList<QByteArray> units = splitAnnexB(annexB);
        QList<QByteArray> sps, pps, frame;
        for (const QByteArray& u : units) {
            const int type = u.at(0) & 0x1f;
            (type == 7 ? sps : type == 8 ? pps : frame).append(u);
        }
        QCOMPARE(sps.size(), 1);
        QCOMPARE(pps.size(), 1);

        const QByteArray record = makeRecord(sps, pps);
        ParamsPtr par(avcodec_parameters_alloc());
        QVERIFY(fillAvcVideoParameters(par.get(), bytes(record), record.size()));
        QCOMPARE(QSize(par->width, par->height), QSize(98, 62));

        AvcConfigRecord parsed;
        QVERIFY(parseAvcConfigRecord(bytes(record), record.size(), &parsed));
        QByteArray data = lengthPrefixed(frame);
        const AvcNalRewrite result = rewriteNalLengthsToStartCodes(reinterpret_cast<uint8_t*>(data.data()), data.size());
        QVERIFY(result.complete);
        QVERIFY(result.keyFrame);
        QCOMPARE(data, startCodes(frame));
        QCOMPARE(avcConfigToAnnexB(parsed), startCodes(sps + pps));
    }
};

QTEST_GUILESS_MAIN(TestAvcConfig)
#include "test_avcconfig.moc"
