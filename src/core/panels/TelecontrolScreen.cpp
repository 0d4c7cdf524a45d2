#include "core/panels/TelecontrolScreen.h"

#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelTexts.h"

namespace quelta {

void showAguileraTelecontrol(PanelDisplay &display, bool on)
{
    for (const char *control : {"PAguiInfo", "PAguiLeds", "BBAguiAlarma", "BbAguiAvaria", "BBAguiDesconnec",
                                "BBAguiProva", "SBSilenci", "SBReposicio", "SBRearme"})
        display.setVisible(QLatin1String(control), !on);
    for (const char *label : {"LAguiProces", "LAguiEsperi"})
        display.setVisible(QLatin1String(label), on);
    const QString screen = QStringLiteral("PEstatAgui");
    display.setFill(screen, on ? colour::olive : colour::grey);
    display.setCaption(screen, on ? PanelTexts::tr("CENTRAL EN TELECONTROL") : QString());
}

} // namespace quelta
