// quelta-cli's telecontrol relay: the panel maker's PC program (AGE44) reaches an Aguilera panel
// through the remote device, by the window's own relay, until the run is interrupted.
#include "CliSession.h"

#include "QuitOnSignals.h"

#include "core/base/DiagnosticTrace.h"
#include "core/session/Telecontrol.h"

#include <QCoreApplication>
#include <QTime>

namespace quelta::cli {
namespace {

// One chunk as the diagnostic console renders bytes: the time, the direction and each byte in
// hexadecimal.
QString chunkLine(const char *direction, const QByteArray &bytes)
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz")) + QLatin1Char(' ')
        + DiagnosticTrace::hexRendering(QLatin1String(direction) + QStringLiteral(": ") + QString::fromLatin1(bytes));
}

} // namespace

int CliSession::bidi()
{
    const LinkState &link = device().link();
    if (!isAguilera(panelFamily(link.central)))
        return fail(NoDevice, QStringLiteral("the device's panel (%1) has no telecontrol link: only AE/SA, AGE and AE/C5 have one")
                                  .arg(link.central.isEmpty() ? QStringLiteral("none") : link.central));
    ConfigInicial &settings = shell_->context().settings().values();
    if (!options_.listenAddress.isEmpty()) {
        settings.ipTelecontrol = options_.listenAddress;
        settings.portTelecontrol = options_.listenPort;
    }
    Telecontrol telecontrol(shell_->context(), device(), screens(), panels(), screens().statusCloud());
    TelecontrolRelay &relay = telecontrol.relay();
    if (!relay.ConnexioAGE44())
        return fail(NoDevice, QStringLiteral("cannot listen on %1:%2").arg(settings.ipTelecontrol, settings.portTelecontrol));
    err_ << "listening on " << settings.ipTelecontrol << ':' << relay.serverPort() << Qt::endl;

    QObject::connect(&relay, &TelecontrolRelay::clientConnected, &relay,
                     [this](const QString &peer) { err_ << "AGE44 connected: " << peer << Qt::endl; });
    QObject::connect(&relay, &TelecontrolRelay::clientDisconnected, &relay,
                     [this](const QString &peer) { err_ << "AGE44 disconnected: " << peer << Qt::endl; });
    QObject::connect(&relay, &TelecontrolRelay::clientBytes, &relay,
                     [this](const QByteArray &bytes) { out_ << chunkLine("AGE44 -> panel", bytes) << Qt::endl; });
    QObject::connect(&relay, &TelecontrolRelay::panelBytes, &relay,
                     [this](const QByteArray &bytes) { out_ << chunkLine("panel -> AGE44", bytes) << Qt::endl; });
    // The device lost ends the run; the relay has let its client go by then.
    const auto lost = [] { QCoreApplication::exit(NoDevice); };
    QObject::connect(&device().supervisor(), &LinkSupervisor::connectionEnded, &relay, lost);
    QObject::connect(&device(), &DeviceSession::remoteSessionLost, &relay, lost);
    QObject::connect(&screens().decoder(), &StatusFrameDecoder::telecontrolDisconnectRequested, &relay, lost);

    tools::quitOnSignals(*QCoreApplication::instance());
    const int code = QCoreApplication::exec();
    telecontrol.closeClient();
    if (code != Ok)
        return fail(code, QStringLiteral("the device's link was lost"));
    return Ok;
}

} // namespace quelta::cli
