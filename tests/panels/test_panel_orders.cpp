#include "PanelFixture.h"

#include <QtTest>

using namespace quelta;
using namespace quelta::test;

class TestPanelOrders : public QObject
{
    Q_OBJECT

private slots:
    void rearmIsGuardedAgainstRepeats()
    {
        PanelFixture f(QStringLiteral("BC600"));
        f.orders.click(QStringLiteral("PBC600Rearme"));
        f.orders.click(QStringLiteral("SBRearme"));
        QCOMPARE(f.device.readFor(500), QByteArray("\rqz+ord=Rearme\r"));
        QCOMPARE(f.cloud.posted, QStringList{"77000|Rearmando la Central desde PC"});
        QCOMPARE(f.prompter.asked.size(), 2);
        QCOMPARE(f.prompter.asked.at(0).message, QStringLiteral("Rearmando la Central desde PC"));
        QCOMPARE(f.prompter.asked.at(1).message, QStringLiteral("Central no conectada"));
        QCOMPARE(f.prompter.asked.at(1).caption, QStringLiteral("  ¡ ATENCIÓN !"));
    }

    void remoteOrdersGoToTheStatusTopic()
    {
        PanelFixture f(QStringLiteral("Urano"));
        f.goRemote();
        QVERIFY(f.orders.click(QStringLiteral("PUranoSilZum")));
        QCOMPARE(f.publisher.payloads(), QStringList{"{#Silenbuz}"});
        QCOMPARE(f.publisher.published.first().topic, RemoteTopic::Sts);
    }

    void refusedUnlessThePanelIsLive_data()
    {
        QTest::addColumn<int>("panelLink");
        QTest::addColumn<bool>("snapshot");
        QTest::newRow("panel not connected") << 1 << false;
        QTest::newRow("cloud snapshot of a connected panel") << 2 << true;
    }
    void refusedUnlessThePanelIsLive()
    {
        QFETCH(int, panelLink);
        QFETCH(bool, snapshot);
        PanelFixture f(QStringLiteral("Cofem-A"), panelLink);
        f.snapshot = snapshot;
        f.orders.click(QStringLiteral("PCofemZafirReset"));
        QCOMPARE(f.prompter.asked.size(), 1);
        QCOMPARE(f.prompter.asked.first().message, QStringLiteral("Central no conectada"));
        // The test order is dropped without a word.
        f.orders.PProvaClick();
        QCOMPARE(f.prompter.asked.size(), 1);
        QCOMPARE(f.device.readFor(300), QByteArray());
        QVERIFY(f.cloud.posted.isEmpty());
    }

    void ordersByName()
    {
        PanelFixture f(QStringLiteral("AD300"));
        QVERIFY(f.orders.byOrderName(QStringLiteral("Test")));
        QVERIFY(f.orders.byOrderName(QStringLiteral("Connex")));
        QVERIFY(!f.orders.byOrderName(QStringLiteral("Explode")));
        QCOMPARE(f.device.readFor(500), QByteArray("\rqz+ord=Test\r\rqz+ord=Connex\r"));
        QVERIFY(f.cloud.posted.isEmpty()); // neither order has a text for the history
    }
};

QTEST_GUILESS_MAIN(TestPanelOrders)
#include "test_panel_orders.moc"
