#include "UpdateServer.h"

#include "ProcessEnd.h"

namespace quelta::test {

UpdateServer::~UpdateServer()
{
    stop();
}

bool UpdateServer::start(const QStringList &arguments)
{
    // "quelta-updsim listening on 127.0.0.1:PORT"
    const QString line = startAndReadAnnouncement(
        process_, QStringLiteral(QUELTA_UPDSIM_BINARY),
        QStringList{QStringLiteral("--listen"), host(), QStringLiteral("--port"), QStringLiteral("0")} + arguments);
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
