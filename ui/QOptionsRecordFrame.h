#pragma once
// "Recording" page: the PC microphone, what sound recordings take, file splitting and the
// folder recordings and screenshots are saved in.

#include "ui/QOptionsFrame.h"

class QLineEdit;
class QPushButton;

class QOptionsRecordFrame : public QOptionsFrame {
    Q_OBJECT
public:
    explicit QOptionsRecordFrame(QWidget* parent = nullptr);

    void load(const QVariantMap& groupMap) override;
    QVariantMap save(QVariantMap groupMap) const override;

    // The PC's audio capture devices as the mixer lists them.
    static QStringList captureDeviceNames();

    QString savePath() const;

private slots:
    void didClickChange();
    void didClickOpen();

private:
    QLineEdit* m_lineEditSavePath = nullptr;
    QPushButton* m_btnChange = nullptr;
    QPushButton* m_btnOpen = nullptr;
};
