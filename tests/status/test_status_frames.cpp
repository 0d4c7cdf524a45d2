#include "core/link/ReplyDispatcher.h"

#include "StatusFixture.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using test::colourName;
using test::StatusFixture;

namespace {

QString boxText(const IoBox &box)
{
    return colourName(box.background) + QLatin1Char('/') + colourName(box.text);
}

QString linkBoxText(const LinkBox &box)
{
    return box.line + QStringLiteral(" [") + colourName(box.background) + QLatin1Char('/') + colourName(box.font)
        + (box.bold ? QStringLiteral(" bold]") : QStringLiteral("]"));
}

QString gaugeText(const Gauge &gauge)
{
    return QStringLiteral("%1 %2 %3 | %4 %5 %6 | %7 %8 %9")
        .arg(gauge.position)
        .arg(colourName(gauge.bar), gauge.voltage)
        .arg(gauge.restoreMarker)
        .arg(gauge.restoreLabelLeft)
        .arg(gauge.restoreLabel)
        .arg(gauge.triggerMarker)
        .arg(gauge.triggerLabelLeft)
        .arg(gauge.triggerLabel);
}

// The piece of state a row of the frame table looks at.
QString probe(const StatusFixture &f, const QString &what)
{
    const StatusScreen &s = f.screen;
    static const QRegularExpression box(QStringLiteral("^(EE|ES)(\\d+)( caption)?$"));
    if (const QRegularExpressionMatch m = box.match(what); m.hasMatch()) {
        const IoBox &b = m.captured(1) == QLatin1String("EE") ? s.input(m.captured(2).toInt()) : s.output(m.captured(2).toInt());
        return m.captured(3).isEmpty() ? boxText(b) : b.caption;
    }
    if (what == QLatin1String("outputs"))
        return QStringList{s.output(1).caption, s.output(2).caption, s.output(3).caption, s.output(4).caption}.join(u'|');
    if (what == QLatin1String("REGPRS"))
        return linkBoxText(s.linkBox(LinkBoxId::Gprs));
    if (what == QLatin1String("READSL"))
        return linkBoxText(s.linkBox(LinkBoxId::Adsl));
    if (what == QLatin1String("RECOM"))
        return linkBoxText(s.linkBox(LinkBoxId::Com));
    if (what == QLatin1String("covers"))
        return QStringLiteral("%1 %2 %3").arg(s.PESActivadesVisible()).arg(s.PEntradesNoDisp().text, s.PSortidesNoDisp().text);
    if (what == QLatin1String("MDataHora"))
        return s.MDataHora();
    if (what == QLatin1String("zone"))
        return QString::number(s.zonaHoraria()) + QLatin1Char(' ') + s.strZonaHoraria();
    if (what == QLatin1String("REEmpresa"))
        return s.textBox(TextBoxId::Empresa).lines.join(u'\n');
    if (what == QLatin1String("REEmpresa2"))
        return s.textBox(TextBoxId::Empresa2).lines.join(u'\n');
    if (what == QLatin1String("REGSM"))
        return s.textBox(TextBoxId::Gsm).lines.join(u'\n');
    if (what == QLatin1String("identity"))
        return QStringList{f.link.identConnectar, f.link.imei, f.link.refmap, s.LRef(), f.link.central}.join(u' ');
    if (what == QLatin1String("tamper"))
        return gaugeText(s.GTamper());
    if (what == QLatin1String("power"))
        return gaugeText(s.GAlimentacio());
    if (what == QLatin1String("map"))
        return s.ECoordenadesMapa();
    if (what == QLatin1String("PBotoNom"))
        return QStringList{f.doors.door(1).name, f.doors.door(2).name, f.doors.door(3).name, f.doors.door(4).name}.join(u'|');
    qFatal("unknown probe %s", qPrintable(what));
}

const QString kIoFrame = QStringLiteral(
    "{#21000000000000001|1|6500|20:41.38,2.16|1:64:BE:3C|0:64:B0:C0|1830,5120|75}");

} // namespace

