#include "core/panels/PanelStates.h"

#include "core/model/Bindings.h"
#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelTexts.h"
#include "core/panels/StateFields.h"
#include "core/status/BlinkEngine.h"

#include <QCoreApplication>

#include <array>

namespace quelta {
namespace {

using fields::charAt;
using fields::hexPair;

QString numbered(const char *prefix, int n, const char *suffix = "")
{
    return QLatin1String(prefix) + QString::number(n) + QLatin1String(suffix);
}

// A Cofem zone byte: the Tags of its alarm, fault and test lamps, and whether the test lamp's
// blinking starts afresh.
struct CofemZone
{
    int code;
    int alarm;
    int fault;
    int test;
    bool restart = false;
};

const std::array<CofemZone, 9> kCofemZones = {{
    {0x00, 0, 0, 0},
    {0x11, 0, 0, 2, true},
    {0x12, 0, 0, 1},
    {0x13, 2, 0, 2},
    {0x14, 1, 0, 2},
    {0x8B, 0, 1, 0},
    {0x8C, 0, 2, 0},
    {0xA7, 2, 0, 0},
    {0xA9, 1, 0, 0},
}};

const std::array<const char *, 8> kCofemStateLamps = {"SLAlarma", "SL220V", "SLBateria", "SLAvGen",
                                                      "SLAvAli",  "SLReSir", "SLReAva",  "SLAvBat"};
const std::array<const char *, 6> kZafirLamps = {"SZafirLedAlarma", "SZafirLed220",    "SZafirLedBat",
                                                 "SZafirLedAvGen",  "SZafirLedAvAlim", "SZafirLedDispar"};

// The general flags start after the twelve zones; a text that does not reach them leaves them off.
constexpr qsizetype kFlagsFrom = 51;

// "0" 0, "1" 1, "2"-"3" 2, "4" 3: the power-fault lamps.
std::optional<int> powerTag(QChar c)
{
    switch (c.unicode()) {
    case u'0': return 0;
    case u'1': return 1;
    case u'2':
    case u'3': return 2;
    case u'4': return 3;
    default: return std::nullopt;
    }
}

// "0" 0, "1" 1, "2"-"3" 2: the sounder-fault lamps.
std::optional<int> sounderTag(QChar c)
{
    return c == u'4' ? std::nullopt : powerTag(c);
}

Colour amberIf(QChar c, Colour otherwise)
{
    return c == u'1' ? colour::amber : otherwise;
}

} // namespace

// Panel state (eight digits) | zone state (twelve bytes).
void PanelStates::Info_Central_Cofem(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    const Colour screen = display_.live() ? colour::skyBlue : colour::buttonShadow;
    display_.setFill(QStringLiteral("PEstatCofem"), screen);
    display_.setFill(QStringLiteral("Shape15"), screen);
    const QString state = parts.value(0);
    for (qsizetype i = 0; i < qsizetype(kCofemStateLamps.size()); ++i) {
        if (const std::optional<int> digit = fields::digitAt(state, i))
            display_.setTag(QLatin1String(kCofemStateLamps.at(size_t(i))), *digit);
    }
    if (charAt(state, 2) == u'1')
        display_.setTag(QStringLiteral("SLAvBat"), 2);
    constexpr int kZones = 12;
    const QString zones = parts.value(1).leftJustified(2 * kZones, QLatin1Char('0'));
    for (int zone = 1; zone <= kZones; ++zone) {
        const std::optional<int> code = hexPair(zones, 2 * (zone - 1));
        const auto row = std::find_if(kCofemZones.begin(), kCofemZones.end(),
                                      [&code](const CofemZone &z) { return code && z.code == *code; });
        if (row == kCofemZones.end())
            continue;
        display_.setTag(numbered("SAL", zone), row->alarm);
        display_.setTag(numbered("SAV", zone), row->fault);
        display_.setTag(numbered("STE", zone), row->test);
        if (row->restart)
            display_.restartPhase(BlinkCounter::Zones);
    }
}

// Twelve zones of three characters: alarm, fault and mode (0 annulled, 1 test, 2 normal).
PanelStates::ZoneModes PanelStates::threeCharacterZones(const QString &state, const ZoneLamps &lamps)
{
    ZoneModes modes;
    for (int zone = 1; zone <= 12; ++zone) {
        const QString alarmLamp = numbered(lamps.alarmPrefix, zone, lamps.alarmSuffix);
        const QString faultLamp = numbered(lamps.faultPrefix, zone, lamps.faultSuffix);
        const QString chars = state.mid(3 * (zone - 1), 3);
        if (chars.isEmpty()) {
            display_.setTag(alarmLamp, 0);
            display_.setTag(faultLamp, 0);
            continue;
        }
        switch (charAt(chars, 0).unicode()) {
        case u'0': display_.setTag(alarmLamp, 0); break;
        case u'1':
            display_.setTag(alarmLamp, 1);
            display_.restartPhase(BlinkCounter::Zones);
            break;
        case u'2': display_.setTag(alarmLamp, 2); break;
        default: break;
        }
        const QChar fault = charAt(chars, 1);
        switch (charAt(chars, 2).unicode()) {
        case u'0':
            display_.setTag(faultLamp, lamps.annulledTag);
            modes.annulled = true;
            break;
        case u'1':
            display_.setTag(faultLamp, fault == u'1' ? 1 : fault == u'2' ? 2 : 3);
            if (fault == u'2')
                display_.restartPhase(BlinkCounter::ZonesRapid);
            modes.test = true;
            break;
        case u'2':
            if (fault == u'0' || fault == u'1' || fault == u'2')
                display_.setTag(faultLamp, fault.digitValue());
            break;
        default: break;
        }
    }
    return modes;
}

// Access code | state text.
void PanelStates::Info_Central_Urano(const QString &text)
{
    const QString state = text.section(QLatin1Char('|'), 1, 1);
    const ZoneModes modes = threeCharacterZones(state, {"SLed", "1", "SLed", "2", 3});
    display_.setLampColour(QStringLiteral("SLedZAnul"), modes.annulled ? colour::amber : colour::silver);
    display_.setTag(QStringLiteral("SLedZTest"), modes.test ? 2 : 0);
    uranoFlags(state);
}

void PanelStates::uranoFlags(const QString &state)
{
    if (state.size() <= kFlagsFrom) {
        for (const char *lamp : {"SLedFalloTerra", "SLedFalloSistema", "SLedFalloServei", "SLedSilZum"})
            display_.setLampColour(QLatin1String(lamp), colour::silver);
        display_.setTag(QStringLiteral("SLedFalloAlim"), 0);
        display_.setTag(QStringLiteral("SLedFalloSirenes"), 0);
        return;
    }
    display_.setLampColour(QStringLiteral("SLedFalloTerra"), amberIf(charAt(state, 51), colour::silver));
    if (const std::optional<int> tag = powerTag(charAt(state, 52)))
        display_.setTag(QStringLiteral("SLedFalloAlim"), *tag);
    display_.setLampColour(QStringLiteral("SLedFalloSistema"), amberIf(charAt(state, 54), colour::silver));
    for (const qsizetype at : {55, 57}) {
        if (const std::optional<int> tag = sounderTag(charAt(state, at)))
            display_.setTag(QStringLiteral("SLedFalloSirenes"), *tag);
    }
    display_.setLampColour(QStringLiteral("SLedFalloServei"), colour::lime);
    display_.setLampColour(QStringLiteral("SLedSilZum"), amberIf(charAt(state, 66), colour::silver));
}

void PanelStates::Info_Central_Komttech(const QString &text)
{
    const QString state = text.section(QLatin1Char('|'), 1, 1);
    const ZoneModes modes = threeCharacterZones(state, {"SKLed", "1", "SKLed", "2", 4});
    display_.setLampColour(QStringLiteral("SKLedZAnul"), modes.annulled ? colour::amber : colour::white);
    display_.setTag(QStringLiteral("SKLedZTest"), modes.test ? 2 : 0);
    komttechFlags(state);
}

void PanelStates::komttechFlags(const QString &state)
{
    const bool flags = state.size() > kFlagsFrom;
    const auto flag = [&](const char *lamp, qsizetype at) {
        display_.setLampColour(QLatin1String(lamp), flags ? amberIf(charAt(state, at), colour::white) : colour::white);
    };
    flag("SKLedFalloTerra", 51);
    flag("SKLedFalloAlim", 52);
    flag("SKLedFalloSistema", 54);
    flag("SKLedFalloSirenes", 55);
    flag("SKLedFalloSirenes", 57); // the later flag decides
    flag("SKLedSilZum", 66);
    if (flags)
        display_.setLampColour(QStringLiteral("SKLedAlim"), colour::lime);
}

void PanelStates::Info_Central_Supra(const QString &text)
{
    const QString state = text.section(QLatin1Char('|'), 1, 1);
    const ZoneModes modes = threeCharacterZones(state, {"SAlLZ", "", "SAvLZ", "", 3});
    display_.setLampColour(QStringLiteral("SLSUpraAnullada"), modes.annulled ? colour::amber : colour::silver);
    supraFlags(state);
}

void PanelStates::supraFlags(const QString &state)
{
    const bool flags = state.size() > kFlagsFrom;
    const auto lit = [&](const char *lamp, qsizetype at, Colour colour) {
        display_.setLampColour(QLatin1String(lamp), flags && charAt(state, at) == u'1' ? colour : colour::silver);
    };
    display_.setLampColour(QStringLiteral("SLSupraServei"), flags ? colour::lime : colour::silver);
    lit("SLSupraAlarma", 48, colour::red);
    display_.setTag(QStringLiteral("SLSupraTest"), flags && charAt(state, 49) == u'1' ? 2 : 0);
    lit("SLSupraAvaria", 50, colour::amber);
    lit("SLSupraFalloTerra", 51, colour::amber);
    const std::optional<int> power = flags ? powerTag(charAt(state, 52)) : std::optional<int>(0);
    if (power)
        display_.setTag(QStringLiteral("SlSupraFalloAlim"), *power);
    const bool sounders = flags && !(charAt(state, 54) == u'0' && charAt(state, 56) == u'0');
    display_.setTag(QStringLiteral("SLSupraFalloSirenes"), sounders ? 2 : 0);
    lit("SLSupraSilenciarSir", 64, colour::amber);
    lit("SlSupraSilenciarZum", 65, colour::amber);
}

// Six lamp digits | events of six hexadecimal characters: type, loop and point.
void PanelStates::Info_Central_CofemZafir(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    display_.clearLines(QStringLiteral("RECofemZafirPantalla"));
    display_.setFill(QStringLiteral("PEstatCofemZafir"), display_.live() ? colour::black : colour::silver);
    const QString lamps = parts.value(0);
    for (qsizetype i = 0; i < qsizetype(kZafirLamps.size()); ++i) {
        if (const std::optional<int> digit = fields::digitAt(lamps, i))
            display_.setTag(QLatin1String(kZafirLamps.at(size_t(i))), *digit);
    }
    zafirEvents(parts.value(1));
}

void PanelStates::zafirEvents(const QString &field)
{
    const GridBinding *grid = gridBinding(u"SGCentralZafir");
    const QString box = QStringLiteral("RECofemZafirPantalla");
    bool alarms = false, relays = false, faults = false;
    // Each kind opens its heading the first time; a relay fault is also a fault.
    const auto heading = [&](bool &opened, const char *title, bool spaced) {
        if (opened)
            return;
        opened = true;
        if (spaced && !display_.lines(box).isEmpty())
            display_.addLine(box, {});
        display_.addLine(box, {PanelTexts::tr(title), colour::white});
    };
    int number = 0;
    for (qsizetype at = 0; at + 6 <= field.size(); at += 6) {
        const std::optional<int> type = hexPair(field, at);
        const std::optional<int> loop = hexPair(field, at + 2);
        const std::optional<int> point = hexPair(field, at + 4);
        if (!type || !loop || !point)
            continue;
        const char *label = grid && *type >= 1 && *type <= int(grid->rowLabels.size()) ? grid->rowLabels.at(size_t(*type - 1)) : "";
        // The kind of point is read from the label's own words; the line shows it translated,
        // without the words its heading already says.
        const QString source = QString::fromUtf8(label);
        if (source.contains(QStringLiteral("Alarma")))
            heading(alarms, QT_TRANSLATE_NOOP("Panels", "ALARMAS                                     TIPO:"), true);
        if (source.contains(QStringLiteral("Avería Relé")))
            heading(relays, QT_TRANSLATE_NOOP("Panels", "DISPARO                                      RELE:"), false);
        if (source.contains(QStringLiteral("Avería")))
            heading(faults, QT_TRANSLATE_NOOP("Panels", "AVERIAS                                      TIPO:"), false);
        QString name = QCoreApplication::translate("Grids", label);
        for (const char *word : {QT_TRANSLATE_NOOP("Panels", "Avería Relé"), QT_TRANSLATE_NOOP("Panels", "Avería"),
                                 QT_TRANSLATE_NOOP("Panels", "Alarma")})
            name.remove(PanelTexts::tr(word));
        ++number;
        const QString line = *loop <= 20
            ? fields::padded(number, 2) + QStringLiteral(">Bucle  ") + fields::padded(*loop, 3) + QStringLiteral("  Punto ")
                + fields::padded(*point, 3) + QString(5, QLatin1Char(' ')) + name
            : fields::padded(number, 2) + QLatin1Char('>') + QString(46, QLatin1Char(' ')) + name;
        display_.addLine(box, {line, colour::white});
    }
}

} // namespace quelta
