// quelta-cli's cloud commands against quelta-cloudsim seeded with the demo company.

#include "CliRun.h"
#include "CloudSim.h"
#include "SimulatedDevice.h"

#include "core/base/Settings.h"
#include "core/base/Version.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QtTest>

#include <algorithm>
#include <memory>

using namespace quelta;
using test::CliRun;

namespace {

const QString kCompany = QStringLiteral("Protecciones Ibéricas SL");
const QString kEmail = QStringLiteral("instalador@quelta.test");
const QString kPassword = QStringLiteral("quelta-demo");

QByteArray demoSeed()
{
    QFile seed(QStringLiteral(QUELTA_CLOUDSIM_SEEDS "/demo.json"));
    return seed.open(QIODevice::ReadOnly) ? seed.readAll() : QByteArray();
}

// The "reference" of every line printed, in order.
QStringList references(const QString &out)
{
    QStringList found;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        found << QJsonDocument::fromJson(line.toUtf8()).object().value(QLatin1String("reference")).toString();
    return found;
}

// A loopback address where nothing listens.
QString closedAddress()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost))
        return {};
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    server.close();
    return address;
}

} // namespace

class TestCliCloud : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::CloudSim> sim_;
    std::unique_ptr<QTemporaryDir> home_; // no account stored on this PC unless a test stores one

    // Without the emulator variables of the developer's shell, and with a home of its own.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("FIREBASE_AUTH_EMULATOR_HOST"));
        environment.remove(QStringLiteral("FIREBASE_DATABASE_EMULATOR_HOST"));
        environment.insert(QStringLiteral("HOME"), home_->path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_->path());
        return environment;
    }

    static QStringList addresses(const QString &url)
    {
        return {QStringLiteral("--cloud-db"), url, QStringLiteral("--cloud-auth"), url};
    }

    static QStringList account(const QString &email = kEmail, const QString &password = kPassword)
    {
        return {QStringLiteral("--email"), email, QStringLiteral("--password"), password};
    }

    // The demo installer at cloudsim.
    CliRun cli(const QStringList &command) const
    {
        return test::runCli(addresses(sim_->url()) + account() + command, environment());
    }

