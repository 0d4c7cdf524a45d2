#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <optional>

namespace quelta {

class CommandChannel;
class Prompter;
class StatusBar;
class TransferActivity;
class ViewState;
struct LinkState;

// A "+ver:" or "+vEr:" answer, split into its cleaned fields.
struct VersionReply
{
    bool extended = false; // "+vEr:": firmware, identifier, hardware, parts mask
    QStringList fields;
};
std::optional<VersionReply> parseVersionReply(const QString &line);
QString cleanVersionField(const QString &field);

// Keeps the link to the device under supervision: polls it on TimerCircuit, learns its identity
// from the version answers, establishes and ends the connection, and watches the local link on
// the 100 ms TimerLeds tick.
class LinkSupervisor : public QObject
{
    Q_OBJECT
public:
    // The session as the status bar's first panel shows it: "SIN   CONEXION" or "CONECTADO".
    enum class SessionState { NoConnection, Connected };
    Q_ENUM(SessionState)

    LinkSupervisor(LinkState &link, CommandChannel &channel, StatusBar &statusBar, TransferActivity &activity,
                   ViewState &views, Prompter &prompter, std::function<QString()> windowTitle,
                   QObject *parent = nullptr);

    // Supervision and identification; every tick sets its own next interval.
    QTimer TimerCircuit;
    // Lamp ring-down, the local link watchdog and the blinking, every 100 ms for the life of the window.
    QTimer TimerLeds;

    void start();

    SessionState state() const { return state_; }
    // Shown on the status bar, whose other panels are emptied.
    void setState(SessionState state);

    void TimerCircuitTimer();
    void TimerLedsTimer();
    // The status view: brings it forward, empties the result strip and restarts the status stream.
    void BBLlegirEstatClick();
    // No port named, or a write failed: the device counts as not answering.
    void portWriteFailed();
    // The broker connection was lost: no device is linked any more, and the screen says so.
    void remoteConnectionLost();
    // The dispatcher wakes supervision through its timer, as it does every consumer it does not
    // call. The reply is kept aside: remotely, later messages take the reply slot (StrCom) before
    // the timer fires, and the timer does not fire inside its own tick's waits.
    void versionReplyArrived(const QString &line);
    // Each remote line puts the next tick 5 s away, unless a version reply waits to be read.
    void remoteLineArrived();
    // (Re)starts supervision after the given interval.
    void startSupervision(int intervalMs);
    void stopSupervision();
    // The port closed and opened again and the device asked to identify itself, with supervision
    // every intervalMs until it answers.
    void reopenAndIdentify(int intervalMs = 3000);
    bool supervising() const { return TimerCircuit.isActive(); }

    // The read and write engines' timers: supervision does not poll while one runs.
    void addTransferTimer(const QTimer *timer) { transferTimers_.append(timer); }

    // Tests shorten every interval and wait by this factor.
    void setTimeDivisor(int divisor);
    // The pauses between the commands that establish a session and restart the stream. They hold
    // the window still while the device catches up; the headless front end, which reacts to the
    // answers themselves, goes without them.
    void setSettlingPauses(bool on) { settlingPauses_ = on; }

signals:
    void stateChanged(quelta::LinkSupervisor::SessionState state);
    void identityChanged();                     // firmware, identifier, hardware or panel type learnt
    void partsMaskApplied(const QString &mask); // a four-character mask: each "0" is a part not fitted
    void connectionEstablished();
    void connectionEnded();
    void statusScreenShown(bool connected);
    void clearAllFields();                      // Esborra_Camps
    void streamStopped();                       // "+inf:" in the programming view: a waiting transfer may start
    void portListChanged();
    void ledsTicked();                          // lamps and blinking repaint

private:
    int scaled(int milliseconds) const { return milliseconds / timeDivisor_; }
    void wait(int milliseconds) const;
    bool transferRunning() const;
    bool remoteSide() const;
    void lookAtReply();
    void handleVersionReply(const VersionReply &reply);
    void takeVer(const QStringList &fields);
    void takeVEr(const QStringList &fields);
    void poll();
    void pollRemote();
    void pollLocal();
    void choosePoll(QString &body);
    void declareLost();
    void establishConnection();
    void keepStreamAlive();
    void endConnection();
    void showStatusScreen();
    void restartStream();
    void watchdogExpired();

    LinkState &link_;
    CommandChannel &channel_;
    StatusBar &statusBar_;
    TransferActivity &activity_;
    ViewState &views_;
    Prompter &prompter_;
    std::function<QString()> windowTitle_;
    QList<const QTimer *> transferTimers_;
    SessionState state_ = SessionState::NoConnection;
    int timeDivisor_ = 1;
    bool settlingPauses_ = true;
    QString pendingVersionReply_;
};

} // namespace quelta
