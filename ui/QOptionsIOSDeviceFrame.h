#pragma once
// "iOS Device" page: control over Bluetooth and the wired and wireless picture settings.

#include "ui/QOptionsFrame.h"

class QButtonGroup;
class QLabel;
class SCBluetoothService;

class QOptionsIOSDeviceFrame : public QOptionsFrame {
    Q_OBJECT
public:
    explicit QOptionsIOSDeviceFrame(QWidget* parent = nullptr);

    // Why phones cannot be controlled with this Bluetooth service (null: none exists), or
    // empty when they can.
    static QString controlUnavailableReason(const SCBluetoothService* service);

    QString tipText() const;

private:
    // Asks the application's Bluetooth service and shows the answer.
    void showControlSupport();

    QButtonGroup* m_hidRadios = nullptr;
    QLabel* m_lbTip = nullptr;
};
