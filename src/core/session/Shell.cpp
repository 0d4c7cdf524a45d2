#include "core/session/Shell.h"

#include "core/base/InternetCheck.h"
#include "core/base/Prompter.h"

#include <QSettings>

namespace quelta {

Shell::Shell(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
             const QString &programPath, CloudEndpoints endpoints, QObject *parent)
    : QObject(parent)
    , context_(prompter, internet, std::move(settingsStore), programPath, std::move(endpoints))
    , device_(context_)
    , programming_(context_, device_)
    , screens_(context_, device_, programming_.model())
    , panels_(context_, device_, screens_)
    , telecontrol_(context_, device_, screens_, panels_, screens_.statusCloud())
    , console_(context_.trace(), device_.link(), device_.channel())
    , directory_(context_, device_, context_.cloud())
    , registration_(context_)
    , aboutBox_(context_, registration_)
    , snapshot_(context_, device_, screens_, panels_)
    , map_(context_, device_, screens_.statusScreen())
    , contactLists_(context_, device_.link(), programming_, screens_.doors())
    , update_({device_.link(), device_.channel(), device_.supervisor(), device_.dispatcher(), device_.lock()},
              {context_.prompter(), context_.trace(), context_.views(), context_.statusBar(), context_.internet()})
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
    connect(&device_, &DeviceSession::remoteSessionOpened, &commands_, [this] { commands_.remoteLinkChanged(true); });
    connect(&device_, &DeviceSession::remoteSessionLost, &commands_, [this] { commands_.remoteLinkChanged(false); });
    connect(&device_, &DeviceSession::localLinkSelected, &commands_, [this] { commands_.remoteLinkChanged(false); });
    // Door orders of a remote session go on the user's own status topic.
    connect(&screens_.doors(), &DoorsScreen::remoteDoorCommand, &device_.mqtt(), &MqttTransport::Publica_MQTT);
    connectCloud();
    connectUpdate();
}

// The watchdog counts on the lamps' timer; the listing names the device's programming and the user.
void Shell::connectUpdate()
{
    connect(&device_.supervisor(), &LinkSupervisor::ledsTicked, &update_, &update::UpdateSession::TimerLedsTick);
    connect(&update_, &update::UpdateSession::offline, this, &Shell::showOffline);
    connect(this, &Shell::fieldsCleared, &update_, &update::UpdateSession::InicialitzaSGVersions);
    // Every end of an update lets a telecontrol client go, as the device restarts or is looked for anew.
    connect(&update_, &update::UpdateSession::updateFinished, &telecontrol_, &Telecontrol::closeClient);
    update_.setRequestFields([this] { return deviceForUpdate(); });
}

update::DeviceForUpdate Shell::deviceForUpdate()
{
    ConfigurationModel &model = programming_.model();
    update::DeviceForUpdate device;
    device.company = model.field(u"EProgEmpresa")->value;
    device.installer = model.field(u"EProgInstal")->value;
    device.reference = model.field(u"EProgRef")->value;
    device.userId = context_.cloud().state().CodiReg;
    return device;
}

void Shell::connectCloud()
{
    // A cloud call that found no connection only says so in the title; the internet check's
    // failure also switches the cloud's views off.
    connect(&context_.cloud(), &CloudAccess::sinInternet, this, &Shell::showTitleOffline);
    connect(&directory_, &DeviceDirectory::offline, this, &Shell::showOffline);
    connect(&map_, &MapScreen::offline, this, &Shell::showOffline);
    EventHistoryScreen &history = screens_.history();
    connect(&history, &EventHistoryScreen::offline, this, &Shell::showOffline);
    connect(&history, &EventHistoryScreen::readFailed, this, &Shell::showTitleOffline);
    connect(this, &Shell::fieldsCleared, &history, &EventHistoryScreen::Esborra_historic);
    // Event times are shown as the device's own clock reads them.
    StatusScreen &status = screens_.statusScreen();
    history.setTimeZone(QTimeZone(status.strZonaHoraria().toLatin1()));
    connect(&status, &StatusScreen::zoneChanged, &history,
            [&history](const QString &zone) { history.setTimeZone(QTimeZone(zone.toLatin1())); });
    // A device on line by neither link shows its last record.
    connect(&directory_, &DeviceDirectory::snapshotRequested, &snapshot_, &CloudSnapshot::AgafaEstatEquipments);
    // Devices listed show the cloud as reachable again.
    connect(&directory_, &DeviceDirectory::listed, this, [this](const QList<DirectoryEntry> &entries) {
        if (!entries.isEmpty() && directory_.listingError().isEmpty())
            showCloudState();
    });
    connect(&aboutBox_, &AboutBox::accountChanged, this, [this] { emit windowTitleChanged(context_.windowTitle()); });
    // The status screen comes back once the about box has closed.
    connect(&aboutBox_, &AboutBox::saved, &device_.supervisor(), &LinkSupervisor::BBLlegirEstatClick, Qt::QueuedConnection);
}

