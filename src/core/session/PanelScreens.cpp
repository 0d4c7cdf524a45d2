#include "core/session/PanelScreens.h"

#include "core/session/DeviceSession.h"
#include "core/session/ProgramContext.h"
#include "core/session/StatusScreens.h"

namespace quelta {

PanelScreens::PanelScreens(ProgramContext &context, DeviceSession &device, StatusScreens &screens, QObject *parent)
    : QObject(parent)
    , device_(device)
    , screens_(screens)
    , cloudSource_(context.cloud())
    , display_(screens.blinkEngine())
    , eventLists_(display_, cloudSource_, device.link(), context.views(), context.format(), context.namedStrings(),
                  context.prompter(), context.trace())
    , states_(display_, eventLists_, screens.statusScreen(), device.link(), context.trace())
    , layout_(display_, states_, eventLists_, device.link())
    , orders_(device.link(), device.channel(), context.prompter(), screens.statusCloud(), [this] { return live(); })
{
    StatusScreen &statusScreen = screens.statusScreen();
    screens.decoder().setPanelSections(this);
    connect(&screens, &StatusScreens::panelScreenChanged, this, &PanelScreens::layOutScreen);
    connect(&statusScreen, &StatusScreen::statusBarRedrawRequested, this, &PanelScreens::followPanelLink);
    // A device that answers replaces the cloud snapshot.
    connect(&screens, &StatusScreens::connectionEstablished, this, [this] { setCloudSnapshot(false); });
    updateGate();
}

const PanelType &PanelScreens::type() const
{
    static const PanelType none;
    return screens_.statusScreen().panelScreensAllowed() ? panelType(device_.link().central) : none;
}

bool PanelScreens::live() const
{
    return device_.link().connex_Quelta_Agui == 2 && !snapshot_;
}

void PanelScreens::setCloudSnapshot(bool snapshot)
{
    snapshot_ = snapshot;
    updateGate();
}

bool PanelScreens::updateGate()
{
    const bool changed = display_.live() != live();
    display_.setLive(live());
    return changed;
}

void PanelScreens::layOutScreen()
{
    updateGate();
    layout_.show(type().family);
    emit screenChanged();
}

// The panel link came up or went down: the screen is drawn live or greyed; a lost AE/SA opens its
// alarm list.
void PanelScreens::followPanelLink()
{
    if (updateGate())
        layout_.show(type().family);
    if (screens_.statusScreen().SBEstatDrawPanel(2).opensAguileraAlarms)
        states_.BBAguiAlarmaClick();
}

void PanelScreens::clear()
{
    layout_.Inicialitza_PEstat();
    snapshot_ = false;
    updateGate();
    emit screenChanged();
}

// The tag's second character and the panel type text choose the routine; a section of another
// family's tag still reaches its routine, as the device names the panel.
void PanelScreens::panelState(QChar kind, const QString &payload)
{
    updateGate();
    const QString &central = device_.link().central;
    const auto has = [&central](const char *text) { return central.contains(QLatin1String(text)); };
    switch (kind.unicode()) {
    case u'2': states_.Info_Central_AESA(payload); break;
    case u'3': states_.Info_Central_AEC5(payload); break;
    case u'4': has("BC600") ? states_.Info_Central_BC600(payload) : states_.Info_Central_BC216(payload); break;
    case u'5': has("Cofem-A") ? states_.Info_Central_CofemZafir(payload) : states_.Info_Central_Cofem(payload); break;
    case u'6':
        if (has("Urano"))
            states_.Info_Central_Urano(payload);
        else if (has("Komttech"))
            states_.Info_Central_Komttech(payload);
        else
            states_.Info_Central_Supra(payload);
        break;
    case u'7':
        if (has("Syncro"))
            states_.Info_Central_Syncro(payload);
        else if (has("AD300"))
            states_.Info_Central_AD300(payload);
        else
            states_.Info_Central_ID3000(payload);
        break;
    case u'8': states_.Info_Central_AvenarBosch(payload); break;
    default: break;
    }
}

void PanelScreens::panelEvent(QChar kind, const QString &payload)
{
    const PanelFamily family = panelFamily(device_.link().central);
    if (kind == u'4' && (family == PanelFamily::Bc600 || family == PanelFamily::Bc216))
        eventLists_.Event_Central_BC(family, payload);
    else if (kind == u'7' && family == PanelFamily::Syncro)
        eventLists_.Event_Central_Syncro(payload);
    else if (kind == u'7' && family == PanelFamily::Id3000)
        eventLists_.Event_Central_ID3000(payload);
    else if (kind == u'7' && family == PanelFamily::Ad300 && eventLists_.acceptsNotice())
        states_.Info_Central_AD300(eventLists_.AgafaBuzzerAndNums());
}

namespace {

// A BC counter control: its panel ("PBC600Alarmes") or its number label ("LNumBC600Alarmes").
std::optional<std::pair<PanelFamily, int>> bcCounterControl(const QString &control)
{
    for (const PanelFamily family : {PanelFamily::Bc600, PanelFamily::Bc216}) {
        const QString prefix = family == PanelFamily::Bc600 ? QStringLiteral("PBC600") : QStringLiteral("PBC216");
        for (const BcCounter &counter : bcCounters()) {
            if (control == prefix + QLatin1String(counter.name) || control == bcCounterLabel(family, counter))
                return std::pair{family, counter.tag};
        }
    }
    return std::nullopt;
}

const QStringList kAvenarBoschSelectors = {QStringLiteral("PAvenarBoschFoc"), QStringLiteral("PAvenarBoschFallo"),
                                           QStringLiteral("PAvenarBoschAnullat"), QStringLiteral("PAvenarBoschControl")};
const QStringList kId3000Selectors = {QStringLiteral("LAlarmaID3000"), QStringLiteral("LAvariaID3000"),
                                      QStringLiteral("LAnullatID3000"), QStringLiteral("LProvaID3000")};
const QHash<QString, AguileraList> kAguileraButtons = {{QStringLiteral("BBAguiAlarma"), AguileraList::Alarma},
                                                       {QStringLiteral("BbAguiAvaria"), AguileraList::Avaria},
                                                       {QStringLiteral("BBAguiDesconnec"), AguileraList::Desconnexio},
                                                       {QStringLiteral("BBAguiProva"), AguileraList::Prova}};

} // namespace

bool PanelScreens::isClickable(const QString &control) const
{
    return orders_.handles(control) || bcCounterControl(control) || kAvenarBoschSelectors.contains(control)
        || kId3000Selectors.contains(control) || kAguileraButtons.contains(control);
}

bool PanelScreens::controlClicked(const QString &control)
{
    if (orders_.click(control))
        return true;
    if (const auto counter = bcCounterControl(control))
        eventLists_.selectBcCounter(counter->first, counter->second);
    else if (kAvenarBoschSelectors.contains(control))
        eventLists_.selectAvenarBoschList(control);
    else if (kId3000Selectors.contains(control))
        eventLists_.selectId3000List(control);
    else if (kAguileraButtons.contains(control))
        states_.showAguileraList(kAguileraButtons.value(control));
    else
        return false;
    return true;
}

} // namespace quelta
