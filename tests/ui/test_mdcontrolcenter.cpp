// The multi-device center with real phones: simulated Android phones (one pivora-cast each, so
// each prints its own control messages) mirror into the receiver; the center gathers their
// windows, pages them, hands control to the picked phone only, follows phones that come and
// go, and puts the windows back when it closes. The page arithmetic is checked on its own.

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "control/Controller.h"
#include "media/PVDevice.h"
#include "render/QRenderWidget.h"
#include "scairplay/QPVAirPlayClient.h"
#include "scairplay/QPVAirPlayService.h"
#include "support/CastHost.h"
#include "ui/MDGridLayout.h"
#include "ui/QMDControlCenter.h"
#include "ui/QMDItemWidget.h"
#include "ui/QPVDeviceWidget.h"

#include <QAbstractButton>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPointer>
#include <QSet>
#include <QtTest>

#include <map>
#include <memory>

namespace {

constexpr int kWaitMs = 60000;
constexpr int kAndroidKind = 3;
constexpr int kPhones = 5;
const QSize kFrame(180, 320);
// A center this small has one column of four thumbnails, so five phones need two pages.
const QSize kSmallCenter(400, 600);

// One simulated phone and the control messages it printed.
class Phone {
public:
    Phone(int port, const QString& name)
        : m_process(casthost::startPhone(port, name, kAndroidKind,
                                         {"--pattern", QString("%1x%2@10").arg(kFrame.width()).arg(kFrame.height()),
                                          "--duration", "600"}))
    {
    }
    ~Phone()
    {
        m_process->terminate();
        if (!m_process->waitForFinished(5000))
            m_process->kill();
        m_process->waitForFinished(5000);
    }
    int count(const QString& type)
    {
        m_output += m_process->readAllStandardOutput();
        int n = 0;
        for (const QByteArray& line : m_output.split('\n'))
            n += QJsonDocument::fromJson(line).object().value("type").toString() == type ? 1 : 0;
        return n;
    }
    void clear()
    {
        m_process->readAllStandardOutput();
        m_output.clear();
    }

private:
    std::unique_ptr<QProcess> m_process;
    QByteArray m_output;
};

// A click where a user would click: delivered to the widget under the point, passed upwards
// from there as Qt passes it.
void clickAt(QWidget* widget, const QPoint& at)
{
    QWidget* top = widget->window();
    const QPoint inTop = widget->mapTo(top, at);
    QWidget* target = top->childAt(inTop);
    if (!target)
        target = top;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(top, inTop));
}

void clickCentre(QWidget* widget)
{
    clickAt(widget, widget->rect().center());
}

bool checked(QMDItemWidget* item)
{
    auto* kb = item->findChild<QAbstractButton*>("btnKB");
    return kb && kb->isChecked();
}

} // namespace

class TestMDControlCenter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void pages_data();
    void pages();
    void gridKeepsItsShape();
    void openingGathersEveryWindow();
    void pickingAThumbnailMovesControl();
    void pagingShowsTheOtherPhones();
    void aJoiningPhoneShowsOnTheLastPage();
    void theSelectedPhoneLeaving();
    void closingPutsTheWindowsBack();

private:
    void startPhone(const QString& name);
    QList<QPVDeviceWidget*> windows() const;
    Phone& phoneOf(QPVDeviceWidget* window);
    // Windows that take input now.
    QList<QPVDeviceWidget*> controlled() const;
    QMDItemWidget* item(int i) const { return m_center->itemWidgets().value(i); }
    QString pageInfo() const { return m_center->findChild<QLabel*>("labelPageInfo")->text(); }

    std::unique_ptr<QPVAirPlayService> m_service;
    std::unique_ptr<casthost::Host> m_host;
    std::map<QString, std::unique_ptr<Phone>> m_phones;
    QPointer<QMDControlCenter> m_center;
};

void TestMDControlCenter::initTestCase()
{
    QVERIFY2(QFile::exists(casthost::castProgram()), "pivora-cast not found; PIVORA_BIN_DIR must name the build's bin");
    QSettings* settings = pvApp()->settings();
    PVSettings::setOption(*settings, "videoaudio", "hwDecoder", 0);
    PVSettings::setOption(*settings, "androidDevice", "wiredHID", true);
    emit pvApp()->didOptionsChanged();
    QVERIFY(pvApp()->canControl(kAndroidKind));

    // Connected to the center the way the application connects it.
    m_service = std::make_unique<QPVAirPlayService>();
    m_host = std::make_unique<casthost::Host>(m_service.get());
    m_host->onSession = [](QPVAirPlayClient* client) {
        if (QMDControlCenter* center = QMDControlCenter::instance())
            center->addDevice(client);
    };
    m_host->onRemove = [](QPVAirPlayClient* client) {
        if (QMDControlCenter* center = QMDControlCenter::instance())
            center->removeDevice(client);
    };
    m_host->onPlay = m_host->onStop = [](QPVAirPlayClient* client) {
        if (QMDControlCenter* center = QMDControlCenter::instance())
            center->updateDevice(client);
    };
    QVERIFY(m_service->start("Pivora-(center)", nullptr));

    for (int i = 0; i < kPhones; ++i)
        startPhone(QString("phone-%1").arg(i));
    // Every phone shows its picture and can be controlled before the center opens.
    QTRY_VERIFY_WITH_TIMEOUT(windows().size() == kPhones && controlled().size() == kPhones, kWaitMs);
}

