#pragma once

#include "core/base/FormatSettings.h"
#include "core/base/ViewState.h"
#include "core/panels/PanelDisplay.h"
#include "core/panels/PanelEventLists.h"
#include "core/panels/PanelEventSource.h"
#include "core/panels/PanelLayout.h"
#include "core/panels/PanelOrders.h"
#include "core/panels/PanelStates.h"
#include "core/status/BlinkEngine.h"

#include "../status/StatusFixture.h"

#include <QMap>

namespace quelta::test {

// Cloud records the test sets, by path.
struct FakePanelEventSource : PanelEventSource
{
    QMap<QString, QString> records;
    QString error;
    QStringList reads;

    QString AgafaRegistre(const QString &path) override
    {
        reads << path;
        return records.value(path);
    }
    QString ErrorFirebase() const override { return error; }
};

// The fire-panel screens' core objects over the status screen's, with a connected panel.
struct PanelFixture : StatusFixture
{
    BlinkEngine blink;
    PanelDisplay display{blink};
    ViewState views;
    FormatSettings format;
    NamedStrings namedStrings;
    FakePanelEventSource source;
    PanelEventLists events{display, source, link, views, format, namedStrings, prompter, trace};
    PanelStates states{display, events, screen, link, trace};
    PanelLayout layout{display, states, events, link};
    bool snapshot = false;
    PanelOrders orders{link, channel, prompter, cloud, [this] { return link.connex_Quelta_Agui == 2 && !snapshot; }};

    explicit PanelFixture(const QString &central = {}, int panelLink = 2)
    {
        link.central = central;
        link.identConnectar = QStringLiteral("3A0F2C1B84D95E07");
        link.connex_Quelta_Agui = panelLink;
        display.setLive(panelLink == 2);
    }
};

} // namespace quelta::test
