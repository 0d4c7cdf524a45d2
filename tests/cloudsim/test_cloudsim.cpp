// quelta-cloudsim as a program: started as a process and spoken to over HTTP, as the tool will.

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString Identity = QStringLiteral("identitytoolkit.googleapis.com/v1/accounts:");

struct Answer
{
    int status = 0;
    QByteArray body;

    QJsonValue json() const
    {
        const QJsonDocument document = QJsonDocument::fromJson('[' + body + ']');
        return document.array().first();
    }
    QString errorMessage() const { return json()[QStringLiteral("error")][QStringLiteral("message")].toString(); }
};

// One running quelta-cloudsim, and a client that waits for each answer.
class CloudSim
{
public:
    explicit CloudSim(const QStringList &arguments)
    {
        process_.setProgram(QStringLiteral(CLOUDSIM_BINARY));
        process_.setArguments(arguments);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start();
        if (process_.waitForStarted(5000) && process_.waitForReadyRead(5000)) {
            while (!process_.canReadLine() && process_.waitForReadyRead(1000)) {}
            base_ = QString::fromUtf8(process_.readLine()).trimmed();
        }
    }
    ~CloudSim()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    CloudSim(const CloudSim &) = delete;
    CloudSim &operator=(const CloudSim &) = delete;

    QString base() const { return base_; }

    Answer call(const QByteArray &method, const QString &target, const QByteArray &body = {})
    {
        QNetworkRequest request(QUrl(base_ + target));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
        QNetworkReply *reply = network_.sendCustomRequest(request, method, body);
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        loop.exec();
        Answer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
        reply->deleteLater();
        return answer;
    }

    Answer identity(const QString &method, const QJsonObject &body, const QString &key = QStringLiteral("key"))
    {
        return call("POST", Identity + method + QStringLiteral("?key=") + key,
                    QJsonDocument(body).toJson(QJsonDocument::Compact));
    }

    // SIGTERM; true when the program saved and ended normally.
    bool stop()
    {
        process_.terminate();
        return process_.waitForFinished(5000) && process_.exitStatus() == QProcess::NormalExit
            && process_.exitCode() == 0;
    }

private:
    QProcess process_;
    QString base_;
    QNetworkAccessManager network_;
};

QByteArray base64Url(const QByteArray &text)
{
    return text.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

// An ID token as the Firebase Auth emulator issues it.
QString emulatorToken(qint64 expiry)
{
    const QJsonObject payload{{"iss", "https://securetoken.google.com/demo-quelta"}, {"aud", "demo-quelta"},
                              {"user_id", "emulated"}, {"sub", "emulated"}, {"exp", expiry},
                              {"iat", QDateTime::currentSecsSinceEpoch() - 10}};
    return QString::fromLatin1(base64Url(R"({"alg":"none","typ":"JWT"})") + '.'
                               + base64Url(QJsonDocument(payload).toJson(QJsonDocument::Compact)) + '.');
}

QJsonObject credentials(const QString &email, const QString &password)
{
    return {{"email", email}, {"password", password}, {"returnSecureToken", true}};
}

} // namespace

class TestCloudsim : public QObject
{
    Q_OBJECT

private slots:
    void baseUrlOnLoopback()
    {
        CloudSim sim({});
        QVERIFY2(sim.base().startsWith(QLatin1String("http://127.0.0.1:")), qPrintable(sim.base()));
        QVERIFY(sim.base().endsWith(u'/'));
        QVERIFY(sim.stop());
    }

    void databaseTokens_data()
    {
        QTest::addColumn<QString>("token");
        QTest::addColumn<int>("status");
        const qint64 now = QDateTime::currentSecsSinceEpoch();
        QTest::newRow("none") << QString() << 401;
        QTest::newRow("garbage") << QStringLiteral("not-a-token") << 401;
        QTest::newRow("expired emulator token") << emulatorToken(now - 1) << 401;
        QTest::newRow("emulator token") << emulatorToken(now + 600) << 200;
        QTest::newRow("owner") << QStringLiteral("owner") << 200;
    }
    void databaseTokens()
    {
        QFETCH(QString, token);
        QFETCH(int, status);
        CloudSim sim({});
        const Answer answer = sim.call("GET", token.isNull() ? QStringLiteral("a.json") : "a.json?auth=" + token);
        QCOMPARE(answer.status, status);
        if (status == 401)
            QVERIFY2(answer.json()[QStringLiteral("error")].isString(), answer.body.constData());
    }

