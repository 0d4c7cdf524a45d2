#pragma once

#include <QString>

namespace quelta {

class DiagnosticTrace;

// Where the panel screens read the event lists that the device keeps in the cloud directory. The
// cloud directory implements it.
class PanelEventSource
{
public:
    virtual ~PanelEventSource() = default;

    // The record at the path ("Equipments/<identifier>/BC600/Events/Alarm"...) as text; empty when
    // there is none or the read failed.
    virtual QString AgafaRegistre(const QString &path) = 0;
    // The error text the last read left; every read clears it first.
    virtual QString ErrorFirebase() const = 0;
};

// The stand-in while there is no cloud directory: every list is empty, and a trace line says so.
class OfflinePanelEventSource : public PanelEventSource
{
public:
    explicit OfflinePanelEventSource(DiagnosticTrace &trace) : trace_(trace) {}

    QString AgafaRegistre(const QString &path) override;
    QString ErrorFirebase() const override { return {}; }

private:
    DiagnosticTrace &trace_;
};

} // namespace quelta
