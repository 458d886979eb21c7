// The Bluetooth pairing guide: its texts, the status and the close timer, the illustration's
// place and file, and a language change.
#include "bluetooth/QBtGuideWidget.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

namespace {

// Translates the guide's status texts, as a loaded language file would.
class StatusTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArray(context) != "QBtGuideWidget")
            return {};
        if (QByteArray(source) == "Connected")
            return QStringLiteral("Verbunden");
        if (QByteArray(source) == "Disconnected")
            return QStringLiteral("Getrennt");
        return {};
    }
};

QString labelText(const QWidget& guide, const char* name)
{
    const QLabel* label = guide.findChild<QLabel*>(name);
    return label ? label->text() : QString();
}

} // namespace

class TestBtGuide : public QObject {
    Q_OBJECT
private slots:
    void textsStatusAndTimer()
    {
        QPointer<QBtGuideWidget> guide = new QBtGuideWidget;
        guide->resize(390, 780);
        guide->show();
        QCOMPARE(labelText(*guide, "lbTitle"), QString("Connect Bluetooth"));
        QCOMPARE(guide->windowTitle(), QString("Connect Bluetooth"));
        QCOMPARE(guide->findChild<QPushButton*>("btnClose")->text(), QString("Close"));
        // Without a Bluetooth service the computer is named only by the accessory text.
        QCOMPARE(guide->pcName(), QString("Accessory Or "));
        const QString guideText = labelText(*guide, "lbGuide");
        QVERIFY(guideText.startsWith("<html><head/><body><p><span style=\"font-size:14px;\">1.Open Settings-&gt;Bluetooth"));
        QVERIFY(guideText.contains("white-space:pre-wrap;\">Accessory Or </span>"));
        QVERIFY(!guideText.contains("%s"));
        QVERIFY(guideText.endsWith("Please tap 'Close'.</span></p></body></html>"));

        QLabel* status = guide->findChild<QLabel*>("lbStatus");
        QVERIFY(!guide->isConnected());
        QCOMPARE(status->text(), QString("Disconnected"));
        QCOMPARE(status->styleSheet(), QString("color: #ff0000;"));
        QCOMPARE(guide->pendingCloseMs(), -1);

        guide->setConnected(true);
        QCOMPARE(status->text(), QString("Connected"));
        QCOMPARE(status->styleSheet(), QString("color: #00ff00"));
        QCOMPARE(guide->pendingCloseMs(), QBtGuideWidget::kConnectedCloseMs);
        // Dropped again within the two seconds: the guide stays.
        guide->setConnected(false);
        QCOMPARE(guide->pendingCloseMs(), -1);
        QTest::qWait(QBtGuideWidget::kConnectedCloseMs + 300);
        QVERIFY(guide && guide->isVisible());

        guide->setConnected(true);
        QTRY_VERIFY_WITH_TIMEOUT(!guide, 5000);
    }

    void closeButtonClosesAtOnce()
    {
        QPointer<QBtGuideWidget> guide = new QBtGuideWidget;
        guide->show();
        QTest::mouseClick(guide->findChild<QPushButton*>("btnClose"), Qt::LeftButton);
        QCOMPARE(guide->pendingCloseMs(), QBtGuideWidget::kCloseButtonMs);
        QTRY_VERIFY_WITH_TIMEOUT(!guide, 2000);
    }

    void gifGeometry_data()
    {
        QTest::addColumn<QSize>("container");
        QTest::addColumn<QRect>("gif");
        QTest::newRow("wide") << QSize(700, 500) << QRect(233, 0, 233, 500);
        QTest::newRow("narrow") << QSize(200, 600) << QRect(0, 86, 200, 428);
        QTest::newRow("just wider than the ratio") << QSize(467, 1000) << QRect(0, 0, 466, 1000);
        QTest::newRow("empty") << QSize(0, 0) << QRect();
    }
    void gifGeometry()
    {
        QFETCH(QSize, container);
        QFETCH(QRect, gif);
        QCOMPARE(QBtGuideWidget::gifGeometry(container), gif);
    }

    void illustrationFollowsItsContainer()
    {
        QBtGuideWidget guide;
        guide.resize(600, 900);
        guide.show();
        QVERIFY(QTest::qWaitForWindowExposed(&guide));
        const QWidget* container = guide.findChild<QWidget*>("gifContainer");
        const QLabel* gif = guide.findChild<QLabel*>("lbGif");
        QVERIFY(container->height() > 0);
        QCOMPARE(gif->geometry(), QBtGuideWidget::gifGeometry(container->size()));
        guide.resize(300, 500);
        QTRY_COMPARE(gif->geometry(), QBtGuideWidget::gifGeometry(container->size()));
    }

    void illustrationByLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("simplified Chinese") << "zh-cn" << ":/asset/bt_cn.gif";
        QTest::newRow("traditional Chinese") << "zh-hant" << ":/asset/bt_en.gif";
        QTest::newRow("English") << "en-us" << ":/asset/bt_en.gif";
        QTest::newRow("case matters") << "ZH-CN" << ":/asset/bt_en.gif";
    }
    void illustrationByLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, file);
        QCOMPARE(QBtGuideWidget::gifFileFor(language), file);
    }

    void languageChangeTranslatesAgain()
    {
        QBtGuideWidget guide;
        guide.setConnected(true);
        StatusTranslator translator;
        QCoreApplication::installTranslator(&translator);
        QTRY_COMPARE(labelText(guide, "lbStatus"), QString("Verbunden"));
        guide.setConnected(false);
        QCOMPARE(labelText(guide, "lbStatus"), QString("Getrennt"));
        QCoreApplication::removeTranslator(&translator);
        QTRY_COMPARE(labelText(guide, "lbStatus"), QString("Disconnected"));
    }
};

QTEST_MAIN(TestBtGuide)
#include "test_bt_guide.moc"
