#include "ui/QPVDeviceHIDControl.h"

#include "media/PVDevice.h"

#include <QFile>
#include <QPushButton>
#include <QVBoxLayout>

QPVDeviceHIDControl::QPVDeviceHIDControl(QWidget *parent)
    : QWidget(parent, Qt::Sheet | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("QPVDeviceHIDControl"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_QuitOnClose, false);

    auto *frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("hidFrame"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 6, 4, 6);
    layout->setSpacing(4);

    m_btnHome = addButton("btnHome", &QPVDeviceHIDControl::didClickHome);
    m_btnBack = addButton("btnBack", &QPVDeviceHIDControl::didClickBack);
    m_btnNotify = addButton("btnNotify", &QPVDeviceHIDControl::didClickNotify);
    m_btnAppSwitch = addButton("btnAppSwitch", &QPVDeviceHIDControl::didClickAppSwitch);
    m_btnPower = addButton("btnPower", &QPVDeviceHIDControl::didClickPower);
    m_btnKBMapper = addButton("btnKBMapper", &QPVDeviceHIDControl::didClickKBMapper);
    for (QPushButton *button : {m_btnHome, m_btnBack, m_btnNotify, m_btnAppSwitch, m_btnPower,
                                m_btnKBMapper})
        layout->addWidget(button);
    layout->addStretch(1);
    // Only Android phones that may be controlled get the key mapper (the window decides).
    m_btnKBMapper->hide();
    setPhoneButtonsEnabled(false);

    QFile css(QStringLiteral(":/skin/QPVDeviceHIDControl.css"));
    if (css.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(css.readAll()));
    else
        qWarning("Style sheet of the device control panel is missing");
    retranslate();
    adjustSize();
}

QPushButton *QPVDeviceHIDControl::addButton(const char *name, void (QPVDeviceHIDControl::*slot)())
{
    auto *button = new QPushButton(this);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(36, 36);
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, slot);
    return button;
}

void QPVDeviceHIDControl::setDevice(PVDevice *device)
{
    m_device = device;
}

void QPVDeviceHIDControl::setPhoneButtonsEnabled(bool enabled)
{
    for (QPushButton *button : {m_btnHome, m_btnBack, m_btnNotify, m_btnAppSwitch, m_btnPower})
        button->setEnabled(enabled);
}

void QPVDeviceHIDControl::retranslate()
{
    m_btnHome->setToolTip(tr("Home"));
    m_btnBack->setToolTip(tr("Back"));
    m_btnNotify->setToolTip(tr("Notify"));
    m_btnAppSwitch->setToolTip(tr("App Switch"));
    m_btnPower->setToolTip(tr("Power"));
    m_btnKBMapper->setToolTip(tr("Key Mapper"));
}

void QPVDeviceHIDControl::didClickBack()
{
    if (m_device)
        emit m_device->postGoBack();
}

void QPVDeviceHIDControl::didClickHome()
{
    if (m_device)
        emit m_device->postGoHome();
}

void QPVDeviceHIDControl::didClickAppSwitch()
{
    if (m_device)
        emit m_device->postAppSwitch();
}

void QPVDeviceHIDControl::didClickNotify()
{
    if (m_device)
        emit m_device->postNotify();
}

void QPVDeviceHIDControl::didClickPower()
{
    if (m_device)
        emit m_device->postPower();
}

void QPVDeviceHIDControl::didClickKBMapper()
{
    if (m_device)
        emit m_device->postKBMapper();
}
