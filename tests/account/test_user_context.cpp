#include "account/PVUserContext.h"

#include <QJsonObject>
#include <QtTest>

class TestUserContext : public QObject {
    Q_OBJECT
private slots:
    void create_data()
    {
        QTest::addColumn<QString>("loginKey");
        QTest::addColumn<QJsonObject>("profile");
        QTest::addColumn<bool>("created");
        QTest::addColumn<QString>("nickname");
        QTest::addColumn<QString>("phone");

        const QJsonObject full{{"mNickname", QString::fromUtf8("小明")}, {"mPhone", "13800000000"}};
        QTest::newRow("complete") << "key" << full << true << QString::fromUtf8("小明") << "13800000000";
        QTest::newRow("empty key") << "" << full << false << "" << "";
        QTest::newRow("empty profile") << "key" << QJsonObject() << false << "" << "";
        QTest::newRow("fields missing") << "key" << QJsonObject{{"mEmail", "a@b.c"}} << true << "" << "";
        QTest::newRow("fields not text") << "key" << QJsonObject{{"mNickname", 5}, {"mPhone", true}} << true << "" << "";
    }
    void create()
    {
        QFETCH(QString, loginKey);
        QFETCH(QJsonObject, profile);
        QFETCH(bool, created);
        QFETCH(QString, nickname);
        QFETCH(QString, phone);

        if (!created)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("User context not created"));
        const auto context = PVUserContext::create(loginKey, profile);
        QCOMPARE(bool(context), created);
        if (!context)
            return;
        QCOMPARE(context->loginKey(), loginKey);
        QCOMPARE(context->profile(), profile);
        QCOMPARE(context->nickname(), nickname);
        QCOMPARE(context->phone(), phone);
    }
};

QTEST_GUILESS_MAIN(TestUserContext)
#include "test_user_context.moc"
