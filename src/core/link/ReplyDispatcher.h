#pragma once

#include "core/link/LinkState.h"

#include <QObject>
#include <QString>

namespace quelta {

class DiagnosticTrace;

// What a reply line is, decided on the line and the link state; the first matching kind wins.
enum class ReplyKind {
    Lock,           // ":Protect": the device wants its access code
    UpdateRelay,    // "+U": a line of the firmware-update exchange
    Identification, // "+ver:" or "+vEr:"
    StreamOn,       // "+Inf:" (remotely also "+INf:")
    Operators,      // a line of the mobile-operators block
    Initialised,    // "xxx:Initialized": factory values restored
    Erased,         // ":Erased" of a parameter range
    WildcardLine,   // a line of a wildcard read, or its "x:Ok" end
    AwaitedReply,   // the answer to the outstanding request
    StatusFrame,    // "{#...}" while the stream is on
    Ignored,
};

enum class ReplyPath { Serial, Remote };

// One line from the device, as the dispatcher classified it.
struct ReplyLine
{
    QString text;
    ReplyKind kind = ReplyKind::Ignored;
    ReplyPath path = ReplyPath::Serial;
};

ReplyKind classifyReply(const QString &line, const LinkState &link, ReplyPath path);

// Assembles the device's characters into lines, classifies each line, keeps the link variables up
// to date and wakes the consumer that waits for it. Consumers run synchronously from the signals
// that say "handle it now"; the others are woken through their timer.
class ReplyDispatcher : public QObject
{
    Q_OBJECT
public:
    static constexpr qsizetype kBufferSize = 20000;

    ReplyDispatcher(LinkState &link, DiagnosticTrace &trace, QObject *parent = nullptr);

    // Characters received on the serial port.
    void ComPortRxChar(QByteArrayView bytes);
    // One message from the device's answer topic, already decoded.
    void RebutIP(const QString &text);
    // One message from a fire-panel relay topic: raw panel bytes for the telecontrol connection.
    void RebutIPCentral(const QByteArray &payload);

signals:
    // Every line received, with its class, before it is handled.
    void lineReceived(const quelta::ReplyLine &line);
    void versionReplyArrived(const QString &line); // supervision reads it at once
    void remoteLineArrived();         // TimerCircuit back to 5000 ms
    void wakeReadEngine();            // run TimerLlegir at once
    void wakeWriteEngine();           // run TimerGravar at once
    void operatorsLine(const QString &line); // Llegir_LlistaOper
    void wildcardLine(const QString &line);  // Llegir_pantalla
    void statusFrame(const QString &frame);  // Llegir_In
    void writeRunEnded();             // an erase or factory restore ended the write engine's run
    void factoryValuesRestored();     // start a full read
    void updateRelayLine(const QString &text); // escriu_TCPActu
    void panelBytes(const QByteArray &payload); // to the telecontrol connection

private:
    void receiveCharacter(QChar c);
    void endSerialLine();
    void mirrorToConsole();
    void handle(ReplyKind kind, const QString &line, ReplyPath path);
    void handleUpdateRelay(const QString &line, ReplyPath path);
    void handleIdentification(const QString &line, ReplyPath path);
    void acceptLine(const QString &line, ReplyPath path);

    LinkState &link_;
    DiagnosticTrace &trace_;
    QString captured_;   // the line being captured, from its "+" or "{"
    int braceDepth_ = 0;
    bool capturing_ = false;
    QString mirror_;     // what was received since the last CR, for the console; as bounded as the line
};

} // namespace quelta