    void databaseRoundTrip()
    {
        CloudSim sim({});
        const QString device = QStringLiteral("devices/Q%2012.json?auth=owner");
        QCOMPARE(sim.call("PUT", device, R"({"name":"Gate","zones":{"z1":true}})").status, 200);
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        const Answer patched = sim.call("PATCH", device, R"({"zones/z2":true,"name":null,"seen":{".sv":"timestamp"}})");
        QCOMPARE(patched.status, 200);

        const QJsonValue stored = sim.call("GET", device).json();
        QCOMPARE(stored[QStringLiteral("zones")], QJsonValue(QJsonObject{{"z1", true}, {"z2", true}}));
        QVERIFY(stored[QStringLiteral("name")].isUndefined());
        QVERIFY(stored[QStringLiteral("seen")].toDouble() >= static_cast<double>(before));

        QStringList pushed;
        for (int i = 0; i < 20; ++i) {
            const Answer created = sim.call("POST", QStringLiteral("devices/Q%2012/events.json?auth=owner"),
                                            QByteArray::number(i));
            QCOMPARE(created.status, 200);
            pushed.append(created.json()[QStringLiteral("name")].toString());
        }
        QStringList sorted = pushed;
        sorted.sort();
        QCOMPARE(pushed, sorted);
        QCOMPARE(QSet<QString>(pushed.begin(), pushed.end()).size(), pushed.size());

        const Answer last = sim.call(
            "GET", QStringLiteral("devices/Q%2012/events.json?auth=owner&orderBy=%22%24key%22&limitToLast=2"));
        QCOMPARE(last.body, QStringLiteral(R"({"%1":18,"%2":19})").arg(pushed[18], pushed[19]).toUtf8());

        QCOMPARE(sim.call("PUT", device, "{\"name\":").body,
                 QByteArray("{\n  \"error\" : \"Invalid data; couldn't parse JSON object, array, or value.\"\n}"));
        const Answer removed = sim.call("DELETE", device);
        QCOMPARE(removed.status, 200);
        QCOMPARE(removed.body, QByteArray("null"));
        QCOMPARE(sim.call("GET", QStringLiteral(".json?auth=owner")).body, QByteArray("null"));
    }

