#include "core/session/ProgramContext.h"

#include <QSettings>

namespace quelta {

ProgramContext::ProgramContext(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
                               const QString &programPath, CloudEndpoints endpoints)
    : prompter_(prompter)
    , internet_(internet)
    , settings_(std::move(settingsStore))
    , languages_(programPath)
    , cloud_(std::move(endpoints), &settings_, trace_, prompter_, format_)
{
}

QString ProgramContext::windowTitle() const
{
    if (cloudFunctionsEnabled())
        return Titol() + QStringLiteral("        Registrado por: ") + QStringLiteral("    <") + cloud_.state().EmpresaEmail
            + QLatin1Char('>');
    return Titol() + QStringLiteral("        sin internet");
}

} // namespace quelta
