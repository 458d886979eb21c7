// The key mapper on a device window: the overlay stays on the video, the editor lists and
// switches profiles, markers are dropped, given keys, moved and resized, profiles are saved,
// renamed and removed with the texts the user sees, and refused where they would clash.

#include "control/CKBMapProfile.h"
#include "control/CKBMapService.h"
#include "control/Controller.h"
#include "control/QHIDMapperEditor.h"
#include "control/QHIDMapperItemWidget.h"
#include "control/QHIDMapperWidget.h"
#include "render/QRenderWidget.h"
#include "render/RenderTestFrames.h"
#include "ui/QEAlertDialog.h"
#include "ui/QEToast.h"
#include "ui/QPVDeviceWidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QSlider>
#include <QStandardPaths>
#include <QtTest>

namespace {

constexpr int kNoControlKind = 4;
const QSize kFrame(1280, 576);

QString folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/kbmapper";
}

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton), Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Answers the next alert (accept or cancel) and tells its text.
QString answerAlert(const std::function<void()>& trigger, bool accept = true)
{
    QString text;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* alert = qobject_cast<QEAlertDialog*>(widget);
            if (alert && alert->isVisible()) {
                text = alert->detail();
                accept ? alert->accept() : alert->reject();
                poll.stop();
                return;
            }
        }
    });
    poll.start();
    trigger();
    return text;
}

} // namespace

