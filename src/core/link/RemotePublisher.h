#pragma once

#include <QString>

namespace quelta {

// The device's command topics on the MQTT server: configuration and device commands, and the
// commands of the fire-panel status screens.
enum class RemoteTopic { Cfg, Sts };

// The remote side of the link: publishes a command to one of the device's topics and ends the
// session. The MQTT session implements it.
class RemotePublisher
{
public:
    virtual ~RemotePublisher() = default;
    virtual void Publica_MQTT(RemoteTopic topic, const QString &payload) = 0;
    virtual void DesconnectarMQTT() = 0;
};

} // namespace quelta
