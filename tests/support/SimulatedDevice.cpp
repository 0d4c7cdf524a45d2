#include "SimulatedDevice.h"

#include "ProcessEnd.h"

#include <csignal>

namespace quelta::test {

SimulatedDevice::~SimulatedDevice()
{
    stop();
}

bool SimulatedDevice::start(const QStringList &options)
{
    announced_ = startAndReadAnnouncement(process_, QStringLiteral(QUELTA_DEVSIM_BINARY), options);
    return !announced_.isEmpty();
}

bool SimulatedDevice::startOnBroker(int port, const QStringList &options)
{
    return start(QStringList{QStringLiteral("--mqtt"), QStringLiteral("127.0.0.1:%1").arg(port)} + options);
}

std::optional<int> SimulatedDevice::exitCode(int timeoutMs)
{
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(timeoutMs))
        return std::nullopt;
    if (process_.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return process_.exitCode();
}

void SimulatedDevice::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    resume();
    endProcess(process_);
}

void SimulatedDevice::pause()
{
    ::kill(static_cast<pid_t>(process_.processId()), SIGSTOP);
    paused_ = true;
}

void SimulatedDevice::resume()
{
    if (!paused_)
        return;
    ::kill(static_cast<pid_t>(process_.processId()), SIGCONT);
    paused_ = false;
}

QString SimulatedDevice::config(const QString &name)
{
    return QStringLiteral(QUELTA_DEVSIM_CONFIGS "/") + name;
}

} // namespace quelta::test
