// quelta-updsim as a program: started through the UpdateServer fixture and spoken to over
// loopback TCP in encrypted frames, as the tool will.

#include "UpdateServer.h"

#include "core/codecs/CheckedText.h"
#include "core/codecs/Xxtea.h"
#include "core/codecs/XxteaFrameReader.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>

using namespace quelta;
using quelta::test::UpdateServer;

Q_DECLARE_METATYPE(checked::Check)

namespace {

const QByteArray Key = QByteArrayLiteral("Qu3lt@Upd8");
const QByteArray ListRequest = checked::make("qz+nver:#0Tots#1A7#21.0#31.0#7Empresa#8Instalador#9Ref#Auser42");

QByteArray startRequest(const QByteArray &version)
{
    return checked::make("qz+act:A7,user42," + version + "(Nueva),1024");
}

// One connection to the server, in plain frames.
class Client
{
public:
    explicit Client(quint16 port)
        : reader_(Key)
    {
        socket_.connectToHost(QHostAddress::LocalHost, port);
        socket_.waitForConnected(5000);
    }

    bool isConnected() const { return socket_.state() == QAbstractSocket::ConnectedState; }
    int reads() const { return reads_; }

    void send(const QByteArray &plain)
    {
        socket_.write(xxtea::encrypt(plain, Key));
        socket_.flush();
    }

    // The next frame, or empty when none came in time or the server closed.
    QByteArray next(int timeoutMs = 5000)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (frames_.isEmpty() && (socket_.bytesAvailable() > 0 || socket_.waitForReadyRead(int(deadline.remainingTime())))) {
            ++reads_;
            frames_ += reader_.feed(socket_.readAll()).frames;
        }
        return frames_.isEmpty() ? QByteArray() : frames_.takeFirst();
    }

    bool closedByServer()
    {
        return socket_.state() == QAbstractSocket::UnconnectedState || socket_.waitForDisconnected(5000);
    }

private:
    QTcpSocket socket_;
    XxteaFrameReader reader_;
    QList<QByteArray> frames_;
    int reads_ = 0;
};

QStringList faultArguments(const QStringList &faults)
{
    QStringList arguments;
    for (const QString &fault : faults)
        arguments << QStringLiteral("--fault") << fault;
    return arguments;
}

const QStringList OneImage = {QStringLiteral("--image"), QStringLiteral("2.1=2500:Nueva")};

} // namespace

