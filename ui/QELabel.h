#pragma once
// A label that reports clicks and shows a picture given by a file path, a resource path or a
// web address; downloaded pictures are kept in a per-user disk cache for an hour. Given the
// keyboard focus (a focus policy with Tab), Enter and Space click it too.

#include <QLabel>
#include <QPointer>
#include <QString>

class QNetworkAccessManager;

class QELabel : public QLabel {
    Q_OBJECT
public:
    static constexpr int kCacheFreshSeconds = 3600;

    explicit QELabel(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::WindowFlags());
    explicit QELabel(const QString &text, QWidget *parent = nullptr,
                     Qt::WindowFlags flags = Qt::WindowFlags());

    // The application's shared manager; held weakly, so downloads stop when it is gone.
    static void setNetworkAccessManager(QNetworkAccessManager *manager);
    static QNetworkAccessManager *networkAccessManager();

    // Cache file of a web address: the per-user cache folder and the MD5 of the address.
    static QString cacheFilePath(const QString &address);

    void setPicture(const QString &address);
    QString picture() const;

    // 0 = no aspect-ratio scaling, otherwise a Qt::AspectRatioMode used to fit the label.
    void setScaleMode(int aspectRatioMode);
    int scaleMode() const;

signals:
    void clicked();
    // A picture was put on the label (from a file, a resource or the cache).
    void didLoadPicture();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static bool isWebAddress(const QString &address);
    static bool isFreshCache(const QString &path);
    void download(const QString &address);
    void didDownloadFinished();
    void loadPicture(const QString &path);

    QString m_address;
    int m_scaleMode = 0;
    static QPointer<QNetworkAccessManager> s_manager;
};
