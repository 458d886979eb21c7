#include "ui/QOptionsUpdateFrame.h"

#include "app/QPivoraApplication.h"

#include <QLabel>
#include <QPushButton>

QOptionsUpdateFrame::QOptionsUpdateFrame(QWidget* parent)
    : QOptionsFrame(QString(), tr("Update"), parent)
{
    auto* version = new QLabel(QCoreApplication::applicationVersion(), this);
    version->setObjectName("lbCurrentVersion");
    addRow(tr("Current Version"), version);
    m_btnCheck = new QPushButton(tr("Check Update"), this);
    m_btnCheck->setObjectName("btnCheckUpdate");
    addRow(QString(), m_btnCheck);
    m_lbTip = addNote(QString(), "lbTip");
    finish();

    connect(m_btnCheck, &QPushButton::clicked, this, &QOptionsUpdateFrame::didClickCheckUpdate);
    connect(pvApp(), &QPivoraApplication::didCheckNewVersion, this, &QOptionsUpdateFrame::didCheckNewVersion);
}

void QOptionsUpdateFrame::didClickCheckUpdate()
{
    m_checking = true;
    m_lbTip->clear();
    qInfo("Version check requested from the options");
    pvApp()->checkVersion();
}

void QOptionsUpdateFrame::didCheckNewVersion(bool hasNewer, int)
{
    // Only the answer to this page's own question is shown here.
    if (!m_checking)
        return;
    m_checking = false;
    if (!hasNewer)
        m_lbTip->setText(tr("No updates available"));
}

QString QOptionsUpdateFrame::tipText() const
{
    return m_lbTip->text();
}
