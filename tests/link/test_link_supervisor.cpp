#include "PseudoTerminal.h"
#include "SupervisedLink.h"

#include <QSignalSpy>
#include <QTest>

using namespace quelta;

namespace {

// A supervisor on a pseudo-terminal whose device end the test plays; ticks are called by hand.
struct Fixture : test::SupervisedLink
{
    test::PseudoTerminal device;

    Fixture()
    {
        channel.serial().setPortName(device.slavePath());
        channel.serial().open();
    }

    // A reply as the dispatcher hands it over, then the tick it wakes.
    void reply(const QString &line)
    {
        link.StrCom = line;
        link.vegades_espero = 6;
        supervisor.TimerCircuitTimer();
    }
};

} // namespace

class TestLinkSupervisor : public QObject
{
    Q_OBJECT

private slots:
    void parsesVersionReplies_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("ver") << "+ver:Quelta_v8.7.12, 0012AB ,BC600\r" << false
                             << QStringList{"Quelta_v8.7.12", "0012AB", "BC600"};
        QTest::newRow("angle brackets") << "+vEr:Quelta_v8.7.12,<12345678>,HW3,1110\r" << true
                                        << QStringList{"Quelta_v8.7.12", "12345678", "HW3", "1110"};
        QTest::newRow("captured mid-line") << "+vEr:a,b\r" << true << QStringList{"a", "b"};
    }
    void parsesVersionReplies()
    {
        QFETCH(QString, line);
        QFETCH(bool, extended);
        QFETCH(QStringList, fields);
        const std::optional<VersionReply> reply = parseVersionReply(line);
        QVERIFY(reply);
        QCOMPARE(reply->extended, extended);
        QCOMPARE(reply->fields, fields);
    }

    void aVersionReplyEstablishesTheConnection()
    {
        Fixture f;
        QSignalSpy established(&f.supervisor, &LinkSupervisor::connectionEstablished);
        QSignalSpy state(&f.supervisor, &LinkSupervisor::stateChanged);
        f.reply(QStringLiteral("+ver:Quelta_v8.7.12,0012AB,AE/SA\r"));
        QVERIFY(f.link.circuit && f.link.circuittrobat);
        QCOMPARE(f.statusBar.panel(0), StatusBar::kConectat);
        QCOMPARE(f.supervisor.state(), LinkSupervisor::SessionState::Connected);
        QCOMPARE(state.count(), 1);
        QCOMPARE(f.link.central, QStringLiteral("AE/SA"));
        QCOMPARE(established.count(), 1);
        QVERIFY(f.prompter.asked.isEmpty());
        // "ver", then the stream on, then the status view asks for the long identification.
        const QByteArray sent = f.device.readFor(1000);
        QVERIFY2(sent.startsWith("\rqz+ver\r\rqz+INf\r\rqz+vEr\r"), sent.constData());
    }

    void foreignFirmwareIsAConflictButStillConnects()
    {
        Fixture f;
        f.reply(QStringLiteral("+ver:Other_v1.0,0012AB,BC600\r"));
        QCOMPARE(f.prompter.asked.size(), 1);
        QCOMPARE(f.prompter.asked.first().caption, QStringLiteral("Quelta"));
        QVERIFY(f.prompter.asked.first().message.contains(QStringLiteral("CONFLICTO DE HARDWARE")));
        QCOMPARE(f.prompter.asked.first().autoCloseSeconds, 5);
        QVERIFY(f.link.firmware.isEmpty());
        QCOMPARE(f.link.central, QStringLiteral("BC600"));
        QVERIFY(f.link.circuittrobat);
    }

    void partsMaskNeedsFourCharacters_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("applied");
        QTest::newRow("four") << "1110" << 1;
        QTest::newRow("three") << "111" << 0;
    }
    void partsMaskNeedsFourCharacters()
    {
        QFETCH(QString, mask);
        QFETCH(int, applied);
        Fixture f;
        QSignalSpy spy(&f.supervisor, &LinkSupervisor::partsMaskApplied);
        f.reply(QStringLiteral("+vEr:Quelta_v8.7.12,0012AB,HW3,%1\r").arg(mask));
        QCOMPARE(spy.count(), applied);
        QCOMPARE(f.link.hardware, QStringLiteral("HW3"));
    }

    // On the status view a connected device is kept streaming; without its hardware text the
    // keep-alive asks for the long identification instead.
    void keepAliveDependsOnTheKnownIdentity_data()
    {
        QTest::addColumn<QString>("hardware");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("espero");
        QTest::newRow("identity known") << "HW3" << QByteArray("\rqz+Inf\r") << "+ver";
        QTest::newRow("hardware missing") << "" << QByteArray("\rqz+vEr\r") << "+vEr";
    }
    void keepAliveDependsOnTheKnownIdentity()
    {
        QFETCH(QString, hardware);
        QFETCH(QByteArray, sent);
        QFETCH(QString, espero);
        Fixture f;
        f.reply(QStringLiteral("+ver:Quelta_v8.7.12,0012AB,\r"));
        f.device.readFor(500);
        f.link.hardware = hardware;
        f.reply(QStringLiteral("+ver:Quelta_v8.7.12,0012AB,\r"));
        QCOMPARE(f.device.readFor(500), sent);
        QCOMPARE(f.link.espero, espero);
    }

    void sixUnansweredPollsLoseTheDevice()
    {
        Fixture f;
        f.reply(QStringLiteral("+ver:Quelta_v8.7.12,0012AB,\r"));
        QSignalSpy ended(&f.supervisor, &LinkSupervisor::connectionEnded);
        for (int poll = 1; poll <= 5; ++poll) {
            f.supervisor.TimerCircuitTimer();
            QVERIFY(f.link.circuit);
        }
        f.supervisor.TimerCircuitTimer();
        QVERIFY(!f.link.circuit);
        QCOMPARE(f.statusBar.panel(0), StatusBar::kSinConexio);
        QCOMPARE(f.supervisor.state(), LinkSupervisor::SessionState::NoConnection);
        QCOMPARE(ended.count(), 1); // the same tick ends the session
        QVERIFY(!f.link.circuittrobat);
    }

    void silentLocalLinkIsCutAfterTenSeconds()
    {
        Fixture f;
        f.reply(QStringLiteral("+ver:Quelta_v8.7.12,0012AB,\r"));
        f.device.readFor(500);
        f.link.tempsllegir = 2;
        f.supervisor.TimerLedsTimer();
        QVERIFY(f.prompter.asked.isEmpty());
        f.supervisor.TimerLedsTimer();
        QCOMPARE(f.prompter.asked.size(), 1);
        QCOMPARE(f.prompter.asked.first().message, QStringLiteral("Se ha cortado la comunicación con el equipo Quelta"));
        QVERIFY(!f.link.circuit && !f.link.circuittrobat);
        QCOMPARE(f.device.readFor(1000), QByteArray("\rqz+ver\r"));
        QCOMPARE(f.link.espero, QStringLiteral("+ver"));
    }

    void unreachablePortIsShown()
    {
        Fixture f;
        f.channel.serial().setPortName(QStringLiteral("/dev/quelta-missing"));
        f.channel.serial().close();
        f.link.espero = QStringLiteral("+ver");
        f.link.vegades_espero = 6;
        f.supervisor.TimerCircuitTimer();
        QCOMPARE(f.statusBar.panel(1), QStringLiteral(" No se puede acceder al puerto :/dev/quelta-missing"));
        QVERIFY(!f.link.circuit);
    }
};

QTEST_GUILESS_MAIN(TestLinkSupervisor)
#include "test_link_supervisor.moc"
