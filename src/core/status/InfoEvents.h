#pragma once

#include "core/status/StatusColours.h"

#include <QString>

namespace quelta {

// How the event log shows a device info event ("8xxx:value") of any family but the panel link's
// (87xx), which acts on the link and is decided by the decoder.
struct InfoLineStyle
{
    bool shown = true;
    Colour colour = colour::black;
    bool showValue = true;
    // The value's last digit names an output whose caption completes the description.
    bool outputCaption = false;
};

InfoLineStyle infoLineStyle(QStringView code, const QString &description, bool filtered);

} // namespace quelta
