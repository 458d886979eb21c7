// Who may mirror: the access rules on their own (codes, lock-outs, the user's answers) and then
// through the real service with real simulated phones, as a user sees them.

#include "support/CastHost.h"

#include "libs/castcore/CastProtocol.h"
#include "scairplay/QPVAirPlayService.h"
#include "scairplay/SCReceiverAccess.h"

#include <QtTest>

#include <atomic>
#include <deque>

using Access = SCReceiverAccess;
using casthost::CastRun;
using casthost::runCast;

namespace {

// A phone's attempt: "C" gives the right code, "x" a wrong one, "-" none, "old" an old phone.
Access::Phone attempt(const QString& what, const std::string& rightCode, const std::string& address = "10.0.0.7")
{
    Access::Phone p;
    p.address = address;
    p.channelId = "phone";
    p.phoneName = "Phone";
    p.speaksAccess = what != "old";
    if (what == "C")
        p.code = rightCode;
    else if (what == "x")
        p.code = rightCode == "0000" ? "0001" : "0000";
    return p;
}

const QStringList kShortPicture = {"--pattern", "160x120@10", "--duration", "1", "--kind", "4"};

} // namespace

class TestReceiverAccess : public QObject {
    Q_OBJECT
private slots:
    void modesAndCodes();
    void codes_data();
    void codes();
    void lockOutLastsAMinute();
    void userAnswers();
    void pinWithRealPhones();
    void askWithRealPhones();
};

void TestReceiverAccess::modesAndCodes()
{
    bool known = false;
    QCOMPARE(Access::modeFromText("pin", &known), Access::Mode::Pin);
    QVERIFY(known);
    QCOMPARE(Access::modeFromText("ask", &known), Access::Mode::Ask);
    QCOMPARE(Access::modeFromText("PIN", &known), Access::Mode::Open);
    QVERIFY(!known);
    QCOMPARE(Access::modeFromText("", &known), Access::Mode::Open);
    QCOMPARE(QString(Access::modeText(Access::Mode::Ask)), QString("ask"));

    std::set<std::string> codes;
    for (int i = 0; i < 20; ++i) {
        const std::string code = Access::newCode();
        QCOMPARE(code.size(), size_t(4));
        QVERIFY(std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; }));
        codes.insert(code);
    }
    QVERIFY(codes.size() > 1);
    // Each start gets its own code.
    QVERIFY(Access().code().size() == 4);
}

void TestReceiverAccess::codes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("attempts");
    QTest::addColumn<QList<int>>("statuses");

    const int ok = cast::Accepted, need = cast::CodeRequired, wrong = cast::WrongCode, locked = cast::LockedOut;
    QTest::newRow("open lets all in") << "open" << QStringList{"old", "x", "-"} << QList<int>{ok, ok, ok};
    QTest::newRow("right code") << "pin" << QStringList{"C"} << QList<int>{ok};
    QTest::newRow("old phone is told a code is needed") << "pin" << QStringList{"old"} << QList<int>{need};
    QTest::newRow("no code") << "pin" << QStringList{"-"} << QList<int>{need};
    QTest::newRow("third wrong code locks, even the right one")
        << "pin" << QStringList{"x", "x", "x", "C"} << QList<int>{wrong, wrong, locked, locked};
    QTest::newRow("right code clears the count")
        << "pin" << QStringList{"x", "x", "C", "x", "x", "C"} << QList<int>{wrong, wrong, ok, wrong, wrong, ok};
    QTest::newRow("missing codes are not wrong ones")
        << "pin" << QStringList{"-", "old", "-", "x", "C"} << QList<int>{need, need, need, wrong, ok};
}

void TestReceiverAccess::codes()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, attempts);
    QFETCH(QList<int>, statuses);
    Access access;
    access.setMode(Access::modeFromText(mode.toStdString()));
    QList<int> got;
    for (const QString& a : attempts)
        got << access.check(attempt(a, access.code()));
    QCOMPARE(got, statuses);
}

void TestReceiverAccess::lockOutLastsAMinute()
{
    Access access;
    access.setMode(Access::Mode::Pin);
    Access::Clock::time_point now = Access::Clock::now();
    access.setClock([&] { return now; });
    const std::string code = access.code();
    for (int i = 0; i < Access::kMaxWrongCodes; ++i)
        access.check(attempt("x", code));
    QCOMPARE(access.check(attempt("C", code)), int(cast::LockedOut));
    // Another address is not shut out by this one's mistakes.
    QCOMPARE(access.check(attempt("C", code, "10.0.0.8")), int(cast::Accepted));
    now += std::chrono::seconds(59);
    QCOMPARE(access.check(attempt("C", code)), int(cast::LockedOut));
    now += std::chrono::seconds(2);
    QCOMPARE(access.check(attempt("C", code)), int(cast::Accepted));
    // After the minute the count starts afresh.
    QCOMPARE(access.check(attempt("x", code)), int(cast::WrongCode));
}

