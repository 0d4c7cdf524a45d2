#include "core/panels/CloudPanelEventSource.h"

#include "core/cloud/CloudAccess.h"

namespace quelta {

QString CloudPanelEventSource::AgafaRegistre(const QString &path)
{
    cloud_.state().ErrorFirebase.clear();
    if (!cloud_.CheckAndCreateRealTimeDBClass())
        return {};
    return cloud_.GetSynchRTDB(path);
}

QString CloudPanelEventSource::ErrorFirebase() const
{
    return cloud_.state().ErrorFirebase;
}

} // namespace quelta
