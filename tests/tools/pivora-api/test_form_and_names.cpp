// The service's readers of outside text: form bodies, account names, passwords, languages
// and log lines.

#include "AccountNames.h"
#include "Console.h"
#include "FormParser.h"
#include "Messages.h"

#include <QtTest>

class TestFormAndNames : public QObject {
    Q_OBJECT
private slots:
    void forms_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << QByteArray("a=1&b=2") << true << "b" << "2";
        QTest::newRow("plus is space") << QByteArray("a=x+y") << true << "a" << "x y";
        QTest::newRow("escapes") << QByteArray("a=%26%3D%2B%25") << true << "a" << "&=+%";
        QTest::newRow("UTF-8") << QByteArray("a=p%C3%A4ss%E5%AF%86") << true << "a" << QString::fromUtf8("päss密");
        QTest::newRow("no value") << QByteArray("a&b=") << true << "a" << "";
        QTest::newRow("empty pairs") << QByteArray("&&a=1&") << true << "a" << "1";
        QTest::newRow("empty body") << QByteArray() << true << "a" << "";
        QTest::newRow("escaped key") << QByteArray("%61=1") << true << "a" << "1";
        QTest::newRow("lower-case hex") << QByteArray("a=%c3%a4") << true << "a" << QString::fromUtf8("ä");
        QTest::newRow("4-byte UTF-8") << QByteArray("a=%F0%9F%98%80") << true << "a" << QString::fromUtf8("😀");
        QTest::newRow("escape cut short") << QByteArray("a=%C") << false << "" << "";
        QTest::newRow("escape not hex") << QByteArray("a=%G1") << false << "" << "";
        QTest::newRow("lone continuation") << QByteArray("a=%80") << false << "" << "";
        QTest::newRow("truncated sequence") << QByteArray("a=%E5%AF") << false << "" << "";
        QTest::newRow("surrogate") << QByteArray("a=%ED%A0%80") << false << "" << "";
        QTest::newRow("past U+10FFFF") << QByteArray("a=%F4%90%80%80") << false << "" << "";
        QTest::newRow("NUL") << QByteArray("a=%00") << false << "" << "";
        QTest::newRow("empty key") << QByteArray("=1") << false << "" << "";
        QTest::newRow("key with space") << QByteArray("a+b=1") << false << "" << "";
        QTest::newRow("repeated key") << QByteArray("a=1&a=1") << false << "" << "";
        QTest::newRow("key too long") << QByteArray(65, 'k') + "=1" << false << "" << "";
        QTest::newRow("value too long") << "a=" + QByteArray(4097, 'v') << false << "" << "";
        QTest::newRow("value at the limit") << "a=" + QByteArray(4096, 'v') << true << "a" << QString(4096, 'v');
    }
    void forms()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, ok);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const FormResult result = parseForm(body.toStdString());
        QCOMPARE(result.ok, ok);
        QCOMPARE(result.error.empty(), ok);
        if (ok)
            QCOMPARE(QString::fromStdString(result.form.value(key.toStdString())), value);
    }

    void accounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("phone");
        QTest::newRow("address") << " Ann.Lee+tag@Mail.Example.ORG " << "ann.lee+tag@mail.example.org" << "";
        QTest::newRow("quote in address") << "o'brien@example.org" << "o'brien@example.org" << "";
        QTest::newRow("no domain dot") << "a@localhost" << "" << "";
        QTest::newRow("two at signs") << "a@b@example.org" << "" << "";
        QTest::newRow("double dot") << "a..b@example.org" << "" << "";
        QTest::newRow("hyphen edge") << "a@-x.org" << "" << "";
        QTest::newRow("space inside") << "a b@example.org" << "" << "";
        QTest::newRow("non-ASCII") << QString::fromUtf8("jörg@example.org") << "" << "";
        QTest::newRow("SQL") << "x'; DROP TABLE accounts;--@example.org" << "" << "";
        QTest::newRow("phone") << "138 0000-0000" << "" << "13800000000";
        QTest::newRow("international") << "+86 (138) 0000.0000" << "" << "+8613800000000";
        QTest::newRow("too short") << "12345" << "" << "";
        QTest::newRow("too long") << "1234567890123456" << "" << "";
        QTest::newRow("plus inside") << "138+0000000" << "" << "";
        QTest::newRow("letters") << "138abc00000" << "" << "";
    }
    void accounts()
    {
        QFETCH(QString, text);
        QFETCH(QString, email);
        QFETCH(QString, phone);
        const std::string raw = text.toStdString();
        const auto byEmail = emailAccount(raw);
        const auto byPhone = phoneAccount(raw);
        QCOMPARE(byEmail ? QString::fromStdString(byEmail->text) : QString(), email);
        QCOMPARE(byPhone ? QString::fromStdString(byPhone->text) : QString(), phone);
        const auto any = anyAccount(raw);
        QCOMPARE(any ? QString::fromStdString(any->text) : QString(), email.isEmpty() ? phone : email);
    }

    void nicknames()
    {
        QCOMPARE(defaultNickname(*emailAccount("Ann.Lee@example.org")), std::string("ann.lee"));
        QCOMPARE(defaultNickname(*phoneAccount("13800001234")), std::string("138****1234"));
        QCOMPARE(defaultNickname(*phoneAccount("1234567")), std::string("1234567"));
    }

    void passwords_data()
    {
        QTest::addColumn<QByteArray>("password");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("six") << QByteArray("abcdef") << true;
        QTest::newRow("five") << QByteArray("abcde") << false;
        QTest::newRow("six Chinese characters") << QString::fromUtf8("密码密码密码").toUtf8() << true;
        QTest::newRow("sixty-four") << QByteArray(64, 'x') << true;
        QTest::newRow("sixty-five") << QByteArray(65, 'x') << false;
        QTest::newRow("tab") << QByteArray("abc\tdef") << false;
        QTest::newRow("broken UTF-8") << QByteArray("abcdef\xff") << false;
    }
    void passwords()
    {
        QFETCH(QByteArray, password);
        QFETCH(bool, acceptable);
        QCOMPARE(acceptablePassword(password.toStdString()), acceptable);
    }

    void languages()
    {
        for (const char* chinese : {"zh-cn", "zh-CN", "zh", "zh-Hans-CN", "zh-CN,zh;q=0.9,en;q=0.8"})
            QCOMPARE(languageFrom(chinese), Language::SimplifiedChinese);
        for (const char* other : {"en-us", "", "zh-hant", "zh-TW", "de", "en-US,zh-CN;q=0.5"})
            QCOMPARE(languageFrom(other), Language::English);
        QCOMPARE(text(Msg::SlowDown, Language::English, "8"),
                 std::string("Too many failed sign-ins, please wait 8 seconds and try again"));
    }

    void logLines()
    {
        QCOMPARE(loggable("/v1/\n{\"captcha\"}\r\x1b"), std::string("/v1/?{\"captcha\"}??"));
        QCOMPARE(loggable(std::string(500, 'a')).size(), size_t(200));
        QCOMPARE(jsonString("a\"b\\c\nd"), std::string("\"a\\\"b\\\\c\\u000ad\""));
    }
};

QTEST_GUILESS_MAIN(TestFormAndNames)
#include "test_form_and_names.moc"
