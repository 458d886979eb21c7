#include "media/H264BitReader.h"
#include "media/H264Sps.h"

#include "media/H264BitWriter.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

const uint8_t* bytes(const QByteArray& a)
{
    return reinterpret_cast<const uint8_t*>(a.constData());
}

std::unique_ptr<H264BitReader> readerFor(const QByteArray& a)
{
    return H264BitReader::create(bytes(a), a.size());
}

// SPS fields for synthetic parameter sets; sizes in macroblocks / map units.
struct SynthSps {
    int profile = 100;
    int chroma = 1;
    bool scaling = false;
    QVector<QVector<int>> deltas; // per list: empty = not present, else the coded deltas
    int pocType = 0;
    int cycleOffsets = 0;
    int widthMbs = 80;
    int heightMapUnits = 45;
    bool frameMbsOnly = true;
    int crop[4] = {0, 0, 0, 0};
};

QByteArray buildSps(const SynthSps& s)
{
    H264BitWriter w;
    w.bits(s.profile, 8);
    w.bits(0, 8); // constraint flags and reserved bits
    w.bits(31, 8);
    w.ue(0);
    if (s.profile == 100 || s.profile == 244) {
        w.ue(s.chroma);
        if (s.chroma == 3)
            w.bit(0);
        w.ue(0);
        w.ue(0);
        w.bit(0);
        w.bit(s.scaling);
        if (s.scaling) {
            for (int i = 0; i < (s.chroma == 3 ? 12 : 8); ++i) {
                const bool present = i < s.deltas.size() && !s.deltas[i].isEmpty();
                w.bit(present);
                if (present)
                    for (int d : s.deltas[i])
                        w.se(d);
            }
        }
    }
    w.ue(0); // log2_max_frame_num_minus4
    w.ue(s.pocType);
    if (s.pocType == 0) {
        w.ue(2);
    } else if (s.pocType == 1) {
        w.bit(0);
        w.se(-3);
        w.se(5);
        w.ue(s.cycleOffsets);
        for (int i = 0; i < s.cycleOffsets; ++i)
            w.se(i % 2 ? -(i + 1) : i + 1);
    }
    w.ue(4);
    w.bit(0);
    w.ue(s.widthMbs - 1);
    w.ue(s.heightMapUnits - 1);
    w.bit(s.frameMbsOnly);
    if (!s.frameMbsOnly)
        w.bit(0);
    w.bit(1);
    const bool cropping = s.crop[0] || s.crop[1] || s.crop[2] || s.crop[3];
    w.bit(cropping);
    if (cropping)
        for (int c : s.crop)
            w.ue(c);
    w.bit(0);
    return w.payload();
}

// Silences the log while malformed input is thrown at the parser in bulk.
struct QuietLog {
    QuietLog() : previous(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})) {}
    ~QuietLog() { qInstallMessageHandler(previous); }
    QtMessageHandler previous;
};

} // namespace

