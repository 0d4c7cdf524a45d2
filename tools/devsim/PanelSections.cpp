#include "PanelSections.h"

namespace quelta::devsim {
namespace {

using enum Condition;

QString number(int value)
{
    return QString::number(value);
}

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QChar flag(bool on)
{
    return on ? u'1' : u'0';
}

// One digit per lamp: 0 off, 1 on, 2 blinking.
QString lampDigits(std::initializer_list<int> lamps)
{
    QString digits;
    for (int lamp : lamps)
        digits += number(lamp);
    return digits;
}

// An alarm blinks until the buzzer is silenced.
int alarmLamp(const PanelModel &panel)
{
    return panel.count(Alarm) == 0 ? 0 : panel.buzzer() ? 2 : 1;
}

bool mainsFault(const PanelModel &panel)
{
    return panel.has(PanelModel::kSystemZone, Fault);
}

int sounderFlags(const PanelModel &panel)
{
    return (panel.buzzer() ? 0x01 : 0) | (panel.sirens() ? 0x02 : 0);
}

QString counts(const PanelModel &panel)
{
    return QStringList{number(panel.count(Alarm)), number(panel.count(Fault)), number(panel.count(Disabled)),
                       number(panel.count(Test))}
        .join(u'|');
}

// Aguilera AE/SA: counters, then per condition "zone=name" entries; "*" marks a zone in test.
QString aeSa(const PanelView &view)
{
    QStringList lists;
    for (const Condition condition : kConditions) {
        QStringList entries;
        for (int zone : view.panel.zonesWith(condition)) {
            if (zone == PanelModel::kSystemZone) {
                entries << QStringLiteral("9999=Fallo de red");
                continue;
            }
            const bool inTest = condition == Alarm && view.panel.has(zone, Test);
            entries << number(zone) + u'=' + (inTest ? QStringLiteral("*") : QString()) + view.zoneName(zone);
        }
        lists << entries.join(u';');
    }
    return QStringLiteral("A2:") + counts(view.panel) + u':' + lists.join(u'|');
}

// Aguilera AE/C5: polling byte, sounders, seven state lamps, sixteen zone bytes.
QString aeC5(const PanelView &view)
{
    const PanelModel &panel = view.panel;
    const QString state = lampDigits({alarmLamp(panel), panel.count(Fault) > 0, panel.sirens() ? 2 : 0, 0,
                                      panel.count(Disabled) > 0, panel.count(Test) > 0, !mainsFault(panel)});
    QString zones;
    for (int zone = 1; zone <= panel.zoneCount(); ++zone) {
        int bits = 0x80 | (zone % 4 == 0 ? 0x40 : 0);
        if (panel.has(zone, Alarm))
            bits |= panel.buzzer() ? 0x02 : 0x01;
        if (panel.has(zone, Fault))
            bits |= 0x04;
        zones += hexByte(bits);
    }
    const QString polling = hexByte(view.linkUp ? 0x00 : 0x20);
    return QStringLiteral("A3:") + QStringList{polling, hexByte(sounderFlags(panel)), state, zones}.join(u'|');
}

// BC600 and BC216: flags, six counters (alarms, outputs, technical, faults, disablements,
// tests) and the access level.
QString bc(const PanelView &view)
{
    const PanelModel &panel = view.panel;
    return QStringLiteral("A4:")
        + QStringList{hexByte(sounderFlags(panel)), number(panel.count(Alarm)), number(panel.sirens() ? 1 : 0),
                      QStringLiteral("0"), number(panel.count(Fault)), number(panel.count(Disabled)),
                      number(panel.count(Test)), QStringLiteral("1")}
              .join(u'|');
}

// The Cofem lamps: alarm, mains, battery, general fault, supply fault, sirens relay, fault relay and
// battery fault. A lit battery lamp means a battery in trouble (the battery fault lamp blinks with
// it), so a sound panel keeps it off.
QString cofemLamps(const PanelModel &panel)
{
    const bool faults = panel.count(Fault) > 0;
    return lampDigits(
        {alarmLamp(panel), !mainsFault(panel), 0, faults, mainsFault(panel), panel.sirens(), faults, 0});
}

// Cofem: eight lamp digits, then one byte per zone.
QString cofem(const PanelView &view)
{
    const PanelModel &panel = view.panel;
    const QString state = cofemLamps(panel);
    QString zones;
    for (int zone = 1; zone <= panel.zoneCount(); ++zone) {
        int code = 0x00;
        if (panel.has(zone, Alarm))
            code = panel.buzzer() ? 0xA7 : 0xA9;
        else if (panel.has(zone, Fault))
            code = 0x8B;
        else if (panel.has(zone, Test))
            code = 0x12;
        zones += hexByte(code);
    }
    return QStringLiteral("A5:") + state + u'|' + zones;
}

// Cofem-A: the first six Cofem lamps, then events of six hexadecimal digits: type, loop, point.
QString cofemA(const PanelView &view)
{
    const PanelModel &panel = view.panel;
    const QString state = cofemLamps(panel).left(6);
    // Rows of the panel's event table: smoke alarm, open loop, point disabled, zone in test.
    const QMap<Condition, int> types = {{Alarm, 0x04}, {Fault, 0x1B}, {Disabled, 0x28}, {Test, 0x29}};
    QString events;
    for (const Condition condition : kConditions) {
        for (int zone : panel.zonesWith(condition)) {
            const bool system = zone == PanelModel::kSystemZone;
            events += hexByte(system ? 0x16 : types.value(condition)) + hexByte(system ? 0 : 1) + hexByte(zone);
        }
    }
    return QStringLiteral("A5:") + state + u'|' + events;
}

// Urano, Komttech and Supra: the panel's access code, then three characters per zone (alarm,
// fault, mode) followed by the panel's general flags from position 36 to 66.
QString threeCharacterZones(const PanelView &view)
{
    const PanelModel &panel = view.panel;
    QString state;
    for (int zone = 1; zone <= panel.zoneCount(); ++zone) {
        const QChar mode = panel.has(zone, Disabled) ? u'0' : panel.has(zone, Test) ? u'1' : u'2';
        state += panel.has(zone, Alarm) ? (panel.buzzer() ? u'1' : u'2') : u'0';
        state += flag(panel.has(zone, Fault) || mode == u'1');
        state += mode;
    }
    QString flags(31, u'0');
    const bool silenced = panel.count(Alarm) > 0 && !panel.buzzer();
    flags[48 - 36] = flag(panel.count(Alarm) > 0);
    flags[49 - 36] = flag(panel.count(Test) > 0);
    flags[50 - 36] = flag(panel.count(Fault) > 0);
    flags[52 - 36] = flag(mainsFault(panel));
    flags[64 - 36] = flag(panel.count(Alarm) > 0 && !panel.sirens());
    flags[65 - 36] = flag(silenced);
    flags[66 - 36] = flag(silenced);
    return QStringLiteral("A6:1234|") + state + flags;
}

// Syncro, AD300, ID3000: sounders, then fire, evacuate, alert, prealarm, security, fault,
// disablement, technical alarm and test counts.
QString nineCounts(const PanelView &view)
{
    const PanelModel &panel = view.panel;
    return QStringLiteral("A7:")
        + QStringList{hexByte(sounderFlags(panel)), number(panel.count(Alarm)), QStringLiteral("0"),
                      QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), number(panel.count(Fault)),
                      number(panel.count(Disabled)), QStringLiteral("0"), number(panel.count(Test))}
              .join(u'|');
}

// Bosch Avenar: sounders, fire, fault, disabled and control (test) counts.
QString bosch(const PanelView &view)
{
    const PanelModel &panel = view.panel;
    return QStringLiteral("A8:")
        + QStringList{hexByte(sounderFlags(panel)), number(panel.count(Alarm)), number(panel.count(Fault)),
                      number(panel.count(Disabled)), number(panel.count(Test))}
              .join(u'|');
}

struct ZoneEvent
{
    int code; // reports the start; the next code reports the end
    const char *what;
};

// "<code>:<what> on z.<zone>", the system zone written 9999.
QString zoneEvent(int code, const char *what, const PanelChange &change)
{
    const int zone = change.zone == PanelModel::kSystemZone ? 9999 : change.zone;
    return QStringLiteral("%1:%2 %3 z.%4")
        .arg(code)
        .arg(QLatin1String(what), change.active ? QLatin1String("on") : QLatin1String("off"), number(zone));
}

QString pairedEvent(const QMap<Condition, ZoneEvent> &events, const PanelChange &change)
{
    const ZoneEvent event = events.value(change.condition);
    return zoneEvent(event.code + (change.active ? 0 : 1), event.what, change);
}

QString aguileraEvent(const PanelChange &change)
{
    static const QMap<Condition, ZoneEvent> events = {
        {Test, {8791, "test"}}, {Alarm, {8793, "alarm"}}, {Fault, {8795, "fault"}}, {Disabled, {8797, "disconnection"}}};
    return pairedEvent(events, change);
}

QString cofemEvent(const PanelChange &change)
{
    if (change.zone == PanelModel::kSystemZone)
        return change.active ? QStringLiteral("8875:Mains 220V fault") : QStringLiteral("8876:Mains 220V recovered");
    static const QMap<Condition, ZoneEvent> events = {{Test, {8891, "Test"}},
                                                      {Alarm, {8893, "Detector alarm"}},
                                                      {Fault, {8895, "Fault"}},
                                                      {Disabled, {8897, "Disconnection"}}};
    return pairedEvent(events, change);
}

// Other panels: the panel-receive event, which lights the tool's panel indicator.
QString receivedEvent(const PanelChange &change)
{
    static const QMap<Condition, const char *> names = {
        {Alarm, "alarm"}, {Fault, "fault"}, {Disabled, "disablement"}, {Test, "test"}};
    return zoneEvent(8740, names.value(change.condition), change);
}

int bcKind(Condition condition)
{
    switch (condition) {
    case Alarm: return 1;
    case Fault: return 4;
    case Disabled: return 5;
    case Test: return 6;
    }
    return 0;
}

int syncroKind(Condition condition)
{
    switch (condition) {
    case Alarm: return 1;
    case Fault: return 6;
    case Disabled: return 7;
    case Test: return 9;
    }
    return 0;
}

// Kind, type, address, loop, zone and the text.
QString syncroNotice(const PanelView &view, const PanelChange &change)
{
    return QStringLiteral("C7:%1|00|%2|1|%2|%3")
        .arg(syncroKind(change.condition))
        .arg(hexByte(change.zone), view.zoneName(change.zone));
}

// Kind, "EVT", element, loop and zone, then the event text in braces: device type at 7-8, name
// from 15. The frame's own "}" follows the event's.
QString id3000Notice(const PanelView &view, const PanelChange &change)
{
    return QStringLiteral("C7:%1EVTDET01%2: {eventText:TIPO  03 PUNT %3}")
        .arg(syncroKind(change.condition), 4, 10, QLatin1Char('0'))
        .arg(change.zone, 3, 10, QLatin1Char('0'))
        .arg(view.zoneName(change.zone));
}

} // namespace

