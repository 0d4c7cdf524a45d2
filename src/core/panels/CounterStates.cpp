#include "core/panels/PanelStates.h"

#include "core/base/DiagnosticTrace.h"
#include "core/link/LinkState.h"
#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelEventLists.h"
#include "core/panels/PanelTexts.h"
#include "core/panels/StateFields.h"


namespace quelta {
namespace {

using fields::number;

// The counts of the Syncro, AD300 and ID3000 states: fields 2 to 10.
enum SyncroField { Fire = 1, Evacuate, Alert, Prealarm, Security, Fault, Disablement, TechAlarm, Test };

const char *const kSyncroKinds[] = {"Fire", "Evacuate", "Alert", "Prealarm", "Security",
                                    "Fault", "Disablement", "TechAlarm", "Test"};

QString bcName(bool bc216, const char *name)
{
    return QLatin1String(bc216 ? "PBC216" : "PBC600") + QLatin1String(name);
}

} // namespace

void PanelStates::Info_Central_BC600(const QString &text)
{
    bcState(text, false);
}

void PanelStates::Info_Central_BC216(const QString &text)
{
    bcState(text, true);
}

// Flags | alarms | activated outputs | technical messages | faults | disablements | tests | access
// level (BC216).
void PanelStates::bcState(const QString &text, bool bc216)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    const bool live = display_.live();
    const Colour own = bc216 ? colour::black : colour::blue;
    const int flags = fields::hexValue(parts.value(0)).value_or(0);
    const auto paint = [&](const char *name, Colour lit) {
        display_.setFill(bcName(bc216, name), live ? lit : colour::grey);
    };
    paint("ResetZumb", (flags & 0x01) ? colour::signalAmber : own);
    paint(bc216 ? "Reset" : "Equips", (flags & 0x02) ? colour::red : own);
    paint("Rearme", own);
    const PanelFamily family = bc216 ? PanelFamily::Bc216 : PanelFamily::Bc600;
    for (const BcCounter &counter : bcCounters()) {
        const int count = number(parts.value(counter.tag));
        const QString panel = bcName(bc216, counter.name);
        const QString label = bcCounterLabel(family, counter);
        display_.setCounter(label, count);
        display_.setCaption(label, QString::number(count));
        // A counter with events stands out in the colour of its kind: red for alarms, amber for faults.
        // (Read the other way round, an alarm panel would glow red with no alarm at all.)
        const Colour highlight = counter.tag == 1 ? colour::red : counter.tag == 4 ? colour::signalAmber : own;
        display_.setFill(panel, !live ? colour::grey : count > 0 ? highlight : own);
        display_.setFont(panel, live && count > 0 && highlight != own ? own : colour::white);
    }
    // The six counters take fields 2 to 7; the access level is the eighth field.
    if (bc216) {
        const int level = fields::hexValue(parts.value(7)).value_or(0);
        const QString access = QStringLiteral("REBC216Autoritzacio");
        display_.setCaption(access, level == 1 ? PanelTexts::tr("Nivel usuario") : level == 2 ? PanelTexts::tr("Nivel instalador") : PanelTexts::tr("---"));
        display_.setFont(access, level == 1 || level == 2 ? colour::darkYellow : colour::grey);
    }
    events_.showBcList(family);
}

// Flags | fire | evacuate | alert | prealarm | security | fault | disablement | technical | test.
void PanelStates::Info_Central_Syncro(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    const auto count = [&parts](SyncroField field) { return number(parts.value(field)); };
    const QString memo = QStringLiteral("MSyncroPantalla");
    display_.clearLines(memo);
    display_.addLines(memo, {PanelTexts::tr(" ZONA EN ALARMA") + QLatin1Char('=') + fields::padded(count(Fire), 3)
                                 + QStringLiteral("  AVER=") + fields::padded(count(Fault), 3)
                                 + QStringLiteral("  DESACT=") + fields::padded(count(Disablement), 3),
                             QString()});
    // Traced without the half-second pause after it: a pause here would stall every status frame.
    trace_.Escriure_REPortserie(QStringLiteral("Info_Central_Syncro : ") + text);
    for (int field = Fire; field <= Test; ++field) {
        if (count(SyncroField(field)) > 0)
            display_.addLines(memo, events_.AgafaEventsSyncro(QLatin1String(kSyncroKinds[field - 1]))
                                        .split(QStringLiteral("\r\n")));
    }
    const bool fire = count(Fire) > 0;
    const bool evacuate = count(Evacuate) > 0 || count(Security) > 0;
    const auto lamp = [this](const char *name, bool on, Colour lit) {
        display_.setLampColour(QLatin1String(name), on ? lit : colour::mediumGrey);
    };
    lamp("SSyncroFoc", fire || evacuate, colour::red);
    lamp("SSyncroFoc2", fire || evacuate, colour::red);
    lamp("SSyncroRuta", fire, colour::red);
    lamp("SSyncroPrealarma", count(Prealarm) > 0, colour::orange);
    lamp("SSyncroDesact", count(Disablement) > 0, colour::orange);
    lamp("SSyncroProva", count(Test) > 0, colour::orange);
    display_.setTag(QStringLiteral("SSyncroAvaria"), count(Fault) > 0 ? 2 : 0);
    display_.setLampColour(QStringLiteral("SSyncroAlim"), colour::lime);
    display_.setFill(QStringLiteral("PSyncroPantalla"), link_.connex_Quelta_Agui == 2 ? colour::olive : colour::silver);
}

