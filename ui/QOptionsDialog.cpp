#include "ui/QOptionsDialog.h"

#include "app/PVSettings.h"
#include "app/QPivoraApplication.h"
#include "ui/QEAlertDialog.h"
#include "ui/PVSkin.h"
#include "ui/QOptionsAndroidDeviceFrame.h"
#include "ui/QOptionsFrame.h"
#include "ui/QOptionsGeneralFrame.h"
#include "ui/QOptionsHWFrame.h"
#include "ui/QOptionsIOSDeviceFrame.h"
#include "ui/QOptionsRecordFrame.h"
#include "ui/QOptionsShortcutsFrame.h"
#include "ui/QOptionsUpdateFrame.h"
#include "ui/QOptionsVideoAudioFrame.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QString kOptionsKey = QStringLiteral("options");

struct PageButton {
    const char* objectName;
    const char* text;
};

// In the order of QOptionsDialog::Page.
const PageButton kPageButtons[] = {
    {"btnGeneral", QT_TRANSLATE_NOOP("QOptionsDialog", "General")},
    {"btnIOSDevice", QT_TRANSLATE_NOOP("QOptionsDialog", "iOS Device")},
    {"btnAndroidDevice", QT_TRANSLATE_NOOP("QOptionsDialog", "Android Device")},
    {"btnVideo", QT_TRANSLATE_NOOP("QOptionsDialog", "Video")},
    {"btnRecording", QT_TRANSLATE_NOOP("QOptionsDialog", "Recording")},
    {"btnHardware", QT_TRANSLATE_NOOP("QOptionsDialog", "Hardware")},
    {"btnShortcuts", QT_TRANSLATE_NOOP("QOptionsDialog", "Shortcuts")},
    {"btnUpdate", QT_TRANSLATE_NOOP("QOptionsDialog", "Update")},
};

QPushButton* makeButton(const QString& text, const char* objectName, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

} // namespace

QOptionsDialog::QOptionsDialog(QWidget* parent)
    : FramelessWindow<QDialog>(parent, false)
{
    setObjectName("QOptionsDialog");
    setWindowTitle(tr("Settings"));
    setModal(true);
    setFixedSize(860, 600);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(1, 1, 1, 1);
    root->setSpacing(0);
    root->addWidget(createTitleBar());
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(createPageBar());
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName("contentPages");
    body->addWidget(m_stack, 1);
    root->addLayout(body, 1);
    createPages();
    root->addWidget(createActionBar());
    PVSkin::apply(this);

    loadPages();
    showPage(General);
    m_pageButtons->button(General)->setFocus();
}

QOptionsDialog::~QOptionsDialog() = default;

QWidget* QOptionsDialog::createTitleBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName("titlebar");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 0, 4, 0);
    m_lbCaption = new QLabel(windowTitle(), bar);
    m_lbCaption->setObjectName("lbCaption");
    m_btnClose = makeButton(QStringLiteral("✕"), "btnClose", bar);
    m_btnClose->setFocusPolicy(Qt::NoFocus);
    m_btnClose->setAutoDefault(false);
    m_btnClose->setFixedSize(36, 30);
    m_btnClose->setToolTip(tr("Close"));
    row->addWidget(m_lbCaption);
    row->addStretch(1);
    row->addWidget(m_btnClose);
    bar->setFixedHeight(38);
    setTitleWidgets({bar});
    connect(m_btnClose, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

QWidget* QOptionsDialog::createPageBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName("pageBar");
    bar->setFixedWidth(180);
    auto* column = new QVBoxLayout(bar);
    column->setContentsMargins(10, 16, 10, 16);
    column->setSpacing(4);
    m_pageButtons = new QButtonGroup(this);
    m_pageButtons->setExclusive(true);
    for (int i = 0; i < PageCount; ++i) {
        QPushButton* button = makeButton(tr(kPageButtons[i].text), kPageButtons[i].objectName, bar);
        button->setCheckable(true);
        // Enter saves wherever the focus is; arrow keys move between the pages.
        button->setAutoDefault(false);
        m_pageButtons->addButton(button, i);
        column->addWidget(button);
    }
    column->addStretch(1);
    connect(m_pageButtons, &QButtonGroup::idClicked, this, &QOptionsDialog::didClickPage);
    return bar;
}

