#include "core/session/CommandAvailability.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace quelta;

namespace {

using Step = std::function<void(CommandAvailability &)>;

const QStringList kProbes{QStringLiteral("MIILlegir"),     QStringLiteral("BBGravarPag"), QStringLiteral("MIICrearplantilla"),
                          QStringLiteral("BBLlegirEstat"), QStringLiteral("BBBuscar"),    QStringLiteral("MIComunicacio")};

// Which probes are enabled, as a string of 0 and 1 in kProbes' order.
QString enabledProbes(const CommandAvailability &commands)
{
    QString bits;
    for (const QString &probe : kProbes)
        bits += commands.isEnabled(probe) ? QLatin1Char('1') : QLatin1Char('0');
    return bits;
}

} // namespace

Q_DECLARE_METATYPE(QList<Step>)

class TestCommandAvailability : public QObject
{
    Q_OBJECT

private slots:
    void followsTheSession_data()
    {
        QTest::addColumn<QList<Step>>("steps");
        QTest::addColumn<QString>("enabled"); // MIILlegir BBGravarPag MIICrearplantilla BBLlegirEstat BBBuscar MIComunicacio
        const Step connected = &CommandAvailability::connectionEstablished;
        const Step cleared = &CommandAvailability::fieldsCleared;
        const Step writing = [](CommandAvailability &c) { c.writeRunning(true); };
        const Step written = [](CommandAvailability &c) { c.writeRunning(false); };
        const Step signedIn = [](CommandAvailability &c) { c.cloudFunctionsChanged(true); };
        const Step signedOut = [](CommandAvailability &c) { c.cloudFunctionsChanged(false); };
        const Step statusView = &CommandAvailability::statusScreenShown;
        QTest::newRow("at start") << QList<Step>{} << "000101";
        QTest::newRow("device found") << QList<Step>{connected} << "111101";
        QTest::newRow("cleared: templates stay") << QList<Step>{connected, cleared} << "001101";
        QTest::newRow("a write holds the views") << QList<Step>{connected, signedIn, writing} << "111000";
        QTest::newRow("the write ended") << QList<Step>{connected, signedIn, writing, written} << "111111";
        QTest::newRow("signed out") << QList<Step>{signedIn, signedOut} << "000101";
        QTest::newRow("the status view offers the views") << QList<Step>{statusView} << "000111";
    }

    void followsTheSession()
    {
        QFETCH(QList<Step>, steps);
        QFETCH(QString, enabled);
        CommandAvailability commands;
        for (const QString &probe : kProbes)
            QVERIFY2(commands.controls().contains(probe), qPrintable(probe));
        QSignalSpy changed(&commands, &CommandAvailability::changed);
        for (const Step &step : steps)
            step(commands);
        QCOMPARE(enabledProbes(commands), enabled);
        QCOMPARE(changed.count(), steps.size());
    }
};

QTEST_GUILESS_MAIN(TestCommandAvailability)
#include "test_command_availability.moc"
