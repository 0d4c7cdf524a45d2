#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace quelta::test {

// quelta-cloudsim on a free loopback port, seeded from JSON text: the database REST interface and
// the identity subset on one base URL. It accepts the emulators' admin token "owner".
class CloudSim
{
public:
    CloudSim() = default;
    ~CloudSim();
    CloudSim(const CloudSim &) = delete;
    CloudSim &operator=(const CloudSim &) = delete;

    // Starts it with the seed ({"database": ..., "accounts": [...]}) and waits for its address.
    bool start(const QByteArray &seed);
    void stop();
    // "http://127.0.0.1:PORT/"
    QString url() const { return url_; }

    // The node as the owner reads it; undefined when the read failed.
    QJsonValue read(const QString &path);
    // Writes the node as the owner.
    bool write(const QString &path, const QByteArray &json);

private:
    QTemporaryDir dir_;
    QProcess process_;
    QString url_;
};

} // namespace quelta::test