QWidget* QOptionsDialog::createActionBar()
{
    auto* bar = new QWidget(this);
    bar->setObjectName("actionBar");
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 12, 16, 12);
    row->setSpacing(10);
    m_btnRestore = makeButton(tr("Restore Defaults"), "btnRestore", bar);
    m_lbVersion = new QLabel(tr("ver: ") + QCoreApplication::applicationVersion(), bar);
    m_lbVersion->setObjectName("lbVersion");
    m_btnSave = makeButton(tr("Save"), "btnSave", bar);
    m_btnCancel = makeButton(tr("Cancel"), "btnCancel", bar);
    m_btnSave->setDefault(true);
    row->addWidget(m_btnRestore);
    row->addSpacing(12);
    row->addWidget(m_lbVersion);
    row->addStretch(1);
    row->addWidget(m_btnSave);
    row->addWidget(m_btnCancel);
    connect(m_btnRestore, &QPushButton::clicked, this, &QOptionsDialog::didClickRestore);
    connect(m_btnSave, &QPushButton::clicked, this, &QOptionsDialog::didClickSave);
    connect(m_btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

void QOptionsDialog::createPages()
{
    m_pages = {new QOptionsGeneralFrame(m_stack),  new QOptionsIOSDeviceFrame(m_stack),
               new QOptionsAndroidDeviceFrame(m_stack), new QOptionsVideoAudioFrame(m_stack),
               new QOptionsRecordFrame(m_stack),   new QOptionsHWFrame(m_stack),
               new QOptionsShortcutsFrame(m_stack), new QOptionsUpdateFrame(m_stack)};
    for (QOptionsFrame* page : qAsConst(m_pages))
        m_stack->addWidget(page);
}

void QOptionsDialog::loadPages()
{
    const QSettings& settings = *pvApp()->settings();
    for (QOptionsFrame* page : qAsConst(m_pages)) {
        if (!page->group().isEmpty())
            page->load(PVSettings::optionGroup(settings, page->group()));
    }
}

QOptionsFrame* QOptionsDialog::page(int index) const
{
    return m_pages.value(index);
}

QOptionsFrame* QOptionsDialog::pageForGroup(const QString& group) const
{
    for (QOptionsFrame* page : m_pages) {
        if (!group.isEmpty() && page->group() == group)
            return page;
    }
    return nullptr;
}

int QOptionsDialog::currentPage() const
{
    return m_stack->currentIndex();
}

void QOptionsDialog::showPage(int index)
{
    if (index < 0 || index >= m_pages.size())
        return;
    m_pageButtons->button(index)->setChecked(true);
    m_stack->setCurrentIndex(index);
}

void QOptionsDialog::didClickPage(int index)
{
    showPage(index);
}

void QOptionsDialog::didClickRestore()
{
    const int answer = QEAlertDialog::run(this, tr("Alert"),
        tr("Restoring the default settings will reset all options, do you want to continue?"),
        QEAlertDialog::ModeAcceptCancel);
    if (answer != QDialog::Accepted)
        return;
    qInfo("Options restored to their defaults");
    writeOptions(PVSettings::completeDefaultOptions(QVariantMap()));
    accept();
}

void QOptionsDialog::didClickSave()
{
    QVariantMap options = pvApp()->settings()->value(kOptionsKey).toMap();
    for (QOptionsFrame* page : qAsConst(m_pages)) {
        if (!page->group().isEmpty())
            options.insert(page->group(), page->save(options.value(page->group()).toMap()));
    }
    qInfo("Options saved");
    writeOptions(options);
    accept();
}

void QOptionsDialog::writeOptions(const QVariantMap& options)
{
    QSettings* settings = pvApp()->settings();
    settings->setValue(kOptionsKey, options);
    settings->sync();
    if (settings->status() != QSettings::NoError) {
        qWarning("Settings file %s could not be written", qUtf8Printable(settings->fileName()));
        QEAlertDialog::run(this, tr("Alert"),
            tr("The settings could not be written to disk. They apply until the program ends."),
            QEAlertDialog::ModeAccept);
    }
}
