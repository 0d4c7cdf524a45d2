#include "SimulatedDevice.h"

#include <csignal>

namespace quelta::test {

SimulatedDevice::~SimulatedDevice()
{
    stop();
}

bool SimulatedDevice::start(const QStringList &options)
{
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(QUELTA_DEVSIM_BINARY), options);
    if (!process_.waitForStarted(5000))
        return false;
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(5000))
            return false;
    }
    portPath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    return !portPath_.isEmpty();
}

void SimulatedDevice::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    resume();
    process_.terminate();
    if (!process_.waitForFinished(3000))
        process_.kill();
    process_.waitForFinished(3000);
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
