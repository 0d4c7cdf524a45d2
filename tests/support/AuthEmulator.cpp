#include "AuthEmulator.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>
#include <QTimer>

#include <memory>
#include <vector>

#include <signal.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

namespace quelta::test {
namespace {

const QString firebaseBinary = QStringLiteral(QUELTA_FIREBASE_BINARY);

// The first start on a machine reads some 190 MB of JavaScript: 10 to 30 s on a busy one.
constexpr int startTimeoutMs = 90000;

// Distinct free loopback ports, all held at once so that none comes twice.
QList<int> freePorts(int count)
{
    std::vector<std::unique_ptr<QTcpServer>> servers;
    QList<int> ports;
    for (int i = 0; i < count; ++i) {
        servers.push_back(std::make_unique<QTcpServer>());
        if (!servers.back()->listen(QHostAddress::LocalHost, 0))
            return {};
        ports << servers.back()->serverPort();
    }
    return ports;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

AuthEmulator::~AuthEmulator()
{
    stop();
}

bool AuthEmulator::available()
{
    return reason().isEmpty();
}

QString AuthEmulator::reason()
{
    if (!QFileInfo(firebaseBinary).isExecutable())
        return QStringLiteral("%1 is missing: run ./test.sh, or npm ci --ignore-scripts in tools/firebase")
            .arg(firebaseBinary);
    if (QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
        return QStringLiteral("Node.js (node) is not on PATH: install Debian's nodejs and npm");
    return {};
}

QString AuthEmulator::url() const
{
    return QStringLiteral("http://%1").arg(host());
}

QString AuthEmulator::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port_);
}

QString AuthEmulator::log() const
{
    QFile file(dir_.filePath(QStringLiteral("emulator.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool AuthEmulator::writeConfig()
{
    // The hub and the logging emulator come along whatever --only says; their default ports (4400,
    // 4500) would collide between tests running side by side. The Emulator UI would be downloaded.
    const QList<int> ports = freePorts(3);
    if (ports.size() != 3)
        return false;
    port_ = ports[0];
    const auto listen = [](int port) {
        return QJsonObject{{QStringLiteral("host"), QStringLiteral("127.0.0.1")}, {QStringLiteral("port"), port}};
    };
    const QJsonObject emulators{{QStringLiteral("auth"), listen(ports[0])},
                                {QStringLiteral("hub"), listen(ports[1])},
                                {QStringLiteral("logging"), listen(ports[2])},
                                {QStringLiteral("ui"), QJsonObject{{QStringLiteral("enabled"), false}}},
                                {QStringLiteral("singleProjectMode"), true}};
    const QByteArray config = QJsonDocument(QJsonObject{{QStringLiteral("emulators"), emulators}}).toJson();
    // The CLI fetches a message of the day from the Internet once a day; this record says it just did.
    const QByteArray store = QJsonDocument(QJsonObject{
        {QStringLiteral("motd"), QJsonObject{{QStringLiteral("fetched"), QDateTime::currentMSecsSinceEpoch()}}}}).toJson();
    return writeFile(dir_.filePath(QStringLiteral("firebase.json")), config)
        && writeFile(dir_.filePath(QStringLiteral("config/configstore/firebase-tools.json")), store);
}

bool AuthEmulator::start()
{
    if (running())
        return true;
    if (!available() || !dir_.isValid() || !writeConfig())
        return false;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No credentials of the developer's: a demo- project needs none.
    for (const char *name : {"GOOGLE_APPLICATION_CREDENTIALS", "FIREBASE_TOKEN"})
        environment.remove(QString::fromLatin1(name));
    // No prompts and no update check (update-notifier stays quiet under CI).
    environment.insert(QStringLiteral("CI"), QStringLiteral("true"));
    environment.insert(QStringLiteral("NO_UPDATE_NOTIFIER"), QStringLiteral("1"));
    // The Google client libraries would otherwise look for a cloud metadata server at 169.254.169.254.
    environment.insert(QStringLiteral("METADATA_SERVER_DETECTION"), QStringLiteral("none"));
    // Settings (and so no usage reports, which are off until a user allows them), gcloud's
    // credentials and the hub's locator file all in our folder, not in the developer's.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("CLOUDSDK_CONFIG"), dir_.filePath(QStringLiteral("gcloud")));
    environment.insert(QStringLiteral("TMPDIR"), dir_.path());
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(dir_.path());
    process_.setProgram(firebaseBinary);
    process_.setArguments({QStringLiteral("emulators:start"), QStringLiteral("--only"), QStringLiteral("auth"),
                           QStringLiteral("--project"), projectId(), QStringLiteral("--config"),
                           dir_.filePath(QStringLiteral("firebase.json"))});
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(dir_.filePath(QStringLiteral("emulator.log")));
    process_.setChildProcessModifier([] {
        // A group of its own, so that stop() reaches whatever the CLI starts; and gone with us
        // should the test die without stopping it.
        ::setpgid(0, 0);
#ifdef __linux__
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
    });
    process_.start();
    if (!process_.waitForStarted(5000))
        return false;

    const QString ready = QStringLiteral("/emulator/v1/projects/%1/config").arg(projectId());
    for (QDeadlineTimer deadline(startTimeoutMs); !deadline.hasExpired(); QThread::msleep(200)) {
        if (!running())
            return false;
        if (request("GET", ready, {}, 1000).status == 200)
            return true;
    }
    stop();
    return false;
}

void AuthEmulator::stop()
{
    if (!running())
        return;
    const auto group = static_cast<pid_t>(process_.processId());
    // On SIGTERM the CLI stops its emulators and removes its files; a second one would cut that short.
    ::kill(-group, SIGTERM);
    process_.waitForFinished(15000);
    // Whatever is left of the group, the CLI itself included if it hung.
    ::kill(-group, SIGKILL);
    process_.waitForFinished(3000);
}

AuthEmulator::Reply AuthEmulator::request(const QByteArray &verb, const QString &path, const QJsonObject &body,
                                          int timeoutMs)
{
    QNetworkAccessManager network;
    network.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest outgoing(QUrl(path.startsWith(QLatin1String("http")) ? path : url() + path));
    outgoing.setTransferTimeout(timeoutMs);
    QByteArray data;
    if (!body.isEmpty()) {
        outgoing.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
        data = QJsonDocument(body).toJson(QJsonDocument::Compact);
    }
    std::unique_ptr<QNetworkReply> reply(network.sendCustomRequest(outgoing, verb, data));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    Reply result;
    if (!reply->isFinished()) {
        reply->abort();
        return result;
    }
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.body = QJsonDocument::fromJson(reply->readAll()).object();
    return result;
}

bool AuthEmulator::clear()
{
    return request("DELETE", QStringLiteral("/emulator/v1/projects/%1/accounts").arg(projectId())).status == 200;
}

QList<AuthEmulator::OobCode> AuthEmulator::oobCodes()
{
    QList<OobCode> codes;
    const Reply reply = request("GET", QStringLiteral("/emulator/v1/projects/%1/oobCodes").arg(projectId()));
    for (const QJsonValue &value : reply.body.value(QLatin1String("oobCodes")).toArray()) {
        const QJsonObject code = value.toObject();
        codes.append({code.value(QLatin1String("email")).toString(), code.value(QLatin1String("requestType")).toString(),
                      code.value(QLatin1String("oobCode")).toString(), code.value(QLatin1String("oobLink")).toString()});
    }
    return codes;
}

int AuthEmulator::verifyEmails()
{
    int verified = 0;
    for (const OobCode &code : oobCodes()) {
        if (code.requestType != QLatin1String("VERIFY_EMAIL"))
            continue;
        // The link points at the emulator's own action page, which applies the code.
        if (request("GET", code.oobLink).status != 200)
            return -1;
        ++verified;
    }
    return verified;
}

bool AuthEmulator::setEmailEnumerationProtection(bool on)
{
    const QJsonObject privacy{{QStringLiteral("enableImprovedEmailPrivacy"), on}};
    const Reply reply = request("PATCH", QStringLiteral("/emulator/v1/projects/%1/config").arg(projectId()),
                                {{QStringLiteral("emailPrivacyConfig"), privacy}});
    const QJsonObject now = reply.body.value(QLatin1String("emailPrivacyConfig")).toObject();
    return reply.status == 200 && now.value(QLatin1String("enableImprovedEmailPrivacy")).toBool() == on;
}

} // namespace quelta::test
