// The device's event history as the cloud keeps it: the times in every form written over the
// years, the order, the records that are left out, the message of each entry and the grid's rows.

#include "core/status/EventHistory.h"

#include <QJsonDocument>
#include <QtTest>

using namespace quelta;

namespace {

const QTimeZone kMadrid("Europe/Madrid");

QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc());
}

QJsonObject object(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

HistoryRules rules(std::optional<QDate> from = std::nullopt)
{
    return {{QStringLiteral("Portal"), QStringLiteral("Garaje"), QStringLiteral("Almacén"), QStringLiteral("Patio")},
            kMadrid, from};
}

QStringList messages(const QList<HistoryEntry> &entries)
{
    QStringList found;
    for (const HistoryEntry &entry : entries)
        found << entry.message;
    return found;
}

} // namespace

class TestEventHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(kMadrid.isValid()); }

    void createdForms_data()
    {
        QTest::addColumn<QString>("created");
        QTest::addColumn<QDateTime>("time");
        const QDateTime t = utc(2022, 1, 30, 10, 15);
        QTest::newRow("our own writer") << "2022-01-30T10:15:00.000" << t;
        QTest::newRow("ISO without fraction") << "2022-01-30T10:15:00" << t;
        QTest::newRow("ISO with Z") << "2022-01-30T10:15:00Z" << t;
        QTest::newRow("ISO with an offset") << "2022-01-30T11:15:00+01:00" << t;
        QTest::newRow("Dia/Hora, escaped slashes") << "Dia: 30\\/01\\/2022 Hora: 10:15:00" << t;
        QTest::newRow("Dia/Hora") << "Dia: 30/01/2022 Hora: 10:15:00" << t;
        QTest::newRow("Date/Hour") << "Date: 30/01/2022 Hour: 10:15:00" << t;
        QTest::newRow("Día with a tail") << "D\u00EDa: 30/01/2022 Hora: 10:15:00* Quelta GPRS" << t;
        QTest::newRow("day first with dashes") << "30-01-2022 10:15:00" << t;
        QTest::newRow("year first with slashes") << "2022\\/01\\/30 10:15:00" << t;
        QTest::newRow("single digits") << "Dia: 1/2/2022 Hora: 9:05:07" << utc(2022, 2, 1, 9, 5, 7);
        QTest::newRow("empty") << "" << QDateTime();
        QTest::newRow("words only") << "ayer por la tarde" << QDateTime();
        QTest::newRow("no such day") << "Dia: 32/01/2022 Hora: 10:15:00" << QDateTime();
        QTest::newRow("30 February") << "2022-02-30T10:15:00" << QDateTime();
        QTest::newRow("date without time") << "Dia: 30/01/2022" << QDateTime();
    }

    void createdForms()
    {
        QFETCH(QString, created);
        QFETCH(QDateTime, time);
        QCOMPARE(parseCreated(created).value_or(QDateTime()), time);
    }

    // Year first with a "T", 30 January 2022 at 10:15 UTC: the date and the Madrid time (UTC+1).
    void rowShowsLocalDateAndTime()
    {
        const HistoryList list = parseHistory(
            R"({"-N1":{"Created":"2022-01-30T10:15:00","UserMail":"ana@quelta.test","UserName":"Ana","MessageTxt":"Salida 1"}})",
            rules());
        QCOMPARE(list.entries.size(), 1);
        QCOMPARE(historyRow(1, list.entries.first(), kMadrid),
                 (QStringList{"1", "30-01-2022", "11:15:00", "ana@quelta.test", "Ana", "Salida 1"}));
        // In summer Madrid is two hours ahead, and a day can change.
        const HistoryEntry late{utc(2022, 7, 31, 23, 30), {}, {}, {}};
        QCOMPARE(historyRow(7, late, kMadrid).mid(0, 3), (QStringList{"7", "01-08-2022", "01:30:00"}));
    }

    // Newest first whatever form each time was written in; unreadable times go last, the later
    // written first.
    void entriesComeNewestFirst()
    {
        const QByteArray list = R"({
            "-A": {"Created": "2022-01-30T10:15:00.000", "MessageTxt": "second"},
            "-B": {"Created": "Dia: 30\/01\/2022 Hora: 09:00:00", "MessageTxt": "first"},
            "-C": {"Created": "garbage", "MessageTxt": "unknown time 1"},
            "-D": {"Created": "Date: 02/02/2022 Hour: 08:00:00", "MessageTxt": "fourth"},
            "-E": {"MessageTxt": "unknown time 2"},
            "-F": {"Created": "2022-02-01T12:00:00", "MessageTxt": "third"}
        })";
        const HistoryList parsed = parseHistory(list, rules());
        QVERIFY(parsed.readable);
        QCOMPARE(messages(parsed.entries),
                 (QStringList{"fourth", "third", "second", "first", "unknown time 2", "unknown time 1"}));
        QCOMPARE(historyRows(parsed.entries, kMadrid).last().mid(0, 3), (QStringList{"6", "", ""}));
    }

    // The communication-loss notices ("perdida") are history only up to the end of July 2021.
    void lostCommunicationNoticesAfterJuly2021AreDropped_data()
    {
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("kept");
        QTest::newRow("lost, before") << "2021-07-30T23:59:59" << "Comunicación perdida" << true;
        QTest::newRow("lost, at the end") << "2021-07-31T00:00:00" << "Comunicación perdida" << true;
        QTest::newRow("lost, after") << "2021-07-31T00:00:01" << "Comunicación perdida" << false;
        QTest::newRow("lost, free form") << "Dia: 15/09/2023 Hora: 08:00:00" << "Conexión perdida con la central" << false;
        QTest::newRow("other, after") << "2023-09-15T08:00:00" << "Puerta abierta" << true;
        QTest::newRow("lost, unknown time") << "nunca" << "Comunicación perdida" << true;
    }

    void lostCommunicationNoticesAfterJuly2021AreDropped()
    {
        QFETCH(QString, created);
        QFETCH(QString, message);
        QFETCH(bool, kept);
        const QJsonObject record{{"Created", created}, {"MessageTxt", message}};
        QCOMPARE(historyEntry(record, rules()).has_value(), kept);
    }

    // "A partir de:" keeps the entries from the start of that day, local time, on.
    void aChosenDateKeepsTheEntriesFromThatDayOn()
    {
        const QByteArray list = R"({
            "-A": {"Created": "2022-01-29T22:59:59", "MessageTxt": "29 at 23:59 local"},
            "-B": {"Created": "2022-01-29T23:00:00", "MessageTxt": "30 at 00:00 local"},
            "-C": {"Created": "2022-02-03T10:00:00", "MessageTxt": "later"},
            "-D": {"Created": "sin fecha", "MessageTxt": "unknown time"}
        })";
        QCOMPARE(messages(parseHistory(list, rules(QDate(2022, 1, 30))).entries),
                 (QStringList{"later", "30 at 00:00 local"}));
        QCOMPARE(parseHistory(list, rules()).entries.size(), 4);
    }

    void messageRule_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("message");
        QTest::newRow("door order, empty text")
            << QByteArray(R"({"MessageTxt":"","EventId":55111,"ButtonNumber":2})") << "Orden de abrir Botón 2  Garaje";
        QTest::newRow("door state, code as text")
            << QByteArray(R"({"eventid":"55001","buttonnumber":"4"})") << "Abierta Botón 4  Patio";
        QTest::newRow("text before code") << QByteArray(R"({"MessageTxt":"Salida 2 activada","EventId":"77000"})")
                                          << "Salida 2 activada";
        QTest::newRow("code only") << QByteArray(R"({"EventId":"77011"})") << "Orden dada a las Salidas";
        QTest::newRow("blank text") << QByteArray(R"({"messagetxt":"  ","eventid":55118})") << "Entrada no activada";
        QTest::newRow("line breaks") << QByteArray(R"({"messagetxt":"Alarma\r\nZona 3\nPlanta 1"})")
                                     << "Alarma Zona 3 Planta 1";
        QTest::newRow("escaped line breaks") << QByteArray(R"({"messagetxt":"Alarma\\nZona 3\\r"})") << "Alarma Zona 3 ";
        QTest::newRow("back-slashes") << QByteArray(R"({"messagetxt":"Central\\ AE\\2"})") << "Central AE2";
        QTest::newRow("unknown code") << QByteArray(R"({"eventid":123456})") << "123456";
        QTest::newRow("button out of range") << QByteArray(R"({"eventid":55000,"buttonnumber":7})") << "Cerrada";
        QTest::newRow("number as text") << QByteArray(R"({"messagetxt":42})") << "42";
        QTest::newRow("list as text") << QByteArray(R"({"messagetxt":["x"],"eventid":55010})") << "Cerrando";
        QTest::newRow("object as code") << QByteArray(R"({"eventid":{"code":55001}})") << "";
        QTest::newRow("nothing") << QByteArray("{}") << "";
    }

    void messageRule()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, message);
        QCOMPARE(historyMessage(object(record), rules().doorNames), message);
    }

    void userIsTheMailElseTheId_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("user");
        QTest::newRow("mail") << QByteArray(R"({"UserMail":"ana@quelta.test","UserId":"u-1"})") << "ana@quelta.test";
        QTest::newRow("no mail") << QByteArray(R"({"UserId":"u-1"})") << "u-1";
        QTest::newRow("empty mail") << QByteArray(R"({"usermail":"","userid":"u-2"})") << "u-2";
        QTest::newRow("mail of the wrong type") << QByteArray(R"({"usermail":["a"],"userid":"u-3"})") << "u-3";
    }

    void userIsTheMailElseTheId()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, user);
        QCOMPARE(historyEntry(object(record), rules()).value_or(HistoryEntry{}).user, user);
    }

    // What the cloud holds may be anything: the rest of the list is still shown.
    void malformedListsAndRecords_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("skipped");
        QTest::newRow("empty answer") << QByteArray("") << true << QStringList{} << 0;
        QTest::newRow("null") << QByteArray("null") << true << QStringList{} << 0;
        QTest::newRow("not JSON") << QByteArray("{\"-A\": {") << false << QStringList{} << 0;
        QTest::newRow("a number") << QByteArray("12") << false << QStringList{} << 0;
        QTest::newRow("records that are no objects")
            << QByteArray(R"({"-A":"hola","-B":{"MessageTxt":"ok"},"-C":[1,2],"-D":7})") << true << QStringList{"ok"} << 3;
        QTest::newRow("fields of the wrong type")
            << QByteArray(R"({"-A":{"Created":20220130,"UserMail":{},"UserName":true,"MessageTxt":null,"EventId":[55001]}})")
            << true << QStringList{""} << 0;
        QTest::newRow("array with gaps")
            << QByteArray(R"([null,{"MessageTxt":"uno","Created":"2022-01-01T00:00:00"},null,)"
                          R"({"MessageTxt":"dos","Created":"2022-01-02T00:00:00"}])")
            << true << QStringList{"dos", "uno"} << 0;
        QTest::newRow("keys in any case")
            << QByteArray(R"({"-A":{"CREATED":"2022-01-01T00:00:00","mEsSaGeTxT":"mixed"}})") << true << QStringList{"mixed"}
            << 0;
    }

    void malformedListsAndRecords()
    {
        QFETCH(QByteArray, json);
        QFETCH(bool, readable);
        QFETCH(QStringList, shown);
        QFETCH(int, skipped);
        const HistoryList list = parseHistory(json, rules());
        QCOMPARE(list.readable, readable);
        QCOMPARE(messages(list.entries), shown);
        QCOMPARE(list.skipped, skipped);
    }

    // A list far longer than any query asks for keeps its last records.
    void hugeListKeepsItsLastRecords()
    {
        QByteArray json = "{";
        const int total = kMaxHistoryRecords + 500;
        for (int i = 0; i < total; ++i)
            json += QStringLiteral("%1\"k%2\":{\"MessageTxt\":\"m%3\"}")
                        .arg(i ? QStringLiteral(",") : QString())
                        .arg(i, 6, 10, QLatin1Char('0'))
                        .arg(i)
                        .toUtf8();
        json += '}';
        const HistoryList list = parseHistory(json, rules());
        QCOMPARE(list.entries.size(), kMaxHistoryRecords);
        QCOMPARE(list.entries.first().message, QStringLiteral("m%1").arg(total - 1));
        QCOMPARE(list.entries.last().message, QStringLiteral("m%1").arg(total - kMaxHistoryRecords));
    }

    void codeTableHasEveryCode()
    {
        QCOMPARE(LlistaEvents().size(), 18);
        QCOMPARE(eventText(66001), QStringLiteral("Llamada recibida: abriendo puerta"));
        QCOMPARE(eventText(55117), QStringLiteral("Posición del equipo no registrada"));
        QVERIFY(eventText(12345).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestEventHistory)
#include "test_event_history.moc"
