#include "Device.h"
#include "DeviceModel.h"
#include "Protocol.h"
#include "StatusFrames.h"
#include "TestDevice.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace quelta::devsim;
using namespace quelta::devsim::test;

namespace {

constexpr int kTicks = 600;

DeviceConfig withPanel(const QString &panel)
{
    DeviceConfig config = testDevice();
    config.parameters.insert(QStringLiteral("1590"), panel);
    return config;
}

// The sections of a frame "{#a#b}", as the tool splits them.
QStringList sections(const QString &frame)
{
    Q_ASSERT(frame.startsWith(QLatin1String("{#")) && frame.endsWith(u'}'));
    return frame.mid(2, frame.size() - 3).split(u'#');
}

QString sectionWithTag(const QStringList &sections, const QString &tag)
{
    for (const QString &section : sections) {
        if (section.startsWith(tag))
            return section;
    }
    return {};
}

} // namespace

class TestDevsimFrames : public QObject
{
    Q_OBJECT

private slots:
    void statusSectionHasTheLayoutTheToolReads()
    {
        DeviceModel model(testDevice(), {}, 7);
        for (int i = 0; i < kTicks; ++i) {
            model.simulation.tick();
            const QStringList parts = sections(statusFrame(model.simulation, model.store, model.identity));
            QVERIFY(QRegularExpression(QStringLiteral("^0\\d{12}[1-7][+-]\\d\\d$")).match(parts.at(0)).hasMatch());
            const QStringList fields = parts.at(1).mid(1).split(u'|');
            QCOMPARE(fields.size(), 8);
            QVERIFY(QRegularExpression(QStringLiteral("^[01]{16}$")).match(fields.at(0)).hasMatch());
            QVERIFY(QRegularExpression(QStringLiteral("^[01]{4}$")).match(fields.at(1)).hasMatch());
            // The test device has no E/S part fitted.
            QVERIFY(QRegularExpression(QStringLiteral("^[0-6][0-6][0-3]F$")).match(fields.at(2)).hasMatch());
            for (int gauge : {4, 5})
                QVERIFY(QRegularExpression(QStringLiteral("^[01](:[0-9A-F]{2}){3}$")).match(fields.at(gauge)).hasMatch());
        }
    }

    void identityFrameNamesTheDevice()
    {
        DeviceModel model(testDevice(), {}, 1);
        const QStringList parts = sections(identityFrame(model.simulation, model.store, model.identity));
        QCOMPARE(parts.at(0), QStringLiteral("1Acme|P\u00e9rez||0123456789ABCDEF::|BC600"));
        QCOMPARE(parts.at(1).mid(1).split(u'|').size(), 16);
        QVERIFY(parts.at(1).startsWith(QLatin1String("3Entrada 1|Entrada 2|Entrada 3|")));
        QCOMPARE(parts.at(2).mid(1).split(u'|').size(), 4);
    }

