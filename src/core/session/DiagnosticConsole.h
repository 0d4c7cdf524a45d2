#pragma once

#include <QObject>
#include <QString>

namespace quelta {

class CommandChannel;
class DiagnosticTrace;
struct LinkState;

// The service console's behaviour: raw commands typed for the device or its GSM module, the
// diagnostic switches, and the trace's "Parar", "Borrar" and "Hexa". Three buttons are toggles
// whose state the window shows as a red caption: "Parar" (the trace is paused), "Info" and "Uart"
// (which of their two commands the next click sends), and "Gsm".
class DiagnosticConsole : public QObject
{
    Q_OBJECT
public:
    DiagnosticConsole(DiagnosticTrace &trace, LinkState &link, CommandChannel &channel, QObject *parent = nullptr);

    DiagnosticTrace &trace() { return trace_; }

    // The sending buttons and the edit fields are usable once a device has been linked.
    bool controlsEnabled() const { return controlsEnabled_; }
    bool infoRed() const { return infoRed_; }
    bool gsmRed() const { return gsmRed_; }
    bool uartRed() const { return uartRed_; }
    bool pararRed() const;
    bool hexa() const;

    // Every activation of the window: "Info" turns red, and with a device linked the controls are
    // enabled.
    void FormActivate();

    // A line for the device's GSM module. Local link only.
    void BEnviarModulClick(const QString &text);
    // A command for the device on either link.
    void BEnviarQueltaClick(const QString &text);
    void BEsborrarREportSerieClick();
    void BPararREportSerieClick();
    void CBHexaClick(bool checked);
    // The device's information frames: "Inf" while not red, "inf" while red. Local link only.
    void BInfoClick();
    void BGsmClick();
    // The device's UART trace: "Suar" while not red, "Nuar" while red. Local link only.
    void BUartClick();
    void BTestClick();

signals:
    // A toggle's colour or the controls' enabled state changed.
    void stateChanged();

private:
    // The diagnostic commands that only the serial link carries: a remote session sends nothing
    // and the toggles stay as they are, so their colour keeps telling what the device was last told.
    bool sendLocal(const QString &text);

    DiagnosticTrace &trace_;
    LinkState &link_;
    CommandChannel &channel_;
    bool controlsEnabled_ = false;
    bool infoRed_ = false;
    bool gsmRed_ = false;
    bool uartRed_ = false;
};

} // namespace quelta