class TestStatusFrames : public QObject
{
    Q_OBJECT

private slots:
    void decodesSections_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("expected");
        const QString date = QStringLiteral("{#01012251430003+01}");
        QTest::newRow("date") << date << "MDataHora" << "Fecha: 10/12/25     Hora: 14:30";
        QTest::newRow("zone +01") << date << "zone" << "1 Europe/Paris";
        QTest::newRow("zone -03") << "{#01012251430003-03}" << "zone" << "-3 America/Punta_Arenas";
        QTest::newRow("zone not a number") << "{#01012251430003xyz}" << "zone" << "1 Europe/Paris";

        const QString company = QStringLiteral("{#1Acme|P\u00e9rez|REF-7|0123ABCD:866123:600|BC600}");
        QTest::newRow("company lines") << company << "REEmpresa"
                                       << "Empresa: \tAcme\nInstalador: \tP\u00e9rez\nReferencia: \tREF-7";
        QTest::newRow("identity") << company << "identity" << "0123ABCD 866123 REF-7 REF-7 BC600";
        QTest::newRow("identity lines") << company << "REEmpresa2"
                                        << "Identificador: \t0123ABCD\nFirmware: \t\nHardware: \t";
        QTest::newRow("IMEI needs a third part") << "{#1A|B|C|0123ABCD:866123|BC600}" << "identity"
                                                 << "0123ABCD  C C BC600";

        QTest::newRow("input on") << kIoFrame << "EE1" << "red/white";
        QTest::newRow("input off") << kIoFrame << "EE2" << "green/white";
        QTest::newRow("input 16") << kIoFrame << "EE16" << "red/white";
        QTest::newRow("one output character: output 1") << kIoFrame << "ES1" << "red/white";
        QTest::newRow("one output character: output 2") << kIoFrame << "ES2" << "inactiveCaption/windowText";
        QTest::newRow("GPRS") << kIoFrame << "REGPRS" << " GPRS: CONECTADO A RECEPTORA [lime/black]";
        QTest::newRow("ADSL") << kIoFrame << "READSL" << " ADSL: CONECTADO A INTERNET [green/white]";
        QTest::newRow("COM off") << kIoFrame << "RECOM" << " COM: DESACTIVADO [silver/black bold]";
        QTest::newRow("E/S off") << kIoFrame << "covers" << "0 DESACTIVADO DESACTIVADO";
        QTest::newRow("coverage") << kIoFrame << "REGSM" << "\n\n\n\n   Cobertura:   62 %       1830 Kbytes / 75 min";
        QTest::newRow("coverage without volume") << "{#2|||31:|||}" << "REGSM" << "\n\n\n\n   Cobertura:   96 % ";
        QTest::newRow("coverage beyond the modem's 99") << "{#2|||99999999:}" << "REGSM" << "\n\n\n\n   Cobertura:   309 % ";
        QTest::newRow("position") << kIoFrame << "map" << "41.38,2.16";
        QTest::newRow("tamper") << kIoFrame << "tamper" << "100 lime  | 35 25 23% | 111 101 74%";
        QTest::newRow("power") << kIoFrame << "power" << "12 red 12.3 V | 115 85 I: 23.2V | 105 95 B: 21.3V";
        QTest::newRow("stray hex character") << "{#2||||1:6G:BE:3C}" << "tamper" << "0 lime  | 35 25 23% | 111 101 74%";

        QTest::newRow("input names") << "{#3Puerta|Ventana}" << "EE2 caption" << "Ventana";
        QTest::newRow("three output names") << "{#4a|b|c}" << "outputs" << "|||";
        QTest::newRow("four output names") << "{#4a|b|c|d}" << "outputs" << "a|b|c|d";
        QTest::newRow("five output names") << "{#4x|a|b|c|d}" << "outputs" << "a|b|c|d";