class TestUpdsim : public QObject
{
    Q_OBJECT

private slots:
    void listing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<checked::Check>("check");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("versions") << QStringList{QStringLiteral("--image"), QStringLiteral("2.1=2500:Nueva"),
                                                 QStringLiteral("--image"), QStringLiteral("2.0=900")}
                                  << checked::Check::Matches << QByteArray("qz+nver A7=2.1,Nueva,2500|2.0,,900|");
        QTest::newRow("no versions") << QStringList() << checked::Check::Matches << QByteArray("qz+nver A7=");
        QTest::newRow("error") << OneImage + faultArguments({QStringLiteral("list-error")}) << checked::Check::Matches
                               << QByteArray("qz+nver A7=Equipo sin actualizaciones autorizadas");
        QTest::newRow("wrong CRC") << OneImage + faultArguments({QStringLiteral("bad-crc-list")})
                                   << checked::Check::Differs << QByteArray("qz+nver A7=2.1,Nueva,2500|");
    }
    void listing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(checked::Check, check);
        QFETCH(QByteArray, text);
        UpdateServer server;
        QVERIFY(server.start(arguments));
        Client client(server.port());
        client.send(ListRequest);
        const QByteArray answer = client.next();
        QCOMPARE(checked::verify(answer), check);
        QCOMPARE(checked::split(answer).text, text);
    }

    // The whole exchange as the program relays it: start, every block requested in turn, the
    // device's final status; the blocks add up to the image the acceptance describes.
    void fullTransfer()
    {
        UpdateServer server;
        QVERIFY(server.start(OneImage));
        Client client(server.port());
        client.send(startRequest("2.1"));
        const QByteArray accepted = client.next();
        QCOMPARE(checked::verify(accepted), checked::Check::Matches);
        const QList<QByteArray> fields = checked::split(accepted).text.chopped(1).mid(7).split(',');
        QCOMPARE(fields.size(), 4);
        QCOMPARE(fields[0], "1024");
        QCOMPARE(fields[1], "2500");
        QCOMPARE(fields[3], "2.1");

        QByteArray image;
        for (int block = 0; block < 3; ++block) {
            const QByteArray number = QByteArray::number(block, 16).rightJustified(3, '0');
            client.send("+U" + number + '\r');
            const QByteArray frame = client.next();
            QVERIFY(frame.startsWith("+U" + number));
            const QByteArray data = frame.mid(5).chopped(8);
            QCOMPARE(data.size(), qMin(1024, 2500 - block * 1024));
            QCOMPARE(frame.right(8), checked::crcHex(data));
            image += data;
        }
        QCOMPARE(checked::crcHex(image), fields[2]);
        client.send("+UFFF\r");
        QVERIFY(client.closedByServer());
    }

    void startFaults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("badNotices");
        QTest::addColumn<int>("fields");
        QTest::newRow("bad-crc-once") << QStringLiteral("bad-crc-once") << 1 << 4;
        QTest::newRow("bad-crc-twice") << QStringLiteral("bad-crc-twice") << 2 << 4;
        QTest::newRow("act-fields=3") << QStringLiteral("act-fields=3") << 0 << 3;
        QTest::newRow("act-fields=5") << QStringLiteral("act-fields=5") << 0 << 5;
    }
    void startFaults()
    {
        QFETCH(QString, fault);
        QFETCH(int, badNotices);
        QFETCH(int, fields);
        UpdateServer server;
        QVERIFY(server.start(OneImage + faultArguments({fault})));
        Client client(server.port());
        client.send(startRequest("2.1"));
        for (int i = 0; i < badNotices; ++i) {
            const QByteArray notice = client.next();
            QCOMPARE(checked::verify(notice), checked::Check::Differs);
            QVERIFY(notice.startsWith("qz+msg="));
        }
        const QByteArray answer = client.next();
        QCOMPARE(checked::verify(answer), checked::Check::Matches);
        QVERIFY(answer.startsWith("qz+act="));
        QCOMPARE(checked::split(answer).text.split(',').size(), fields);
    }

    void closesAfterTheGivenBlocks()
    {
        UpdateServer server;
        QVERIFY(server.start(OneImage + faultArguments({QStringLiteral("close-after=1")})));
        Client client(server.port());
        client.send(startRequest("2.1"));
        QVERIFY(client.next().startsWith("qz+act=1024,"));
        client.send("+U000\r");
        QVERIFY(client.next().startsWith("+U000"));
        QVERIFY(client.closedByServer());
    }

    // Each frame arrives in pieces, the first only after the delay; the frames still come whole.
    void slowFramesArriveInPieces()
    {
        UpdateServer server;
        QVERIFY(server.start(OneImage + faultArguments({QStringLiteral("slow=100")})));
        Client client(server.port());
        QElapsedTimer clock;
        clock.start();
        client.send(ListRequest);
        QCOMPARE(checked::split(client.next()).text, QByteArray("qz+nver A7=2.1,Nueva,2500|"));
        QVERIFY2(clock.elapsed() >= 350, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(client.reads() >= 2);
    }

    void servesSeveralClients()
    {
        UpdateServer server;
        QVERIFY(server.start(OneImage));
        Client first(server.port());
        Client second(server.port());
        first.send(startRequest("2.1"));
        second.send(ListRequest);
        QVERIFY(second.next().startsWith("qz+nver A7=2.1"));
        QVERIFY(first.next().startsWith("qz+act=1024"));
        first.send("+U002\r");
        QCOMPARE(first.next().size(), 5 + 452 + 8);
    }

    void refusesBadArguments_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("address beyond loopback") << QStringList{QStringLiteral("--listen"), QStringLiteral("0.0.0.0")};
        QTest::newRow("short key") << QStringList{QStringLiteral("--key"), QStringLiteral("Qu3lt@")};
        QTest::newRow("comma in a version") << QStringList{QStringLiteral("--image"), QStringLiteral("2,1=100")};
        QTest::newRow("missing folder") << QStringList{QStringLiteral("--firmware"), QStringLiteral("/nonexistent/fw")};
        QTest::newRow("unknown fault") << faultArguments({QStringLiteral("explode")});
    }
    void refusesBadArguments()
    {
        QFETCH(QStringList, arguments);
        UpdateServer server;
        QVERIFY(!server.start(arguments));
    }
};

QTEST_GUILESS_MAIN(TestUpdsim)
#include "test_updsim.moc"
