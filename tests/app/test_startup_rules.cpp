#include "app/PVLastUser.h"
#include "app/PVProcessList.h"
#include "app/QPivoraApplication.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestStartupRules : public QObject {
    Q_OBJECT
private slots:
    void conflictingProgram_data()
    {
        QTest::addColumn<QStringList>("running");
        QTest::addColumn<QString>("found");
        QTest::newRow("case differs") << QStringList{"bash", "wormhole.EXE"} << "Wormhole.exe";
        QTest::newRow("list order wins") << QStringList{"i4tools.exe", "WORMHOLESERVICE.EXE"} << "WormholeService.exe";
        QTest::newRow("command name cut to 15") << QStringList{"WormholeService"} << "WormholeService.exe";
        QTest::newRow("short name is not cut") << QStringList{"Wormhole"} << "";
        QTest::newRow("without extension") << QStringList{"i4Tools"} << "";
        QTest::newRow("none") << QStringList{"pivora", "Xvfb"} << "";
    }
    void conflictingProgram()
    {
        QFETCH(QStringList, running);
        QFETCH(QString, found);
        QCOMPARE(PVProcessList::findRunning(QPivoraApplication::conflictingPrograms(), running), found);
    }

    void processNamesFromProc()
    {
        QTemporaryDir proc;
        auto addProcess = [&](const QString& pid, const QByteArray& comm, const QByteArray& cmdline) {
            QDir(proc.path()).mkpath(pid);
            QFile c(proc.path() + "/" + pid + "/comm");
            QVERIFY(c.open(QIODevice::WriteOnly));
            c.write(comm);
            QFile l(proc.path() + "/" + pid + "/cmdline");
            QVERIFY(l.open(QIODevice::WriteOnly));
            l.write(cmdline);
        };
        addProcess("101", "bash\n", QByteArray("/bin/bash\0-l\0", 13));
        addProcess("202", "wine-preloader\n", QByteArray("C:\\Tools\\i4Tools.exe\0--tray\0", 28));
        addProcess("self", "ignored\n", QByteArray("ignored\0", 8));
        const QStringList names = PVProcessList::runningProcessNames(proc.path());
        QVERIFY(names.contains("bash"));
        QVERIFY(names.contains("i4Tools.exe"));
        QVERIFY(!names.contains("ignored"));
        QCOMPARE(PVProcessList::findRunning(QPivoraApplication::conflictingPrograms(), names), QString("i4Tools.exe"));
    }

    void translationFile_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("applied");
        QTest::newRow("fr") << "fr" << "fr.qm" << "fr";
        QTest::newRow("fil") << "fil" << "fil.qm" << "fil";
        QTest::newRow("zh-cn") << "zh-cn" << "zh-hans.qm" << "zh-cn";
        QTest::newRow("zh-hant") << "zh-hant" << "zh-hant.qm" << "zh-hant";
        QTest::newRow("unknown") << "xx" << "en-us.qm" << "en-us";
        QTest::newRow("case-sensitive") << "FR" << "en-us.qm" << "en-us";
        QTest::newRow("empty") << "" << "en-us.qm" << "en-us";
    }
    void translationFile()
    {
        QFETCH(QString, code);
        QFETCH(QString, file);
        QFETCH(QString, applied);
        QString appliedCode;
        QCOMPARE(QPivoraApplication::translationFile(code, &appliedCode), file);
        QCOMPARE(appliedCode, applied);
    }

    void translationsAreCompiledIn_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("alert");
        QTest::newRow("en-us") << "en-us" << "Alert";
        QTest::newRow("zh-cn") << "zh-cn" << QString::fromUtf8("提示");
        QTest::newRow("fr") << "fr" << "Alerte";
        QTest::newRow("de") << "de" << "Hinweis";
    }
    void translationsAreCompiledIn()
    {
        QFETCH(QString, code);
        QFETCH(QString, alert);
        Q_INIT_RESOURCE(lang);
        QTranslator translator;
        QVERIFY(translator.load(QPivoraApplication::translationFile(code), ":/lang/"));
        const QString translated = translator.translate("QPivoraApplication", "Alert");
        QCOMPARE(translated.isEmpty() ? QString("Alert") : translated, alert);
    }

    void updateAddress_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("productType");
        QTest::addColumn<QString>("address");
        const QString page = "https://www.pivora.app/download/Pivora.exe";
        QTest::newRow("windows installer") << page << "windows" << "https://www.pivora.app/download/Pivora-x64.exe";
        QTest::newRow("macos image") << page << "macos" << "https://www.pivora.app/download/Pivora-x64.dmg";
        QTest::newRow("old macos name") << "https://x.example/get/Pivora.zip" << "osx" << "https://x.example/get/Pivora-x64.dmg";
        // Elsewhere the service's address is opened as it is: no installer name is made up.
        QTest::newRow("debian") << page << "debian" << page;
        QTest::newRow("other linux, download page") << "https://www.pivora.app/download/linux" << "fedora"
                                                    << "https://www.pivora.app/download/linux";
        QTest::newRow("empty") << "" << "debian" << "";
    }
    void updateAddress()
    {
        QFETCH(QString, url);
        QFETCH(QString, productType);
        QFETCH(QString, address);
        QCOMPARE(QPivoraApplication::updateAddress(url, productType), address);
    }

    void lastUserSurvivesSettingsFile_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("ascii") << "a81f0c2e9d";
        QTest::newRow("non-ascii") << QString::fromUtf8("ключ-密钥-é");
        QTest::newRow("bytes that scramble high") << QString::fromLatin1("\x7f\x25zZ");
    }
    void lastUserSurvivesSettingsFile()
    {
        QFETCH(QString, key);
        const QVariant stored = PVLastUser::toSetting(key);
        QVERIFY(stored.toString() != key);
        // The settings file is JSON; the stored value must come back byte for byte.
        const QByteArray json = QJsonDocument::fromVariant(QVariantMap{{"lastUser", stored}}).toJson();
        const QVariant reread = QJsonDocument::fromJson(json).toVariant().toMap().value("lastUser");
        QCOMPARE(PVLastUser::fromSetting(reread), key);
        QCOMPARE(PVLastUser::scramble(PVLastUser::scramble(key.toUtf8())), key.toUtf8());
    }
};

QTEST_GUILESS_MAIN(TestStartupRules)
#include "test_startup_rules.moc"
