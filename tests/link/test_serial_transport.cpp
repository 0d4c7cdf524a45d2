#include "core/base/DiagnosticTrace.h"
#include "core/link/CommandChannel.h"

#include "PseudoTerminal.h"
#include "RemoteTransportStub.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace quelta;

Q_DECLARE_METATYPE(quelta::Transport::State)

class TestSerialTransport : public QObject
{
    Q_OBJECT

private slots:
    // Opened, a command goes out framed and the device's bytes come in; closed again.
    void carriesTheDeviceTraffic()
    {
        test::PseudoTerminal device;
        DiagnosticTrace trace;
        SerialTransport serial(trace);
        QSignalSpy states(&serial, &Transport::stateChanged);
        QSignalSpy sent(&serial, &Transport::sent);
        QSignalSpy received(&serial, &Transport::bytesReceived);
        QSignalSpy traced(&trace, &DiagnosticTrace::lineAdded);
        serial.setPortName(device.slavePath());
        QVERIFY(serial.open());
        QCOMPARE(serial.state(), Transport::State::Open);

        QVERIFY(serial.sendCommand(QStringLiteral("ver"), RemoteTopic::Cfg));
        QCOMPARE(device.readFor(500), QByteArray("\rqz+ver\r"));
        QCOMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).at(0).toString(), QStringLiteral("\rqz+ver\r"));
        QVERIFY(traced.first().at(0).toString().endsWith(QLatin1String(" escriu_port ")));

        device.write("+ver:Quelta_v8.7.12,1,BC600\r");
        QTRY_VERIFY(!received.isEmpty());
        serial.close();
        QCOMPARE(serial.state(), Transport::State::Closed);
        QCOMPARE(states.count(), 3); // opening, open, closed
        QCOMPARE(states.at(1).at(0).value<Transport::State>(), Transport::State::Open);
    }

    // A port that cannot be opened stays closed, and a command to it counts as a failed write.
    void aMissingPortFailsEverySend()
    {
        DiagnosticTrace trace;
        SerialTransport serial(trace);
        QSignalSpy failed(&serial, &Transport::sendFailed);
        serial.setPortName(QStringLiteral("/dev/quelta-unplugged"));
        QVERIFY(!serial.open());
        QCOMPARE(serial.state(), Transport::State::Closed);
        QVERIFY(serial.openError() != QSerialPort::NoError);
        QVERIFY(!serial.sendCommand(QStringLiteral("ver"), RemoteTopic::Cfg));
        QCOMPARE(failed.count(), 1);
    }

    // The device end going away is noticed at the next send: the port is lost and closed, ready to
    // be opened afresh.
    void aVanishedDeviceIsLost()
    {
        auto device = std::make_unique<test::PseudoTerminal>();
        DiagnosticTrace trace;
        SerialTransport serial(trace);
        QSignalSpy failed(&serial, &Transport::sendFailed);
        serial.setPortName(device->slavePath());
        QVERIFY(serial.open());
        device.reset();
        QVERIFY(!serial.sendCommand(QStringLiteral("ver"), RemoteTopic::Cfg));
        QCOMPARE(failed.count(), 1);
        QCOMPARE(serial.state(), Transport::State::Lost);
        QTRY_VERIFY(!serial.isOpen());
    }

    // The channel sends through the active transport, takes its mode, and hears only its messages.
    void theChannelFollowsTheActiveTransport()
    {
        LinkState link;
        DiagnosticTrace trace;
        CommandChannel channel(link, trace);
        test::RemoteTransportStub remote;
        QSignalSpy messages(&channel, &CommandChannel::messageReceived);

        emit remote.messageReceived(QStringLiteral("+ver:x\r"));
        channel.activate(remote);
        QVERIFY(link.isRemote());
        channel.sendCommand(QStringLiteral("vEr"));
        emit remote.messageReceived(QStringLiteral("+vEr:y\r"));
        QCOMPARE(remote.payloads(), QStringList{QStringLiteral("qz+vEr")});
        QCOMPARE(link.tempsTX, remote.transmitLampTicks());

        channel.endRemoteSession();
        channel.activate(channel.serial());
        QVERIFY(link.isLocal());
        channel.sendCommand(QStringLiteral("vEr"));
        emit remote.messageReceived(QStringLiteral("+ver:z\r"));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.at(0).at(0).toString(), QStringLiteral("+vEr:y\r"));
        QCOMPARE(remote.payloads().size(), 1);
        QCOMPARE(remote.disconnections, 1);
    }
};

QTEST_GUILESS_MAIN(TestSerialTransport)
#include "test_serial_transport.moc"
