#include "ui/QEAlertDialog.h"

#include <QLabel>
#include <QPushButton>
#include <QScopedPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class TestAlertDialog : public QObject {
    Q_OBJECT
private slots:
    // The application object registers the compiled-in resources; tests do it themselves.
    void initTestCase() { Q_INIT_RESOURCE(resources); }

    void defaultsOfTheForm()
    {
        QEAlertDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pivora"));
        QCOMPARE(dialog.acceptButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dialog.cancelButton()->text(), QStringLiteral("Cancel"));
        QVERIFY(dialog.detail().isEmpty());
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(dialog.isModal());
        for (const char *name : {"lbAppIcon", "btnClose", "labelTitle", "labelDetail",
                                 "btnAccept", "btnCancel"})
            QVERIFY2(dialog.findChild<QWidget *>(QLatin1String(name)), name);
        QVERIFY2(!dialog.styleSheet().isEmpty(), "style sheet resource not applied");
    }

    void buttonsByMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("acceptShown");
        QTest::addColumn<bool>("cancelShown");
        QTest::newRow("mode 0: one button") << 0 << true << false;
        QTest::newRow("mode 1: two buttons") << 1 << true << true;
        QTest::newRow("other mode: as the form") << 7 << true << true;
        QTest::newRow("negative mode: as the form") << -1 << true << true;
    }
    void buttonsByMode()
    {
        QFETCH(int, mode);
        QFETCH(bool, acceptShown);
        QFETCH(bool, cancelShown);
        QScopedPointer<QEAlertDialog> dialog(
            QEAlertDialog::create(nullptr, QStringLiteral("Alert"), QStringLiteral("detail"), mode));
        QVERIFY(!dialog->isVisible());  // created, not shown
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        QCOMPARE(dialog->acceptButton()->isVisible(), acceptShown);
        QCOMPARE(dialog->cancelButton()->isVisible(), cancelShown);
        QCOMPARE(dialog->title(), QStringLiteral("Alert"));
        QCOMPARE(dialog->detail(), QStringLiteral("detail"));
    }

    void resultOfEachButton_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::newRow("accept") << "btnAccept" << int(QDialog::Accepted);
        QTest::newRow("cancel") << "btnCancel" << int(QDialog::Rejected);
        QTest::newRow("close") << "btnClose" << int(QDialog::Rejected);
    }
    void resultOfEachButton()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        QScopedPointer<QEAlertDialog> dialog(
            QEAlertDialog::create(nullptr, QStringLiteral("Tips"), QString(), 1));
        QSignalSpy finished(dialog.data(), &QDialog::finished);
        dialog->open();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        auto *target = dialog->findChild<QPushButton *>(button);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().first().toInt(), result);
        QVERIFY(!dialog->isVisible());
    }

    void runBlocksUntilAnswered()
    {
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<QEAlertDialog *>(QApplication::activeModalWidget());
            if (dialog)
                dialog->acceptButton()->click();
        });
        QCOMPARE(QEAlertDialog::run(nullptr, QStringLiteral("Alert"), QStringLiteral("x"), 0),
                 int(QDialog::Accepted));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void longDetailIsNotClipped()
    {
        QString detail;
        for (int i = 0; i < 40; ++i)
            detail += QStringLiteral("To continue using this program you must apply the update. ");
        QScopedPointer<QEAlertDialog> dialog(
            QEAlertDialog::create(nullptr, QStringLiteral("New Version\n3.1.0.0"), detail, 1));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        auto *label = dialog->findChild<QLabel *>(QStringLiteral("labelDetail"));
        QTRY_VERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(dialog->acceptButton()->geometry().bottom() < dialog->height());
    }
};

QTEST_MAIN(TestAlertDialog)
#include "test_alertdialog.moc"
