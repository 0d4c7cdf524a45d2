// A status frame decoded into the status screen, its event log and its doors, as Llegir_In gets it
// from the dispatcher. The screen's objects are made anew for each input; the information texts
// are read once.

#include "FuzzSupport.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/NamedStrings.h"
#include "core/base/StatusBar.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/model/ParameterDictionary.h"
#include "core/status/DeviceEventLog.h"
#include "core/status/DoorsScreen.h"
#include "core/status/StatusCloud.h"
#include "core/status/StatusFrameDecoder.h"
#include "core/status/StatusScreen.h"

using namespace quelta;

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
    const QString text = fuzz::textOf(data, size);
    const QString frame = text.startsWith(QLatin1String("{#")) ? text : QStringLiteral("{#") + text + QLatin1Char('}');
    link.StrCom = frame;
    decoder.Llegir_In(frame);
    return 0;
}