// Flags | fire | fault | annulled | control.
void PanelStates::Info_Central_AvenarBosch(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    display_.clearLines(QStringLiteral("REAvenarBoschPantalla"));
    struct Counter
    {
        const char *label;
        const char *panel;
        Colour lit;
        Colour litText;
    };
    const Counter counters[] = {{"LNumAvenarBoschFoc", "PAvenarBoschFoc", colour::red, colour::white},
                                {"LNumAvenarBoschFallo", "PAvenarBoschFallo", colour::lemon, colour::black},
                                {"LNumAvenarBoschAnul", "PAvenarBoschAnullat", colour::lemon, colour::black},
                                {"LNumAvenarBoschControl", "PAvenarBoschControl", colour::red, colour::white}};
    for (qsizetype i = 0; i < 4; ++i) {
        const Counter &counter = counters[i];
        const int count = number(parts.value(i + 1));
        display_.setCounter(QLatin1String(counter.label), count);
        display_.setCaption(QLatin1String(counter.label), QString::number(count));
        display_.setFill(QLatin1String(counter.panel), count > 0 ? counter.lit : colour::black);
        display_.setFont(QLatin1String(counter.panel), count > 0 ? counter.litText : colour::white);
    }
}

void PanelStates::Info_Central_AD300(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    const auto count = [&parts](SyncroField field) { return number(parts.value(field)); };
    display_.clearLines(QStringLiteral("MAD300"));
    if (count(Fire) > 0) {
        display_.setTag(QStringLiteral("SAD300Alarma"), 2);
        events_.AgafaEventsAD300(QStringLiteral("Fire"), count(Fire));
    } else {
        display_.setTag(QStringLiteral("SAD300Alarma"), 0);
        for (int zone = 1; zone <= 20; ++zone) {
            const QString lamp = QStringLiteral("SAD300L") + QString::number(zone);
            display_.setTag(lamp, 0);
            display_.setLampColour(lamp, colour::silver);
        }
    }
    display_.setTag(QStringLiteral("SAD300Avaria"), count(Fault) > 0 ? 2 : 0);
    if (count(Fault) > 0)
        events_.AgafaEventsAD300(QStringLiteral("Fault"), count(Fault));
    display_.setLampColour(QStringLiteral("SAD300Desconnex"), count(Disablement) > 0 ? colour::orange : colour::mediumGrey);
    if (count(Disablement) > 0)
        events_.AgafaEventsAD300(QStringLiteral("Disablement"), count(Disablement));
    if (count(Prealarm) > 0)
        events_.AgafaEventsAD300(QStringLiteral("Prealarm"), count(Prealarm));
}

void PanelStates::Info_Central_ID3000(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    const auto count = [&parts](SyncroField field) { return number(parts.value(field)); };
    display_.clearLines(QStringLiteral("REID3000Pantalla"));
    struct State
    {
        SyncroField field;
        const char *label;
        QStringList lamps;
        const char *kind;
    };
    const State states[] = {
        {Fire, "LAlarmaID3000", {QStringLiteral("SAlarmaID3000"), QStringLiteral("SAlarmaID30002")}, "Fire"},
        {Fault, "LAvariaID3000",
         {QStringLiteral("SFalloID3000"), QStringLiteral("SFalloID30002"), QStringLiteral("SFalloSistemaID3000")}, "Fault"},
        {Disablement, "LAnullatID3000", {QStringLiteral("SAnullatID3000")}, "Disablement"},
        {Test, "LProvaID3000", {QStringLiteral("SProvaID3000")}, "Test"},
    };
    // The labels of the states with a count stand side by side from the left.
    int left = 40;
    for (const State &state : states) {
        const bool on = count(state.field) > 0;
        display_.setVisible(QLatin1String(state.label), on);
        if (on) {
            display_.setLeft(QLatin1String(state.label), left);
            left += 74;
        }
        for (const QString &lamp : state.lamps)
            display_.setTag(lamp, on ? 1 : 0);
        if (on)
            events_.appendId3000List(QLatin1String(state.kind));
    }
    display_.setTag(QStringLiteral("SPrealarmaID3000"), count(Prealarm) > 0 ? 1 : 0);
    display_.setTag(QStringLiteral("SAlimID3000"), 1);
}

} // namespace quelta
