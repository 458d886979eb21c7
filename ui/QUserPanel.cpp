#include "ui/QUserPanel.h"

#include "account/PVUserContext.h"
#include "app/QPivoraApplication.h"
#include "ui/PVSkin.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QPivoraApplication* application()
{
    return qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
}

} // namespace

QUserPanel::QUserPanel(QWidget* parent)
    : QFrame(parent, Qt::Popup | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("QUserPanel"));
    // Before the children, so that a parent's style sheet does not settle their look first.
    PVSkin::apply(this);
    m_user = new QLabel(this);
    m_signOut = new QPushButton(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_StyledBackground);
    m_user->setObjectName(QStringLiteral("lbUserName"));
    m_user->setAlignment(Qt::AlignCenter);
    m_user->setTextFormat(Qt::PlainText);
    m_signOut->setObjectName(QStringLiteral("btnSignOut"));
    m_signOut->setCursor(Qt::PointingHandCursor);
    // Enter presses it as in a dialog; Escape closes the popup.
    m_signOut->setAutoDefault(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 14, 16, 14);
    column->setSpacing(12);
    column->addWidget(m_user);
    column->addWidget(m_signOut);
    setMinimumWidth(200);

    connect(m_signOut, &QPushButton::clicked, this, &QUserPanel::didClickSignOut);
    if (QPivoraApplication* app = application())
        connect(app, &QPivoraApplication::didUserStatusChanged, this, &QUserPanel::didUserStatusChanged);
    retranslate();
}

QUserPanel* QUserPanel::popup(QWidget* anchor)
{
    // A child of the anchor's window, not of the anchor: the title bar's button look stays there.
    auto* panel = new QUserPanel(anchor ? anchor->window() : nullptr);
    panel->adjustSize();
    QRect screen;
    if (QScreen* at = anchor ? anchor->screen() : QGuiApplication::primaryScreen())
        screen = at->availableGeometry();
    const QRect anchorRect = anchor ? QRect(anchor->mapToGlobal(QPoint(0, 0)), anchor->size()) : QRect();
    panel->move(placement(anchorRect, panel->size(), screen));
    panel->show();
    panel->m_signOut->setFocus(Qt::PopupFocusReason);
    qInfo("User panel shown");
    return panel;
}

QPoint QUserPanel::placement(const QRect& anchor, const QSize& panel, const QRect& screen)
{
    QPoint at(anchor.right() + 1 - panel.width(), anchor.bottom() + 5);
    if (screen.isValid()) {
        at.setX(qBound(screen.left(), at.x(), qMax(screen.left(), screen.right() + 1 - panel.width())));
        // No room below: above the anchor.
        if (at.y() + panel.height() > screen.bottom() + 1)
            at.setY(anchor.top() - 5 - panel.height());
        at.setY(qMax(at.y(), screen.top()));
    }
    return at;
}

void QUserPanel::didUserStatusChanged()
{
    QPivoraApplication* app = application();
    // Signed out, from here or elsewhere: nothing left to show.
    if (!app || !app->userContext())
        close();
    else
        refreshUser();
}

void QUserPanel::refreshUser()
{
    QPivoraApplication* app = application();
    const PVUserContext* user = app ? app->userContext() : nullptr;
    m_user->setText(!user ? QString() : user->nickname().isEmpty() ? user->phone() : user->nickname());
}

void QUserPanel::didClickSignOut()
{
    qInfo("Signing out");
    if (QPivoraApplication* app = application())
        app->signOut();
    close();
}

void QUserPanel::retranslate()
{
    m_signOut->setText(tr("Sign out"));
    refreshUser();
}

void QUserPanel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
