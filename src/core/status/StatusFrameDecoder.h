#pragma once

#include "core/status/StatusColours.h"

#include <QObject>
#include <QString>

#include <functional>

namespace quelta {

class CommandChannel;
class DeviceEventLog;
class DiagnosticTrace;
class DoorsScreen;
class PanelSections;
class ParameterDictionary;
class Prompter;
class StatusCloud;
class StatusScreen;
struct LinkState;

// Decodes the device's status frames into the status screen, the event log, the doors screen
// and the fire-panel screens, and sends the status screen's output orders.
class StatusFrameDecoder : public QObject
{
    Q_OBJECT
public:
    // online tells whether the internet is reachable: only then do orders reach the cloud list.
    StatusFrameDecoder(LinkState &link, CommandChannel &channel, Prompter &prompter, DiagnosticTrace &trace,
                       const ParameterDictionary &dictionary, StatusScreen &screen, DeviceEventLog &log,
                       DoorsScreen &doors, StatusCloud &cloud, std::function<bool()> online,
                       QObject *parent = nullptr);

    // The fire-panel screens; without them the panel sections only reach the trace.
    void setPanelSections(PanelSections *sections) { panelSections_ = sections; }
    // Decodes a status frame (the dispatcher also left it in StrCom) and empties StrCom, unless
    // the remote link was cut.
    void Llegir_In(const QString &frame);
    // A click on output box ES1-ES4 (its Tag): after confirmation the output is toggled.
    // The history entry of an output triggered or restored, when on line.
    void outputToggled(int output, bool restore);
    void ActivarSortidesClick(int output);

signals:
    // The remote device lost the path of the remote session: any telecontrol client must go.
    void telecontrolDisconnectRequested();
    // Section "1" named another fire-panel type.
    void panelTypeChanged(const QString &central);

private:
    bool decodeSection(const QString &section);
    void dateAndTime(const QString &section);
    void identity(const QString &text);
    bool inputsAndOutputs(const QString &text);
    bool remotePathLost(const QString &links) const;
    void cutRemoteLink();
    void coverage(const QStringList &fields);
    void inputNames(const QString &text);
    void outputNames(const QString &text);
    void gsmModule(const QString &text);
    void infoEvent(const QString &section);
    void panelLinkEvent(const QString &code, const QString &description, const QString &value);
    void addInfoLine(const QString &code, const QString &description, const QString &value, Colour colour);
    void panelSection(const QString &section);
    void diagnostic(const QString &section);

    LinkState &link_;
    CommandChannel &channel_;
    Prompter &prompter_;
    DiagnosticTrace &trace_;
    const ParameterDictionary &dictionary_;
    StatusScreen &screen_;
    DeviceEventLog &log_;
    DoorsScreen &doors_;
    StatusCloud &cloud_;
    std::function<bool()> online_;
    PanelSections *panelSections_ = nullptr;
};

} // namespace quelta
