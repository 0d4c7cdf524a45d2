#include "Broker.h"

#include "ProcessEnd.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace quelta::test {
namespace {

int freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

bool accepts(int port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, quint16(port));
    return socket.waitForConnected(200);
}

} // namespace

Broker::~Broker()
{
    stop();
}

bool Broker::writeConfig(const QString &user, const QString &password)
{
    // Started by root, the broker would drop to its own user, which cannot read our folder.
    const passwd *account = getpwuid(getuid());
    QStringList lines = {QStringLiteral("listener %1 127.0.0.1").arg(port_), QStringLiteral("log_type all"),
                         QStringLiteral("user %1").arg(QString::fromLocal8Bit(account ? account->pw_name : "root")),
                         QStringLiteral("log_dest file %1").arg(dir_.filePath(QStringLiteral("broker.log"))),
                         QStringLiteral("persistence false")};
    if (user.isEmpty()) {
        lines << QStringLiteral("allow_anonymous true");
    } else {
        const QString passwords = dir_.filePath(QStringLiteral("passwords"));
        if (QProcess::execute(QStringLiteral("mosquitto_passwd"), {QStringLiteral("-b"), QStringLiteral("-c"), passwords, user, password}) != 0)
            return false;
        lines << QStringLiteral("allow_anonymous false") << QStringLiteral("password_file %1").arg(passwords);
    }
    QFile config(dir_.filePath(QStringLiteral("mosquitto.conf")));
    return config.open(QIODevice::WriteOnly) && config.write(lines.join(u'\n').toUtf8() + '\n') > 0;
}

bool Broker::start(const QString &user, const QString &password)
{
    if (port_ == 0)
        port_ = freePort();
    if (!writeConfig(user, password))
        return false;
    // Debian installs the broker in /usr/sbin, which a user's PATH may lack.
    QString program = QStandardPaths::findExecutable(QStringLiteral("mosquitto"));
    if (program.isEmpty())
        program = QStandardPaths::findExecutable(QStringLiteral("mosquitto"), {QStringLiteral("/usr/sbin")});
    process_.setProgram(program);
    process_.setArguments({QStringLiteral("-c"), dir_.filePath(QStringLiteral("mosquitto.conf"))});
    process_.start();
    if (!process_.waitForStarted(3000))
        return false;
    for (QDeadlineTimer deadline(5000); !deadline.hasExpired(); QThread::msleep(50)) {
        if (accepts(port_))
            return true;
    }
    return false;
}

void Broker::stop()
{
    endProcess(process_);
}

QString Broker::log() const
{
    QFile file(dir_.filePath(QStringLiteral("broker.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace quelta::test
