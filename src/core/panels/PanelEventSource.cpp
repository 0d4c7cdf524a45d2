#include "core/panels/PanelEventSource.h"

#include "core/base/DiagnosticTrace.h"

namespace quelta {

QString OfflinePanelEventSource::AgafaRegistre(const QString &path)
{
    trace_.Escriure_REPortserie(QStringLiteral("No cloud directory: ") + path + QStringLiteral(" read as empty"));
    return {};
}

} // namespace quelta
