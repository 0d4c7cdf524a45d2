#include "core/base/DiagnosticTrace.h"
#include "core/link/ReplyDispatcher.h"

#include <QSignalSpy>
#include <QTest>

#include <optional>

using namespace quelta;

Q_DECLARE_METATYPE(quelta::ReplyKind)
Q_DECLARE_METATYPE(quelta::ReplyPath)

class TestReplyDispatcher : public QObject
{
    Q_OBJECT

private slots:
    void classifies_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("espero");
        QTest::addColumn<QString>("puntercamp");
        QTest::addColumn<bool>("inf");
        QTest::addColumn<quelta::ReplyPath>("path");
        QTest::addColumn<quelta::ReplyKind>("kind");
        const auto S = ReplyPath::Serial;
        const auto R = ReplyPath::Remote;
        QTest::newRow("lock wins over stream on") << "+Inf:Protect:Protect\r" << "" << "" << true << S << ReplyKind::Lock;
        QTest::newRow("update relay") << "+Ublk:0012\r" << "" << "" << true << S << ReplyKind::UpdateRelay;
        QTest::newRow("ver") << "+ver:Quelta_v8.7.12,12345678,BC600\r" << "+ver" << "" << true << S << ReplyKind::Identification;
        QTest::newRow("vEr") << "+vEr:Quelta_v8.7.12,12345678,HW3,1111\r" << "" << "" << true << S << ReplyKind::Identification;
        QTest::newRow("stream on") << "+Inf:Ena\r" << "" << "" << false << S << ReplyKind::StreamOn;
        QTest::newRow("INf only counts remotely") << "+INf:Ena\r" << "" << "" << false << S << ReplyKind::Ignored;
        QTest::newRow("INf remote") << "+INf:Ena\r" << "" << "" << false << R << ReplyKind::StreamOn;
        QTest::newRow("operators") << "+8501:Movistar,movistar.es,M,M\r" << "+85xx" << "" << true << S << ReplyKind::Operators;
        QTest::newRow("initialised") << "+Xxxx:Initialized\r" << "" << "" << true << S << ReplyKind::Initialised;
        QTest::newRow("erased ends the erase phase") << "+3001:Erased\r" << "" << "" << true << S << ReplyKind::Erased;
        QTest::newRow("block erase completes its request") << "+96xx:Erased\r" << "+96xx" << "" << true << S << ReplyKind::AwaitedReply;
        QTest::newRow("wildcard beats espero") << "+9101:Zona 1\r" << "+0102" << "xxx" << true << S << ReplyKind::WildcardLine;
        QTest::newRow("wildcard end") << "+9xxx:Ok\r" << "" << "xxx" << true << S << ReplyKind::WildcardLine;
        QTest::newRow("awaited") << "+0102:Oficina\r" << "+0102" << "" << true << S << ReplyKind::AwaitedReply;
        QTest::newRow("another code is not awaited") << "+0103:x\r" << "+0102" << "" << false << S << ReplyKind::Ignored;
        QTest::newRow("frame while stream on") << "{#0:0101}" << "" << "" << true << S << ReplyKind::StatusFrame;
        QTest::newRow("frame while stream off") << "{#0:0101}" << "" << "" << false << S << ReplyKind::Ignored;
    }
    void classifies()
    {
        QFETCH(QString, line);
        QFETCH(QString, espero);
        QFETCH(QString, puntercamp);
        QFETCH(bool, inf);
        QFETCH(quelta::ReplyPath, path);
        QFETCH(quelta::ReplyKind, kind);
        LinkState link;
        link.espero = espero;
        link.puntercamp = puntercamp;
        link.inf = inf;
        QCOMPARE(classifyReply(line, link, path), kind);

        // Received, the line reaches the listeners with its class, before it is handled.
        DiagnosticTrace trace;
        ReplyDispatcher dispatcher(link, trace);
        std::optional<ReplyLine> received;
        connect(&dispatcher, &ReplyDispatcher::lineReceived, this, [&received, &link](const ReplyLine &heard) {
            QVERIFY(link.StrCom.isEmpty());
            received = heard;
        });
        if (path == ReplyPath::Serial)
            dispatcher.ComPortRxChar(line.toLatin1());
        else
            dispatcher.RebutIP(line);
        QVERIFY(received);
        QCOMPARE(received->text, line);
        QCOMPARE(received->kind, kind);
        QCOMPARE(received->path, path);
    }

    // Capture starts at "+" or "{"; what comes before on the line is only mirrored.
    void capturesFromThePlusAndWakesTheEngine()
    {
        LinkState link;
        DiagnosticTrace trace;
        ReplyDispatcher dispatcher(link, trace);
        link.espero = QStringLiteral("+0102");
        QSignalSpy write(&dispatcher, &ReplyDispatcher::wakeWriteEngine);
        dispatcher.ComPortRxChar("abc+01");
        QCOMPARE(write.count(), 0);
        dispatcher.ComPortRxChar("02:xyz\r");
        QCOMPARE(write.count(), 1);
        QCOMPARE(link.StrCom, QStringLiteral("+0102:xyz\r"));
        QCOMPARE(link.tempsllegir, 100);
        QCOMPARE(link.vegades_espero, 6);
        QCOMPARE(link.tempsRX, 2);
    }

    void aFrameEndsAtItsBrace()
    {
        LinkState link;
        link.inf = true;
        DiagnosticTrace trace;
        ReplyDispatcher dispatcher(link, trace);
        QSignalSpy frames(&dispatcher, &ReplyDispatcher::statusFrame);
        // An event text in braces inside the frame does not end it.
        dispatcher.ComPortRxChar("{#0:1010#1:x}{#C7:0001EVTDET01001: {eventText:TIPO  03 PUNT Z}#A7:00|1}{#0:0101}");
        QCOMPARE(frames.count(), 3);
        QCOMPARE(frames.at(0).at(0).toString(), QStringLiteral("{#0:1010#1:x}"));
        QCOMPARE(frames.at(1).at(0).toString(),
                 QStringLiteral("{#C7:0001EVTDET01001: {eventText:TIPO  03 PUNT Z}#A7:00|1}"));
        QCOMPARE(link.StrCom, QStringLiteral("{#0:0101}"));
    }

    void theBufferIsBounded()
    {
        LinkState link;
        link.espero = QStringLiteral("+0102");
        DiagnosticTrace trace;
        ReplyDispatcher dispatcher(link, trace);
        dispatcher.ComPortRxChar("+0102:" + QByteArray(30000, 'z') + "\r");
        QCOMPARE(link.StrCom.size(), ReplyDispatcher::kBufferSize);
    }

    void remoteMessagesSplitIntoLines()
    {
        LinkState link;
        link.espero = QStringLiteral("+0102");
        link.inf = true;
        DiagnosticTrace trace;
        ReplyDispatcher dispatcher(link, trace);
        QSignalSpy write(&dispatcher, &ReplyDispatcher::wakeWriteEngine);
        QSignalSpy supervision(&dispatcher, &ReplyDispatcher::versionReplyArrived);
        QSignalSpy remote(&dispatcher, &ReplyDispatcher::remoteLineArrived);

        dispatcher.RebutIP(QStringLiteral("+0102:abc"));
        QCOMPARE(write.count(), 1);
        QCOMPARE(link.StrCom, QStringLiteral("+0102:abc\r"));
        QCOMPARE(link.vegades_espero, 10);

        dispatcher.RebutIP(QStringLiteral("+vEr:Quelta_v8.7.12,1,HW,1111\r+INf:Ena\r"));
        QCOMPARE(supervision.count(), 1);
        QCOMPARE(remote.count(), 3);
        QCOMPARE(link.tempsllegir, 1); // the stream-on line came last
        QVERIFY(link.inf);
    }

    void remoteLockDropsTheWholeMessage()
    {
        LinkState link;
        link.inf = false;
        DiagnosticTrace trace;
        ReplyDispatcher dispatcher(link, trace);
        QSignalSpy remote(&dispatcher, &ReplyDispatcher::remoteLineArrived);
        dispatcher.RebutIP(QStringLiteral("+Inf:Ena\r+0111:Protect\r"));
        QVERIFY(link.protegit);
        QVERIFY(!link.inf);
        QCOMPARE(remote.count(), 0);
    }

    void updateLinesReachTheServerOnlyDuringAnUpdate_data()
    {
        QTest::addColumn<int>("tempsActu");
        QTest::addColumn<bool>("remote");
        QTest::addColumn<QStringList>("relayed");
        QTest::newRow("no update") << 0 << false << QStringList();
        QTest::newRow("serial keeps the CR") << 5 << false << QStringList{"+Ublk:1\r"};
        QTest::newRow("remote drops the CR") << 5 << true << QStringList{"+Ublk:1"};
    }
    void updateLinesReachTheServerOnlyDuringAnUpdate()
    {
        QFETCH(int, tempsActu);
        QFETCH(bool, remote);
        QFETCH(QStringList, relayed);
        LinkState link;
        link.tempsActu = tempsActu;
        DiagnosticTrace trace;
        ReplyDispatcher dispatcher(link, trace);
        QStringList got;
        connect(&dispatcher, &ReplyDispatcher::updateRelayLine, this, [&](const QString &text) { got << text; });
        if (remote)
            dispatcher.RebutIP(QStringLiteral("xx+Ublk:1\r"));
        else
            dispatcher.ComPortRxChar("xx+Ublk:1\r");
        QCOMPARE(got, relayed);
        QCOMPARE(link.tempsActu, relayed.isEmpty() ? 0 : 300);
    }

    void consoleMirrorColours_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("colour");
        QTest::newRow("info line") << QByteArray("+in8001:Inicio\r") << "ComPortRx --> : 8001:Inicio\r" << int(TraceColour::Blue);
        QTest::newRow("reply") << QByteArray("xx+0102:a\r") << "ComPortRx --> : +0102:a\r" << int(TraceColour::Magenta);
        QTest::newRow("noise") << QByteArray("OK\r") << "ComPortRx --> : OK\r" << int(TraceColour::DarkRed);
    }
    void consoleMirrorColours()
    {
        QFETCH(QByteArray, received);
        QFETCH(QString, shown);
        QFETCH(int, colour);
        LinkState link;
        DiagnosticTrace trace;
        ReplyDispatcher dispatcher(link, trace);
        QList<std::pair<QString, TraceColour>> lines;
        connect(&trace, &DiagnosticTrace::lineAdded, this,
                [&](const QString &line, TraceColour c) { lines.append({line.mid(line.indexOf(' ') + 1), c}); });
        dispatcher.ComPortRxChar(received);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.first().first, shown.chopped(1));
        QCOMPARE(int(lines.first().second), colour);
    }
};

QTEST_GUILESS_MAIN(TestReplyDispatcher)
#include "test_reply_dispatcher.moc"
