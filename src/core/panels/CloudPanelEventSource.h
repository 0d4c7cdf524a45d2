#pragma once

#include "core/panels/PanelEventSource.h"

namespace quelta {

class CloudAccess;

// The fire panel's event lists as the device keeps them in the cloud directory; empty off line
// (not signed in).
class CloudPanelEventSource : public PanelEventSource
{
public:
    explicit CloudPanelEventSource(CloudAccess &cloud) : cloud_(cloud) {}

    QString AgafaRegistre(const QString &path) override;
    QString ErrorFirebase() const override;

private:
    CloudAccess &cloud_;
};

} // namespace quelta
