#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace quelta::test {

// A real mosquitto broker on a free loopback port, with its own configuration and a log that the
// tests read (every packet is logged). Optionally with a password file: then only that user is let in.
class Broker
{
public:
    Broker() = default;
    ~Broker();
    Broker(const Broker &) = delete;
    Broker &operator=(const Broker &) = delete;

    // Starts the broker and waits until it accepts connections. With a user, anonymous clients are
    // refused.
    bool start(const QString &user = {}, const QString &password = {});
    void stop();
    int port() const { return port_; }
    // The broker's log so far.
    QString log() const;

private:
    bool writeConfig(const QString &user, const QString &password);

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
};

} // namespace quelta::test
