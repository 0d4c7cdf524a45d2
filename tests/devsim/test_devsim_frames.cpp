#include "Device.h"
#include "DeviceModel.h"
#include "Protocol.h"
#include "StatusFrames.h"
#include "TestDevice.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
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

DeviceConfig shippedConfig(const QString &file)
{
    const ConfigResult result = loadConfig(QDir(QStringLiteral(DEVSIM_CONFIGS)).filePath(file));
    if (!result.error.isEmpty())
        qFatal("%s", qPrintable(result.error));
    return result.config;
}

// A shipped description, the panel its type text names, its panel-state section (tag included;
// empty when there is none) and its list-changed notices as whole frames (empty when it sends none).
struct ShippedDevice
{
    const char *file;
    PanelFamily family;
    const char *state;
    const char *notice;
};

// Counts are decimal, flag bytes hexadecimal. Zone panels: AE/C5 zone bytes all have 0x80 (the
// zone exists); Cofem zone bytes are codes of the panel's table; Urano, Supra and Komttech carry
// the access code, then 12 zones of alarm, fault and mode and the general flags up to position 66.
constexpr const char *kAeSa = R"(^A2:\d+(\|\d+){3}:[^|:]*(\|[^|:]*){3}$)";
constexpr const char *kAeC5 = R"(^A3:[0-9A-F]{2}\|[0-9A-F]{2}\|[0-2]{7}\|([89A-F][0-9A-F]){16}$)";
constexpr const char *kBc = R"(^A4:[0-9A-F]{2}(\|\d+){7}$)";
constexpr const char *kCofem = R"(^A5:[0-2]{8}\|(00|12|8B|A7|A9){12}$)";
constexpr const char *kCofemA = R"(^A5:[0-2]{6}\|([0-9A-F]{6})*$)";
constexpr const char *kThreeCharacterZones = R"(^A6:\d{4}\|([0-2][01][0-2]){12}[01]{31}$)";
constexpr const char *kNineCounts = R"(^A7:[0-9A-F]{2}(\|\d+){9}$)";
constexpr const char *kBosch = R"(^A8:[0-9A-F]{2}(\|\d+){4}$)";
constexpr const char *kBcNotice = R"(^\{#C4:000[1-6]\}$)";
// Kind, type, address, loop, zone and text.
constexpr const char *kSyncroNotice = R"(^\{#C7:[1-9]\|[0-9A-F]{2}\|[0-9A-F]{2}\|\d+\|[0-9A-F]{2}\|[^|{}#]+\}$)";
// The event's own braces inside the frame's.
constexpr const char *kId3000Notice = R"(^\{#C7:\d{4}EVTDET\d{5}: \{eventText:TIPO  \d\d PUNT [^{}|#]+\}\}$)";

