#include "core/update/UpdateServer.h"

namespace quelta::update {

UpdateServer builtInServer()
{
    return {QStringLiteral("actualizaciones.quelta.es"), 5009, QByteArrayLiteral("Qu3lt@Upd8")};
}

std::optional<UpdateServer> serverAddress(const QString &text, const UpdateServer &base)
{
    UpdateServer server = base;
    const QString trimmed = text.trimmed();
    const qsizetype colon = trimmed.lastIndexOf(QLatin1Char(':'));
    server.host = colon < 0 ? trimmed : trimmed.left(colon);
    if (colon >= 0) {
        bool ok = false;
        const uint port = trimmed.mid(colon + 1).toUInt(&ok);
        if (!ok || port == 0 || port > 65535)
            return std::nullopt;
        server.port = static_cast<quint16>(port);
    }
    if (server.host.isEmpty() || server.host.contains(QLatin1Char(' ')))
        return std::nullopt;
    return server;
}

} // namespace quelta::update