class TestH264Parse : public QObject {
    Q_OBJECT
private slots:
    void emulationPrevention_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("rbsp");
        QTest::newRow("start code escape") << QByteArray::fromHex("00000301") << QByteArray::fromHex("000001");
        QTest::newRow("two escapes in a row") << QByteArray::fromHex("000003000003") << QByteArray::fromHex("00000000");
        QTest::newRow("zero count restarts after an escape")
            << QByteArray::fromHex("0000030003") << QByteArray::fromHex("00000003");
        QTest::newRow("escape at the end") << QByteArray::fromHex("aa000003") << QByteArray::fromHex("aa0000");
        QTest::newRow("escaped 03 data byte") << QByteArray::fromHex("00000303") << QByteArray::fromHex("000003");
        QTest::newRow("single zero keeps 03") << QByteArray::fromHex("110003") << QByteArray::fromHex("110003");
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void emulationPrevention()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, rbsp);
        const auto reader = readerFor(input);
        QVERIFY(reader);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(reader->data()), reader->size()), rbsp);
        QCOMPARE(reader->totalBits(), rbsp.size() * 8);
    }

    void expGolomb_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<uint>("ue");
        QTest::addColumn<int>("se");
        QTest::addColumn<int>("bitsUsed");
        QTest::newRow("1") << QByteArray::fromHex("80") << 0u << 0 << 1;
        QTest::newRow("010") << QByteArray::fromHex("40") << 1u << 1 << 3;
        QTest::newRow("011") << QByteArray::fromHex("60") << 2u << -1 << 3;
        QTest::newRow("00100") << QByteArray::fromHex("20") << 3u << 2 << 5;
        // 31 zeros, a one and 31 ones: the largest code the standard has.
        QTest::newRow("largest") << QByteArray::fromHex("00000001ffffffff") << 4294967294u << -2147483647 << 63;
        QTest::newRow("32 zeros saturate") << QByteArray::fromHex("00000000ffffffffff") << 4294967295u
                                           << 2147483647 << 64;
        QTest::newRow("all zeros stop at the end") << QByteArray::fromHex("0000") << 4294967295u << 2147483647 << 16;
    }
    void expGolomb()
    {
        QFETCH(QByteArray, input);
        QFETCH(uint, ue);
        QFETCH(int, se);
        QFETCH(int, bitsUsed);
        auto reader = readerFor(input);
        QCOMPARE(reader->readUe(), ue);
        QCOMPARE(reader->bitPosition(), bitsUsed);
        reader = readerFor(input);
        QCOMPARE(reader->readSe(), se);
    }

    void readBits_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("skip");
        QTest::addColumn<int>("n");
        QTest::addColumn<uint>("value");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("overran");
        QTest::newRow("aligned byte") << QByteArray::fromHex("a5ff") << 0 << 8 << 0xa5u << 8 << false;
        QTest::newRow("32 bits over five bytes") << QByteArray::fromHex("123456789a") << 4 << 32 << 0x23456789u
                                                 << 36 << false;
        QTest::newRow("more than remain") << QByteArray::fromHex("abcd") << 4 << 16 << 0xbcdu << 16 << true;
        QTest::newRow("at the end") << QByteArray::fromHex("ab") << 8 << 5 << 0u << 8 << true;
        QTest::newRow("negative count") << QByteArray::fromHex("ab") << 3 << -4 << 0u << 3 << false;
    }
    void readBits()
    {
        QFETCH(QByteArray, input);
        QFETCH(int, skip);
        QFETCH(int, n);
        auto reader = readerFor(input);
        reader->readBits(skip);
        QTEST(reader->readBits(n), "value");
        QTEST(reader->bitPosition(), "position");
        QCOMPARE(reader->bitInByte(), reader->bitPosition() % 8);
        QTEST(reader->overran(), "overran");
    }

    void createRejects()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("\"scairplay/SCMFH264\" line \\d+ \\[err\\]: NULL ptr"));
        QVERIFY(!H264BitReader::create(nullptr, 4));
        const uint8_t one = 0;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("length out of range"));
        QVERIFY(!H264BitReader::create(&one, -1));
    }

    // Parameter sets of libx264 encodes (NAL header byte first) and the size each was made at.
    void realSps_data()
    {
        QTest::addColumn<QByteArray>("nal");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("level");
        auto row = [](const char* name, const char* hex, int w, int h, int profile, int level) {
            QTest::newRow(name) << QByteArray::fromHex(hex) << w << h << profile << level;
        };
        row("baseline 640x360", "6742c01ed900a02ff97011000003000100000300320f162e48", 640, 360, 66, 30);
        row("main 1280x720", "674d401feca02802dd80880000030008000003019078c18cb0", 1280, 720, 77, 31);
        row("high 1920x1080", "67640028acd940780227e5c044000003000400000300c83c60c658", 1920, 1080, 100, 40);
        row("high 1918x1078", "67640028acd940780227a9b011000003000100000300320f183196", 1918, 1078, 100, 40);
        row("high 886x1920", "67640028acd940e00f1e6f011000000300100000030320f1831960", 886, 1920, 100, 40);
        row("interlaced 718x572", "6764001eacd940b424f558088000000300800000190f8a14cb", 718, 572, 100, 30);
        row("4:2:2 1918x1077", "677a0028bcd940780227a8cc0440000003004000000c83c60c6580", 1918, 1077, 122, 40);
        row("4:4:4 1917x1077", "67f40028919b280f0044f2466022000003000200000300641e30632c", 1917, 1077, 244, 40);
        row("monochrome 1917x1077", "67640028f36501e0089e48cc05b2000003000200000300641e30632c", 1917, 1077, 100, 40);
    }
    void realSps()
    {
        QFETCH(QByteArray, nal);
        H264Sps sps;
        QVERIFY(sps.parse(bytes(nal) + 1, nal.size() - 1));
        QTEST(sps.width(), "width");
        QTEST(sps.height(), "height");
        QTEST(sps.profile(), "profile");
        QTEST(sps.level(), "level");
        QCOMPARE(sps.field(H264Sps::VuiParametersPresentFlag), 1);
    }

    // A shorter copy either fails or, when the cut falls in the VUI, still gives the full size.
    void truncatedRealSps()
    {
        const QByteArray nal = QByteArray::fromHex("67640028acd940780227a9b011000003000100000300320f183196");
        int failed = 0;
        QuietLog quiet;
        for (int length = 0; length < nal.size() - 1; ++length) {
            H264Sps sps;
            if (sps.parse(bytes(nal) + 1, length)) {
                QCOMPARE(sps.width(), 1918);
                QCOMPARE(sps.height(), 1078);
            } else {
                QCOMPARE(length, failed++); // only cuts before the size fields fail
            }
        }
        QVERIFY(failed >= 5);
    }

    void fieldsOfKnownStreams()
    {
        const QByteArray hd = QByteArray::fromHex("67640028acd940780227e5c044000003000400000300c83c60c658");
        H264Sps sps;
        QVERIFY(sps.parse(bytes(hd) + 1, hd.size() - 1));
        QCOMPARE(sps.field(H264Sps::PicWidthInMbsMinus1), 119);
        QCOMPARE(sps.field(H264Sps::PicHeightInMapUnitsMinus1), 67);
        QCOMPARE(sps.field(H264Sps::FrameMbsOnlyFlag), 1);
        QCOMPARE(sps.field(H264Sps::FrameCroppingFlag), 1);
        QCOMPARE(sps.field(H264Sps::FrameCropBottomOffset), 4);
        QCOMPARE(sps.field(H264Sps::ChromaFormatIdc), 1);

        const QByteArray baseline = QByteArray::fromHex("6742c01ed900a02ff97011000003000100000300320f162e48");
        QVERIFY(sps.parse(bytes(baseline) + 1, baseline.size() - 1));
        QCOMPARE(sps.field(H264Sps::ChromaFormatIdc), 0); // not carried by baseline
        QCOMPARE(sps.field(H264Sps::ConstraintSet1Flag), 1);
    }

    void scalingLists()
    {
        SynthSps s;
        s.scaling = true;
        s.deltas.resize(12);
        s.deltas[0] = {-2, 3, 0, 5, 1, 1, 1, 1, -1, 2, 2, 2, 4, 4, 4, 4}; // 16 explicit entries
        s.deltas[1] = {-8};                                             // use the default list
        s.deltas[3] = {4, -12};                                         // the rest repeats the last
        s.deltas[6] = QVector<int>(64, 1);                              // 9, 10, ... 72
        s.deltas[7] = {120, 120, 120, -112};                            // wraps modulo 256
        const QByteArray payload = buildSps(s);
        H264Sps sps;
        QVERIFY(sps.parse(bytes(payload), payload.size()));
        QCOMPARE(sps.field(H264Sps::SeqScalingMatrixPresentFlag), 1);

        int last = 8;
        for (int j = 0; j < 16; ++j) {
            last = (last + s.deltas[0][j] + 256) % 256;
            QCOMPARE(sps.scalingList4x4(0, j), last);
        }
        QCOMPARE(sps.field(H264Sps::UseDefaultScalingMatrixFlag + 0), 0);
        QCOMPARE(sps.field(H264Sps::UseDefaultScalingMatrixFlag + 1), 1);
        QCOMPARE(sps.field(H264Sps::SeqScalingListPresentFlag + 2), 0);
        QCOMPARE(sps.scalingList4x4(2, 0), 0);
        QCOMPARE(sps.scalingList4x4(3, 0), 12);
        QCOMPARE(sps.scalingList4x4(3, 15), 12);
        QCOMPARE(sps.scalingList8x8(0, 0), 9);
        QCOMPARE(sps.scalingList8x8(0, 63), 72);
        QCOMPARE(sps.scalingList8x8(1, 0), 128);
        QCOMPARE(sps.scalingList8x8(1, 1), 248);
        QCOMPARE(sps.scalingList8x8(1, 2), 112);
        QCOMPARE(sps.width(), 1280);
        QCOMPARE(sps.height(), 720);
    }

    void scalingListCountFollowsChroma_data()
    {
        QTest::addColumn<int>("chroma");
        QTest::addColumn<int>("lists");
        QTest::newRow("4:2:0 reads 8") << 1 << 8;
        QTest::newRow("4:4:4 reads 12") << 3 << 12;
    }
    void scalingListCountFollowsChroma()
    {
        QFETCH(int, chroma);
        QFETCH(int, lists);
        SynthSps s;
        s.profile = 244;
        s.chroma = chroma;
        s.scaling = true;
        s.deltas.resize(lists);
        s.deltas[lists - 1] = QVector<int>(64, 3);
        s.widthMbs = 40;
        s.heightMapUnits = 30;
        const QByteArray payload = buildSps(s);
        H264Sps sps;
        QVERIFY(sps.parse(bytes(payload), payload.size()));
        QCOMPARE(sps.scalingList8x8(lists - 7, 63), 8 + 64 * 3);
        QCOMPARE(sps.width(), 640);
        QCOMPARE(sps.height(), 480);
    }

    void picOrderCycle()
    {
        SynthSps s;
        s.profile = 66;
        s.pocType = 1;
        s.cycleOffsets = 20;
        const QByteArray payload = buildSps(s);
        H264Sps sps;
        QVERIFY(sps.parse(bytes(payload), payload.size()));
        QCOMPARE(sps.field(H264Sps::OffsetForNonRefPic), -3);
        QCOMPARE(sps.field(H264Sps::OffsetForTopToBottomField), 5);
        QCOMPARE(sps.field(H264Sps::NumRefFramesInPicOrderCntCycle), 20);
        QCOMPARE(sps.field(H264Sps::OffsetForRefFrame + 0), 1);
        QCOMPARE(sps.field(H264Sps::OffsetForRefFrame + 15), -16);
        QCOMPARE(sps.field(H264Sps::MaxNumRefFrames), 4); // the dropped offsets were still read
        QCOMPARE(sps.width(), 1280);
        QCOMPARE(sps.height(), 720);
    }

    void rejectedSps_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("log");
        SynthSps cycle;
        cycle.profile = 66;
        cycle.pocType = 1;
        cycle.cycleOffsets = 256;
        QTest::newRow("pic order cycle beyond 255") << buildSps(cycle) << "num_ref_frames_in_pic_order_cnt_cycle";
        QTest::newRow("empty") << QByteArray() << "ends before its last field";
        QTest::newRow("zeros") << QByteArray(8, '\0') << "ends before its last field";
        QTest::newRow("null") << QByteArray() << "SPS payload missing";
    }
    void rejectedSps()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, log);
        H264Sps sps;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(log));
        const bool null = QByteArray(QTest::currentDataTag()) == "null";
        QVERIFY(!sps.parse(null ? nullptr : bytes(payload), payload.size()));
    }

    void impossibleSizes_data()
    {
        QTest::addColumn<int>("widthMbs");
        QTest::addColumn<int>("heightMapUnits");
        QTest::addColumn<QVector<int>>("crop");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("crop wider than the picture") << 2 << 2 << QVector<int>{10, 10, 0, 0} << 0 << 32;
        QTest::newRow("crop taller than the picture") << 2 << 2 << QVector<int>{0, 0, 16, 0} << 32 << 0;
        QTest::newRow("too wide") << 2000 << 2 << QVector<int>{0, 0, 0, 0} << 0 << 32;
        QTest::newRow("largest allowed") << 1055 << 1055 << QVector<int>{0, 0, 0, 0} << 16880 << 16880;
        QTest::newRow("huge crop code") << 2 << 2 << QVector<int>{0x7fffffff, 0, 0, 0x7fffffff} << 0 << 0;
    }
    void impossibleSizes()
    {
        QFETCH(int, widthMbs);
        QFETCH(int, heightMapUnits);
        QFETCH(QVector<int>, crop);
        QFETCH(int, width);
        QFETCH(int, height);
        SynthSps s;
        s.profile = 66;
        s.widthMbs = widthMbs;
        s.heightMapUnits = heightMapUnits;
        std::copy(crop.begin(), crop.end(), s.crop);
        const QByteArray payload = buildSps(s);
        H264Sps sps;
        QVERIFY(sps.parse(bytes(payload), payload.size()));
        if (width == 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("impossible picture width"));
        QCOMPARE(sps.width(), width);
        if (height == 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("impossible picture height"));
        QCOMPARE(sps.height(), height);
    }

};

QTEST_GUILESS_MAIN(TestH264Parse)
#include "test_h264parse.moc"
