#include "Reply.h"

#include "Json.h"

#include <QJsonObject>

namespace quelta::cloudsim {

Reply errorReply(int status, const QString &message)
{
    return {status, json::write(QJsonObject{{QStringLiteral("error"), message}}, json::Style::Pretty)};
}

} // namespace quelta::cloudsim