private slots:
    void init()
    {
        sim_ = std::make_unique<test::CloudSim>();
        QVERIFY(sim_->start(demoSeed()));
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid());
    }

    void cleanup()
    {
        sim_.reset();
        home_.reset();
    }

    // Every row as the list shows it: sorted by reference, the link states by name, a device reached
    // by neither link deletable.
    void aLevelIsPrintedRowByRow()
    {
        const CliRun run = cli({QStringLiteral("devices"), QStringLiteral("--company"), kCompany,
                                QStringLiteral("--installer"), QStringLiteral("Jordi Puig"), QStringLiteral("--key"),
                                QStringLiteral("jordi-demo")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QString row = QStringLiteral(R"({"n":%1,"installer":"Jordi Puig","reference":"%2","identifier":"%3",)"
                                           R"("ethernet":"%4","gprs":"%5","deletable":%6})");
        QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                 (QStringList{
                     row.arg(1).arg(QStringLiteral("Almacén Zona Franca"), QStringLiteral("3A0F2C1B84D95E07"),
                                    QStringLiteral("No ADSL"), QStringLiteral("No GPRS"), QStringLiteral("true")),
                     row.arg(2).arg(QStringLiteral("Colegio San Gregorio"), QStringLiteral("3A0F2C1B84D96A11"),
                                    QStringLiteral("Conectado"), QStringLiteral("Conectado"), QStringLiteral("false")),
                     row.arg(3).arg(QStringLiteral("Hospital Comarcal"), QStringLiteral("3A0F2C1B84D95E22"),
                                    QStringLiteral("Conectado"), QStringLiteral("Desactivado"), QStringLiteral("false")),
                     row.arg(4).arg(QStringLiteral("Nave Sant Boi 3"), QStringLiteral("3A0F2C1B84D9A155"),
                                    QStringLiteral("Perdido"), QStringLiteral("Conectado"), QStringLiteral("false")),
                     row.arg(5).arg(QStringLiteral("Oficinas Gran Vía"), QStringLiteral("3A0F2C1B84D98C44"),
                                    QStringLiteral("No ADSL"), QStringLiteral("No GPRS"), QStringLiteral("true"))}));
        QVERIFY(run.err.isEmpty());
    }

    void searches_data()
    {
        QTest::addColumn<QStringList>("search");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QString>("message"); // on stderr; none when empty

        const QString marta = QStringLiteral("Marta Soler");
        QTest::newRow("company with its key")
            << QStringList{QStringLiteral("--company"), kCompany, QStringLiteral("--key"), QStringLiteral("empresa-demo")} << 0
            << QStringList{QStringLiteral("Almacén Zona Franca"), QStringLiteral("Centro Comercial Diagonal"),
                           QStringLiteral("Colegio San Gregorio"), QStringLiteral("Hospital Comarcal"),
                           QStringLiteral("Nave Sant Boi 3"), QStringLiteral("Oficinas Gran Vía"),
                           QStringLiteral("Parking Plaza Mayor"), QStringLiteral("Residencia Els Pins")}
            << QString();
        QTest::newRow("installer with its key")
            << QStringList{QStringLiteral("--company"), kCompany, QStringLiteral("--installer"), marta,
                           QStringLiteral("--key"), QStringLiteral("marta-demo")}
            << 0
            << QStringList{QStringLiteral("Centro Comercial Diagonal"), QStringLiteral("Parking Plaza Mayor"),
                           QStringLiteral("Residencia Els Pins")}
            << QString();
        QTest::newRow("another level's key")
            << QStringList{QStringLiteral("--company"), kCompany, QStringLiteral("--installer"), marta,
                           QStringLiteral("--key"), QStringLiteral("jordi-demo")}
            << 5 << QStringList() << QStringLiteral("La clave entrada no coincide con la registrada Por favor");
        QTest::newRow("keyed level without a key")
            << QStringList{QStringLiteral("--company"), kCompany} << 5 << QStringList()
            << QStringLiteral("has an access key: give it with --key");
        QTest::newRow("new level without a key")
            << QStringList{QStringLiteral("--company"), QStringLiteral("Obras Nuevas SL")} << 5 << QStringList()
            << QStringLiteral("has no access key yet");
        QTest::newRow("numeric company, nothing found")
            << QStringList{QStringLiteral("--company"), QStringLiteral("1234")} << 0 << QStringList()
            << QStringLiteral("No se ha encontrado ningún equipo para esta empresa/instalador/referencia");
    }

    void searches()
    {
        QFETCH(QStringList, search);
        QFETCH(int, exitCode);
        QFETCH(QStringList, listed);
        QFETCH(QString, message);
        const CliRun run = cli(QStringList{QStringLiteral("devices")} + search);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(references(run.out), listed);
        QVERIFY2(message.isEmpty() ? run.err.isEmpty() : run.err.contains(message), qPrintable(run.err));
        QVERIFY(!run.err.contains(QLatin1Char('\r')));
        // A refused search writes nothing.
        QVERIFY(sim_->read(QStringLiteral("Companies/Obras Nuevas SL")).isNull());
    }

    // A level without a key is created by the first key given, stored with "," for "."; from then
    // on it lists with that key only.
    void aNewLevelTakesTheFirstKey()
    {
        const QStringList level{QStringLiteral("devices"), QStringLiteral("--company"), kCompany,
                                QStringLiteral("--installer"), QStringLiteral("Jordi Puig"),
                                QStringLiteral("--reference"), QStringLiteral("Obra 2.B"), QStringLiteral("--key")};
        const CliRun created = cli(level + QStringList{QStringLiteral("obra-2b-key")});
        QCOMPARE(created.exitCode, 0);
        QVERIFY(created.out.isEmpty());
        QVERIFY2(created.err.contains(QStringLiteral("No se ha encontrado ningún equipo")), qPrintable(created.err));
        QCOMPARE(sim_->read(QStringLiteral("Companies/%1/Installers/Jordi Puig/References/Obra 2,B/KeyReference").arg(kCompany))
                     .toString(),
                 QStringLiteral("obra-2b-key"));
        QCOMPARE(cli(level + QStringList{QStringLiteral("other-key")}).exitCode, 5);
        QCOMPARE(cli(level + QStringList{QStringLiteral("obra-2b-key")}).exitCode, 0);
    }

    void aCloudOutOfReach_data()
    {
        QTest::addColumn<QString>("cloud"); // "closed", "silent" or "sim"
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("closed port") << "closed" << kPassword << "the cloud cannot be reached";
        QTest::newRow("silent server, --timeout 2") << "silent" << kPassword << "";
        QTest::newRow("wrong password") << "sim" << "not-the-password" << "was refused";
    }

    void aCloudOutOfReach()
    {
        QFETCH(QString, cloud);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QTcpServer silent; // takes connections and never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        const QString url = cloud == QLatin1String("closed") ? closedAddress()
                            : cloud == QLatin1String("silent") ? QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort())
                                                               : sim_->url();
        QElapsedTimer took;
        took.start();
        const CliRun run = test::runCli(addresses(url) + account(kEmail, password)
                                            + QStringList{QStringLiteral("--timeout"), QStringLiteral("2"),
                                                          QStringLiteral("devices"), QStringLiteral("--company"),
                                                          kCompany, QStringLiteral("--key"), QStringLiteral("empresa-demo")},
                                        environment());
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY2(took.elapsed() < 10000, qPrintable(QString::number(took.elapsed())));
    }

    // What the directory would refuse is refused before the cloud is asked anything.
    void refusedBeforeAnyRequest_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("signedIn");
        QTest::newRow("key of 5") << QStringList{QStringLiteral("devices"), QStringLiteral("--company"), kCompany,
                                                 QStringLiteral("--key"), QStringLiteral("abcde")}
                                  << true;
        QTest::newRow("key of 21") << QStringList{QStringLiteral("devices"), QStringLiteral("--company"), kCompany,
                                                  QStringLiteral("--key"), QStringLiteral("abcdefghijklmnopqrstu")}
                                   << true;
        QTest::newRow("reference without installer")
            << QStringList{QStringLiteral("devices"), QStringLiteral("--company"), kCompany, QStringLiteral("--reference"),
                           QStringLiteral("Hospital Comarcal"), QStringLiteral("--key"), QStringLiteral("jordi-demo")}
            << true;
        QTest::newRow("delete without --yes") << QStringList{QStringLiteral("delete-device"), QStringLiteral("3A0F2C1B84D95E07")}
                                              << true;
        QTest::newRow("no account given or stored") << QStringList{QStringLiteral("whoami")} << false;
        QTest::newRow("history without device") << QStringList{QStringLiteral("history")} << true;
        QTest::newRow("history -n 0") << QStringList{QStringLiteral("history"), QStringLiteral("3A0F2C1B84D96A11"),
                                                     QStringLiteral("-n"), QStringLiteral("0")}
                                      << true;
        QTest::newRow("history --csv without file")
            << QStringList{QStringLiteral("history"), QStringLiteral("3A0F2C1B84D96A11"), QStringLiteral("--csv")} << true;
    }

    void refusedBeforeAnyRequest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, signedIn);
        QTcpServer cloud;
        QVERIFY(cloud.listen(QHostAddress::LocalHost));
        const QStringList options = addresses(QStringLiteral("http://127.0.0.1:%1/").arg(cloud.serverPort()))
            + (signedIn ? account() : QStringList());
        const CliRun run = test::runCli(options + QStringList{QStringLiteral("--timeout"), QStringLiteral("5")} + arguments,
                                        environment());
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!run.err.isEmpty());
        QVERIFY(!cloud.waitForNewConnection(0));
    }

    void deleteDevice_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<bool>("removed");
        QTest::newRow("no link on line") << "3A0F2C1B84D95E07" << 0 << true;
        QTest::newRow("off line, stale links stored") << "3A0F2C1B84D9F6AA" << 0 << true;
        QTest::newRow("one link lost, the other connected") << "3A0F2C1B84D9A155" << 3 << false;
        QTest::newRow("both links connected") << "3A0F2C1B84D96A11" << 3 << false;
        QTest::newRow("not in the directory") << "3A0F0000DEADBEEF" << 2 << false;
    }

    void deleteDevice()
    {
        QFETCH(QString, identifier);
        QFETCH(int, exitCode);
        QFETCH(bool, removed);
        const qsizetype before = sim_->read(QStringLiteral("Equipments")).toObject().size();
        const CliRun run = cli({QStringLiteral("delete-device"), identifier, QStringLiteral("--yes")});
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(exitCode == 0 ? run.err.isEmpty() : run.err.contains(identifier), qPrintable(run.err));
        const QJsonObject after = sim_->read(QStringLiteral("Equipments")).toObject();
        QCOMPARE(after.size(), before - (removed ? 1 : 0));
        QCOMPARE(after.contains(identifier), !removed && exitCode != 2);
    }

    void whoami_data()
    {
        QTest::addColumn<QString>("source"); // of the addresses and the account
        QTest::newRow("options") << "options";
        QTest::newRow("emulator variables") << "environment";
        QTest::newRow("account stored on this PC") << "stored";
    }

    void whoami()
    {
        QFETCH(QString, source);
        QProcessEnvironment environment = this->environment();
        QStringList arguments = addresses(sim_->url()) + account();
        const QString store = home_->filePath(kSettingsKeyName + QStringLiteral(".ini"));
        if (source == QLatin1String("environment")) {
            const QUrl url(sim_->url());
            const QString host = QStringLiteral("%1:%2").arg(url.host()).arg(url.port());
            environment.insert(QStringLiteral("FIREBASE_AUTH_EMULATOR_HOST"), host);
            environment.insert(QStringLiteral("FIREBASE_DATABASE_EMULATOR_HOST"), host);
            arguments = account();
        } else if (source == QLatin1String("stored")) {
            AppSettings settings(std::make_unique<QSettings>(store, QSettings::IniFormat));
            settings.LLegirConfigInicial(QString());
            settings.values().email = kEmail;
            settings.values().password = kPassword;
            settings.GuardarConfigInicial();
            arguments = addresses(sim_->url());
        }
        QFile stored(store);
        const QByteArray storedBefore = stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray();
        stored.close();

        const CliRun run = test::runCli(arguments + QStringList{QStringLiteral("whoami")}, environment);
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.out.startsWith(QLatin1String(R"({"uid":"demo-installer","email":"instalador@quelta.test",)")));
        const QJsonObject user = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(user.value(QLatin1String("companyKey")).toString(), kCompany);
        QCOMPARE(user.value(QLatin1String("installer")).toString(), QStringLiteral("Jordi Puig"));
        QCOMPARE(user.value(QLatin1String("role")).toString(), QStringLiteral("instalador"));
        // The installer's stored settings are only read.
        QVERIFY(stored.open(QIODevice::ReadOnly) ? stored.readAll() == storedBefore : storedBefore.isEmpty());
    }

    // The school's history as its screen shows it in Madrid: newest first, one object per entry; the
    // files the screen's export writes.
    void history_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<int>("entries");
        QTest::newRow("latest") << QStringList{} << 0 << 10;
        QTest::newRow("-n 3") << QStringList{QStringLiteral("-n"), QStringLiteral("3")} << 0 << 3;
        QTest::newRow("--xlsx and --csv") << QStringList{QStringLiteral("--xlsx"), QStringLiteral("h.xlsx"),
                                                         QStringLiteral("--csv"), QStringLiteral("h.csv")}
                                          << 0 << 10;
        QTest::newRow("unwritable file") << QStringList{QStringLiteral("--csv"), QStringLiteral("no-such-folder/h.csv")} << 2
                                         << 10;
    }

    void history()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(int, entries);
        QTemporaryDir files;
        for (QString &option : options) {
            if (option.contains(QLatin1Char('.')))
                option = files.filePath(option);
        }
        QProcessEnvironment madrid = environment();
        madrid.insert(QStringLiteral("TZ"), QStringLiteral("Europe/Madrid"));
        const CliRun run = test::runCli(addresses(sim_->url()) + account()
                                            + QStringList{QStringLiteral("history"), QStringLiteral("3A0F2C1B84D96A11")}
                                            + options,
                                        madrid);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), entries);
        QDateTime previous;
        for (int n = 0; n < lines.size(); ++n) {
            const QJsonObject entry = QJsonDocument::fromJson(lines[n].toUtf8()).object();
            QCOMPARE(entry.keys().size(), 5);
            QCOMPARE(entry.value(QLatin1String("n")).toInt(), n + 1);
            const QDateTime created = QDateTime::fromString(entry.value(QLatin1String("created")).toString(),
                                                            QStringLiteral("dd-MM-yyyy hh:mm:ss"));
            QVERIFY(created.isValid());
            QVERIFY(!previous.isValid() || created <= previous);
            previous = created;
        }
        if (entries == 10) {
            QCOMPARE(lines.first(), QStringLiteral(R"({"n":1,"created":"10-12-2026 12:30:00","user":"instalador@quelta.test",)"
                                                   R"("name":"Jordi","event":"Prueba de sirenas Zona 3"})"));
            QCOMPARE(QJsonDocument::fromJson(lines.last().toUtf8()).object().value(QLatin1String("event")).toString(),
                     QStringLiteral("Llamada recibida: abriendo puerta"));
        }
        if (options.contains(files.filePath(QStringLiteral("h.csv")))) {
            QFile csv(files.filePath(QStringLiteral("h.csv")));
            QVERIFY(csv.open(QIODevice::ReadOnly));
            QCOMPARE(csv.readAll().count("\r\n"), 11);
            QVERIFY(QFileInfo(files.filePath(QStringLiteral("h.xlsx"))).size() > 0);
        }
        if (exitCode != 0)
            QVERIFY2(run.err.contains(QLatin1String("no-such-folder")), qPrintable(run.err));
    }

    // A device on line by neither link, as the window shows it from its last record.
    void snapshot()
    {
        const CliRun run = cli({QStringLiteral("snapshot"), QStringLiteral("3A0F2C1B84D95E07")});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QJsonObject state = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(state.value(QLatin1String("snapshot")).toBool(), true);
        QCOMPARE(state.value(QLatin1String("updated")).toString(), QStringLiteral("2026-12-09T17:42:10.000Z"));
        QCOMPARE(state.value(QLatin1String("panel")).toObject().value(QLatin1String("family")).toString(),
                 QStringLiteral("BC600"));
        QCOMPARE(state.value(QLatin1String("panel")).toObject().value(QLatin1String("live")).toBool(), false);
        QCOMPARE(cli({QStringLiteral("snapshot"), QStringLiteral("NO-SUCH-DEVICE")}).exitCode, 2);
    }

    // With an account given, an order to the panel and an output toggled leave their history
    // entries, as the window's do. The device answers an output only in its status frames, so
    // "send" finds no reply to print.
    void actionsOnTheDevicePostTheirHistory_data()
    {
        QTest::addColumn<QStringList>("command");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("order") << QStringList{QStringLiteral("order"), QStringLiteral("Rearme")} << 0
                               << "Rearmando la Central desde PC";
        QTest::newRow("output") << QStringList{QStringLiteral("send"), QStringLiteral("sor=1...")} << 2
                                << "Salida disparada: ";
    }

    void actionsOnTheDevicePostTheirHistory()
    {
        QFETCH(QStringList, command);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        test::SimulatedDevice device;
        QVERIFY(device.start({QStringLiteral("--config"), test::SimulatedDevice::config(QStringLiteral("aec5.json"))}));
        const CliRun run = cli(QStringList{QStringLiteral("--port"), device.portPath()} + command);
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        // The identifier of tools/devsim/configs/aec5.json.
        const QJsonObject events = sim_->read(QStringLiteral("Events/3A0F2C1B84D9A155")).toObject();
        QCOMPARE(events.size(), 1);
        const QJsonObject entry = events.begin()->toObject();
        QCOMPARE(entry.value(QLatin1String("EventId")).toString(), QStringLiteral("77000"));
        QVERIFY2(entry.value(QLatin1String("MessageTxt")).toString().startsWith(message),
                 qPrintable(entry.value(QLatin1String("MessageTxt")).toString()));
        QCOMPARE(entry.value(QLatin1String("UserMail")).toString(), kEmail);
    }

    // A door's button follows the user's permission on the device's record: allowed, the order
    // goes to the port and the history reads it; refused, nothing goes and the refusal is kept.
    void aDoorFollowsTheUsersPermission_data()
    {
        QTest::addColumn<bool>("permitted");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("permitted") << true << 0 << "Orden de ";
        QTest::newRow("refused") << false << 3 << "Usuario no habilitado";
    }

    void aDoorFollowsTheUsersPermission()
    {
        QFETCH(bool, permitted);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        // The identifier of tools/devsim/configs/puertas.json.
        const QString device = QStringLiteral("Equipments/3A0F2C1B84D98C44");
        QVERIFY(sim_->write(device + QStringLiteral("/Users/demo-installer"), permitted ? "true" : "false"));
        test::SimulatedDevice doors;
        QVERIFY(doors.start({QStringLiteral("--config"), test::SimulatedDevice::config(QStringLiteral("puertas.json"))}));
        const CliRun run = cli({QStringLiteral("--port"), doors.portPath(), QStringLiteral("door"), QStringLiteral("2")});
        QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
        if (permitted)
            QVERIFY2(QRegularExpression(QStringLiteral("^qz\\+(Obrir|Tancar)2$")).match(run.out.trimmed()).hasMatch(),
                     qPrintable(run.out));
        const QJsonObject events = sim_->read(QStringLiteral("Events/3A0F2C1B84D98C44")).toObject();
        const bool posted = std::any_of(events.begin(), events.end(), [&message](const QJsonValue &entry) {
            return entry.toObject().value(QLatin1String("MessageTxt")).toString().startsWith(message)
                && entry.toObject().value(QLatin1String("EventId")).toString() == QLatin1String("77000");
        });
        QVERIFY(posted);
    }
};

QTEST_GUILESS_MAIN(TestCliCloud)
#include "test_cli_cloud.moc"
