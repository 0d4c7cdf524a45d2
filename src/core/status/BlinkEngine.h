#pragma once

#include "core/status/StatusColours.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <array>

namespace quelta {

// The three phase counters of the blinking lamps.
enum class BlinkCounter { Estat, Zones, ZonesRapid }; // tempsLedEstat, tempsLedZones, tempsLedZonesRapid

enum class LampPicture { None, Detector, CallPoint };

// How one lamp of a fire-panel screen looks: a shape's fill, a zone picture, or a zone number's
// caption and text colour.
struct LampLook
{
    bool visible = true;
    Colour colour = colour::silver;
    LampPicture picture = LampPicture::None;
    QString caption{};
    bool bold = false;

    friend bool operator==(const LampLook &, const LampLook &) = default;
};

// What a lamp's Tag makes of it.
struct TagRule
{
    enum Effect { Keep, Steady, Blink, FastBlink };
    Effect effect = Keep;
    LampLook on;            // the steady look, or the lit half of a blink
    Colour off = colour::silver; // the dark half of a blink
};

struct LampDefinition
{
    QString name;
    QHash<int, TagRule> rules;
    TagRule otherTags;                           // a Tag the table does not name
    BlinkCounter counter = BlinkCounter::Zones;  // the counter of its plain blinks

    const TagRule &rule(int tag) const;
};

struct LampGroup
{
    QString name;
    QList<LampDefinition> lamps;
};

// Every lamp group of the fire-panel screens with its Tag rules.
const QList<LampGroup> &blinkGroups();

// Animates the lamps of the fire-panel screens. The panel screens set each lamp's Tag; a steady
// Tag paints the lamp at once, a blinking one toggles it between its two colours on the phase of
// its counter, one counter step per TimerLeds tick in which some lamp blinks on it.
class BlinkEngine : public QObject
{
    Q_OBJECT
public:
    static constexpr int kEstatReload = 6;
    static constexpr int kZonesReload = 6;
    static constexpr int kZonesRapidReload = 3;

    explicit BlinkEngine(QObject *parent = nullptr);

    bool contains(const QString &lamp) const { return index_.contains(lamp); }
    void setTag(const QString &lamp, int tag);
    int tag(const QString &lamp) const;
    const LampLook &look(const QString &lamp) const;
    // Paints a lamp directly, outside its Tag rules (the screens' reset colours).
    void setColour(const QString &lamp, Colour colour);

    int counter(BlinkCounter counter) const { return counters_.at(static_cast<size_t>(counter)); }
    // Starts the counter's phase afresh, so a lamp that starts blinking does so in step.
    void restartPhase(BlinkCounter counter);

    // One TimerLeds tick; nothing moves while a telecontrol client is connected.
    void TimerLedsTick();
    void setTelecontrolConnected(bool connected) { telecontrol_ = connected; }

signals:
    void lampChanged(const QString &lamp, const quelta::LampLook &look);

private:
    struct Lamp
    {
        const LampDefinition *definition;
        int tag = 0;
        LampLook look{};
    };

    static int reload(BlinkCounter counter);
    Lamp &lamp(const QString &name);
    void paint(Lamp &lamp, const LampLook &look);

    QList<Lamp> lamps_;
    QHash<QString, qsizetype> index_;
    std::array<int, 3> counters_{kEstatReload, kZonesReload, kZonesRapidReload};
    bool telecontrol_ = false;
};

} // namespace quelta
