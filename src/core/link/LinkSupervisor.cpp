#include "core/link/LinkSupervisor.h"

#include "core/base/Prompter.h"
#include "core/base/StatusBar.h"
#include "core/base/TransferActivity.h"
#include "core/base/ViewState.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"

#include <utility>

namespace quelta {

QString cleanVersionField(const QString &field)
{
    const QString trimmed = field.trimmed();
    const qsizetype close = trimmed.indexOf(QLatin1Char('>'));
    // A field sent between angle brackets keeps what is inside them.
    return close >= 0 ? trimmed.mid(1, close - 1) : trimmed;
}

std::optional<VersionReply> parseVersionReply(const QString &line)
{
    for (const bool extended : {false, true}) {
        const QLatin1String tag = extended ? QLatin1String("+vEr:") : QLatin1String("+ver:");
        const qsizetype at = line.indexOf(tag);
        if (at < 0)
            continue;
        VersionReply reply{extended, {}};
        const QStringList raw = line.mid(at + tag.size()).split(QLatin1Char(','));
        for (const QString &field : raw)
            reply.fields.append(cleanVersionField(field));
        return reply;
    }
    return std::nullopt;
}

LinkSupervisor::LinkSupervisor(LinkState &link, CommandChannel &channel, StatusBar &statusBar,
                               TransferActivity &activity, ViewState &views, Prompter &prompter,
                               std::function<QString()> windowTitle, QObject *parent)
    : QObject(parent)
    , link_(link)
    , channel_(channel)
    , statusBar_(statusBar)
    , activity_(activity)
    , views_(views)
    , prompter_(prompter)
    , windowTitle_(std::move(windowTitle))
{
    TimerCircuit.setObjectName(QStringLiteral("TimerCircuit"));
    TimerCircuit.setInterval(5000);
    TimerLeds.setObjectName(QStringLiteral("TimerLeds"));
    connect(&TimerCircuit, &QTimer::timeout, this, &LinkSupervisor::TimerCircuitTimer);
    connect(&TimerLeds, &QTimer::timeout, this, &LinkSupervisor::TimerLedsTimer);
}

void LinkSupervisor::start()
{
    TimerLeds.start(scaled(100));
}

void LinkSupervisor::setState(SessionState state)
{
    statusBar_.showLinkState(state == SessionState::Connected ? StatusBar::kConectat : StatusBar::kSinConexio);
    if (state == state_)
        return;
    state_ = state;
    emit stateChanged(state);
}

void LinkSupervisor::setTimeDivisor(int divisor)
{
    timeDivisor_ = divisor;
    TimerCircuit.setInterval(scaled(5000));
}

void LinkSupervisor::startSupervision(int intervalMs)
{
    TimerCircuit.start(std::max(1, scaled(intervalMs)));
}

void LinkSupervisor::stopSupervision()
{
    TimerCircuit.stop();
}

void LinkSupervisor::wait(int milliseconds) const
{
    if (settlingPauses_)
        delay(scaled(milliseconds));
}

// A whole-device read streams its answers with no timer of its own: its wildcard marks it.
bool LinkSupervisor::transferRunning() const
{
    return link_.puntercamp == QLatin1String("xxx")
        || std::any_of(transferTimers_.cbegin(), transferTimers_.cend(), [](const QTimer *timer) { return timer->isActive(); });
}

bool LinkSupervisor::remoteSide() const
{
    return !link_.connex_remota.isEmpty() || !link_.comunicacioLocal;
}

void LinkSupervisor::TimerCircuitTimer()
{
    // A poll answer still on its way when a transfer starts wakes this timer again: the transfer
    // owns the link and its answers, and hands it back when it ends.
    if (transferRunning()) {
        stopSupervision();
        return;
    }
    startSupervision(5000);
    if (!pendingVersionReply_.isEmpty())
        link_.StrCom = std::exchange(pendingVersionReply_, QString());
    if (!link_.StrCom.isEmpty() && !link_.StrCom.contains(QLatin1String("{#"))) {
        lookAtReply();
    } else {
        if (!link_.espero.isEmpty() && link_.vegades_espero > 0) {
            --link_.vegades_espero;
            if (link_.isLocal())
                startSupervision(1000);
        }
        if (transferRunning() || !link_.inf)
            return;
        poll();
    }
    link_.StrCom.clear();
    if (link_.vegades_espero == 0) {
        declareLost();
        // A remote device that never answered its probe is given up with its session.
        if (link_.isRemote() && !link_.circuittrobat)
            channel_.endRemoteSession();
    }
    if (link_.circuit) {
        if (!link_.circuittrobat || state_ != SessionState::Connected)
            establishConnection();
        else if (views_.isShown(View::Estat))
            keepStreamAlive();
    } else if (link_.circuittrobat) {
        endConnection();
    } else {
        link_.protegit = false;
    }
}

void LinkSupervisor::lookAtReply()
{
    if (const std::optional<VersionReply> reply = parseVersionReply(link_.StrCom)) {
        handleVersionReply(*reply);
    } else if (link_.StrCom.contains(QLatin1String("+inf:"))) {
        link_.inf = false;
        if (views_.isShown(View::Programacio))
            emit streamStopped();
    }
}

void LinkSupervisor::handleVersionReply(const VersionReply &reply)
{
    if (reply.extended)
        takeVEr(reply.fields);
    else if (reply.fields.size() == 3)
        takeVer(reply.fields);
    link_.circuit = true;
}

void LinkSupervisor::takeVer(const QStringList &fields)
{
    if (fields.at(0).contains(QLatin1String("Quelta_v8.7"))) {
        link_.firmware = fields.at(0);
    } else {
        prompter_.ElMeuMessageDlg({windowTitle_(),
                                   tr("\tCONFLICTO DE HARDWARE\r\n\r\nEste circuito no puede leerse con este programa\r\n"),
                                   DialogType::Error, {DialogResult::Ok}, {dialog::cerrar()}, 5});
    }
    link_.identConnectar = fields.at(1);
    link_.central = fields.at(2);
    emit identityChanged();
}

// Fewer than four fields: what is there is taken, and the parts stay as they were.
void LinkSupervisor::takeVEr(const QStringList &fields)
{
    QString *const targets[] = {&link_.firmware, &link_.identConnectar, &link_.hardware, &link_.PartsActives};
    for (qsizetype i = 0; i < std::min<qsizetype>(fields.size(), 4); ++i)
        *targets[i] = fields.at(i);
    emit identityChanged();
    if (fields.size() >= 4 && link_.PartsActives.size() == 4)
        emit partsMaskApplied(link_.PartsActives);
}

void LinkSupervisor::choosePoll(QString &body)
{
    const bool known = !link_.firmware.isEmpty() && !link_.hardware.isEmpty();
    body = known ? QStringLiteral("ver") : QStringLiteral("vEr");
    link_.espero = QLatin1Char('+') + body;
}

void LinkSupervisor::poll()
{
    if (remoteSide())
        pollRemote();
    else if (!channel_.serial().portName().isEmpty())
        pollLocal();
}

void LinkSupervisor::pollRemote()
{
    QString body;
    choosePoll(body);
    if (link_.isRemote())
        channel_.sendCommand(body);
}

void LinkSupervisor::pollLocal()
{
    emit portListChanged();
    bool ok = true;
    if (!channel_.serial().isOpen()) {
        ok = channel_.serial().open();
        link_.circuittrobat = false;
    }
    QString body;
    choosePoll(body);
    ok = ok && channel_.escriu_port(CommandChannel::localFrame(body));
    if (!ok) {
        link_.circuit = false;
        statusBar_.setPanel(1, tr(" No se puede acceder al puerto :") + channel_.serial().portName());
        statusBar_.hideProgress();
    }
}

void LinkSupervisor::declareLost()
{
    link_.circuit = false;
    link_.connex_Quelta_Agui = 0;
    setState(SessionState::NoConnection);
    statusBar_.hideProgress();
}

void LinkSupervisor::establishConnection()
{
    activity_.setRunning(false);
    link_.circuittrobat = true;
    link_.protegit = false;
    setState(SessionState::Connected);
    statusBar_.hideProgress();
    link_.espero = QStringLiteral("+ver");
    if (link_.isLocal()) {
        channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("ver")));
        wait(500);
    }
    channel_.sendCommand(QStringLiteral("INf"));
    BBLlegirEstatClick();
    emit connectionEstablished();
    wait(200);
}

