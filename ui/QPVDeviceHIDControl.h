#pragma once

#include <QPointer>
#include <QWidget>

class PVDevice;
class QPushButton;

// The side panel of phone buttons next to a device window; each button asks the device object
// to send the matching action to the phone.
class QPVDeviceHIDControl : public QWidget {
    Q_OBJECT
public:
    explicit QPVDeviceHIDControl(QWidget *parent = nullptr);

    void setDevice(PVDevice *device);
    void retranslate();
    // The phone buttons act only while the phone can be controlled.
    void setPhoneButtonsEnabled(bool enabled);

protected slots:
    void didClickBack();
    void didClickHome();
    void didClickAppSwitch();
    void didClickNotify();
    void didClickPower();
    void didClickKBMapper();

private:
    QPushButton *addButton(const char *name, void (QPVDeviceHIDControl::*slot)());

    QPointer<PVDevice> m_device;
    QPushButton *m_btnHome = nullptr;
    QPushButton *m_btnBack = nullptr;
    QPushButton *m_btnNotify = nullptr;
    QPushButton *m_btnAppSwitch = nullptr;
    QPushButton *m_btnPower = nullptr;
    QPushButton *m_btnKBMapper = nullptr;
};
