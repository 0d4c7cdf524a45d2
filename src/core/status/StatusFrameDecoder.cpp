#include "core/status/StatusFrameDecoder.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/Prompter.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/model/ParameterDictionary.h"
#include "core/status/DeviceEventLog.h"
#include "core/status/DoorsScreen.h"
#include "core/status/InfoEvents.h"
#include "core/status/PanelSections.h"
#include "core/status/StatusCloud.h"
#include "core/status/StatusScreen.h"
#include "core/link/EntryNumber.h"

#include <QDateTime>

#include <algorithm>

namespace quelta {
namespace {

const QString kEventCode = QStringLiteral("77000");

// A section without its frame end, carriage returns and NULs.
QString cleaned(QString section)
{
    section.remove(QLatin1Char('}'));
    section.remove(QLatin1Char('\r'));
    section.remove(QChar(u'\0'));
    return section;
}

// State, level, trigger and restore; the levels are hexadecimal.
struct GaugeFields
{
    QString state;
    int level;
    int trigger;
    int restore;
};

GaugeFields gaugeFields(const QString &field)
{
    const QStringList parts = field.split(QLatin1Char(':'));
    return {parts.value(0), Hextoint(parts.value(1)), Hextoint(parts.value(2)), Hextoint(parts.value(3))};
}

} // namespace

StatusFrameDecoder::StatusFrameDecoder(LinkState &link, CommandChannel &channel, Prompter &prompter,
                                       DiagnosticTrace &trace, const ParameterDictionary &dictionary,
                                       StatusScreen &screen, DeviceEventLog &log, DoorsScreen &doors,
                                       StatusCloud &cloud, std::function<bool()> online, QObject *parent)
    : QObject(parent)
    , link_(link)
    , channel_(channel)
    , prompter_(prompter)
    , trace_(trace)
    , dictionary_(dictionary)
    , screen_(screen)
    , log_(log)
    , doors_(doors)
    , cloud_(cloud)
    , online_(std::move(online))
{
}

void StatusFrameDecoder::Llegir_In(const QString &frame)
{
    if (!frame.contains(QLatin1String("{#")) || !frame.contains(QLatin1Char('}')))
        return;
    doors_.applyDoorWord(frame);
    const QStringList sections = frame.mid(frame.indexOf(QLatin1Char('{')) + 1).split(QLatin1Char('#'));
    for (const QString &raw : sections) {
        const QString section = cleaned(raw);
        if (!section.isEmpty() && !decodeSection(section))
            return;
    }
    link_.StrCom.clear();
}

// False when decoding must stop: the remote link has been cut.
bool StatusFrameDecoder::decodeSection(const QString &section)
{
    switch (section.at(0).unicode()) {
    case u'0': dateAndTime(section); break;
    case u'1': identity(section.mid(1)); break;
    case u'2': return inputsAndOutputs(section.mid(1));
    case u'3': inputNames(section.mid(1)); break;
    case u'4': outputNames(section.mid(1)); break;
    case u'5': gsmModule(section.mid(1)); break;
    case u'8': infoEvent(section); break;
    case u'A':
    case u'C': panelSection(section); break;
    case u'D':
    case u'd': diagnostic(section); break;
    default: break;
    }
    return true;
}

// "0ddMMyyhhmm" and, at positions 15-17, the device's offset from UTC.
void StatusFrameDecoder::dateAndTime(const QString &section)
{
    screen_.setDateTime(section.mid(1, 2) + QLatin1Char('/') + section.mid(3, 2) + QLatin1Char('/') + section.mid(5, 2),
                        section.mid(7, 2) + QLatin1Char(':') + section.mid(9, 2));
    bool ok = false;
    const int offset = section.mid(14, 3).toInt(&ok);
    screen_.setZonaHoraria(ok ? offset : 1);
}

// Company, installer, reference, "identifier:IMEI:...", panel type. A field the frame lacks
// leaves the identity as it was.
void StatusFrameDecoder::identity(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char('|'));
    screen_.showCommandGlyphs();
    screen_.showCompany(fields.value(0), fields.value(1), fields.value(2), colour::blue);
    link_.refmap = fields.value(2);
    const QStringList ids = fields.value(3).split(QLatin1Char(':'));
    if (!ids.value(0).isEmpty())
        link_.identConnectar = ids.value(0);
    if (ids.size() >= 3)
        link_.imei = ids.at(1);
    screen_.writeDeviceIdentity();
    if (fields.size() >= 5 && fields.at(4) != link_.central) {
        link_.central = fields.at(4);
        emit panelTypeChanged(link_.central);
    }
}

