#include "ui/QOptionsGeneralFrame.h"

#include "app/QPivoraApplication.h"
#include "scairplay/QPVAirPlayService.h"
#include "ui/QEAlertDialog.h"

#include <QPushButton>

using OptionChoices::findChoice;

QOptionsGeneralFrame::QOptionsGeneralFrame(QWidget* parent)
    : QOptionsFrame(QStringLiteral("general"), tr("General"), parent)
{
    addCombo(tr("Language"), *findChoice("general", "lang"));
    addRadios(tr("When closing app"), *findChoice("general", "closingAction"));
    addCombo(tr("Who may mirror"), *findChoice("general", "receiverAccess"));
    addNote(tr("With the code, phones must give the code that the home screen shows."));

    addSection(tr("Drivers"));
    m_btnUninstall = new QPushButton(tr("Uninstall"), this);
    m_btnUninstall->setObjectName("btnUninstall");
    addRow(tr("USB Drivers"), m_btnUninstall);
    addNote(tr("Removes the USB drivers that wired mirroring installed."));
    finish();

    connect(m_btnUninstall, &QPushButton::clicked, this, &QOptionsGeneralFrame::didClickUninstall);
}

void QOptionsGeneralFrame::didClickUninstall()
{
    QPVAirPlayService* service = pvApp()->airplayService();
    if (service && service->channelCount() > 0) {
        const int answer = QEAlertDialog::run(window(), tr("Alert"),
            tr("All devices will be disconnected, do you want to continue?"), QEAlertDialog::ModeAcceptCancel);
        if (answer != QDialog::Accepted)
            return;
    }
    qInfo("Driver uninstall requested from the options");
    pvApp()->uninstallDrivers();
}
