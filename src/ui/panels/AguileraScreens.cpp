// The Aguilera fronts: the AE/SA and AGE, which report counters and zone lists, and the AE/C5 with
// its sixteen zones, state lamps and keypad.
#include "ui/panels/PanelFronts.h"

#include "core/status/ControlNames.h"
#include "ui/panels/ScreenBuilder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTextEdit>

namespace quelta::ui {
namespace {

constexpr Colour kPanelGrey = colour::lightGrey;
constexpr Colour kKeyFace = colour::rgb(0xF4F4F4);

void aeSa(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatAgui"), colour::grey, colour::white);
    PanelBox *title = b.box(screen, QStringLiteral("LTitolAgui"), {10, 8, 580, 26}, colour::grey, colour::white,
                            QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL AGUILERA   AE/SA - AGE"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    PanelBox *info = b.panel(screen, QStringLiteral("PAguiInfo"), {10, 42, 370, 240}, colour::black);
    info->setBevel(PanelBox::Bevel::Lowered);
    b.label(info, QStringLiteral("LAguiInfo"), {8, 6, 354, 20}, nullptr, 9, true);
    b.memo(info, QStringLiteral("MAguiInfo"), {8, 30, 354, 202}, colour::grey, colour::black, 9)->hide();

    // Each list has its lamp and the button that shows it in the memo.
    struct ListRow
    {
        const char *lamp;
        const char *button;
        const char *caption;
    };
    const ListRow rows[] = {{"SAguiLedsAlarma", "BBAguiAlarma", QT_TRANSLATE_NOOP("PanelScreens", "ALARMA")},
                            {"SAguiLedsAvaria", "BbAguiAvaria", QT_TRANSLATE_NOOP("PanelScreens", "AVERIA")},
                            {"SAguiLedsDesconnex", "BBAguiDesconnec", QT_TRANSLATE_NOOP("PanelScreens", "DESCONEC.")},
                            {"SAguiLedsProva", "BBAguiProva", QT_TRANSLATE_NOOP("PanelScreens", "PRUEBA")}};
    PanelBox *leds = b.panel(screen, QStringLiteral("PAguiLeds"), {390, 42, 200, 148}, colour::silver);
    int y = 8;
    for (const ListRow &row : rows) {
        b.lamp(leds, QLatin1String(row.lamp), {12, y + 6, 18, 18});
        b.button(leds, QLatin1String(row.button), {38, y, 154, 30}, row.caption, colour::grey);
        y += 34;
    }

    const std::pair<const char *, const char *> orders[] = {
        {"SBSilenci", QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO")},
        {"SBReposicio", QT_TRANSLATE_NOOP("PanelScreens", "REPOSICION")},
        {"SBRearme", QT_TRANSLATE_NOOP("PanelScreens", "REARME")}};
    y = 198;
    for (const auto &[name, caption] : orders) {
        b.button(screen, QLatin1String(name), {390, y, 200, 26}, caption);
        y += 28;
    }

    // Shown instead of the lists while the maker's program drives the panel.
    b.label(screen, QStringLiteral("LAguiProces"), {10, 196, 580, 28},
            QT_TRANSLATE_NOOP("PanelScreens", "  PROCESO EN CURSO"), 13, true, Qt::AlignCenter)
        ->hide();
    b.label(screen, QStringLiteral("LAguiEsperi"), {10, 228, 580, 24},
            QT_TRANSLATE_NOOP("PanelScreens", "  Espere un momento, por favor ..."), 10, false, Qt::AlignCenter)
        ->hide();
}

// Zones 1-8 over zones 9-16; each zone has its number, the picture of its device, its alarm lamp
// and its fault lamp.
void aeC5Zones(ScreenBuilder &b, QWidget *screen)
{
    PanelBox *zones = b.panel(screen, QStringLiteral("PAgui2Zonas"), {8, 8, 400, 176}, kPanelGrey);
    b.label(zones, {}, {8, 3, 200, 15}, QT_TRANSLATE_NOOP("PanelScreens", "ZONAS"), 7, true);
    constexpr int kColumn = 42;
    for (int zone = 1; zone <= 16; ++zone) {
        const int x = 58 + ((zone - 1) % 8) * kColumn;
        const int y = 20 + ((zone - 1) / 8) * 78;
        // The last zone number is spelt with a small z on the screen.
        b.lampLabel(zones, controls::aguileraZoneNumber(zone), {x, y, kColumn, 14});
        b.lampLabel(zones, numbered("IZona", zone), {x + 11, y + 16, 20, 20});
        b.lamp(zones, numbered("SZona", zone), {x + 13, y + 40, 16, 16});
        b.lamp(zones, numbered("SSZona", zone), {x + 13, y + 58, 16, 16});
        if ((zone - 1) % 8 == 0) {
            b.label(zones, {}, {6, y + 38, 52, 20}, QT_TRANSLATE_NOOP("PanelScreens", "ALARMA"), 7);
            b.label(zones, {}, {6, y + 56, 52, 20}, QT_TRANSLATE_NOOP("PanelScreens", "AVERIA"), 7);
        }
    }
}

void aeC5(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatAgui2"), colour::grey, colour::white);
    aeC5Zones(b, screen);

    PanelBox *state = b.panel(screen, QStringLiteral("PAgui2Estat"), {416, 8, 176, 176}, kPanelGrey);
    b.label(state, {}, {8, 3, 160, 15}, QT_TRANSLATE_NOOP("PanelScreens", "ESTADO"), 7, true);
    b.lampColumn(state, {12, 22}, 21,
                 {{QStringLiteral("SEstatAlarma"), QT_TRANSLATE_NOOP("PanelScreens", "ALARMA")},
                  {QStringLiteral("SEstatAvaria"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA")},
                  {QStringLiteral("SEstatSirenes"), QT_TRANSLATE_NOOP("PanelScreens", "SIRENAS")},
                  {QStringLiteral("SEstatRetard"), QT_TRANSLATE_NOOP("PanelScreens", "RETARDO")},
                  {QStringLiteral("SEstatDescon"), QT_TRANSLATE_NOOP("PanelScreens", "DESCONEXION")},
                  {QStringLiteral("SEstatProva"), QT_TRANSLATE_NOOP("PanelScreens", "PRUEBA")},
                  {QStringLiteral("SEstat220"), QT_TRANSLATE_NOOP("PanelScreens", "RED 220 V")}});

    PanelBox *keys = b.panel(screen, QStringLiteral("PAgui2Teclas"), {8, 190, 584, 92}, kPanelGrey);
    struct Key
    {
        const char *name;
        const char *caption;
        KeyPicture symbol;
        const char *picture;
        const char *captionName;
    };
    const Key keypad[] = {
        {"PZumbador", QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO ZUMBADOR"), KeyPicture::SilenceBuzzer, "", "Label121"},
        {"PSirenes", QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO SIRENAS"), KeyPicture::SilenceSirens, "Image3", ""},
        {"PReset", QT_TRANSLATE_NOOP("PanelScreens", "RESET"), KeyPicture::Reset, "Image6", "Label193"},
        {"PDisparSirenes", QT_TRANSLATE_NOOP("PanelScreens", "DISPARO SIRENAS"), KeyPicture::FireSirens, "Image7", ""},
        {"PConnectar", QT_TRANSLATE_NOOP("PanelScreens", "CONECTAR DESCONECTAR"), KeyPicture::Connect, "Image4", ""},
        {"PProva", QT_TRANSLATE_NOOP("PanelScreens", "PRUEBA AVANCE"), KeyPicture::StepTest, "Image5", ""},
    };
    int x = 8;
    for (const Key &key : keypad) {
        b.key(keys, QLatin1String(key.name), {x, 8, 90, 76}, kKeyFace, colour::black, key.caption, key.symbol,
              QLatin1String(key.picture), QLatin1String(key.captionName));
        x += 96;
    }
}

} // namespace

void buildAguileraScreens(ScreenBuilder &builder)
{
    aeSa(builder);
    aeC5(builder);
}

} // namespace quelta::ui
