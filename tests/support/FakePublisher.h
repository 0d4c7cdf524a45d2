#pragma once

#include "core/link/RemotePublisher.h"

#include <QList>
#include <QString>

namespace quelta::test {

// Keeps what would have been published to the MQTT server.
class FakePublisher : public RemotePublisher
{
public:
    struct Message
    {
        RemoteTopic topic;
        QString payload;
    };
    QList<Message> published;
    int disconnections = 0;

    void Publica_MQTT(RemoteTopic topic, const QString &payload) override { published.append({topic, payload}); }
    void DesconnectarMQTT() override { ++disconnections; }

    QStringList payloads() const
    {
        QStringList list;
        for (const Message &message : published)
            list.append(message.payload);
        return list;
    }
};

} // namespace quelta::test
