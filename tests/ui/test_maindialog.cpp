// The home screen inside a real application object: closing actions and the remembered answer,
// keyboard use, the guide, language change and automatic sign-in against a loopback server.

#include "account/CaptureServer.h"
#include "account/PVUserContext.h"
#include "app/PVLastUser.h"
#include "app/PVNetworkInfo.h"
#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "support/AlertAnswerer.h"
#include "ui/QEAlertDialog.h"
#include "ui/QELabel.h"
#include "ui/QGuideWidget.h"
#include "ui/QMainDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr int kWaitMs = 15000;

void remember(QEAlertDialog* alert)
{
    QCheckBox* box = alert->findChild<QCheckBox*>();
    QVERIFY(box);
    QTest::keyClick(box, Qt::Key_Space);
}

QString closingSetting()
{
    return PVSettings::optionString(*pvApp()->settings(), "general", "closingAction");
}

template <class T>
T* child(QWidget* window, const char* name)
{
    return window->findChild<T*>(QLatin1String(name));
}

} // namespace

class TestMainDialog : public QObject {
    Q_OBJECT
public:
    explicit TestMainDialog(CaptureServer* server)
        : m_server(server)
    {
    }

private:
    CaptureServer* m_server;
    std::unique_ptr<QMainDialog> m_window;

    QMainDialog* shown()
    {
        m_window.reset(new QMainDialog);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window.get()))
            qWarning("home screen not exposed");
        return m_window.get();
    }

