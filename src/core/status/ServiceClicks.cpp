#include "core/status/ServiceClicks.h"

#include "core/model/ConfigurationModel.h"
#include "core/status/DeviceEventLog.h"

namespace quelta {

ServiceClicks::ServiceClicks(DeviceEventLog &log, ConfigurationModel &model, QObject *parent)
    : QObject(parent), log_(log), model_(model)
{
}

bool ServiceClicks::completes(int &count)
{
    if (++count < kClicks)
        return false;
    count = 0;
    return true;
}

void ServiceClicks::LEstatQueltaClick()
{
    if (completes(estatClicks_))
        log_.toggleBTotVisible();
}

void ServiceClicks::LMacClick()
{
    if (completes(macClicks_))
        unlock("EMAC");
}

void ServiceClicks::LCentralClick()
{
    if (completes(centralClicks_))
        unlock("ECentral");
}

void ServiceClicks::unlock(const char *objectName)
{
    const QString name = QLatin1String(objectName);
    if (SingleField *field = model_.field(name)) {
        field->enabled = true;
        emit model_.fieldChanged(*field);
    }
    emit fieldUnlocked(name);
}

} // namespace quelta
