#include "app/PVSettings.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QStringList kGroups = {"androidDevice", "general", "iosDevice", "record", "videoaudio"};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString confPath() const { return m_dir->filePath("userdefaults.conf"); }
    QJsonObject stored() const { return QJsonDocument::fromJson(readFile(confPath())).object(); }
    std::unique_ptr<QSettings> load(const QByteArray& content)
    {
        QFile file(confPath());
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        file.close();
        return std::unique_ptr<QSettings>(PVSettings::loadSettings(m_dir->path(), nullptr));
    }

private slots:
    void init()
    {
        // Inside the test's own data folder, never a shared one.
        const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QVERIFY(QDir().mkpath(home));
        m_dir = std::make_unique<QTemporaryDir>(home + "/settings-XXXXXX");
        QVERIFY(m_dir->isValid());
    }

    // Whatever the file held, a load leaves a complete file; damaged ones are logged and kept.
    void loadRepairs_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("other keys only") << QByteArray("{\"autoLogin\": true}") << false;
        QTest::newRow("not json") << QByteArray("lang=de\nwiredFps=30\n") << true;
        QTest::newRow("truncated") << QByteArray("{\"options\": {\"general\": {\"lang\": \"d") << true;
        QTest::newRow("top-level array") << QByteArray("[1, 2]") << true;
        QTest::newRow("options is a string") << QByteArray("{\"options\": \"general\"}") << true;
        QTest::newRow("group is a number") << QByteArray("{\"options\": {\"record\": 7}}") << true;
    }
    void loadRepairs()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, damaged);
        if (damaged)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(confPath())));
        auto settings = load(content);
        const QJsonObject options = stored().value("options").toObject();
        for (const QString& group : kGroups)
            QVERIFY2(options.value(group).isObject(), qPrintable(group));
        QCOMPARE(readFile(confPath() + ".bak"), damaged ? content : QByteArray());
    }

    void existingGroupIsKeptAsIs()
    {
        auto settings = load("{\"options\": {\"general\": {\"lang\": \"de\"}, \"iosDevice\": {}},"
                             " \"Options\": 5}");
        const QJsonObject file = stored();
        QCOMPARE(file["options"]["general"].toObject(), QJsonObject({{"lang", "de"}}));
        QCOMPARE(file["options"]["iosDevice"].toObject(), QJsonObject());
        const QVariantMap defaults = PVSettings::completeDefaultOptions({});
        for (const char* group : {"androidDevice", "videoaudio", "record"})
            QCOMPARE(file["options"][group].toVariant(), defaults.value(group));
        QCOMPARE(file["Options"].toInt(), 5); // keys are case-sensitive
        // Booleans and numbers keep their JSON types in the indented file.
        QVERIFY(readFile(confPath()).contains("\n            \"wiredHID\": true,\n"));
        QCOMPARE(PVSettings::optionString(*settings, "general", "closingAction"), QString("askfirst"));
    }

    void restoreDefaultsReplacesOnlyOptions()
    {
        {
            auto settings = load("{\"options\": {\"general\": {\"lang\": \"de\"}, \"extra\": {}},"
                                 " \"KBMapping\": {\"keyOpacity\": 3}, \"autoLogin\": true, \"lastUser\": \"abc\"}");
            settings->setValue("options", PVSettings::completeDefaultOptions({}));
        }
        const QJsonObject file = stored();
        QCOMPARE(file["options"].toObject().keys(), kGroups);
        QCOMPARE(file["KBMapping"].toObject(), QJsonObject({{"keyOpacity", 3}}));
        QCOMPARE(file["autoLogin"].toBool(), true);
        QCOMPARE(file["lastUser"].toString(), QString("abc"));
        QCOMPARE(file["options"]["general"]["lang"].toString(), PVSettings::languageForLocale(QLocale::system()));
        QCOMPARE(file["options"]["record"]["savePath"].toString(),
                 QStandardPaths::writableLocation(QStandardPaths::MoviesLocation));
    }

    void readers_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal string") << QByteArray("\"30\"") << 30;
        QTest::newRow("number") << QByteArray("25") << 25;
        QTest::newRow("not a number") << QByteArray("\"fast\"") << 0;
        QTest::newRow("list") << QByteArray("[30]") << 0;
    }
    void readers()
    {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        auto settings = load("{\"options\": {\"iosDevice\": {\"wiredFps\": " + value + "}}}");
        if (expected == 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("wiredFps.*not a number"));
        QCOMPARE(PVSettings::optionInt(*settings, "iosDevice", "wiredFps"), expected);
        // Missing keys of an existing group fall back to the reader's default.
        QCOMPARE(PVSettings::optionInt(*settings, "iosDevice", "wirelessFps", 60), 60);
        QCOMPARE(PVSettings::optionInt(*settings, "record", "splitDuration"), 1);

        PVSettings::setOption(*settings, "iosDevice", "wiredFps", QString("25"));
        QCOMPARE(PVSettings::optionInt(*settings, "iosDevice", "wiredFps"), 25);
    }

    void languageForLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("Chinese in China") << QLocale(QLocale::Chinese, QLocale::China) << "zh-cn";
        QTest::newRow("Chinese in Taiwan") << QLocale(QLocale::Chinese, QLocale::Taiwan) << "zh-hant";
        QTest::newRow("English in China") << QLocale(QLocale::English, QLocale::China) << "en-us";
        QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "en-us";
    }
    void languageForLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, language);
        QCOMPARE(PVSettings::languageForLocale(locale), language);
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