// Inputs | outputs | links | signal:position | tamper | power | data volume | minutes.
bool StatusFrameDecoder::inputsAndOutputs(const QString &text)
{
    const QStringList fields = text.split(QLatin1Char('|'));
    screen_.setIoLabelColour(colour::blue);
    const QString inputs = fields.at(0).leftJustified(StatusScreen::kInputs);
    for (int n = 1; n <= StatusScreen::kInputs; ++n)
        screen_.Estat_Entrades(n, inputs.at(n - 1));
    if (fields.size() > 1) {
        const QString outputs = fields.at(1).leftJustified(StatusScreen::kOutputs);
        for (int n = 1; n <= StatusScreen::kOutputs; ++n)
            screen_.Estat_Sortides(n, outputs.at(n - 1));
    }
    if (fields.size() > 2) {
        const QString links = fields.at(2).leftJustified(4);
        if (link_.isRemote() && remotePathLost(links)) {
            cutRemoteLink();
            return false;
        }
        screen_.PintaREEstatGPRS(links.mid(0, 1));
        screen_.PintaREEstatADSL(links.mid(1, 1));
        screen_.PintaREEstatCOM(links.mid(2, 1));
        screen_.PintaREEstatES(links.mid(3, 1));
    }
    coverage(fields);
    if (fields.size() > 4) {
        const GaugeFields tamper = gaugeFields(fields.at(4));
        screen_.Tamper(tamper.state, tamper.level, tamper.restore, tamper.trigger);
    }
    if (fields.size() > 5) {
        const GaugeFields power = gaugeFields(fields.at(5));
        screen_.Alimentacio(power.state, power.level, power.restore, power.trigger);
    }
    return true;
}

// The state of the path the remote session runs on. A missing or garbled state character says
// nothing about the path, so it does not end the session.
bool StatusFrameDecoder::remotePathLost(const QString &links) const
{
    const QChar state = links.at(link_.connexADSL ? 1 : 0);
    return state.isDigit() && state.digitValue() < 4;
}

void StatusFrameDecoder::cutRemoteLink()
{
    prompter_.ElMeuMessageDlg(dialog::warning(tr("Se ha cortado la comunicación con el equipo Quelta")));
    channel_.endRemoteSession();
    emit telecontrolDisconnectRequested();
}

// The GSM signal (0-31) as a percentage and the position; the coverage line also shows the data
// volume and minutes when the frame has them.
void StatusFrameDecoder::coverage(const QStringList &fields)
{
    if (fields.size() <= 3)
        return;
    const QStringList signalAndPosition = fields.at(3).split(QLatin1Char(':'));
    // The modem reports 0 to 31, or 99 when the signal is not known.
    constexpr int kHighestReported = 99;
    const int signal = std::clamp(signalAndPosition.value(0).toInt(), 0, kHighestReported);
    const QString percent = QString::number(signal * 100 / 32);
    screen_.setECoordenadesMapa(signalAndPosition.value(1));
    const QString volume = fields.value(6);
    const QString line = volume.isEmpty()
        ? QStringLiteral("   ") + tr("Cobertura:") + QStringLiteral("   ") + percent + QStringLiteral(" % ")
        : QStringLiteral("   ") + tr("Cobertura:") + QStringLiteral("   ") + percent + QStringLiteral(" %       ")
            + volume.split(QLatin1Char(',')).at(0) + QStringLiteral(" Kbytes / ") + fields.value(7)
            + QStringLiteral(" min");
    screen_.setTextLine(TextBoxId::Gsm, 4, line);
}

void StatusFrameDecoder::inputNames(const QString &text)
{
    const QStringList names = text.split(QLatin1Char('|'));
    for (int n = 1; n <= std::min<int>(StatusScreen::kInputs, int(names.size())); ++n)
        screen_.setInputCaption(n, names.at(n - 1));
    screen_.setIoLabelColour(colour::blue);
}

// Four names, or five of which the first is not an output's.
void StatusFrameDecoder::outputNames(const QString &text)
{
    const QStringList names = text.split(QLatin1Char('|'));
    if (names.size() == 4 || names.size() == 5) {
        const qsizetype first = names.size() - 4;
        for (int n = 1; n <= StatusScreen::kOutputs; ++n)
            screen_.setOutputCaption(n, names.at(first + n - 1));
    }
    screen_.setIoLabelColour(colour::blue);
}

// SIM:operator:model:version; the coverage line below them stays.
void StatusFrameDecoder::gsmModule(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    screen_.showGsmModule(parts.value(2), parts.value(3), parts.value(1), link_.imei, parts.value(0), colour::blue);
}

// "8xxx:value": the dictionary's description, coloured and filtered by the code's family.
void StatusFrameDecoder::infoEvent(const QString &section)
{
    const qsizetype colon = section.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return;
    const QString code = section.left(colon);
    const QString value = section.mid(colon + 1);
    QString description = dictionary_.infoText(code);
    if (code.startsWith(QLatin1String("87"))) {
        panelLinkEvent(code, description, value);
        return;
    }
    const InfoLineStyle style = infoLineStyle(code, description, log_.filtered());
    if (!style.shown || description.isEmpty())
        return;
    if (style.outputCaption && !value.isEmpty()) {
        const int output = value.back().digitValue();
        if (output >= 1 && output <= StatusScreen::kOutputs)
            description += screen_.output(output).caption;
    }
    addInfoLine(code, description, style.showValue ? value : QString(), style.colour);
}

