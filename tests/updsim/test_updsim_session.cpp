// The update server's exchange driven directly, frame by frame, without a socket.

#include "Catalog.h"
#include "Faults.h"
#include "UpdateSession.h"

#include "core/codecs/CheckedText.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace quelta::updsim;

namespace {

const QByteArray ListRequest = checked::make("qz+nver:#0Tots#11234#21.0#31.0#7Empresa#8Instalador#9Ref#Auser42");

QByteArray startRequest(const QByteArray &version, const QByteArray &blockSize = "1024")
{
    return checked::make("qz+act:1234,user42," + version + "(Nueva)," + blockSize);
}

// The text of a checked frame whose CRC must match.
QByteArray checkedText(const QByteArray &frame)
{
    if (checked::verify(frame) != checked::Check::Matches)
        return "bad CRC: " + frame;
    return checked::split(frame).text;
}

Catalog catalogOf(const QStringList &images)
{
    Catalog catalog;
    QString error;
    for (const QString &image : images) {
        if (!catalog.addImage(image, error))
            qFatal("%s", qPrintable(error));
    }
    return catalog;
}

Faults faultsOf(const QStringList &options)
{
    Faults faults;
    QString error;
    for (const QString &option : options) {
        if (!faults.add(option, error))
            qFatal("%s", qPrintable(error));
    }
    return faults;
}

struct Server
{
    Server(const QStringList &images, const QStringList &faultOptions = {})
        : catalog(catalogOf(images))
        , faults(faultsOf(faultOptions))
        , session(catalog, faults, [this](const QString &event) { log.append(event); })
    {
    }
    Catalog catalog;
    Faults faults;
    QStringList log;
    UpdateSession session;
};

const QStringList TwoVersions = {QStringLiteral("2.1=2500:Nueva versión"), QStringLiteral("2.0=1024")};

} // namespace

class TestUpdsimSession : public QObject
{
    Q_OBJECT

private slots:
    void listsVersions_data()
    {
        QTest::addColumn<QStringList>("images");
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("two versions") << TwoVersions << QStringList()
                                      << QByteArray("qz+nver 1234=2.1,Nueva versi\xf3n,2500|2.0,,1024|");
        QTest::newRow("one version still ends with |") << TwoVersions.mid(1) << QStringList()
                                                       << QByteArray("qz+nver 1234=2.0,,1024|");
        QTest::newRow("nothing new") << QStringList() << QStringList() << QByteArray("qz+nver 1234=");
        QTest::newRow("error message") << TwoVersions << QStringList{QStringLiteral("list-error")}
                                       << QByteArray("qz+nver 1234=Equipo sin actualizaciones autorizadas");
        QTest::newRow("own error message") << TwoVersions << QStringList{QStringLiteral("list-error=Sin contrato")}
                                           << QByteArray("qz+nver 1234=Sin contrato");
    }
    void listsVersions()
    {
        QFETCH(QStringList, images);
        QFETCH(QStringList, faults);
        QFETCH(QByteArray, answer);
        Server server(images, faults);
        const UpdateSession::Reply reply = server.session.handle(ListRequest);
        QCOMPARE(reply.frames.size(), 1);
        QCOMPARE(checkedText(reply.frames[0]), answer);
        QVERIFY(!reply.close);
    }

    void listingWithWrongCrcKeepsItsText()
    {
        Server server(TwoVersions, {QStringLiteral("bad-crc-list")});
        const QByteArray frame = server.session.handle(ListRequest).frames.value(0);
        QCOMPARE(checked::verify(frame), checked::Check::Differs);
        QVERIFY(checked::split(frame).text.endsWith("2.0,,1024|"));
    }