QString sectionText(QString text)
{
    static const QString separators = QStringLiteral("#{}|;:=\r\n");
    text.removeIf([](QChar c) { return separators.contains(c); });
    return text;
}

QString panelStateSection(const PanelView &view)
{
    switch (view.panel.family()) {
    case PanelFamily::AeSa: return aeSa(view);
    case PanelFamily::AeC5: return aeC5(view);
    case PanelFamily::Bc600:
    case PanelFamily::Bc216: return bc(view);
    case PanelFamily::Cofem: return cofem(view);
    case PanelFamily::CofemA: return cofemA(view);
    case PanelFamily::Urano:
    case PanelFamily::Supra:
    case PanelFamily::Komttech: return threeCharacterZones(view);
    case PanelFamily::Syncro:
    case PanelFamily::Ad300:
    case PanelFamily::Id3000: return nineCounts(view);
    case PanelFamily::Bosch: return bosch(view);
    case PanelFamily::None:
    case PanelFamily::Doors:
    case PanelFamily::Detnov: return {};
    }
    return {};
}

QStringList panelChangeSections(const PanelView &view, const PanelChange &change)
{
    const PanelFamily family = view.panel.family();
    const bool listed = change.active && change.zone != PanelModel::kSystemZone;
    switch (family) {
    case PanelFamily::AeSa:
    case PanelFamily::AeC5: return {aguileraEvent(change)};
    case PanelFamily::Cofem:
    case PanelFamily::CofemA: return {cofemEvent(change)};
    case PanelFamily::Bc600:
    case PanelFamily::Bc216:
        return {receivedEvent(change), QStringLiteral("C4:%1").arg(bcKind(change.condition), 4, 10, QLatin1Char('0'))};
    case PanelFamily::Syncro:
    case PanelFamily::Ad300:
    case PanelFamily::Id3000: {
        QStringList sections = {receivedEvent(change)};
        if (listed)
            sections << (family == PanelFamily::Id3000 ? id3000Notice(view, change) : syncroNotice(view, change));
        return sections;
    }
    case PanelFamily::Urano:
    case PanelFamily::Supra:
    case PanelFamily::Komttech:
    case PanelFamily::Bosch: return {receivedEvent(change)};
    case PanelFamily::None:
    case PanelFamily::Doors:
    case PanelFamily::Detnov: return {};
    }
    return {};
}

QString panelLinkSection(PanelFamily family, PanelLinkEvent event)
{
    const bool bc = family == PanelFamily::Bc600 || family == PanelFamily::Bc216;
    const bool cofem = family == PanelFamily::Cofem || family == PanelFamily::CofemA;
    switch (event) {
    case PanelLinkEvent::Connecting: return bc ? QStringLiteral("8700:") : QString();
    case PanelLinkEvent::Up:
        if (bc)
            return QStringLiteral("8711:Panel answers");
        return cofem ? QStringLiteral("8886:Panel answer") : QStringLiteral("8782:Panel communication recovered");
    case PanelLinkEvent::Lost:
        if (bc)
            return QStringLiteral("8912:Panel communication lost");
        return cofem ? QStringLiteral("8885:No communication with panel") : QStringLiteral("8781:Panel communication lost");
    }
    return {};
}

} // namespace quelta::devsim
