#include "core/session/ProgramContext.h"

#include <QSettings>

namespace quelta {

ProgramContext::ProgramContext(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
                               const QString &programPath)
    : prompter_(prompter)
    , internet_(internet)
    , settings_(std::move(settingsStore))
    , languages_(programPath)
{
}

QString ProgramContext::windowTitle() const
{
    if (cloudFunctionsEnabled())
        return Titol() + QStringLiteral("        Registrado por: ") + QStringLiteral("    <") + settings_.values().email
            + QLatin1Char('>');
    return Titol() + QStringLiteral("        sin internet");
}

} // namespace quelta
