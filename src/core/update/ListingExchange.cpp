#include "core/update/ListingExchange.h"

namespace quelta::update {

ListingExchange::ListingExchange(QObject *parent)
    : QObject(parent)
{
    readTimer_.setSingleShot(true);
    connect(&readTimer_, &QTimer::timeout, this, [this] {
        finish({}, ConnectionError{Failure::TimedOut, QStringLiteral("Read timed out.")});
    });
    connect(&connection_, &UpdateConnection::opened, this, [this] {
        if (!connection_.send(request_))
            finish({}, connection_.lastError());
        else
            readTimer_.start(kReadTimeoutMs);
    });
    connect(&connection_, &UpdateConnection::failed, this,
            [this](const ConnectionError &error) { finish({}, error); });
    connect(&connection_, &UpdateConnection::lost, this,
            [this](const ConnectionError &error) { finish({}, error); });
    connect(&connection_, &UpdateConnection::frameReceived, this,
            [this](const QByteArray &answer) { finish(answer, std::nullopt); });
}

void ListingExchange::start(const UpdateServer &server, const QByteArray &request)
{
    running_ = true;
    request_ = request;
    connection_.open(server, kConnectTimeoutMs);
}

void ListingExchange::finish(const QByteArray &answer, const std::optional<ConnectionError> &error)
{
    if (!running_)
        return;
    running_ = false;
    readTimer_.stop();
    connection_.close();
    emit finished(answer, error);
}

} // namespace quelta::update
