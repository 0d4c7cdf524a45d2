#include "core/session/CloudSnapshot.h"

#include "core/session/DeviceSession.h"
#include "core/session/PanelScreens.h"
#include "core/session/ProgramContext.h"
#include "core/session/StatusScreens.h"
#include "core/status/SnapshotRecord.h"

namespace quelta {
namespace {

constexpr Colour kGreyText = colour::grayText;

QStringList names(const QString &text, int count)
{
    QStringList names = text.split(QLatin1Char('|'));
    names.resize(count);
    return names;
}

} // namespace

CloudSnapshot::CloudSnapshot(ProgramContext &context, DeviceSession &device, StatusScreens &screens,
                             PanelScreens &panels, QObject *parent)
    : QObject(parent), context_(context), device_(device), screens_(screens), panels_(panels)
{
    // A snapshot lasts until the status screen is opened again, as it is when a device answers.
    connect(&device.supervisor(), &LinkSupervisor::statusScreenShown, &screens.statusScreen(), &StatusScreen::showLive);
}

void CloudSnapshot::AgafaEstatEquipments(const QString &identifier)
{
    const SnapshotRecord record =
        SnapshotRecord::fromJson(context_.cloud().GetSynchValue(QStringLiteral("Equipments/") + identifier));
    if (record.isEmpty())
        return;
    context_.views().setPanelmostrat(View::Estat);
    screens_.statusScreen().showCloudSnapshot();
    showDevice(record);
    showLinksAndGauges(record);
    showInputsAndOutputs(record);
    showEventLog(record);
    showPanel(record);
    StatusBar &bar = context_.statusBar();
    bar.setPanel(0, StatusBar::kSinConexio);
    bar.setPanel(1, QString());
    bar.setPanel(2, QString());
    bar.hideProgress();
    emit shown();
}

// The company, identity and GSM boxes as sections "1" and "5" fill them, in grey.
void CloudSnapshot::showDevice(const SnapshotRecord &record)
{
    LinkState &link = device_.link();
    StatusScreen &screen = screens_.statusScreen();
    if (!record.identifier().isEmpty())
        link.identConnectar = record.identifier();
    link.imei = record.imei();
    link.refmap = record.value(QStringLiteral("Reference"));
    screen.showCompany(record.value(QStringLiteral("Company")), record.value(QStringLiteral("Installer")), link.refmap,
                       kGreyText);
    screen.showIdentity(link.identConnectar, record.value(QStringLiteral("Firmware")),
                        record.value(QStringLiteral("Hardware")), kGreyText);
    screen.showGsmModule(record.value(QStringLiteral("moduleModel")), record.value(QStringLiteral("moduleVersion")),
                         record.value(QStringLiteral("Operator")), link.imei, record.value(QStringLiteral("SIMNumber")),
                         kGreyText);
    screen.setTextLine(TextBoxId::Gsm, 4,
                       QStringLiteral("   ") + tr("Cobertura:") + QLatin1Char('\t') + QString::number(record.coveragePercent())
                           + QStringLiteral(" %"));
    screen.setECoordenadesMapa(record.value(QStringLiteral("gps")));
}

// The panel type is known before the COM link is painted: its box names the panel.
void CloudSnapshot::showLinksAndGauges(const SnapshotRecord &record)
{
    StatusScreen &screen = screens_.statusScreen();
    screen.Tamper(record.value(QStringLiteral("vTamperEstat")), record.level(QStringLiteral("vTamperAct")),
                  record.level(QStringLiteral("vTamperMax")), record.level(QStringLiteral("vTamperMin")));
    screen.Alimentacio(record.value(QStringLiteral("vAlimEstat")), record.level(QStringLiteral("vAlimAct")),
                       record.level(QStringLiteral("vAlimMax")), record.level(QStringLiteral("vAlimMin")));
    screen.PintaREEstatGPRS(record.value(QStringLiteral("gprsStat")));
    screen.PintaREEstatADSL(record.value(QStringLiteral("ethernetStat")));
    device_.link().central = record.central();
    screen.PintaREEstatCOM(record.value(QStringLiteral("comStat")));
    screen.PintaREEstatES(record.value(QStringLiteral("ESStat")));
}

void CloudSnapshot::showInputsAndOutputs(const SnapshotRecord &record)
{
    StatusScreen &screen = screens_.statusScreen();
    const QStringList inputNames = names(record.value(QStringLiteral("inputsAlies")), StatusScreen::kInputs);
    const QStringList outputNames = names(record.value(QStringLiteral("outputsAlies")), StatusScreen::kOutputs);
    const QString inputs = record.value(QStringLiteral("inputsStat")).leftJustified(StatusScreen::kInputs, QLatin1Char(' '), true);
    const QString outputs = record.value(QStringLiteral("outputsStat")) + QStringLiteral("    ");
    for (int n = 1; n <= StatusScreen::kInputs; ++n) {
        screen.setInputCaption(n, inputNames.at(n - 1));
        screen.Estat_Entrades(n, inputs.at(n - 1));
    }
    for (int n = 1; n <= StatusScreen::kOutputs; ++n) {
        screen.setOutputCaption(n, outputNames.at(n - 1));
        screen.Estat_Sortides(n, outputs.at(n - 1));
    }
    screen.setIoLabelColour(colour::grey);
}

// "DESACTIVADO" and the time of the record, in the grey of a snapshot; the first live line
// clears them.
void CloudSnapshot::showEventLog(const SnapshotRecord &record)
{
    updated_ = record.updated();
    DeviceEventLog &log = screens_.eventLog();
    log.BEsborraClick();
    log.setFont(kGreyText);
    log.addLine(tr("DESACTIVADO"), kGreyText);
    if (updated_.isValid())
        log.addLine(tr("Último dato recibido: ") + QLatin1Char('\t')
                        + updated_.toTimeZone(localZone_).toString(QStringLiteral("dd-MM-yyyy   hh:mm:ss")),
                    kGreyText);
}

// The panel of the recorded type, greyed, fed once with the state the record keeps for it.
void CloudSnapshot::showPanel(const SnapshotRecord &record)
{
    panels_.setCloudSnapshot(true);
    emit screens_.panelScreenChanged();
    const PanelType &type = panels_.type();
    if (!type.stateTag.isNull())
        panels_.panelState(type.stateTag, record.panelState(type.family));
    if (type.family == PanelFamily::Bc600 || type.family == PanelFamily::Bc216)
        panels_.eventLists().showBcList(type.family);
}

} // namespace quelta
