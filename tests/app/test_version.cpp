#include "app/PVVersion.h"

#include <QtTest>

class TestVersion : public QObject {
    Q_OBJECT
private slots:
    void compare_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("own");
        QTest::addColumn<bool>("newer");
        QTest::newRow("last part greater") << "3.1.2.7" << "3.1.2.6" << true;
        QTest::newRow("third part differs") << "3.1.5.9" << "3.1.2.6" << false;
        QTest::newRow("two parts") << "3.2" << "3.1.2.6" << false;
        QTest::newRow("equal") << "3.1.2.6" << "3.1.2.6" << false;
        QTest::newRow("major decides before last") << "4.0.2.0" << "3.9.2.9" << true;
        QTest::newRow("older major") << "2.9.2.9" << "3.0.2.0" << false;
        QTest::newRow("minor greater") << "3.2.2.0" << "3.1.2.9" << true;
        QTest::newRow("numeric not textual") << "3.1.2.10" << "3.1.2.9" << true;
        QTest::newRow("five parts") << "3.1.2.6.1" << "3.1.2.6" << false;
        QTest::newRow("empty part reads as 0") << "3..2.7" << "3.0.2.6" << true;
        QTest::newRow("empty server") << "" << "3.1.2.6" << false;
    }
    void compare()
    {
        QFETCH(QString, server);
        QFETCH(QString, own);
        QFETCH(bool, newer);
        QCOMPARE(PVVersion::isNewer(server, own), newer);
    }
};

QTEST_GUILESS_MAIN(TestVersion)
#include "test_version.moc"
