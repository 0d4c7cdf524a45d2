#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace quelta::test {

// quelta-updsim on a free loopback port: the firmware-update server with the default key
// ("Qu3lt@Upd8") unless the arguments give another. Its log goes to the test's stderr.
class UpdateServer
{
public:
    UpdateServer() = default;
    ~UpdateServer();
    UpdateServer(const UpdateServer &) = delete;
    UpdateServer &operator=(const UpdateServer &) = delete;

    // Starts it with further arguments (--image VERSION=BYTES[:DESCRIPTION], --firmware DIR,
    // --fault F, --key KEY...) and waits until it listens. False when it did not start or refused
    // the arguments.
    bool start(const QStringList &arguments = {});
    void stop();

    QString host() const { return QStringLiteral("127.0.0.1"); }
    quint16 port() const { return port_; }

private:
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace quelta::test
