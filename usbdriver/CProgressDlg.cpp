#include "usbdriver/CProgressDlg.h"

#include <QFile>
#include <QLabel>
#include <QProgressBar>

CProgressDlg::CProgressDlg(QWidget* owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("CProgressDlg"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Two lines of text: the longest texts (and translations) do not fit in one.
    setFixedSize(383, 92);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lbText"));
    m_text->setGeometry(11, 8, 362, 40);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("progressBar"));
    m_bar->setGeometry(11, 56, 362, 23);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);

    QFile skin(QStringLiteral(":/skin/CProgressDlg.css"));
    if (skin.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(skin.readAll()));
}

void CProgressDlg::setProgress(int position, const QString& text)
{
    m_bar->setValue(qBound(0, position, 100));
    m_text->setText(text);
}

int CProgressDlg::position() const
{
    return m_bar->value();
}

QString CProgressDlg::text() const
{
    return m_text->text();
}
