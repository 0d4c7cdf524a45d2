#include "app/Shell.h"

#include "app/InternetCheck.h"
#include "app/Prompter.h"

namespace quelta {

QString viewName(View view)
{
    switch (view) {
    case View::Estat: return QStringLiteral("Estat");
    case View::Programacio: return QStringLiteral("Programacio");
    case View::LlistaCircuits: return QStringLiteral("LlistaCircuits");
    case View::Actualitzacions: return QStringLiteral("Actualitzacions");
    case View::Mapa: return QStringLiteral("Mapa");
    }
    return {};
}

Shell::Shell(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
             const QString &programPath, QObject *parent)
    : QObject(parent)
    , prompter_(prompter)
    , internet_(internet)
    , settings_(std::move(settingsStore))
    , languages_(programPath)
    , channel_(link_, trace_)
{
}

void Shell::applyFormatSettings()
{
    format_ = FormatSettings::fromSystem();
}

void Shell::ObtenirDadesPC()
{
    dadesPC_ = quelta::ObtenirDadesPC();
}

void Shell::readSettings()
{
    while (!settings_.LLegirConfigInicial(dadesPC_.IP))
        settings_.GuardarConfigInicial();
    languages_.setIdioma(settings_.values().idioma);
    channel_.setPortName(settings_.values().port);
}

void Shell::chooseStartupLanguage()
{
    const std::optional<Language> language = startupLanguage(settings_.values().idioma, userDefaultLcid());
    if (!language)
        return;
    for (const LanguageInfo &info : languageTable()) {
        if (info.language == *language)
            SwitchLanguage(info);
    }
}

bool Shell::SwitchLanguage(const LanguageInfo &language)
{
    if (!languages_.LoadNewResourceModule(language))
        return false;
    settings_.values().idioma = languages_.Idioma();
    emit languageChanged(languages_.Idioma());
    return true;
}

bool Shell::loadDictionaries()
{
    namedStrings_.CreaTaulaResourceString();
    if (dictionary_.Llegir_parametres() && dictionary_.Llegir_DefInfo(namedStrings_))
        return true;
    prompter_.ElMeuMessageDlg({dialog::error(), dictionary_.errorString(), DialogType::Error, {DialogResult::Ok},
                               {dialog::aceptar()}, 0});
    return false;
}

QString Shell::windowTitle() const
{
    if (cloudFunctionsEnabled())
        return Titol() + QStringLiteral("        Registrado por: ") + QStringLiteral("    <") + settings_.values().email
            + QLatin1Char('>');
    return Titol() + QStringLiteral("        sin internet");
}

void Shell::setPanelmostrat(View view)
{
    if (view == panelmostrat_)
        return;
    panelmostrat_ = view;
    emit panelmostratChanged(view);
}

void Shell::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    setPanelmostrat(View::Estat);
    // The cloud version check and the sign-in come with the cloud directory; until then no session
    // token exists and the cloud functions stay off.
    online_ = internet_.isOnline();
    emit windowTitleChanged(windowTitle());
    emit cloudFunctionsChanged(cloudFunctionsEnabled());
    if (!channel_.portName().isEmpty())
        openPortAndIdentify();
}

void Shell::openPortAndIdentify()
{
    channel_.reopenPort();
    channel_.sendIdentificationRequest();
}

void Shell::FormClose()
{
    settings_.GuardarConfigInicial();
    if (link_.isLocal() && link_.circuittrobat)
        leaveLocalDevice();
}

// Lock the device again and silence its frames before letting the port go.
void Shell::leaveLocalDevice()
{
    channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("cdp=*")));
    delay(100);
    channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("inf")));
    delay(100);
    channel_.clearBuffers();
    channel_.closePort();
}

void Shell::forgetCloudCredentials()
{
    settings_.values().email.clear();
    settings_.values().password.clear();
}

void Shell::setPortName(const QString &name)
{
    settings_.values().port = name;
    channel_.setPortName(name);
    settings_.GuardarConfigInicial();
}

} // namespace quelta
