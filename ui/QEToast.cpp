#include "ui/QEToast.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPropertyAnimation>
#include <QRectF>
#include <QScreen>
#include <QTimer>
#include <QWindow>

// A notice must never take input: as a popup it grabbed the keyboard and mouse, so a shortcut
// pressed right after a screenshot was lost and a click on the phone only closed the notice.
// A tooltip-type window is left alone by the window manager, is never activated, and passes
// clicks through to the window under it.
QEToast::QEToast(QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput
                          | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(kWidth, kHeight);

    m_background = new QWidget(this);
    m_background->setGeometry(0, 0, kWidth, kHeight);
    m_background->setStyleSheet(
        QStringLiteral("background: rgba(0, 0, 0, 60%); border-radius: 4px;"));

    m_label = new QLabel(m_background);
    m_label->setGeometry(16, 8, 228, 40);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_label->setStyleSheet(
        QStringLiteral("background: transparent; color: #ffffff; font-size: 14px;"));
}

QEToast *QEToast::showText(QWidget *parent, const QString &text)
{
    auto *toast = new QEToast(parent);
    toast->setText(text);
    toast->show();
    return toast;
}

void QEToast::setText(const QString &text)
{
    m_label->setText(text);
}

QString QEToast::text() const
{
    return m_label->text();
}

QPoint QEToast::centredOn(const QRect &frame)
{
    const QPointF topLeft = QRectF(frame).center() - QPointF(kWidth / 2.0, kHeight / 2.0);
    return topLeft.toPoint();
}

void QEToast::setVisible(bool visible)
{
    if (visible) {
        if (!m_animation)
            prepareFirstShow();
        QWidget::setVisible(true);
        passInputThrough();
        fadeIn();
    } else if (m_animation && isVisible()) {
        fadeOut();
    } else {
        QWidget::setVisible(false);
    }
}

// The native window a translucent widget is shown in is made anew at its first show, and the
// new one does not get the empty input region of the old; setting the flag again applies it.
void QEToast::passInputThrough()
{
    if (QWindow *window = windowHandle()) {
        window->setFlag(Qt::WindowTransparentForInput, false);
        window->setFlag(Qt::WindowTransparentForInput, true);
    }
}

void QEToast::prepareFirstShow()
{
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    QRect frame;
    if (owner) {
        frame = owner->frameGeometry();
    } else if (QScreen *screen = QGuiApplication::primaryScreen()) {
        frame = screen->availableGeometry();
    }
    move(centredOn(frame));

    m_animation = new QPropertyAnimation(this, "windowOpacity", this);
    m_animation->setDuration(kFadeMs);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(1.0);
    setWindowOpacity(0.0);
}

void QEToast::fadeIn()
{
    m_animation->setDirection(QAbstractAnimation::Forward);
    connectFinished(&QEToast::didShowFinished);
    if (m_animation->state() != QAbstractAnimation::Running)
        m_animation->start();
}

void QEToast::fadeOut()
{
    m_animation->setDirection(QAbstractAnimation::Backward);
    connectFinished(&QEToast::didHideFinished);
    if (m_animation->state() != QAbstractAnimation::Running)
        m_animation->start();
}

// Only one step may follow the running fade: a show during the fade-out (or a hide during the
// fade-in) turns the fade around and replaces the pending step.
void QEToast::connectFinished(void (QEToast::*handler)())
{
    disconnect(m_finishedConnection);
    m_finishedConnection = connect(m_animation, &QAbstractAnimation::finished, this, handler);
}

void QEToast::didShowFinished()
{
    disconnect(m_finishedConnection);
    QTimer::singleShot(kHoldMs, this, &QEToast::delayedHide);
}

void QEToast::delayedHide()
{
    setVisible(false);
}

void QEToast::didHideFinished()
{
    QWidget::setVisible(false);
    disconnect(m_finishedConnection);
    m_animation->setDirection(QAbstractAnimation::Forward);
    emit didHide();
    deleteLater();
}
