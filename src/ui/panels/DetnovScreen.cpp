// The Detnov front. The device reports no state of a Detnov panel, so the front only says which
// panel is there: its lamps stay dark and its keys send nothing.
#include "ui/panels/PanelFronts.h"

#include "ui/panels/ScreenBuilder.h"

#include <QCoreApplication>
#include <QLabel>

namespace quelta::ui {

void buildDetnovScreen(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatDetnov"), colour::rgb(0xE6E6E6));
    QLabel *brand = b.label(screen, QStringLiteral("LDetnovNom"), {14, 8, 280, 30},
                            QT_TRANSLATE_NOOP("PanelScreens", "DETNOV"), 16, true);
    setTextColour(*brand, colour::rgb(0xC00000));
    b.label(screen, {}, {300, 8, 286, 30}, QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL DE INCENDIOS"), 10, true,
            Qt::AlignRight | Qt::AlignVCenter);

    PanelBox *display = b.box(screen, QStringLiteral("PDetnovPantalla"), {14, 46, 380, 150}, colour::rgb(0x9DB88A),
                              colour::rgb(0x1E2A14),
                              QT_TRANSLATE_NOOP("PanelScreens", "Esta central no envía su estado al equipo"));
    display->setCaptionStyle(1.1, true);

    PanelBox *lamps = b.panel(screen, QStringLiteral("PDetnovLeds"), {402, 46, 184, 150}, colour::silver);
    b.lampColumn(lamps, {14, 8}, 22,
                 {{QStringLiteral("SDetnovFuego"), QT_TRANSLATE_NOOP("PanelScreens", "FUEGO")},
                  {QStringLiteral("SDetnovAveria"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA")},
                  {QStringLiteral("SDetnovDesconexion"), QT_TRANSLATE_NOOP("PanelScreens", "DESCONEXION")},
                  {QStringLiteral("SDetnovPrueba"), QT_TRANSLATE_NOOP("PanelScreens", "PRUEBA")},
                  {QStringLiteral("SDetnovServicio"), QT_TRANSLATE_NOOP("PanelScreens", "SERVICIO")},
                  {QStringLiteral("SDetnovSilencio"), QT_TRANSLATE_NOOP("PanelScreens", "ZUMBADOR SILENCIADO")}});

    const std::pair<const char *, KeyPicture> keys[] = {
        {QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO ZUMBADOR"), KeyPicture::SilenceBuzzer},
        {QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO SIRENAS"), KeyPicture::SilenceSirens},
        {QT_TRANSLATE_NOOP("PanelScreens", "REARME"), KeyPicture::Reset}};
    PanelBox *keypad = b.panel(screen, QStringLiteral("PDetnovTeclas"), {14, 206, 572, 76}, colour::silver);
    int x = 10;
    for (const auto &[caption, symbol] : keys) {
        PanelBox *key = b.panel(keypad, {}, {x, 10, 178, 56}, colour::rgb(0xF4F4F4));
        b.picture(key, {}, {12, 12, 32, 32}, symbol);
        b.label(key, {}, {52, 4, 120, 48}, caption, 7, true);
        x += 186;
    }
}

} // namespace quelta::ui
