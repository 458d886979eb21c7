#include "account/QPVApiService.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageAuthenticationCode>
#include <QMetaMethod>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSysInfo>
#include <QUrl>
#include <QtGlobal>

namespace {

const char kReceiverProperty[] = "QPVAPI_RECEIVER";
const char kCallbackProperty[] = "QPVAPI_RECEIVER_CALLBACK";
const char kAnswerKindProperty[] = "QPVAPI_ANSWER_KIND";
const char kTooLargeProperty[] = "QPVAPI_TOO_LARGE";

const char kDefaultJsonSlot[] = "onApiFinishApi";
const char kDefaultRawSlot[] = "onApiFinish";
const char kUploadProgressSlot[] = "onApiUploadProgress";
const char kDownloadProgressSlot[] = "onApiDownloadProgress";

const char kDefaultBaseUrl[] = "https://api.pivora.app";
const char kDefaultLanguage[] = "zh-cn";

// Keys the machine id so the identifier we send cannot be traced back to the raw machine id
// and differs from what other programs derive from it.
const char kDeviceIdKey[] = "pivora-device-id-v1";

struct Destination {
    QObject* receiver = nullptr;
    QByteArray callback;
    bool raw = false;
};

bool isHttpUrl(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
           && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

QString withoutTrailingSlash(QString url)
{
    while (url.endsWith(QLatin1Char('/')))
        url.chop(1);
    return url;
}

QByteArray requestPath(const QNetworkReply* reply)
{
    return reply->request().url().path().toUtf8();
}

// The receiver a reply still answers to: the one stored on it, provided the reply is still its
// child (a reply outlives no receiver).
QObject* liveReceiver(const QNetworkReply* reply)
{
    QObject* receiver = reply->property(kReceiverProperty).value<QObject*>();
    return receiver && reply->parent() == receiver ? receiver : nullptr;
}

// Takes the destination off the reply so no later signal of the same reply answers again, and
// detaches the reply from the receiver: a receiver that deletes itself in its slot must not
// delete the reply whose signal is being handled.
Destination takeDestination(QNetworkReply* reply)
{
    Destination destination;
    destination.receiver = liveReceiver(reply);
    destination.callback = reply->property(kCallbackProperty).toByteArray();
    destination.raw = reply->property(kAnswerKindProperty).toBool();
    reply->setProperty(kReceiverProperty, QVariant());
    reply->setProperty(kCallbackProperty, QVariant());
    if (destination.receiver) {
        reply->setParent(nullptr);
        reply->deleteLater();
    }
    return destination;
}

// True when the body is the server's own answer, possibly a refusal carried by an HTTP error
// status; false for transport failures, timeouts and answers we cut off.
bool hasServerAnswer(const QNetworkReply* reply)
{
    if (reply->property(kTooLargeProperty).toBool())
        return false;
    if (reply->error() == QNetworkReply::NoError)
        return true;
    return reply->error() >= QNetworkReply::ContentAccessDenied
           && reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
}

bool hasSlot(QObject* receiver, const QByteArray& name, const char* arguments)
{
    const QByteArray signature = QMetaObject::normalizedSignature(name + arguments);
    return receiver->metaObject()->indexOfMethod(signature.constData()) >= 0;
}

void deliverJson(QObject* receiver, QByteArray slot, int result, QJsonObject* object)
{
    if (slot.isEmpty())
        slot = kDefaultJsonSlot;
    if (!hasSlot(receiver, slot, "(int,QJsonObject*)")) {
        qWarning("Web API answer dropped: receiver %s has no slot %s(int,QJsonObject*)",
                 receiver->metaObject()->className(), slot.constData());
        return;
    }
    QMetaObject::invokeMethod(receiver, slot.constData(), Qt::DirectConnection,
                              Q_ARG(int, result), Q_ARG(QJsonObject*, object));
}

void deliverRaw(QObject* receiver, QByteArray slot, int result, QByteArray* bytes)
{
    if (slot.isEmpty())
        slot = kDefaultRawSlot;
    if (!hasSlot(receiver, slot, "(int,QByteArray*)")) {
        qWarning("Web API answer dropped: receiver %s has no slot %s(int,QByteArray*)",
                 receiver->metaObject()->className(), slot.constData());
        return;
    }
    QMetaObject::invokeMethod(receiver, slot.constData(), Qt::DirectConnection,
                              Q_ARG(int, result), Q_ARG(QByteArray*, bytes));
}

void deliverFailure(const Destination& destination)
{
    if (destination.raw) {
        QByteArray nothing;
        deliverRaw(destination.receiver, destination.callback, QPVApiService::kFailure, &nothing);
    } else {
        QJsonObject nothing;
        deliverJson(destination.receiver, destination.callback, QPVApiService::kFailure, &nothing);
    }
}

// Empty object and false when the answer is not a JSON object.
bool parseAnswer(const QByteArray& bytes, const QByteArray& path, QJsonObject* object)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        qWarning("Web API answer from %s is not JSON: %s", path.constData(),
                 qPrintable(error.errorString()));
        return false;
    }
    if (!document.isObject()) {
        qWarning("Web API answer from %s is not a JSON object", path.constData());
        return false;
    }
    *object = document.object();
    return true;
}

