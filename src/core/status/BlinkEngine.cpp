#include "core/status/BlinkEngine.h"

#include "core/status/ControlNames.h"

namespace quelta {
namespace {

using C = BlinkCounter;
using controls::names;
using controls::numbered;

TagRule steady(Colour colour)
{
    return {TagRule::Steady, LampLook{.colour = colour}, colour};
}

TagRule blink(Colour off, Colour on)
{
    return {TagRule::Blink, LampLook{.colour = on}, off};
}

TagRule fastBlink(Colour off, Colour on)
{
    return {TagRule::FastBlink, LampLook{.colour = on}, off};
}

TagRule hidden()
{
    return {TagRule::Steady, LampLook{.visible = false}, colour::silver};
}

TagRule picture(LampPicture shown)
{
    return {TagRule::Steady, LampLook{.picture = shown}, colour::silver};
}

TagRule number(const QString &caption, Colour text, bool bold)
{
    return {TagRule::Steady, LampLook{true, text, LampPicture::None, caption, bold}, text};
}

// A group whose lamps all follow the same rules.
LampGroup uniform(const char *group, const QStringList &lamps, QHash<int, TagRule> rules, C counter = C::Zones)
{
    LampGroup result{QLatin1String(group), {}};
    for (const QString &lamp : lamps)
        result.lamps.append({lamp, rules, {}, counter});
    return result;
}

// A state-lamp group: each lamp has its own lit colour, steady on Tag 1 and blinking on Tag 2.
LampGroup stateLamps(const char *group, const QStringList &lamps, Colour off, const QList<Colour> &lit)
{
    LampGroup result{QLatin1String(group), {}};
    for (qsizetype i = 0; i < lamps.size(); ++i)
        result.lamps.append({lamps.at(i), {{0, steady(off)}, {1, steady(lit.at(i))}, {2, blink(off, lit.at(i))}}, {},
                             C::Zones});
    return result;
}

QList<Colour> firstThenRest(std::initializer_list<Colour> first, Colour rest, qsizetype count, Colour last)
{
    QList<Colour> colours(first);
    while (colours.size() < count - 1)
        colours.append(rest);
    colours.append(last);
    return colours;
}

// The Aguilera state lamps blink on their own counter; the alarm and mains lamps never blink.
LampGroup aguileraState()
{
    const QStringList lamps = names({"SEstatAlarma", "SEstatAvaria", "SEstatSirenes", "SEstatRetard", "SEstatDescon",
                                     "SEstatProva", "SEstat220"});
    LampGroup result{QStringLiteral("Aguilera state"), {}};
    for (qsizetype i = 0; i < lamps.size(); ++i) {
        const bool endLamp = i == 0 || i == lamps.size() - 1;
        const Colour lit = i == 0 ? colour::red : endLamp ? colour::lime : colour::yellow;
        result.lamps.append({lamps.at(i),
                             {{0, steady(colour::silver)}, {1, steady(lit)},
                              {2, endLamp ? steady(lit) : blink(colour::silver, lit)}},
                             {},
                             C::Estat});
    }
    return result;
}

LampGroup aguileraZones()
{
    const QHash<int, TagRule> rules = {
        {0, hidden()},
        {1, steady(colour::red)},
        {2, blink(colour::silver, colour::red)},
        {3, steady(colour::yellow)},
        {4, blink(colour::silver, colour::yellow)},
        {8, steady(colour::silver)},
    };
    LampGroup result{QStringLiteral("Aguilera zones"), {}};
    for (const QString &lamp : numbered("SZona", 16) + numbered("SSZona", 16))
        result.lamps.append({lamp, rules, steady(colour::silver), C::Zones});
    return result;
}

LampGroup aguileraZonePictures()
{
    return uniform("Aguilera zone pictures", numbered("IZona", 16),
                   {{0, hidden()}, {1, picture(LampPicture::Detector)}, {2, picture(LampPicture::CallPoint)},
                    {3, picture(LampPicture::CallPoint)}, {4, picture(LampPicture::CallPoint)}});
}

LampGroup aguileraZoneNumbers()
{
    LampGroup result{QStringLiteral("Aguilera zone numbers"), {}};
    for (int n = 1; n <= 16; ++n) {
        const QString digits = QString::number(n);
        const TagRule marked = number(QLatin1Char('>') + digits, colour::windowText, true);
        result.lamps.append({controls::aguileraZoneNumber(n),
                             {{0, number(digits, colour::grayText, false)}, {1, marked}, {2, marked}, {3, marked}},
                             {},
                             C::Zones});
    }
    return result;
}

QList<LampGroup> buildGroups()
{
    const Colour white = colour::white;
    const Colour silver = colour::silver;
    const Colour amber = colour::amber;
    const Colour mediumGrey = colour::mediumGrey;
    const QHash<int, TagRule> alarmBlinksOnOne = {{0, steady(silver)}, {1, blink(silver, colour::red)},
                                                   {2, steady(colour::red)}};
    const QHash<int, TagRule> faultBlinksOnOne = {{0, steady(silver)}, {1, blink(silver, amber)},
                                                   {2, fastBlink(silver, amber)}, {3, steady(amber)}};
    const QHash<int, TagRule> fastThenSlow = {{0, steady(silver)}, {1, fastBlink(silver, amber)},
                                               {2, blink(silver, amber)}};
    const QHash<int, TagRule> testLamp = {{0, steady(silver)}, {2, blink(silver, amber)}};

    return {
        aguileraState(),
        aguileraZones(),
        aguileraZonePictures(),
        aguileraZoneNumbers(),
        stateLamps("Cofem state",
                   names({"SLAlarma", "SL220V", "SLBateria", "SLAvGen", "SLAvAli", "SLReSir", "SLReAva", "SLAvBat"}),
                   white, firstThenRest({colour::red, colour::lime, colour::lime}, colour::orange, 8, colour::orange)),
        uniform("Cofem zone alarms", numbered("SAL", 12),
                {{0, steady(white)}, {1, steady(colour::red)}, {2, blink(white, colour::red)}}),
        uniform("Cofem zone faults and tests", numbered("SAV", 12) + numbered("STE", 12),
                {{0, steady(white)}, {1, steady(colour::orange)}, {2, blink(white, colour::orange)}}),
        uniform("Urano alarms", numbered("SLed", 12, "1"), alarmBlinksOnOne),
        uniform("Urano faults", numbered("SLed", 12, "2"), faultBlinksOnOne),
        uniform("Urano power fault", names({"SLedFalloAlim"}), fastThenSlow),
        uniform("Urano sounder fault", names({"SLedFalloSirenes"}),
                {{0, steady(silver)}, {1, steady(amber)}, {2, blink(silver, amber)}}),
        uniform("Urano test", names({"SLedZTest"}), testLamp),
        uniform("Syncro and AD300 faults", names({"SSyncroAvaria", "SAD300Avaria"}),
                {{0, steady(mediumGrey)}, {2, blink(mediumGrey, colour::orange)}}),
        uniform("AD300 alarm", names({"SAD300Alarma"}), {{0, steady(mediumGrey)}, {2, blink(mediumGrey, colour::red)}}),
        uniform("AD300 zones", numbered("SAD300L", 20),
                {{0, steady(silver)}, {1, steady(colour::red)}, {2, blink(silver, colour::red)}}),
        uniform("Supra alarms", numbered("SAlLZ", 12), alarmBlinksOnOne),
        uniform("Supra faults", numbered("SAvLZ", 12), faultBlinksOnOne),
        uniform("Supra power and sounder faults", names({"SlSupraFalloAlim", "SLSupraFalloSirenes"}), fastThenSlow),
        uniform("Supra test", names({"SLSupraTest"}), testLamp),
        uniform("Komttech alarms", numbered("SKLed", 12, "1"),
                {{0, steady(white)}, {1, blink(white, colour::red)}, {2, steady(colour::red)}}),
        uniform("Komttech faults", numbered("SKLed", 12, "2"),
                {{0, steady(white)}, {1, blink(white, amber)}, {2, fastBlink(white, amber)},
                 {3, steady(colour::hotLight)}, {4, steady(colour::black)}}),
        uniform("Komttech power fault", names({"SKLedFalloAlim"}),
                {{0, steady(white)}, {1, fastBlink(white, amber)}, {2, blink(white, amber)}}),
        uniform("Komttech sounder fault", names({"SKLedFalloSirenes"}),
                {{0, steady(white)}, {1, steady(amber)}, {2, blink(white, amber)}}),
        uniform("Komttech test", names({"SKLedZTest"}), {{0, steady(white)}, {2, blink(white, amber)}}),
        stateLamps("Cofem-A state",
                   names({"SZafirLedAlarma", "SZafirLed220", "SZafirLedBat", "SZafirLedAvGen", "SZafirLedAvAlim",
                          "SZafirLedDispar"}),
                   colour::grayText, firstThenRest({colour::red, colour::lime}, colour::orange, 6, colour::orange)),
        stateLamps("ID3000 state",
                   names({"SAlarmaID3000", "SAlarmaID30002", "SFalloID3000", "SFalloID30002", "SPrealarmaID3000",
                          "SFalloSistemaID3000", "SAnullatID3000", "SProvaID3000", "SAlimID3000"}),
                   colour::grayText, firstThenRest({colour::red}, colour::gold, 9, colour::lime)),
    };
}

} // namespace

const TagRule &LampDefinition::rule(int tag) const
{
    const auto it = rules.find(tag);
    return it == rules.end() ? otherTags : *it;
}

const QList<LampGroup> &blinkGroups()
{
    static const QList<LampGroup> groups = buildGroups();
    return groups;
}

BlinkEngine::BlinkEngine(QObject *parent) : QObject(parent)
{
    for (const LampGroup &group : blinkGroups()) {
        for (const LampDefinition &definition : group.lamps) {
            index_.insert(definition.name, lamps_.size());
            Lamp lamp{.definition = &definition};
            if (definition.rule(0).effect == TagRule::Steady)
                lamp.look = definition.rule(0).on;
            lamps_.append(lamp);
        }
    }
}

int BlinkEngine::reload(BlinkCounter counter)
{
    switch (counter) {
    case BlinkCounter::Estat: return kEstatReload;
    case BlinkCounter::Zones: return kZonesReload;
    case BlinkCounter::ZonesRapid: return kZonesRapidReload;
    }
    return kZonesReload;
}

BlinkEngine::Lamp &BlinkEngine::lamp(const QString &name)
{
    return lamps_[index_.value(name)];
}

void BlinkEngine::paint(Lamp &lamp, const LampLook &look)
{
    if (lamp.look == look)
        return;
    lamp.look = look;
    emit lampChanged(lamp.definition->name, look);
}

void BlinkEngine::setTag(const QString &name, int tag)
{
    if (!contains(name))
        return;
    Lamp &target = lamp(name);
    target.tag = tag;
    const TagRule &rule = target.definition->rule(tag);
    if (rule.effect == TagRule::Steady) {
        paint(target, rule.on);
    } else if (rule.effect != TagRule::Keep && !target.look.visible) {
        LampLook shown = target.look;
        shown.visible = true;
        paint(target, shown);
    }
}

int BlinkEngine::tag(const QString &name) const
{
    return contains(name) ? lamps_.at(index_.value(name)).tag : 0;
}

const LampLook &BlinkEngine::look(const QString &name) const
{
    static const LampLook none;
    return contains(name) ? lamps_.at(index_.value(name)).look : none;
}

void BlinkEngine::setColour(const QString &name, Colour colour)
{
    if (!contains(name))
        return;
    Lamp &target = lamp(name);
    LampLook look = target.look;
    look.colour = colour;
    paint(target, look);
}

void BlinkEngine::restartPhase(BlinkCounter counter)
{
    counters_.at(static_cast<size_t>(counter)) = reload(counter);
}

// The first blinking lamp on a counter steps it; when it reaches 0 every lamp on it toggles in
// this same tick, and it is reloaded only once all lamps have been seen.
void BlinkEngine::TimerLedsTick()
{
    if (telecontrol_)
        return;
    std::array<bool, 3> stepped{};
    for (Lamp &lamp : lamps_) {
        const TagRule &rule = lamp.definition->rule(lamp.tag);
        if (rule.effect != TagRule::Blink && rule.effect != TagRule::FastBlink)
            continue;
        const auto counter = static_cast<size_t>(rule.effect == TagRule::FastBlink ? BlinkCounter::ZonesRapid
                                                                                   : lamp.definition->counter);
        if (!stepped.at(counter)) {
            stepped.at(counter) = true;
            --counters_.at(counter);
        }
        if (counters_.at(counter) != 0)
            continue;
        LampLook toggled = lamp.look;
        toggled.visible = true;
        toggled.colour = lamp.look.colour == rule.off ? rule.on.colour : rule.off;
        paint(lamp, toggled);
    }
    for (const BlinkCounter counter : {BlinkCounter::Estat, BlinkCounter::Zones, BlinkCounter::ZonesRapid}) {
        if (counters_.at(static_cast<size_t>(counter)) <= 0)
            restartPhase(counter);
    }
}

} // namespace quelta
