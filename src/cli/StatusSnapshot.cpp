#include "StatusSnapshot.h"

#include "core/link/LinkState.h"
#include "core/link/PanelType.h"
#include "core/panels/PanelDisplay.h"
#include "core/status/DoorsScreen.h"
#include "core/status/StatusScreen.h"

#include <QJsonArray>

namespace quelta::cli {
namespace {

// A box's colour is its state: red active, green at rest; faded when the last frame gave none.
QJsonObject boxState(int number, const IoBox &box)
{
    const bool active = box.background == colour::red || box.background == colour::paleRed;
    const bool idle = box.background == colour::green || box.background == colour::paleGreen;
    const bool current = box.background == colour::red || box.background == colour::green;
    return {{QStringLiteral("n"), number},
            {QStringLiteral("name"), box.caption},
            {QStringLiteral("state"), active ? QStringLiteral("active") : idle ? QStringLiteral("idle") : QStringLiteral("unknown")},
            {QStringLiteral("current"), current}};
}

QJsonArray boxes(const StatusScreen &screen, int count, bool inputs)
{
    QJsonArray all;
    for (int n = 1; n <= count; ++n)
        all.append(boxState(n, inputs ? screen.input(n) : screen.output(n)));
    return all;
}

QString stateLetters(const QJsonArray &boxes)
{
    QString letters;
    for (const QJsonValue &box : boxes) {
        const QString state = box[QLatin1String("state")].toString();
        letters += state == QLatin1String("active") ? QLatin1Char('1') : state == QLatin1String("idle") ? QLatin1Char('0') : QLatin1Char('-');
    }
    return letters;
}

// The text after a caption and its tab: "Empresa: \tACME" gives "ACME".
QString captioned(const QStringList &lines, qsizetype line)
{
    return lines.value(line).section(QLatin1Char('\t'), 1).trimmed();
}

QJsonObject identity(const StatusSources &sources)
{
    const QStringList company = sources.screen.textBox(TextBoxId::Empresa).lines;
    return {{QStringLiteral("company"), captioned(company, 0)},
            {QStringLiteral("installer"), captioned(company, 1)},
            {QStringLiteral("reference"), captioned(company, 2)},
            {QStringLiteral("identifier"), sources.link.identConnectar},
            {QStringLiteral("imei"), sources.link.imei},
            {QStringLiteral("central"), sources.link.central}};
}

QJsonArray gsm(const StatusScreen &screen)
{
    QJsonArray lines;
    for (const QString &line : screen.textBox(TextBoxId::Gsm).lines)
        lines.append(line.simplified());
    return lines;
}

QJsonObject gauge(const Gauge &gauge)
{
    QJsonObject levels{{QStringLiteral("position"), gauge.position},
                       {QStringLiteral("maximum"), gauge.maximum},
                       {QStringLiteral("restore"), gauge.restoreLabel.trimmed()},
                       {QStringLiteral("trigger"), gauge.triggerLabel.trimmed()}};
    if (!gauge.voltage.isEmpty())
        levels.insert(QStringLiteral("voltage"), gauge.voltage);
    return levels;
}

QJsonArray doors(const DoorsScreen &doors)
{
    QJsonArray shown;
    for (int n = 1; n <= DoorsScreen::kDoors; ++n) {
        const Door &door = doors.door(n);
        if (door.shown || !door.name.isEmpty())
            shown.append(QJsonObject{{QStringLiteral("n"), n}, {QStringLiteral("name"), door.name},
                                     {QStringLiteral("state"), door.state}});
    }
    return shown;
}

QJsonObject panel(const StatusSources &sources)
{
    QJsonObject lamps;
    const QMap<QString, int> tags = sources.panel.tags();
    for (auto it = tags.cbegin(); it != tags.cend(); ++it)
        lamps.insert(it.key(), it.value());
    QJsonObject counters;
    const QMap<QString, int> counts = sources.panel.counters();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        counters.insert(it.key(), it.value());
    QJsonObject lists;
    const QMap<QString, QStringList> entries = sources.panel.lists();
    for (auto it = entries.cbegin(); it != entries.cend(); ++it)
        lists.insert(it.key(), QJsonArray::fromStringList(it.value()));
    QJsonObject texts;
    const QMap<QString, QString> captions = sources.panel.captions();
    for (auto it = captions.cbegin(); it != captions.cend(); ++it)
        texts.insert(it.key(), it.value());
    const StatusScreen &screen = sources.screen;
    if (screen.REInterCentralVisible())
        texts.insert(QStringLiteral("REInterCentral"),
                     screen.REInterCentralError() ? QStringLiteral("ERROR INTERFACE") : QStringLiteral("INTERFACE OK"));
    return {{QStringLiteral("family"), QLatin1String(sources.panelType.name)},
            {QStringLiteral("screen"), QLatin1String(sources.panelType.screen)},
            {QStringLiteral("link"), sources.link.connex_Quelta_Agui},
            {QStringLiteral("live"), sources.panelLive},
            {QStringLiteral("lamps"), lamps},
            {QStringLiteral("counters"), counters},
            {QStringLiteral("lists"), lists},
            {QStringLiteral("texts"), texts}};
}

} // namespace

QJsonObject statusSnapshot(const StatusSources &sources, const QStringList &events)
{
    const StatusScreen &screen = sources.screen;
    return {{QStringLiteral("datetime"), screen.MDataHora().simplified()},
            {QStringLiteral("identity"), identity(sources)},
            {QStringLiteral("gsm"), gsm(screen)},
            {QStringLiteral("inputs"), boxes(screen, StatusScreen::kInputs, true)},
            {QStringLiteral("outputs"), boxes(screen, StatusScreen::kOutputs, false)},
            {QStringLiteral("gprs"), screen.linkBox(LinkBoxId::Gprs).line.trimmed()},
            {QStringLiteral("adsl"), screen.linkBox(LinkBoxId::Adsl).line.trimmed()},
            {QStringLiteral("com"), screen.linkBox(LinkBoxId::Com).line.trimmed()},
            {QStringLiteral("tamper"), gauge(screen.GTamper())},
            {QStringLiteral("power"), gauge(screen.GAlimentacio())},
            {QStringLiteral("doors"), doors(sources.doors)},
            {QStringLiteral("panel"), panel(sources)},
            {QStringLiteral("events"), QJsonArray::fromStringList(events)}};
}

QString statusLine(const QJsonObject &snapshot)
{
    QStringList parts{snapshot[QLatin1String("datetime")].toString(),
                      QStringLiteral("inputs ") + stateLetters(snapshot[QLatin1String("inputs")].toArray()),
                      QStringLiteral("outputs ") + stateLetters(snapshot[QLatin1String("outputs")].toArray())};
    for (const char *link : {"gprs", "adsl", "com"}) {
        const QString line = snapshot[QLatin1String(link)].toString();
        if (!line.isEmpty())
            parts.append(line);
    }
    for (const QJsonValue &event : snapshot[QLatin1String("events")].toArray())
        parts.append(event.toString());
    return parts.join(QStringLiteral("  |  "));
}

} // namespace quelta::cli