int answerCode(const QJsonObject& object, const QByteArray& path)
{
    const QJsonValue code = object.value(QLatin1String("code"));
    if (!code.isDouble() || code.toDouble() != double(code.toInt())) {
        qWarning("Web API answer from %s has no integer \"code\"", path.constData());
        return QPVApiService::kFailure;
    }
    return code.toInt();
}

void relayProgress(QNetworkReply* reply, const char* slot, qint64 done, qint64 total)
{
    QObject* receiver = liveReceiver(reply);
    if (!receiver || !hasSlot(receiver, slot, "(qint64,qint64)"))
        return;
    QMetaObject::invokeMethod(receiver, slot, Qt::DirectConnection,
                              Q_ARG(qint64, done), Q_ARG(qint64, total));
}

// Fields shared by the sign-up and password-reset requests.
QMap<QString, QString> accountChange(const QString& account, const QString& password,
                                     const QString& imageCode, const QString& checkCode)
{
    return {{QStringLiteral("account"), account},
            {QStringLiteral("password"), password},
            {QStringLiteral("imagecode"), imageCode},
            {QStringLiteral("checkcode"), checkCode}};
}
} // namespace

QPVApiService::QPVApiService(QSharedPointer<QNetworkAccessManager> manager, QObject* parent)
    : QObject(parent)
    , m_baseUrl(defaultBaseUrl())
    , m_language(QString::fromLatin1(kDefaultLanguage))
    , m_deviceId(computeDeviceId())
    , m_manager(manager ? std::move(manager) : QSharedPointer<QNetworkAccessManager>::create())
{
}

QPVApiService::~QPVApiService() = default;

QString QPVApiService::defaultBaseUrl()
{
    const QString fromEnvironment = qEnvironmentVariable("PIVORA_API_URL");
    if (fromEnvironment.isEmpty())
        return QString::fromLatin1(kDefaultBaseUrl);
    if (!isHttpUrl(QUrl(fromEnvironment))) {
        qWarning("PIVORA_API_URL is not an http(s) URL; using the default web API server");
        return QString::fromLatin1(kDefaultBaseUrl);
    }
    return withoutTrailingSlash(fromEnvironment);
}

void QPVApiService::setBaseUrl(const QString& url)
{
    if (!isHttpUrl(QUrl(url))) {
        qWarning("Web API base URL ignored: not an http(s) URL");
        return;
    }
    m_baseUrl = withoutTrailingSlash(url);
}

void QPVApiService::setLanguage(const QString& language)
{
    if (language.isEmpty()) {
        qWarning("Web API language ignored: empty");
        return;
    }
    m_language = language;
}

void QPVApiService::setTransferTimeout(int milliseconds)
{
    if (milliseconds <= 0) {
        qWarning("Web API transfer timeout ignored: must be positive");
        return;
    }
    m_transferTimeoutMs = milliseconds;
}

void QPVApiService::setMaxAnswerSize(qint64 bytes)
{
    if (bytes <= 0) {
        qWarning("Web API answer size limit ignored: must be positive");
        return;
    }
    m_maxAnswerBytes = bytes;
}

QString QPVApiService::computeDeviceId()
{
    QByteArray machine = QSysInfo::machineUniqueId();
    if (machine.isEmpty()) {
        qWarning("No machine id available; the device id is derived from the host name");
        machine = QSysInfo::machineHostName().toUtf8();
    }
    const QByteArray mac = QMessageAuthenticationCode::hash(machine, QByteArray(kDeviceIdKey),
                                                            QCryptographicHash::Sha256);
    return QString::fromLatin1(mac.toHex().left(32));
}

QByteArray QPVApiService::encodeBody(const QString& deviceId, const QString& language,
                                     const QMap<QString, QString>& parameters)
{
    // The fixed values are encoded too: harmless for the usual ones, and an odd language
    // string cannot smuggle extra fields into the form.
    QByteArray body = "uuid=" + QUrl::toPercentEncoding(deviceId)
                      + "&limituse=1&language=" + QUrl::toPercentEncoding(language);
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it)
        body += '&' + it.key().toLatin1() + '=' + QUrl::toPercentEncoding(it.value());
    return body;
}

