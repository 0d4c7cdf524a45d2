#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <optional>

namespace quelta::test {

// A quelta-devsim process serving a pseudo-terminal, for tests that talk to a device over a real
// serial line, or an MQTT broker, for tests that reach it remotely. POSIX only.
class SimulatedDevice
{
public:
    SimulatedDevice() = default;
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice &) = delete;
    SimulatedDevice &operator=(const SimulatedDevice &) = delete;

    // Starts the device with these options (--config, --fault...) and waits for its port.
    bool start(const QStringList &options = {});
    // Starts the device on the broker at this loopback port and waits until it has subscribed.
    bool startOnBroker(int port, const QStringList &options = {});
    void stop();
    // Waits for the process to end by itself: its exit code, or nothing while it still runs.
    std::optional<int> exitCode(int timeoutMs);
    // Freezes the process: the device falls silent without its port going away.
    void pause();
    void resume();

    // What the device announced on starting: the port's path, or on a broker its identifier,
    // which names its topics.
    QString portPath() const { return announced_; }
    QString identifier() const { return announced_; }
    // The shipped device configurations.
    static QString config(const QString &name);

private:
    QProcess process_;
    QString announced_;
    bool paused_ = false;
};

} // namespace quelta::test
