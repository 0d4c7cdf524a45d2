#include "UpdateServer.h"

#include "ProcessEnd.h"

namespace quelta::test {

UpdateServer::~UpdateServer()
{
    stop();
}

bool UpdateServer::start(const QStringList &arguments)
{
    process_.setProgram(QStringLiteral(QUELTA_UPDSIM_BINARY));
    process_.setArguments(QStringList{QStringLiteral("--listen"), host(), QStringLiteral("--port"), QStringLiteral("0")}
                          + arguments);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start();
    if (!process_.waitForStarted(5000))
        return false;
    while (!process_.canReadLine()) {
        if (!process_.waitForReadyRead(5000))
            return false;
    }
    // "quelta-updsim listening on 127.0.0.1:PORT"
    const QString line = QString::fromUtf8(process_.readLine()).trimmed();
    bool ok = false;
    port_ = line.section(u':', -1).toUShort(&ok);
    return ok && line.startsWith(QLatin1String("quelta-updsim listening on ")) && port_ != 0;
}

void UpdateServer::stop()
{
    endProcess(process_);
    port_ = 0;
}

} // namespace quelta::test
