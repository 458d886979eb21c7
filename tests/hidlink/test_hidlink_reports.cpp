// The bytes of every report, the report map that declares them, and the digest exports.
#include "hidlink/HidReports.h"
#include "hidlink/hidlink.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtTest>

#include <dlfcn.h>
#include <limits>
#include <map>

using hidlink::Report;

Q_DECLARE_METATYPE(Report)

namespace {

QByteArray hex(const Report& report)
{
    return QByteArray(reinterpret_cast<const char*>(report.data()), int(report.size())).toHex(' ');
}

// Walks a report descriptor: bits of input per Report ID, and whether collections balance.
struct DescriptorLayout {
    std::map<int, int> inputBits;
    bool balanced = false;
};

DescriptorLayout walk(const std::vector<uint8_t>& d)
{
    DescriptorLayout layout;
    int reportSize = 0, reportCount = 0, reportId = 0, depth = 0;
    for (size_t i = 0; i < d.size();) {
        const uint8_t prefix = d[i];
        const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (i + 1 + size > d.size())
            return layout;
        uint32_t data = 0;
        for (size_t k = 0; k < size; ++k)
            data |= uint32_t(d[i + 1 + k]) << (8 * k);
        const int type = (prefix >> 2) & 3;
        const int tag = prefix >> 4;
        if (type == 1 && tag == 7)
            reportSize = int(data);
        else if (type == 1 && tag == 9)
            reportCount = int(data);
        else if (type == 1 && tag == 8)
            reportId = int(data);
        else if (type == 0 && tag == 8)
            layout.inputBits[reportId] += reportSize * reportCount;
        else if (type == 0 && tag == 0xA)
            ++depth;
        else if (type == 0 && tag == 0xC && --depth < 0)
            return layout;
        i += 1 + size;
    }
    layout.balanced = depth == 0;
    return layout;
}

using Md5InitFn = void (*)(MD5_CTX*);
using Md5UpdateFn = void (*)(MD5_CTX*, const void*, size_t);
using Md5FinalFn = void (*)(unsigned char*, MD5_CTX*);

} // namespace

class TestHidlinkReports : public QObject {
    Q_OBJECT
private slots:
    void reports_data()
    {
        QTest::addColumn<Report>("report");
        QTest::addColumn<QByteArray>("expected");
        using namespace hidlink;
        QTest::newRow("mouse dx 200") << mouseReport(0, 200, 0, 0) << QByteArray("02 00 c8 00 00");
        QTest::newRow("mouse dx -1") << mouseReport(0, -1, 0, 0) << QByteArray("02 00 ff 00 00");
        QTest::newRow("mouse homing") << mouseReport(0, -121, 0, 0) << QByteArray("02 00 87 00 00");
        QTest::newRow("mouse low bytes") << mouseReport(0x1FF, 256, -129, 127) << QByteArray("02 ff 00 7f 7f");
        QTest::newRow("touch corner") << touchReport(1, 1.0f, 1.0f) << QByteArray("03 13 ff ff ff");
        QTest::newRow("touch lifted") << touchReport(0, 0.5f, 0.25f) << QByteArray("03 12 ff f7 3f");
        QTest::newRow("touch contact 2") << touchReport(2, 0.0f, 0.0f) << QByteArray("03 12 00 00 00");
        // Outside 0..1 the coordinates wrap within twelve bits: 6142 -> 0x7fe, -1024 -> 0xc00.
        QTest::newRow("touch wraps") << touchReport(1, 1.5f, -0.25f) << QByteArray("03 13 fe 07 c0");
        QTest::newRow("touch nan") << touchReport(1, std::numeric_limits<float>::quiet_NaN(),
                                          std::numeric_limits<float>::infinity())
                                   << QByteArray("03 13 00 00 00");
        QTest::newRow("touch huge") << touchReport(1, 3e38f, -3e38f) << QByteArray("03 13 00 00 00");
        QTest::newRow("buttons power") << buttonsReport(0x0800) << QByteArray("04 00 08");
        QTest::newRow("buttons home") << buttonsReport(4) << QByteArray("04 04 00");
        QTest::newRow("buttons 16 bits") << buttonsReport(0x12345) << QByteArray("04 45 23");
    }
    void reports()
    {
        QFETCH(Report, report);
        QFETCH(QByteArray, expected);
        QCOMPARE(hex(report), expected);
    }

