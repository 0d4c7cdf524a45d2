#include "AuthEmulator.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QTcpSocket>
#include <QtTest>

using quelta::test::AuthEmulator;

namespace {

QString errorOf(const AuthEmulator::Reply &reply)
{
    return reply.body.value(QLatin1String("error")).toObject().value(QLatin1String("message")).toString();
}

QJsonObject credentials(const QString &email, const QString &password)
{
    return {{QStringLiteral("email"), email}, {QStringLiteral("password"), password},
            {QStringLiteral("returnSecureToken"), true}};
}

} // namespace

// The emulator as our identity client meets it: the REST calls it makes and the answers it maps.
class TestAuthEmulator : public QObject
{
    Q_OBJECT

    AuthEmulator emulator_;

    // accounts:METHOD of Identity Toolkit v1, under the emulator's root as the SDKs address it when
    // FIREBASE_AUTH_EMULATOR_HOST is set. The emulator wants a key, any key.
    AuthEmulator::Reply accounts(const QString &method, const QJsonObject &body)
    {
        const QString path = QStringLiteral("/identitytoolkit.googleapis.com/v1/accounts:%1?key=any").arg(method);
        return emulator_.request("POST", path, body);
    }

    AuthEmulator::Reply signUp(const QString &email, const QString &password)
    {
        return accounts(QStringLiteral("signUp"), credentials(email, password));
    }

    AuthEmulator::Reply signIn(const QString &email, const QString &password)
    {
        return accounts(QStringLiteral("signInWithPassword"), credentials(email, password));
    }

    bool emailVerified(const QString &idToken)
    {
        const AuthEmulator::Reply reply = accounts(QStringLiteral("lookup"), {{QStringLiteral("idToken"), idToken}});
        return reply.body.value(QLatin1String("users"))[0].toObject().value(QLatin1String("emailVerified")).toBool();
    }

private slots:
    void initTestCase()
    {
        QUELTA_REQUIRE_AUTH_EMULATOR();
        QElapsedTimer clock;
        clock.start();
        QVERIFY2(emulator_.start(), qPrintable(emulator_.log()));
        qInfo("Auth emulator ready at %s after %lld ms", qPrintable(emulator_.url()), clock.elapsed());
    }

    void init()
    {
        QVERIFY(emulator_.clear());
        QVERIFY(emulator_.setEmailEnumerationProtection(false));
    }

    void cleanupTestCase()
    {
        if (emulator_.port() == 0)
            return;
        const int port = emulator_.port();
        emulator_.stop();
        QVERIFY(!emulator_.running());
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, quint16(port));
        QVERIFY2(!socket.waitForConnected(500), "the emulator still listens after stop()");
    }

    void signUpSignInAndVerifyEmail()
    {
        const QString ana = QStringLiteral("ana.torres@example.com");
        const QString password = QStringLiteral("correct-horse");
        const AuthEmulator::Reply created = signUp(QStringLiteral("Ana.Torres@Example.com"), password);
        QCOMPARE(created.status, 200);
        // Addresses are kept in lower case.
        QCOMPARE(created.body.value(QLatin1String("email")).toString(), ana);
        const QString localId = created.body.value(QLatin1String("localId")).toString();
        QVERIFY(!localId.isEmpty());

        const AuthEmulator::Reply again = signUp(ana, QStringLiteral("other-horse"));
        QCOMPARE(again.status, 400);
        QCOMPARE(errorOf(again), QStringLiteral("EMAIL_EXISTS"));

        const AuthEmulator::Reply signedIn = signIn(ana, password);
        QCOMPARE(signedIn.status, 200);
        QCOMPARE(signedIn.body.value(QLatin1String("localId")).toString(), localId);
        const QString idToken = signedIn.body.value(QLatin1String("idToken")).toString();
        QVERIFY(!idToken.isEmpty());
        QVERIFY(!signedIn.body.value(QLatin1String("refreshToken")).toString().isEmpty());

        const AuthEmulator::Reply wrongPassword = signIn(ana, QStringLiteral("wrong-horse"));
        QCOMPARE(wrongPassword.status, 400);
        QCOMPARE(errorOf(wrongPassword), QStringLiteral("INVALID_PASSWORD"));
        const AuthEmulator::Reply unknown = signIn(QStringLiteral("nobody@example.com"), password);
        QCOMPARE(unknown.status, 400);
        QCOMPARE(errorOf(unknown), QStringLiteral("EMAIL_NOT_FOUND"));

        const QJsonObject verify{{QStringLiteral("requestType"), QStringLiteral("VERIFY_EMAIL")},
                                 {QStringLiteral("idToken"), idToken}};
        QCOMPARE(accounts(QStringLiteral("sendOobCode"), verify).status, 200);
        const QList<AuthEmulator::OobCode> codes = emulator_.oobCodes();
        QCOMPARE(codes.size(), 1);
        QCOMPARE(codes[0].requestType, QStringLiteral("VERIFY_EMAIL"));
        QCOMPARE(codes[0].email, ana);
        QVERIFY(!emailVerified(idToken));

        QCOMPARE(emulator_.verifyEmails(), 1);
        QVERIFY(emailVerified(idToken));
        // A followed link is used up.
        QCOMPARE(emulator_.verifyEmails(), 0);
    }

    void enumerationProtectionMergesTheLoginErrors()
    {
        const QString bo = QStringLiteral("bo@example.com");
        const QString password = QStringLiteral("correct-horse");
        QCOMPARE(signUp(bo, password).status, 200);

        QVERIFY(emulator_.setEmailEnumerationProtection(true));
        const AuthEmulator::Reply wrongPassword = signIn(bo, QStringLiteral("wrong-horse"));
        QCOMPARE(wrongPassword.status, 400);
        QCOMPARE(errorOf(wrongPassword), QStringLiteral("INVALID_LOGIN_CREDENTIALS"));
        QCOMPARE(errorOf(signIn(QStringLiteral("nobody@example.com"), password)), QStringLiteral("INVALID_LOGIN_CREDENTIALS"));

        // clear() forgets the account.
        QVERIFY(emulator_.setEmailEnumerationProtection(false));
        QVERIFY(emulator_.clear());
        QCOMPARE(errorOf(signIn(bo, password)), QStringLiteral("EMAIL_NOT_FOUND"));
    }
};

QTEST_GUILESS_MAIN(TestAuthEmulator)
#include "test_auth_emulator.moc"