void TestMDControlCenter::cleanupTestCase()
{
    delete m_center.data();
    m_phones.clear();
    m_service.reset();
    m_host.reset();
}

void TestMDControlCenter::startPhone(const QString& name)
{
    m_phones[name] = std::make_unique<Phone>(m_service->ports()[0], name);
}

QList<QPVDeviceWidget*> TestMDControlCenter::windows() const
{
    QList<QPVDeviceWidget*> found;
    for (int i = 0; i < m_service->channelCount(); ++i) {
        QPVDeviceWidget* window = casthost::windowOf(m_service->clientAt(i));
        if (window && window->frameSize() == kFrame)
            found << window;
    }
    return found;
}

Phone& TestMDControlCenter::phoneOf(QPVDeviceWidget* window)
{
    return *m_phones.at(window->device()->client()->channelId());
}

QList<QPVDeviceWidget*> TestMDControlCenter::controlled() const
{
    QList<QPVDeviceWidget*> active;
    for (QPVDeviceWidget* window : windows()) {
        if (window->device()->acceptsInput())
            active << window;
    }
    return active;
}

void TestMDControlCenter::pages_data()
{
    QTest::addColumn<QSize>("zone");
    QTest::addColumn<int>("phones");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("shownPage");
    QTest::addColumn<int>("first");
    // The zone of the smallest center (800 x 800 less its bar): three columns of five rows.
    const QSize smallest(800, 760);
    QTest::newRow("no phones: no pages, the page stays") << smallest << 0 << 3 << 15 << 0 << 3 << 30;
    QTest::newRow("exactly one page") << smallest << 15 << 1 << 15 << 1 << 1 << 0;
    QTest::newRow("one more than a page") << smallest << 16 << 2 << 15 << 2 << 2 << 15;
    QTest::newRow("a page beyond the count is lowered") << smallest << 16 << 5 << 15 << 2 << 2 << 15;
    QTest::newRow("full HD, maximised") << QSize(1920, 1040) << 46 << 1 << 45 << 2 << 1 << 0;
    QTest::newRow("portrait zone: four rows") << QSize(400, 560) << 5 << 2 << 4 << 2 << 2 << 4;
}

void TestMDControlCenter::pages()
{
    QFETCH(QSize, zone);
    QFETCH(int, phones);
    QFETCH(int, page);
    QFETCH(int, cells);
    QFETCH(int, pages);
    QFETCH(int, shownPage);
    QFETCH(int, first);
    const MDGridLayout grid = MDGridLayout::forZone(zone);
    QCOMPARE(grid.cellsPerPage(), cells);
    QCOMPARE(MDGridLayout::pageCount(phones, cells), pages);
    const int shown = MDGridLayout::clampPage(page, pages);
    QCOMPARE(shown, shownPage);
    QCOMPARE(MDGridLayout::firstOnPage(shown, cells), first);
}

// Whatever the zone: 2 : 3 cells of even height in four or five rows, the large item as high
// as the rows, columns at least 6 apart, nothing overlapping, everything inside the zone.
void TestMDControlCenter::gridKeepsItsShape()
{
    for (int width = 300; width <= 2600; width += 97) {
        for (int height = 300; height <= 1700; height += 83) {
            const QSize zone(width, height);
            const MDGridLayout grid = MDGridLayout::forZone(zone);
            const QString where = QString("zone %1x%2").arg(width).arg(height);
            QVERIFY2(!grid.cells.isEmpty(), qPrintable(where));
            const QSize cell = grid.cells.first().size();
            QVERIFY2(cell.height() % 2 == 0 && cell.width() == cell.height() * 2 / 3, qPrintable(where));
            QSet<int> rowTops;
            for (const QRect& c : grid.cells) {
                QVERIFY2(c.size() == cell, qPrintable(where));
                QVERIFY2(QRect(QPoint(0, 0), zone).contains(c), qPrintable(where));
                QVERIFY2(!c.intersects(grid.large), qPrintable(where));
                rowTops.insert(c.top());
            }
            const int rows = rowTops.size();
            QVERIFY2(rows == (width - 24 < height - 24 ? 4 : 5), qPrintable(where));
            const int columns = grid.cells.size() / rows;
            QCOMPARE(columns * rows, grid.cells.size());
            if (columns > 1)
                QVERIFY2(grid.cells[1].left() - grid.cells[0].right() - 1 >= 6, qPrintable(where));
            QCOMPARE(grid.large.height(), (cell.height() + 12) * rows - 12);
            QCOMPARE(grid.large.width(), (grid.large.height() - 44) * 2 / 3);
            QVERIFY2(QRect(QPoint(0, 0), zone).contains(grid.large), qPrintable(where));
        }
    }
}