    void keyboard()
    {
        hidlink::KeyboardState keys;
        struct Step {
            int action;
            uint8_t usage;
            const char* sent; // null: nothing is sent
        };
        const Step steps[] = {
            { 1, 0xE1, "01 02 00 00 00 00 00 00 00" },          // left Shift
            { 1, 0x04, "01 02 00 04 00 00 00 00 00" },          // a
            { 1, 0x04, nullptr },                               // a again: unchanged
            { 0, 0x04, "01 02 00 00 00 00 00 00 00" },          // one release lets go
            { 0, 0x05, nullptr },                               // never held
            { 2, 0xE1, "01 00 00 00 00 00 00 00 00" },          // any action but 1 releases
            { 1, 0xE7, "01 80 00 00 00 00 00 00 00" },          // right GUI
            { 0, 0xE7, "01 00 00 00 00 00 00 00 00" },
            { 1, 0x04, "01 00 00 04 00 00 00 00 00" },
            { 1, 0x05, "01 00 00 04 05 00 00 00 00" },
            { 1, 0x06, "01 00 00 04 05 06 00 00 00" },
            { 1, 0x07, "01 00 00 04 05 06 07 00 00" },
            { 1, 0x08, "01 00 00 04 05 06 07 08 00" },
            { 1, 0x09, "01 00 00 04 05 06 07 08 09" },
            { 1, 0x0A, nullptr },                               // a seventh key is not shown
            { 0, 0x05, "01 00 00 04 06 07 08 09 0a" },          // until one of the six lets go
        };
        for (const Step& step : steps) {
            const std::optional<Report> sent = keys.apply(step.action, step.usage);
            const QByteArray what = QByteArray::number(step.action) + " " + QByteArray::number(step.usage, 16);
            if (!step.sent)
                QVERIFY2(!sent, what);
            else
                QVERIFY2(sent && hex(*sent) == step.sent, what + " gave " + (sent ? hex(*sent) : "nothing"));
        }
        keys.reset();
        QCOMPARE(hex(Report(keys.lastReport().begin(), keys.lastReport().end())), QByteArray("00 00 00 00 00 00 00 00 00"));
        // After a reset the all-zero last report differs from an empty keyboard report.
        QVERIFY(keys.apply(0, 0x04));
    }

    void reportMapDeclaresEveryReport()
    {
        const DescriptorLayout layout = walk(hidlink::reportMap());
        QVERIFY(layout.balanced);
        // Report sizes in bits, without the Report ID byte.
        const std::map<int, int> expected { { 1, 64 }, { 2, 32 }, { 3, 32 }, { 4, 16 } };
        QCOMPARE(layout.inputBits, expected);
        QCOMPARE(int(hidlink::mouseReport(0, 0, 0, 0).size() - 1) * 8, expected.at(2));
        QCOMPARE(int(hidlink::touchReport(0, 0, 0).size() - 1) * 8, expected.at(3));
        QCOMPARE(int(hidlink::buttonsReport(0).size() - 1) * 8, expected.at(4));
        QCOMPARE(int(hidlink::KeyboardState().currentReport().size() - 1) * 8, expected.at(1));
        QCOMPARE(hidlink::reportMap().size(), size_t(208));
        QCOMPARE(hex(hidlink::hidInformation()), QByteArray("12 01 00 01"));
        QCOMPARE(hex(hidlink::inputReportReference()), QByteArray("01 01"));
    }

    void md5Exports()
    {
        // The program has OpenSSL loaded, whose exports carry the same names.
        void* openssl = dlopen("libcrypto.so.3", RTLD_NOW | RTLD_GLOBAL);
        void* library = dlopen(HIDLINK_PATH, RTLD_NOW | RTLD_LOCAL);
        QVERIFY2(library, dlerror());
        auto init = reinterpret_cast<Md5InitFn>(dlsym(library, "MD5_Init"));
        auto update = reinterpret_cast<Md5UpdateFn>(dlsym(library, "MD5_Update"));
        auto final = reinterpret_cast<Md5FinalFn>(dlsym(library, "MD5_Final"));
        QVERIFY(init && update && final);
        auto digest = [&](const QByteArray& data, int piece) {
            MD5_CTX context;
            init(&context);
            for (int at = 0; at < data.size(); at += piece)
                update(&context, data.constData() + at, size_t(qMin(piece, data.size() - at)));
            unsigned char out[16];
            final(out, &context);
            return QByteArray(reinterpret_cast<char*>(out), 16).toHex();
        };
        // The test suite of the published algorithm.
        const QList<QPair<QByteArray, QByteArray>> suite {
            { "", "d41d8cd98f00b204e9800998ecf8427e" },
            { "a", "0cc175b9c0f1b6a831c399e269772661" },
            { "abc", "900150983cd24fb0d6963f7d28e17f72" },
            { "message digest", "f96b697d7cb7938d525a2f31aaf161d0" },
            { "abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b" },
            { "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "d174ab98d277d9f5a5611c2c9f419d9f" },
            { QByteArray("1234567890").repeated(8), "57edf4a22be3c955ac49da2e2107b67a" },
        };
        for (const auto& [text, sum] : suite) {
            QCOMPARE(digest(text, qMax(1, text.size())), sum);
            QCOMPARE(digest(text, 1), sum);
        }
        // Block edges and odd pieces, against Qt's own digest.
        QByteArray data(300000 + 17, Qt::Uninitialized);
        QRandomGenerator generator(12);
        for (char& c : data)
            c = char(generator.bounded(256));
        for (int length : { 55, 56, 63, 64, 65, 119, 120, 128, data.size() }) {
            const QByteArray part = data.left(length);
            const QByteArray expected = QCryptographicHash::hash(part, QCryptographicHash::Md5).toHex();
            for (int piece : { 1, 7, 64, 1000 })
                QCOMPARE(digest(part, piece), expected);
        }
        // No context, no crash.
        init(nullptr);
        update(nullptr, "x", 1);
        final(nullptr, nullptr);
        dlclose(library);
        if (openssl)
            dlclose(openssl);
    }
};

QTEST_GUILESS_MAIN(TestHidlinkReports)
#include "test_hidlink_reports.moc"