private slots:
    void cleanup()
    {
        m_window.reset();
        pvApp()->signOut();
        PVSettings::setOption(*pvApp()->settings(), "general", "closingAction", "askfirst");
        PVSettings::setOption(*pvApp()->settings(), "general", "lang", "en-us");
        pvApp()->settings()->setValue("autoLogin", false);
        emit pvApp()->didOptionsChanged();
    }

    void showsWhatPhonesSee()
    {
        QMainDialog* w = shown();
        QCOMPARE(w->size(), QSize(1100, 620));
        QCOMPARE(w->windowTitle(), QString("Pivora"));
        QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w->testAttribute(Qt::WA_QuitOnClose));
        QCOMPARE(child<QLabel>(w, "lbDescNetworkName")->text(), pvApp()->receiverName());
        QCOMPARE(child<QLabel>(w, "lbDescNetworkIP")->text(), PVNetworkInfo::chosenAdapter().address);
        // The introduction is five paragraphs, each one sized span.
        const QString intro = child<QLabel>(w, "lbIntro")->text();
        QCOMPARE(intro.count("<p><span style=\" font-size:18px;\">"), 5);
        QVERIFY(intro.indexOf("1. Plug and Play") < intro.indexOf("5. Up to 128 devices"));
        // Double-clicking the title bar of a window that cannot be resized changes nothing.
        QTest::mouseDClick(child<QWidget>(w, "titlebar"), Qt::LeftButton, Qt::NoModifier, QPoint(400, 16));
        QVERIFY(!w->isMaximized());
        QCOMPARE(w->size(), QSize(1100, 620));
    }

    void keyboardUse()
    {
        QMainDialog* w = shown();
        w->activateWindow();
        QTRY_VERIFY(w->isActiveWindow());
        child<QWidget>(w, "btnSign")->setFocus();
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"btnSign", "btnGrid", "btnOption", "btnMin", "btnClose", "labelGuide"}));

        // Enter on the guide link opens the guide; Escape never dismisses the home screen.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(w->guideWidget()->isVisible());
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w->isVisible());

        // Enter on a focused title button presses it.
        child<QWidget>(w, "btnMin")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QTRY_VERIFY(w->isMinimized());
    }

    void guideTogglesAndAnimates()
    {
        QMainDialog* w = shown();
        QGuideWidget* guide = w->guideWidget();
        auto* link = child<QELabel>(w, "labelGuide");
        QVERIFY(!guide->isVisible());
        QCOMPARE(guide->runningAnimations(), 0);

        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(guide->isVisible());
        QVERIFY(!child<QWidget>(w, "mainWidget")->isVisible());
        QCOMPARE(link->text(), QString("Home"));
        QCOMPARE(guide->runningAnimations(), 2);
        const QStringList pictures{":/asset/wired.gif", ":/asset/mirror_en.gif", ":/asset/droid-qrcode.png",
            ":/asset/droid-qrcode.png"};
        for (int i = 0; i < QGuideWidget::kSectionCount; ++i) {
            QCOMPARE(guide->sectionPicture(i), pictures[i]);
            QVERIFY2(!guide->sectionTitle(i).isEmpty() && !guide->sectionDescription(i).isEmpty(), qPrintable(pictures[i]));
        }
        // The pictures are the program's own, compiled in.
        for (const char* gif : {":/asset/wired.gif", ":/asset/mirror_en.gif", ":/asset/mirror_cn.gif",
                 ":/asset/bt_en.gif", ":/asset/bt_cn.gif"}) {
            QMovie movie(QString::fromLatin1(gif));
            QVERIFY2(movie.isValid() && movie.frameCount() > 10, gif);
        }
        QVERIFY(!QPixmap(":/asset/droid-qrcode.png").isNull());

        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(!guide->isVisible());
        QVERIFY(child<QWidget>(w, "mainWidget")->isVisible());
        QCOMPARE(link->text(), QString("Quick Start Guide"));
        QCOMPARE(guide->runningAnimations(), 0);
    }

    void languageChangeKeepsStateAndRenames()
    {
        QMainDialog* w = shown();
        pvApp()->setUserContext(PVUserContext::create("key-1", QJsonObject{{"mNickname", "Ada"}}).release());
        QCOMPARE(child<QPushButton>(w, "btnSign")->text(), QString("Ada"));
        QTest::mouseClick(child<QELabel>(w, "labelGuide"), Qt::LeftButton);

        PVSettings::setOption(*pvApp()->settings(), "general", "lang", "zh-cn");
        emit pvApp()->didOptionsChanged();
        QCOMPARE(pvApp()->language(), QString("zh-cn"));
        QTRY_COMPARE(w->guideWidget()->sectionPicture(1), QString(":/asset/mirror_cn.gif"));
        // The form is retranslated without losing what it showed.
        QCOMPARE(child<QPushButton>(w, "btnSign")->text(), QString("Ada"));
        QCOMPARE(child<QELabel>(w, "labelGuide")->text(), QMainDialog::tr("Home"));
        QVERIFY(child<QELabel>(w, "labelGuide")->text() != QLatin1String("Home"));
        QCOMPARE(child<QLabel>(w, "lbDescNetworkName")->text(), pvApp()->receiverName());
        QCOMPARE(w->guideWidget()->runningAnimations(), 2);

        pvApp()->signOut();
        QCOMPARE(child<QPushButton>(w, "btnSign")->text(), QMainDialog::tr("Signin / Signup"));
    }

    void userStatusShowsNicknameOrPhone()
    {
        QMainDialog* w = shown();
        auto* sign = child<QPushButton>(w, "btnSign");
        QCOMPARE(sign->text(), QString("Signin / Signup"));
        pvApp()->setUserContext(
            PVUserContext::create("key-2", QJsonObject{{"mNickname", ""}, {"mPhone", "13800000000"}}).release());
        QCOMPARE(sign->text(), QString("13800000000"));
    }

    void automaticSignIn_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("signedIn");
        QTest::newRow("profile loaded") << R"({"code":10000,"message":"ok","mNickname":"Grace"})" << true;
        QTest::newRow("refused") << R"({"code":10011,"message":"expired"})" << false;
        QTest::newRow("not JSON") << "<html>busy</html>" << false;
    }
    void automaticSignIn()
    {
        QFETCH(QString, answer);
        QFETCH(bool, signedIn);
        CaptureServer::Answer reply;
        reply.body = answer.toStdString();
        m_server->setAnswer(reply);
        const size_t before = m_server->requestCount();
        QSettings* settings = pvApp()->settings();
        settings->setValue("autoLogin", true);
        settings->setValue("lastUser", PVLastUser::toSetting("login-ключ-7"));

        QMainDialog* w = shown();
        QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount(), before + 1, kWaitMs);
        const CaptureServer::Request request = m_server->requests().back();
        QCOMPARE(QString::fromStdString(request.path), QString("/v1/app/getProfile"));
        QVERIFY(QUrl::fromPercentEncoding(QByteArray::fromStdString(request.body)).contains("loginkey=login-ключ-7"));
        if (signedIn) {
            QTRY_VERIFY_WITH_TIMEOUT(pvApp()->userContext(), kWaitMs);
            QCOMPARE(pvApp()->userContext()->loginKey(), QString("login-ключ-7"));
            QVERIFY(!pvApp()->userContext()->profile().contains("code"));
            QVERIFY(!pvApp()->userContext()->profile().contains("message"));
            QCOMPARE(child<QPushButton>(w, "btnSign")->text(), QString("Grace"));
            QVERIFY(!w->property("_autologinKey").isValid());
        } else {
            QTest::qWait(300);
            QVERIFY(!pvApp()->userContext());
            // A failed automatic sign-in keeps the remembered user for the next start.
            QCOMPARE(PVLastUser::fromSetting(settings->value("lastUser")), QString("login-ключ-7"));
        }
    }

    void closingActions_data()
    {
        QTest::addColumn<QVariant>("setting");
        QTest::addColumn<QString>("answer"); // "" not asked, "minimize", "minimize+remember", "enter", "escape"
        QTest::addColumn<bool>("minimized");
        QTest::addColumn<QString>("stored");
        QTest::newRow("minimize") << QVariant("minimize") << "" << true << "minimize";
        QTest::newRow("ask, minimize once") << QVariant("askfirst") << "minimize" << true << "askfirst";
        QTest::newRow("ask, minimize remembered") << QVariant("askfirst") << "minimize+remember" << true << "minimize";
        QTest::newRow("ask, Enter minimizes") << QVariant("askfirst") << "enter" << true << "askfirst";
        QTest::newRow("ask, Escape cancels") << QVariant("askfirst") << "escape" << false << "askfirst";
        QTest::newRow("unknown value asks") << QVariant("hide") << "escape" << false << "hide";
        QTest::newRow("wrong type asks") << QVariant(42) << "escape" << false << "42";
    }
    void closingActions()
    {
        QFETCH(QVariant, setting);
        QFETCH(QString, answer);
        QFETCH(bool, minimized);
        QFETCH(QString, stored);
        PVSettings::setOption(*pvApp()->settings(), "general", "closingAction", setting);
        QMainDialog* w = shown();
        AlertAnswerer answerer;
        if (!answer.isEmpty()) {
            answerer.arm([answer](QEAlertDialog* alert) {
                if (answer.endsWith("+remember"))
                    remember(alert);
                if (answer == "enter")
                    QTest::keyClick(alert, Qt::Key_Return);
                else if (answer == "escape")
                    QTest::keyClick(alert, Qt::Key_Escape);
                else
                    alert->acceptButton()->click();
            });
        }
        child<QPushButton>(w, "btnClose")->click();
        QCOMPARE(answerer.asked, !answer.isEmpty());
        if (answerer.asked)
            QCOMPARE(answerer.title, QMainDialog::tr("Minimize Pivora or quit?"));
        QTRY_COMPARE(w->isMinimized(), minimized);
        QVERIFY(w->isVisible());
        QCOMPARE(closingSetting(), stored);
    }

    // Quitting ends the event loop, and every loop after it in this process: keep it last.
    void askFirstQuitIsRememberedAndQuits()
    {
        QMainDialog* w = shown();
        AlertAnswerer answerer;
        answerer.arm([](QEAlertDialog* alert) {
            remember(alert);
            alert->cancelButton()->click();
        });
        QEventLoop loop;
        QTimer::singleShot(0, w, [w] { w->findChild<QPushButton*>("btnClose")->click(); });
        QTimer::singleShot(kWaitMs, &loop, [&loop] { loop.exit(99); });
        QCOMPARE(loop.exec(), 0);
        QVERIFY(answerer.asked);
        QCOMPARE(closingSetting(), QString("quit"));
        // Shutting down closes the window without asking again.
        w->closeForShutdown();
        QVERIFY(!w->isVisible());
    }

    void cleanupTestCase()
    {
        m_window.reset();
    }
};

int main(int argc, char** argv)
{
    // The Wi-Fi row asks the system bus; the machine's own is never reached from a test.
    QTemporaryDir noBus;
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", ("unix:path=" + noBus.filePath("none")).toUtf8());
    CaptureServer server;
    qputenv("PIVORA_API_URL", QByteArray("http://127.0.0.1:") + QByteArray::number(server.port()));
    QPivoraApplication app(argc, argv);
    TestMainDialog test(&server);
    return QTest::qExec(&test, argc, argv);
}

#include "test_maindialog.moc"
