#include "core/session/Shell.h"

#include "core/base/InternetCheck.h"
#include "core/base/Prompter.h"

namespace quelta {

Shell::Shell(Prompter &prompter, InternetCheck &internet, std::unique_ptr<QSettings> settingsStore,
             const QString &programPath, QObject *parent)
    : QObject(parent)
    , prompter_(prompter)
    , internet_(internet)
    , settings_(std::move(settingsStore))
    , languages_(programPath)
    , channel_(link_, trace_)
    , dispatcher_(link_, trace_)
    , supervisor_(link_, channel_, statusBar_, views_, prompter_, [this] { return windowTitle(); })
    , lock_(link_, channel_, statusBar_, prompter_)
    , model_(link_, statusBar_)
    , readEngine_(transferContext())
    , writeEngine_(transferContext())
    , templates_(model_, link_, statusBar_, views_, lock_, prompter_)
    , statusCloud_(trace_)
    , statusScreen_(link_, statusBar_)
    , doors_(link_, channel_, prompter_, statusCloud_, [this] { return online_; })
    , statusDecoder_(link_, channel_, prompter_, trace_, dictionary_, statusScreen_, eventLog_, doors_, statusCloud_,
                     [this] { return online_; })
    , serviceClicks_(eventLog_, model_)
{
    templates_.setHintSource([this](const QString &name) { return hints_.hint(name); });
    connectLink();
}

// The dispatcher wakes supervision through its timer, as it does every consumer it does not call.
void Shell::connectLink()
{
    connect(&channel_, &CommandChannel::received, &dispatcher_, &ReplyDispatcher::ComPortRxChar);
    connect(&channel_, &CommandChannel::messageReceived, &dispatcher_, &ReplyDispatcher::RebutIP);
    connect(&channel_, &CommandChannel::panelBytesReceived, &dispatcher_, &ReplyDispatcher::RebutIPCentral);
    connect(&channel_, &CommandChannel::writeFailed, &supervisor_, &LinkSupervisor::portWriteFailed);
    connect(&supervisor_, &LinkSupervisor::clearAllFields, this, &Shell::Esborra_Camps);
    connect(&dispatcher_, &ReplyDispatcher::wildcardLine, &readEngine_, &ReadEngine::Llegir_pantalla);
    connect(&dispatcher_, &ReplyDispatcher::operatorsLine, &readEngine_, &ReadEngine::Llegir_LlistaOper);
    connect(&dispatcher_, &ReplyDispatcher::wakeReadEngine, &readEngine_, [this] { readEngine_.TimerLlegir.start(1); });
    connect(&dispatcher_, &ReplyDispatcher::factoryValuesRestored, &readEngine_, &ReadEngine::BBLlegirClick);
    connect(&readEngine_, &ReadEngine::programmingViewRequested, this, &Shell::BBProgClick);
    connect(&dispatcher_, &ReplyDispatcher::wakeWriteEngine, &writeEngine_, &WriteEngine::wake);
    // An erase or a factory restore ends a write run; the restore's full read follows.
    connect(&dispatcher_, &ReplyDispatcher::writeRunEnded, &writeEngine_, &WriteEngine::deviceEndedRun);
    connect(&writeEngine_, &WriteEngine::panelTypeWritten, &readEngine_, &ReadEngine::clearProgllegida);
    connect(&writeEngine_, &WriteEngine::programmingViewRequested, this, &Shell::programmingViewShown);
    connect(&templates_, &Templates::programmingViewRequested, this, &Shell::programmingViewShown);
    connect(&dispatcher_, &ReplyDispatcher::statusFrame, &statusDecoder_, &StatusFrameDecoder::Llegir_In);
    connect(&supervisor_, &LinkSupervisor::ledsTicked, &blinkEngine_, &BlinkEngine::TimerLedsTick);
    connect(&supervisor_, &LinkSupervisor::partsMaskApplied, &statusScreen_, &StatusScreen::applyPartsMask);
    connect(&supervisor_, &LinkSupervisor::identityChanged, &statusScreen_, &StatusScreen::writeDeviceIdentity);
    connect(&supervisor_, &LinkSupervisor::identityChanged, &eventLog_, &DeviceEventLog::leaveSnapshot);
    connect(&supervisor_, &LinkSupervisor::streamStopped, this, &Shell::startWaitingPageWrite);
    connect(&supervisor_, &LinkSupervisor::connectionEnded, &readEngine_, &ReadEngine::linkLost);
    connect(&supervisor_, &LinkSupervisor::connectionEnded, &writeEngine_, &WriteEngine::linkLost);
    connect(&dispatcher_, &ReplyDispatcher::wakeSupervision, &supervisor_, [this] { supervisor_.startSupervision(1); });
    connect(&dispatcher_, &ReplyDispatcher::remoteLineArrived, &supervisor_,
            [this] { supervisor_.startSupervision(5000); });
}

TransferContext Shell::transferContext()
{
    return {link_, channel_, statusBar_, views_, supervisor_, model_, lock_, trace_};
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
    channel_.serial().setPortName(portForThisRun_.isEmpty() ? settings_.values().port : portForThisRun_);
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
    if (dictionary_.Llegir_parametres() && dictionary_.Llegir_DefInfo(namedStrings_)) {
        model_.InicialitzaPunters(dictionary_);
        return true;
    }
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

void Shell::FormActivate()
{
    if (activated_)
        return;
    activated_ = true;
    views_.setPanelmostrat(View::Estat);
    // The cloud version check and the sign-in come with the cloud directory; until then no session
    // token exists and the cloud functions stay off.
    online_ = internet_.isOnline();
    emit windowTitleChanged(windowTitle());
    emit cloudFunctionsChanged(cloudFunctionsEnabled());
    if (!channel_.serial().portName().isEmpty())
        openPortAndIdentify();
}

void Shell::startLink()
{
    supervisor_.setState(LinkSupervisor::SessionState::NoConnection);
    link_.comunicacioLocal = true;
    supervisor_.start();
}

void Shell::openPortAndIdentify()
{
    channel_.serial().open();
    channel_.sendIdentificationRequest();
    supervisor_.startSupervision(100);
}

void Shell::FormClose()
{
    supervisor_.stopSupervision();
    settings_.GuardarConfigInicial();
    if (link_.isLocal() && link_.circuittrobat)
        leaveLocalDevice();
    else if (link_.isRemote())
        channel_.endRemoteSession();
}

// Lock the device again and silence its frames before letting the port go.
void Shell::leaveLocalDevice()
{
    channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("cdp=*")));
    delay(100);
    channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("inf")));
    delay(100);
    channel_.serial().clearBuffers();
    channel_.serial().close();
}

