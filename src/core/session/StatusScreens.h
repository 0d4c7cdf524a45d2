#pragma once

#include "core/session/EventHistoryScreen.h"
#include "core/status/BlinkEngine.h"
#include "core/status/CloudStatus.h"
#include "core/status/DeviceEventLog.h"
#include "core/status/DoorsScreen.h"
#include "core/status/ServiceClicks.h"
#include "core/status/StatusCloud.h"
#include "core/status/StatusFrameDecoder.h"
#include "core/status/StatusScreen.h"

#include <QObject>

namespace quelta {

class CommandChannel;
class ConfigurationModel;
class DeviceSession;
class ProgramContext;

// The live screens of the device: the status frames decoded into the status screen, its event log
// and doors, the lamps' blinking and the service gestures, with the cloud as they see it.
class StatusScreens : public QObject
{
    Q_OBJECT
public:
    StatusScreens(ProgramContext &context, DeviceSession &device, ConfigurationModel &model, QObject *parent = nullptr);

    StatusScreen &statusScreen() { return statusScreen_; }
    DeviceEventLog &eventLog() { return eventLog_; }
    DoorsScreen &doors() { return doors_; }
    StatusFrameDecoder &decoder() { return decoder_; }
    BlinkEngine &blinkEngine() { return blinkEngine_; }
    ServiceClicks &serviceClicks() { return serviceClicks_; }
    StatusCloud &statusCloud() { return statusCloud_; }
    EventHistoryScreen &history() { return history_; }

    // "Reset" restarts the device; "Envío a la CRA" has it send a test report to its receiving
    // centres. One command each, on the configuration topic of a remote session.
    void BBResetClick();
    void BBCRAClick();

    // A door controller shows its doors where a fire panel shows its screen.
    bool doorsShown() const;
    // Back to the screens without a device.
    void clear();

signals:
    // The panel type, or whether panel screens are allowed, may have changed.
    void panelScreenChanged();
    void connectionEstablished();

private:
    const LinkState &link_;
    CommandChannel &channel_;
    CloudStatus statusCloud_;
    StatusScreen statusScreen_;
    DeviceEventLog eventLog_;
    DoorsScreen doors_;
    StatusFrameDecoder decoder_;
    BlinkEngine blinkEngine_;
    ServiceClicks serviceClicks_;
    EventHistoryScreen history_;
};

} // namespace quelta
