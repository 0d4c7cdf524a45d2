#pragma once

#include <QCoreApplication>
#include <QString>

namespace quelta {

// The panel screens' own texts, translated in the context "Panels".
inline QString panelText(const char *source)
{
    return QCoreApplication::translate("Panels", source);
}

} // namespace quelta
