#include "ui/QELabel.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

namespace {
const char kCachePathProperty[] = "CacheFilePath";
const char kAddressProperty[] = "PictureAddress";
}  // namespace

QPointer<QNetworkAccessManager> QELabel::s_manager;

QELabel::QELabel(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    installEventFilter(this);
}

QELabel::QELabel(const QString &text, QWidget *parent, Qt::WindowFlags flags)
    : QLabel(text, parent, flags)
{
    installEventFilter(this);
}

void QELabel::setNetworkAccessManager(QNetworkAccessManager *manager)
{
    s_manager = manager;
}

QNetworkAccessManager *QELabel::networkAccessManager()
{
    return s_manager.data();
}

QString QELabel::cacheFilePath(const QString &address)
{
    const QByteArray digest =
        QCryptographicHash::hash(address.toUtf8(), QCryptographicHash::Md5).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QLatin1Char('/')
           + QString::fromLatin1(digest);
}

void QELabel::setPicture(const QString &address)
{
    if (address == m_address)
        return;
    m_address = address;
    if (address.isEmpty()) {
        clear();
        return;
    }
    if (isWebAddress(address))
        download(address);
    else
        loadPicture(address);
}

QString QELabel::picture() const
{
    return m_address;
}

void QELabel::setScaleMode(int aspectRatioMode)
{
    if (aspectRatioMode < Qt::IgnoreAspectRatio || aspectRatioMode > Qt::KeepAspectRatioByExpanding) {
        qWarning("QELabel: unknown scaling mode %d, pictures are not scaled", aspectRatioMode);
        aspectRatioMode = 0;
    }
    m_scaleMode = aspectRatioMode;
}

int QELabel::scaleMode() const
{
    return m_scaleMode;
}

bool QELabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && rect().contains(mouse->pos()))
            emit clicked();
    }
    // A label that takes the keyboard focus is a link: Enter or Space presses it.
    if (watched == this && event->type() == QEvent::KeyPress && (focusPolicy() & Qt::TabFocus)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            emit clicked();
            return true;
        }
    }
    return QLabel::eventFilter(watched, event);
}

bool QELabel::isWebAddress(const QString &address)
{
    return address.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
           || address.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

bool QELabel::isFreshCache(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && info.size() > 0
           && info.lastModified().secsTo(QDateTime::currentDateTime()) < kCacheFreshSeconds;
}

void QELabel::download(const QString &address)
{
    QNetworkAccessManager *manager = s_manager.data();
    if (!manager) {
        qWarning("QELabel: no network manager, picture not downloaded");
        return;
    }
    const QString cachePath = cacheFilePath(address);
    if (isFreshCache(cachePath)) {
        loadPicture(cachePath);
        return;
    }
    QNetworkReply *reply = manager->get(QNetworkRequest(QUrl(address)));
    reply->setProperty(kCachePathProperty, cachePath);
    reply->setProperty(kAddressProperty, address);
    connect(reply, &QNetworkReply::finished, this, &QELabel::didDownloadFinished);
    // Deleted even when the label is gone before the answer comes.
    connect(reply, &QNetworkReply::finished, reply, &QObject::deleteLater);
}

void QELabel::didDownloadFinished()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    const QString cachePath = reply->property(kCachePathProperty).toString();
    const QByteArray body = reply->readAll();
    if (reply->error() != QNetworkReply::NoError) {
        // An error page must not replace a good (if stale) cached picture.
        qWarning("QELabel: picture download failed: %s", qUtf8Printable(reply->errorString()));
    } else if (body.isEmpty()) {
        qWarning("QELabel: picture download returned no data");
    } else {
        QDir().mkpath(QFileInfo(cachePath).absolutePath());
        QSaveFile file(cachePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(body) != body.size() || !file.commit())
            qWarning("QELabel: cannot write picture cache %s", qUtf8Printable(cachePath));
    }
    // A later address replaced this one meanwhile: the cache is kept, the label left alone.
    if (reply->property(kAddressProperty).toString() != m_address)
        return;
    if (QFileInfo(cachePath).size() > 0)
        loadPicture(cachePath);
}

void QELabel::loadPicture(const QString &path)
{
    QPixmap pixmap;
    if (!pixmap.load(path)) {
        qWarning("QELabel: cannot read picture %s", qUtf8Printable(path));
        return;
    }
    if (m_scaleMode != 0)
        setPixmap(pixmap.scaled(size(), static_cast<Qt::AspectRatioMode>(m_scaleMode),
                                Qt::SmoothTransformation));
    else if (hasScaledContents())
        setPixmap(pixmap.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        setPixmap(pixmap);
    repaint();
    emit didLoadPicture();
}
