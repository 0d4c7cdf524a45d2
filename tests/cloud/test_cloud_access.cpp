// The cloud access layer against quelta-cloudsim (database and identity) and against peers that
// misbehave: a server that never answers, a token that has expired, a malformed device record.

#include "CloudSim.h"
#include "RecordingServer.h"
#include "ScriptedPrompter.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/Settings.h"
#include "core/base/Version.h"
#include "core/cloud/CloudAccess.h"
#include "core/cloud/SignIn.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>

using namespace quelta;
using quelta::test::CloudSim;
using quelta::test::ScriptedPrompter;

namespace {

const QString kAna = QStringLiteral("ana@example.com");
const QString kAnaPassword = QStringLiteral("correct-horse");

const QByteArray kSeed = R"({
  "database": {
    "Nodes": {
      "object": {"b": "two", "a": 1, "c": {"x": true}},
      "string": "texto",
      "number": 42.5,
      "nested": {"Installers": {"Norte": {"KeyInstaller": "clave-norte"}}}
    },
    "Companies": {"A,B": {"KeyCom": "clave-ab"}},
    "Equipments": {
      "Q1": {"Company": "Acme", "Installer": "Norte", "Reference": "R1", "Connection": "ONLINE",
             "Configuration": {"ethernetInfo": {"ethernetStat": 5}, "gprsInfo": {"gprsStat": 2}}},
      "Q2": "not a record",
      "Q3": {"Company": "Acme", "Installer": "Sur", "Configuration": {"ethernetInfo": {"ethernetStat": 5}}}
    }
  },
  "accounts": [
    {"email": "ana@example.com", "password": "correct-horse", "emailVerified": true, "localId": "ana-uid"},
    {"email": "off@example.com", "password": "correct-horse", "disabled": true}
  ]
})";

// An id token of the emulators' shape that expired an hour ago.
QString expiredToken()
{
    const auto part = [](const QJsonObject &object) {
        return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(QByteArray::Base64UrlEncoding
                                                                             | QByteArray::OmitTrailingEquals);
    };
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QJsonObject claims{{"sub", "ana-uid"}, {"user_id", "ana-uid"}, {"iat", now - 7200}, {"exp", now - 3600}};
    return QString::fromLatin1(part({{"alg", "none"}, {"typ", "JWT"}}) + '.' + part(claims) + '.');
}

// 4 March 2021, 11:20:30.123 in Madrid: 10:20:30.123 UTC.
QDateTime fixedClock()
{
    return QDateTime(QDate(2021, 3, 4), QTime(11, 20, 30, 123), QTimeZone("Europe/Madrid"));
}

} // namespace

class TestCloudAccess : public QObject
{
    Q_OBJECT

    CloudSim sim_;
    QTemporaryDir dir_;
    DiagnosticTrace trace_;
    QStringList traced_;
    ScriptedPrompter prompter_;
    std::unique_ptr<AppSettings> settings_;
    std::unique_ptr<CloudAccess> cloud_;

