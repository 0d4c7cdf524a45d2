#include "StatusSnapshot.h"

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

} // namespace

QJsonObject statusSnapshot(const StatusScreen &screen, const QStringList &events)
{
    return {{QStringLiteral("datetime"), screen.MDataHora().simplified()},
            {QStringLiteral("inputs"), boxes(screen, StatusScreen::kInputs, true)},
            {QStringLiteral("outputs"), boxes(screen, StatusScreen::kOutputs, false)},
            {QStringLiteral("gprs"), screen.linkBox(LinkBoxId::Gprs).line.trimmed()},
            {QStringLiteral("adsl"), screen.linkBox(LinkBoxId::Adsl).line.trimmed()},
            {QStringLiteral("com"), screen.linkBox(LinkBoxId::Com).line.trimmed()},
            {QStringLiteral("tamper"), screen.GTamper().position},
            {QStringLiteral("power"), screen.GAlimentacio().voltage},
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
