#include "core/update/UpdateSession.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/InternetCheck.h"
#include "core/base/Prompter.h"
#include "core/base/StatusBar.h"
#include "core/base/ViewState.h"
#include "core/codecs/CheckedText.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/LinkSupervisor.h"
#include "core/link/ProgrammingLock.h"
#include "core/link/ReplyDispatcher.h"


namespace quelta::update {
namespace {

QString caption() { return UpdateSession::tr("ACTUALIZACION"); }

DialogRequest timed(DialogType type, const QString &caption, const QString &text, int seconds,
                    const QString &button = dialog::cerrar())
{
    return {caption, text, type, {DialogResult::Ok}, {button}, seconds};
}

// The device codes that report a bad frame and let the update go on, with their label text.
QString frameErrorText(int code)
{
    switch (code) {
    case 0xFF0: return UpdateSession::tr("Error Time Out -> trama: ");
    case 0xFF1: return UpdateSession::tr("Error en el inicio de la trama: ");
    case 0xFF2: return UpdateSession::tr("Error al final de la trama: ");
    case 0xFFC: return UpdateSession::tr("Error CRC de la trama: ");
    default: return {};
    }
}

constexpr int kFinished = 0xFFF;
constexpr int kImageCrcFailed = 0xFFE;
constexpr int kFirstStatusCode = 0xFF0;

} // namespace

UpdateSession::UpdateSession(const Links &links, const Screen &screen, QObject *parent)
    : QObject(parent)
    , links_(links)
    , screen_(screen)
{
    lineTimer_.setSingleShot(true);
    connect(&lineTimer_, &QTimer::timeout, this, &UpdateSession::writeNextLine);
    connect(&listing_, &ListingExchange::finished, this, &UpdateSession::takeListingAnswer);
    connect(&connection_, &UpdateConnection::opened, this, [this] {
        links_.supervisor.stopSupervision();
        escriu_TCPActu(startRequest(links_.link.identConnectar, requestFields_ ? requestFields_().userId : QString(),
                                    versioActu_));
        // A server that never accepts must not hold the program: the watchdog runs from here.
        links_.link.tempsActu = kWatchdogTicks;
    });
    connect(&connection_, &UpdateConnection::failed, this, &UpdateSession::connectionFailed);
    connect(&connection_, &UpdateConnection::frameReceived, this, &UpdateSession::DadesRebudesTCPActu);
    connect(&links_.dispatcher, &ReplyDispatcher::updateRelayLine, this,
            [this](const QString &line) { escriu_TCPActu(checked::toBytes(line)); });
}

bool UpdateSession::busy() const
{
    return listing_.running() || links_.link.updateConnection;
}

QString UpdateSession::versionLine() const
{
    return tr("VERSION : ") + shownVersion(versioActu_) + QStringLiteral("\r\n\r\n");
}

// --- Opening the view and listing --------------------------------------------------------------

void UpdateSession::BBActualitzarClick()
{
    LinkState &link = links_.link;
    if (link.updateRunning())
        return;
    Prompter &prompter = screen_.prompter;
    if (!screen_.internet.isOnline()) {
        emit offline();
        prompter.ElMeuMessageDlg(timed(DialogType::Warning, dialog::atencio(), tr("No hay conexión a internet"), 5,
                                       dialog::aceptar()));
        return;
    }
    if (!link.circuit) {
        prompter.ElMeuMessageDlg(dialog::warning(tr(" No hay ningún equipo conectado"), 5));
        return;
    }
    if (link.protegit) {
        screen_.views.setPanelmostrat(View::Estat);
        links_.lock.allowsProgramming();
        return;
    }
    allVersionsButton_ = false;
    copyDeviceVersions();
    if (!link.firmware.isEmpty() && !link.hardware.isEmpty()) {
        BBuscarVersionsClick();
        return;
    }
    askDeviceVersions();
    prompter.ElMeuMessageDlg(timed(DialogType::Warning, caption(), tr(" No hay ningún equipo conectado"), 5));
}

void UpdateSession::openFromServiceClicks()
{
    if (!links_.link.circuit || links_.link.updateRunning())
        return;
    copyDeviceVersions();
    InicialitzaSGVersions();
    allVersionsButton_ = true;
    screen_.views.setPanelmostrat(View::Actualitzacions);
    emit changed();
}

void UpdateSession::copyDeviceVersions()
{
    firmwareShown_ = links_.link.firmware;
    hardwareShown_ = links_.link.hardware;
    emit changed();
}

// The versions come with the extended version reply; supervision takes it.
void UpdateSession::askDeviceVersions()
{
    links_.link.espero = QStringLiteral("+vEr");
    if (links_.link.isLocal())
        links_.channel.escriu_port(CommandChannel::localFrame(QStringLiteral("vEr")));
    else
        links_.channel.sendCommand(QStringLiteral("vEr"));
    links_.supervisor.startSupervision(1000);
}

void UpdateSession::InicialitzaSGVersions()
{
    versions_.clear();
    progressVisible_ = false;
    emit changed();
}

void UpdateSession::BBuscarVersionsClick()
{
    if (busy())
        return;
    InicialitzaSGVersions();
    if (!links_.link.circuittrobat) {
        firmwareShown_.clear();
        hardwareShown_.clear();
        finishListing({false, dialog::atencio(), tr(" No hay ningún equipo conectado")},
                      timed(DialogType::Information, dialog::atencio(), tr(" No hay ningún equipo conectado"), 5));
        return;
    }
    DeviceForUpdate device = requestFields_ ? requestFields_() : DeviceForUpdate();
    device.identifier = links_.link.identConnectar;
    device.firmware = links_.link.firmware;
    device.hardware = links_.link.hardware;
    listing_.start(server_, listingRequest(device));
    emit changed();
}

void UpdateSession::takeListingAnswer(const QByteArray &answer, const std::optional<ConnectionError> &error)
{
    if (error) {
        showListingFailure(*error);
        return;
    }
    const QString text = checked::fromBytes(answer);
    if (ComprovaCRC32(text) != 3) {
        const QString message = tr("Los datos recibidos para la actualización son incorrectos");
        finishListing({false, caption(), message}, timed(DialogType::Error, caption(), message, 8));
        return;
    }
    const ListingAnswer listing = parseListingAnswer(text, links_.link.identConnectar);
    switch (listing.kind) {
    case ListingAnswer::Kind::NoMarker: {
        const QString message = tr("No se ha podido conectar a internet");
        finishListing({false, caption(), message}, timed(DialogType::Error, caption(), message, 8));
        return;
    }
    case ListingAnswer::Kind::ErrorText: {
        const QString errorCaption = tr("ERROR EN LA ACTUALIZACION");
        finishListing({false, errorCaption, listing.errorText},
                      timed(DialogType::Error, errorCaption, listing.errorText, 8));
        return;
    }
    case ListingAnswer::Kind::Empty: {
        const QString message = tr(" No hay una nueva actualización");
        finishListing({true, dialog::atencio(), message}, timed(DialogType::Information, dialog::atencio(), message, 5));
        return;
    }
    case ListingAnswer::Kind::List: break;
    }
    versions_ = listing.versions;
    screen_.views.setResultText(QString());
    screen_.views.setPanelmostrat(View::Actualitzacions);
    emit changed();
    emit listingFinished({true, {}, {}});
}

void UpdateSession::showListingFailure(const ConnectionError &error)
{
    QString message;
    switch (error.kind) {
    case Failure::Refused:
    case Failure::TimedOut: message = tr("No se ha encontrado ninguna actualización"); break;
    case Failure::ConnectTimedOut: message = tr("No se ha podido establecer la comunicación con el servidor\r\n"); break;
    case Failure::Unreachable: message = tr("No hay conexión a internet"); break;
    case Failure::NotConnected:
    case Failure::Other: message = tr("Error en la conexión TCP: ") + QStringLiteral("\r\n") + error.text; break;
    }
    finishListing({false, caption(), message}, timed(DialogType::Error, caption(), message, 5));
}

void UpdateSession::finishListing(const Outcome &outcome, const DialogRequest &dialog)
{
    emit changed();
    emit listingFinished(outcome);
    screen_.prompter.ElMeuMessageDlg(dialog);
}

// --- The update ----------------------------------------------------------------------------------

void UpdateSession::SGVersionsDblClick(int row)
{
    if (busy() || row < 0 || row >= versions_.size())
        return;
    const FirmwareVersion &chosen = versions_.at(row);
    versioActu_ = chosen.version + QLatin1Char('(') + chosen.description + QLatin1Char(')');
    ConnectarTCPAsinActu();
}

void UpdateSession::ConnectarTCPAsinActu()
{
    links_.link.updateConnection = true;
    screen_.trace.Escriure_REPortserie(QStringLiteral(" Connectar TCP Actualització"));
    emit changed();
    connection_.open(server_, kConnectTimeoutMs);
}

void UpdateSession::connectionFailed(const ConnectionError &error)
{
    links_.link.updateConnection = false;
    const QString message = error.kind == Failure::Refused
        ? tr("No se ha podido establecer la comunicación con el servidor de actualizaciones\r\nCompruebe que el puerto del PC esté abierto para recibir datos")
        : tr("Error de conexión con el servidor de actualizaciones: ") + error.text;
    finishUpdate({false, caption(), message}, timed(DialogType::Error, caption(), message, 5));
}

int UpdateSession::ComprovaCRC32(const QString &text)
{
    switch (checked::verify(checked::toBytes(text))) {
    case checked::Check::NoSeparator: IntCRC32_ = 0; break;
    case checked::Check::Matches: IntCRC32_ = 3; break;
    case checked::Check::Differs: --IntCRC32_; break;
    }
    return IntCRC32_;
}

// A checked text from the server, or a firmware block for the device.
void UpdateSession::DadesRebudesTCPActu(const QByteArray &bytes)
{
    // Once an error is posted the update ends on the next tick: nothing more revives it.
    if (!msgerrorActu_.isEmpty())
        return;
    const QString text = checked::fromBytes(bytes);
    if (!text.contains(QLatin1String("+U"))) {
        if (ComprovaCRC32(text) == 3) {
            RebutIPActu(text);
        } else if (ComprovaCRC32(text) <= 0) {
            msgerrorActu_ = tr("La información recibida del servidor de actualizaciones es incorrecta\r\nSe cierra la conexión");
            links_.link.tempsActu = kErrorPosted;
        } else {
            screen_.trace.Escriure_REPortserie(QStringLiteral(" CRC no coincideix: ") + text);
        }
        return;
    }
    packactual_ = codeAfterU(text);
    if (packactual_ < totalpack_)
        showBlock(tr("Envío ... (Bloque ") + QString::number(packactual_ + 1) + QStringLiteral(" / ")
                  + QString::number(totalpack_) + QLatin1Char(')'));
    links_.channel.sendBytes(bytes);
}

void UpdateSession::RebutIPActu(const QString &text)
{
    const std::optional<Acceptance> acceptance = findAcceptance(text);
    if (!acceptance)
        return;
    if (!acceptance->accepted) {
        msgerrorActu_ = acceptance->errorText;
        links_.link.tempsActu = kErrorPosted;
        return;
    }
    links_.channel.sendBytes(checked::split(checked::toBytes(text)).text);
    links_.link.tempsActu = kWatchdogTicks;
    midafitxer_ = acceptance->fileSize;
    screen_.trace.Escriure_REPortserie(QStringLiteral(" El fitxer ") + shownVersion(versioActu_) + QStringLiteral(" té ")
                                       + QString::number(midafitxer_) + QStringLiteral(" bytes"));
    totalpack_ = totalPacks(midafitxer_, acceptance->blockSize);
    progressText_ = versionLine() + tr(" Iniciando la actualización ...");
    progressVisible_ = true;
    setProgress(0);
}

// Texts leave in their order, each after its wait, and only while the update connection is up.
void UpdateSession::escriu_TCPActu(const QByteArray &bytes)
{
    pendingLines_.append(bytes);
    if (!lineTimer_.isActive())
        lineTimer_.start(kLineWaitMs);
}

void UpdateSession::writeNextLine()
{
    if (pendingLines_.isEmpty())
        return;
    const QByteArray bytes = pendingLines_.takeFirst();
    if (!links_.link.updateConnection) {
        pendingLines_.clear();
        return;
    }
    if (!connection_.send(bytes)) {
        writeFailed(connection_.lastError());
        return;
    }
    actOnDeviceCode(checked::fromBytes(bytes));
    if (!pendingLines_.isEmpty() && links_.link.updateConnection)
        lineTimer_.start(kLineWaitMs);
}

void UpdateSession::actOnDeviceCode(const QString &text)
{
    if (!text.contains(QLatin1String("+U")))
        return;
    const int code = codeAfterU(text);
    if (!text.contains(QLatin1String("+UFF"))) {
        packactual_ = code;
        if (packactual_ < totalpack_)
            showBlock(tr("Petición bloque ") + QString::number(packactual_ + 1) + QStringLiteral(" / ")
                      + QString::number(totalpack_));
        return;
    }
    if (code == kFinished || code == kImageCrcFailed) {
        deviceRebooting();
        const QString message = QStringLiteral("\r\n") + tr("Quelta actualizado a la versión ") + shownVersion(versioActu_);
        if (code == kFinished)
            finishUpdate({true, caption(), message}, timed(DialogType::Information, caption(), message, 0));
        else
            finishUpdate({false, tr("ACTUALIZACION DEL QUELTA: FALLO DE CRC"), message},
                         timed(DialogType::Warning, tr("ACTUALIZACION DEL QUELTA: FALLO DE CRC"), message, 0));
        return;
    }
    if (const QString frameError = frameErrorText(code); !frameError.isEmpty()) {
        showBlock(frameError + QString::number(packactual_));
        return;
    }
    if (code >= kFirstStatusCode) {
        delay(kEndWaitMs);
        DesconnectarTCPAsinActu();
        linkReset();
        finishUpdate({false, {}, tr("El equipo ha terminado la actualización: ") + text.trimmed()}, {});
    }
}

void UpdateSession::writeFailed(const ConnectionError &error)
{
    DesconnectarTCPAsinActu();
    linkReset();
    const QString errorCaption = tr("ACTUALIZACION DEL QUELTA: ERROR GRAVE");
    QString message;
    if (error.kind == Failure::Refused)
        message = tr("Se ha perdido la comunicación con el servidor de Actualizaciones");
    else if (error.kind == Failure::NotConnected)
        message = tr("No se ha podido establecer la comunicación con el servidor de actualizaciones\r\nCompruebe que el puerto del PC esté abierto para recibir datos");
    else
        message = tr("Error de conexión con el servidor de actualizaciones: ") + QStringLiteral("\r\n") + error.text;
    finishUpdate({false, errorCaption, message}, timed(DialogType::Error, errorCaption, message, 0));
}

void UpdateSession::showBlock(const QString &what)
{
    progressText_ = versionLine() + what;
    setProgress(packactual_ + 1);
}

void UpdateSession::setProgress(int value)
{
    progress_ = value;
    emit changed();
}

void UpdateSession::BDesconnectarTCPActuClick()
{
    if (!links_.link.updateRunning())
        return;
    DesconnectarTCPAsinActu();
    linkReset();
    finishUpdate({false, {}, tr("Actualización interrumpida")}, {});
}

void UpdateSession::DesconnectarTCPAsinActu()
{
    screen_.trace.Escriure_REPortserie(QStringLiteral(" Desconnecta TCP Actualitzacions "));
    links_.link.updateConnection = false;
    links_.link.tempsActu = 0;
    pendingLines_.clear();
    lineTimer_.stop();
    progressVisible_ = false;
    screen_.views.setPanelmostrat(View::Estat);
    connection_.close();
    emit changed();
}

// The device restarts with its new firmware: it is looked for again once it is back.
void UpdateSession::deviceRebooting()
{
    delay(kEndWaitMs);
    DesconnectarTCPAsinActu();
    delay(kEndWaitMs);
    LinkState &link = links_.link;
    if (link.isLocal()) {
        link.circuit = link.circuittrobat = false;
        link.StrCom.clear();
        links_.supervisor.startSupervision(3000);
    } else {
        links_.channel.endRemoteSession();
    }
}

// After a failed update the link starts afresh: the port is reopened and the device looked for,
// or the remote session is closed.
void UpdateSession::linkReset()
{
    LinkState &link = links_.link;
    if (link.isLocal()) {
        link.circuit = link.circuittrobat = false;
        link.StrCom.clear();
        links_.supervisor.reopenAndIdentify(100);
    } else {
        links_.channel.endRemoteSession();
    }
}

void UpdateSession::TimerLedsTick()
{
    LinkState &link = links_.link;
    if (link.tempsActu <= 0)
        return;
    --link.tempsActu;
    if (link.tempsActu != kErrorPosted - 1 && link.tempsActu != 0)
        return;
    const bool silent = link.tempsActu == 0;
    DesconnectarTCPAsinActu();
    if (silent) {
        delay(kEndWaitMs);
        msgerrorActu_ = tr("Se ha cortado la comunicación entre el equipo Quelta y el servidor de actualizaciones");
    }
    linkReset();
    const QString message = tr("ERROR EN LA ACTUALIZACION") + QStringLiteral("\r\n") + std::exchange(msgerrorActu_, QString());
    finishUpdate({false, dialog::error(), message}, timed(DialogType::Error, dialog::error(), message, 5));
}

void UpdateSession::finishUpdate(const Outcome &outcome, const DialogRequest &dialog)
{
    emit changed();
    emit updateFinished(outcome);
    if (!dialog.message.isEmpty())
        screen_.prompter.ElMeuMessageDlg(dialog);
}

} // namespace quelta::update
