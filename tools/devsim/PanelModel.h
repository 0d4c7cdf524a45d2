#pragma once

#include <QList>
#include <QMap>
#include <QRandomGenerator>
#include <QString>

namespace quelta::devsim {

// The fire-panel families the tool tells apart by the panel type text.
enum class PanelFamily {
    None, AeSa, AeC5, Bc600, Bc216, Doors, Cofem, Detnov, Urano, Syncro, Bosch, Ad300, Supra, CofemA,
    Komttech, Id3000
};

// Matched by substring, case-sensitively, in the order the tool uses.
PanelFamily panelFamily(const QString &panelType);

enum class Condition { Alarm = 1, Fault = 2, Disabled = 4, Test = 8 };
inline constexpr Condition kConditions[] = {Condition::Alarm, Condition::Fault, Condition::Disabled,
                                            Condition::Test};

struct PanelChange
{
    int zone;
    Condition condition;
    bool active;
};

// The connected fire panel: zones in alarm, fault, disablement or test, and its sounders. Zones
// come and go at random; the panel's own mains failure is a fault of the system zone.
class PanelModel
{
public:
    static constexpr int kSystemZone = 0;

    explicit PanelModel(PanelFamily family = PanelFamily::None);

    PanelFamily family() const { return family_; }
    int zoneCount() const { return zoneCount_; }
    bool has(int zone, Condition condition) const;
    // Ascending, the system zone first when it has the condition.
    QList<int> zonesWith(Condition condition) const;
    int count(Condition condition) const { return static_cast<int>(zonesWith(condition).size()); }
    bool buzzer() const { return buzzer_; }
    bool sirens() const { return sirens_; }

    QList<PanelChange> step(QRandomGenerator &random);
    // An order passed on from the tool: Rearme, Reset, Repos, Silenbuz, Silensir, Sirena, Test, Connex.
    QList<PanelChange> order(const QString &order);

private:
    QList<PanelChange> set(int zone, Condition condition, bool active);

    PanelFamily family_;
    int zoneCount_;
    QMap<int, int> flags_; // zone -> Condition bits, only zones with some condition
    bool buzzer_ = false;
    bool sirens_ = false;
};

} // namespace quelta::devsim
