#include "core/status/EventHistory.h"
#include "core/status/TimeZoneNames.h"

#include <QTest>
#include <QTimeZone>

using namespace quelta;

class TestTimeZones : public QObject
{
    Q_OBJECT
private slots:
    void namesOfOffsets_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("zone");
        QTest::newRow("first") << -10 << "Pacific/Honolulu";
        QTest::newRow("west of UTC") << -3 << "America/Punta_Arenas";
        QTest::newRow("UTC") << 0 << "Europe/London";
        QTest::newRow("east of UTC") << 2 << "Europe/Riga";
        QTest::newRow("last") << 13 << "Pacific/Apia";
        QTest::newRow("below the list") << -11 << "Europe/Paris";
        QTest::newRow("above the list") << 14 << "Europe/Paris";
    }

    void namesOfOffsets()
    {
        QFETCH(int, offset);
        QFETCH(QString, zone);
        QCOMPARE(TexteZonaHoraria(offset), zone);
    }

    // The history shows event times as the device's clock reads them: its zone's own
    // daylight-saving rules, or none where it keeps none.
    void localTimes_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QDateTime>("utc");
        QTest::addColumn<QString>("local");
        const QDateTime winter(QDate(2026, 1, 15), QTime(12, 0), QTimeZone::utc());
        const QDateTime summer(QDate(2026, 7, 15), QTime(12, 0), QTimeZone::utc());
        QTest::newRow("Paris in winter") << 1 << winter << "13:00:00";
        QTest::newRow("Paris in summer") << 1 << summer << "14:00:00";
        QTest::newRow("London in summer") << 0 << summer << "13:00:00";
        QTest::newRow("Punta Arenas keeps no summer time") << -3 << summer << "09:00:00";
        QTest::newRow("McMurdo in the southern summer") << 12 << winter << "01:00:00";
        QTest::newRow("Honolulu") << -10 << summer << "02:00:00";
    }

    void localTimes()
    {
        QFETCH(int, offset);
        QFETCH(QDateTime, utc);
        QFETCH(QString, local);
        const QTimeZone zone(TexteZonaHoraria(offset).toLatin1());
        QCOMPARE(historyRow(1, {utc, {}, {}, {}}, zone).at(2), local);
    }

    // The item at position p is the zone of offset p - 10, and the database agrees with the
    // offset each item stands for: the write sends the position.
    void captionsFollowTheirOffsets()
    {
        const QStringList captions = zoneCaptions();
        QCOMPARE(captions.size(), kLastZoneOffset - kFirstZoneOffset + 1);
        for (int offset = kFirstZoneOffset; offset <= kLastZoneOffset; ++offset) {
            const QString prefix = QStringLiteral("(UTC%1%2:00) ")
                                       .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                                       .arg(std::abs(offset), 2, 10, QLatin1Char('0'));
            QVERIFY2(QTimeZone(TexteZonaHoraria(offset).toLatin1()).isValid(), qPrintable(TexteZonaHoraria(offset)));
            QVERIFY2(captions.at(offset - kFirstZoneOffset).startsWith(prefix),
                     qPrintable(captions.at(offset - kFirstZoneOffset)));
        }
        QCOMPARE(captions.at(-kFirstZoneOffset),
                 QStringLiteral("(UTC+00:00) Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca"));
    }
};

QTEST_GUILESS_MAIN(TestTimeZones)
#include "test_time_zones.moc"
