#include "core/session/StatusScreens.h"

#include "core/session/DeviceSession.h"
#include "core/session/ProgramContext.h"

namespace quelta {

StatusScreens::StatusScreens(ProgramContext &context, DeviceSession &device, ConfigurationModel &model,
                             QObject *parent)
    : QObject(parent)
    , link_(device.link())
    , channel_(device.channel())
    , statusCloud_(context.cloud(), device.link())
    , statusScreen_(device.link(), context.statusBar())
    , doors_(device.link(), device.channel(), context.prompter(), statusCloud_, [&context] { return context.online(); })
    , decoder_(device.link(), device.channel(), context.prompter(), context.trace(), context.dictionary(),
               statusScreen_, eventLog_, doors_, statusCloud_, [&context] { return context.online(); })
    , serviceClicks_(eventLog_, model)
    , history_(context, device, doors_)
{
    LinkSupervisor &supervisor = device.supervisor();
    connect(&device.dispatcher(), &ReplyDispatcher::statusFrame, &decoder_, &StatusFrameDecoder::Llegir_In);
    connect(&supervisor, &LinkSupervisor::ledsTicked, &blinkEngine_, &BlinkEngine::TimerLedsTick);
    connect(&supervisor, &LinkSupervisor::partsMaskApplied, &statusScreen_, &StatusScreen::applyPartsMask);
    connect(&supervisor, &LinkSupervisor::identityChanged, &statusScreen_, &StatusScreen::writeDeviceIdentity);
    connect(&supervisor, &LinkSupervisor::identityChanged, &eventLog_, &DeviceEventLog::leaveSnapshot);
    connect(&supervisor, &LinkSupervisor::identityChanged, this, &StatusScreens::panelScreenChanged);
    connect(&supervisor, &LinkSupervisor::connectionEstablished, this, &StatusScreens::connectionEstablished);
    connect(&decoder_, &StatusFrameDecoder::panelTypeChanged, this, &StatusScreens::panelScreenChanged);
    connect(&statusScreen_, &StatusScreen::panelScreensAllowedChanged, this, &StatusScreens::panelScreenChanged);
}

void StatusScreens::BBResetClick()
{
    channel_.sendCommand(QStringLiteral("rst"), RemoteTopic::Cfg);
}

void StatusScreens::BBCRAClick()
{
    channel_.sendCommand(QStringLiteral("cra"), RemoteTopic::Cfg);
}

bool StatusScreens::doorsShown() const
{
    return statusScreen_.panelScreensAllowed() && link_.central.contains(QLatin1String("Puertas"));
}

void StatusScreens::clear()
{
    eventLog_.clear();
    statusScreen_.clear();
    doors_.clear();
    emit panelScreenChanged();
}

} // namespace quelta