// The title names the signed-in user, and the cloud's views follow the sign-in.
void Shell::showCloudState()
{
    emit windowTitleChanged(context_.windowTitle());
    emit cloudFunctionsChanged(context_.cloudFunctionsEnabled());
}

void Shell::showTitleOffline()
{
    emit windowTitleChanged(context_.offlineTitle());
}

// The internet check failed: the cloud's views go off too, until a listing finds the cloud again.
void Shell::showOffline()
{
    showTitleOffline();
    emit cloudFunctionsChanged(false);
}

void Shell::applyFormatSettings()
{
    context_.format() = FormatSettings::fromSystem();
    context_.cloud().setFormat(context_.format());
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
    context_.cloud().loadFromSettings();
    const ConfigInicial &values = settings.values();
    update::UpdateServer server = update::serverAddress(values.updateServer).value_or(update::builtInServer());
    if (!values.updateKey.isEmpty())
        server.key = values.updateKey.toLatin1();
    update_.setServer(updateServerForThisRun_.value_or(server));
}

void Shell::chooseStartupLanguage()
{
    const std::optional<Language> language = startupLanguage(context_.settings().values().idioma, userDefaultLcid());
    if (!language)
        return;
    for (const LanguageInfo &info : languageTable()) {
        if (info.language == *language)
            loadLanguage(info);
    }
}

bool Shell::loadLanguage(const LanguageInfo &language)
{
    Languages &languages = context_.languages();
    if (!languages.LoadNewResourceModule(language))
        return false;
    context_.settings().values().idioma = languages.Idioma();
    emit languageChanged(languages.Idioma());
    return true;
}

bool Shell::SwitchLanguage(const LanguageInfo &language)
{
    const LinkState &link = device_.link();
    if (link.isRemote() && link.circuit) {
        context_.prompter().ElMeuMessageDlg(dialog::information(
            dialog::atencio(),
            tr("Está conectado remotamente a un equipo\r\nAntes de cambiar el idioma debe cerrar esta conexión")));
        return false;
    }
    SerialTransport &serial = device_.channel().serial();
    const bool reopen = link.isLocal() && serial.isOpen();
    if (!loadLanguage(language))
        return false;
    // The device on the port is found again under the new texts; the port keeps its name.
    device_.supervisor().stopSupervision();
    serial.close();
    rebuildTexts();
    if (reopen)
        device_.openPortAndIdentify();
    emit languageSwitched();
    return true;
}

// What was made from the texts of the previous language: the information texts and named strings,
// the bindings, every field and grid (their headers and row labels), the status bar and the title.
void Shell::rebuildTexts()
{
    loadDictionaries();
    Esborra_Camps();
    context_.views().setResultText({});
    context_.views().setPanelmostrat(View::Estat);
    showCloudState();
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

bool Shell::FormActivate(const Registration::WindowRunner &signInWindow)
{
    if (activated_)
        return true;
    activated_ = true;
    context_.trace().Escriure_REPortserie(QStringLiteral("Servidor : ") + context_.cloud().endpoints().databaseName());
    context_.views().setPanelmostrat(View::Estat);
    context_.setOnline(context_.internet().isOnline());
    if (context_.online() && !signInAtStart(signInWindow))
        return false;
    showCloudState();
    if (!device_.channel().serial().portName().isEmpty())
        device_.openPortAndIdentify();
    return true;
}

// A newer version that must be installed first ends the program, and so does leaving the sign-in
// window without signing in. A cloud that could not be reached lets the program go on off line.
bool Shell::signInAtStart(const Registration::WindowRunner &signInWindow)
{
    CloudAccess &cloud = context_.cloud();
    if (cloud.ComprovaVersioRTDB() == 0)
        return false;
    return !cloud.state().ErrorFirebase.isEmpty() || registration_.Execute(signInWindow);
}

void Shell::FormClose()
{
    context_.settings().GuardarConfigInicial();
    // Before the device's session closes, so that the panel is let out of telecontrol through it.
    telecontrol_.closeClient();
    device_.close();
}

void Shell::MITancarSessioClick()
{
    CloudState &state = context_.cloud().state();
    state.EmpresaEmail.clear();
    state.EmpresaPassword.clear();
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
    const CloudState &account = context_.cloud().state();
    programming_.showAccount(account.EmpresaNom, account.EmpresaInstal);
    for (QString *identity : {&link.firmware, &link.hardware, &link.PartsActives, &link.identConnectar, &link.imei,
                              &link.refmap})
        identity->clear();
    screens_.clear();
    panels_.clear();
    contactLists_.Esborra_Portes(ContactLists::Both);
    emit fieldsCleared();
}

} // namespace quelta
