#pragma once

#include <QByteArray>
#include <QMap>
#include <QNetworkReply>
#include <QObject>
#include <QSharedPointer>
#include <QString>

class QNetworkAccessManager;

// Client of the vendor's web service. Every operation posts a form-encoded request and returns
// at once; the answer is handed to the receiver by invoking its slot, named by the caller, as
//     void slot(int result, QJsonObject* resObject)
// where result is the answer's "code" (10000 = success) or -1 when there is no usable answer
// (transport failure, timeout, oversized or malformed answer). A refusal sent with an HTTP error
// status still carries the server's own "code" and "message". The object lives only during the
// call. Each request reaches its slot at most once, and exactly once unless the receiver is
// destroyed first; a destroyed receiver takes its requests with it and gets nothing.
//
// Receivers may also have onApiUploadProgress(qint64, qint64) and
// onApiDownloadProgress(qint64, qint64) slots; they are called while data moves.
class QPVApiService : public QObject {
    Q_OBJECT
public:
    enum class AnswerKind {
        Json, // slot(int result, QJsonObject* resObject), default slot "onApiFinishApi"
        Raw,  // slot(int result, QByteArray* bytes), default slot "onApiFinish"; result is
              // 10000 with the body of a successful HTTP answer, else -1 with no bytes
    };

    static constexpr int kSuccess = 10000;
    static constexpr int kFailure = -1;
    static constexpr int kDefaultTransferTimeoutMs = 15000;
    static constexpr qint64 kDefaultMaxAnswerBytes = 4 * 1024 * 1024;

    // A null manager makes the service create its own.
    explicit QPVApiService(QSharedPointer<QNetworkAccessManager> manager, QObject* parent = nullptr);
    ~QPVApiService() override;

    // "https://api.pivora.app" unless PIVORA_API_URL names another http(s) server.
    static QString defaultBaseUrl();
    QString baseUrl() const { return m_baseUrl; }
    // Ignores (with a warning) anything that is not an absolute http(s) URL.
    void setBaseUrl(const QString& url);

    QString language() const { return m_language; }
    void setLanguage(const QString& language);

    QString deviceId() const { return m_deviceId; }

    int transferTimeout() const { return m_transferTimeoutMs; }
    void setTransferTimeout(int milliseconds);
    qint64 maxAnswerSize() const { return m_maxAnswerBytes; }
    void setMaxAnswerSize(qint64 bytes);

    // Form body: the fixed fields, then the parameters in ascending key order, values
    // percent-encoded as UTF-8.
    static QByteArray encodeBody(const QString& deviceId, const QString& language,
                                 const QMap<QString, QString>& parameters);

    // Posts to baseUrl() + path (+ "?" + query when given). Returns the reply, owned by the
    // receiver, or null when there is no receiver.
    QNetworkReply* post(const QString& path, const QMap<QString, QString>& parameters,
                        QObject* receiver, const char* callback,
                        AnswerKind kind = AnswerKind::Json, const QString& query = QString());

    void loadCaptchaImage(int length, int width, int height, QObject* receiver, const char* callback);
    // verifyType: "quicklogin", "register" or "getpassword".
    void sendEmailCode(const QString& account, const QString& imageCode, const QString& verifyType,
                       QObject* receiver, const char* callback);
    void sendSmsCode(const QString& account, const QString& imageCode, const QString& verifyType,
                     QObject* receiver, const char* callback);
    void loginWithEmail(const QString& account, const QString& password,
                        QObject* receiver, const char* callback);
    void loginWithPhone(const QString& account, const QString& password,
                        QObject* receiver, const char* callback);
    void loginWithCode(const QString& phoneNumber, const QString& imageCode, const QString& phoneCode,
                       QObject* receiver, const char* callback);
    void registerWithEmail(const QString& account, const QString& password, const QString& imageCode,
                           const QString& checkCode, QObject* receiver, const char* callback);
    void registerWithPhone(const QString& account, const QString& password, const QString& imageCode,
                           const QString& checkCode, QObject* receiver, const char* callback);
    void resetPasswordWithEmail(const QString& account, const QString& password,
                                const QString& imageCode, const QString& checkCode,
                                QObject* receiver, const char* callback);
    void resetPasswordWithPhone(const QString& account, const QString& password,
                                const QString& imageCode, const QString& checkCode,
                                QObject* receiver, const char* callback);
    void loadProfile(const QString& loginKey, QObject* receiver, const char* callback);
    void weChatLoginGuid(QObject* receiver, const char* callback);
    void checkWeChatLogin(const QString& guid, QObject* receiver, const char* callback);
    void checkVersion(const QString& lang, QObject* receiver, const char* callback);

private slots:
    void didFinishJson();
    void didFinishRaw();
    void didFailRequest(QNetworkReply::NetworkError error);
    void relayUploadProgress(qint64 bytesSent, qint64 bytesTotal);
    void relayDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void guardAnswerSize();

private:
    static QString computeDeviceId();
    QNetworkReply* finishedReply();
    void abortTooLarge(QNetworkReply* reply);
    QByteArray readAnswer(QNetworkReply* reply);

    QString m_baseUrl;
    QString m_language;
    QString m_deviceId;
    int m_transferTimeoutMs = kDefaultTransferTimeoutMs;
    qint64 m_maxAnswerBytes = kDefaultMaxAnswerBytes;
    QSharedPointer<QNetworkAccessManager> m_manager;
};
