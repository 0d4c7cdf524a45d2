#include "core/cloud/DirectoryEntries.h"

#include <QtTest>

using namespace quelta;

namespace {

DeviceRecord device(const QString &identifier, const QString &installer, const QString &reference,
                    const QString &connection = QStringLiteral("ONLINE"), int ethernet = 6, int gprs = 6)
{
    return {identifier, QStringLiteral("Protecciones Ibéricas SL"), installer, reference, connection, ethernet, gprs};
}

} // namespace

class TestDirectoryEntries : public QObject
{
    Q_OBJECT

private slots:
    void linkStates_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("ethernet");
        QTest::addColumn<QString>("gprs");
        QTest::newRow("switched off") << 0 << "Desactivado" << "Desactivado";
        QTest::newRow("lost, first") << 1 << "Perdido" << "Perdido";
        QTest::newRow("lost, last") << 3 << "Perdido" << "Perdido";
        QTest::newRow("connected, first") << 4 << "Conectado" << "Conectado";
        QTest::newRow("connected, last") << 6 << "Conectado" << "Conectado";
        QTest::newRow("beyond the states") << 7 << "No ADSL" << "No GPRS";
        QTest::newRow("missing") << -1 << "No ADSL" << "No GPRS";
    }

    void linkStates()
    {
        QFETCH(int, state);
        QFETCH(QString, ethernet);
        QFETCH(QString, gprs);
        QCOMPARE(ethernetStateText(state), ethernet);
        QCOMPARE(gprsStateText(state), gprs);
    }

    // A device that is not on line shows no link, whatever its record still holds, and may be
    // deleted; one link connected is enough to keep it.
    void deletableDevices()
    {
        const QList<DirectoryEntry> entries = directoryEntries(
            {device(QStringLiteral("A1"), QStringLiteral("Jordi Puig"), QStringLiteral("a"), QStringLiteral("OFFLINE")),
             device(QStringLiteral("A2"), QStringLiteral("Jordi Puig"), QStringLiteral("b"), QString()),
             device(QStringLiteral("A3"), QStringLiteral("Jordi Puig"), QStringLiteral("c"), QStringLiteral("ONLINE"), 2, 5),
             device(QStringLiteral("A4"), QStringLiteral("Jordi Puig"), QStringLiteral("d"), QStringLiteral("ONLINE"), 1, 0)},
            {QStringLiteral("Protecciones Ibéricas SL"), {}, {}});
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries.at(0).ethernet, QStringLiteral("No ADSL"));
        QCOMPARE(entries.at(0).gprs, QStringLiteral("No GPRS"));
        const QList<bool> deletable{entries.at(0).deletable(), entries.at(1).deletable(), entries.at(2).deletable(),
                                    entries.at(3).deletable()};
        QCOMPARE(deletable, (QList<bool>{true, true, false, true}));
    }

    // Names are compared without their accents on both sides and shown as stored; an empty
    // installer or reference takes them all; the list comes sorted by reference, whatever the case.
    void searchAndOrder()
    {
        const QList<DeviceRecord> devices{
            device(QStringLiteral("B1"), QStringLiteral("Jordi Puig"), QStringLiteral("parking")),
            device(QStringLiteral("B2"), QStringLiteral("Marta Soler"), QStringLiteral("Almacén")),
            device(QStringLiteral("B3"), QStringLiteral("Jordi Puig"), QStringLiteral("Nave 3")),
            {QStringLiteral("B4"), QStringLiteral("Seguridad Levante"), QStringLiteral("Jordi Puig"), QStringLiteral("Puerto"),
             QStringLiteral("ONLINE"), 6, 6}};
        const auto identifiers = [&devices](const DirectorySearch &search) {
            QStringList found;
            for (const DirectoryEntry &entry : directoryEntries(devices, search))
                found << entry.identifier;
            return found;
        };
        QCOMPARE(identifiers({QStringLiteral("Protecciones Ibericas SL"), {}, {}}),
                 (QStringList{QStringLiteral("B2"), QStringLiteral("B3"), QStringLiteral("B1")}));
        QCOMPARE(identifiers({QStringLiteral("Protecciones Ibéricas SL"), QStringLiteral("Jordi Puig"), {}}),
                 (QStringList{QStringLiteral("B3"), QStringLiteral("B1")}));
        QCOMPARE(identifiers({QStringLiteral("Protecciones Ibéricas SL"), QStringLiteral("Marta Soler"), QStringLiteral("Almacen")}),
                 QStringList{QStringLiteral("B2")});
        QCOMPARE(identifiers({QStringLiteral("Protecciones"), {}, {}}), QStringList());
        QCOMPARE(directoryEntries(devices, {QStringLiteral("Protecciones Ibericas SL"), {}, {}}).first().reference,
                 QStringLiteral("Almacén"));
    }
};

QTEST_GUILESS_MAIN(TestDirectoryEntries)
#include "test_directory_entries.moc"
