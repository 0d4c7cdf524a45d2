#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quelta::update {

// Where the update server listens and the key its frames are encrypted with (10 characters).
struct UpdateServer
{
    QString host;
    quint16 port = 5009;
    QByteArray key;
};

// The server built into the program.
UpdateServer builtInServer();

// "HOST" or "HOST:PORT" (5009 when no port is given); nullopt when the text is neither.
std::optional<UpdateServer> serverAddress(const QString &text, const UpdateServer &base = builtInServer());

} // namespace quelta::update
