#include "ui/QPVDeviceCtrlBar.h"

#include "media/PVDevice.h"
#include "ui/QPVDeviceHIDControl.h"
#include "ui/QPVDeviceWidget.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kRecordTickMs = 1000;
constexpr int kButtonSide = 28;
}  // namespace

QPVDeviceCtrlBar::QPVDeviceCtrlBar(QPVDeviceWidget *window, QWidget *parent)
    : QWidget(parent), m_window(window)
{
    setObjectName(QStringLiteral("ctrlbar"));
    setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(4);

    m_btnShowHide = addButton(this, "btnShowHide", true);
    layout->addWidget(m_btnShowHide);

    m_grpRecord = new QWidget(this);
    m_grpRecord->setObjectName(QStringLiteral("grpRecord"));
    auto *recordLayout = new QHBoxLayout(m_grpRecord);
    recordLayout->setContentsMargins(0, 0, 0, 0);
    recordLayout->setSpacing(2);
    m_btnRecord = addButton(m_grpRecord, "btnRecord", true);
    m_labelRecord = new QLabel(QStringLiteral("00:00:00"), m_grpRecord);
    m_labelRecord->setObjectName(QStringLiteral("labelRecord"));
    recordLayout->addWidget(m_btnRecord);
    recordLayout->addWidget(m_labelRecord);
    layout->addWidget(m_grpRecord);

    m_btnRotate = addButton(this, "btnRotate", false);
    m_btnCapture = addButton(this, "btnCapture", false);
    m_btnFPS = addButton(this, "btnFPS", true);
    m_btnVolume = addButton(this, "btnVolume", true);
    for (QPushButton *button : {m_btnRotate, m_btnCapture, m_btnFPS, m_btnVolume})
        layout->addWidget(button);
    layout->addStretch(1);

    m_grpWindow = new QWidget(this);
    m_grpWindow->setObjectName(QStringLiteral("grpWindow"));
    auto *windowLayout = new QHBoxLayout(m_grpWindow);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->setSpacing(2);
    m_btnPin = addButton(m_grpWindow, "btnPin", true);
    m_btnFullScreen = addButton(m_grpWindow, "btnFullScreen", false);
    m_btnMin = addButton(m_grpWindow, "btnMin", false);
    m_btnClose = addButton(m_grpWindow, "btnClose", false);
    for (QPushButton *button : {m_btnPin, m_btnFullScreen, m_btnMin, m_btnClose})
        windowLayout->addWidget(button);
    layout->addWidget(m_grpWindow);

    // Sound is on until the device object says otherwise.
    m_btnVolume->setChecked(true);

    connect(m_btnShowHide, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickShowHide);
    connect(m_btnClose, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickClose);
    connect(m_btnMin, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickMin);
    connect(m_btnFullScreen, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickFullScreen);
    connect(m_btnRotate, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickRotate);
    connect(m_btnPin, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickTopmost);
    connect(m_btnCapture, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickCapture);
    connect(m_btnRecord, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickRecord);
    connect(m_btnFPS, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickFPS);
    connect(m_btnVolume, &QPushButton::clicked, this, &QPVDeviceCtrlBar::didClickVolume);

    m_recordTimer.setSingleShot(true);
    m_recordTimer.setInterval(kRecordTickMs);
    connect(&m_recordTimer, &QTimer::timeout, this, &QPVDeviceCtrlBar::recordTick);

    QFile css(QStringLiteral(":/skin/QPVDeviceCtrlBar.css"));
    if (css.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(css.readAll()));
    else
        qWarning("Style sheet of the device control bar is missing");
    retranslate();
}

