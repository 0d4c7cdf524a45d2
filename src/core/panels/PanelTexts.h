#pragma once

#include <QCoreApplication>

namespace quelta {

// The panel screens' own texts, translated in the context "Panels".
struct PanelTexts
{
    Q_DECLARE_TR_FUNCTIONS(Panels)
};

} // namespace quelta
