#pragma once
// A transient notice over its parent window: fades in, stays two seconds, fades out and deletes
// itself. The caller does not keep it.

#include <QMetaObject>
#include <QWidget>

class QLabel;
class QPropertyAnimation;

class QEToast : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 260;
    static constexpr int kHeight = 56;
    static constexpr int kFadeMs = 300;
    static constexpr int kHoldMs = 2000;

    explicit QEToast(QWidget *parent = nullptr);

    // Convenience for callers: a new toast over `parent` showing `text`.
    static QEToast *showText(QWidget *parent, const QString &text);

    void setText(const QString &text);
    QString text() const;

    void setVisible(bool visible) override;

    // Top-left position that centres a toast on `frame`, rounded to the nearest pixel.
    static QPoint centredOn(const QRect &frame);

signals:
    void didHide();

private:
    void prepareFirstShow();
    void passInputThrough();
    void fadeIn();
    void fadeOut();
    void didShowFinished();
    void didHideFinished();
    void delayedHide();
    void connectFinished(void (QEToast::*handler)());

    QWidget *m_background = nullptr;
    QLabel *m_label = nullptr;
    QPropertyAnimation *m_animation = nullptr;
    QMetaObject::Connection m_finishedConnection;
};
