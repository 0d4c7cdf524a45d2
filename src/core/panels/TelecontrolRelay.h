#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

namespace quelta {

class AppSettings;
class DiagnosticTrace;
class MqttTransport;
class Prompter;
class StatusCloud;
struct LinkState;

// The telecontrol link ("Bidi") of the Aguilera panels: a local TCP server that the panel maker's
// PC program (AGE44) connects to. While a client is connected the panel is in telecontrol: every
// byte the client sends is published to the device for the panel, and every panel answer the
// device relays is written back to the client. One client is served at a time; a new connection
// takes the place of the one being served, which is closed.
class TelecontrolRelay : public QObject
{
    Q_OBJECT
public:
    // Everything runs on the event-loop thread: the server's events and the device's answers alike.
    TelecontrolRelay(LinkState &link, MqttTransport &mqtt, AppSettings &settings, DiagnosticTrace &trace,
                     StatusCloud &cloud, Prompter &prompter, QObject *parent = nullptr);
    ~TelecontrolRelay() override;

    // The binding the server listens on: REG6 and REG7 of the settings.
    QString BidiIP() const;
    QString BidiPort() const;
    bool listening() const { return server_.isListening(); }
    // The port the server listens on (the one the system chose when the settings say 0).
    quint16 serverPort() const { return server_.serverPort(); }

    // Starts the server on BidiIP:BidiPort (IPv4) unless it runs; false, after the self-closing
    // error, when it cannot listen there.
    bool ConnexioAGE44();
    // connex_prog_Agui: a client is being served.
    bool connex_prog_Agui() const { return !client_.isNull(); }
    // The client's address and port, "IP:port"; empty without a client.
    QString clientPeer() const { return peer_; }

    // RebutIPCentral: a panel answer relayed by the device, written to the client as it is. Without
    // a client it is dropped.
    void RebutIPCentral(const QByteArray &payload);
    // Ends the telecontrol session as the client's own disconnection does: the firmware update, the
    // window's closing and the loss of the device call it. Nothing happens without a client.
    void closeClient();

    // MIBidiClick: false while a client is connected (the settings panel does not open).
    bool MIBidiClick() const { return !connex_prog_Agui(); }
    // BBidiAcceptarClick: stores the binding, moves the server to it and saves the settings. False
    // (after the notice) when the port is empty: nothing changes and the panel stays open.
    bool BBidiAcceptarClick(const QString &ip, const QString &port);

signals:
    // AguileraTelecontrol: the panel enters (true) or leaves (false) telecontrol; bidiCentral has
    // already taken the value.
    void telecontrolChanged(bool on);
    // A chunk read from the client, on its way to the panel.
    void clientBytes(const QByteArray &bytes);
    // A panel answer, written to the client.
    void panelBytes(const QByteArray &bytes);
    // A client was taken in ("IP:port"), or the one served went.
    void clientConnected(const QString &peer);
    void clientDisconnected(const QString &peer);

private:
    QString listenOnBinding();
    void acceptPending();
    void take(QTcpSocket *socket);
    void readClient(QTcpSocket *socket);
    void clientGone(QTcpSocket *socket);
    void leaveTelecontrol();
    void AguileraTelecontrol(bool on);
    bool remoteOpen() const;

    LinkState &link_;
    MqttTransport &mqtt_;
    AppSettings &settings_;
    DiagnosticTrace &trace_;
    StatusCloud &cloud_;
    Prompter &prompter_;
    QTcpServer server_;
    QPointer<QTcpSocket> client_; // context_prog_agui
    QString peer_;
};

} // namespace quelta
