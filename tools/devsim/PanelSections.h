#pragma once

#include "PanelModel.h"

#include <QStringList>

#include <functional>

namespace quelta::devsim {

// A text made fit to stand inside a section: no section, field or line separators.
QString sectionText(QString text);

// What the frame sections of the connected panel are made from.
struct PanelView
{
    const PanelModel &panel;
    bool linkUp;
    // The zone's name, already free of the characters that separate fields.
    std::function<QString(int)> zoneName;
};

// The panel-state section ("A2:..." to "A8:..."), empty for panels that have none.
QString panelStateSection(const PanelView &view);

// The sections that report one change: a device info event and, for the panels whose event
// lists live in the cloud, the list-changed notice ("C4:...", "C7:...").
QStringList panelChangeSections(const PanelView &view, const PanelChange &change);

enum class PanelLinkEvent { Connecting, Up, Lost };
// The device info event for a change of its link to the panel.
QString panelLinkSection(PanelFamily family, PanelLinkEvent event);

} // namespace quelta::devsim