QPushButton *QPVDeviceCtrlBar::addButton(QWidget *owner, const char *name, bool checkable)
{
    auto *button = new QPushButton(owner);
    button->setObjectName(QLatin1String(name));
    button->setCheckable(checkable);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(kButtonSide, kButtonSide);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

PVDevice *QPVDeviceCtrlBar::device() const
{
    return m_window ? m_window->device() : nullptr;
}

QString QPVDeviceCtrlBar::recordClockText(int seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QString::asprintf("%02d:%02d:%02d", seconds / 3600, (seconds / 60) % 60, seconds % 60);
}

QPoint QPVDeviceCtrlBar::sidePanelPosition(const QPoint &barTopLeft, int barHeight,
                                           const QSize &panelSize, const QRect &available)
{
    const int left = barTopLeft.x() - panelSize.width();
    if (left >= available.left())
        return QPoint(left, barTopLeft.y());
    return QPoint(available.left(), barTopLeft.y() + barHeight);
}

void QPVDeviceCtrlBar::retranslate()
{
    m_btnRotate->setToolTip(tr("Rotate 90°"));
    m_btnCapture->setToolTip(tr("Capture"));
    m_btnFPS->setToolTip(tr("FPS"));
    m_btnPin->setToolTip(tr("Pin"));
    m_btnFullScreen->setToolTip(tr("Fullscreen"));
    m_btnMin->setToolTip(tr("Minimize"));
    m_btnClose->setToolTip(tr("Close"));
    refresh();
}

void QPVDeviceCtrlBar::refresh()
{
    QPVDeviceHIDControl *panel = m_window ? m_window->sidePanel() : nullptr;
    m_btnShowHide->setChecked(panel && panel->isVisible());
    m_btnShowHide->setToolTip(m_btnShowHide->isChecked() ? tr("Hide Device Control")
                                                         : tr("Show Device Control"));
    PVDevice *dev = device();
    setVolumeOn(dev ? !dev->isMuted() : m_btnVolume->isChecked());
    m_btnRecord->setChecked(dev && dev->isRecording());
    m_btnRecord->setToolTip(m_btnRecord->isChecked() ? tr("Stop Record") : tr("Start Record"));
    if (m_window)
        m_window->refreshKeyMapperButton();
}

void QPVDeviceCtrlBar::setVolumeOn(bool on)
{
    m_btnVolume->setChecked(on);
    m_btnVolume->setToolTip(on ? tr("Volume On") : tr("Volume Off"));
}

void QPVDeviceCtrlBar::placeSidePanel()
{
    QPVDeviceHIDControl *panel = m_window ? m_window->sidePanel() : nullptr;
    if (!panel)
        return;
    panel->adjustSize();
    const QPoint position = sidePanelPosition(mapToGlobal(QPoint(0, 0)), height(), panel->size(),
                                              m_window->availableScreenArea());
    panel->move(position);
}

void QPVDeviceCtrlBar::didClickShowHide(bool checked)
{
    QPVDeviceHIDControl *panel = m_window ? m_window->sidePanel() : nullptr;
    if (!panel)
        return;
    panel->setVisible(checked);
    placeSidePanel();
    if (checked)
        panel->raise();
    refresh();
}

void QPVDeviceCtrlBar::didClickClose()
{
    if (m_window)
        m_window->close();
}

void QPVDeviceCtrlBar::didClickMin()
{
    if (m_window)
        m_window->showMinimized();
}

void QPVDeviceCtrlBar::didClickFullScreen()
{
    if (m_window)
        m_window->toggleFullScreen();
}

void QPVDeviceCtrlBar::didClickRotate()
{
    if (m_window)
        m_window->rotateByUser();
}

void QPVDeviceCtrlBar::didClickTopmost()
{
    if (m_window)
        m_window->setTopmost(m_btnPin->isChecked());
}

void QPVDeviceCtrlBar::didClickCapture()
{
    if (PVDevice *dev = device())
        dev->screenshot();
}

void QPVDeviceCtrlBar::didClickRecord()
{
    PVDevice *dev = device();
    if (m_btnRecord->isChecked()) {
        if (dev && dev->startRecord(0))
            m_recordTimer.start();
        else
            m_btnRecord->setChecked(false);
    } else {
        if (dev)
            dev->stopRecord(true);
        resetRecordClock();
    }
    refresh();
}

void QPVDeviceCtrlBar::didClickFPS()
{
    if (PVDevice *dev = device())
        dev->showFPS(m_btnFPS->isChecked());
}

void QPVDeviceCtrlBar::didClickVolume()
{
    const bool on = m_btnVolume->isChecked();
    setVolumeOn(on);
    if (PVDevice *dev = device())
        emit dev->volumeMuteChanged(!on);
}

void QPVDeviceCtrlBar::recordTick()
{
    PVDevice *dev = device();
    if (dev && dev->isRecording()) {
        m_labelRecord->setText(recordClockText(dev->recordingSeconds()));
        m_recordTimer.start();
        return;
    }
    m_btnRecord->setChecked(false);
    resetRecordClock();
    refresh();
}

void QPVDeviceCtrlBar::resetRecordClock()
{
    m_recordTimer.stop();
    m_labelRecord->setText(recordClockText(0));
}