        QTest::newRow("GSM module") << "{#1A|B|C|ID:866:1|X#58934:Movistar:SIM7600E:LE20}" << "REGSM"
                                    << "M\u00f3dulo GSM:  SIM7600E  ver.LE20\n   Operadora: \tMovistar\n   Imei: \t866\n"
                                       "   SIM: \t8934\n";
        QTest::newRow("GSM module without model") << "{#58934:Movistar::LE20}" << "REGSM"
                                                  << "M\u00f3dulo GSM:  \n   Operadora: \tMovistar\n   Imei: \t\n"
                                                     "   SIM: \t8934\n";
        QTest::newRow("door names") << "{#A1:Entrada|Garaje|Patio|Oficina}" << "PBotoNom"
                                    << "Entrada|Garaje|Patio|Oficina";
    }
    void decodesSections()
    {
        QFETCH(QString, frame);
        QFETCH(QString, what);
        QFETCH(QString, expected);
        StatusFixture f;
        f.frame(frame);
        QCOMPARE(probe(f, what), expected);
        QVERIFY(f.link.StrCom.isEmpty());
    }

    void incompleteFramesAndOtherTagsChangeNothing()
    {
        StatusFixture f;
        f.frame(QStringLiteral("{#01012251430003+01"));
        QCOMPARE(f.screen.MDataHora(), StatusScreen::kNoDate);
        QCOMPARE(f.link.StrCom, QStringLiteral("{#01012251430003+01")); // not a frame: left alone

        f.frame(QStringLiteral("{#X1|2#Z#\r}"));
        QVERIFY(f.log.lines().isEmpty());
        QCOMPARE(probe(f, QStringLiteral("REGPRS")), QStringLiteral(" [window/blue]"));
        QVERIFY(f.link.StrCom.isEmpty());
    }

    // Frames reach the decoder through the dispatcher only while the stream is on.
    void framesNeedTheStream()
    {
        StatusFixture f;
        ReplyDispatcher dispatcher(f.link, f.trace);
        connect(&dispatcher, &ReplyDispatcher::statusFrame, &f.decoder, &StatusFrameDecoder::Llegir_In);
        f.link.inf = false;
        dispatcher.ComPortRxChar("{#01012251430003+01}");
        QCOMPARE(f.screen.MDataHora(), StatusScreen::kNoDate);
        f.link.inf = true;
        dispatcher.ComPortRxChar("{#01012251430003+01}");
        QCOMPARE(f.screen.MDataHora(), QStringLiteral("Fecha: 10/12/25     Hora: 14:30"));
        QCOMPARE(f.link.tempsllegir, 100);
    }

    void panelSectionsGoToThePanelScreens()
    {
        StatusFixture f;
        QSignalSpy traced(&f.trace, &DiagnosticTrace::lineAdded);
        f.frame(QStringLiteral("{#A4:00|1|0|0|2|0|0|1}"));
        QCOMPARE(traced.size(), 1); // no panel screens yet: the trace has it
        QVERIFY(traced.first().first().toString().contains(QLatin1String("A4:00|1|0|0|2|0|0|1")));

        test::RecordedPanelSections panels;
        f.decoder.setPanelSections(&panels);
        f.frame(QStringLiteral("{#A4:00|1|0|0|2|0|0|1#C4:0001#A9:x#C5:y}"));
        // The ID3000 event text opens a brace of its own; the frame's end closes it.
        f.frame(QStringLiteral("{#C7:0001EVTDET01001: {eventText:TIPO  03 PUNT Zona 1}"));
        QCOMPARE(panels.calls, (QStringList{"A4 00|1|0|0|2|0|0|1", "C4 0001",
                                            "C7 0001EVTDET01001: {eventText:TIPO  03 PUNT Zona 1"}));
    }

    // In a remote session the frame's state of the session's own path decides whether the device
    // is still reachable.
    void remotePathState_data()
    {
        QTest::addColumn<bool>("throughAdsl");
        QTest::addColumn<QString>("links");
        QTest::addColumn<bool>("cut");
        QTest::newRow("GPRS path down") << false << "3666" << true;
        QTest::newRow("GPRS path up, ADSL down") << false << "6066" << false;
        QTest::newRow("ADSL path down") << true << "6366" << true;
        QTest::newRow("ADSL path registered") << true << "6466" << false;
        QTest::newRow("state missing") << false << "" << false;
        QTest::newRow("state garbled") << false << "x666" << false;
    }
    void remotePathState()
    {
        QFETCH(bool, throughAdsl);
        QFETCH(QString, links);
        QFETCH(bool, cut);
        StatusFixture f;
        f.goRemote();
        f.link.connexADSL = throughAdsl;
        QSignalSpy telecontrol(&f.decoder, &StatusFrameDecoder::telecontrolDisconnectRequested);
        const QString frame = QStringLiteral("{#21|1|%1#01012251430003+01}").arg(links);
        f.frame(frame);
        QCOMPARE(f.publisher.disconnections, cut ? 1 : 0);
        QCOMPARE(telecontrol.size(), cut ? 1 : 0);
        QCOMPARE(f.screen.input(1).background, colour::red); // what came before the links is shown
        if (cut) {
            QCOMPARE(f.prompter.asked.size(), 1);
            QCOMPARE(f.prompter.asked.first().caption, dialog::atencio());
            QCOMPARE(f.prompter.asked.first().message, QStringLiteral("Se ha cortado la comunicación con el equipo Quelta"));
            QCOMPARE(f.link.StrCom, frame);
            QCOMPARE(f.screen.MDataHora(), StatusScreen::kNoDate);
        } else {
            QVERIFY(f.prompter.asked.isEmpty());
            QVERIFY(f.link.StrCom.isEmpty());
        }
    }

    void diagnosticLines()
    {
        StatusFixture f;
        f.frame(QStringLiteral("{#DGPRS: receiving centre lost\nretrying}"));
        f.frame(QStringLiteral("{#dtrace {not shown}"));
        f.frame(QStringLiteral("{#dkeep-alive}"));
        QCOMPARE(f.log.lines().size(), 2);
        QVERIFY(f.log.wordWrap());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d GPRS: receiving centre lost\n\tretrying$"))
                    .match(f.log.lines().at(0).text)
                    .hasMatch());
        QCOMPARE(f.log.lines().at(0).colour, colour::red);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d  keep-alive$")).match(f.log.lines().at(1).text).hasMatch());
        QCOMPARE(f.log.lines().at(1).colour, colour::windowText);
    }

    // Lines as "time description value"; while filtered only some codes show, and all show
    // prefixed by their code otherwise.
    void infoEvents_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<bool>("filtered");
        QTest::addColumn<QString>("line"); // after the time; empty: no line
        QTest::addColumn<QString>("colour");
        QTest::newRow("80xx, no family") << "8001:System start" << true << "Inicio del sistema System start" << "black";
        QTest::newRow("81xx") << "8100:Reset" << true << "Se ha generado un Reset de soft Reset" << "red";
        QTest::newRow("8111 filtered") << "8111:Writing" << true << "" << "";
        QTest::newRow("8111 all codes") << "8111:Writing" << false << "8111: Grabando los parámetros en la Flash Writing"
                                        << "red";
        QTest::newRow("8260 filtered") << "8260:" << true << "Error al actualizar el tiempo del servidor " << "red";
        QTest::newRow("8261 filtered") << "8261:" << true << "" << "";
        QTest::newRow("8260 all codes") << "8260:" << false << "8260: Error al actualizar el tiempo del servidor "
                                        << "black";
        QTest::newRow("8261 all codes") << "8261:" << false << "8261: Tiempo del servidor actualizado " << "black";
        QTest::newRow("83xx") << "8301:COM initialised" << true << "COM inicializado COM initialised" << "lime";
        QTest::newRow("8414 filtered") << "8414:" << true << "" << "";
        QTest::newRow("84xx") << "8425:up" << true << "Conexión GPRS creada up" << "green";
        QTest::newRow("8512 filtered") << "8512:LinkUp" << true << "" << "";
        QTest::newRow("85xx") << "8535:x" << true << "ADSL: Conectado al servidor x" << "blue";
        QTest::newRow("output event names the output") << "8623:Output triggered: 2" << true
                                                       << "Salida disparada: Sirena " << "magenta";
        QTest::newRow("input event names no output") << "8611:Input triggered: 2" << true << "Entrada disparada:  "
                                                     << "magenta";
        QTest::newRow("8822 never") << "8822:" << false << "" << "";
        QTest::newRow("88xx") << "8875:" << true << "Fallo 220V " << "skyBlue";
        QTest::newRow("no description") << "8999:x" << false << "" << "";
        QTest::newRow("no colon") << "8001" << false << "" << "";
    }
    void infoEvents()
    {
        QFETCH(QString, event);
        QFETCH(bool, filtered);
        QFETCH(QString, line);
        QFETCH(QString, colour);
        StatusFixture f;
        f.screen.setOutputCaption(2, QStringLiteral("Sirena"));
        if (!filtered)
            f.log.BTotClick();
        f.frame(QStringLiteral("{#") + event + QLatin1Char('}'));
        if (line.isEmpty()) {
            QVERIFY2(f.log.lines().isEmpty(), qPrintable(f.logTexts().join(u'\n')));
            return;
        }
        QCOMPARE(f.log.lines().size(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d ")).match(f.log.lines().first().text).hasMatch());
        QCOMPARE(f.log.lines().first().text.mid(9), line);
        QCOMPARE(colourName(f.log.lines().first().colour), colour);
    }

    // The panel-link family: connecting attempts grow one line, the first answer marks the panel
    // connected, and the indicators follow the traffic.
    void panelLinkEvents()
    {
        StatusFixture f;
        QSignalSpy redraws(&f.screen, &StatusScreen::statusBarRedrawRequested);
        f.frame(QStringLiteral("{#8700:}"));
        f.frame(QStringLiteral("{#8700:}"));
        QCOMPARE(f.log.lines().size(), 1);
        QVERIFY2(f.log.lines().first().text.endsWith(QLatin1String(" Conectando con BC600  .")),
                 qPrintable(f.log.lines().first().text));
        QCOMPARE(f.log.lines().first().colour, colour::red);
        QCOMPARE(f.link.connex_Quelta_Agui, 1);
        QCOMPARE(redraws.size(), 2);

        f.frame(QStringLiteral("{#8711:Panel answers}"));
        QCOMPARE(f.link.connex_Quelta_Agui, 2);
        QCOMPARE(f.screen.PEstatBC600(), colour::iceBlue);
        QCOMPARE(f.link.tempsRXAgui, 8);
        QCOMPARE(f.log.lines().last().text.mid(9), QStringLiteral("Conectado a la Central BC600 Panel answers"));
        QCOMPARE(f.log.lines().last().colour, colour::blue);
        f.frame(QStringLiteral("{#8711:Panel answers}")); // already connected: no new line
        QCOMPARE(f.log.lines().size(), 2);

        f.link.tempsRXAgui = 0;
        f.frame(QStringLiteral("{#8721:Rearme#8740:alarm on z.3#8731:}"));
        QCOMPARE(f.link.tempsTXAgui, 8);
        QCOMPARE(f.link.tempsRXAgui, 8);
        QCOMPARE(f.link.connex_Quelta_Agui, 1);
        QCOMPARE(f.log.lines().size(), 2); // neither has a description

        f.frame(QStringLiteral("{#8782:}"));
        QCOMPARE(f.device.readFor(500), QByteArray("\rqz+INf\r"));
        QCOMPARE(f.log.lines().last().colour, colour::darkOlive);
        f.goRemote();
        f.frame(QStringLiteral("{#8782:}"));
        QCOMPARE(f.publisher.payloads(), QStringList{"qz+INf"});
    }

    void doorWords_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<bool>("mayOpen");
        QTest::addColumn<int>("door");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QString>("state");
        QTest::newRow("opening") << "{#Obrint2}" << true << 2 << 3 << "Abriendo";
        QTest::newRow("open") << "{#Obert3}" << true << 3 << 2 << "Abierto";
        QTest::newRow("closing") << "{#Tancant4}" << true << 4 << 1 << "Cerrando";
        QTest::newRow("closed, may open") << "{#Tancat2}" << true << 2 << 0 << "Cerrado";
        QTest::newRow("closed, not permitted") << "{#Tancat2}" << false << 2 << 5 << "Cerrado";
        QTest::newRow("waiting") << "{#Esperant1}" << true << 1 << 4 << "Esperando ...";
        QTest::newRow("door 0 is door 1") << "{#Obert0}" << true << 1 << 2 << "Abierto";
        QTest::newRow("first digit anywhere") << "{#8xObert}" << true << 0 << 0 << "";
    }
    void doorWords()
    {
        QFETCH(QString, frame);
        QFETCH(bool, mayOpen);
        QFETCH(int, door);
        QFETCH(int, picture);
        QFETCH(QString, state);
        StatusFixture f;
        f.cloud.mayOpen = mayOpen;
        QSignalSpy changed(&f.doors, &DoorsScreen::doorChanged);
        f.frame(frame);
        if (door == 0) {
            QVERIFY(changed.isEmpty()); // digit 8: no such door
            return;
        }
        QCOMPARE(changed.size(), 1);
        QCOMPARE(f.doors.door(door).picture, picture);
        QCOMPARE(f.doors.door(door).state, state);
    }

    void outputToggle_data()
    {
        QTest::addColumn<bool>("remote");
        QTest::addColumn<int>("output");
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("command"); // local bytes or remote payload
        QTest::addColumn<QString>("posted");
        QTest::newRow("local trigger 1") << false << 1 << false << "\rqz+sor=1...\r" << "77000|Salida disparada: Sirena";
        QTest::newRow("local restore 3") << false << 3 << true << "\rqz+sor=..0.\r" << "77000|Salida restaurada: 3";
        QTest::newRow("remote trigger 2") << true << 2 << false << "{#S.1..}" << "77000|Salida disparada: 2";
        QTest::newRow("remote restore 4") << true << 4 << true << "{#S...0}" << "77000|Salida restaurada: 4";
    }
    void outputToggle()
    {
        QFETCH(bool, remote);
        QFETCH(int, output);
        QFETCH(bool, active);
        QFETCH(QString, command);
        QFETCH(QString, posted);
        StatusFixture f;
        f.online = true;
        f.link.identConnectar = QStringLiteral("0123ABCD");
        f.screen.setOutputCaption(1, QStringLiteral("Sirena"));
        f.screen.Estat_Sortides(output, active ? u'1' : u'0');
        if (remote)
            f.goRemote();
        f.prompter.answers = {DialogResult::Yes};
        f.decoder.ActivarSortidesClick(output);

        const DialogRequest &asked = f.prompter.asked.first();
        QCOMPARE(asked.caption, QStringLiteral("CONFIRMACION"));
        QCOMPARE(asked.message, QStringLiteral(" Se cambiará el estado de la salida %1      ").arg(f.screen.outputName(output)));
        QCOMPARE(asked.captions, (QStringList{" Cambiar ", " Cancelar "}));
        if (remote) {
            QCOMPARE(f.publisher.payloads(), QStringList{command});
            QCOMPARE(f.publisher.published.first().topic, RemoteTopic::Sts);
        } else {
            QCOMPARE(QString::fromLatin1(f.device.readFor(500)), command);
        }
        QCOMPARE(f.cloud.posted, QStringList{posted});
    }

    void outputToggleCanBeCancelled()
    {
        StatusFixture f;
        f.online = true;
        f.prompter.answers = {DialogResult::Cancel};
        f.decoder.ActivarSortidesClick(1);
        QCOMPARE(f.device.readFor(200), QByteArray());
        QVERIFY(f.cloud.posted.isEmpty());
        f.prompter.answers = {DialogResult::Yes};
        f.online = false; // offline: the order goes, the cloud list does not hear of it
        f.decoder.ActivarSortidesClick(1);
        QCOMPARE(f.device.readFor(500), QByteArray("\rqz+sor=1...\r"));
        QVERIFY(f.cloud.posted.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStatusFrames)
#include "test_status_frames.moc"