void TestMDControlCenter::openingGathersEveryWindow()
{
    const QList<QPVDeviceWidget*> all = windows();
    m_center = new QMDControlCenter(m_service.get());
    QCOMPARE(QMDControlCenter::instance(), m_center.data());
    m_center->setMinimumSize(0, 0);
    m_center->resize(kSmallCenter);
    m_center->show();
    m_center->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_center));

    // The first phone is controlled in the large item; four thumbnails on page one of two.
    QTRY_VERIFY_WITH_TIMEOUT(item(0) && item(0)->holdsWindow() && item(0)->deviceWidget() == all[0], kWaitMs);
    QCOMPARE(m_center->cellsPerPage(), 4);
    QCOMPARE(m_center->itemWidgets().size(), 5);
    QCOMPARE(pageInfo(), QString("1 / 2"));
    for (int i = 1; i <= 4; ++i) {
        QCOMPARE(item(i)->deviceWidget(), all[i - 1]);
        QCOMPARE(item(i)->findChild<QLabel*>("labelIndex")->text(), QString::number(i));
        // The first thumbnail names the phone the large item shows.
        QCOMPARE(item(i)->holdsWindow(), i != 1);
    }
    for (QPVDeviceWidget* window : all)
        QCOMPARE(window->mode(), 1);
    // The fifth phone waits hidden, outside every item.
    QVERIFY(!all[4]->isVisible());
    QVERIFY(!all[4]->parentWidget());
    QCOMPARE(controlled(), QList<QPVDeviceWidget*>{all[0]});
    QVERIFY(checked(item(0)) && checked(item(1)));
    QVERIFY(!checked(item(2)) && !checked(item(3)) && !checked(item(4)));
}

void TestMDControlCenter::pickingAThumbnailMovesControl()
{
    const QList<QPVDeviceWidget*> all = windows();
    clickCentre(item(3));
    QTRY_COMPARE(item(0)->deviceWidget(), all[2]);
    QVERIFY(item(0)->holdsWindow());
    // The window that was large is back in its own thumbnail.
    QCOMPARE(all[0]->parentWidget(), item(1)->preview());
    QCOMPARE(controlled(), QList<QPVDeviceWidget*>{all[2]});
    QVERIFY(checked(item(0)) && checked(item(3)) && !checked(item(1)));

    // Mouse and keyboard reach the picked phone and no other.
    for (auto& phone : m_phones)
        phone.second->clear();
    m_center->activateWindow();
    QTRY_VERIFY(m_center->isActiveWindow());
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus && (focus == all[2] || all[2]->isAncestorOf(focus)));
    clickCentre(all[2]->renderWidget());
    QTest::keyClick(focus, Qt::Key_A);
    QTRY_VERIFY_WITH_TIMEOUT(phoneOf(all[2]).count("touch") == 2 && phoneOf(all[2]).count("key") == 2, kWaitMs);

    // A click on a paused phone's picture picks it; the phone itself gets nothing.
    clickCentre(all[1]->renderWidget());
    QTRY_COMPARE(item(0)->deviceWidget(), all[1]);
    QCOMPARE(controlled(), QList<QPVDeviceWidget*>{all[1]});
    QTest::qWait(500);
    for (QPVDeviceWidget* window : all) {
        QCOMPARE(phoneOf(window).count("touch"), window == all[2] ? 2 : 0);
        QCOMPARE(phoneOf(window).count("key"), window == all[2] ? 2 : 0);
    }

    // The phone-button shortcuts belong to the picked phone alone: Shift+1 is its Home.
    QCOMPARE(QApplication::focusWidget(), all[1]);
    QTest::keyClick(all[1], Qt::Key_1, Qt::ShiftModifier);
    QTRY_COMPARE_WITH_TIMEOUT(phoneOf(all[1]).count("system_key"), 4, 15000);
    QTest::qWait(500);
    for (QPVDeviceWidget* window : all)
        QCOMPARE(phoneOf(window).count("system_key"), window == all[1] ? 4 : 0);
}