void TestReceiverAccess::userAnswers()
{
    Access access;
    access.setMode(Access::Mode::Ask);
    std::deque<Access::Answer> answers{Access::Answer::Allow, Access::Answer::Deny, Access::Answer::AlwaysAllow};
    int asked = 0;
    access.setAsker([&](const Access::Phone& p) {
        ++asked;
        Q_ASSERT(p.phoneName == "Phone");
        const Access::Answer a = answers.front();
        answers.pop_front();
        return a;
    });
    const Access::Phone phone = attempt("-", "");
    QCOMPARE(access.check(phone), Access::kAskUser);
    QCOMPARE(access.decide(phone), int(cast::Accepted));
    QCOMPARE(access.check(phone), Access::kAskUser);  // allowed once, asked again
    QCOMPARE(access.decide(phone), int(cast::Refused));
    QCOMPARE(access.decide(phone), int(cast::Accepted));
    QVERIFY(access.isRemembered("phone"));
    QCOMPARE(access.check(phone), int(cast::Accepted));
    QCOMPARE(asked, 3);

    // A stopping receiver asks nobody; a remembered list from the settings needs no question.
    Access other;
    other.setMode(Access::Mode::Ask);
    other.setAsker([&](const Access::Phone&) { ++asked; return Access::Answer::Allow; });
    other.setClosed(true);
    QCOMPARE(other.decide(phone), int(cast::Refused));
    other.setRemembered({"phone"});
    QCOMPARE(other.check(phone), int(cast::Accepted));
    QCOMPARE(asked, 3);
}

void TestReceiverAccess::pinWithRealPhones()
{
    QPVAirPlayService service;
    QSignalSpy codeChanged(&service, &QPVAirPlayService::didAccessCodeChanged);
    QVERIFY(service.start("Pivora-(pin test)", nullptr));
    QVERIFY(service.accessCode().isEmpty());  // "open" shows no code
    service.setAccessMode(Access::Mode::Pin);
    const QString code = service.accessCode();
    QCOMPARE(code.size(), 4);
    QCOMPARE(codeChanged.count(), 1);
    QCOMPARE(codeChanged.at(0).at(0).toString(), code);
    // Read on the phones' connection threads, moved on here.
    std::atomic<int> skipped{0};
    service.access().setClock([&] { return Access::Clock::now() + std::chrono::seconds(skipped.load()); });
    const QStringList port = {"--port", QString::number(service.ports()[0])};
    const QString wrong = code == "0000" ? "1111" : "0000";

    const CastRun without = runCast(port + kShortPicture);
    QCOMPARE(without.exitCode, 1);
    QVERIFY2(without.err.contains("requires an access code") && without.err.contains("--pin"),
             qPrintable(without.err));
    const CastRun right = runCast(port + QStringList{"--pin", code} + kShortPicture);
    QVERIFY2(right.exitCode == 0, qPrintable(right.err));

    QStringList errors;
    for (int i = 0; i < 4; ++i)
        errors << runCast(port + QStringList{"--pin", i < 3 ? wrong : code} + kShortPicture).err;
    QVERIFY2(errors[0].contains("wrong access code") && errors[1].contains("wrong access code"),
             qPrintable(errors.join("|")));
    QVERIFY2(errors[2].contains("too many wrong access codes") && errors[3].contains("too many wrong access codes"),
             qPrintable(errors.join("|")));
    skipped = int(Access::kLockout.count()) + 1;
    const CastRun later = runCast(port + QStringList{"--pin", code} + kShortPicture);
    QVERIFY2(later.exitCode == 0, qPrintable(later.err));

    service.setAccessMode(Access::Mode::Open);
    QVERIFY(service.accessCode().isEmpty());
    QCOMPARE(codeChanged.count(), 2);
    service.stop();
}

void TestReceiverAccess::askWithRealPhones()
{
    QPVAirPlayService service;
    std::deque<Access::Answer> answers{Access::Answer::Allow, Access::Answer::Deny, Access::Answer::AlwaysAllow};
    QStringList asked;
    // Answered here, on the thread that owns the service, as the application's prompt does.
    connect(&service, &QPVAirPlayService::didAskAccess, this,
            [&](const QString& name, const QString& id, const QString& address, int* answer) {
                asked << name + "|" + id + "|" + address;
                *answer = int(answers.front());
                answers.pop_front();
            }, Qt::BlockingQueuedConnection);
    QVERIFY(service.start("Pivora-(ask test)", nullptr));
    service.setAccessMode(Access::Mode::Ask);
    QVERIFY(service.accessCode().isEmpty());
    const QStringList phone = {"--port", QString::number(service.ports()[0]), "--name", "Kim's phone", "--id", "kim"};

    const CastRun allowed = runCast(phone + kShortPicture);
    QVERIFY2(allowed.exitCode == 0, qPrintable(allowed.err));
    QVERIFY(allowed.err.contains("asks its user"));
    const CastRun denied = runCast(phone + kShortPicture);
    QCOMPARE(denied.exitCode, 1);
    QVERIFY2(denied.err.contains("WELCOME status 2: refused"), qPrintable(denied.err));
    const CastRun always = runCast(phone + kShortPicture);
    QVERIFY2(always.exitCode == 0, qPrintable(always.err));
    const CastRun remembered = runCast(phone + kShortPicture);
    QVERIFY2(remembered.exitCode == 0 && !remembered.err.contains("asks its user"), qPrintable(remembered.err));

    QCOMPARE(asked.size(), 3);
    QCOMPARE(asked[0], QString("Kim's phone|kim|127.0.0.1"));
    service.stop();
}

QTEST_GUILESS_MAIN(TestReceiverAccess)
#include "test_receiver_access.moc"
