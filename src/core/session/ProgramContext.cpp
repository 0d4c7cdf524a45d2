#include "core/session/ProgramContext.h"

#include <QCoreApplication>
#include <QSettings>

namespace quelta {
namespace {

struct TitleTexts
{
    Q_DECLARE_TR_FUNCTIONS(WindowTitle)
};

} // namespace

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
        return Titol() + TitleTexts::tr("        Registrado por: ") + QStringLiteral("    <")
            + cloud_.state().EmpresaEmail + QLatin1Char('>');
    return offlineTitle();
}

QString ProgramContext::offlineTitle() const
{
    return Titol() + TitleTexts::tr("        sin internet");
}

} // namespace quelta
