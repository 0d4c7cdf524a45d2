#include "core/panels/PanelStates.h"

#include "core/link/LinkState.h"
#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelTexts.h"
#include "core/panels/StateFields.h"
#include "core/status/BlinkEngine.h"
#include "core/status/ControlNames.h"
#include "core/status/StatusScreen.h"


#include <array>

namespace quelta {
namespace {

using fields::hexPair;

// One of the AE/SA's four zone lists, with its counter, lamp and button.
struct AguileraRow
{
    AguileraList list;
    const char *counter;
    const char *entries;
    const char *lamp;
    Colour lit;
    const char *button;
    const char *heading;
    const char *word;
};

const std::array<AguileraRow, 4> &aguileraRows()
{
    static const std::array<AguileraRow, 4> rows = {{
        {AguileraList::Alarma, "nAlarmes", "zalarma", "SAguiLedsAlarma", colour::red, "BBAguiAlarma",
         QT_TRANSLATE_NOOP("Panels", " ESTADO DE ALARMA: "), QT_TRANSLATE_NOOP("Panels", " ZONA EN ALARMA")},
        {AguileraList::Avaria, "nAvaries", "zavaria", "SAguiLedsAvaria", colour::yellow, "BbAguiAvaria",
         QT_TRANSLATE_NOOP("Panels", " ESTADO DE AVERIA: "), QT_TRANSLATE_NOOP("Panels", " ZONA EN AVERIA")},
        {AguileraList::Desconnexio, "nDesconnex", "zdescon", "SAguiLedsDesconnex", colour::yellow, "BBAguiDesconnec",
         QT_TRANSLATE_NOOP("Panels", " ESTADO DE DESCONEXION: "), QT_TRANSLATE_NOOP("Panels", " ZONA DESCONECTADA")},
        {AguileraList::Prova, "nProves", "zprova", "SAguiLedsProva", colour::yellow, "BBAguiProva",
         QT_TRANSLATE_NOOP("Panels", " ESTADO DE PRUEBAS: "), QT_TRANSLATE_NOOP("Panels", " ZONA EN PRUEBA")},
    }};
    return rows;
}

const AguileraRow &row(AguileraList list)
{
    return aguileraRows().at(static_cast<size_t>(list) - 1);
}

// "zone=text;zone=text...": the first three entries, the zone written with four digits.
QStringList aguileraEntries(const QString &list)
{
    QStringList entries;
    for (const QString &entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        if (entries.size() == 3)
            break;
        if (entry.contains(QLatin1String("9999"))) {
            entries << QStringLiteral("9999 ") + PanelTexts::tr("Zona de sistema");
            continue;
        }
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        entries << entry.left(equals).rightJustified(4, QLatin1Char('0')) + QStringLiteral("  ")
                + (equals < 0 ? QString() : entry.mid(equals + 1));
    }
    return entries;
}

// The memo shows the first entry, and the last two of a longer list as the last ones.
QStringList aguileraMemo(const QStringList &entries, int count, const QString &word)
{
    QList<std::pair<int, QString>> shown;
    if (count >= 1)
        shown.append({1, entries.value(0)});
    if (count == 2)
        shown.append({2, entries.value(1)});
    if (count > 2)
        shown.append({{count - 1, entries.value(1)}, {count, entries.value(2)}});
    QStringList lines;
    for (const auto &[number, entry] : shown) {
        if (!lines.isEmpty())
            lines << QString();
        const bool test = entry.contains(QLatin1String("  *"));
        lines << QLatin1Char(' ') + QString::number(number) + QLatin1Char('/') + QString::number(count) + word
                + (test ? PanelTexts::tr(" (PRUEBAS)") : QString());
        lines << QStringLiteral("   ") + QString(entry).remove(QLatin1Char('*'));
    }
    return lines;
}

const std::array<const char *, 7> kStateLamps = {"SEstatAlarma", "SEstatAvaria", "SEstatSirenes", "SEstatRetard",
                                                 "SEstatDescon", "SEstatProva", "SEstat220"};

} // namespace

PanelStates::PanelStates(PanelDisplay &display, PanelEventLists &events, StatusScreen &statusScreen,
                         const LinkState &link, DiagnosticTrace &trace)
    : display_(display), events_(events), statusScreen_(statusScreen), link_(link), trace_(trace)
{
}

// Counters "alarms|faults|disconnections|tests", a colon, then the four lists.
void PanelStates::Info_Central_AESA(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    const QStringList counters = text.left(colon).split(QLatin1Char('|'));
    const QStringList lists = colon < 0 ? QStringList() : text.mid(colon + 1).split(QLatin1Char('|'));
    for (const AguileraRow &row : aguileraRows()) {
        const auto index = static_cast<qsizetype>(row.list) - 1;
        const int count = fields::number(counters.value(index));
        display_.setCounter(QLatin1String(row.counter), count);
        display_.setList(QLatin1String(row.entries), aguileraEntries(lists.value(index)));
        display_.setLampColour(QLatin1String(row.lamp), count > 0 ? row.lit : colour::silver);
    }
    showAguileraList(mostra_Agui_);
}

void PanelStates::showAguileraList(AguileraList list)
{
    mostra_Agui_ = list;
    for (const AguileraRow &each : aguileraRows())
        display_.setFont(QLatin1String(each.button), each.list == list ? colour::green : colour::grey);
    const AguileraRow &chosen = row(list);
    if (link_.connex_Quelta_Agui < 2) {
        display_.setFill(QStringLiteral("LTitolAgui"), colour::grey);
        display_.setFill(QStringLiteral("MAguiInfo"), colour::grey);
        for (const AguileraRow &each : aguileraRows())
            display_.setLampColour(QLatin1String(each.lamp), colour::silver);
        display_.setVisible(QStringLiteral("MAguiInfo"), false);
        display_.setCaption(QStringLiteral("LAguiInfo"), QString());
        return;
    }
    const Colour shade = display_.live() ? colour::olive : colour::silver;
    for (const char *control : {"LTitolAgui", "PAguiInfo", "MAguiInfo"})
        display_.setFill(QLatin1String(control), shade);
    const int count = display_.counter(QLatin1String(chosen.counter));
    display_.setCaption(QStringLiteral("LAguiInfo"),
                        PanelTexts::tr(chosen.heading) + QString::number(count) + QLatin1Char(' ') + PanelTexts::tr("zonas"));
    display_.clearLines(QStringLiteral("MAguiInfo"));
    display_.addLines(QStringLiteral("MAguiInfo"),
                      aguileraMemo(display_.list(QLatin1String(chosen.entries)), count, PanelTexts::tr(chosen.word)));
    display_.setVisible(QStringLiteral("MAguiInfo"), true);
    display_.setLampColour(QLatin1String(chosen.lamp), chosen.lit);
}

void PanelStates::resetAguilera()
{
    mostra_Agui_ = AguileraList::Alarma;
    for (const AguileraRow &row : aguileraRows()) {
        display_.setCounter(QLatin1String(row.counter), 0);
        display_.setList(QLatin1String(row.entries), {});
    }
}

// Polling | sirens and buzzer | panel state | zone state.
void PanelStates::Info_Central_AEC5(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    // A polling byte that cannot be read counts as 0: the interface is taken as fine.
    const int polling = fields::hexValue(parts.value(0)).value_or(0);
    if (link_.connex_Quelta_Agui == 2)
        statusScreen_.setInterCentral((polling & 0x20) != 0);
    aeC5PanelState(parts.value(2));
    aeC5Zones(parts.value(3));
}

// Seven lamps: hexadecimal pairs in a text of exactly 14 characters, one digit each otherwise.
void PanelStates::aeC5PanelState(const QString &field)
{
    for (qsizetype i = 0; i < qsizetype(kStateLamps.size()); ++i) {
        const std::optional<int> value = field.size() == 14 ? hexPair(field, 2 * i) : fields::digitAt(field, i);
        if (!value)
            continue;
        display_.setTag(QLatin1String(kStateLamps.at(size_t(i))), *value);
        if (*value == 2)
            display_.restartPhase(BlinkCounter::Estat);
    }
}

// One byte per zone: 0x80 the zone exists, 0x01 / 0x02 alarm steady / blinking, 0x04 / 0x08 fault
// steady / blinking, 0x40 a call point, 0x20 the zone is marked. A missing byte is a zone that
// does not exist; one that is not hexadecimal leaves the zone as it was.
void PanelStates::aeC5Zones(const QString &field)
{
    constexpr int kZones = 16;
    const QString bytes = field.leftJustified(2 * kZones, QLatin1Char('0'));
    for (int zone = 1; zone <= kZones; ++zone) {
        const std::optional<int> value = hexPair(bytes, 2 * (zone - 1));
        if (!value)
            continue;
        const int b = *value;
        int alarm = 0, fault = 0, picture = 0, marker = 0;
        if (b & 0x80) {
            alarm = (b & 0x01) ? 1 : (b & 0x02) ? 2 : 8;
            fault = (b & 0x04) ? 3 : (b & 0x08) ? 4 : 8;
            if (alarm == 2 || fault == 4)
                display_.restartPhase(BlinkCounter::Zones);
            picture = (b & 0x40) ? 2 : 1;
            marker = (b & 0x20) ? 1 : 0;
        }
        const QString n = QString::number(zone);
        display_.setTag(QStringLiteral("SZona") + n, alarm);
        display_.setTag(QStringLiteral("SSZona") + n, fault);
        display_.setTag(QStringLiteral("IZona") + n, picture);
        display_.setTag(controls::aguileraZoneNumber(zone), marker);
    }
}

} // namespace quelta
