#include "core/cloud/HttpExchange.h"

#include "core/cloud/CloudTexts.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <memory>

namespace quelta {
namespace {

} // namespace

HttpAnswer exchange(QNetworkAccessManager &network, QNetworkRequest request, const QByteArray &verb,
                    const QByteArray &body, int timeoutMs)
{
    if (!body.isEmpty() && !request.header(QNetworkRequest::ContentTypeHeader).isValid())
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    std::unique_ptr<QNetworkReply> reply(network.sendCustomRequest(request, verb, body));

    bool timedOut = false;
    QEventLoop wait;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(reply.get(), &QNetworkReply::finished, &wait, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &wait, [&] {
        timedOut = true;
        reply->abort(); // finishes the reply, which ends the wait
    });
    if (!reply->isFinished()) {
        deadline.start(timeoutMs);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }

    HttpAnswer answer;
    if (timedOut) {
        answer.error = CloudError::of(CloudErrorKind::Timeout, CloudTexts::tr("El servidor no responde"));
        return answer;
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        // Some of the system's texts name the address, whose query holds the token or the key.
        QString reason = reply->errorString();
        reason.replace(request.url().toString(), request.url().toString(QUrl::RemoveQuery));
        reason.replace(QString::fromLatin1(request.url().toEncoded()), request.url().toString(QUrl::RemoveQuery));
        answer.error = CloudError::of(CloudErrorKind::NoConnection, reason);
        return answer;
    }
    answer.status = status.toInt();
    answer.body = reply->readAll();
    return answer;
}

} // namespace quelta