    void identityErrors_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QJsonObject>("body");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("message");
        const QString key = QStringLiteral("demo-key");
        QTest::newRow("taken e-mail") << "signUp" << credentials("ana@example.com", "other-secret") << key << "EMAIL_EXISTS";
        QTest::newRow("short password") << "signUp" << credentials("bo@example.com", "12345") << key
                                        << "WEAK_PASSWORD : Password should be at least 6 characters";
        QTest::newRow("no password") << "signUp" << QJsonObject{{"email", "bo@example.com"}} << key << "MISSING_PASSWORD";
        QTest::newRow("malformed e-mail") << "signUp" << credentials("bo.example.com", "secret") << key << "INVALID_EMAIL";
        QTest::newRow("unknown e-mail") << "signInWithPassword" << credentials("cy@example.com", "secret") << key
                                        << "EMAIL_NOT_FOUND";
        QTest::newRow("wrong password") << "signInWithPassword" << credentials("ANA@example.com", "secret") << key
                                        << "INVALID_PASSWORD";
        QTest::newRow("bad ID token") << "lookup" << QJsonObject{{"idToken", "x.y.z"}} << key << "INVALID_ID_TOKEN";
        QTest::newRow("reset for nobody") << "sendOobCode"
                                          << QJsonObject{{"requestType", "PASSWORD_RESET"}, {"email", "cy@example.com"}}
                                          << key << "EMAIL_NOT_FOUND";
        QTest::newRow("wrong API key") << "signInWithPassword" << credentials("ana@example.com", "s3cret!") << "other"
                                       << "API key not valid. Please pass a valid API key.";
    }
    void identityErrors()
    {
        QFETCH(QString, method);
        QFETCH(QJsonObject, body);
        QFETCH(QString, key);
        QFETCH(QString, message);
        CloudSim sim({QStringLiteral("--api-key"), QStringLiteral("demo-key")});
        QCOMPARE(sim.identity("signUp", credentials("ana@example.com", "s3cret!"), "demo-key").status, 200);

        const Answer answer = sim.identity(method, body, key);
        QCOMPARE(answer.status, 400);
        QCOMPARE(answer.errorMessage(), message);
        QCOMPARE(answer.json()[QStringLiteral("error")][QStringLiteral("code")].toInt(), 400);
        QCOMPARE(answer.json()[QStringLiteral("error")][QStringLiteral("errors")][0][QStringLiteral("message")].toString(),
                 message);
    }

    void identityRoundTrip()
    {
        CloudSim sim({});
        const Answer signedUp = sim.identity("signUp", credentials("Ana@Example.com", "s3cret!"));
        QCOMPARE(signedUp.status, 200);
        const QString localId = signedUp.json()[QStringLiteral("localId")].toString();
        QVERIFY(!localId.isEmpty());
        QCOMPARE(signedUp.json()[QStringLiteral("expiresIn")].toString(), QStringLiteral("3600"));

        const Answer signedIn = sim.identity("signInWithPassword", credentials("ana@example.com", "s3cret!"));
        QCOMPARE(signedIn.status, 200);
        QCOMPARE(signedIn.json()[QStringLiteral("localId")].toString(), localId);
        QCOMPARE(signedIn.json()[QStringLiteral("registered")].toBool(), true);
        const QString idToken = signedIn.json()[QStringLiteral("idToken")].toString();
        QCOMPARE(sim.call("PUT", "users/" + localId + ".json?auth=" + idToken, R"({"ok":true})").status, 200);

        const auto lookup = [&] {
            const Answer answer = sim.identity("lookup", {{"idToken", idToken}});
            return answer.json()[QStringLiteral("users")][0];
        };
        QCOMPARE(lookup()[QStringLiteral("email")].toString(), QStringLiteral("ana@example.com"));
        QCOMPARE(lookup()[QStringLiteral("emailVerified")].toBool(), false);

        const Answer mailed = sim.identity("sendOobCode", {{"requestType", "VERIFY_EMAIL"}, {"idToken", idToken}});
        QCOMPARE(mailed.json()[QStringLiteral("email")].toString(), QStringLiteral("ana@example.com"));
        const QJsonValue requests = sim.call("GET", QStringLiteral("cloudsim/oobCodes")).json()[QStringLiteral("oobCodes")];
        QCOMPARE(requests[0][QStringLiteral("requestType")].toString(), QStringLiteral("VERIFY_EMAIL"));
        QCOMPARE(sim.call("POST", QStringLiteral("cloudsim/verify?email=ana%40example.com")).status, 200);
        QCOMPARE(lookup()[QStringLiteral("emailVerified")].toBool(), true);

        const QString refreshToken = signedIn.json()[QStringLiteral("refreshToken")].toString();
        const Answer refreshed = sim.call("POST", QStringLiteral("securetoken.googleapis.com/v1/token?key=k"),
                                          "grant_type=refresh_token&refresh_token=" + refreshToken.toUtf8());
        QCOMPARE(refreshed.json()[QStringLiteral("user_id")].toString(), localId);
        const QString refreshedToken = refreshed.json()[QStringLiteral("id_token")].toString();
        QCOMPARE(sim.call("GET", "users/" + localId + ".json?auth=" + refreshedToken).body, QByteArray(R"({"ok":true})"));
    }

    void persistsAcrossRestart()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString seed = dir.filePath(QStringLiteral("seed.json"));
        const QString store = dir.filePath(QStringLiteral("store.json"));
        QFile seedFile(seed);
        QVERIFY(seedFile.open(QIODevice::WriteOnly));
        seedFile.write(R"({"database": {"config": {"version": 1}},
                           "accounts": [{"email": "demo@example.com", "password": "demo-pass", "emailVerified": true}]})");
        seedFile.close();
        const QStringList arguments{QStringLiteral("--seed"), seed, QStringLiteral("--store"), store};

        {
            CloudSim sim(arguments);
            const Answer demo = sim.identity("signInWithPassword", credentials("demo@example.com", "demo-pass"));
            QCOMPARE(demo.status, 200);
            const Answer account = sim.identity("lookup", {{"idToken", demo.json()[QStringLiteral("idToken")]}});
            QCOMPARE(account.json()[QStringLiteral("users")][0][QStringLiteral("emailVerified")].toBool(), true);
            QCOMPARE(sim.call("PUT", QStringLiteral("config/version.json?auth=owner"), "2").status, 200);
            QCOMPARE(sim.identity("signUp", credentials("new@example.com", "new-pass")).status, 200);
            QVERIFY(sim.stop());
        }
        QFile storeFile(store);
        QVERIFY(storeFile.open(QIODevice::ReadOnly));
        const QByteArray saved = storeFile.readAll();
        QVERIFY(!saved.contains("demo-pass"));
        QVERIFY(!saved.contains("new-pass"));

        // The store now exists, so the seed no longer counts.
        CloudSim sim(arguments);
        QCOMPARE(sim.call("GET", QStringLiteral("config/version.json?auth=owner")).body, QByteArray("2"));
        QCOMPARE(sim.identity("signInWithPassword", credentials("new@example.com", "new-pass")).status, 200);
        QCOMPARE(sim.identity("signInWithPassword", credentials("demo@example.com", "demo-pass")).status, 200);
        QVERIFY(sim.stop());
    }
};

QTEST_GUILESS_MAIN(TestCloudsim)
#include "test_cloudsim.moc"