void TestMDControlCenter::pagingShowsTheOtherPhones()
{
    const QList<QPVDeviceWidget*> all = windows();
    m_center->findChild<QAbstractButton*>("btnNext")->click();
    QCOMPARE(m_center->currentPage(), 2);
    QCOMPARE(pageInfo(), QString("2 / 2"));
    QCOMPARE(item(1)->deviceWidget(), all[4]);
    QVERIFY(item(1)->holdsWindow());
    QCOMPARE(item(1)->findChild<QLabel*>("labelIndex")->text(), QString("5"));
    for (int i = 2; i <= 4; ++i)
        QVERIFY(item(i)->isHidden() && !item(i)->deviceWidget());
    // The picked phone stays large; the rest of page one waits hidden and paused.
    QCOMPARE(item(0)->deviceWidget(), all[1]);
    for (QPVDeviceWidget* window : {all[0], all[2], all[3]})
        QVERIFY(!window->isVisible() && !window->parentWidget());
    QCOMPARE(controlled(), QList<QPVDeviceWidget*>{all[1]});

    // Next does nothing on the last page; Prev goes back.
    m_center->findChild<QAbstractButton*>("btnNext")->click();
    QCOMPARE(m_center->currentPage(), 2);
    m_center->findChild<QAbstractButton*>("btnPrev")->click();
    QCOMPARE(pageInfo(), QString("1 / 2"));
    QCOMPARE(all[0]->parentWidget(), item(1)->preview());
    QVERIFY(!all[4]->isVisible() && !all[4]->parentWidget());
    m_center->findChild<QAbstractButton*>("btnPrev")->click();
    QCOMPARE(m_center->currentPage(), 1);
}

void TestMDControlCenter::aJoiningPhoneShowsOnTheLastPage()
{
    startPhone("phone-5");
    QTRY_COMPARE_WITH_TIMEOUT(windows().size(), kPhones + 1, kWaitMs);
    QPVDeviceWidget* joined = windows().last();
    QCOMPARE(joined->mode(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(item(2)->deviceWidget(), joined, kWaitMs);
    QCOMPARE(pageInfo(), QString("2 / 2"));
    QCOMPARE(item(2)->findChild<QLabel*>("labelIndex")->text(), QString("6"));
    QTRY_VERIFY_WITH_TIMEOUT(joined->isVisible() && item(2)->holdsWindow(), kWaitMs);
    // It is paused like every phone but the picked one.
    QTRY_VERIFY_WITH_TIMEOUT(joined->device()->controller()->isBluetoothReady(), kWaitMs);
    QCOMPARE(controlled().size(), 1);
}

void TestMDControlCenter::theSelectedPhoneLeaving()
{
    QPVDeviceWidget* selected = m_center->selectedWidget();
    QVERIFY(selected);
    const QString gone = selected->device()->client()->channelId();
    QPointer<QPVDeviceWidget> watched(selected);
    m_phones.erase(gone);

    // The large item goes to the first remaining phone; the pages close up.
    QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), kWaitMs);
    const QList<QPVDeviceWidget*> all = windows();
    QCOMPARE(all.size(), kPhones);
    QTRY_COMPARE(item(0)->deviceWidget(), all[0]);
    QVERIFY(item(0)->holdsWindow());
    QCOMPARE(pageInfo(), QString("2 / 2"));
    QCOMPARE(item(1)->deviceWidget(), all[4]);
    QVERIFY(item(2)->isHidden());
    QTRY_COMPARE(controlled(), QList<QPVDeviceWidget*>{all[0]});
}

void TestMDControlCenter::closingPutsTheWindowsBack()
{
    const QList<QPVDeviceWidget*> all = windows();
    m_center->findChild<QAbstractButton*>("btnClose")->click();
    QTRY_VERIFY(m_center.isNull());
    QVERIFY(!QMDControlCenter::instance());
    for (int i = 0; i < all.size(); ++i) {
        QPVDeviceWidget* window = all[i];
        QVERIFY(!window->parentWidget());
        QVERIFY(window->isVisible());
        QCOMPARE(window->mode(), 0);
        QCOMPARE(window->pos(), QPoint(100 + 80 * i, 50));
        // Fitted around the picture: the picture area has the phone's shape.
        const QSize area = window->renderWidget()->size();
        QVERIFY2(qAbs(area.width() * kFrame.height() - area.height() * kFrame.width()) <= kFrame.height(),
                 qPrintable(QString("%1x%2").arg(area.width()).arg(area.height())));
    }
    QCOMPARE(controlled().size(), all.size());
}

int main(int argc, char** argv)
{
    QPivoraApplication app(argc, argv);
    TestMDControlCenter test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mdcontrolcenter.moc"
