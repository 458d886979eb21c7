#include "ui/QSignDialog.h"

#include "account/PVUserContext.h"
#include "account/QPVApiService.h"
#include "app/QPivoraApplication.h"
#include "ui/PVSignForm.h"
#include "ui/PVSkin.h"
#include "ui/QSignSNSFrame.h"
#include "ui/QSigninFrame.h"
#include "ui/QSignupFrame.h"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

QPivoraApplication* application()
{
    return qobject_cast<QPivoraApplication*>(QCoreApplication::instance());
}

} // namespace

QSignDialog::QSignDialog(QWidget* parent)
    : FramelessWindow<QDialog>(parent, false)
{
    setObjectName(QStringLiteral("QSignDialog"));
    setModal(true);
    // Before any child exists: a parent's style sheet would otherwise settle the children's
    // look before this one is known.
    PVSkin::apply(this);
    buildForm();
    retranslate();
    showPage(PageSignIn);
}

void QSignDialog::buildForm()
{
    QWidget* titlebar = PVSignForm::createTitleBar(this);
    setTitleWidgets({titlebar});

    auto* content = new QWidget(this);
    content->setObjectName(QStringLiteral("contentMain"));
    PVSignForm::setSkinRole(content, "content");
    auto* tabs = new QWidget(content);
    tabs->setObjectName(QStringLiteral("tabbar"));
    m_barSignIn = new QPushButton(tabs);
    m_barSignIn->setObjectName(QStringLiteral("barBtnSignIn"));
    m_barSignUp = new QPushButton(tabs);
    m_barSignUp->setObjectName(QStringLiteral("barBtnSignUp"));
    m_bar = new QButtonGroup(this);
    m_bar->setExclusive(true);
    m_bar->addButton(m_barSignIn, PageSignIn);
    m_bar->addButton(m_barSignUp, PageSignUp);
    auto* tabRow = new QHBoxLayout(tabs);
    tabRow->setContentsMargins(0, 0, 0, 0);
    tabRow->setSpacing(0);
    for (QPushButton* tab : {m_barSignIn, m_barSignUp}) {
        tab->setCheckable(true);
        PVSignForm::setSkinRole(tab, "tab");
        tab->setAutoDefault(false);
        tab->setCursor(Qt::PointingHandCursor);
        tabRow->addWidget(tab, 1);
    }

    PVSignForm::keepCheckedOnTabWay(m_barSignIn, m_barSignUp);

    m_frames = new QStackedWidget(content);
    m_frames->setObjectName(QStringLiteral("stackFrames"));
    m_signin = new QSigninFrame(m_frames);
    m_signup = new QSignupFrame(m_frames);
    m_frames->addWidget(m_signin);
    m_frames->addWidget(m_signup);

    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(32, 16, 32, 24);
    column->setSpacing(18);
    column->addWidget(tabs);
    column->addWidget(m_frames, 1);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(1, 1, 1, 1);
    window->setSpacing(0);
    window->addWidget(titlebar);
    window->addWidget(content, 1);
    setFixedWidth(420);

    connect(m_bar, &QButtonGroup::idClicked, this, [this](int id) {
        showPage(static_cast<Page>(id));
        focusFirstField();
    });
    connect(m_signin, &QSigninFrame::didReceiveLoginKey, this, &QSignDialog::didReceiveLoginKey);
    connect(m_signup, &QSignupFrame::didReceiveLoginKey, this, &QSignDialog::didReceiveLoginKey);
}

QSignDialog::Page QSignDialog::currentPage() const
{
    return m_frames->currentWidget() == m_signup ? PageSignUp : PageSignIn;
}

void QSignDialog::showPage(Page page)
{
    m_bar->button(page)->setChecked(true);
    m_frames->setCurrentWidget(page == PageSignUp ? static_cast<QWidget*>(m_signup) : m_signin);
    // Enter in any field presses the shown frame's button.
    m_signin->primaryButton()->setDefault(page == PageSignIn);
    m_signup->primaryButton()->setDefault(page == PageSignUp);
}

void QSignDialog::focusFirstField()
{
    if (currentPage() == PageSignUp)
        m_signup->focusFirstField();
    else
        m_signin->focusFirstField();
}

void QSignDialog::showEvent(QShowEvent* event)
{
    FramelessWindow<QDialog>::showEvent(event);
    if (!event->spontaneous())
        focusFirstField();
}

void QSignDialog::didReceiveLoginKey(const QString& loginKey)
{
    QPivoraApplication* app = application();
    if (!app || !app->apiService())
        return;
    // One profile at a time: an answer must never be paired with another sign-in's key.
    if (!m_loginKey.isEmpty()) {
        qInfo("Second sign-in ignored while a profile is loading");
        return;
    }
    m_loginKey = loginKey;
    app->apiService()->loadProfile(loginKey, this, "didApiLoadProfile");
}

void QSignDialog::didApiLoadProfile(int result, QJsonObject* resObject)
{
    const QString loginKey = m_loginKey;
    m_loginKey.clear();
    if (result != PVSignForm::kApiSuccess) {
        qInfo("Profile not loaded: result %d", result);
        PVSignForm::alert(this, PVSignForm::refusalText(resObject));
        return;
    }
    QPivoraApplication* app = application();
    QSettings* settings = app->settings();
    settings->setValue(QStringLiteral("autoLogin"), m_signin->isAutoLogin());
    settings->sync();
    resObject->remove(QStringLiteral("code"));
    resObject->remove(QStringLiteral("message"));
    std::unique_ptr<PVUserContext> context = PVUserContext::create(loginKey, *resObject);
    if (!context) {
        PVSignForm::alert(this, PVSignForm::refusalText(nullptr));
        return;
    }
    qInfo("Signed in");
    app->setUserContext(context.release());
    accept();
}

void QSignDialog::done(int result)
{
    m_signin->snsFrame()->stopPolling();
    m_signup->snsFrame()->stopPolling();
    FramelessWindow<QDialog>::done(result);
}

void QSignDialog::retranslate()
{
    setWindowTitle(tr("Pivora"));
    PVSignForm::refreshCaption(this);
    m_barSignIn->setText(tr("Sign In"));
    m_barSignUp->setText(tr("Sign Up"));
}

void QSignDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    FramelessWindow<QDialog>::changeEvent(event);
}
