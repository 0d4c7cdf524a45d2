#pragma once

#include "core/base/DiagnosticTrace.h"
#include "core/base/StatusBar.h"
#include "core/base/TransferActivity.h"
#include "core/base/ViewState.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/LinkSupervisor.h"

#include "ScriptedPrompter.h"

namespace quelta::test {

// A link under supervision with what supervision works with, dialogs answered by a script. Its
// intervals are a hundred times shorter; the tests call the ticks themselves.
struct SupervisedLink
{
    LinkState link;
    DiagnosticTrace trace;
    StatusBar statusBar;
    TransferActivity activity;
    ViewState views;
    ScriptedPrompter prompter;
    CommandChannel channel{link, trace};
    LinkSupervisor supervisor{link, channel, statusBar, activity, views, prompter, [] { return QStringLiteral("Quelta"); }};

    SupervisedLink() { supervisor.setTimeDivisor(100); }
};

} // namespace quelta::test
