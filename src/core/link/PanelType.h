#pragma once

#include <QString>

namespace quelta {

// The fire-panel families the panel type text (`central`) names.
enum class PanelFamily {
    None, AeSa, AeC5, Bc600, Bc216, Doors, Cofem, Detnov, Urano, Syncro, Bosch, Ad300, Supra, CofemA,
    Komttech, Id3000
};

// What a panel type decides: its status screen, its programming tab and the status-frame sections
// of its state and its event lists.
struct PanelType
{
    PanelFamily family = PanelFamily::None;
    const char *name = "";                 // the family as installers call it: "Aguilera AE/C5"
    const char *screen = "PEstatQuelta";  // the status screen shown above the device's own state
    const char *programmingTab = nullptr; // none for panels without settings of their own
    QChar stateTag;                        // "A2"..."A8": the tag's second character; null for none
    QChar eventTag;                        // "C4", "C7"
};

// Matched by substring, case-sensitively; the first row in the program's order wins. A text that
// matches no row is no panel.
const PanelType &panelType(const QString &central);
PanelFamily panelFamily(const QString &central);

// The Aguilera panels (AE/SA, AGE, AE/C5) share the zone list and the telecontrol link.
bool isAguilera(PanelFamily family);

} // namespace quelta
