// The BC600 and BC216 fronts: six counters that choose the event list, the event box and three keys.
#include "ui/panels/PanelFronts.h"

#include "core/panels/PanelEventLists.h"
#include "ui/panels/ScreenBuilder.h"

#include <QCoreApplication>
#include <QLabel>

#include <array>

namespace quelta::ui {
namespace {

// The counters' captions, by their Tag less one.
const char *const kCounterCaptions[] = {
    QT_TRANSLATE_NOOP("PanelScreens", "Alarmas"),       QT_TRANSLATE_NOOP("PanelScreens", "Salidas activadas"),
    QT_TRANSLATE_NOOP("PanelScreens", "Mensajes técnicos"), QT_TRANSLATE_NOOP("PanelScreens", "Averías"),
    QT_TRANSLATE_NOOP("PanelScreens", "Desconexiones"), QT_TRANSLATE_NOOP("PanelScreens", "Pruebas"),
};

struct BcKey
{
    const char *panel;
    const char *picture;
    const char *caption;
    KeyPicture symbol;
};

void bcScreen(ScreenBuilder &b, PanelFamily family)
{
    const bool bc216 = family == PanelFamily::Bc216;
    const QString model = bc216 ? QStringLiteral("BC216") : QStringLiteral("BC600");
    PanelBox *screen = b.screen(QStringLiteral("PEstat") + model, colour::buttonFace);

    // A press on a counter, its number or its caption shows that counter's events.
    int y = 8;
    for (const BcCounter &counter : bcCounters()) {
        PanelBox *panel = b.panel(screen, QStringLiteral("P") + model + QLatin1String(counter.name), {8, y, 170, 36},
                                  colour::grey, colour::white);
        b.label(panel, {}, {8, 0, 104, 36}, kCounterCaptions[counter.tag - 1], 8, true);
        b.label(panel, bcCounterLabel(family, counter), {112, 0, 50, 36}, nullptr, 13, true,
                Qt::AlignRight | Qt::AlignVCenter)
            ->setText(QStringLiteral("0"));
        y += 40;
    }

    QLabel *heading = b.label(screen, QStringLiteral("LNum") + model, {186, 8, bc216 ? 250 : 406, 22}, nullptr, 9, true);
    setTextColour(*heading, colour::grey);
    if (bc216) {
        b.box(screen, QStringLiteral("REBC216Autoritzacio"), {442, 8, 150, 22}, colour::white, colour::grey,
              QT_TRANSLATE_NOOP("PanelScreens", "---"));
    }
    b.memo(screen, QStringLiteral("RE") + model, {186, 34, 406, 202}, colour::silver, colour::black);

    const std::array<BcKey, 3> bc600Keys = {{
        {"PBC600ResetZumb", "IBC600ResetZum", QT_TRANSLATE_NOOP("PanelScreens", "RESET ZUMBADOR"), KeyPicture::SilenceBuzzer},
        {"PBC600Equips", "IBC600Equips", QT_TRANSLATE_NOOP("PanelScreens", "SILENCIO EQUIPOS"), KeyPicture::SilenceSirens},
        {"PBC600Rearme", "IBC600Rearme", QT_TRANSLATE_NOOP("PanelScreens", "REARME"), KeyPicture::Reset},
    }};
    const std::array<BcKey, 3> bc216Keys = {{
        {"PBC216ResetZumb", "IBC216ResetZumb", QT_TRANSLATE_NOOP("PanelScreens", "RESET ZUMBADOR"), KeyPicture::SilenceBuzzer},
        {"PBC216Reset", "IBC216Reset", QT_TRANSLATE_NOOP("PanelScreens", "RESET SIRENAS"), KeyPicture::SilenceSirens},
        {"PBC216Rearme", "IBC216Rearme", QT_TRANSLATE_NOOP("PanelScreens", "REARME"), KeyPicture::Reset},
    }};
    int x = 186;
    for (const BcKey &key : bc216 ? bc216Keys : bc600Keys) {
        b.key(screen, QLatin1String(key.panel), {x, 244, 132, 40}, colour::grey, colour::white, key.caption, key.symbol,
              QLatin1String(key.picture));
        x += 138;
    }
}

} // namespace

void buildBcScreens(ScreenBuilder &builder)
{
    bcScreen(builder, PanelFamily::Bc600);
    bcScreen(builder, PanelFamily::Bc216);
}

} // namespace quelta::ui