void LinkSupervisor::keepStreamAlive()
{
    if (link_.isRemote()) {
        startSupervision(10000);
    } else if (link_.isLocal()) {
        if (link_.firmware.isEmpty() || link_.hardware.isEmpty()) {
            link_.espero = QStringLiteral("+vEr");
            channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("vEr")));
        } else {
            channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("Inf")));
        }
    }
}

void LinkSupervisor::endConnection()
{
    link_.circuittrobat = false;
    link_.protegit = false;
    activity_.setRunning(false);
    emit clearAllFields();
    link_.central.clear();
    views_.setPanelmostrat(View::Estat);
    if (link_.isRemote())
        channel_.endRemoteSession();
    emit connectionEnded();
}

void LinkSupervisor::versionReplyArrived(const QString &line)
{
    pendingVersionReply_ = line;
    startSupervision(1);
}

void LinkSupervisor::remoteLineArrived()
{
    if (pendingVersionReply_.isEmpty())
        startSupervision(5000);
}

void LinkSupervisor::remoteConnectionLost()
{
    link_.tempsllegir = 0;
    stopSupervision();
    link_.circuit = false;
    link_.connex_Quelta_Agui = 0;
    setState(SessionState::NoConnection);
    statusBar_.hideProgress();
    endConnection();
}