    void panelStateSections_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("layout"); // the section, tag included; empty when there is none
        const QString nineCounts = QStringLiteral("^A7:[0-9A-F]{2}(\\|\\d+){9}$");
        const QString threeCharacterZones = QStringLiteral("^A6:\\d{4}\\|[0-2]{36}[01]{31}$");
        QTest::newRow("AE/SA") << "AE/SA" << "^A2:\\d+\\|\\d+\\|\\d+\\|\\d+:[^|]*\\|[^|]*\\|[^|]*\\|[^|]*$";
        QTest::newRow("AGE") << "AGE 44" << "^A2:";
        QTest::newRow("AE/C5") << "AE/C5" << "^A3:[0-9A-F]{2}\\|[0-9A-F]{2}\\|[0-2]{7}\\|[0-9A-F]{32}$";
        QTest::newRow("BC600") << "BC600" << "^A4:[0-9A-F]{2}(\\|\\d+){7}$";
        QTest::newRow("BC216") << "BC216" << "^A4:[0-9A-F]{2}(\\|\\d+){7}$";
        QTest::newRow("Cofem") << "Cofem CLVR" << "^A5:[0-2]{8}\\|[0-9A-F]{24}$";
        QTest::newRow("Cofem-A") << "Cofem-A" << "^A5:[0-2]{6}\\|([0-9A-F]{6})*$";
        QTest::newRow("Urano") << "Urano" << threeCharacterZones;
        QTest::newRow("Supra") << "Supra" << threeCharacterZones;
        QTest::newRow("Komttech") << "Komttech" << threeCharacterZones;
        QTest::newRow("Syncro") << "Syncro" << nineCounts;
        QTest::newRow("AD300") << "AD300" << nineCounts;
        QTest::newRow("ID3000") << "ID3000" << nineCounts;
        QTest::newRow("Bosch") << "Bosch Avenar" << "^A8:[0-9A-F]{2}(\\|\\d+){4}$";
        QTest::newRow("doors") << "Puertas" << QString();
        QTest::newRow("no panel") << "" << QString();
    }
    void panelStateSections()
    {
        QFETCH(QString, panel);
        QFETCH(QString, layout);
        DeviceModel model(withPanel(panel), {}, 3);
        const QRegularExpression pattern(layout);
        for (int i = 0; i < kTicks; ++i) {
            model.simulation.tick();
            model.simulation.takeEvents();
            const QString section = sectionWithTag(sections(statusFrame(model.simulation, model.store, model.identity)),
                                                   QStringLiteral("A"));
            if (layout.isEmpty())
                QVERIFY2(section.isEmpty(), qPrintable(section));
            else
                QVERIFY2(pattern.match(section).hasMatch(), qPrintable(section));
        }
    }

    // The tool shows the counters and the lists side by side; they must agree.
    void aguileraCountersMatchTheirLists()
    {
        DeviceModel model(withPanel(QStringLiteral("AE/SA")), {}, 5);
        int busiest = 0;
        for (int i = 0; i < 3000; ++i) {
            model.simulation.tick();
            model.simulation.takeEvents();
            const QString section = sectionWithTag(sections(statusFrame(model.simulation, model.store, model.identity)),
                                                   QStringLiteral("A2:"));
            const QStringList counters = section.mid(3).section(u':', 0, 0).split(u'|');
            const QStringList lists = section.mid(3).section(u':', 1).split(u'|');
            for (int kind = 0; kind < 4; ++kind) {
                const int entries = lists.at(kind).isEmpty() ? 0 : static_cast<int>(lists.at(kind).split(u';').size());
                QCOMPARE(counters.at(kind).toInt(), entries);
                busiest = std::max(busiest, entries);
            }
        }
        QVERIFY(busiest > 0);
    }

    // The screen has something to show over a session: the ADSL link drops and comes back, the
    // routine reports arrive.
    void linksDropAndRecover()
    {
        DeviceModel model(testDevice(), {}, 11);
        QStringList events;
        QString adslStates;
        for (int i = 0; i < 5000; ++i) {
            model.simulation.tick();
            events += model.simulation.takeEvents();
            adslStates += model.simulation.links().at(1);
        }
        const qsizetype down = events.indexOf(QStringLiteral("8511:ADSL: LinkDown"));
        QVERIFY(down >= 0);
        QVERIFY(events.indexOf(QStringLiteral("8512:ADSL: LinkUp"), down) > down);
        QVERIFY(adslStates.contains(QLatin1String("12345")));
        QVERIFY(events.contains(QStringLiteral("8261:Server time updated")));
        const qsizetype test = events.indexOf(QStringLiteral("8209:Periodic test"));
        QVERIFY(test >= 0);
        QVERIFY(events.indexOf(QRegularExpression(QStringLiteral("(8527|8465):.*")), test) > test);
    }

    void outputCommandShowsInTheNextFrame()
    {
        DeviceModel model(testDevice(), {}, 1);
        Protocol protocol(model);
        protocol.receive("\rqz+sor=.1.1\r\rqz+sor=...0\r");
        QCOMPARE(model.simulation.outputs(), QStringLiteral("0100"));
        QCOMPARE(model.simulation.takeEvents(), QStringList({"8623:Output triggered: 2", "8623:Output triggered: 4",
                                                              "8624:Output restored: 4"}));
    }

    void doorsOpenAndCloseByThemselves()
    {
        DeviceConfig config = withPanel(QStringLiteral("Puertas"));
        config.parameters.insert(QStringLiteral("4041"), QStringLiteral("1;1;1")); // seconds; frames every 50 ms
        DeviceModel model(config, {}, 1);
        Protocol protocol(model);
        protocol.receive("\rqz+Obrir2\r");
        const QRegularExpression doorWord(QStringLiteral("^(Obrint|Obert|Tancant|Tancat)\\d$"));
        QStringList doorWords;
        for (int i = 0; i < 100; ++i) {
            for (const QString &event : model.simulation.takeEvents()) {
                if (doorWord.match(event).hasMatch())
                    doorWords << event;
            }
            model.simulation.tick();
        }
        QCOMPARE(doorWords, QStringList({"Obrint2", "Obert2", "Tancant2", "Tancat2"}));
    }

    void framesFlowOnlyWhileTheStreamIsOn()
    {
        Device device(testDevice(), {}, 1);
        QSignalSpy lines(&device, &Device::lineReady);
        QTest::qWait(200);
        QVERIFY(lines.isEmpty());
        device.receive("\rqz+INf\r");
        QVERIFY(lines.wait(1000));
        QCOMPARE(lines.first().first().toByteArray(), QByteArray("+Inf:Ena\r"));
        QTRY_VERIFY(lines.size() >= 4);
        device.receive("\rqz+inf\r");
        const qsizetype afterStop = lines.size();
        QTest::qWait(200);
        QCOMPARE(lines.size(), afterStop);
        QCOMPARE(lines.last().first().toByteArray(), QByteArray("+inf:Dis\r"));
    }

    void restartGoesQuietThenReportsTheStart()
    {
        Device device(testDevice(), {}, 1);
        device.receive("\rqz+INf\r");
        QSignalSpy lines(&device, &Device::lineReady);
        device.receive("\rqz+rst\r");
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().first().toByteArray(), QByteArray("{#8100:Software reset generated}\r"));
        device.receive("\rqz+ver\r");
        QTest::qWait(Device::kRestartSilenceMs / 2);
        QCOMPARE(lines.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(lines.size() > 1, Device::kRestartSilenceMs * 2);
        QCOMPARE(lines.at(1).first().toByteArray(), QByteArray("{#8001:System start}\r"));
    }
};

QTEST_GUILESS_MAIN(TestDevsimFrames)
#include "test_devsim_frames.moc"
