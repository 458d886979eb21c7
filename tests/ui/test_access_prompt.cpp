// The question an unknown phone raises while the receiver asks first: its text, its three
// answers, and what closing it means.

#include "ui/QEAlertDialog.h"
#include "ui/QPVAccessPrompt.h"

#include <QPushButton>
#include <QtTest>

class TestAccessPrompt : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
};

void TestAccessPrompt::answers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("Allow") << "btnAccept" << int(SCReceiverAccess::Answer::Allow);
    QTest::newRow("Deny") << "btnCancel" << int(SCReceiverAccess::Answer::Deny);
    QTest::newRow("Always allow") << "btnAlwaysAllow" << int(SCReceiverAccess::Answer::AlwaysAllow);
    QTest::newRow("closed") << "btnClose" << int(SCReceiverAccess::Answer::Deny);
    QTest::newRow("receiver stopping") << "" << int(SCReceiverAccess::Answer::Deny);
}

void TestAccessPrompt::answers()
{
    QFETCH(QString, button);
    QFETCH(int, answer);
    QPVAccessPrompt prompt;
    QString detail;
    QStringList buttons;
    connect(&prompt, &QPVAccessPrompt::shown, this, [&](QEAlertDialog* dialog) {
        detail = dialog->detail();
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->isVisible())
                buttons << b->text();
        if (button.isEmpty()) {
            prompt.cancel();
            return;
        }
        auto* target = dialog->findChild<QPushButton*>(button);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
    });
    QCOMPARE(int(prompt.ask(nullptr, "Kim's phone")), answer);
    QCOMPARE(detail, QString("Allow Kim's phone to mirror to this PC?"));
    QVERIFY2(buttons.contains("Allow") && buttons.contains("Deny") && buttons.contains("Always allow"),
             qPrintable(buttons.join(",")));
    QVERIFY(!prompt.dialog());
}

QTEST_MAIN(TestAccessPrompt)
#include "test_access_prompt.moc"
