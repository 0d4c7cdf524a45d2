#include "core/panels/PanelLayout.h"

#include "core/link/LinkState.h"
#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelEventLists.h"
#include "core/panels/PanelStates.h"
#include "core/panels/PanelTexts.h"
#include "core/status/ControlNames.h"


namespace quelta {
namespace {

using controls::names;
using controls::numbered;

ControlLook inner(bool visible, std::optional<Colour> fill = {}, std::optional<Colour> font = {},
                  std::optional<int> radius = {})
{
    ControlLook look;
    look.visible = visible;
    look.fill = fill;
    look.font = font;
    look.cornerRadius = radius;
    return look;
}

} // namespace

const QStringList &PanelLayout::uranoInnerPanels()
{
    static const QStringList panels = names({"PUranoPanelZones", "PLedUranoGeneral", "PFalloUrano", "PUranoRearme",
                                             "PUranoSilZum", "PUranoBotons"});
    return panels;
}

PanelLayout::PanelLayout(PanelDisplay &display, PanelStates &states, PanelEventLists &events, const LinkState &link)
    : display_(display), states_(states), events_(events), link_(link)
{
}

void PanelLayout::show(PanelFamily family)
{
    switch (family) {
    // The AE/C5 screen shows its telecontrol caption only while the panel is under telecontrol.
    case PanelFamily::AeC5: MostraPEstaAgui2(link_.bidiCentral); break;
    case PanelFamily::Bc600: MostraPEstatBC600(true); break;
    case PanelFamily::Bc216: MostraPEstatBC216(true); break;
    case PanelFamily::Cofem: MostraPEstatCofem(true); break;
    case PanelFamily::Urano: MostraPEstatUrano(true); break;
    case PanelFamily::Syncro: MostraPEstatSyncro(true); break;
    case PanelFamily::Bosch: MostraPEstatAvenarBosch(true); break;
    case PanelFamily::Ad300: MostraPEstatAD300(true); break;
    case PanelFamily::Supra: MostraPEstatSupra(true); break;
    case PanelFamily::CofemA: MostraPEstatCofemZafir(true); break;
    case PanelFamily::Komttech: MostraPEstatKomttech(true); break;
    case PanelFamily::Id3000: MostraPEstatID3000(true); break;
    case PanelFamily::AeSa: states_.showAguileraList(states_.mostraAgui()); break;
    case PanelFamily::None:
    case PanelFamily::Doors:
    case PanelFamily::Detnov: break;
    }
}

// True puts the AE/C5 screen in telecontrol: its inner panels give way to the caption.
void PanelLayout::MostraPEstaAgui2(bool show)
{
    display_.setInnerLook(QStringLiteral("PEstatAgui2"), inner(!show, {}, {}, show ? 20 : 0));
    display_.setCaption(QStringLiteral("PEstatAgui2"), show ? PanelTexts::tr("CENTRAL EN TELECONTROL") : QString());
}

void PanelLayout::MostraPEstatBC600(bool show)
{
    bcScreen(PanelFamily::Bc600, show);
}

void PanelLayout::MostraPEstatBC216(bool show)
{
    bcScreen(PanelFamily::Bc216, show);
    for (const char *button : {"PBC216Reset", "PBC216ResetZumb", "PBC216Rearme"})
        display_.setCornerRadius(QLatin1String(button), 80);
}

// Live, an inner panel that shows no alarm (red) or fault (amber) takes the panel's own colour.
void PanelLayout::bcScreen(PanelFamily family, bool show)
{
    const bool bc216 = family == PanelFamily::Bc216;
    const QString screen = bc216 ? QStringLiteral("PEstatBC216") : QStringLiteral("PEstatBC600");
    const QString prefix = bc216 ? QStringLiteral("PBC216") : QStringLiteral("PBC600");
    const Colour own = bc216 ? colour::black : colour::blue;
    const bool live = display_.live();
    display_.setInnerLook(screen, inner(show, {}, {}, bc216 ? 30 : 0));
    QStringList panels = names({"ResetZumb", "Rearme"}) << (bc216 ? QStringLiteral("Reset") : QStringLiteral("Equips"));
    for (const BcCounter &counter : bcCounters())
        panels << QLatin1String(counter.name);
    const auto alerting = [](const std::optional<Colour> &fill) {
        return fill && (*fill == colour::red || *fill == colour::signalAmber);
    };
    for (const QString &name : panels) {
        if (!live)
            display_.setFill(prefix + name, colour::grey);
        else if (!alerting(display_.control(prefix + name).fill))
            display_.setFill(prefix + name, own);
    }
    const QString heading = bc216 ? QStringLiteral("LNumBC216") : QStringLiteral("LNumBC600");
    if (!live || !alerting(display_.control(heading).font))
        display_.setFont(heading, live ? own : colour::grey);
    const QString box = bc216 ? QStringLiteral("REBC216") : QStringLiteral("REBC600");
    display_.setFill(box, !live ? colour::silver : bc216 ? colour::darkYellow : colour::window);
    if (live)
        display_.setFill(prefix + QStringLiteral("Rearme"), own);
    if (!link_.circuittrobat)
        events_.selectBcCounter(family, 1);
}

void PanelLayout::MostraPEstatCofem(bool show)
{
    const bool clvr = link_.central.contains(QLatin1String("CLVR"));
    display_.setCaption(QStringLiteral("LCofemNom"), clvr ? QStringLiteral("     CLVR") : QStringLiteral("K-CONECTA"));
    display_.setCaption(QStringLiteral("LCentralCofemNom"),
                        PanelTexts::tr("CENTRAL DE INCENDIOS ") + (clvr ? QStringLiteral("CLVR") : QStringLiteral("K-CONECTA")));
    // Rounded as the AE/C5 screen, but never captioned as under telecontrol: the Cofem has none.
    display_.setInnerLook(QStringLiteral("PEstatCofem"), inner(show, {}, {}, 20));
}

void PanelLayout::MostraPEstatUrano(bool show)
{
    const bool live = display_.live();
    display_.setInnerLook(QStringLiteral("PEstatUrano"), inner(show, {}, {}, 20));
    display_.setFill(QStringLiteral("PEstatUrano"), live ? colour::teal : colour::grey);
    for (const QString &panel : uranoInnerPanels()) {
        const bool rounded = panel.contains(QLatin1String("Panel")) || panel.contains(QLatin1String("PLed"))
            || panel.contains(QLatin1String("PUrano"));
        display_.setCornerRadius(panel, rounded ? 60 : 20);
        if (panel.contains(QLatin1String("Panel")) || panel.contains(QLatin1String("PLed"))
            || panel.contains(QLatin1String("PFallo"))) {
            display_.setFill(panel, live ? colour::paleBlue : colour::mistGrey);
            display_.setFont(panel, live ? colour::teal : colour::grey);
        }
    }
}

void PanelLayout::MostraPEstatSyncro(bool show)
{
    const bool live = display_.live();
    display_.setInnerLook(QStringLiteral("PEstatSyncro"), inner(show, live ? colour::silver : colour::lightGrey));
    display_.setFill(QStringLiteral("PEstatSyncro"), live ? colour::lightGrey : colour::grey);
    display_.setFill(QStringLiteral("PSyncroPantalla"), live ? colour::olive : colour::silver);
    display_.setCornerRadius(QStringLiteral("PSyncroPantalla"), 30);
    display_.setCornerRadius(QStringLiteral("PSyncroAlarma"), 40);
    display_.setCornerRadius(QStringLiteral("PSyncroRepo"), 40);
}

void PanelLayout::MostraPEstatAvenarBosch(bool show)
{
    display_.setInnerLook(QStringLiteral("PEstatAvenarBosch"), inner(show));
    display_.setFill(QStringLiteral("PEstatAvenarBosch"), display_.live() ? colour::black : colour::silver);
}

void PanelLayout::MostraPEstatAD300(bool)
{
    const bool live = display_.live();
    display_.setFill(QStringLiteral("PEstatAD300"), live ? colour::lightGrey : colour::grey);
    display_.setFill(QStringLiteral("MAD300"), live ? colour::cyan : colour::silver);
    display_.setLampColour(QStringLiteral("SAD300Servei"), live ? colour::lime : colour::mediumGrey);
}

void PanelLayout::MostraPEstatSupra(bool show)
{
    const bool live = display_.live();
    display_.setInnerLook(QStringLiteral("PEstatSupra"),
                          inner(show, live ? colour::grey : colour::slateGrey, live ? colour::white : std::optional<Colour>{}));
    display_.setFill(QStringLiteral("PEstatSupra"), live ? colour::slateGrey : colour::darkShadow);
}

void PanelLayout::MostraPEstatCofemZafir(bool)
{
    const Colour shade = display_.live() ? colour::black : colour::silver;
    for (const char *control : {"PEstatCofemZafir", "PCofemZafirSilenciar", "PCofemZafirReset"})
        display_.setFill(QLatin1String(control), shade);
}

void PanelLayout::MostraPEstatKomttech(bool)
{
    display_.setVisible(QStringLiteral("PKomttechOffline"), !display_.live());
}

void PanelLayout::MostraPEstatID3000(bool show)
{
    const bool live = display_.live();
    display_.setInnerLook(QStringLiteral("PEstatID3000"), inner(show));
    display_.setFill(QStringLiteral("PEstatID3000"), live ? colour::silver : colour::grayText);
    for (const char *control : {"REID3000Pantalla", "LAlarmaID3000", "LAvariaID3000", "LAnullatID3000", "LProvaID3000"})
        display_.setFill(QLatin1String(control), live ? colour::darkYellow : colour::silver);
}

void PanelLayout::Inicialitza_PEstat()
{
    display_.reset();
    states_.resetAguilera();
    states_.showAguileraList(AguileraList::Alarma);
    display_.clearLines(QStringLiteral("MAguiInfo"));
    display_.setVisible(QStringLiteral("MAguiInfo"), false);
    display_.setFill(QStringLiteral("PAguiInfo"), colour::black);
    display_.setFill(QStringLiteral("MAguiInfo"), colour::grey);
    display_.setFill(QStringLiteral("LTitolAgui"), colour::grey);
    const char *const buttons[][2] = {{"BBAguiAlarma", QT_TRANSLATE_NOOP("Panels", "Alarma")},
                                      {"BbAguiAvaria", QT_TRANSLATE_NOOP("Panels", " Avería")},
                                      {"BBAguiDesconnec", QT_TRANSLATE_NOOP("Panels", " Desconexión")},
                                      {"BBAguiProva", QT_TRANSLATE_NOOP("Panels", " Prueba")}};
    for (const auto &button : buttons) {
        display_.setCaption(QLatin1String(button[0]), PanelTexts::tr(button[1]));
        display_.setFont(QLatin1String(button[0]), colour::grey);
    }
    display_.setCaption(QStringLiteral("LAguiInfo"), QString());
    for (const char *lamp : {"SAguiLedsAlarma", "SAguiLedsAvaria", "SAguiLedsDesconnex", "SAguiLedsProva"})
        display_.setLampColour(QLatin1String(lamp), colour::silver);
    for (const char *lamp : {"SEstatAlarma", "SEstatAvaria", "SEstatSirenes", "SEstatRetard", "SEstatDescon",
                             "SEstatProva", "SEstat220"})
        display_.setLampColour(QLatin1String(lamp), colour::lightGrey);
    for (int zone = 1; zone <= 16; ++zone) {
        for (const QString &control : {QStringLiteral("SZona%1").arg(zone), QStringLiteral("SSZona%1").arg(zone),
                                       QStringLiteral("IZona%1").arg(zone)})
            display_.setVisible(control, false);
    }
    for (const PanelFamily family : {PanelFamily::Bc600, PanelFamily::Bc216}) {
        const bool bc216 = family == PanelFamily::Bc216;
        for (const BcCounter &counter : bcCounters()) {
            display_.setCaption(bcCounterLabel(family, counter), QStringLiteral("0"));
            display_.setFill(QLatin1String(bc216 ? "PBC216" : "PBC600") + QLatin1String(counter.name), colour::grey);
        }
        const QString heading = bc216 ? QStringLiteral("LNumBC216") : QStringLiteral("LNumBC600");
        display_.setCaption(heading, QString());
        display_.setFont(heading, colour::grey);
        display_.clearLines(bc216 ? QStringLiteral("REBC216") : QStringLiteral("REBC600"));
    }
    const QStringList cofemLamps = names({"SLAlarma", "SL220V", "SLBateria", "SLAvGen", "SLAvAli", "SLReSir", "SLReAva",
                                          "SLAvBat"})
        + numbered("SAL", 12) + numbered("SAV", 12) + numbered("STE", 12);
    for (const QString &lamp : cofemLamps)
        display_.setLampColour(lamp, colour::lightGrey);
    for (const QString &lamp : numbered("SLed", 12, "1") + numbered("SLed", 12, "2")
             + names({"SLedZAnul", "SLedZTest", "SLedFalloTerra", "SLedFalloAlim", "SLedFalloSistema",
                      "SLedFalloSirenes", "SLedFalloServei", "SLedSilZum"}))
        display_.setLampColour(lamp, colour::silver);
    display_.clearLines(QStringLiteral("MSyncroPantalla"));
    for (const char *lamp : {"SSyncroFoc", "SSyncroAlim", "SSyncroPrealarma", "SSyncroRuta", "SSyncroProva",
                             "SSyncroDesact", "SSyncroAvaria", "SSyncroFoc2", "SAD300Servei", "SAD300Alarma",
                             "SAD300Avaria", "SAD300Desconnex"})
        display_.setLampColour(QLatin1String(lamp), colour::silver);
    const auto offLamps = [this](const QStringList &lamps, Colour colour) {
        for (const QString &lamp : lamps)
            display_.resetLamp(lamp, colour);
    };
    offLamps(numbered("SAD300L", 20) + numbered("SAlLZ", 12) + numbered("SAvLZ", 12), colour::silver);
    offLamps(numbered("SKLed", 12, "1") + numbered("SKLed", 12, "2"), colour::white);
    offLamps(names({"SZafirLedAlarma", "SZafirLed220", "SZafirLedBat", "SZafirLedAvGen", "SZafirLedAvAlim",
                    "SZafirLedDispar"}),
             colour::grayText);
    offLamps(names({"SAlarmaID3000", "SAlarmaID30002", "SFalloID3000", "SFalloID30002", "SPrealarmaID3000",
                    "SFalloSistemaID3000", "SAnullatID3000", "SProvaID3000", "SAlimID3000"}),
             colour::silver);
    const char *const id3000Labels[][2] = {{"LAlarmaID3000", QT_TRANSLATE_NOOP("Panels", "Alarma")},
                                           {"LAvariaID3000", QT_TRANSLATE_NOOP("Panels", " Avería")},
                                           {"LProvaID3000", QT_TRANSLATE_NOOP("Panels", " Prueba")},
                                           {"LAnullatID3000", QT_TRANSLATE_NOOP("Panels", "Anulado")}};
    for (const auto &label : id3000Labels)
        display_.setCaption(QLatin1String(label[0]), PanelTexts::tr(label[1]));
}

} // namespace quelta