void Shell::forgetCloudCredentials()
{
    settings_.values().email.clear();
    settings_.values().password.clear();
}

void Shell::CCBPortClick(const QString &name)
{
    channel_.serial().close();
    channel_.serial().setPortName(name);
    if (!name.isEmpty() && !channel_.serial().open() && channel_.serial().openError() == QSerialPort::DeviceNotFoundError)
        prompter_.ElMeuMessageDlg(dialog::warning(tr("No se puede abrir este puerto\r\nDesconecte el cable y vuelva a conectarlo")));
    settings_.values().port = name;
    settings_.GuardarConfigInicial();
}

// The device left behind is locked again; the one now on the port is asked who it is.
void Shell::CCBPortChange()
{
    channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("cdp=*")));
    channel_.serial().open();
    settings_.GuardarConfigInicial();
    link_.protegit = false;
    Esborra_Camps();
    channel_.sendIdentificationRequest();
    if (!channel_.serial().portName().isEmpty())
        supervisor_.startSupervision(500);
}

void Shell::Esborra_Camps()
{
    link_.central.clear();
    link_.connex_Quelta_Agui = 0;
    statusBar_.setBusy(false);
    supervisor_.setState(LinkSupervisor::SessionState::NoConnection);
    statusBar_.setPanel(2, QStringLiteral(" "));
    statusBar_.hideProgress();
    model_.resetModifiedCount();
    link_.circuit = false;
    readEngine_.clearProgllegida();
    model_.Esborra_param();
    for (QString *identity : {&link_.firmware, &link_.hardware, &link_.PartsActives, &link_.identConnectar,
                              &link_.imei, &link_.refmap})
        identity->clear();
    eventLog_.clear();
    statusScreen_.clear();
    doors_.clear();
    emit fieldsCleared();
}

void Shell::BBProgClick()
{
    if (!lock_.allowsProgramming())
        return;
    showPanelPages();
    const bool linkUp = link_.comunicacioLocal ? link_.isLocal() : link_.isRemote();
    if (!linkUp || views_.isShown(View::Programacio))
        return;
    views_.setPanelmostrat(View::Programacio);
    if (link_.isLocal())
        supervisor_.TimerCircuit.start();
    const SingleField *company = model_.field(u"EProgEmpresa");
    if (!readEngine_.progllegida() || company->value.isEmpty())
        readEngine_.BBLlegirClick();
}

// Pages 0 to 2 and the connected panel's page, nothing selected in their grids.
void Shell::showPanelPages()
{
    model_.setVisiblePanelPage(link_.circuittrobat ? panelPageFor(link_.central) : std::nullopt);
    emit programmingViewShown();
}

// The stream stopped in the programming view: with no run holding the link and no read waiting,
// the changes of the page on top are written.
void Shell::startWaitingPageWrite()
{
    if (writeEngine_.running() || writeEngine_.camp_final() != 0 || link_.llegir || link_.llegirpag)
        return;
    writeEngine_.BBGravarPagClick(model_.activePage());
}

void Shell::MIIDefecteClick()
{
    if (link_.tempsActu > 0)
        return;
    if (link_.bidiCentral) {
        prompter_.ElMeuMessageDlg(dialog::warning(tr("Central en telecontrol\rNo se puede acceder a la programación")));
        return;
    }
    if (!lock_.allowsProgramming())
        return;
    if (!views_.isShown(View::Programacio)) {
        views_.setPanelmostrat(View::Programacio);
        showPanelPages();
    }
    const DialogResult answer = prompter_.ElMeuMessageDlg(dialog::confirmation(
        tr("Se borrarán los valores actuales y se restaurarán los valores de fábrica\r\n\r\n¿Está  usted de acuerdo?")));
    if (answer != DialogResult::No)
        writeEngine_.GravarperDefecte();
}

void Shell::MIIComunicacioLocalClick()
{
    channel_.endRemoteSession();
    channel_.activate(channel_.serial());
    if (!views_.isShown(View::LlistaCircuits))
        CCBPortChange();
    link_.comunicacioLocal = true;
    emit localLinkSelected();
}

} // namespace quelta
