#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace quelta::test {

// A quelta-devsim process serving a pseudo-terminal, for tests that talk to a device over a real
// serial line. POSIX only.
class SimulatedDevice
{
public:
    SimulatedDevice() = default;
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice &) = delete;
    SimulatedDevice &operator=(const SimulatedDevice &) = delete;

    // Starts the device with these options (--config, --fault...) and waits for its port.
    bool start(const QStringList &options = {});
    void stop();
    // Freezes the process: the device falls silent without its port going away.
    void pause();
    void resume();

    QString portPath() const { return portPath_; }
    // The shipped device configurations.
    static QString config(const QString &name);

private:
    QProcess process_;
    QString portPath_;
    bool paused_ = false;
};

} // namespace quelta::test
