#include "core/link/ProgrammingLock.h"

#include "core/base/Prompter.h"
#include "core/base/StatusBar.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"

namespace quelta {
namespace {

constexpr qsizetype kMinimumCodeLength = 6;

DialogRequest notice(const QString &message, int seconds)
{
    return {dialog::atencio(), message, DialogType::Information, {DialogResult::Ok}, {dialog::cerrar()}, seconds};
}

} // namespace

ProgrammingLock::ProgrammingLock(LinkState &link, CommandChannel &channel, StatusBar &statusBar, Prompter &prompter,
                                 QObject *parent)
    : QObject(parent)
    , link_(link)
    , channel_(channel)
    , statusBar_(statusBar)
    , prompter_(prompter)
{
}

bool ProgrammingLock::allowsProgramming()
{
    if (link_.updateRunning())
        return false;
    if (link_.bidiCentral) {
        prompter_.ElMeuMessageDlg(dialog::warning(tr("Central en telecontrol\rNo se puede acceder a la programación")));
        return false;
    }
    if (!link_.protegit)
        return true;
    statusBar_.setPanel(1, QString());
    statusBar_.hideProgress();
    emit accessCodeRequested();
    return false;
}

bool ProgrammingLock::BBDesbloqueigAcceptarClick(const QString &code)
{
    if (code.size() < kMinimumCodeLength) {
        DialogRequest tooShort = notice(tr("\r\nCódigo demasiado corto. Mínimo 6 caracteres\r\n"), 5);
        tooShort.type = DialogType::Error;
        prompter_.ElMeuMessageDlg(tooShort);
        return false;
    }
    // Locally the code line has no closing CR: the leading CR of the stream-on command ends it.
    if (link_.isLocal())
        channel_.escriu_port(QStringLiteral("\rqz+cdp=") + code);
    else
        channel_.sendCommand(QStringLiteral("cdp=") + code);
    prompter_.ElMeuMessageDlg(notice(tr("\r\nComprobando el código de acceso ... \r\n"), 1));
    channel_.sendCommand(QStringLiteral("INf"));
    return true;
}

void ProgrammingLock::BBDesbloqueigCancellarClick()
{
    link_.protegit = true;
}

} // namespace quelta
