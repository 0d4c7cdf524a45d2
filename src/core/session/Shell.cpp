#include "core/session/Shell.h"

#include "core/base/InternetCheck.h"
#include "core/base/Prompter.h"

#include <QSettings>

namespace quelta {

Shell::Shell(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
             const QString &programPath, QObject *parent)
    : QObject(parent)
    , context_(prompter, internet, std::move(settingsStore), programPath)
    , device_(context_)
    , programming_(context_, device_)
    , screens_(context_, device_, programming_.model())
    , panels_(context_, device_, screens_)
{
    connectModules();
}

void Shell::connectModules()
{
    connect(&device_, &DeviceSession::clearAllFields, this, &Shell::Esborra_Camps);
    const LinkSupervisor &supervisor = device_.supervisor();
    connect(&supervisor, &LinkSupervisor::connectionEstablished, &commands_, &CommandAvailability::connectionEstablished);
    connect(&supervisor, &LinkSupervisor::statusScreenShown, &commands_, &CommandAvailability::statusScreenShown);
    connect(this, &Shell::fieldsCleared, &commands_, &CommandAvailability::fieldsCleared);
    connect(this, &Shell::cloudFunctionsChanged, &commands_, &CommandAvailability::cloudFunctionsChanged);
    connect(&programming_.writeEngine(), &WriteEngine::transferControlsEnabled, &commands_,
            [this](bool enabled) { commands_.writeRunning(!enabled); });
    connect(&device_, &DeviceSession::remoteSessionLost, &commands_, &CommandAvailability::remoteSessionLost);
    // Door orders of a remote session go on the user's own status topic.
    connect(&screens_.doors(), &DoorsScreen::remoteDoorCommand, &device_.mqtt(), &MqttTransport::Publica_MQTT);
}

void Shell::applyFormatSettings()
{
    context_.format() = FormatSettings::fromSystem();
}

void Shell::ObtenirDadesPC()
{
    context_.dadesPC() = quelta::ObtenirDadesPC();
}

void Shell::readSettings()
{
    AppSettings &settings = context_.settings();
    while (!settings.LLegirConfigInicial(context_.dadesPC().IP))
        settings.GuardarConfigInicial();
    context_.languages().setIdioma(settings.values().idioma);
    device_.channel().serial().setPortName(portForThisRun_.isEmpty() ? settings.values().port : portForThisRun_);
}

void Shell::chooseStartupLanguage()
{
    const std::optional<Language> language = startupLanguage(context_.settings().values().idioma, userDefaultLcid());
    if (!language)
        return;
    for (const LanguageInfo &info : languageTable()) {
        if (info.language == *language)
            SwitchLanguage(info);
    }
}

bool Shell::SwitchLanguage(const LanguageInfo &language)
{
    Languages &languages = context_.languages();
    if (!languages.LoadNewResourceModule(language))
        return false;
    context_.settings().values().idioma = languages.Idioma();
    emit languageChanged(languages.Idioma());
    return true;
}

bool Shell::loadDictionaries()
{
    ParameterDictionary &dictionary = context_.dictionary();
    context_.namedStrings().CreaTaulaResourceString();
    if (dictionary.Llegir_parametres() && dictionary.Llegir_DefInfo(context_.namedStrings())) {
        programming_.model().InicialitzaPunters(dictionary);
        return true;
    }
    context_.prompter().ElMeuMessageDlg({dialog::error(), dictionary.errorString(), DialogType::Error,
                                         {DialogResult::Ok}, {dialog::aceptar()}, 0});
    return false;
}

void Shell::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    context_.views().setPanelmostrat(View::Estat);
    // The cloud version check and the sign-in come with the cloud directory; until then no session
    // token exists and the cloud functions stay off.
    context_.setOnline(context_.internet().isOnline());
    emit windowTitleChanged(context_.windowTitle());
    emit cloudFunctionsChanged(context_.cloudFunctionsEnabled());
    if (!device_.channel().serial().portName().isEmpty())
        device_.openPortAndIdentify();
}

void Shell::FormClose()
{
    context_.settings().GuardarConfigInicial();
    device_.close();
}

void Shell::forgetCloudCredentials()
{
    context_.settings().values().email.clear();
    context_.settings().values().password.clear();
}

void Shell::Esborra_Camps()
{
    LinkState &link = device_.link();
    StatusBar &statusBar = context_.statusBar();
    link.central.clear();
    link.connex_Quelta_Agui = 0;
    context_.activity().setRunning(false);
    device_.supervisor().setState(LinkSupervisor::SessionState::NoConnection);
    statusBar.setPanel(2, QStringLiteral(" "));
    statusBar.hideProgress();
    link.circuit = false;
    programming_.clear();
    for (QString *identity : {&link.firmware, &link.hardware, &link.PartsActives, &link.identConnectar, &link.imei,
                              &link.refmap})
        identity->clear();
    screens_.clear();
    panels_.clear();
    emit fieldsCleared();
}

} // namespace quelta
