// The Cofem fronts: the K-CONECTA or CLVR with its state lamps, twelve zones and three buttons, and
// the Cofem-A (Zafir) with its display, six lamps and two keys pressed on their round caps.
#include "ui/panels/PanelFronts.h"

#include "ui/panels/ScreenBuilder.h"

#include <QCoreApplication>
#include <QLabel>

namespace quelta::ui {
namespace {

void cofemZones(ScreenBuilder &b, QWidget *screen)
{
    PanelBox *zones = b.panel(screen, QStringLiteral("PCofemZonas"), {200, 40, 392, 150}, colour::silver);
    b.shape(zones, QStringLiteral("Shape15"), {6, 6, 380, 138}, colour::buttonShadow, LampShape::Form::Square);
    constexpr int kLeft = 66;
    constexpr int kColumn = 26;
    for (int zone = 1; zone <= 12; ++zone) {
        const int x = kLeft + (zone - 1) * kColumn;
        b.label(zones, {}, {x, 12, kColumn, 16}, nullptr, 7.5, true, Qt::AlignCenter)->setText(QString::number(zone));
        b.lamp(zones, numbered("SAL", zone), {x + 5, 38, 16, 16});
        b.lamp(zones, numbered("SAV", zone), {x + 5, 70, 16, 16});
        b.lamp(zones, numbered("STE", zone), {x + 5, 102, 16, 16});
    }
    b.label(zones, {}, {10, 12, 56, 16}, QT_TRANSLATE_NOOP("PanelScreens", "ZONA"), 7, true);
    b.label(zones, {}, {10, 36, 56, 20}, QT_TRANSLATE_NOOP("PanelScreens", "ALARMA"), 7);
    b.label(zones, {}, {10, 68, 56, 20}, QT_TRANSLATE_NOOP("PanelScreens", "AVERIA"), 7);
    b.label(zones, {}, {10, 100, 56, 20}, QT_TRANSLATE_NOOP("PanelScreens", "PRUEBA"), 7);
}

void cofem(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatCofem"), colour::buttonShadow);
    QLabel *brand = b.label(screen, QStringLiteral("LCofemNom"), {12, 6, 160, 28},
                            QT_TRANSLATE_NOOP("PanelScreens", "K-CONECTA"), 14, true);
    setTextColour(*brand, colour::rgb(0x003399));
    b.label(screen, QStringLiteral("LCentralCofemNom"), {166, 6, 426, 28},
            QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL DE INCENDIOS K-CONECTA"), 11, true, Qt::AlignCenter);

    PanelBox *state = b.panel(screen, QStringLiteral("PCofemEstat"), {8, 40, 184, 242}, colour::silver);
    b.label(state, {}, {10, 3, 164, 16}, QT_TRANSLATE_NOOP("PanelScreens", "ESTADO"), 7, true);
    b.lampColumn(state, {12, 22}, 27,
                 {{QStringLiteral("SLAlarma"), QT_TRANSLATE_NOOP("PanelScreens", "ALARMA")},
                  {QStringLiteral("SL220V"), QT_TRANSLATE_NOOP("PanelScreens", "RED 220 V")},
                  {QStringLiteral("SLBateria"), QT_TRANSLATE_NOOP("PanelScreens", "BATERIA")},
                  {QStringLiteral("SLAvGen"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA GENERAL")},
                  {QStringLiteral("SLAvAli"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA ALIMENTACION")},
                  {QStringLiteral("SLReSir"), QT_TRANSLATE_NOOP("PanelScreens", "RELE SIRENAS")},
                  {QStringLiteral("SLReAva"), QT_TRANSLATE_NOOP("PanelScreens", "RELE AVERIA")},
                  {QStringLiteral("SLAvBat"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA BATERIA")}});

    cofemZones(b, screen);

    PanelBox *buttons = b.panel(screen, QStringLiteral("PCofemBotons"), {200, 198, 392, 84}, colour::silver);
    const std::tuple<const char *, const char *, KeyPicture> orders[] = {
        {"BBCofemSilenciarZumbador", QT_TRANSLATE_NOOP("PanelScreens", "Silenciar zumbador"), KeyPicture::SilenceBuzzer},
        {"BBCofemSilenciarSirena", QT_TRANSLATE_NOOP("PanelScreens", "Silenciar sirenas"), KeyPicture::SilenceSirens},
        {"BBCofemReset", QT_TRANSLATE_NOOP("PanelScreens", "Rearme"), KeyPicture::Reset}};
    int x = 6;
    for (const auto &[name, caption, symbol] : orders) {
        b.button(buttons, QLatin1String(name), {x, 8, 124, 68}, caption, colour::black, symbol);
        x += 128;
    }
}

// A Zafir key: a round cap on its plate; a press on the cap acts at once.
void zafirKey(ScreenBuilder &b, QWidget *screen, const char *plate, const char *cap, const QRect &at, Colour capColour,
              const char *caption)
{
    PanelBox *key = b.panel(screen, QLatin1String(plate), at, colour::silver, colour::white);
    b.shape(key, QLatin1String(cap), {(at.width() - 40) / 2, 8, 40, 40}, capColour, LampShape::Form::Round);
    b.label(key, {}, {4, 52, at.width() - 8, at.height() - 56}, caption, 7, true, Qt::AlignCenter);
}

void cofemZafir(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatCofemZafir"), colour::silver, colour::white);
    QLabel *title = b.label(screen, {}, {12, 6, 380, 24},
                            QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL DE INCENDIOS COFEM  ZAFIR"), 11, true);
    setTextColour(*title, colour::red);
    b.memo(screen, QStringLiteral("RECofemZafirPantalla"), {12, 34, 380, 248}, colour::black, colour::white);

    PanelBox *lamps = b.panel(screen, QStringLiteral("PZafirLeds"), {400, 34, 192, 156}, colour::rgb(0x303030),
                              colour::white);
    b.lampColumn(lamps, {12, 8}, 24,
                 {{QStringLiteral("SZafirLedAlarma"), QT_TRANSLATE_NOOP("PanelScreens", "ALARMA")},
                  {QStringLiteral("SZafirLed220"), QT_TRANSLATE_NOOP("PanelScreens", "RED 220 V")},
                  {QStringLiteral("SZafirLedBat"), QT_TRANSLATE_NOOP("PanelScreens", "BATERIA")},
                  {QStringLiteral("SZafirLedAvGen"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA GENERAL")},
                  {QStringLiteral("SZafirLedAvAlim"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA ALIMENTACION")},
                  {QStringLiteral("SZafirLedDispar"), QT_TRANSLATE_NOOP("PanelScreens", "DISPARO")}});

    zafirKey(b, screen, "PCofemZafirSilenciar", "SCofemZafirSilenciar", {400, 198, 92, 84}, colour::amber,
             QT_TRANSLATE_NOOP("PanelScreens", "SILENCIAR"));
    zafirKey(b, screen, "PCofemZafirReset", "SCofemZafirReset", {500, 198, 92, 84}, colour::skyBlue,
             QT_TRANSLATE_NOOP("PanelScreens", "RESET"));
}

} // namespace

void buildCofemScreens(ScreenBuilder &builder)
{
    cofem(builder);
    cofemZafir(builder);
}

} // namespace quelta::ui
