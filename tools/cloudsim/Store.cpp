#include "Store.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>

namespace quelta::cloudsim {

namespace {

const QString DatabaseKey = QStringLiteral("database");
const QString AccountsKey = QStringLiteral("accounts");

} // namespace

std::optional<Snapshot> loadSnapshot(const QString &fileName, QString &error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString());
        return std::nullopt;
    }
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        error = QStringLiteral("%1 is not a JSON object with \"database\" and \"accounts\": %2")
                    .arg(fileName, parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject content = document.object();
    if (content.contains(AccountsKey) && !content.value(AccountsKey).isArray()) {
        error = QStringLiteral("%1: \"accounts\" is not an array").arg(fileName);
        return std::nullopt;
    }
    const QJsonValue database = content.value(DatabaseKey);
    return Snapshot{database.isUndefined() ? QJsonValue() : database, content.value(AccountsKey).toArray()};
}

bool saveSnapshot(const QString &fileName, const Snapshot &snapshot, QString &error)
{
    QSaveFile file(fileName);
    const QJsonObject content{{DatabaseKey, snapshot.database}, {AccountsKey, snapshot.accounts}};
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(content).toJson()) < 0 || !file.commit()) {
        error = QStringLiteral("cannot save %1: %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

StoreWriter::StoreWriter(QString fileName, std::function<Snapshot()> snapshot, int delayMs, QObject *parent)
    : QObject(parent), fileName_(std::move(fileName)), snapshot_(std::move(snapshot))
{
    timer_.setSingleShot(true);
    timer_.setInterval(delayMs);
    connect(&timer_, &QTimer::timeout, this, &StoreWriter::flush);
}

void StoreWriter::schedule()
{
    pending_ = true;
    if (!timer_.isActive())
        timer_.start();
}

bool StoreWriter::flush()
{
    timer_.stop();
    if (!pending_)
        return true;
    QString error;
    if (!saveSnapshot(fileName_, snapshot_(), error)) {
        std::fprintf(stderr, "quelta-cloudsim: %s\n", qPrintable(error));
        return false;
    }
    pending_ = false;
    return true;
}

} // namespace quelta::cloudsim