QNetworkReply* QPVApiService::post(const QString& path, const QMap<QString, QString>& parameters,
                                   QObject* receiver, const char* callback, AnswerKind kind,
                                   const QString& query)
{
    if (!receiver) {
        qWarning("Web API request to %s not sent: no receiver", qPrintable(path));
        return nullptr;
    }
    QString address = m_baseUrl + path;
    if (!query.isEmpty())
        address += QLatin1Char('?') + query;

    QNetworkRequest request{QUrl(address)};
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(m_transferTimeoutMs);

    QNetworkReply* reply = m_manager->post(request, encodeBody(m_deviceId, m_language, parameters));
    reply->setParent(receiver);
    reply->setProperty(kReceiverProperty, QVariant::fromValue<QObject*>(receiver));
    reply->setProperty(kCallbackProperty, QByteArray(callback));
    reply->setProperty(kAnswerKindProperty, kind == AnswerKind::Raw);

    if (kind == AnswerKind::Raw)
        connect(reply, &QNetworkReply::finished, this, &QPVApiService::didFinishRaw);
    else
        connect(reply, &QNetworkReply::finished, this, &QPVApiService::didFinishJson);
    connect(reply, &QNetworkReply::uploadProgress, this, &QPVApiService::relayUploadProgress);
    connect(reply, &QNetworkReply::downloadProgress, this, &QPVApiService::relayDownloadProgress);
    connect(reply, &QNetworkReply::errorOccurred, this, &QPVApiService::didFailRequest);
    connect(reply, &QNetworkReply::metaDataChanged, this, &QPVApiService::guardAnswerSize);
    connect(reply, &QNetworkReply::readyRead, this, &QPVApiService::guardAnswerSize);
    return reply;
}

QNetworkReply* QPVApiService::finishedReply()
{
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply)
        return nullptr;
    disconnect(reply, nullptr, this, nullptr);
    reply->deleteLater();
    return reply;
}

void QPVApiService::didFinishJson()
{
    QNetworkReply* reply = finishedReply();
    if (!reply)
        return;
    const QByteArray bytes = readAnswer(reply);
    const Destination destination = takeDestination(reply);
    if (!destination.receiver)
        return; // already answered by the error handler, or nobody left to answer
    const QByteArray path = requestPath(reply);
    if (!hasServerAnswer(reply)) {
        deliverFailure(destination);
        return;
    }
    QJsonObject object;
    const int result = parseAnswer(bytes, path, &object) ? answerCode(object, path) : kFailure;
    deliverJson(destination.receiver, destination.callback, result, &object);
}

void QPVApiService::didFinishRaw()
{
    QNetworkReply* reply = finishedReply();
    if (!reply)
        return;
    QByteArray bytes = readAnswer(reply);
    const Destination destination = takeDestination(reply);
    if (!destination.receiver)
        return;
    if (!hasServerAnswer(reply) || reply->error() != QNetworkReply::NoError) {
        deliverFailure(destination);
        return;
    }
    deliverRaw(destination.receiver, destination.callback, kSuccess, &bytes);
}

void QPVApiService::didFailRequest(QNetworkReply::NetworkError error)
{
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply)
        return;
    const QByteArray path = requestPath(reply);
    if (hasServerAnswer(reply)) {
        // The server refused with an HTTP error status; its body, usually a JSON refusal
        // with "code" and "message", is handed over when the reply finishes.
        qWarning("Web API request to %s refused with HTTP status %d", path.constData(),
                 reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
        return;
    }
    qWarning("Web API request to %s failed (network error %d): %s", path.constData(), int(error),
             qPrintable(reply->errorString()));
    const Destination destination = takeDestination(reply);
    if (destination.receiver)
        deliverFailure(destination);
}

void QPVApiService::relayUploadProgress(qint64 bytesSent, qint64 bytesTotal)
{
    if (auto* reply = qobject_cast<QNetworkReply*>(sender()))
        relayProgress(reply, kUploadProgressSlot, bytesSent, bytesTotal);
}

void QPVApiService::relayDownloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (auto* reply = qobject_cast<QNetworkReply*>(sender()))
        relayProgress(reply, kDownloadProgressSlot, bytesReceived, bytesTotal);
}

