#pragma once

#include "DeviceConfig.h"
#include "PanelModel.h"
#include "PanelSections.h"
#include "ParameterCodes.h"
#include "ParameterStore.h"

#include <QRandomGenerator>
#include <QStringList>

#include <array>

namespace quelta::devsim {

// The live side of the device: inputs, outputs, links, tamper and power, doors and the fire panel,
// changing over time. What happens is queued as frame sections ("8611:...", "Obert2", "C4:0001").
class Simulation
{
public:
    struct GaugeReading
    {
        bool ok;
        int level;
        int trigger;
        int restore;
    };

    Simulation(const ParameterStore &store, const Identity &identity, int periodMs, quint32 seed);

    // One frame period.
    void tick();
    // The device has started again: its links come up from scratch.
    void restart();
    // One character per output: "1" triggers, "0" restores, anything else leaves it.
    void setOutputs(QStringView pattern);
    void moveDoor(int door, bool open);
    void panelOrder(const QString &order);
    void testReport();

    QStringList takeEvents();

    QString inputs() const;
    QString outputs() const;
    QString links() const;
    int signal() const { return signal_; }
    GaugeReading tamper() const;
    GaugeReading power() const;
    int kilobytes() const { return kilobytes_; }
    int minutes() const { return static_cast<int>(ticks_ * periodMs_ / 60000); }
    PanelView panelView() const;
    // The door word for the door's present state ("Tancat3").
    QString doorWord(int door) const;

private:
    struct Gauge
    {
        int level = 0;
        int faultTicks = 0;
    };
    struct Door
    {
        enum Phase { Closed, Opening, Open, Closing } phase = Closed;
        int ticksLeft = 0;
    };

    struct Levels
    {
        int trigger;
        int restore;
    };

    bool fitted(int part) const;
    bool partActive(int part) const;
    QString panelType() const { return store_.value(codes::kPanelType); }
    QString zoneName(int zone) const;
    int secondsToTicks(int seconds) const;

    void stepInputs();
    void stepLinks();
    void stepHousekeeping();
    void stepPanelLink();
    void stepGauge(Gauge &gauge, const QString &code, const QString &faultEvent, const QString &restoreEvent);
    void stepDoors();
    void enterDoorPhase(int door, Door::Phase phase);
    void addPanelChanges(const QList<PanelChange> &changes);
    Levels levels(const QString &code) const;
    int gaugeTarget(const Gauge &gauge, const QString &code) const;
    GaugeReading reading(const Gauge &gauge, const QString &code) const;

    const ParameterStore &store_;
    const Identity &identity_;
    const qint64 periodMs_;
    QRandomGenerator random_;
    QStringList events_;
    qint64 ticks_ = 0;

    std::array<int, 16> inputTicksLeft_{};
    std::array<bool, 4> outputs_{};
    int gprs_ = 6;
    int adsl_ = 6;
    int signal_ = 20;
    int kilobytes_ = 1830;
    int reportsPending_ = 0;
    Gauge tamper_;
    Gauge power_;
    std::array<Door, 4> doors_{};
    PanelModel panel_;
    int panelDownTicks_ = 0; // 0 = the panel link is up
};

} // namespace quelta::devsim
