#pragma once

#include "core/base/DiagnosticTrace.h"
#include "core/base/NamedStrings.h"
#include "core/base/StatusBar.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/model/ParameterDictionary.h"
#include "core/status/DeviceEventLog.h"
#include "core/status/DoorsScreen.h"
#include "core/status/PanelSections.h"
#include "core/status/StatusCloud.h"
#include "core/status/StatusFrameDecoder.h"
#include "core/status/StatusScreen.h"

#include "ColourNames.h"
#include "RemoteTransportStub.h"
#include "PseudoTerminal.h"
#include "ScriptedPrompter.h"

#include <QMap>

namespace quelta::test {

// A cloud directory that answers what the test set and keeps what was posted.
struct FakeStatusCloud : StatusCloud
{
    int buttons = 0;
    QString flags = QStringLiteral("1,0,0,0");
    bool mayOpen = true;
    QMap<int, QString> doorStates;
    QString error;
    QString key = QStringLiteral("user42");
    QStringList posted; // "code|message"

    int AgafaNumBotons() override { return buttons; }
    QString AgafaBotonsMarcats() override { return flags; }
    bool AgafaPotObrirPortes() override { return mayOpen; }
    QString AgafaEstatPortes(int door) override { return doorStates.value(door); }
    QString ErrorFirebase() const override { return error; }
    QString userKey() const override { return key; }
    void ActualitzaEventsRTDB(const QString &, const QString &message, const QString &code) override
    {
        posted << code + QLatin1Char('|') + message;
    }
};

struct RecordedPanelSections : PanelSections
{
    QStringList calls;
    void panelState(QChar kind, const QString &payload) override { calls << QStringLiteral("A%1 %2").arg(kind, payload); }
    void panelEvent(QChar kind, const QString &payload) override { calls << QStringLiteral("C%1 %2").arg(kind, payload); }
};

// The status screen's core objects on a pseudo-terminal whose device end the test reads, with
// the real information texts.
struct StatusFixture
{
    PseudoTerminal device;
    LinkState link;
    DiagnosticTrace trace;
    StatusBar statusBar;
    ScriptedPrompter prompter;
    RemoteTransportStub publisher;
    CommandChannel channel{link, trace};
    ParameterDictionary dictionary;
    StatusScreen screen{link, statusBar};
    DeviceEventLog log;
    FakeStatusCloud cloud;
    bool online = false;
    DoorsScreen doors{link, channel, prompter, cloud, [this] { return online; }};
    StatusFrameDecoder decoder{link, channel, prompter, trace, dictionary, screen, log, doors, cloud,
                               [this] { return online; }};

    StatusFixture()
    {
        dictionary.Llegir_DefInfo(NamedStrings());
        channel.serial().setPortName(device.slavePath());
        channel.serial().open();
    }

    void goRemote() { channel.activate(publisher); }

    // A frame as the dispatcher hands it over.
    void frame(const QString &text)
    {
        link.StrCom = text;
        decoder.Llegir_In(text);
    }

    QStringList logTexts() const
    {
        QStringList texts;
        for (const LogLine &line : log.lines())
            texts << line.text;
        return texts;
    }
};

} // namespace quelta::test
