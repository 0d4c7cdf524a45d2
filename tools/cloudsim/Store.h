#pragma once

#include <QJsonArray>
#include <QJsonValue>
#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace quelta::cloudsim {

// The content of a seed or store file: {"database": <tree>, "accounts": [<account>...]}. Either
// member may be missing.
struct Snapshot
{
    QJsonValue database;
    QJsonArray accounts;
};

std::optional<Snapshot> loadSnapshot(const QString &fileName, QString &error);
// Writes a temporary file beside `fileName`, then renames it over.
bool saveSnapshot(const QString &fileName, const Snapshot &snapshot, QString &error);

// Saves the state to its store file at most `delay` after a change, so that a burst of writes costs
// one save, and on flush().
class StoreWriter : public QObject
{
    Q_OBJECT
public:
    StoreWriter(QString fileName, std::function<Snapshot()> snapshot, int delayMs = 200,
                QObject *parent = nullptr);

    void schedule();
    // Saves now if anything is waiting; false (and a message on standard error) if that fails.
    bool flush();

private:
    QString fileName_;
    std::function<Snapshot()> snapshot_;
    QTimer timer_;
    bool pending_ = false;
};

} // namespace quelta::cloudsim
