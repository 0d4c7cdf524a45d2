#include "core/link/ProgrammingLock.h"
#include "core/link/ReplyDispatcher.h"

#include "RemoteTransportStub.h"
#include "SupervisedLink.h"

#include <QTest>

using namespace quelta;

namespace {

// The link in MQTT mode: commands go to a stub transport, answers come in through RebutIP.
struct RemoteFixture : test::SupervisedLink
{
    test::RemoteTransportStub publisher;
    ReplyDispatcher dispatcher{link, trace};
    ProgrammingLock lock{link, channel, statusBar, prompter};

    RemoteFixture()
    {
        channel.activate(publisher);
        QObject::connect(&dispatcher, &ReplyDispatcher::versionReplyArrived, &supervisor, [this](const QString &line) {
            supervisor.versionReplyArrived(line);
            supervisor.TimerCircuitTimer();
        });
    }
};

} // namespace

class TestRemoteSupervision : public QObject
{
    Q_OBJECT

private slots:
    void commandsArePublishedWithoutFraming()
    {
        RemoteFixture f;
        f.channel.sendCommand(QStringLiteral("rst"));
        f.channel.sendCommand(QStringLiteral("ord=Rearme"), RemoteTopic::Sts);
        QCOMPARE(f.publisher.payloads(), (QStringList{"qz+rst", "qz+ord=Rearme"}));
        QCOMPARE(f.publisher.published.last().topic, RemoteTopic::Sts);
        QCOMPARE(f.link.tempsTX, 4);
        QVERIFY(f.link.isRemote());
    }

    void aRemoteAnswerEstablishesTheSessionByPublishing()
    {
        RemoteFixture f;
        f.dispatcher.RebutIP(QStringLiteral("+vEr:Quelta_v8.7.12,0012AB,HW3,1111"));
        QVERIFY(f.link.circuittrobat);
        QCOMPARE(f.statusBar.panel(0), StatusBar::kConectat);
        QCOMPARE(f.link.tempsllegir, 5);
        QCOMPARE(f.link.vegades_espero, 10);
        // Stream on at establishment, then the status view's identification and stream on again.
        QCOMPARE(f.publisher.payloads(), (QStringList{"qz+INf", "qz+vEr", "qz+INf"}));

        // The keep-alive of a remote session only slows the polling down.
        f.publisher.published.clear();
        f.dispatcher.RebutIP(QStringLiteral("+vEr:Quelta_v8.7.12,0012AB,HW3,1111"));
        QVERIFY(f.publisher.published.isEmpty());
        QCOMPARE(f.supervisor.TimerCircuit.interval(), 10000 / 100);
    }

    void pollsChooseTheIdentificationByWhatIsKnown_data()
    {
        QTest::addColumn<QString>("hardware");
        QTest::addColumn<QString>("poll");
        QTest::newRow("identity known") << "HW3" << "qz+ver";
        QTest::newRow("hardware missing") << "" << "qz+vEr";
    }
    void pollsChooseTheIdentificationByWhatIsKnown()
    {
        QFETCH(QString, hardware);
        QFETCH(QString, poll);
        RemoteFixture f;
        f.link.firmware = QStringLiteral("Quelta_v8.7.12");
        f.link.hardware = hardware;
        f.supervisor.TimerCircuitTimer();
        QCOMPARE(f.publisher.payloads(), QStringList{poll});
        QCOMPARE(f.link.espero, QLatin1Char('+') + poll.mid(3));
    }

    void losingTheDeviceClosesTheRemoteSession()
    {
        RemoteFixture f;
        f.dispatcher.RebutIP(QStringLiteral("+vEr:Quelta_v8.7.12,0012AB,HW3,1111"));
        f.link.espero = QStringLiteral("+ver");
        for (int poll = 0; poll < 10; ++poll)
            f.supervisor.TimerCircuitTimer();
        QVERIFY(!f.link.circuittrobat);
        QCOMPARE(f.publisher.disconnections, 1);
    }

    // Remotely the watchdog only ends a read that waits in vain; the session stays.
    void remoteWatchdogOnlyEndsAWaitingRead()
    {
        RemoteFixture f;
        f.link.circuit = true;
        f.statusBar.setPanel(1, QStringLiteral("Leyendo"));
        f.statusBar.setProgress(40);
        f.link.tempsllegir = 1;
        f.supervisor.TimerLedsTimer();
        QCOMPARE(f.statusBar.panel(1), QString());
        QVERIFY(!f.statusBar.progressVisible());
        QVERIFY(f.link.circuit);
        QVERIFY(f.prompter.asked.isEmpty());
    }

    void theAccessCodeIsPublished()
    {
        RemoteFixture f;
        QVERIFY(f.lock.BBDesbloqueigAcceptarClick(QStringLiteral("482913")));
        QCOMPARE(f.publisher.payloads(), (QStringList{"qz+cdp=482913", "qz+INf"}));
        QCOMPARE(f.prompter.asked.last().autoCloseSeconds, 1);
    }
};

QTEST_GUILESS_MAIN(TestRemoteSupervision)
#include "test_remote_supervision.moc"