    void requestsWithoutValidCrcAreIgnored_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("wrong CRC") << QByteArray(ListRequest).replace("Tots", "Tot5");
        QTest::newRow("no CRC") << checked::split(ListRequest).text;
    }
    void requestsWithoutValidCrcAreIgnored()
    {
        QFETCH(QByteArray, request);
        Server server(TwoVersions);
        QVERIFY(server.session.handle(request).frames.isEmpty());
        QVERIFY(!server.log.isEmpty());
    }

    void answersStart_data()
    {
        QTest::addColumn<QStringList>("faults");
        QTest::addColumn<QByteArray>("version");
        QTest::addColumn<int>("badNotices");
        QTest::addColumn<QByteArray>("answer");
        const QByteArray crc = checked::crcHex(syntheticImage(QStringLiteral("2.1"), 2500));
        QTest::newRow("accepted") << QStringList() << QByteArray("2.1") << 0
                                  << "qz+act=1024,2500," + crc + ",2.1\r";
        QTest::newRow("unknown version") << QStringList() << QByteArray("9.9") << 0
                                         << QByteArray("qz+act=Versi\xf3n 9.9 no disponible\r");
        QTest::newRow("3 fields") << QStringList{QStringLiteral("act-fields=3")} << QByteArray("2.1") << 0
                                  << "qz+act=1024,2500," + crc + "\r";
        QTest::newRow("5 fields") << QStringList{QStringLiteral("act-fields=5")} << QByteArray("2.1") << 0
                                  << "qz+act=1024,2500," + crc + ",2.1,0\r";
        QTest::newRow("one bad notice first") << QStringList{QStringLiteral("bad-crc-once")} << QByteArray("2.1") << 1
                                              << "qz+act=1024,2500," + crc + ",2.1\r";
        QTest::newRow("two bad notices first") << QStringList{QStringLiteral("bad-crc-twice")} << QByteArray("2.1") << 2
                                               << "qz+act=1024,2500," + crc + ",2.1\r";
    }
    void answersStart()
    {
        QFETCH(QStringList, faults);
        QFETCH(QByteArray, version);
        QFETCH(int, badNotices);
        QFETCH(QByteArray, answer);
        Server server(TwoVersions, faults);
        const UpdateSession::Reply reply = server.session.handle(startRequest(version));
        QCOMPARE(reply.frames.size(), badNotices + 1);
        for (int i = 0; i < badNotices; ++i)
            QCOMPARE(checked::verify(reply.frames[i]), checked::Check::Differs);
        QCOMPARE(checkedText(reply.frames.last()), answer);
    }

    // Every block of the image, the last one short, each with the CRC of its data.
    void sendsEveryBlock()
    {
        Server server(TwoVersions);
        server.session.handle(startRequest("2.1"));
        const QByteArray image = server.catalog.find(QStringLiteral("2.1"))->image;
        const QList<QByteArray> requests = {"+U000\r", "+U001", "+U002\r"};
        QByteArray frame;
        for (int block = 0; block < requests.size(); ++block) {
            const UpdateSession::Reply reply = server.session.handle(requests[block]);
            QCOMPARE(reply.frames.size(), 1);
            frame = reply.frames[0];
            const QByteArray data = image.mid(block * 1024, 1024);
            QCOMPARE(frame, "+U00" + QByteArray::number(block) + data + checked::crcHex(data));
        }
        QCOMPARE(frame.size(), 5 + 2500 - 2 * 1024 + 8);
    }

    // Block numbers have three hexadecimal digits and FF0 upwards are status codes.
    void refusesMoreBlocksThanNumbers_data()
    {
        QTest::addColumn<QByteArray>("blockSize");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("4000 blocks") << QByteArray("5") << true;
        QTest::newRow("5000 blocks") << QByteArray("4") << false;
        QTest::newRow("no block size") << QByteArray("0") << false;
    }
    void refusesMoreBlocksThanNumbers()
    {
        QFETCH(QByteArray, blockSize);
        QFETCH(bool, accepted);
        Server server({QStringLiteral("3.0=20000")});
        const QByteArray answer = checkedText(server.session.handle(startRequest("3.0", blockSize)).frames.value(0));
        QCOMPARE(answer.split(',').size() == 4, accepted);
        QCOMPARE(!server.session.handle("+U000\r").frames.isEmpty(), accepted);
    }

    void blockNumbersAreHexadecimal()
    {
        Server server({QStringLiteral("3.0=20000")});
        server.session.handle(startRequest("3.0", "16"));
        const QByteArray frame = server.session.handle("+U4E1\r").frames.value(0);
        QVERIFY(frame.startsWith("+U4E1"));
        QCOMPARE(frame.mid(5, 16), server.catalog.find(QStringLiteral("3.0"))->image.mid(0x4E1 * 16, 16));
    }

    void deviceLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("answered");
        QTest::addColumn<bool>("closes");
        QTest::newRow("block request") << QByteArray("+U001\r") << true << true << false;
        QTest::newRow("finished") << QByteArray("+UFFF\r") << true << false << true;
        QTest::newRow("finished, CRC failed") << QByteArray("+UFFE") << true << false << true;
        QTest::newRow("frame time-out") << QByteArray("+UFF0\r") << true << false << false;
        QTest::newRow("frame CRC error") << QByteArray("+UFFC\r") << true << false << false;
        QTest::newRow("past the end") << QByteArray("+U003\r") << true << false << false;
        QTest::newRow("not hexadecimal") << QByteArray("+U0G1\r") << true << false << false;
        QTest::newRow("signed number") << QByteArray("+U-01\r") << true << false << false;
        QTest::newRow("after a refused start") << QByteArray("+U000\r") << false << false << false;
    }
    void deviceLines()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, started);
        QFETCH(bool, answered);
        QFETCH(bool, closes);
        Server server(TwoVersions);
        server.session.handle(startRequest(started ? "2.1" : "9.9"));
        const UpdateSession::Reply reply = server.session.handle(line);
        QCOMPARE(!reply.frames.isEmpty(), answered);
        QCOMPARE(reply.close, closes);
    }

    void closesAfterTheGivenBlocks()
    {
        Server server(TwoVersions, {QStringLiteral("close-after=2")});
        server.session.handle(startRequest("2.1"));
        QVERIFY(!server.session.handle("+U000\r").close);
        const UpdateSession::Reply second = server.session.handle("+U001\r");
        QCOMPARE(second.frames.size(), 1);
        QVERIFY(second.close);
    }

    void catalogRefusesReservedCharacters_data()
    {
        QTest::addColumn<QString>("image");
        QTest::newRow("comma in version") << QStringLiteral("2,1=100");
        QTest::newRow("bar in description") << QStringLiteral("2.1=100:a|b");
        QTest::newRow("parenthesis in version") << QStringLiteral("2.1(beta)=100");
        QTest::newRow("closing parenthesis") << QStringLiteral("2.1=100:beta)");
        QTest::newRow("no size") << QStringLiteral("2.1");
        QTest::newRow("empty version") << QStringLiteral("=100");
        QTest::newRow("empty image") << QStringLiteral("2.1=0");
        QTest::newRow("size not a number") << QStringLiteral("2.1=big");
    }
    void catalogRefusesReservedCharacters()
    {
        QFETCH(QString, image);
        Catalog catalog;
        QString error;
        QVERIFY(!catalog.addImage(image, error));
        QVERIFY(!error.isEmpty());
        QVERIFY(catalog.versions().isEmpty());
    }

    void catalogReadsAFolder()
    {
        QTemporaryDir dir;
        const auto write = [&](const QString &name, const QByteArray &content) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        write(QStringLiteral("2.1.bin"), "image 2.1");
        write(QStringLiteral("2.1.txt"), "Corrige la hora\r\nsegunda línea\r\n");
        write(QStringLiteral("2.0.bin"), "image 2.0");
        write(QStringLiteral("notes.md"), "not firmware");
        Catalog catalog;
        QString error;
        QVERIFY2(catalog.addDirectory(dir.path(), error), qPrintable(error));
        QCOMPARE(catalog.versions().size(), 2);
        QCOMPARE(catalog.versions()[0].version, QStringLiteral("2.0"));
        QCOMPARE(catalog.versions()[0].description, QString());
        QCOMPARE(catalog.versions()[1].description, QStringLiteral("Corrige la hora"));
        QCOMPARE(catalog.versions()[1].image, QByteArray("image 2.1"));
    }

    void syntheticImagesAreRepeatable()
    {
        QCOMPARE(syntheticImage(QStringLiteral("2.1"), 5000), syntheticImage(QStringLiteral("2.1"), 5000));
        QVERIFY(syntheticImage(QStringLiteral("2.1"), 64) != syntheticImage(QStringLiteral("2.2"), 64));
    }

    void faultOptions_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("bad-crc-list") << QStringLiteral("bad-crc-list") << true;
        QTest::newRow("list-error with text") << QStringLiteral("list-error=Sin contrato") << true;
        QTest::newRow("act-fields=3") << QStringLiteral("act-fields=3") << true;
        QTest::newRow("slow=20") << QStringLiteral("slow=20") << true;
        QTest::newRow("unknown") << QStringLiteral("drop-everything") << false;
        QTest::newRow("value where none is taken") << QStringLiteral("bad-crc-once=2") << false;
        QTest::newRow("missing number") << QStringLiteral("close-after") << false;
        QTest::newRow("zero blocks") << QStringLiteral("close-after=0") << false;
        QTest::newRow("list error with |") << QStringLiteral("list-error=a|b") << false;
    }
    void faultOptions()
    {
        QFETCH(QString, option);
        QFETCH(bool, accepted);
        Faults faults;
        QString error;
        QCOMPARE(faults.add(option, error), accepted);
        QCOMPARE(error.isEmpty(), accepted);
    }
};

QTEST_GUILESS_MAIN(TestUpdsimSession)
#include "test_updsim_session.moc"
