// A status frame decoded into the status screen, its event log, its doors and the fire-panel
// screens, as Llegir_In gets it from the dispatcher. Every panel section reaches every routine of
// its tag, whatever the panel type. The screens' objects are made anew for each input; the
// information texts are read once.

#include "FuzzSupport.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/NamedStrings.h"
#include "core/base/StatusBar.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/base/FormatSettings.h"
#include "core/base/ViewState.h"
#include "core/model/ParameterDictionary.h"
#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelEventLists.h"
#include "core/panels/PanelEventSource.h"
#include "core/panels/PanelLayout.h"
#include "core/panels/PanelStates.h"
#include "core/status/BlinkEngine.h"
#include "core/status/PanelSections.h"
#include "core/status/DeviceEventLog.h"
#include "core/status/DoorsScreen.h"
#include "core/status/StatusCloud.h"
#include "core/status/StatusFrameDecoder.h"
#include "core/status/StatusScreen.h"

using namespace quelta;

namespace {

// Sends each panel section to all the routines that share its tag, and lays every screen out.
struct AllPanels : PanelSections
{
    PanelStates &states;
    PanelEventLists &events;
    PanelLayout &layout;

    AllPanels(PanelStates &s, PanelEventLists &e, PanelLayout &l) : states(s), events(e), layout(l) {}

    void panelState(QChar kind, const QString &payload) override
    {
        using Routine = void (PanelStates::*)(const QString &);
        static const QMultiHash<QChar, Routine> routines = {
            {u'2', &PanelStates::Info_Central_AESA},     {u'3', &PanelStates::Info_Central_AEC5},
            {u'4', &PanelStates::Info_Central_BC600},    {u'4', &PanelStates::Info_Central_BC216},
            {u'5', &PanelStates::Info_Central_Cofem},    {u'5', &PanelStates::Info_Central_CofemZafir},
            {u'6', &PanelStates::Info_Central_Urano},    {u'6', &PanelStates::Info_Central_Komttech},
            {u'6', &PanelStates::Info_Central_Supra},    {u'7', &PanelStates::Info_Central_Syncro},
            {u'7', &PanelStates::Info_Central_AD300},    {u'7', &PanelStates::Info_Central_ID3000},
            {u'8', &PanelStates::Info_Central_AvenarBosch}};
        for (const Routine routine : routines.values(kind))
            (states.*routine)(payload);
    }
    void panelEvent(QChar, const QString &payload) override
    {
        events.Event_Central_BC(PanelFamily::Bc600, payload);
        events.Event_Central_Syncro(payload);
        events.Event_Central_ID3000(payload);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static ParameterDictionary dictionary = [] {
        ParameterDictionary loaded;
        loaded.Llegir_DefInfo(NamedStrings());
        return loaded;
    }();
    LinkState link;
    DiagnosticTrace trace;
    StatusBar statusBar;
    fuzz::SilentPrompter prompter;
    CommandChannel channel(link, trace);
    StatusScreen screen(link, statusBar);
    DeviceEventLog log;
    OfflineStatusCloud cloud(trace);
    DoorsScreen doors(link, channel, prompter, cloud, [] { return false; });
    StatusFrameDecoder decoder(link, channel, prompter, trace, dictionary, screen, log, doors, cloud, [] { return false; });
    link.identConnectar = QStringLiteral("3A0F2C1B84D95E07");
    BlinkEngine blink;
    PanelDisplay display(blink);
    ViewState views;
    FormatSettings format;
    static const NamedStrings namedStrings;
    OfflinePanelEventSource source(trace);
    PanelEventLists events(display, source, link, views, format, namedStrings, prompter, trace);
    PanelStates states(display, events, screen, link, trace);
    PanelLayout layout(display, states, events, link);
    AllPanels panels(states, events, layout);
    decoder.setPanelSections(&panels);
    const QString text = fuzz::textOf(data, size);
    const QString frame = text.startsWith(QLatin1String("{#")) ? text : QStringLiteral("{#") + text + QLatin1Char('}');
    link.StrCom = frame;
    decoder.Llegir_In(frame);
    for (const PanelFamily family : {PanelFamily::AeC5, PanelFamily::Bc600, PanelFamily::Bc216, PanelFamily::Urano,
                                     PanelFamily::Syncro, PanelFamily::Supra, PanelFamily::Id3000})
        layout.show(family);
    layout.Inicialitza_PEstat();
    return 0;
}
