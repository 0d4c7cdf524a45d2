// The status and panel screens' cloud, against quelta-cloudsim: the doors' buttons, permission and
// state as the signed-in user's records give them, and the event entry an order posts. Off line
// nothing is asked.

#include "CloudSim.h"
#include "PseudoTerminal.h"
#include "ShellHarness.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace quelta;

namespace {

const QString kDevice = QStringLiteral("QZ-DOORS-1");

const QByteArray kSeed = R"({"database": {
    "Users": {"demo-installer": {"companyKey": "Demo", "Modulos": {"QZ-DOORS-1":
        {"numButtonsEnabled": 2, "b1Enabled": true, "B3ENABLED": "true", "enabled": true}}}},
    "Equipments": {"QZ-DOORS-1": {"Users": {"demo-installer": true}, "ButtonStatus": {"1": "OPEN"}, "OpenStatus": "CLOSED"}}},
    "accounts": [{"email": "instalador@quelta.test", "password": "quelta-demo", "emailVerified": true, "localId": "demo-installer"}]})";

} // namespace

class TestStatusCloud : public QObject
{
    Q_OBJECT

    test::CloudSim sim_;
    std::unique_ptr<test::ShellHarness> harness_;

    Shell &shell() { return *harness_->shell; }
    StatusCloud &cloud() { return shell().screens().statusCloud(); }

    void signIn()
    {
        CloudAccess &access = shell().context().cloud();
        access.state().EmpresaEmail = QStringLiteral("instalador@quelta.test");
        access.state().EmpresaPassword = QStringLiteral("quelta-demo");
        access.ConnexioFireBase();
        QVERIFY(access.CheckAndCreateRealTimeDBClass());
    }

private slots:
    void init()
    {
        QVERIFY(sim_.start(kSeed));
        harness_ = std::make_unique<test::ShellHarness>();
        harness_->endpoints = test::localCloud(sim_.url());
        harness_->create();
        shell().device().link().identConnectar = kDevice;
    }

    void cleanup()
    {
        harness_.reset();
        sim_.stop();
    }

    void theDoorsFollowTheUsersRecords()
    {
        signIn();
        QCOMPARE(cloud().AgafaNumBotons(), 2);
        QCOMPARE(cloud().AgafaBotonsMarcats(), QStringLiteral("1,0,1,0"));
        QVERIFY(cloud().AgafaPotObrirPortes());
        QCOMPARE(cloud().AgafaEstatPortes(1), QStringLiteral("OPEN"));
        QCOMPARE(cloud().AgafaEstatPortes(2), QStringLiteral("CLOSED"));
        QCOMPARE(cloud().ErrorFirebase(), QString());
        QCOMPARE(cloud().userKey(), QStringLiteral("demo-installer"));
    }

    // An order to the panel appends its entry with the time in UTC, as the history reads it.
    void anOrderPostsItsHistoryEntry()
    {
        test::PseudoTerminal port;
        shell().device().channel().serial().setPortName(port.slavePath());
        QVERIFY(shell().device().channel().serial().open());
        signIn();
        LinkState &link = shell().device().link();
        link.central = QStringLiteral("BC600");
        link.connex_Quelta_Agui = 2;
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
        shell().panels().orders().byOrderName(QStringLiteral("Rearme"));
        const QJsonObject events = sim_.read(QStringLiteral("Events/") + kDevice).toObject();
        QCOMPARE(events.size(), 1);
        const QJsonObject entry = events.begin()->toObject();
        QCOMPARE(entry.value(QLatin1String("EventId")).toString(), QStringLiteral("77000"));
        QCOMPARE(entry.value(QLatin1String("UserMail")).toString(), QStringLiteral("instalador@quelta.test"));
        QCOMPARE(entry.value(QLatin1String("UserId")).toString(), QStringLiteral("demo-installer"));
        const QString created = entry.value(QLatin1String("Created")).toString();
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d\\.\\d{3}$")).match(created).hasMatch(),
                 qPrintable(created));
        QDateTime moment = QDateTime::fromString(created, QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"));
        moment.setTimeZone(QTimeZone::utc());
        QVERIFY(moment >= before && moment <= QDateTime::currentDateTimeUtc().addSecs(1));
    }

    // Not signed in (off line): the defaults of an unreadable record, no dialog, nothing posted.
    void offLineNothingIsAsked()
    {
        QCOMPARE(cloud().AgafaNumBotons(), 0);
        QCOMPARE(cloud().AgafaBotonsMarcats(), QStringLiteral("1,0,0,0"));
        QVERIFY(!cloud().AgafaPotObrirPortes());
        cloud().ActualitzaEventsRTDB(kDevice, QStringLiteral("Orden"), QStringLiteral("77000"));
        QVERIFY(sim_.read(QStringLiteral("Events")).isNull());
        QCOMPARE(shell().panels().eventLists().AgafaBuzzerAndNums(), QString());
        QVERIFY(harness_->prompter.asked.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStatusCloud)
#include "test_status_cloud.moc"
