#pragma once

#include "core/status/StatusCloud.h"

namespace quelta {

class CloudAccess;
struct LinkState;

// The status screen's reads and writes in the cloud directory, for the device in identConnectar
// and the signed-in user. Off line (not signed in) nothing is asked: the reads give what an
// unreadable record gives, and no event is posted.
class CloudStatus : public StatusCloud
{
public:
    CloudStatus(CloudAccess &cloud, const LinkState &link) : cloud_(cloud), link_(link) {}

    int AgafaNumBotons() override;
    QString AgafaBotonsMarcats() override;
    bool AgafaPotObrirPortes() override;
    QString AgafaEstatPortes(int door) override;
    QString ErrorFirebase() const override;
    QString userKey() const override;
    void ActualitzaEventsRTDB(const QString &identifier, const QString &message, const QString &code) override;

private:
    QString devicePath() const;
    QString modulePath() const;

    CloudAccess &cloud_;
    const LinkState &link_;
};

} // namespace quelta
