#include "core/session/DiagnosticConsole.h"

#include "core/base/DiagnosticTrace.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"

namespace quelta {

DiagnosticConsole::DiagnosticConsole(DiagnosticTrace &trace, LinkState &link, CommandChannel &channel, QObject *parent)
    : QObject(parent)
    , trace_(trace)
    , link_(link)
    , channel_(channel)
{
    connect(&trace_, &DiagnosticTrace::settingsChanged, this, &DiagnosticConsole::stateChanged);
}

bool DiagnosticConsole::pararRed() const
{
    return trace_.paused();
}

bool DiagnosticConsole::hexa() const
{
    return trace_.hexa();
}

void DiagnosticConsole::FormActivate()
{
    infoRed_ = true;
    if (link_.circuit)
        controlsEnabled_ = true;
    emit stateChanged();
}

bool DiagnosticConsole::sendLocal(const QString &text)
{
    if (!controlsEnabled_ || !link_.isLocal())
        return false;
    channel_.escriu_port(text);
    return true;
}

void DiagnosticConsole::BEnviarModulClick(const QString &text)
{
    sendLocal(QStringLiteral("\rmv=") + text + QLatin1Char('\r'));
}

void DiagnosticConsole::BEnviarQueltaClick(const QString &text)
{
    // Framed for the serial port, or published on the command topic of a remote session.
    if (controlsEnabled_)
        channel_.sendCommand(text);
}

void DiagnosticConsole::BEsborrarREportSerieClick()
{
    trace_.clear();
}

void DiagnosticConsole::BPararREportSerieClick()
{
    trace_.setPaused(!trace_.paused());
}

void DiagnosticConsole::CBHexaClick(bool checked)
{
    trace_.setHexa(checked);
}

void DiagnosticConsole::BInfoClick()
{
    if (!sendLocal(infoRed_ ? QStringLiteral("\rqz+inf\r") : QStringLiteral("\rqz+Inf\r")))
        return;
    infoRed_ = !infoRed_;
    emit stateChanged();
}

void DiagnosticConsole::BGsmClick()
{
    if (!sendLocal(QStringLiteral("\rqz+Sgsm\r")))
        return;
    gsmRed_ = !gsmRed_;
    emit stateChanged();
}

void DiagnosticConsole::BUartClick()
{
    if (!sendLocal(uartRed_ ? QStringLiteral("\rqz+Nuar\r") : QStringLiteral("\rqz+Suar\r")))
        return;
    uartRed_ = !uartRed_;
    emit stateChanged();
}

void DiagnosticConsole::BTestClick()
{
    sendLocal(QStringLiteral("\rqz+POL\r"));
}

} // namespace quelta
