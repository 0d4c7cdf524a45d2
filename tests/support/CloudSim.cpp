#include "CloudSim.h"

#include "ProcessEnd.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

#include <memory>

namespace quelta::test {
namespace {

struct Answer
{
    int status = 0;
    QByteArray body;
};

Answer call(const QUrl &url, const QByteArray &verb, const QByteArray &body)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    std::unique_ptr<QNetworkReply> reply(network.sendCustomRequest(request, verb, body));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    if (!reply->isFinished()) {
        reply->abort();
        return {};
    }
    return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
}

} // namespace

CloudSim::~CloudSim()
{
    stop();
}

bool CloudSim::start(const QByteArray &seed)
{
    const QString seedPath = dir_.filePath(QStringLiteral("seed.json"));
    QFile file(seedPath);
    if (!dir_.isValid() || !file.open(QIODevice::WriteOnly) || file.write(seed) != seed.size())
        return false;
    file.close();
    url_ = startAndReadAnnouncement(process_, QStringLiteral(QUELTA_CLOUDSIM_BINARY), {QStringLiteral("--seed"), seedPath});
    return url_.startsWith(QLatin1String("http"));
}

void CloudSim::stop()
{
    endProcess(process_);
}

QJsonValue CloudSim::read(const QString &path)
{
    const Answer answer = call(QUrl(url_ + path + QStringLiteral(".json?auth=owner")), "GET", {});
    if (answer.status != 200)
        return QJsonValue(QJsonValue::Undefined);
    return QJsonDocument::fromJson('[' + answer.body + ']').array().at(0);
}

bool CloudSim::write(const QString &path, const QByteArray &json)
{
    return call(QUrl(url_ + path + QStringLiteral(".json?auth=owner")), "PUT", json).status == 200;
}

} // namespace quelta::test
