#include "bluetooth/PeripheralCommand.h"
#include "bluetooth/SCBluetoothService.h"

#include <QtTest>

#include <cstring>

namespace {

void sink(void*, const char*, uint64_t, bool) {}

QByteArray bytesOf(const PeripheralCommand& cmd)
{
    return QByteArray(reinterpret_cast<const char*>(cmd.data()), int(PeripheralCommand::kSize));
}

// A zeroed record with the given code and little-endian payload bytes from offset 8.
QByteArray record(uint8_t code, const QByteArray& payload = {})
{
    QByteArray bytes(int(PeripheralCommand::kSize), '\0');
    bytes[0] = char(code);
    bytes.replace(8, payload.size(), payload);
    return bytes;
}

} // namespace

class TestPeripheralCommand : public QObject {
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("start") << bytesOf(*PeripheralCommand::start()) << record(1);
        QTest::newRow("stop") << bytesOf(*PeripheralCommand::stop()) << record(2);
        QTest::newRow("mouse") << bytesOf(*PeripheralCommand::mouse(1, -2, 300, -1))
                               << record(5, QByteArray::fromHex("01000000" "feffffff" "2c010000" "ffffffff"));
        // 0.5f is 0x3f000000, 0.25f is 0x3e800000.
        QTest::newRow("touch") << bytesOf(*PeripheralCommand::touch(1, 0.5f, 0.25f))
                               << record(6, QByteArray::fromHex("01000000" "0000003f" "0000803e"));
        QTest::newRow("button pad") << bytesOf(*PeripheralCommand::gamePad(2048))
                                    << record(7, QByteArray::fromHex("00080000"));
        QTest::newRow("keyboard") << bytesOf(*PeripheralCommand::keyBoard(1, 0x28))
                                  << record(8, QByteArray::fromHex("01000000" "28"));
        QTest::newRow("subscribed client") << bytesOf(*PeripheralCommand::subscribedClient("Pad"))
                                           << record(9, "Pad");
        QByteArray info = record(3, "My iPhone");
        info.replace(136, 2, "42");
        QTest::newRow("phone info") << bytesOf(*PeripheralCommand::phoneInfo("My iPhone", "42")) << info;
    }
    void layout()
    {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual.toHex(), expected.toHex());
    }

    void callbacksRecordTravelsWhole()
    {
        int context = 0;
        auto cmd = PeripheralCommand::callbacks({ &context, &sink });
        QCOMPARE(cmd->code(), 4u);
        const PeripheralCallbacks back = cmd->callbacksRecord();
        QCOMPARE(back.context, static_cast<void*>(&context));
        QVERIFY(back.onPhoneLinked == &sink);
        void* stored = nullptr;
        std::memcpy(&stored, cmd->data() + 8, sizeof stored);
        QCOMPARE(stored, static_cast<void*>(&context));
    }

    void longTextIsCut_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("field");
        QTest::addColumn<int>("kept");
        const QByteArray e = "\xc3\xa9";       // two-byte sequence
        const QByteArray euro = "\xe2\x82\xac"; // three-byte sequence
        QTest::newRow("fits") << QByteArray(127, 'a') << 128 << 127;
        QTest::newRow("ascii too long") << QByteArray(300, 'a') << 128 << 127;
        QTest::newRow("two-byte at the edge") << QByteArray(126, 'a') + e << 128 << 126;
        QTest::newRow("two-byte just fits") << QByteArray(125, 'a') + e << 128 << 127;
        QTest::newRow("three-byte split") << QByteArray(125, 'a') + euro << 128 << 125;
        QTest::newRow("note field") << QByteArray(61, 'a') + euro << 64 << 61;
        QTest::newRow("only multibyte") << euro.repeated(50) << 64 << 63;
        QTest::newRow("embedded nul") << QByteArray("ab\0cd", 5) << 64 << 2;
    }
    void longTextIsCut()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, field);
        QFETCH(int, kept);
        QCOMPARE(int(PeripheralCommand::fittingLength(text.toStdString(), size_t(field))), kept);

        const bool note = field == int(PeripheralCommand::kNoteField);
        auto cmd = note ? PeripheralCommand::phoneInfo("x", text.toStdString())
                        : PeripheralCommand::phoneInfo(text.toStdString(), "x");
        const char* stored = cmd->textAt(note ? PeripheralCommand::kNoteOffset : PeripheralCommand::kPayload);
        QCOMPARE(QByteArray(stored), text.left(kept));
        QVERIFY(QString::fromUtf8(stored).toUtf8() == QByteArray(stored));
    }

    void addressText_data()
    {
        QTest::addColumn<quint64>("address");
        QTest::addColumn<QString>("text");
        QTest::newRow("full") << quint64(0xA483E70B129CULL) << "A4:83:E7:0B:12:9C";
        QTest::newRow("leading zero bytes") << quint64(0xE70B129CULL) << "00:00:E7:0B:12:9C";
        QTest::newRow("zero") << quint64(0) << "00:00:00:00:00:00";
        QTest::newRow("bits above 48 ignored") << quint64(0xFFFF0102030405ULL) << "FF:01:02:03:04:05";
    }
    void addressText()
    {
        QFETCH(quint64, address);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(SCBluetoothService::formatAddress(address)), text);
    }
};

QTEST_GUILESS_MAIN(TestPeripheralCommand)
#include "test_peripheral_command.moc"
