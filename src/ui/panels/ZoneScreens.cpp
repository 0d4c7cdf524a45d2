// The fronts of the panels that report twelve zones of three characters: Urano, Komttech and
// Supra. They share one layout: the zones with their alarm and fault lamps, two panels of general
// lamps and a row of keys.
#include "ui/panels/PanelFronts.h"

#include "ui/panels/ScreenBuilder.h"

#include <QCoreApplication>
#include <QLabel>

namespace quelta::ui {
namespace {

// A key on its own plate, or a bare symbol with its caption beside it.
struct ZoneKey
{
    const char *plate; // empty for a bare symbol
    const char *picture;
    const char *captionName;
    const char *caption;
    KeyPicture symbol;
};

struct ZoneFront
{
    const char *screen;
    const char *title;
    Colour screenFill;
    Colour screenText;
    Colour panelFill;
    Colour panelText;
    const char *zonesPanel;
    const char *alarmPrefix;
    const char *alarmSuffix;
    const char *faultPrefix;
    const char *faultSuffix;
    const char *generalPanel;
    QList<CaptionedLamp> general;
    const char *faultsPanel;
    QList<CaptionedLamp> faults;
    const char *keysPanel;
    QList<ZoneKey> keys;
};

// Zones 1-6 over zones 7-12, each with its number, its alarm lamp and its fault lamp.
void zones(ScreenBuilder &b, QWidget *screen, const ZoneFront &front)
{
    PanelBox *panel = b.panel(screen, QLatin1String(front.zonesPanel), {8, 32, 380, 180}, front.panelFill,
                              front.panelText);
    constexpr int kColumn = 52;
    for (int zone = 1; zone <= 12; ++zone) {
        const int x = 60 + ((zone - 1) % 6) * kColumn;
        const int y = 14 + ((zone - 1) / 6) * 82;
        b.label(panel, {}, {x, y, kColumn, 16}, nullptr, 8, true, Qt::AlignCenter)->setText(QString::number(zone));
        b.lamp(panel, numbered(front.alarmPrefix, zone, front.alarmSuffix), {x + 17, y + 20, 18, 18});
        b.lamp(panel, numbered(front.faultPrefix, zone, front.faultSuffix), {x + 17, y + 46, 18, 18});
        if ((zone - 1) % 6 == 0) {
            b.label(panel, {}, {14, y + 19, 46, 20}, QT_TRANSLATE_NOOP("PanelScreens", "FUEGO"), 7);
            b.label(panel, {}, {14, y + 45, 46, 20}, QT_TRANSLATE_NOOP("PanelScreens", "AVERIA"), 7);
        }
    }
}

void keys(ScreenBuilder &b, QWidget *screen, const ZoneFront &front)
{
    PanelBox *panel = b.panel(screen, QLatin1String(front.keysPanel), {8, 218, 584, 64}, front.panelFill,
                              front.panelText);
    int x = 14;
    for (const ZoneKey &key : front.keys) {
        if (*key.plate) {
            b.key(panel, QLatin1String(key.plate), {x, 8, 180, 48}, colour::rgb(0xF4F4F4), colour::black, key.caption,
                  key.symbol, QLatin1String(key.picture), QLatin1String(key.captionName));
        } else {
            b.picture(panel, QLatin1String(key.picture), {x + 14, 10, 44, 44}, key.symbol);
            b.label(panel, QLatin1String(key.captionName), {x + 62, 8, 118, 48}, key.caption, 7, true);
        }
        x += 190;
    }
}

PanelBox *zoneScreen(ScreenBuilder &b, const ZoneFront &front)
{
    PanelBox *screen = b.screen(QLatin1String(front.screen), front.screenFill, front.screenText);
    b.label(screen, {}, {12, 6, 576, 22}, front.title, 10, true);
    zones(b, screen, front);
    PanelBox *general = b.panel(screen, QLatin1String(front.generalPanel), {396, 32, 196, 88}, front.panelFill,
                                front.panelText);
    b.lampColumn(general, {18, 6}, 15, front.general);
    PanelBox *faults = b.panel(screen, QLatin1String(front.faultsPanel), {396, 124, 196, 88}, front.panelFill,
                               front.panelText);
    b.lampColumn(faults, {18, 6}, 15, front.faults);
    keys(b, screen, front);
    return screen;
}

const char *const kService = QT_TRANSLATE_NOOP("PanelScreens", "SERVICIO");
const char *const kAnnulled = QT_TRANSLATE_NOOP("PanelScreens", "ZONAS ANULADAS");
const char *const kTest = QT_TRANSLATE_NOOP("PanelScreens", "ZONAS EN PRUEBA");
const char *const kBuzzerSilenced = QT_TRANSLATE_NOOP("PanelScreens", "ZUMBADOR SILENCIADO");
const char *const kEarthFault = QT_TRANSLATE_NOOP("PanelScreens", "FALLO A TIERRA");
const char *const kPowerFault = QT_TRANSLATE_NOOP("PanelScreens", "FALLO ALIMENTACION");
const char *const kSystemFault = QT_TRANSLATE_NOOP("PanelScreens", "FALLO SISTEMA");
const char *const kSounderFault = QT_TRANSLATE_NOOP("PanelScreens", "FALLO SIRENAS");
const char *const kRearm = QT_TRANSLATE_NOOP("PanelScreens", "REARME");
const char *const kSilenceBuzzer = QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO ZUMBADOR");
const char *const kSilenceSirens = QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO SIRENAS");

QString name(const char *text)
{
    return QLatin1String(text);
}

} // namespace

void buildZoneScreens(ScreenBuilder &builder)
{
    // The Urano's panels are named for their part: the panel routine curves and colours them by it.
    zoneScreen(builder,
               {"PEstatUrano", QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL DE INCENDIOS URANO"), colour::grey,
                colour::white, colour::mistGrey, colour::grey, "PUranoPanelZones", "SLed", "1", "SLed", "2",
                "PLedUranoGeneral",
                {{name("SLedFalloServei"), kService},
                 {name("SLedZAnul"), kAnnulled},
                 {name("SLedZTest"), kTest},
                 {name("SLedSilZum"), kBuzzerSilenced}},
                "PFalloUrano",
                {{name("SLedFalloTerra"), kEarthFault},
                 {name("SLedFalloAlim"), kPowerFault},
                 {name("SLedFalloSistema"), kSystemFault},
                 {name("SLedFalloSirenes"), kSounderFault}},
                "PUranoBotons",
                {{"PUranoRearme", "", "", kRearm, KeyPicture::Reset},
                 {"PUranoSilZum", "", "Label138", kSilenceBuzzer, KeyPicture::SilenceBuzzer},
                 {"", "Image17", "", kSilenceSirens, KeyPicture::SilenceSirens}}});

    PanelBox *komttech = zoneScreen(builder,
               {"PEstatKomttech", QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL DE INCENDIOS KOMTTECH"),
                colour::rgb(0x1F3A5F), colour::white, colour::rgb(0xE4E8EE), colour::black, "PKomttechZonas", "SKLed",
                "1", "SKLed", "2", "PKomttechGeneral",
                {{name("SKLedAlim"), kService},
                 {name("SKLedZAnul"), kAnnulled},
                 {name("SKLedZTest"), kTest},
                 {name("SKLedSilZum"), kBuzzerSilenced}},
                "PKomttechFallos",
                {{name("SKLedFalloTerra"), kEarthFault},
                 {name("SKLedFalloAlim"), kPowerFault},
                 {name("SKLedFalloSistema"), kSystemFault},
                 {name("SKLedFalloSirenes"), kSounderFault}},
                "PKomttechBotons",
                {{"PKomttechRearme", "IKomttechRearme", "", kRearm, KeyPicture::Reset},
                 {"", "IKomttechSilenci", "LKomttechSIlenci", kSilenceBuzzer, KeyPicture::SilenceBuzzer},
                 {"", "Image18", "", kSilenceSirens, KeyPicture::SilenceSirens}}});
    // Without live data the Komttech front lies under a cover.
    PanelBox *cover = builder.box(komttech, QStringLiteral("PKomttechOffline"), {{0, 0}, ScreenBuilder::kScreenSize},
                                  Colour{0xB0303030, SystemColour::None}, colour::white,
                                  QT_TRANSLATE_NOOP("PanelScreens", "OFFLINE"));
    cover->setBevel(PanelBox::Bevel::None);
    cover->setCaptionStyle(3.0, true);

    zoneScreen(builder,
               {"PEstatSupra", QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL DE INCENDIOS SUPRA"), colour::buttonShadow,
                colour::white, colour::slateGrey, colour::white, "PSupraZonas", "SAlLZ", "", "SAvLZ", "",
                "PSupraGeneral",
                {{name("SLSupraServei"), kService},
                 {name("SLSupraAlarma"), QT_TRANSLATE_NOOP("PanelScreens", "ALARMA")},
                 {name("SLSupraAvaria"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA")},
                 {name("SLSupraTest"), kTest},
                 {name("SLSUpraAnullada"), kAnnulled}},
                "PSupraFallos",
                {{name("SLSupraFalloTerra"), kEarthFault},
                 {name("SlSupraFalloAlim"), kPowerFault},
                 {name("SLSupraFalloSirenes"), kSounderFault},
                 {name("SLSupraSilenciarSir"), QT_TRANSLATE_NOOP("PanelScreens", "SIRENAS SILENCIADAS")},
                 {name("SlSupraSilenciarZum"), kBuzzerSilenced}},
                "PSupraBotons",
                {{"PSupraRearme", "", "", kRearm, KeyPicture::Reset},
                 {"PSupraSilenzum", "", "Label139", kSilenceBuzzer, KeyPicture::SilenceBuzzer},
                 {"PSupraSilenSir", "", "", kSilenceSirens, KeyPicture::SilenceSirens}}});
}

} // namespace quelta::ui
