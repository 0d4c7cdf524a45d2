// A device's cloud record read by key name: nesting ignored, quotes removed, hexadecimal levels,
// the panel's state text per family, and records of the wrong shape.

#include "core/status/SnapshotRecord.h"

#include <QJsonDocument>
#include <QtTest>

using namespace quelta;

Q_DECLARE_METATYPE(quelta::PanelFamily)

namespace {

SnapshotRecord record(const char *json)
{
    return SnapshotRecord::fromJson(QJsonDocument::fromJson(json).object());
}

} // namespace

class TestSnapshotRecord : public QObject
{
    Q_OBJECT

private slots:
    void leavesAreReadByNameWhateverTheirNesting()
    {
        const SnapshotRecord r = record(R"({"Identifier": "3A0F:358000111:x", "Configuration": {"gsmInfo":
            {"gsmStat": 20, "Operator": "Movi-star"}, "comCentral": "BC\\\\600"}, "Status": {"Power": {"vAlimAct": "B4"}},
            "list": [{"gps": "41.38,2.17"}]})");
        QCOMPARE(r.identifier(), QStringLiteral("3A0F"));
        QCOMPARE(r.imei(), QStringLiteral("358000111"));
        QCOMPARE(r.value(QStringLiteral("Operator")), QStringLiteral("Movi-star"));
        const QJsonObject quoted{{QStringLiteral("Operator"), QStringLiteral("\"Movi'star\"")}};
        QCOMPARE(SnapshotRecord::fromJson(quoted).value(QStringLiteral("Operator")), QStringLiteral("Movistar"));
        QCOMPARE(r.central(), QStringLiteral("BC600"));
        QCOMPARE(r.level(QStringLiteral("vAlimAct")), 0xB4);
        QCOMPARE(r.coveragePercent(), 62);
        QCOMPARE(r.value(QStringLiteral("gps")), QStringLiteral("41.38,2.17"));
    }

    void thePanelStateIsJoinedForItsFamily_data()
    {
        QTest::addColumn<PanelFamily>("family");
        QTest::addColumn<QString>("state");
        QTest::newRow("AE/SA") << PanelFamily::AeSa << "1|0|2|0:Z3||Z7,Z8|";
        QTest::newRow("AE/C5") << PanelFamily::AeC5 << "1|0|C|ZS";
        QTest::newRow("BC600") << PanelFamily::Bc600 << "b,1,2,3,4,5,6";
        QTest::newRow("Cofem-A") << PanelFamily::CofemA << "C|ZS";
        QTest::newRow("Urano") << PanelFamily::Urano << "1234|ZS";
        QTest::newRow("ID3000") << PanelFamily::Id3000 << "n|4";
        QTest::newRow("no panel") << PanelFamily::None << "";
    }

    void thePanelStateIsJoinedForItsFamily()
    {
        QFETCH(PanelFamily, family);
        QFETCH(QString, state);
        const SnapshotRecord r = record(R"({"numAlarm": 1, "numFault": 0, "numDisconn": 2, "numTest": 0,
            "zonesAlarm": "Z3", "zonesFault": "", "zonesDisconn": "Z7,Z8", "zonesTest": "",
            "pollingENQ": "1", "sirenbuzzer": "0", "centralStat": "C", "zonesStat": "ZS",
            "buzzerAndcounts": "b,1,2,3,4,5,6", "password": "1234", "buzzerAndNums": "n|4"})");
        QCOMPARE(r.panelState(family), state);
    }

    void theUpdateTimeIsUtc()
    {
        const QDateTime updated = record(R"({"Updated": "2022-01-30T10:15:00.250"})").updated();
        QCOMPARE(updated, QDateTime(QDate(2022, 1, 30), QTime(10, 15, 0, 250), QTimeZone::utc()));
        QVERIFY(!record(R"({"Updated": "yesterday"})").updated().isValid());
    }

    // Numbers, booleans and arrays where texts are expected, a missing key, a deep record: texts or
    // nothing, never a failure.
    void recordsOfTheWrongShapeGiveEmptyTexts()
    {
        const SnapshotRecord r = record(R"({"gsmStat": "strong", "vTamperAct": true, "inputsStat": [1, 0],
            "Identifier": 12345})");
        QCOMPARE(r.coveragePercent(), 0);
        QCOMPARE(r.level(QStringLiteral("vTamperAct")), 0);
        QCOMPARE(r.identifier(), QStringLiteral("12345"));
        QCOMPARE(r.value(QStringLiteral("Company")), QString());
        QVERIFY(SnapshotRecord::fromJson(QJsonValue()).isEmpty());
        QVERIFY(SnapshotRecord::fromJson(QJsonValue(QStringLiteral("ONLINE"))).isEmpty());

        QJsonValue deep = QJsonObject{{QStringLiteral("Company"), QStringLiteral("Deep")}};
        for (int level = 0; level < 100; ++level)
            deep = QJsonObject{{QStringLiteral("n"), deep}};
        QVERIFY(SnapshotRecord::fromJson(deep).value(QStringLiteral("Company")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSnapshotRecord)
#include "test_snapshot_record.moc"
