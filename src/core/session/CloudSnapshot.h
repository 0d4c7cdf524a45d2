#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimeZone>

namespace quelta {

class DeviceSession;
class PanelScreens;
class ProgramContext;
class SnapshotRecord;
class StatusScreens;

// A device that is on line by neither link, shown from its last record in the cloud directory: the
// status screen and the fire panel's screen filled as its status frames would fill them, greyed,
// with the time of the record. Orders are refused while it is shown (the panel screen is not live).
class CloudSnapshot : public QObject
{
    Q_OBJECT
public:
    CloudSnapshot(ProgramContext &context, DeviceSession &device, StatusScreens &screens, PanelScreens &panels,
                  QObject *parent = nullptr);

    // Tests fix the zone the record's time is shown in; the program uses the PC's.
    void setLocalZone(const QTimeZone &zone) { localZone_ = zone; }

    // Reads "Equipments/<identifier>" and fills the screens; a record that cannot be read or is
    // empty leaves them as they are.
    void AgafaEstatEquipments(const QString &identifier);
    // The time of the record last shown, in UTC; invalid when it had none.
    QDateTime updated() const { return updated_; }

signals:
    // The status screen shows the record: the window brings the device's panels forward.
    void shown();

private:
    void showDevice(const SnapshotRecord &record);
    void showLinksAndGauges(const SnapshotRecord &record);
    void showInputsAndOutputs(const SnapshotRecord &record);
    void showEventLog(const SnapshotRecord &record);
    void showPanel(const SnapshotRecord &record);

    ProgramContext &context_;
    DeviceSession &device_;
    StatusScreens &screens_;
    PanelScreens &panels_;
    QTimeZone localZone_ = QTimeZone::systemTimeZone();
    QDateTime updated_;
};

} // namespace quelta
