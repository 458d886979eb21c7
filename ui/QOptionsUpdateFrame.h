#pragma once
// "Update" page: asks the web service whether a newer version exists.

#include "ui/QOptionsFrame.h"

class QLabel;
class QPushButton;

class QOptionsUpdateFrame : public QOptionsFrame {
    Q_OBJECT
public:
    explicit QOptionsUpdateFrame(QWidget* parent = nullptr);

    QString tipText() const;
    QPushButton* checkButton() const { return m_btnCheck; }

private slots:
    void didClickCheckUpdate();
    void didCheckNewVersion(bool hasNewer, int forceUpdate);

private:
    QPushButton* m_btnCheck = nullptr;
    QLabel* m_lbTip = nullptr;
    bool m_checking = false;
};
