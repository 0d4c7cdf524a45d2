#pragma once

#include "core/link/Transport.h"

#include <QList>
#include <QString>

namespace quelta::test {

// A remote transport that keeps what it would have published to the MQTT server, for the tests of
// what the program sends remotely; answers are handed to the dispatcher by the test.
class RemoteTransportStub : public Transport
{
public:
    struct Message
    {
        RemoteTopic topic;
        QString payload;
    };
    QList<Message> published;
    int disconnections = 0;

    QString mode() const override { return QStringLiteral("MQTT"); }
    bool open() override { return true; }
    void close() override {}
    bool sendCommand(const QString &body, RemoteTopic topic) override { return sendRaw(QStringLiteral("qz+") + body, topic); }
    bool sendRaw(const QString &text, RemoteTopic topic) override
    {
        published.append({topic, text});
        emit sent(text);
        return true;
    }
    bool sendBytes(const QByteArray &bytes) override { return sendRaw(QString::fromLatin1(bytes), RemoteTopic::Cfg); }
    void endSession() override { ++disconnections; }
    int transmitLampTicks() const override { return 4; }

    QStringList payloads() const
    {
        QStringList list;
        for (const Message &message : published)
            list.append(message.payload);
        return list;
    }
};

} // namespace quelta::test