    std::unique_ptr<AppSettings> openSettings()
    {
        return std::make_unique<AppSettings>(
            std::make_unique<QSettings>(dir_.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    }

    // A cloud access to the simulator, or to another server's database.
    void connectTo(const QString &database, int timeoutMs = 5000)
    {
        CloudEndpoints endpoints = CloudEndpoints::production();
        endpoints.setIdentityEmulator(QUrl(sim_.url()));
        endpoints.setDatabaseAddress(QUrl(database));
        endpoints.timeoutMs = timeoutMs;
        cloud_ = std::make_unique<CloudAccess>(endpoints, settings_.get(), trace_, prompter_, FormatSettings{});
        cloud_->setClock(fixedClock);
    }

    void signInAsAna()
    {
        cloud_->state().EmpresaEmail = kAna;
        cloud_->state().EmpresaPassword = kAnaPassword;
        cloud_->ConnexioFireBase();
        QVERIFY(!cloud_->state().token.isEmpty());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(sim_.start(kSeed));
        connect(&trace_, &DiagnosticTrace::lineAdded, this, [this](const QString &line) { traced_.append(line); });
    }

    void init()
    {
        prompter_ = ScriptedPrompter();
        settings_ = openSettings();
        connectTo(sim_.url());
    }

    void endpointsFromEnvironmentAndOverrides_data()
    {
        QTest::addColumn<QString>("authHost");
        QTest::addColumn<QString>("databaseHost");
        QTest::addColumn<QString>("databaseOverride");
        QTest::addColumn<QString>("signUp");
        QTest::addColumn<QString>("refresh");
        QTest::addColumn<QString>("readUrl");

        const QString productionDb = QStringLiteral("https://quelta-cloud-default-rtdb.europe-west1.firebasedatabase.app/");
        const QString key = CloudEndpoints::production().apiKey;
        QTest::newRow("production") << "" << "" << ""
            << "https://identitytoolkit.googleapis.com/v1/accounts:signUp?key=" + key
            << "https://securetoken.googleapis.com/v1/token?key=" + key
            << productionDb + "Companies/A%20B/Installers.json?orderBy=%22%24key%22&auth=T";
        QTest::newRow("emulators") << "127.0.0.1:9099" << "[::1]:9000" << ""
            << "http://127.0.0.1:9099/identitytoolkit.googleapis.com/v1/accounts:signUp?key=" + key
            << "http://127.0.0.1:9099/securetoken.googleapis.com/v1/token?key=" + key
            << "http://[::1]:9000/Companies/A%20B/Installers.json?ns=quelta-cloud-default-rtdb&orderBy=%22%24key%22&auth=T";
        QTest::newRow("an explicit database wins, with its ns") << "" << "127.0.0.1:9000" << "http://127.0.0.1:8100/?ns=demo-x"
            << "https://identitytoolkit.googleapis.com/v1/accounts:signUp?key=" + key
            << "https://securetoken.googleapis.com/v1/token?key=" + key
            << "http://127.0.0.1:8100/Companies/A%20B/Installers.json?ns=demo-x&orderBy=%22%24key%22&auth=T";
    }

    void endpointsFromEnvironmentAndOverrides()
    {
        QFETCH(QString, refresh);
        QFETCH(QString, readUrl);
        QFETCH(QString, signUp);
        QFETCH(QString, authHost);
        QFETCH(QString, databaseHost);
        QFETCH(QString, databaseOverride);
        qputenv("FIREBASE_AUTH_EMULATOR_HOST", authHost.toUtf8());
        qputenv("FIREBASE_DATABASE_EMULATOR_HOST", databaseHost.toUtf8());
        const CloudEndpoints endpoints = CloudEndpoints::configured({databaseOverride, {}, {}});
        qunsetenv("FIREBASE_AUTH_EMULATOR_HOST");
        qunsetenv("FIREBASE_DATABASE_EMULATOR_HOST");

        QCOMPARE(endpoints.identityUrl(QStringLiteral("signUp")).toString(QUrl::FullyEncoded), signUp);
        QCOMPARE(endpoints.tokenUrl().toString(QUrl::FullyEncoded), refresh);
        const QStringList path = CloudAccess::GetRTDBPath(QStringLiteral("Companies/A B/Installers/"));
        QCOMPARE(endpoints.databaseUrl(*DatabaseClient::addressable(path),
                                       {{QStringLiteral("orderBy"), QStringLiteral("\"$key\"")}, {QStringLiteral("auth"), QStringLiteral("T")}})
                     .toString(QUrl::FullyEncoded),
                 readUrl);
        QCOMPARE(endpoints.apiKey.size(), 39);
    }

    void identityErrors_data()
    {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("code");
        QTest::newRow("signed in") << "signIn" << kAna << kAnaPassword << "";
        QTest::newRow("wrong password") << "signIn" << kAna << "wrong-horse" << "INVALID_PASSWORD";
        QTest::newRow("unknown address") << "signIn" << "nobody@example.com" << kAnaPassword << "EMAIL_NOT_FOUND";
        QTest::newRow("disabled") << "signIn" << "off@example.com" << kAnaPassword << "USER_DISABLED";
        QTest::newRow("malformed address") << "signIn" << "not-an-address" << kAnaPassword << "INVALID_EMAIL";
        QTest::newRow("address taken") << "signUp" << kAna << kAnaPassword << "EMAIL_EXISTS";
        QTest::newRow("weak password, reason cut") << "signUp" << "new@example.com" << "123" << "WEAK_PASSWORD";
        QTest::newRow("reset for an unknown address") << "reset" << "nobody@example.com" << "" << "EMAIL_NOT_FOUND";
    }

    void identityErrors()
    {
        QFETCH(QString, code);
        QFETCH(QString, method);
        QFETCH(QString, email);
        QFETCH(QString, password);
        IdentityClient &identity = cloud_->identity();
        CloudError error;
        if (method == QLatin1String("signIn")) {
            const IdentityResult result = identity.signInWithPassword(email, password);
            error = result.error;
            if (result.ok()) {
                QCOMPARE(result.user.localId, QStringLiteral("ana-uid"));
                QCOMPARE(result.user.registered, std::optional<bool>(true));
                QCOMPARE(identity.lookup(result.user.idToken).user.emailVerified, std::optional<bool>(true));
                const IdentityResult refreshed = identity.refresh(result.user.refreshToken);
                QVERIFY2(refreshed.ok(), qPrintable(refreshed.error.text));
                QVERIFY(!refreshed.user.idToken.isEmpty());
            }
        } else if (method == QLatin1String("signUp")) {
            error = identity.signUp(email, password).error;
        } else {
            error = identity.sendPasswordReset(email);
        }
        QCOMPARE(error.code, code);
        QCOMPARE(error.failed(), !error.code.isEmpty());
    }

    void signInKeepsTheUserIdAndStaysSilentOnWrongCredentials()
    {
        QSignalSpy offline(cloud_.get(), &CloudAccess::sinInternet);
        cloud_->state().EmpresaEmail = kAna;
        cloud_->state().EmpresaPassword = QStringLiteral("wrong-horse");
        cloud_->ConnexioFireBase();
        QVERIFY(cloud_->state().token.isEmpty());
        QVERIFY(cloud_->state().ErrorFirebase.isEmpty());
        QVERIFY(prompter_.asked.isEmpty());
        QCOMPARE(offline.count(), 0);

        cloud_->state().EmpresaPassword = kAnaPassword;
        cloud_->ConnexioFireBase();
        QCOMPARE(cloud_->state().CodiReg, QStringLiteral("ana-uid"));
        QCOMPARE(openSettings()->values().idUsuari, QString()); // not read back until read
        std::unique_ptr<AppSettings> reread = openSettings();
        reread->LLegirConfigInicial(QStringLiteral("127.0.0.1"));
        QCOMPARE(reread->values().idUsuari, QStringLiteral("ana-uid"));
    }

    void readsRenderAsTheDirectoryShowsThem_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("object, members in order, nested as JSON")
            << "Nodes/object" << "a: 1\rb: \"two\"\rc: {\"x\":true}\r";
        QTest::newRow("string keeps its quotes") << "Nodes/string" << "\"texto\"";
        QTest::newRow("number") << "Nodes/number" << "42.5";
        QTest::newRow("nothing stored") << "Nodes/missing" << "";
        QTest::newRow("nested path with backslashes") << "Nodes\\nested\\Installers\\Norte\\KeyInstaller" << "\"clave-norte\"";
        QTest::newRow("a dot is stored as a comma") << "Companies/A.B/KeyCom" << "\"clave-ab\"";
    }

    void readsRenderAsTheDirectoryShowsThem()
    {
        QFETCH(QString, expected);
        QFETCH(QString, path);
        signInAsAna();
        QCOMPARE(cloud_->GetSynchRTDB(path), expected);
        QVERIFY(cloud_->state().ErrorFirebase.isEmpty());
    }

    void historyKeepsTheServersOrder()
    {
        signInAsAna();
        QVERIFY(sim_.write(QStringLiteral("Events/H1"),
                           R"({"k1": {"Created": "2021-03-04T10:00:00.000"}, "k2": {"Created": "2021-01-01T00:00:00.000"},
                               "k3": {"Created": "2021-02-01T00:00:00.000"}})"));
        QCOMPARE(cloud_->GetSynchRTDBHistoric(QStringLiteral("Events/H1"), QStringLiteral("2")),
                 QStringLiteral("k3: {\"Created\":\"2021-02-01T00:00:00.000\"}\rk1: {\"Created\":\"2021-03-04T10:00:00.000\"}\r"));
    }

    void eventsArePostedInUtcWithTheirKeysInOrder()
    {
        RecordingServer server(R"({"name": "-Nabc"})");
        connectTo(server.url());
        cloud_->state().token = QStringLiteral("owner");
        cloud_->state().EmpresaNickname = QStringLiteral("Ana");
        cloud_->state().EmpresaEmail = kAna;
        cloud_->state().CodiReg = QStringLiteral("ana-uid");
        cloud_->ActualitzaEventsRTDB(QStringLiteral("Q1"), QStringLiteral("Rearme"), QStringLiteral("77000"));
        cloud_->ActualitzaEventsRTDB(QString(), QStringLiteral("nada"), QStringLiteral("77000"));

        QCOMPARE(server.requests.size(), 1);
        QVERIFY2(server.requests[0].head.startsWith("POST /Events/Q1.json?auth=owner "), server.requests[0].head.constData());
        QCOMPARE(server.requests[0].body,
                 QByteArray(R"({"ClientId":"Q1","Created":"2021-03-04T10:20:30.123","EventId":"77000","MessageTxt":"Rearme",)"
                            R"("UserName":"Ana","UserMail":"ana@example.com","UserId":"ana-uid"})"));
        QVERIFY(cloud_->state().ErrorFirebase.isEmpty());
    }

    void accessKeysAreWrittenPerLevel_data()
    {
        QTest::addColumn<QString>("installer");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("nou");
        QTest::addColumn<QString>("node");
        QTest::addColumn<QJsonObject>("expected");
        const QString now = QStringLiteral("04/03/2021 11:20:30.123");
        QTest::newRow("company, new") << "" << "" << true << "Companies/Co1"
            << QJsonObject{{"KeyCom", "k-123456"}, {"NIF", ""}, {"Name", "Co1"}, {"CreatedDateCom", now}, {"LastAccessCom", now}};
        QTest::newRow("company") << "" << "" << false << "Companies/Co2"
            << QJsonObject{{"KeyCom", "k-123456"}, {"NIF", ""}, {"Name", "Co2"}, {"LastAccessCom", now}};
        QTest::newRow("installer, new") << "Norte" << "" << true << "Companies/Co3/Installers/Norte"
            << QJsonObject{{"KeyInstaller", "k-123456"}, {"CreatedDateInstaller", now}, {"LastAccessInstaller", now}};
        QTest::newRow("installer") << "Norte" << "" << false << "Companies/Co4/Installers/Norte"
            << QJsonObject{{"KeyInstaller", "k-123456"}, {"LastAccessInstaller", now}};
        QTest::newRow("reference, new") << "Norte" << "R.1" << true << "Companies/Co5/Installers/Norte/References/R,1"
            << QJsonObject{{"KeyReference", "k-123456"}, {"CreatedDateReference", now}};
        QTest::newRow("reference") << "Norte" << "R1" << false << "Companies/Co6/Installers/Norte/References/R1"
            << QJsonObject{{"KeyReference", "k-123456"}};
    }

    void accessKeysAreWrittenPerLevel()
    {
        QFETCH(QJsonObject, expected);
        QFETCH(QString, reference);
        QFETCH(QString, node);
        QFETCH(QString, installer);
        QFETCH(bool, nou);
        signInAsAna();
        const QString company = node.section(QLatin1Char('/'), 1, 1);
        cloud_->ActualitzaCompaniesRTDB(company, installer, QStringLiteral("k-123456"), reference,
                                        nou);
        QVERIFY(cloud_->state().ErrorFirebase.isEmpty());
        QJsonObject stored = sim_.read(node).toObject();
        stored.remove(QStringLiteral("Installers"));
        stored.remove(QStringLiteral("References"));
        QCOMPARE(stored, expected);
        // Below the company, its last access is refreshed too.
        if (!installer.isEmpty())
            QCOMPARE(sim_.read(QStringLiteral("Companies/") + company).toObject().value("LastAccessCom").toString(),
                     QStringLiteral("04/03/2021 11:20:30.123"));
    }

    void incompleteLevelsAreNotWritten()
    {
        signInAsAna();
        cloud_->ActualitzaCompaniesRTDB(QString(), QString(), QStringLiteral("k-123456"), QString(), true);
        QVERIFY(!cloud_->state().ErrorFirebase.isEmpty());
        cloud_->ActualitzaCompaniesRTDB(QStringLiteral("Co7"), QString(), QStringLiteral("k-123456"), QStringLiteral("R1"), true);
        QVERIFY(sim_.read(QStringLiteral("Companies/Co7")).isNull());
        QVERIFY(sim_.read(QStringLiteral("Companies/KeyCom")).isNull());
        // Nor is the whole collection deleted for want of an identifier.
        cloud_->EsborrarEquip(QString());
        QVERIFY(sim_.read(QStringLiteral("Equipments/Q1")).isObject());
    }

    void versionCheck_data()
    {
        QTest::addColumn<QByteArray>("stored"); // the Versions node; empty: none
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<QString>("storedAfter");
        QTest::newRow("newer, blocking") << QByteArray(R"({"PCNewVersionAvailable": "2.2.02.01", "PCBlockingCondition": true})") << 0 << 1 << "2.2.02.01";
        QTest::newRow("newer, blocking as text") << QByteArray(R"({"PCNewVersionAvailable": "2.2.02.01", "PCBlockingCondition": "true"})") << 0 << 1 << "2.2.02.01";
        QTest::newRow("newer, not blocking") << QByteArray(R"({"PCNewVersionAvailable": "2.2.02.01", "PCBlockingCondition": false})") << 1 << 1 << "2.2.02.01";
        QTest::newRow("the same") << QByteArray(R"({"PCNewVersionAvailable": "2.2.01.31", "PCBlockingCondition": true})") << 1 << 0 << "2.2.01.31";
        QTest::newRow("older") << QByteArray(R"({"PCNewVersionAvailable": "2.2.01.30", "PCBlockingCondition": true})") << 1 << 0 << "2.2.01.30";
        QTest::newRow("not a number") << QByteArray(R"({"PCNewVersionAvailable": "2.2.x", "PCBlockingCondition": true})") << 1 << 0 << "2.2.x";
        QTest::newRow("missing: ours is written") << QByteArray() << 1 << 0 << kProgramVersion;
    }

    void versionCheck()
    {
        QFETCH(QString, storedAfter);
        QFETCH(int, dialogs);
        QFETCH(int, result);
        QFETCH(QByteArray, stored);
        QVERIFY(sim_.write(QStringLiteral("Versions"), stored.isEmpty() ? QByteArray("null") : stored));
        cloud_->state().EmpresaEmail = kAna;
        cloud_->state().EmpresaPassword = kAnaPassword;
        QCOMPARE(cloud_->ComprovaVersioRTDB(), result);
        QCOMPARE(prompter_.hyperlinks.size(), dialogs);
        if (!prompter_.hyperlinks.isEmpty())
            QCOMPARE(prompter_.hyperlinks[0], QStringLiteral("¡ ATENCIÓN !\nHay una nueva versión disponible\r\n"));
        QCOMPARE(sim_.read(QStringLiteral("Versions/PCNewVersionAvailable")).toString(), storedAfter);
    }

    void aHungServerTimesOutWhileTheLoopRuns()
    {
        RecordingServer hung; // accepts, never answers
        connectTo(hung.url(), 300);
        cloud_->state().token = QStringLiteral("owner");
        QSignalSpy offline(cloud_.get(), &CloudAccess::sinInternet);
        int ticks = 0;
        QTimer ticking;
        connect(&ticking, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticking.start(20);
        QElapsedTimer clock;
        clock.start();

        QCOMPARE(cloud_->GetSynchRTDB(QStringLiteral("Nodes/string")), QString());
        QVERIFY(clock.elapsed() < 3000);
        QVERIFY2(ticks >= 5, "the event loop stood still during the wait");
        QCOMPARE(hung.requests.size(), 1);
        QCOMPARE(cloud_->state().ErrorFirebase, QStringLiteral("Error de conexión con el servidor\r"));
        QCOMPARE(offline.count(), 1);
        // Not read is not missing: nothing is written over the stored version.
        QCOMPARE(cloud_->ComprovaVersioRTDB(), 1);
        QCOMPARE(hung.requests.size(), 2);
        QVERIFY(hung.requests[1].head.startsWith("GET "));
    }

    void anExpiredTokenIsRenewedOnce()
    {
        cloud_->state().token = expiredToken();
        cloud_->state().EmpresaEmail = kAna;
        cloud_->state().EmpresaPassword = kAnaPassword;
        QCOMPARE(cloud_->GetSynchRTDB(QStringLiteral("Nodes/string")), QStringLiteral("\"texto\""));
        QVERIFY(cloud_->state().token != expiredToken());

        // Without a way to a new token the read fails once, without looping.
        connectTo(sim_.url());
        cloud_->state().token = expiredToken();
        QCOMPARE(cloud_->GetSynchRTDB(QStringLiteral("Nodes/string")), QString());
        QCOMPARE(cloud_->state().ErrorFirebase, QStringLiteral("Error de conexión con el servidor\r"));
    }

    void aMalformedDeviceRecordIsSkipped()
    {
        signInAsAna();
        const DeviceListing listing = cloud_->readDevices();
        QVERIFY(listing.error.isEmpty());
        QCOMPARE(listing.skipped, QStringList{QStringLiteral("Q2")});
        QVERIFY(listing.skippedMessage().contains(QLatin1String("Q2")));
        QCOMPARE(listing.devices.size(), 2);
        const DeviceRecord &q1 = listing.devices[0];
        QCOMPARE(q1.identifier, QStringLiteral("Q1"));
        QCOMPARE((QList<int>{q1.shownEthernetStat(), q1.shownGprsStat()}), (QList<int>{5, 2}));
        const DeviceRecord &q3 = listing.devices[1];
        QCOMPARE((QList<int>{q3.shownEthernetStat(), q3.shownGprsStat()}), (QList<int>{-1, -1}));
        QVERIFY(matchesSearch(q1, QStringLiteral("Acmé"), QStringLiteral("Norte"), QString()));
        QVERIFY(!matchesSearch(q3, QStringLiteral("Acme"), QStringLiteral("Norte"), QString()));
    }

    void registeringWritesTheRecordsOnceAndTracesNoSecret()
    {
        traced_.clear();
        signInAsAna();
        SignIn signIn(*cloud_, settings_.get(), trace_);
        const QString key = QStringLiteral("secret-key-77");
        QCOMPARE(signIn.LoginEmpresaRTDB(QStringLiteral("Reg"), QStringLiteral("Este"), QString(), key, kAna, kAnaPassword,
                                         QStringLiteral("Ana"), true),
                 QString());
        const QJsonObject user = sim_.read(QStringLiteral("Users/ana-uid")).toObject();
        QCOMPARE(user.value("role").toString(), QStringLiteral("instalador"));
        QCOMPARE(user.value("companyKey").toString(), QStringLiteral("Reg"));
        const QJsonObject installer = sim_.read(QStringLiteral("Companies/Reg/Installers/Este")).toObject();
        QCOMPARE(installer.value("KeyInstaller").toString(), key);
        QVERIFY(installer.contains("CreatedDateInstaller"));
        QVERIFY(!sim_.read(QStringLiteral("Companies/Reg")).toObject().contains("LastAccessCom"));

        // Again, a day later: the creation date stays.
        cloud_->setClock([] { return fixedClock().addDays(1); });
        QCOMPARE(signIn.LoginEmpresaRTDB(QStringLiteral("Reg"), QStringLiteral("Este"), QString(), key, kAna, kAnaPassword,
                                         QStringLiteral("Ana"), true),
                 QString());
        QCOMPARE(sim_.read(QStringLiteral("Companies/Reg/Installers/Este/CreatedDateInstaller")),
                 installer.value("CreatedDateInstaller"));
        // Another company for the same user is refused.
        QVERIFY(signIn.LoginEmpresaRTDB(QStringLiteral("Otra"), QString(), QString(), key, kAna, kAnaPassword,
                                        QStringLiteral("Ana"), true)
                    .contains(QLatin1String("no coinciden")));

        QCOMPARE(signIn.BuscaEmpresaUsersRTDB(), QString());
        QCOMPARE(cloud_->state().EmpresaClau, key);

        std::unique_ptr<AppSettings> reread = openSettings();
        reread->LLegirConfigInicial(QStringLiteral("127.0.0.1"));
        QCOMPARE(reread->values().email, kAna);

        QVERIFY(traced_.join(QLatin1Char('\n')).contains(QLatin1String("Patch : Users/ana-uid")));
        for (const QString &line : std::as_const(traced_)) {
            QVERIFY2(!line.contains(kAnaPassword), qPrintable(line));
            QVERIFY2(!line.contains(key), qPrintable(line));
            QVERIFY2(!line.contains(cloud_->state().token), qPrintable(line));
        }
    }
};

QTEST_GUILESS_MAIN(TestCloudAccess)
#include "test_cloud_access.moc"
