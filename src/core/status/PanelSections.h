#pragma once

#include <QChar>
#include <QString>

namespace quelta {

// Where the status frames' fire-panel sections go. The panel screens implement it and pick the
// routine of the connected panel type.
class PanelSections
{
public:
    virtual ~PanelSections() = default;

    // "A2" to "A8": the panel state; kind is the tag's second character, payload starts after
    // the tag and its separator.
    virtual void panelState(QChar kind, const QString &payload) = 0;
    // "C4" and "C7": an event list of the panel has changed.
    virtual void panelEvent(QChar kind, const QString &payload) = 0;
};

} // namespace quelta
