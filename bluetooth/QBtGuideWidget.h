#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

class QLabel;
class QMovie;
class QPushButton;

// The panel an iOS phone's window shows while the phone's Bluetooth HID link is not up: how to
// pair the phone, the name this computer is listed under, an illustration and the link status.
// It closes itself shortly after the link comes up, or when the user closes it.
class QBtGuideWidget : public QWidget {
    Q_OBJECT
public:
    // Width to height of the illustration.
    static constexpr double kGifRatio = 0.4666666666666667;
    static constexpr int kConnectedCloseMs = 2000;
    static constexpr int kCloseButtonMs = 50;

    explicit QBtGuideWidget(QWidget* parent = nullptr);

    void setConnected(bool connected);
    bool isConnected() const { return m_connected; }
    // What the instructions show as this computer's name.
    QString pcName() const;
    QString gifFile() const;
    // The Chinese illustration for "zh-cn", the English one for every other language.
    static QString gifFileFor(const QString& language);
    // Where the illustration goes in a container of that size.
    static QRect gifGeometry(const QSize& container);
    // Milliseconds the running close timer was started with; -1 when it does not run.
    int pendingCloseMs() const { return m_closeTimer.isActive() ? m_closeTimer.interval() : -1; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildForm();
    void retranslate();
    void showStatus();
    void chooseGif();
    void placeGif();
    void closeNow();

    bool m_connected = false;
    QTimer m_closeTimer;
    QMovie* m_movie = nullptr;
    QLabel* m_lbTitle = nullptr;
    QLabel* m_lbGuide = nullptr;
    QLabel* m_lbStatusDesc = nullptr;
    QLabel* m_lbStatus = nullptr;
    QWidget* m_gifContainer = nullptr;
    QLabel* m_lbGif = nullptr;
    QPushButton* m_btnClose = nullptr;
};
