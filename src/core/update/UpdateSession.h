#pragma once

#include "core/update/ListingExchange.h"
#include "core/update/UpdateConnection.h"
#include "core/update/UpdateMessages.h"
#include "core/update/UpdateServer.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace quelta {

class CommandChannel;
class DiagnosticTrace;
class InternetCheck;
class LinkSupervisor;
class ProgrammingLock;
class Prompter;
class ReplyDispatcher;
class StatusBar;
class ViewState;
struct DialogRequest;
struct LinkState;

namespace update {

// How an update or a listing ended, as the dialog the installer sees tells it.
struct Outcome
{
    bool success = false;
    QString caption; // empty when the update ended without a message
    QString text;
};

// The firmware update: the list of versions the update server offers for the linked device, and
// the relay of one update between the server and the device, block by block, with its progress,
// its watchdog and every way it can end. Everything runs on the event-loop thread: the server's
// frames arrive through the socket's own notifications.
class UpdateSession : public QObject
{
    Q_OBJECT
public:
    struct Links
    {
        LinkState &link;
        CommandChannel &channel;
        LinkSupervisor &supervisor;
        ReplyDispatcher &dispatcher;
        ProgrammingLock &lock;
    };
    struct Screen
    {
        Prompter &prompter;
        DiagnosticTrace &trace;
        ViewState &views;
        StatusBar &statusBar;
        InternetCheck &internet;
    };

    static constexpr int kWatchdogTicks = 300;  // 30 s of 100 ms ticks without a device line
    static constexpr int kErrorPosted = 1000;   // the next tick ends the update with msgerrorActu
    static constexpr int kLineWaitMs = 200;     // before each text goes to the server
    static constexpr int kEndWaitMs = 100;
    static constexpr int kConnectTimeoutMs = 5000;

    UpdateSession(const Links &links, const Screen &screen, QObject *parent = nullptr);

    void setServer(const UpdateServer &server) { server_ = server; }
    const UpdateServer &server() const { return server_; }
    // Where the listing request takes the programming's company, installer and reference and the
    // signed-in user's identifier.
    void setRequestFields(std::function<DeviceForUpdate()> fields) { requestFields_ = std::move(fields); }

    // The "Actual." button.
    void BBActualitzarClick();
    // The hidden entry: the view with its "Ver" button, the versions copied, the grid emptied.
    void openFromServiceClicks();
    // "Buscar nuevas versiones a actualizar" and "Ver".
    void BBuscarVersionsClick();
    void InicialitzaSGVersions();
    // A row's download button (data rows count from 0).
    void SGVersionsDblClick(int row);
    void BDesconnectarTCPActuClick();
    // The watchdog, on every tick of TimerLeds.
    void TimerLedsTick();
    // The CRC acceptance check; the counter lives for the whole run.
    int ComprovaCRC32(const QString &text);

    // What the view shows.
    QString firmwareShown() const { return firmwareShown_; }
    QString hardwareShown() const { return hardwareShown_; }
    const QList<FirmwareVersion> &versions() const { return versions_; }
    bool allVersionsButton() const { return allVersionsButton_; }
    bool busy() const; // the busy cursor: a listing or an update connection
    QString progressText() const { return progressText_; }
    int progress() const { return progress_; }
    int progressMaximum() const { return totalpack_; }
    bool progressVisible() const { return progressVisible_; }

signals:
    void changed();
    // "Actual." found no internet: the cloud controls go off line.
    void offline();
    // A listing ended: its versions are in versions(); otherwise the outcome says why.
    void listingFinished(const quelta::update::Outcome &outcome);
    // An update ended, with the dialog shown for it.
    void updateFinished(const quelta::update::Outcome &outcome);

private:
    void showListingFailure(const ConnectionError &error);
    void takeListingAnswer(const QByteArray &answer, const std::optional<ConnectionError> &error);
    void ConnectarTCPAsinActu();
    void connectionFailed(const ConnectionError &error);
    void DadesRebudesTCPActu(const QByteArray &bytes);
    void RebutIPActu(const QString &text);
    void escriu_TCPActu(const QByteArray &bytes);
    void writeNextLine();
    void actOnDeviceCode(const QString &text);
    void writeFailed(const ConnectionError &error);
    void DesconnectarTCPAsinActu();
    void deviceRebooting();
    void linkReset();
    void copyDeviceVersions();
    void askDeviceVersions();
    void showBlock(const QString &what);
    void setProgress(int value);
    void finishListing(const Outcome &outcome, const DialogRequest &dialog);
    void finishUpdate(const Outcome &outcome, const DialogRequest &dialog);
    QString versionLine() const;

    Links links_;
    Screen screen_;
    UpdateServer server_ = builtInServer();
    std::function<DeviceForUpdate()> requestFields_;
    ListingExchange listing_;
    UpdateConnection connection_;
    QTimer lineTimer_;
    QList<QByteArray> pendingLines_;

    QString firmwareShown_;
    QString hardwareShown_;
    QList<FirmwareVersion> versions_;
    bool allVersionsButton_ = false;
    QString progressText_;
    int progress_ = 0;
    bool progressVisible_ = false;

    QString versioActu_;
    qint64 midafitxer_ = 0;
    int totalpack_ = 0;
    int packactual_ = 0;
    QString msgerrorActu_;
    int IntCRC32_ = 3;
};

} // namespace update
} // namespace quelta

Q_DECLARE_METATYPE(quelta::update::Outcome)
