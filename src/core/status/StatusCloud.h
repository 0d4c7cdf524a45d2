#pragma once

#include <QJsonObject>
#include <QString>

namespace quelta {

class DiagnosticTrace;

// What the status screen reads from and writes to the cloud directory: the doors screen's buttons
// and permission, a door's state, and the entries appended to the device's cloud event list. The
// cloud directory implements it.
class StatusCloud
{
public:
    virtual ~StatusCloud() = default;

    // "numButtonsEnabled" of the signed-in user's module record; 0 when unreadable.
    virtual int AgafaNumBotons() = 0;
    // The four button enable flags joined with ",", as buttonFlags() makes them of the record.
    virtual QString AgafaBotonsMarcats() = 0;
    // Whether the signed-in user may open the device's doors; false when unreadable.
    virtual bool AgafaPotObrirPortes() = 0;
    // The door's state text ("OPEN", "OPENING"...).
    virtual QString AgafaEstatPortes(int door) = 0;
    // The error text the last read left; every read clears it first.
    virtual QString ErrorFirebase() const = 0;
    // The signed-in user's key in the directory.
    virtual QString userKey() const = 0;
    // Appends an entry to the device's event list.
    virtual void ActualitzaEventsRTDB(const QString &identifier, const QString &message, const QString &code) = 0;
};

// The enable flags of a user's module record, keys matched without regard to case: button 1 is on
// unless "b1Enabled" is false, buttons 2-4 only when theirs is true. For example "1,0,1,0".
QString buttonFlags(const QJsonObject &record);

// The stand-in while there is no cloud directory: the defaults of a failed read ("1,0,0,0", no
// permission), nothing posted, and a trace line that says so.
class OfflineStatusCloud : public StatusCloud
{
public:
    explicit OfflineStatusCloud(DiagnosticTrace &trace) : trace_(trace) {}

    int AgafaNumBotons() override;
    QString AgafaBotonsMarcats() override;
    bool AgafaPotObrirPortes() override;
    QString AgafaEstatPortes(int door) override;
    QString ErrorFirebase() const override { return {}; }
    QString userKey() const override { return {}; }
    void ActualitzaEventsRTDB(const QString &identifier, const QString &message, const QString &code) override;

private:
    void note(const QString &what);

    DiagnosticTrace &trace_;
};

} // namespace quelta
