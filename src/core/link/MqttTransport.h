#pragma once

#include "core/link/MqttClient.h"
#include "core/link/Transport.h"

namespace quelta {

class DiagnosticTrace;
struct LinkState;

// The remote session: the device reached through the MQTT broker. Its topics are built from the
// device's identifier; commands are published on the command topic ("scfa" on the device's
// Ethernet path, "scfg" on GPRS), status-side commands on "ssts", and every message of the
// device's answer topics goes to the reply dispatcher, but for the raw fire-panel bytes of
// "gcea"/"gceg".
class MqttTransport : public Transport
{
    Q_OBJECT
public:
    MqttTransport(LinkState &link, DiagnosticTrace &trace, QObject *parent = nullptr);

    // The broker's endpoint and credentials; the client identifier is the cloud user's (CodiReg).
    void setBroker(const MqttSettings &broker) { broker_ = broker; }
    MqttClient &client() { return client_; }

    QString mode() const override { return QStringLiteral("MQTT"); }
    // BConnectarMQTTClick: connects for the device named by identConnectar.
    bool open() override;
    // DesconnectarMQTT: the device is locked and silenced, then DISCONNECT (no will).
    void close() override;
    bool sendCommand(const QString &body, RemoteTopic topic) override;
    bool sendRaw(const QString &text, RemoteTopic topic) override;
    bool sendBytes(const QByteArray &bytes) override;
    void endSession() override { close(); }
    int transmitLampTicks() const override { return 4; }
    // Publica_MQTT_Array: raw bytes for the fire panel.
    bool sendPanelBytes(const QByteArray &bytes);
    // Publishes a text on any topic, one byte per character (a door order on the user's topic).
    bool Publica_MQTT(const QString &topic, const QString &text);
    // The session is being reopened after a message without a topic: the screen stays as it is.
    bool reconnecting() const { return reconnexio_mqtt_; }

    QString topicPublishCfg() const { return topicPublishCfg_; }
    QString topicPublishSts() const { return topicPublishSts_; }

    // A text as the device receives it: one byte per character, its low 8 bits.
    static QByteArray lowBytes(const QString &text);

signals:
    // The device was asked for its version ("qz+ver"): supervision waits for the answer.
    void probeSent();
    // The session is about to be closed: what must still reach the device goes out now.
    void closing();

private:
    QString topic(const char *prefix, const char *tail) const;
    void followClient(bool connected, MqttState state);
    void connected();
    void subscribeTwice(const char *prefix);
    void subscriptionAcknowledged(int packetId, bool accepted);
    void publishReceived(const QString &topic, const QByteArray &payload);

    LinkState &link_;
    DiagnosticTrace &trace_;
    MqttClient client_;
    MqttSettings broker_;
    QString identifier_;
    QString topicPublishCfg_;
    QString topicPublishSts_;
    int FSubscribeRequestPacketId1_ = -1;
    bool reconnexio_mqtt_ = false;
};

} // namespace quelta
