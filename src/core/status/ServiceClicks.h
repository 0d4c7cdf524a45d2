#pragma once

#include <QObject>

namespace quelta {

class ConfigurationModel;
class DeviceEventLog;

// Three hidden service gestures on status-screen labels: the eleventh click acts and the count
// starts again.
class ServiceClicks : public QObject
{
    Q_OBJECT
public:
    static constexpr int kClicks = 11;

    ServiceClicks(DeviceEventLog &log, ConfigurationModel &model, QObject *parent = nullptr);

    // "ESTADO GENERAL": shows or hides the log's all-codes button BTot.
    void LEstatQueltaClick();
    // The MAC label: the MAC address field EMAC becomes editable.
    void LMacClick();
    // The "COM" and "FRANJA HORARIA" labels: the panel-port field ECentral becomes editable.
    void LCentralClick();

signals:
    // The field is enabled and editable now; the window makes it so and gives it the focus.
    void fieldUnlocked(const QString &objectName);

private:
    static bool completes(int &count);
    void unlock(const char *objectName);

    DeviceEventLog &log_;
    ConfigurationModel &model_;
    int estatClicks_ = 0;
    int macClicks_ = 0;
    int centralClicks_ = 0;
};

} // namespace quelta
