#include "core/session/CommandAvailability.h"

namespace quelta {
namespace {

// Reading, writing and restoring the device, from the menu and from the programming view.
const QStringList kTransferCommands{QStringLiteral("MIILlegir"), QStringLiteral("MIIGravar"), QStringLiteral("MIIDefecte"),
                                    QStringLiteral("BBLlegirPag"), QStringLiteral("BBGravarPag")};
const QStringList kTemplateCommands{QStringLiteral("MIICrearplantilla"), QStringLiteral("MIIImportarPlantilla")};
const QStringList kRemoteCommands{QStringLiteral("MIIAcercaDe")};
// The views that need the cloud.
const QStringList kCloudViews{QStringLiteral("BBBuscar"), QStringLiteral("BBMapa"), QStringLiteral("BBActualitzar"),
                              QStringLiteral("BBEvents"), QStringLiteral("MIBuscar")};
// Everything a write run keeps the installer away from.
const QStringList kOtherCommands{QStringLiteral("BBLlegirEstat"), QStringLiteral("BBBuscar"), QStringLiteral("BBMapa"),
                                 QStringLiteral("BBActualitzar"),  QStringLiteral("BBEvents"), QStringLiteral("MISistema"),
                                 QStringLiteral("MIEstat"),        QStringLiteral("MIProgramacio"),
                                 QStringLiteral("MIBuscar"),       QStringLiteral("MIBidi"), QStringLiteral("MIComunicacio"),
                                 QStringLiteral("MIInfo")};

} // namespace

// Without a device nothing can be transferred; without a sign-in the cloud's views are off.
CommandAvailability::CommandAvailability()
{
    for (const QString &control : kOtherCommands)
        enabled_.insert(control, true);
    for (const QStringList *off : {&kTransferCommands, &kTemplateCommands, &kCloudViews, &kRemoteCommands}) {
        for (const QString &control : *off)
            enabled_.insert(control, false);
    }
}

void CommandAvailability::set(const QStringList &controls, bool enabled)
{
    for (const QString &control : controls)
        enabled_.insert(control, enabled);
    emit changed(controls);
}

void CommandAvailability::connectionEstablished()
{
    set(kTransferCommands + kTemplateCommands, true);
}

void CommandAvailability::fieldsCleared()
{
    set(kTransferCommands, false);
}

void CommandAvailability::writeRunning(bool running)
{
    set(kOtherCommands, !running);
}

void CommandAvailability::remoteSessionLost()
{
    set(kOtherCommands, true);
}

void CommandAvailability::remoteLinkChanged(bool remote)
{
    set(kRemoteCommands, remote);
}

void CommandAvailability::cloudFunctionsChanged(bool enabled)
{
    set(kCloudViews, enabled);
}

void CommandAvailability::statusScreenShown()
{
    set(QStringList{QStringLiteral("BBLlegirEstat")} + kCloudViews, true);
}

} // namespace quelta
