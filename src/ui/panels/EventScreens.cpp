// The fronts of the panels that report counters and event lists: Syncro, AD300, ID3000 and Bosch
// Avenar. Each shows its events in a display beside its lamps.
#include "ui/panels/PanelFronts.h"

#include "ui/panels/ScreenBuilder.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTextEdit>
#include <QTextOption>

namespace quelta::ui {
namespace {

constexpr Colour kClear{0x00000000, SystemColour::None};
constexpr Colour kDarkPanel = colour::rgb(0x2B2B2B);

QLabel *title(ScreenBuilder &b, QWidget *screen, const QRect &at, const char *text)
{
    return b.label(screen, {}, at, text, 10, true);
}

void syncro(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatSyncro"), colour::grey);
    title(b, screen, {12, 6, 370, 20}, QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL DE INCENDIOS SYNCRO"));
    // The memo lies on the display panel, whose colour shows through it.
    PanelBox *display = b.panel(screen, QStringLiteral("PSyncroPantalla"), {8, 30, 380, 252}, colour::silver);
    QTextEdit *memo = b.memo(display, QStringLiteral("MSyncroPantalla"), {12, 12, 356, 228}, kClear, colour::black);
    memo->setFrameShape(QFrame::NoFrame);
    memo->viewport()->setAutoFillBackground(false);

    PanelBox *lamps = b.panel(screen, QStringLiteral("PSyncroLeds"), {396, 30, 196, 176}, colour::lightGrey);
    b.lampColumn(lamps, {14, 8}, 20,
                 {{QStringLiteral("SSyncroFoc"), QT_TRANSLATE_NOOP("PanelScreens", "FUEGO")},
                  {QStringLiteral("SSyncroFoc2"), QT_TRANSLATE_NOOP("PanelScreens", "ALARMA GENERAL")},
                  {QStringLiteral("SSyncroRuta"), QT_TRANSLATE_NOOP("PanelScreens", "RUTA DE FUEGO")},
                  {QStringLiteral("SSyncroPrealarma"), QT_TRANSLATE_NOOP("PanelScreens", "PREALARMA")},
                  {QStringLiteral("SSyncroDesact"), QT_TRANSLATE_NOOP("PanelScreens", "DESACTIVACION")},
                  {QStringLiteral("SSyncroProva"), QT_TRANSLATE_NOOP("PanelScreens", "PRUEBA")},
                  {QStringLiteral("SSyncroAvaria"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA")},
                  {QStringLiteral("SSyncroAlim"), QT_TRANSLATE_NOOP("PanelScreens", "ALIMENTACION")}});
    b.key(screen, QStringLiteral("PSyncroAlarma"), {396, 212, 94, 70}, colour::lightGrey, colour::black,
          QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO SIRENAS"), KeyPicture::SilenceSirens);
    b.key(screen, QStringLiteral("PSyncroRepo"), {498, 212, 94, 70}, colour::lightGrey, colour::black,
          QT_TRANSLATE_NOOP("PanelScreens", "REARME"), KeyPicture::Reset);
}

void ad300(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatAD300"), colour::grey);
    title(b, screen, {12, 6, 356, 20}, QT_TRANSLATE_NOOP("PanelScreens", "CENTRAL DE INCENDIOS AD300"));
    b.memo(screen, QStringLiteral("MAD300"), {8, 30, 360, 252}, colour::silver, colour::black);

    PanelBox *lamps = b.panel(screen, QStringLiteral("PAD300Leds"), {376, 30, 216, 64}, colour::lightGrey);
    b.lampColumn(lamps, {12, 6}, 26,
                 {{QStringLiteral("SAD300Servei"), QT_TRANSLATE_NOOP("PanelScreens", "SERVICIO")},
                  {QStringLiteral("SAD300Alarma"), QT_TRANSLATE_NOOP("PanelScreens", "ALARMA")}});
    b.lampColumn(lamps, {112, 6}, 26,
                 {{QStringLiteral("SAD300Avaria"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA")},
                  {QStringLiteral("SAD300Desconnex"), QT_TRANSLATE_NOOP("PanelScreens", "DESCONEXION")}});

    PanelBox *zones = b.panel(screen, QStringLiteral("PAD300Zonas"), {376, 100, 216, 110}, colour::lightGrey);
    b.label(zones, {}, {8, 3, 200, 15}, QT_TRANSLATE_NOOP("PanelScreens", "ZONAS"), 7, true);
    for (int zone = 1; zone <= 20; ++zone) {
        const int x = 6 + ((zone - 1) % 10) * 20;
        const int y = 20 + ((zone - 1) / 10) * 44;
        b.label(zones, {}, {x, y, 20, 14}, nullptr, 6.5, false, Qt::AlignCenter)->setText(QString::number(zone));
        b.lamp(zones, numbered("SAD300L", zone), {x + 3, y + 16, 14, 14});
    }

    const std::tuple<const char *, const char *, KeyPicture> keys[] = {
        {"PAD300SilenciarZum", QT_TRANSLATE_NOOP("PanelScreens", "ENTERADO"), KeyPicture::Acknowledge},
        {"PAD300Botons", QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO ZUMBADOR"), KeyPicture::SilenceBuzzer},
        {"PAD300Rearme", QT_TRANSLATE_NOOP("PanelScreens", "REARME"), KeyPicture::Reset}};
    int x = 376;
    for (const auto &[name, caption, symbol] : keys) {
        b.key(screen, QLatin1String(name), {x, 216, 70, 66}, colour::lightGrey, colour::black, caption, symbol);
        x += 74;
    }
}

// A round key on the ID3000's keypad, acting when pressed.
void id3000Key(ScreenBuilder &b, QWidget *keys, const char *name, const QRect &at, Colour cap, const char *caption)
{
    b.shape(keys, QLatin1String(name), at, cap, LampShape::Form::Round);
    b.label(keys, {}, {at.center().x() - 50, at.bottom() + 2, 100, 16}, caption, 7, true, Qt::AlignCenter);
}

void id3000(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatID3000"), colour::grayText, colour::white);
    // The state labels choose the list the display shows; the panel routine moves them side by side.
    const std::pair<const char *, const char *> states[] = {
        {"LAlarmaID3000", QT_TRANSLATE_NOOP("PanelScreens", "Alarma")},
        {"LAvariaID3000", QT_TRANSLATE_NOOP("PanelScreens", " Avería")},
        {"LAnullatID3000", QT_TRANSLATE_NOOP("PanelScreens", "Anulado")},
        {"LProvaID3000", QT_TRANSLATE_NOOP("PanelScreens", " Prueba")}};
    int x = 40;
    for (const auto &[name, caption] : states) {
        b.box(screen, QLatin1String(name), {x, 6, 70, 20}, colour::silver, colour::black, caption);
        x += 74;
    }
    b.memo(screen, QStringLiteral("REID3000Pantalla"), {8, 30, 380, 252}, colour::silver, colour::black);

    PanelBox *lamps = b.panel(screen, QStringLiteral("PID3000Leds"), {396, 6, 196, 200}, kDarkPanel, colour::white);
    b.lampColumn(lamps, {14, 6}, 21,
                 {{QStringLiteral("SAlarmaID3000"), QT_TRANSLATE_NOOP("PanelScreens", "FUEGO")},
                  {QStringLiteral("SAlarmaID30002"), QT_TRANSLATE_NOOP("PanelScreens", "ALARMA GENERAL")},
                  {QStringLiteral("SFalloID3000"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA")},
                  {QStringLiteral("SFalloID30002"), QT_TRANSLATE_NOOP("PanelScreens", "AVERIA GENERAL")},
                  {QStringLiteral("SPrealarmaID3000"), QT_TRANSLATE_NOOP("PanelScreens", "PREALARMA")},
                  {QStringLiteral("SFalloSistemaID3000"), QT_TRANSLATE_NOOP("PanelScreens", "FALLO SISTEMA")},
                  {QStringLiteral("SAnullatID3000"), QT_TRANSLATE_NOOP("PanelScreens", "ANULADO")},
                  {QStringLiteral("SProvaID3000"), QT_TRANSLATE_NOOP("PanelScreens", "PRUEBA")},
                  {QStringLiteral("SAlimID3000"), QT_TRANSLATE_NOOP("PanelScreens", "ALIMENTACION")}});

    PanelBox *keys = b.panel(screen, QStringLiteral("PID3000Teclas"), {396, 212, 196, 70}, kDarkPanel, colour::white);
    id3000Key(b, keys, "SSilenciarID3000", {30, 8, 36, 36}, colour::amber,
              QT_TRANSLATE_NOOP("PanelScreens", "SILENCIAR"));
    // The reset key's rim answers a press as the key does.
    b.shape(keys, QStringLiteral("Shape39"), {124, 4, 44, 44}, colour::rgb(0x505050), LampShape::Form::Round);
    id3000Key(b, keys, "SRearmeID3000", {130, 10, 32, 32}, colour::red, QT_TRANSLATE_NOOP("PanelScreens", "REARME"));
}

void avenarBosch(ScreenBuilder &b)
{
    PanelBox *screen = b.screen(QStringLiteral("PEstatAvenarBosch"), colour::silver, colour::white);
    // The counter panels choose the list the display shows.
    const std::tuple<const char *, const char *, const char *> counters[] = {
        {"PAvenarBoschFoc", "LNumAvenarBoschFoc", QT_TRANSLATE_NOOP("PanelScreens", "Fuego")},
        {"PAvenarBoschFallo", "LNumAvenarBoschFallo", QT_TRANSLATE_NOOP("PanelScreens", "Fallo")},
        {"PAvenarBoschAnullat", "LNumAvenarBoschAnul", QT_TRANSLATE_NOOP("PanelScreens", "Anulado")},
        {"PAvenarBoschControl", "LNumAvenarBoschControl", QT_TRANSLATE_NOOP("PanelScreens", "Control")}};
    int x = 8;
    for (const auto &[panelName, number, caption] : counters) {
        PanelBox *panel = b.panel(screen, QLatin1String(panelName), {x, 8, 140, 56}, colour::black, colour::white);
        b.label(panel, {}, {10, 4, 90, 20}, caption, 9, true);
        b.label(panel, QLatin1String(number), {44, 18, 88, 34}, nullptr, 18, true, Qt::AlignRight | Qt::AlignVCenter)
            ->setText(QStringLiteral("0"));
        x += 148;
    }
    QTextEdit *display = b.memo(screen, QStringLiteral("REAvenarBoschPantalla"), {8, 72, 584, 210}, colour::black,
                                colour::lemon, 9);
    QTextOption option = display->document()->defaultTextOption();
    option.setTabs({QTextOption::Tab(50, QTextOption::LeftTab), QTextOption::Tab(140, QTextOption::LeftTab)});
    display->document()->setDefaultTextOption(option);
}

} // namespace

void buildEventScreens(ScreenBuilder &builder)
{
    syncro(builder);
    ad300(builder);
    id3000(builder);
    avenarBosch(builder);
}

} // namespace quelta::ui
