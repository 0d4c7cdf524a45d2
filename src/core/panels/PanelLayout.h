#pragma once

#include "core/link/PanelType.h"

#include <QString>

namespace quelta {

class PanelDisplay;
class PanelEventLists;
class PanelStates;
struct LinkState;

// The panel screens' show routines, which lay a screen out live or greyed, and the reset of every
// screen. A screen's inner panels take the look set for the screen; the named exceptions have their
// own.
class PanelLayout
{
public:
    // The inner panels of the Urano screen, named for their part.
    static const QStringList &uranoInnerPanels();

    PanelLayout(PanelDisplay &display, PanelStates &states, PanelEventLists &events, const LinkState &link);

    // The show routine of the panel family.
    void show(PanelFamily family);

    void MostraPEstaAgui2(bool show);
    void MostraPEstatBC600(bool show);
    void MostraPEstatBC216(bool show);
    void MostraPEstatCofem(bool show);
    void MostraPEstatUrano(bool show);
    void MostraPEstatSyncro(bool show);
    void MostraPEstatAvenarBosch(bool show);
    void MostraPEstatAD300(bool show);
    void MostraPEstatSupra(bool show);
    void MostraPEstatCofemZafir(bool show);
    void MostraPEstatKomttech(bool show);
    void MostraPEstatID3000(bool show);

    // Every screen as it is without a panel.
    void Inicialitza_PEstat();

private:
    void bcScreen(PanelFamily family, bool show);

    PanelDisplay &display_;
    PanelStates &states_;
    PanelEventLists &events_;
    const LinkState &link_;
};

} // namespace quelta
