#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace quelta::test {

// The official Firebase Auth emulator (firebase-tools from tools/firebase) on free loopback ports,
// for project demo-quelta, with a configuration, a state and a log of its own. It runs offline: no
// login, no update check, no usage reports, no metadata-server probe. Its REST interface is the real
// one under url(): url() + "/identitytoolkit.googleapis.com/v1/accounts:signUp?key=any" and so on.
class AuthEmulator
{
public:
    // An e-mail the emulator would have sent: a verification, a password reset...
    struct OobCode
    {
        QString email;
        QString requestType; // VERIFY_EMAIL, PASSWORD_RESET, EMAIL_SIGNIN, VERIFY_AND_CHANGE_EMAIL
        QString oobCode;
        QString oobLink;
    };

    // A reply of the emulator: the HTTP status (0 when none came) and the body as JSON.
    struct Reply
    {
        int status = 0;
        QJsonObject body;
    };

    AuthEmulator() = default;
    ~AuthEmulator();
    AuthEmulator(const AuthEmulator &) = delete;
    AuthEmulator &operator=(const AuthEmulator &) = delete;

    // Whether the emulator is installed (tools/firebase/node_modules, which ./test.sh provides) and
    // Node.js is on PATH; reason() says what is missing.
    static bool available();
    static QString reason();

    // Starts the emulator and waits until it answers; the first start on a machine takes 10 s and
    // more. On failure log() tells why.
    bool start();
    // Ends the emulator and everything it started.
    void stop();
    bool running() const { return process_.state() != QProcess::NotRunning; }

    int port() const { return port_; }
    QString projectId() const { return QStringLiteral("demo-quelta"); }
    // "http://127.0.0.1:PORT", the root of every path the emulator serves.
    QString url() const;
    // "127.0.0.1:PORT", as the variable FIREBASE_AUTH_EMULATOR_HOST carries it.
    QString host() const;
    // What the emulator has printed so far.
    QString log() const;

    // Deletes every account (and with them the pending e-mails).
    bool clear();
    // The e-mails sent so far, oldest first.
    QList<OobCode> oobCodes();
    // Follows the link of every pending VERIFY_EMAIL, as the user would: the addresses become
    // verified. Returns how many were verified, or -1 on an error.
    int verifyEmails();
    // Email enumeration protection: on, signing in with an unknown e-mail or a wrong password both
    // give INVALID_LOGIN_CREDENTIALS (as on projects created since September 2023); off, they give
    // EMAIL_NOT_FOUND and INVALID_PASSWORD. Off after start().
    bool setEmailEnumerationProtection(bool on);

    // A request to url() + path, with a JSON body when body is not empty; waits at most timeoutMs.
    Reply request(const QByteArray &verb, const QString &path, const QJsonObject &body = {}, int timeoutMs = 10000);

private:
    bool writeConfig();

    QTemporaryDir dir_;
    QProcess process_;
    int port_ = 0;
};

} // namespace quelta::test

// For a test's initTestCase: without the emulator a developer's run is skipped with the reason; in
// CI, where ./test.sh installs it, a missing emulator fails.
#define QUELTA_REQUIRE_AUTH_EMULATOR()                                                                \
    do {                                                                                              \
        if (!quelta::test::AuthEmulator::available()) {                                               \
            if (qEnvironmentVariableIsSet("CI"))                                                      \
                QFAIL(qPrintable(quelta::test::AuthEmulator::reason()));                              \
            QSKIP(qPrintable(quelta::test::AuthEmulator::reason()));                                  \
        }                                                                                             \
    } while (false)