void QPVApiService::guardAnswerSize()
{
    auto* reply = qobject_cast<QNetworkReply*>(sender());
    if (!reply || reply->isFinished())
        return;
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (qMax(announced, reply->bytesAvailable()) > m_maxAnswerBytes)
        abortTooLarge(reply);
}

void QPVApiService::abortTooLarge(QNetworkReply* reply)
{
    qWarning("Web API answer from %s exceeds %lld bytes; request aborted",
             requestPath(reply).constData(), static_cast<long long>(m_maxAnswerBytes));
    reply->setProperty(kTooLargeProperty, true);
    if (!reply->isFinished())
        reply->abort();
}

QByteArray QPVApiService::readAnswer(QNetworkReply* reply)
{
    if (!reply->isOpen() || reply->property(kTooLargeProperty).toBool())
        return QByteArray();
    // The whole answer may have arrived before any size check could run.
    if (reply->bytesAvailable() > m_maxAnswerBytes) {
        abortTooLarge(reply);
        return QByteArray();
    }
    return reply->readAll();
}

void QPVApiService::loadCaptchaImage(int length, int width, int height, QObject* receiver,
                                     const char* callback)
{
    post(QStringLiteral("/v1/app/imageVerify"),
         {{QStringLiteral("length"), QString::number(length)},
          {QStringLiteral("width"), QString::number(width)},
          {QStringLiteral("height"), QString::number(height)},
          {QStringLiteral("fontSize"), QStringLiteral("12")},
          {QStringLiteral("imagetype"), QStringLiteral("base64")}},
         receiver, callback);
}

void QPVApiService::sendEmailCode(const QString& account, const QString& imageCode,
                                  const QString& verifyType, QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/emailCode"),
         {{QStringLiteral("account"), account},
          {QStringLiteral("imagecode"), imageCode},
          {QStringLiteral("verifytype"), verifyType}},
         receiver, callback);
}

void QPVApiService::sendSmsCode(const QString& account, const QString& imageCode,
                                const QString& verifyType, QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/checkCode"),
         {{QStringLiteral("account"), account},
          {QStringLiteral("imagecode"), imageCode},
          {QStringLiteral("verifytype"), verifyType}},
         receiver, callback);
}

void QPVApiService::loginWithEmail(const QString& account, const QString& password,
                                   QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/emailLogin"),
         {{QStringLiteral("account"), account}, {QStringLiteral("password"), password}},
         receiver, callback);
}

void QPVApiService::loginWithPhone(const QString& account, const QString& password,
                                   QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/login"),
         {{QStringLiteral("account"), account}, {QStringLiteral("password"), password}},
         receiver, callback);
}

void QPVApiService::loginWithCode(const QString& phoneNumber, const QString& imageCode,
                                  const QString& phoneCode, QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/getPhoneLogin"),
         {{QStringLiteral("phonenumber"), phoneNumber},
          {QStringLiteral("imagecode"), imageCode},
          {QStringLiteral("phonecode"), phoneCode}},
         receiver, callback);
}

void QPVApiService::registerWithEmail(const QString& account, const QString& password,
                                      const QString& imageCode, const QString& checkCode,
                                      QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/emailRegister"),
         accountChange(account, password, imageCode, checkCode), receiver, callback);
}

void QPVApiService::registerWithPhone(const QString& account, const QString& password,
                                      const QString& imageCode, const QString& checkCode,
                                      QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/register"),
         accountChange(account, password, imageCode, checkCode), receiver, callback);
}

void QPVApiService::resetPasswordWithEmail(const QString& account, const QString& password,
                                           const QString& imageCode, const QString& checkCode,
                                           QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/emailResetPwd"),
         accountChange(account, password, imageCode, checkCode), receiver, callback);
}

void QPVApiService::resetPasswordWithPhone(const QString& account, const QString& password,
                                           const QString& imageCode, const QString& checkCode,
                                           QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/resetPwd"),
         accountChange(account, password, imageCode, checkCode), receiver, callback);
}

void QPVApiService::loadProfile(const QString& loginKey, QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/getProfile"), {{QStringLiteral("loginkey"), loginKey}},
         receiver, callback);
}

void QPVApiService::weChatLoginGuid(QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/wxLoginGuid"), {}, receiver, callback);
}

void QPVApiService::checkWeChatLogin(const QString& guid, QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/wxReceipt"), {{QStringLiteral("guid"), guid}}, receiver, callback);
}

void QPVApiService::checkVersion(const QString& lang, QObject* receiver, const char* callback)
{
    post(QStringLiteral("/v1/app/checkVersion"), {{QStringLiteral("lang"), lang}}, receiver,
         callback);
}
