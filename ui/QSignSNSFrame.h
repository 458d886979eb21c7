#pragma once
// "Sign With": signing in by confirming in the web browser. The service hands out a request id
// and the address of its confirmation page; the page is opened in the browser and the service
// is asked once a second whether the user confirmed there, until the login key comes.

#include <QFrame>
#include <QJsonObject>
#include <QTimer>

class QLabel;
class QPushButton;

class QSignSNSFrame : public QFrame {
    Q_OBJECT
public:
    static constexpr int kPollIntervalMs = 1000;

    explicit QSignSNSFrame(QWidget* parent = nullptr);

    bool isPolling() const { return !m_guid.isEmpty(); }
    QString guid() const { return m_guid; }
    const QTimer& pollTimer() const { return m_poll; }
    // Forgets the request; an answer still on its way is ignored.
    void stopPolling();

signals:
    void didReceiveLoginKey(const QString& loginKey);

public slots:
    void didApiWeChatLogin(int result, QJsonObject* resObject);
    void didApiCheckWeChatLogin(int result, QJsonObject* resObject);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void didClickWeChat();
    void poll();

private:
    void retranslate();

    QLabel* m_title = nullptr;
    QPushButton* m_weChat = nullptr;
    QPushButton* m_qq = nullptr;
    QPushButton* m_youTube = nullptr;
    QTimer m_poll;
    QString m_guid;
    bool m_guidRequested = false;
    bool m_pollInFlight = false;
};