void LinkSupervisor::portWriteFailed()
{
    emit portListChanged();
    link_.circuit = false;
    emit clearAllFields();
}

void LinkSupervisor::BBLlegirEstatClick()
{
    showStatusScreen();
    if (link_.circuit)
        restartStream();
    else if (!remoteSide()) {
        link_.StrCom.clear();
        startSupervision(100);
    }
}

void LinkSupervisor::showStatusScreen()
{
    emit statusScreenShown(state_ == SessionState::Connected);
    views_.setResultText(QString());
    statusBar_.setPanel(1, QString());
    statusBar_.hideProgress();
    activity_.setRunning(false);
    views_.setPanelmostrat(View::Estat);
    link_.plantillaImportada = false;
}

void LinkSupervisor::restartStream()
{
    if (link_.isRemote()) {
        channel_.sendCommand(QStringLiteral("vEr"));
        wait(1000);
        channel_.sendCommand(QStringLiteral("INf"));
        wait(1000);
    } else if (link_.isLocal()) {
        channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("vEr")));
        if (!TimerCircuit.isActive())
            TimerCircuit.start();
        wait(500);
        channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("INf")));
    }
}

void LinkSupervisor::TimerLedsTimer()
{
    for (int *counter : {&link_.tempsTX, &link_.tempsRX, &link_.tempsTXAgui, &link_.tempsRXAgui}) {
        if (*counter > 0)
            --*counter;
    }
    if (link_.tempsllegir > 0 && --link_.tempsllegir == 0)
        watchdogExpired();
    emit ledsTicked();
}

// Ten seconds without a recognised reply.
void LinkSupervisor::watchdogExpired()
{
    if (link_.isRemote()) {
        if (statusBar_.panel(1).contains(QLatin1String("Leyendo"))) {
            statusBar_.setPanel(1, QString());
            statusBar_.hideProgress();
            activity_.setRunning(false);
        }
        return;
    }
    if (!link_.comunicacioLocal || !link_.isLocal())
        return;
    if (link_.circuit)
        prompter_.ElMeuMessageDlg({dialog::error(), tr("Se ha cortado la comunicación con el equipo Quelta"),
                                   DialogType::Error, {DialogResult::Ok}, {dialog::cerrar()}, 5});
    link_.circuit = false;
    link_.circuittrobat = false;
    emit clearAllFields();
    link_.central.clear();
    views_.setPanelmostrat(View::Estat);
    emit connectionEnded();
    reopenAndIdentify();
    activity_.setRunning(false);
    statusBar_.setPanel(1, QString());
    statusBar_.hideProgress();
}

void LinkSupervisor::reopenAndIdentify(int intervalMs)
{
    channel_.serial().open();
    channel_.sendIdentificationRequest();
    startSupervision(intervalMs);
}

} // namespace quelta