class TestKBMapEditor : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QPVDeviceWidget> m_window;
    std::unique_ptr<Controller> m_controller;

    QHIDMapperWidget* overlay() const { return m_window->keyMapOverlay(); }
    QHIDMapperEditor* editor() const { return overlay()->editor(); }
    template <typename T>
    T* part(const char* name) const { return editor()->findChild<T*>(QLatin1String(name)); }
    void click(const char* name) const { part<QAbstractButton>(name)->click(); }
    QComboBox* list() const { return part<QComboBox>("cbProfiles"); }
    QStringList listed() const
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->itemText(i);
        return names;
    }
    // Texts of the toasts shown over the overlay and not gone yet.
    QStringList toasts() const
    {
        QStringList texts;
        for (const QEToast* toast : overlay()->findChildren<QEToast*>())
            texts << toast->text();
        return texts;
    }
    void clearToasts() const { qDeleteAll(overlay()->findChildren<QEToast*>()); }
    QHIDMapperItemWidget* drop(int paletteIndex, QPoint at) const
    {
        const int before = overlay()->items().size();
        QMimeData mime;
        mime.setData(QHIDMapperWidget::kMimeFormat, QByteArray::number(paletteIndex));
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(overlay(), &enter);
        if (!enter.isAccepted())
            return nullptr;
        QDropEvent dropped(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(overlay(), &dropped);
        return overlay()->items().size() > before ? overlay()->items().last() : nullptr;
    }
    QRect videoOnScreen() const
    {
        const QRenderWidget* video = m_window->renderWidget();
        return QRect(video->mapToGlobal(QPoint(0, 0)), video->size());
    }

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(resources);
        QDir(folder()).removeRecursively();
    }

    void init()
    {
        m_window = std::make_unique<QPVDeviceWidget>();
        m_window->move(40, 40);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        AVFramePtr frame = testframes::toFrame(testframes::quadrants(kFrame), AV_PIX_FMT_YUV420P);
        m_window->showFrame(frame.get());
        m_controller = std::make_unique<Controller>(kNoControlKind, nullptr);
        m_controller->setDeviceWindow(m_window.get());
        m_controller->setBluetoothReady(true);
        m_controller->onPostKBMapper();
        QVERIFY(overlay());
        QTRY_VERIFY(editor()->isVisible());
    }

    void cleanup()
    {
        m_controller.reset();
        m_window.reset();
    }

    void overlayStaysOnTheVideo()
    {
        QTRY_COMPARE(overlay()->geometry(), videoOnScreen());
        auto editorOnTopEdge = [this] {
            const QRect box = editor()->geometry();
            return box.top() == overlay()->y() && qAbs(box.center().x() - overlay()->geometry().center().x()) <= 1;
        };
        QVERIFY(editorOnTopEdge());
        m_window->move(120, 90);
        QTRY_COMPARE(overlay()->geometry(), videoOnScreen());
        m_window->resize(900, 500);
        QTRY_COMPARE(overlay()->geometry(), videoOnScreen());
        m_window->setPhoneRotation(4);
        QTRY_COMPARE(overlay()->geometry(), videoOnScreen());
        QVERIFY(overlay()->height() > overlay()->width());
        m_window->showFullScreen();
        QTRY_VERIFY(m_window->isFullScreen());
        QTRY_COMPARE(overlay()->geometry(), videoOnScreen());
        QTRY_VERIFY(editorOnTopEdge());
        // The same action closes it again.
        m_controller->onPostKBMapper();
        QVERIFY(!overlay());
    }

    void editorListsAndSwitchesProfiles()
    {
        QCOMPARE(listed(), QStringList({"[PV]GameForPeace", "[PV]LOL-3", "[PV]LOL-4"}));
        QCOMPARE(list()->currentText(), QString("[PV]GameForPeace"));
        QCOMPARE(overlay()->items().size(), 28);
        QVERIFY(!part<QAbstractButton>("btnSwitch")->isChecked());
        QVERIFY(!m_controller->isKBMapper());
        // Markers are shown at the opacity slider's value while playing.
        auto* opacity = qobject_cast<QGraphicsOpacityEffect*>(overlay()->items().first()->graphicsEffect());
        QCOMPARE(opacity->opacity(), 0.6);
        part<QSlider>("sliderOpacity")->setValue(30);
        QCOMPARE(part<QLabel>("labelOpacity")->text(), QString("30"));
        QCOMPARE(opacity->opacity(), 0.3);

        click("btnSwitch");
        QVERIFY(m_controller->isKBMapper());
        QVERIFY(m_controller->kbMapProfile()->path().endsWith("/[PV]GameForPeace.json"));
        list()->setCurrentIndex(1);
        QCOMPARE(overlay()->items().size(), 17);
        QVERIFY(m_controller->kbMapProfile()->path().endsWith("/[PV]LOL-3.json"));

        // Closing leaves the key map playing; opening again shows it switched on.
        click("btnClose");
        QTRY_VERIFY(!overlay());
        QVERIFY(m_controller->isKBMapper());
        m_controller->onPostKBMapper();
        QCOMPARE(list()->currentText(), QString("[PV]LOL-3"));
        QVERIFY(part<QAbstractButton>("btnSwitch")->isChecked());
        click("btnSwitch");
        QVERIFY(!m_controller->isKBMapper());

        // The sensitivity slider reaches the Controller at once.
        part<QSlider>("sliderSensitivity")->setValue(55);
        QCOMPARE(part<QLabel>("labelSensitivity")->text(), QString("55"));
        QCOMPARE(m_controller->mouseSensitivity(), 55);
    }

    void shootingShortcutTakesTheNextKeyOrButton()
    {
        auto* field = part<QLineEdit>("lineEditShortcut");
        QCOMPARE(field->text(), QString("RightButton"));
        editor()->activateWindow();
        QTest::mouseClick(field, Qt::LeftButton);
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClick(field, Qt::Key_QuoteLeft);
        QCOMPARE(field->text(), QString("QuoteLeft"));
        QCOMPARE(m_controller->shootingModeShortcut(), int(Qt::Key_QuoteLeft));
        QCOMPARE(editor()->shortcutKind(), 1);
        // The click that gives the field the focus is not taken; the next one is.
        QTest::mouseClick(field, Qt::LeftButton);
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(m_controller->shootingModeShortcut(), int(Qt::Key_QuoteLeft));
        QTest::mouseClick(field, Qt::MiddleButton);
        QCOMPARE(m_controller->shootingModeShortcut(), int(Qt::MiddleButton));
        QCOMPARE(editor()->shortcutKind(), 2);
        QVERIFY(!field->text().startsWith("Key_"));
    }

    void profileIsBuiltSavedRenamedAndRemoved()
    {
        // Edit refuses without a profile; New starts an empty one.
        click("btnNew");
        QVERIFY(editor()->isEditing());
        QVERIFY(overlay()->items().isEmpty());
        const QSize area = overlay()->size();

        // Dropped markers; a second wheel, field of view or walking marker is refused.
        QHIDMapperItemWidget* wheel = drop(4, QPoint(200, 350));
        QVERIFY(wheel);
        QVERIFY(!drop(4, QPoint(600, 350)));
        QVERIFY(toasts().contains("This kind of key has been added."));
        QHIDMapperItemWidget* view = drop(QHIDMapperItemWidget::kFieldOfViewIndex, QPoint(5, 5));
        QVERIFY(view);
        QCOMPARE(view->node().position, QPointF(0.3, 0.3));
        QVERIFY(!drop(1, QPoint(600, 300)));
        QHIDMapperItemWidget* walk = drop(5, QPoint(500, 400));
        QVERIFY(walk && walk->hasKeys());
        QVERIFY(!drop(5, QPoint(550, 400)));
        QHIDMapperItemWidget* jump = drop(0, QPoint(1000, 350));
        QHIDMapperItemWidget* fire = drop(0, QPoint(1100, 250));
        QVERIFY(jump && fire);
        // Foreign drags and bad indexes are refused.
        QMimeData text;
        text.setText("3");
        QDragEnterEvent foreign(QPoint(10, 10), Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(overlay(), &foreign);
        QVERIFY(!foreign.isAccepted());
        QVERIFY(!drop(8, QPoint(10, 10)));

        // Keys: the wheel takes its four in turn; a key in use elsewhere is refused.
        for (Qt::Key key : {Qt::Key_W, Qt::Key_A, Qt::Key_S, Qt::Key_D})
            QTest::keyClick(wheel, key);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(wheel->node().keys[i].key, int(QList<Qt::Key>({Qt::Key_W, Qt::Key_A, Qt::Key_S, Qt::Key_D}).at(i)));
        clearToasts();
        QTest::keyClick(jump, Qt::Key_W);
        QVERIFY(toasts().contains("The key is already in use."));
        QCOMPARE(jump->node().keys[0].key, -1);
        QTest::keyClick(jump, Qt::Key_Space);
        QCOMPARE(jump->keyText(), QString("Space"));
        // The walking marker and the field of view take no key from the keyboard.
        QTest::keyClick(walk, Qt::Key_E);
        QCOMPARE(walk->node().keys[0].key, int(Qt::RightButton));

        // Saving needs a name and every key.
        QCOMPARE(answerAlert([this] { click("btnSave"); }), QString("Please input profile name"));
        part<QLineEdit>("lineEditName")->setText("Sniper");
        clearToasts();
        click("btnSave");
        QVERIFY(toasts().contains("There are invalid keys in profile."));
        QVERIFY(!QFile::exists(folder() + "/Sniper.json"));

        // A quick click gives a marker the clicked mouse button.
        sendMouse(fire, QEvent::MouseButtonPress, QPoint(20, 30), Qt::LeftButton);
        sendMouse(fire, QEvent::MouseButtonRelease, QPoint(20, 30), Qt::LeftButton);
        QCOMPARE(fire->property("__hidKeyIcon").toString(), QString(":/keymap/mouse-left.svg"));
        // A long press moves the marker under the mouse; the corner handle makes it a square.
        sendMouse(jump, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton);
        QTest::qWait(QHIDMapperItemWidget::kHoldMs + 50);
        sendMouse(jump, QEvent::MouseMove, jump->mapFromGlobal(overlay()->mapToGlobal(QPoint(900, 300))), Qt::LeftButton);
        sendMouse(jump, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::LeftButton);
        QCOMPARE(jump->geometry().center(), QPoint(900, 300) - QPoint(1, 1));
        QCOMPARE(jump->node().keys[0].key, int(Qt::Key_Space));
        const QRect before = jump->geometry();
        sendMouse(jump, QEvent::MouseButtonPress, QPoint(before.width() - 4, 4), Qt::LeftButton);
        sendMouse(jump, QEvent::MouseMove, jump->mapFromGlobal(overlay()->mapToGlobal(before.bottomLeft() + QPoint(91, -81))),
                  Qt::LeftButton);
        sendMouse(jump, QEvent::MouseButtonRelease, QPoint(4, 4), Qt::LeftButton);
        QCOMPARE(jump->geometry(), QRect(before.left(), before.bottom() + 1 - 82, 82, 82));

        clearToasts();
        click("btnSave");
        QVERIFY(toasts().contains("Profile is saved successfully!"));
        QVERIFY(!editor()->isEditing());
        QCOMPARE(listed(), QStringList({"[PV]GameForPeace", "[PV]LOL-3", "[PV]LOL-4", "Sniper"}));
        QCOMPARE(list()->currentText(), QString("Sniper"));
        CKBMapProfile saved(folder() + "/Sniper.json");
        QVERIFY(saved.load());
        QCOMPARE(saved.nodeCount(), 5);
        QCOMPARE(saved.canvasSize(), QSizeF(area));
        const KBMapNode& savedView = saved.nodes().at(1);
        QCOMPARE(savedView.roleType, int(KBMapNode::FieldOfView));
        QVERIFY(qAbs(savedView.position.x() - 0.3) < 0.01 && qAbs(savedView.position.y() - 0.3) < 0.01);
        const KBMapNode& savedJump = saved.nodes().at(3);
        QCOMPARE(savedJump.keys[0].key, int(Qt::Key_Space));
        QVERIFY(qAbs(savedJump.size.width() - 82.0 / area.width()) < 1e-9);
        QVERIFY(saved.nodes().at(0).keys[KBMapNode::Up].offset.y() < 0);

        // A new profile cannot take a name in use; renaming onto another profile is refused too.
        click("btnEdit");
        part<QLineEdit>("lineEditName")->setText("[PV]LOL-3");
        QCOMPARE(answerAlert([this] { click("btnSave"); }), QString("A profile with this name already exists."));
        QVERIFY(QFile::exists(folder() + "/Sniper.json"));
        // Renaming leaves only the new file.
        part<QLineEdit>("lineEditName")->setText("Sniper 2");
        click("btnSave");
        QVERIFY(QFile::exists(folder() + "/Sniper 2.json"));
        QVERIFY(!QFile::exists(folder() + "/Sniper.json"));
        QCOMPARE(listed().last(), QString("Sniper 2"));

        // Removing asks first; no keeps the file.
        answerAlert([this] { click("btnRemove"); }, false);
        QVERIFY(QFile::exists(folder() + "/Sniper 2.json"));
        clearToasts();
        QCOMPARE(answerAlert([this] { click("btnRemove"); }), QString("Do you want to delete this profile?"));
        QVERIFY(!QFile::exists(folder() + "/Sniper 2.json"));
        QVERIFY(toasts().contains("Profile is removed successfully!"));
        QCOMPARE(listed().size(), 3);
        QCOMPARE(answerAlert([this] { click("btnRemove"); }), QString("Please select a profile"));
    }

    void resetRestoresTheBuiltInProfiles()
    {
        QVERIFY(QFile::remove(folder() + "/[PV]LOL-4.json"));
        QFile changed(folder() + "/[PV]LOL-3.json");
        QVERIFY(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
        changed.write("{\"keys\": []}");
        changed.close();
        click("btnReset");
        QCOMPARE(listed(), QStringList({"[PV]GameForPeace", "[PV]LOL-3", "[PV]LOL-4"}));
        CKBMapProfile restored(folder() + "/[PV]LOL-3.json");
        QVERIFY(restored.load());
        QCOMPARE(restored.nodeCount(), 17);
    }
};

QTEST_MAIN(TestKBMapEditor)
#include "test_kbmap_editor.moc"
