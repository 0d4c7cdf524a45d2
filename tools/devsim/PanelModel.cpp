#include "PanelModel.h"

#include <algorithm>

namespace quelta::devsim {
namespace {

constexpr double kMainsChance = 0.004;
constexpr double kZoneChance = 0.06;
// Random activity stays among the first zones, where installations name their zones.
constexpr int kActiveZones = 48;
constexpr int kMaxPerCondition = 3;

int zoneCountOf(PanelFamily family)
{
    switch (family) {
    case PanelFamily::AeSa: return 1023;
    case PanelFamily::AeC5: return 16;
    case PanelFamily::Bc600:
    case PanelFamily::Bc216: return 64;
    case PanelFamily::Cofem:
    case PanelFamily::Urano:
    case PanelFamily::Supra:
    case PanelFamily::Komttech: return 12;
    case PanelFamily::CofemA:
    case PanelFamily::Bosch: return 32;
    case PanelFamily::Syncro:
    case PanelFamily::Ad300:
    case PanelFamily::Id3000: return 20;
    case PanelFamily::None:
    case PanelFamily::Doors:
    case PanelFamily::Detnov: return 0;
    }
    return 0;
}

Condition randomCondition(QRandomGenerator &random)
{
    const int roll = static_cast<int>(random.bounded(10));
    if (roll < 3)
        return Condition::Alarm;
    if (roll < 7)
        return Condition::Fault;
    return roll < 9 ? Condition::Disabled : Condition::Test;
}

} // namespace

PanelFamily panelFamily(const QString &panelType)
{
    struct Match
    {
        const char *text;
        const char *unless;
        PanelFamily family;
    };
    static const Match matches[] = {
        {"AE/SA", nullptr, PanelFamily::AeSa},   {"AGE", nullptr, PanelFamily::AeSa},
        {"AE/C5", nullptr, PanelFamily::AeC5},   {"BC600", nullptr, PanelFamily::Bc600},
        {"BC216", nullptr, PanelFamily::Bc216},  {"Puertas", nullptr, PanelFamily::Doors},
        {"Cofem", "Cofem-A", PanelFamily::Cofem}, {"Detnov", nullptr, PanelFamily::Detnov},
        {"Urano", nullptr, PanelFamily::Urano},  {"Syncro", nullptr, PanelFamily::Syncro},
        {"Bosch", nullptr, PanelFamily::Bosch},  {"AD300", nullptr, PanelFamily::Ad300},
        {"Supra", nullptr, PanelFamily::Supra},  {"Cofem-A", nullptr, PanelFamily::CofemA},
        {"Komttech", nullptr, PanelFamily::Komttech}, {"ID3000", nullptr, PanelFamily::Id3000},
    };
    for (const Match &match : matches) {
        if (panelType.contains(QLatin1String(match.text))
            && !(match.unless && panelType.contains(QLatin1String(match.unless))))
            return match.family;
    }
    return PanelFamily::None;
}

PanelModel::PanelModel(PanelFamily family) : family_(family), zoneCount_(zoneCountOf(family))
{
}

bool PanelModel::has(int zone, Condition condition) const
{
    return (flags_.value(zone) & static_cast<int>(condition)) != 0;
}

QList<int> PanelModel::zonesWith(Condition condition) const
{
    QList<int> zones;
    for (auto it = flags_.begin(); it != flags_.end(); ++it) {
        if ((it.value() & static_cast<int>(condition)) != 0)
            zones.append(it.key());
    }
    return zones;
}

QList<PanelChange> PanelModel::step(QRandomGenerator &random)
{
    if (zoneCount_ == 0)
        return {};
    const double roll = random.generateDouble();
    if (roll < kMainsChance)
        return set(kSystemZone, Condition::Fault, !has(kSystemZone, Condition::Fault));
    if (roll > kMainsChance + kZoneChance)
        return {};
    const int zone = 1 + static_cast<int>(random.bounded(std::min(zoneCount_, kActiveZones)));
    const Condition condition = randomCondition(random);
    if (has(zone, condition))
        return set(zone, condition, false);
    return count(condition) < kMaxPerCondition ? set(zone, condition, true) : QList<PanelChange>{};
}

QList<PanelChange> PanelModel::order(const QString &order)
{
    QList<PanelChange> changes;
    if (order == QLatin1String("Rearme") || order == QLatin1String("Reset") || order == QLatin1String("Repos")) {
        for (int zone : zonesWith(Condition::Alarm))
            changes += set(zone, Condition::Alarm, false);
        buzzer_ = sirens_ = false;
    } else if (order == QLatin1String("Silenbuz")) {
        buzzer_ = false;
    } else if (order == QLatin1String("Silensir")) {
        sirens_ = false;
    } else if (order == QLatin1String("Sirena")) {
        sirens_ = true;
    } else if (zoneCount_ > 0 && order == QLatin1String("Test")) {
        changes = set(1, Condition::Test, !has(1, Condition::Test));
    } else if (zoneCount_ > 0 && order == QLatin1String("Connex")) {
        changes = set(1, Condition::Disabled, !has(1, Condition::Disabled));
    }
    return changes;
}

QList<PanelChange> PanelModel::set(int zone, Condition condition, bool active)
{
    int &flags = flags_[zone];
    flags = active ? flags | static_cast<int>(condition) : flags & ~static_cast<int>(condition);
    if (flags == 0)
        flags_.remove(zone);
    if (active && condition == Condition::Alarm)
        buzzer_ = sirens_ = true;
    return {{zone, condition, active}};
}

} // namespace quelta::devsim