const ShippedDevice kShippedDevices[] = {
    {"standard.json", PanelFamily::None, "", ""},
    {"puertas.json", PanelFamily::Doors, "", ""},
    {"detnov.json", PanelFamily::Detnov, "", ""},
    {"aesa.json", PanelFamily::AeSa, kAeSa, ""},
    {"aec5.json", PanelFamily::AeC5, kAeC5, ""},
    {"bc600.json", PanelFamily::Bc600, kBc, kBcNotice},
    {"bc216.json", PanelFamily::Bc216, kBc, kBcNotice},
    {"cofem.json", PanelFamily::Cofem, kCofem, ""},
    {"cofema.json", PanelFamily::CofemA, kCofemA, ""},
    {"urano.json", PanelFamily::Urano, kThreeCharacterZones, ""},
    {"supra.json", PanelFamily::Supra, kThreeCharacterZones, ""},
    {"komttech.json", PanelFamily::Komttech, kThreeCharacterZones, ""},
    {"syncro.json", PanelFamily::Syncro, kNineCounts, kSyncroNotice},
    {"ad300.json", PanelFamily::Ad300, kNineCounts, kSyncroNotice},
    {"id3000.json", PanelFamily::Id3000, kNineCounts, kId3000Notice},
    {"bosch.json", PanelFamily::Bosch, kBosch, ""},
};

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

    void shippedDevicesStreamTheirPanel_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("notice");
        for (const ShippedDevice &device : kShippedDevices)
            QTest::newRow(device.file) << device.file << device.state << device.notice;
    }
    // The first status frame already carries the panel's state; over a session the state changes
    // and every list-changed notice keeps the layout the tool splits.
    void shippedDevicesStreamTheirPanel()
    {
        QFETCH(QString, file);
        QFETCH(QString, state);
        QFETCH(QString, notice);
        const DeviceConfig config = shippedConfig(file);
        const QRegularExpression statePattern(state);
        const QRegularExpression noticePattern(notice);
        const auto checkState = [&](const QString &frame) {
            const QString section = sectionWithTag(sections(frame), QStringLiteral("A"));
            return state.isEmpty() ? section.isEmpty() : statePattern.match(section).hasMatch();
        };

        Device device(config, {}, 1);
        QSignalSpy lines(&device, &Device::lineReady);
        device.receive("\rqz+INf\r");
        QString first;
        for (const QList<QVariant> &line : std::as_const(lines)) {
            const QString text = QString::fromLatin1(line.first().toByteArray()).chopped(1);
            if (text.startsWith(QLatin1String("{#0"))) {
                first = text;
                break;
            }
        }
        QVERIFY(!first.isEmpty());
        QVERIFY2(checkState(first), qPrintable(first));

        DeviceModel model(config, {}, 3);
        QSet<QString> states;
        int notices = 0;
        for (int i = 0; i < kTicks; ++i) {
            model.simulation.tick();
            for (const QString &event : model.simulation.takeEvents()) {
                if (!event.startsWith(u'C'))
                    continue;
                ++notices;
                QVERIFY2(!notice.isEmpty() && noticePattern.match(eventFrame(event)).hasMatch(), qPrintable(event));
            }
            const QString frame = statusFrame(model.simulation, model.store, model.identity);
            QVERIFY2(checkState(frame), qPrintable(frame));
            states << sectionWithTag(sections(frame), QStringLiteral("A"));
        }
        QCOMPARE(states.size() > 1, !state.isEmpty());
        QCOMPARE(notices > 0, !notice.isEmpty());
    }

    // Each description names the panel it is for, and has an identifier of its own.
    void everyShippedDescriptionIsListed()
    {
        QStringList listed;
        QMap<QString, QString> owners; // identifier -> file
        for (const ShippedDevice &device : kShippedDevices) {
            const DeviceConfig config = shippedConfig(QString::fromLatin1(device.file));
            QCOMPARE(panelFamily(config.parameters.value(QStringLiteral("1590"))), device.family);
            const QString identifier = config.identity.identifier;
            QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-F]{16}$")).match(identifier).hasMatch(), device.file);
            QVERIFY2(!owners.contains(identifier), qPrintable(identifier + u' ' + owners.value(identifier)));
            owners.insert(identifier, QString::fromLatin1(device.file));
            listed << QString::fromLatin1(device.file);
        }
        listed.sort();
        QCOMPARE(QDir(QStringLiteral(DEVSIM_CONFIGS)).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name),
                 listed);
    }

    void panelOrders_data()
    {
        QTest::addColumn<QStringList>("orders");
        // What is left after the orders, given an alarm with the buzzer and the sirens sounding.
        QTest::addColumn<QString>("expected");
        // Zone 1's test and disablement are toggled, so the words say whether they changed.
        QTest::newRow("Rearme") << QStringList{"Rearme"} << "alarm:0 buzzer:0 sirens:0 test:same disabled:same";
        QTest::newRow("Reset") << QStringList{"Reset"} << "alarm:0 buzzer:0 sirens:0 test:same disabled:same";
        QTest::newRow("Repos") << QStringList{"Repos"} << "alarm:0 buzzer:0 sirens:0 test:same disabled:same";
        QTest::newRow("Silenbuz") << QStringList{"Silenbuz"} << "alarm:1 buzzer:0 sirens:1 test:same disabled:same";
        QTest::newRow("Silensir") << QStringList{"Silensir"} << "alarm:1 buzzer:1 sirens:0 test:same disabled:same";
        QTest::newRow("Sirena after a reset")
            << QStringList{"Repos", "Sirena"} << "alarm:0 buzzer:0 sirens:1 test:same disabled:same";
        QTest::newRow("Test") << QStringList{"Test"} << "alarm:1 buzzer:1 sirens:1 test:toggled disabled:same";
        QTest::newRow("Test twice") << QStringList{"Test", "Test"}
                                    << "alarm:1 buzzer:1 sirens:1 test:same disabled:same";
        QTest::newRow("Connex") << QStringList{"Connex"} << "alarm:1 buzzer:1 sirens:1 test:same disabled:toggled";
        QTest::newRow("unknown order") << QStringList{"Nada"} << "alarm:1 buzzer:1 sirens:1 test:same disabled:same";
    }
    // Orders act on every panel with zones alike, and the device reports each one.
    void panelOrders()
    {
        QFETCH(QStringList, orders);
        QFETCH(QString, expected);
        for (const ShippedDevice &device : kShippedDevices) {
            if (QString::fromLatin1(device.state).isEmpty())
                continue;
            DeviceModel model(shippedConfig(QString::fromLatin1(device.file)), {}, 5);
            Protocol protocol(model);
            const PanelModel &panel = model.simulation.panelView().panel;
            for (int i = 0; i < 5000 && panel.count(Condition::Alarm) == 0; ++i)
                model.simulation.tick();
            QVERIFY2(panel.count(Condition::Alarm) > 0, device.file);
            const bool test = panel.has(1, Condition::Test);
            const bool disabled = panel.has(1, Condition::Disabled);
            model.simulation.takeEvents();
            QStringList reported;
            for (const QString &order : orders) {
                protocol.receive("\rqz+ord=" + order.toLatin1() + '\r');
                reported << QStringLiteral("8721:") + order;
            }
            const auto word = [](bool changed) { return changed ? QStringLiteral("toggled") : QStringLiteral("same"); };
            const QString left = QStringLiteral("alarm:%1 buzzer:%2 sirens:%3 test:%4 disabled:%5")
                                     .arg(int(panel.count(Condition::Alarm) > 0))
                                     .arg(int(panel.buzzer()))
                                     .arg(int(panel.sirens()))
                                     .arg(word(panel.has(1, Condition::Test) != test),
                                          word(panel.has(1, Condition::Disabled) != disabled));
            QCOMPARE(QString::fromLatin1(device.file) + u' ' + left, QString::fromLatin1(device.file) + u' ' + expected);
            const QStringList events = model.simulation.takeEvents().filter(QStringLiteral("8721:"));
            QCOMPARE(events, reported);
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
