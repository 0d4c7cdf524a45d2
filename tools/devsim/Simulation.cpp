#include "Simulation.h"

#include <algorithm>

namespace quelta::devsim {
namespace {

constexpr double kInputChance = 0.03;
constexpr int kMaxActiveInputs = 3;
constexpr double kLinkDropChance = 0.003;
constexpr double kPanelLossChance = 0.002;
constexpr double kGaugeFaultChance = 0.003;
constexpr double kTraceChance = 0.02;
constexpr double kServerTimeChance = 0.01;
constexpr double kPeriodicTestChance = 0.002;
constexpr int kRestartPanelTicks = 2;
constexpr int kDoorSeconds[] = {3, 5, 3}; // opening, open, closing
constexpr int kGprsPart = 0;
constexpr int kAdslPart = 1;
constexpr int kComPart = 2;
constexpr int kIoPart = 3;

QString number(int value)
{
    return QString::number(value);
}

QChar digit(int value)
{
    return QChar(u'0' + value);
}

} // namespace

Simulation::Simulation(const ParameterStore &store, const Identity &identity, int periodMs, quint32 seed)
    : store_(store), identity_(identity), periodMs_(periodMs), random_(seed), panel_(panelFamily(panelType()))
{
    tamper_.level = gaugeTarget(tamper_, codes::kTamper);
    power_.level = gaugeTarget(power_, codes::kPower);
}

void Simulation::tick()
{
    ++ticks_;
    if (panelFamily(panelType()) != panel_.family())
        panel_ = PanelModel(panelFamily(panelType()));
    stepInputs();
    stepLinks();
    stepPanelLink();
    stepGauge(tamper_, codes::kTamper, QStringLiteral("8641:Tamper triggered"), QStringLiteral("8642:Tamper restored"));
    stepGauge(power_, codes::kPower, QStringLiteral("8643:Low power supply"),
              QStringLiteral("8644:Power supply recovered"));
    stepDoors();
    if (panelDownTicks_ == 0)
        addPanelChanges(panel_.step(random_));
    signal_ = std::clamp(signal_ + random_.bounded(-1, 2), 12, 28);
    if (random_.generateDouble() < kTraceChance)
        events_ << QStringLiteral("dMQTT keep-alive sent, signal %1").arg(signal_);
    kilobytes_ += random_.bounded(0, 3);
    if (reportsPending_ > 0) {
        --reportsPending_;
        events_ << (adsl_ == 6 ? QStringLiteral("8527:ADSL: sent to receiving centre: 602")
                               : QStringLiteral("8465:GPRS: sent to receiving centre: 602"));
    }
    stepHousekeeping();
}

void Simulation::restart()
{
    events_ = {QStringLiteral("8001:System start"), QStringLiteral("8601:I/O initialised"),
               QStringLiteral("8301:COM initialised")};
    gprs_ = adsl_ = 0;
    inputTicksLeft_.fill(0);
    outputs_.fill(false);
    doors_.fill(Door{});
    reportsPending_ = 0;
    panelDownTicks_ = panelType().isEmpty() ? 0 : kRestartPanelTicks;
}

void Simulation::setOutputs(QStringView pattern)
{
    for (int i = 0; i < 4; ++i) {
        const QChar wanted = i < pattern.size() ? pattern.at(i) : QChar(u'.');
        bool &output = outputs_[static_cast<size_t>(i)];
        if ((wanted != u'1' && wanted != u'0') || output == (wanted == u'1'))
            continue;
        output = wanted == u'1';
        events_ << (output ? QStringLiteral("8623:Output triggered: ") : QStringLiteral("8624:Output restored: "))
                       + number(i + 1);
    }
}

void Simulation::moveDoor(int door, bool open)
{
    if (panel_.family() != PanelFamily::Doors || door < 1 || door > 4)
        return;
    const Door::Phase phase = doors_[static_cast<size_t>(door - 1)].phase;
    if (open && (phase == Door::Closed || phase == Door::Closing))
        enterDoorPhase(door, Door::Opening);
    else if (!open && (phase == Door::Open || phase == Door::Opening))
        enterDoorPhase(door, Door::Closing);
}

void Simulation::panelOrder(const QString &order)
{
    if (panelType().isEmpty())
        return;
    events_ << QStringLiteral("8721:") + order << QStringLiteral("8761:Command to panel: ") + order;
    addPanelChanges(panel_.order(order));
}

void Simulation::testReport()
{
    events_ << QStringLiteral("8210:Queued for receiving centre: 602");
    ++reportsPending_;
}

QStringList Simulation::takeEvents()
{
    return std::exchange(events_, {});
}

QString Simulation::inputs() const
{
    QString states;
    for (int ticksLeft : inputTicksLeft_)
        states += digit(ticksLeft > 0 ? 1 : 0);
    return states;
}

QString Simulation::outputs() const
{
    QString states;
    for (bool on : outputs_)
        states += digit(on ? 1 : 0);
    return states;
}

// GPRS and ADSL 0-6, COM 0 off, 1 no panel programmed, 2 panel lost, 3 panel connected; E/S 0
// off, 1 on, F not fitted.
QString Simulation::links() const
{
    int com = 0;
    if (partActive(kComPart))
        com = panelType().isEmpty() ? 1 : panelDownTicks_ > 0 ? 2 : 3;
    const QChar io = !fitted(kIoPart) ? u'F' : partActive(kIoPart) ? u'1' : u'0';
    return QString(digit(partActive(kGprsPart) ? gprs_ : 0)) + digit(partActive(kAdslPart) ? adsl_ : 0) + digit(com)
        + io;
}

Simulation::GaugeReading Simulation::tamper() const
{
    return reading(tamper_, codes::kTamper);
}

Simulation::GaugeReading Simulation::power() const
{
    return reading(power_, codes::kPower);
}

PanelView Simulation::panelView() const
{
    return {panel_, panelDownTicks_ == 0, [this](int zone) { return zoneName(zone); }};
}

QString Simulation::doorWord(int door) const
{
    static const QString words[] = {QStringLiteral("Tancat"), QStringLiteral("Obrint"), QStringLiteral("Obert"),
                                    QStringLiteral("Tancant")};
    return words[doors_[static_cast<size_t>(door - 1)].phase] + number(door);
}

bool Simulation::fitted(int part) const
{
    return identity_.parts.at(part) != u'0';
}

bool Simulation::partActive(int part) const
{
    const QString flags = store_.value(codes::kActiveParts);
    return fitted(part) && !(part < flags.size() && flags.at(part) == u'0');
}

// The zone list holds "Contact ID;name" or just the name.
QString Simulation::zoneName(int zone) const
{
    QString name;
    if (zone >= 1 && zone <= 1023)
        name = store_.value(codes::codeText(codes::kZoneNames + zone - 1)).section(u';', -1).trimmed();
    return sectionText(name.isEmpty() ? QStringLiteral("Zona ") + number(zone) : name);
}

int Simulation::secondsToTicks(int seconds) const
{
    return std::max(1, static_cast<int>((seconds * 1000 + periodMs_ - 1) / periodMs_));
}

void Simulation::stepInputs()
{
    if (!partActive(kIoPart))
        return;
    int active = 0;
    for (int i = 0; i < 16; ++i) {
        int &ticksLeft = inputTicksLeft_[static_cast<size_t>(i)];
        if (ticksLeft > 0 && --ticksLeft == 0)
            events_ << QStringLiteral("8612:Input restored: ") + number(i + 1);
        active += ticksLeft > 0 ? 1 : 0;
    }
    if (active >= kMaxActiveInputs || random_.generateDouble() >= kInputChance)
        return;
    const int input = random_.bounded(16);
    int &ticksLeft = inputTicksLeft_[static_cast<size_t>(input)];
    if (ticksLeft == 0) {
        ticksLeft = random_.bounded(3, 11);
        events_ << QStringLiteral("8611:Input triggered: ") + number(input + 1);
    }
}

void Simulation::stepLinks()
{
    static const QMap<int, QString> gprsSteps = {
        {1, QStringLiteral("8401:GPRS module power on")}, {2, QStringLiteral("8420:GPRS module detected")},
        {3, QStringLiteral("8423:SIM and PIN OK")},      {4, QStringLiteral("8424:GPRS module ready")},
        {5, QStringLiteral("8425:GPRS connection up")}};
    static const QMap<int, QString> adslSteps = {{4, QStringLiteral("8512:ADSL: LinkUp")},
                                                 {5, QStringLiteral("8534:ADSL: network connected")},
                                                 {6, QStringLiteral("8535:ADSL: server connected")}};
    const auto climb = [this](int &state, const QMap<int, QString> &steps) {
        if (state < 6 && ++state > 0 && steps.contains(state))
            events_ << steps.value(state);
    };
    if (partActive(kGprsPart))
        climb(gprs_, gprsSteps);
    if (partActive(kAdslPart))
        climb(adsl_, adslSteps);
    if (gprs_ == 6 && random_.generateDouble() < kLinkDropChance) {
        gprs_ = 4;
        events_ << QStringLiteral("DGPRS: receiving centre not answering, reconnecting");
    }
    // The cable comes out now and then; the link climbs back through LinkUp and the server.
    if (partActive(kAdslPart) && adsl_ == 6 && random_.generateDouble() < kLinkDropChance) {
        adsl_ = 1;
        events_ << QStringLiteral("8511:ADSL: LinkDown");
    }
}

// The device's routine reports: server time updates and the periodic test to the receiving centre.
void Simulation::stepHousekeeping()
{
    if (partActive(kAdslPart) && adsl_ >= 5 && random_.generateDouble() < kServerTimeChance)
        events_ << QStringLiteral("8261:Server time updated");
    if (random_.generateDouble() < kPeriodicTestChance) {
        events_ << QStringLiteral("8209:Periodic test");
        ++reportsPending_;
    }
}

void Simulation::stepPanelLink()
{
    if (panelType().isEmpty() || !partActive(kComPart))
        return;
    const PanelFamily family = panel_.family();
    if (panelDownTicks_ > 0) {
        if (const QString connecting = panelLinkSection(family, PanelLinkEvent::Connecting); !connecting.isEmpty())
            events_ << connecting;
        if (--panelDownTicks_ == 0)
            events_ << panelLinkSection(family, PanelLinkEvent::Up);
    } else if (random_.generateDouble() < kPanelLossChance) {
        panelDownTicks_ = random_.bounded(4, 9);
        events_ << panelLinkSection(family, PanelLinkEvent::Lost);
    }
}

Simulation::Levels Simulation::levels(const QString &code) const
{
    const Levels defaults = code == codes::kTamper ? Levels{190, 60} : Levels{176, 192};
    return {store_.numberField(code, 0, defaults.trigger), store_.numberField(code, 1, defaults.restore)};
}

// The level rests beyond the restore level, away from the trigger level, and crosses the trigger
// level while the fault lasts.
int Simulation::gaugeTarget(const Gauge &gauge, const QString &code) const
{
    const Levels limits = levels(code);
    const int away = limits.restore >= limits.trigger ? 1 : -1;
    return gauge.faultTicks > 0 ? limits.trigger - away * 12 : limits.restore + away * 35;
}

void Simulation::stepGauge(Gauge &gauge, const QString &code, const QString &faultEvent, const QString &restoreEvent)
{
    if (gauge.faultTicks > 0) {
        if (--gauge.faultTicks == 0)
            events_ << restoreEvent;
    } else if (random_.generateDouble() < kGaugeFaultChance) {
        gauge.faultTicks = random_.bounded(4, 9);
        events_ << faultEvent;
    }
    gauge.level = std::clamp(gaugeTarget(gauge, code) + random_.bounded(-2, 3), 0, 255);
}

Simulation::GaugeReading Simulation::reading(const Gauge &gauge, const QString &code) const
{
    const Levels limits = levels(code);
    return {gauge.faultTicks == 0, gauge.level, limits.trigger, limits.restore};
}

void Simulation::stepDoors()
{
    for (int door = 1; door <= 4; ++door) {
        Door &state = doors_[static_cast<size_t>(door - 1)];
        if (state.ticksLeft == 0 || --state.ticksLeft > 0)
            continue;
        enterDoorPhase(door, state.phase == Door::Opening ? Door::Open
                             : state.phase == Door::Open  ? Door::Closing
                                                          : Door::Closed);
    }
}

void Simulation::enterDoorPhase(int door, Door::Phase phase)
{
    Door &state = doors_[static_cast<size_t>(door - 1)];
    state.phase = phase;
    state.ticksLeft = 0;
    if (phase != Door::Closed) {
        // The door times hold the opening, open and closing times in seconds.
        const size_t field = phase == Door::Opening ? 0 : phase == Door::Open ? 1 : 2;
        const QString code = codes::codeText(codes::kDoorTimes + door - 1);
        state.ticksLeft = secondsToTicks(store_.numberField(code, static_cast<int>(field), kDoorSeconds[field]));
    }
    events_ << doorWord(door);
}

void Simulation::addPanelChanges(const QList<PanelChange> &changes)
{
    for (const PanelChange &change : changes)
        events_ += panelChangeSections(panelView(), change);
}

} // namespace quelta::devsim
