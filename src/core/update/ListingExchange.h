#pragma once

#include "core/update/UpdateConnection.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace quelta::update {

// One listing exchange: a connection of its own, the request written, the first frame of the
// answer read, the connection closed whatever happens.
class ListingExchange : public QObject
{
    Q_OBJECT
public:
    static constexpr int kConnectTimeoutMs = 5000;
    static constexpr int kReadTimeoutMs = 10000;

    explicit ListingExchange(QObject *parent = nullptr);

    void start(const UpdateServer &server, const QByteArray &request);
    bool running() const { return running_; }

signals:
    // The decrypted answer, or why there is none.
    void finished(const QByteArray &answer, const std::optional<quelta::update::ConnectionError> &error);

private:
    void finish(const QByteArray &answer, const std::optional<ConnectionError> &error);

    UpdateConnection connection_;
    QTimer readTimer_;
    QByteArray request_;
    bool running_ = false;
};

} // namespace quelta::update
