#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QPushButton;
class QPVDeviceWidget;

// One place of the multi-device center: the large item (index 0), where the controlled phone
// is shown, or a thumbnail (index from 1, as numbered on its page). A phone's device window is
// embedded into "preview"; a thumbnail may name the selected phone while the large item holds
// its window.
class QMDItemWidget : public QFrame {
    Q_OBJECT
public:
    explicit QMDItemWidget(QWidget *parent = nullptr);
    ~QMDItemWidget() override;

    int index() const { return m_index; }
    void setIndex(int index);
    QPVDeviceWidget *deviceWidget() const { return m_deviceWidget; }
    QWidget *preview() const { return m_preview; }
    // Whether the window is embedded here (rather than only named).
    bool holdsWindow() const;

    // Names the phone shown here. With reparentOld, a window that changes and is still
    // embedded here is taken out (hidden, without parent). With embed, the window moves into
    // "preview". A named phone's input is paused; the center resumes the selected one.
    void setDeviceWidget(QPVDeviceWidget *window, bool reparentOld, bool embed);
    // Forgets the phone without touching its window (it is about to be deleted with its channel).
    void clearDeviceWidget();
    // Makes the window, when embedded here, fill "preview".
    void fitWindow();

signals:
    void clickItemWidget(QMDItemWidget *itemWidget);

public slots:
    void checkHIDStatus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildForm();
    void embed();
    void refreshForm();
    void placeParts();
    void listenTo(QPVDeviceWidget *window);
    void didClickClose();

    QWidget *m_preview = nullptr;
    QWidget *m_itemInfo = nullptr;
    QLabel *m_labelInfo = nullptr;
    QLabel *m_labelIndex = nullptr;
    QPushButton *m_btnClose = nullptr;
    QPushButton *m_btnKB = nullptr;
    QPushButton *m_btnMouse = nullptr;
    int m_index = -1;
    QPointer<QPVDeviceWidget> m_deviceWidget;
};
