#include "ui/QEAlertDialog.h"

#include "ui_QEAlertDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLayout>
#include <QPointer>

QEAlertDialog::QEAlertDialog(QWidget *parent)
    : FramelessWindow<QDialog>(parent, false), m_ui(new Ui::QEAlertDialog())
{
    m_ui->setupUi(this);
    setModal(true);
    setTitleWidgets({m_ui->titlebar});
    m_ui->lbAppIcon->setPixmap(QApplication::windowIcon().pixmap(20, 20));
    m_ui->lbCaption->setText(windowTitle());
    applyStyleSheet();

    connect(m_ui->btnAccept, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

QEAlertDialog::~QEAlertDialog() = default;

QEAlertDialog *QEAlertDialog::create(QWidget *parent, const QString &title, const QString &detail,
                                     int mode)
{
    auto *dialog = new QEAlertDialog(parent);
    dialog->setTitle(title);
    dialog->setDetail(detail);
    dialog->setMode(mode);
    return dialog;
}

int QEAlertDialog::run(QWidget *parent, const QString &title, const QString &detail, int mode)
{
    // The nested event loop may delete the parent and with it the dialog.
    QPointer<QEAlertDialog> dialog = create(parent, title, detail, mode);
    const int result = dialog->exec();
    delete dialog.data();
    return result;
}

void QEAlertDialog::setTitle(const QString &title)
{
    m_ui->labelTitle->setText(title);
}

QString QEAlertDialog::title() const
{
    return m_ui->labelTitle->text();
}

void QEAlertDialog::setDetail(const QString &detail)
{
    m_ui->labelDetail->setText(detail);
}

QString QEAlertDialog::detail() const
{
    return m_ui->labelDetail->text();
}

void QEAlertDialog::setDetailAlignment(Qt::Alignment alignment)
{
    m_ui->labelDetail->setAlignment(alignment);
}

void QEAlertDialog::setAcceptText(const QString &text)
{
    m_ui->btnAccept->setText(text);
}

void QEAlertDialog::setCancelText(const QString &text)
{
    m_ui->btnCancel->setText(text);
}

void QEAlertDialog::setMode(int mode)
{
    if (mode == ModeAccept) {
        m_ui->btnAccept->setVisible(true);
        m_ui->btnCancel->setVisible(false);
    } else if (mode == ModeAcceptCancel) {
        m_ui->btnAccept->setVisible(true);
        m_ui->btnCancel->setVisible(true);
    }
}

QCheckBox *QEAlertDialog::addCheckBox(const QString &text)
{
    auto *box = new QCheckBox(text, m_ui->contentArea);
    box->setObjectName(QStringLiteral("checkBox"));
    m_ui->layoutContent->addWidget(box, 0, Qt::AlignHCenter);
    QWidget::setTabOrder(box, m_ui->btnCancel);
    QWidget::setTabOrder(m_ui->btnCancel, m_ui->btnAccept);
    return box;
}

QPushButton *QEAlertDialog::acceptButton() const
{
    return m_ui->btnAccept;
}

QPushButton *QEAlertDialog::cancelButton() const
{
    return m_ui->btnCancel;
}

void QEAlertDialog::setVisible(bool visible)
{
    if (visible && !isVisible())
        fitToText();
    FramelessWindow<QDialog>::setVisible(visible);
}

// Wrapped labels do not grow a top-level window by themselves; without this a long detail
// text would be cut off at the form's height.
void QEAlertDialog::fitToText()
{
    QLayout *box = layout();
    if (!box)
        return;
    box->activate();
    const int width = qMax(this->width(), minimumWidth());
    const int height = qMax(box->totalHeightForWidth(width), minimumHeight());
    resize(width, height);
}

void QEAlertDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange && m_ui->lbCaption)
        m_ui->lbCaption->setText(windowTitle());
    FramelessWindow<QDialog>::changeEvent(event);
}

void QEAlertDialog::applyStyleSheet()
{
    QFile file(QStringLiteral(":/skin/QEAlertDialog.css"));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("QEAlertDialog: style sheet resource missing");
        return;
    }
    setStyleSheet(QString::fromUtf8(file.readAll()));
}
