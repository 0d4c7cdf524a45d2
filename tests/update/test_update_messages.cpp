// The texts of the firmware-update exchange: the two requests, the listing answer, the "qz+act="
// acceptance and the codes after "+U".
#include "core/codecs/CheckedText.h"
#include "core/update/UpdateMessages.h"
#include "core/update/UpdateServer.h"

#include <QtTest>

using namespace quelta;
using namespace quelta::update;

Q_DECLARE_METATYPE(quelta::update::ListingAnswer::Kind)

class TestUpdateMessages : public QObject
{
    Q_OBJECT

private slots:
    void requestsAreCheckedTextsWithEveryField()
    {
        const DeviceForUpdate device{QStringLiteral("3A0F2C1B84D95E07"), QStringLiteral("Quelta_v8.7.12"),
                                     QStringLiteral("HW3"), QStringLiteral("Protecciones Ibéricas SL"),
                                     QStringLiteral("Jordi Puig"), QStringLiteral("Nave 3"), QStringLiteral("uid-7")};
        const QByteArray listing = listingRequest(device);
        QCOMPARE(checked::verify(listing), checked::Check::Matches);
        QCOMPARE(checked::fromBytes(checked::split(listing).text),
                 QStringLiteral("qz+nver:#0Tots#13A0F2C1B84D95E07#2Quelta_v8.7.12#3HW3#7Protecciones Ibéricas SL"
                                "#8Jordi Puig#9Nave 3#Auid-7"));
        const QByteArray start = startRequest(device.identifier, device.userId, QStringLiteral("8.7.14(Nuevo GSM)"));
        QCOMPARE(checked::verify(start), checked::Check::Matches);
        QCOMPARE(checked::split(start).text, QByteArray("qz+act:3A0F2C1B84D95E07,uid-7,8.7.14(Nuevo GSM),1024"));
    }

    void listingAnswers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<ListingAnswer::Kind>("kind");
        QTest::addColumn<QStringList>("versions");
        QTest::addColumn<QString>("errorText");
        const QString marker = QStringLiteral("qz+nver ID7=");
        QTest::newRow("two versions") << marker + QStringLiteral("8.7.14,Nuevo GSM,65536|8.8.0,MQTT TLS,70000|{=}ABCD")
                                      << ListingAnswer::Kind::List << QStringList{"8.7.14", "8.8.0"} << QString();
        QTest::newRow("one version") << marker + QStringLiteral("8.7.14,Nuevo GSM,65536|{=}ABCD")
                                     << ListingAnswer::Kind::List << QStringList{"8.7.14"} << QString();
        QTest::newRow("text around") << QStringLiteral("hola ") + marker + QStringLiteral("8.7.14,a,1|")
                                     << ListingAnswer::Kind::List << QStringList{"8.7.14"} << QString();
        QTest::newRow("nothing new") << marker + QStringLiteral("{=}ABCD") << ListingAnswer::Kind::Empty << QStringList()
                                     << QString();
        QTest::newRow("server's error") << marker + QStringLiteral("Equipo no autorizado{=}ABCD")
                                        << ListingAnswer::Kind::ErrorText << QStringList() << "Equipo no autorizado";
        QTest::newRow("another device") << QStringLiteral("qz+nver ID8=8.7.14,a,1|{=}ABCD")
                                        << ListingAnswer::Kind::NoMarker << QStringList() << QString();
    }

    void listingAnswers()
    {
        QFETCH(QString, text);
        QFETCH(ListingAnswer::Kind, kind);
        QFETCH(QStringList, versions);
        QFETCH(QString, errorText);
        const ListingAnswer answer = parseListingAnswer(text, QStringLiteral("ID7"));
        QCOMPARE(answer.kind, kind);
        QStringList found;
        for (const FirmwareVersion &version : answer.versions)
            found << version.version;
        QCOMPARE(found, versions);
        QCOMPARE(answer.errorText, errorText);
    }

    void acceptance_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<QString>("errorText");
        QTest::newRow("four fields") << "qz+act=1024,65536,1A2B3C4D,8.7.14\r{=}ABCD" << true << true << qint64(65536) << "";
        QTest::newRow("three fields") << "qz+act=1024,65536,1A2B3C4D\r{=}ABCD" << true << false << qint64(0)
                                      << "1024,65536,1A2B3C4D";
        QTest::newRow("five fields") << "qz+act=1024,65536,1,2,3\r" << true << false << qint64(0) << "1024,65536,1,2,3";
        QTest::newRow("a message") << "qz+act=Version retirada\r" << true << false << qint64(0) << "Version retirada";
        QTest::newRow("sizes not numbers") << "qz+act=mil,todo,1,2\r" << true << false << qint64(0) << "mil,todo,1,2";
        QTest::newRow("no line end") << "qz+act=1024,65536,1A2B3C4D,8.7.14{=}ABCD" << false << false << qint64(0) << "";
        QTest::newRow("no reply") << "qz+msg=espere\r" << false << false << qint64(0) << "";
    }

    void acceptance()
    {
        QFETCH(QString, text);
        QFETCH(bool, found);
        QFETCH(bool, accepted);
        QFETCH(qint64, fileSize);
        QFETCH(QString, errorText);
        const std::optional<Acceptance> acceptance = findAcceptance(text);
        QCOMPARE(acceptance.has_value(), found);
        if (!found)
            return;
        QCOMPARE(acceptance->accepted, accepted);
        QCOMPARE(acceptance->fileSize, fileSize);
        QCOMPARE(acceptance->errorText, errorText);
    }

    // The progress counts one block more than whole blocks: 65536 bytes are 65.
    void blocksAndCodes()
    {
        QCOMPARE(totalPacks(65536, 1024), 65);
        QCOMPARE(totalPacks(1000, 1024), 1);
        QCOMPARE(codeAfterU(QStringLiteral("+U01A\r")), 0x01A);
        QCOMPARE(codeAfterU(QStringLiteral("+UFFF")), 0xFFF);
        QCOMPARE(codeAfterU(QByteArray("+U040\x01\xff").constData()), 0x040);
        QCOMPARE(codeAfterU(QStringLiteral("+U0")), -1);
        QCOMPARE(codeAfterU(QStringLiteral("no code")), -1);
        QCOMPARE(shownVersion(QStringLiteral("8.7.14(Nuevo GSM)")), QStringLiteral("8.7.14"));
    }

    void serverAddresses()
    {
        QCOMPARE(serverAddress(QStringLiteral("127.0.0.1:6000"))->port, quint16(6000));
        QCOMPARE(serverAddress(QStringLiteral("updates.example"))->port, quint16(5009));
        QCOMPARE(serverAddress(QStringLiteral("updates.example"))->key, builtInServer().key);
        QVERIFY(!serverAddress(QStringLiteral("host:99999")));
        QVERIFY(!serverAddress(QString()));
    }
};

QTEST_GUILESS_MAIN(TestUpdateMessages)
#include "test_update_messages.moc"