// The device's link to the fire panel: these events move the panel link and its indicators.
void StatusFrameDecoder::panelLinkEvent(const QString &code, const QString &description, const QString &value)
{
    const int number = code.toInt();
    switch (number) {
    case 8700:
        screen_.setPanelLink(1);
        screen_.setPEstatBC600(colour::buttonFace);
        // Repeated connection attempts grow one line with dots.
        if (!log_.lines().isEmpty() && log_.lines().last().text.contains(tr("Conectando con BC600"))) {
            log_.appendToLastLine(QStringLiteral("."));
            return;
        }
        addInfoLine(code, tr("Conectando con BC600") + QLatin1Char(' '), value, colour::red);
        return;
    case 8710:
    case 8731:
        screen_.setPanelLink(1);
        return;
    case 8711:
        link_.tempsRXAgui = 8;
        if (screen_.PEstatBC600() == colour::buttonFace) {
            screen_.setPEstatBC600(colour::iceBlue);
            screen_.setPanelLink(2);
            addInfoLine(code, tr("Conectado a la Central BC600"), value, colour::blue);
        } else if (!log_.filtered() && !description.isEmpty()) {
            addInfoLine(code, description, value, colour::blue);
        }
        return;
    case 8721:
        link_.tempsTXAgui = 8;
        return;
    case 8740:
        link_.tempsRXAgui = 8;
        break;
    case 8782:
        channel_.sendCommand(QStringLiteral("INf"));
        break;
    default:
        break;
    }
    if (!description.isEmpty())
        addInfoLine(code, description, value, number == 8712 ? colour::red : colour::darkOlive);
}

void StatusFrameDecoder::addInfoLine(const QString &code, const QString &description, const QString &value,
                                     Colour colour)
{
    const QString shown = log_.filtered() ? description : code + QStringLiteral(": ") + description;
    log_.addLine(QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char(' ') + shown
                     + QLatin1Char(' ') + value,
                 colour);
}

// "A1" names the doors; "A2"-"A8" and "C4", "C7" belong to the fire-panel screens.
void StatusFrameDecoder::panelSection(const QString &section)
{
    const QChar kind = section.size() > 1 ? section.at(1) : QChar();
    const QString payload = section.mid(3);
    const bool state = section.at(0) == u'A' && kind >= u'2' && kind <= u'8';
    const bool event = section.at(0) == u'C' && (kind == u'4' || kind == u'7');
    if (section.at(0) == u'A' && kind == u'1')
        doors_.setDoorNames(payload.split(QLatin1Char('|')));
    else if (!state && !event)
        return;
    else if (!panelSections_)
        trace_.Escriure_REPortserie(QStringLiteral("Panel section without a panel screen: ") + section);
    else if (state)
        panelSections_->panelState(kind, payload);
    else
        panelSections_->panelEvent(kind, payload);
}

// "D" lines are the device's alarms about itself, in red with the date; "d" lines its traces.
void StatusFrameDecoder::diagnostic(const QString &section)
{
    const QString text = section.mid(1).replace(QLatin1Char('\n'), QStringLiteral("\n\t"));
    const QDateTime now = QDateTime::currentDateTime();
    if (section.at(0) == u'D') {
        log_.setWordWrap(true);
        log_.addLine(now.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) + QLatin1Char(' ') + text, colour::red);
    } else if (!text.contains(QLatin1Char('{'))) {
        log_.addLine(now.toString(QStringLiteral("hh:mm:ss")) + QStringLiteral("  ") + text, colour::windowText);
    }
}

void StatusFrameDecoder::ActivarSortidesClick(int output)
{
    if (output < 1 || output > StatusScreen::kOutputs)
        return;
    const QString name = screen_.outputName(output);
    const DialogRequest question{dialog::confirmacio(),
                                 tr(" Se cambiará el estado de la salida ") + name + QStringLiteral("      "),
                                 DialogType::Confirmation,
                                 {DialogResult::Yes, DialogResult::Cancel},
                                 {tr(" Cambiar "), tr(" Cancelar ")},
                                 0};
    if (prompter_.ElMeuMessageDlg(question) != DialogResult::Yes)
        return;
    // An active (red) output is restored, any other triggered; the other outputs are left alone.
    const bool restore = screen_.outputActive(output);
    QString pattern(StatusScreen::kOutputs, QLatin1Char('.'));
    pattern[output - 1] = restore ? QLatin1Char('0') : QLatin1Char('1');
    if (link_.isLocal())
        channel_.escriu_port(CommandChannel::localFrame(QStringLiteral("sor=") + pattern));
    else
        channel_.sendRaw(QStringLiteral("{#S") + pattern + QLatin1Char('}'), RemoteTopic::Sts);
    outputToggled(output, restore);
}

void StatusFrameDecoder::outputToggled(int output, bool restore)
{
    if (online_())
        cloud_.ActualitzaEventsRTDB(link_.identConnectar,
                                    (restore ? tr("Salida restaurada: ") : tr("Salida disparada: ")) + screen_.outputName(output),
                                    kEventCode);
}

} // namespace quelta
