#include "StatusFrames.h"

#include "ParameterCodes.h"

#include <QDateTime>

namespace quelta::devsim {
namespace {

QString frame(const QStringList &sections)
{
    return QStringLiteral("{#") + sections.join(u'#') + u'}';
}

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

// The last ";"-separated field of each entry of a block: where the device keeps the alias.
QString aliases(const ParameterStore &store, int firstCode, int count)
{
    QStringList names;
    for (int n = 0; n < count; ++n)
        names << sectionText(store.value(codes::codeText(firstCode + n)).section(u';', -1).trimmed());
    return names.join(u'|');
}

// "0", day, month, year, hours, minutes, seconds, weekday (1 Monday) and the UTC offset ("+01").
QString dateTimeSection(const ParameterStore &store)
{
    bool ok = false;
    int offset = store.value(codes::kTimeZone).toInt(&ok);
    if (!ok)
        offset = 1;
    const QDateTime now = QDateTime::currentDateTimeUtc().addSecs(offset * 3600);
    return QStringLiteral("0") + now.toString(QStringLiteral("ddMMyyhhmmss")) + QString::number(now.date().dayOfWeek())
        + (offset < 0 ? u'-' : u'+') + QStringLiteral("%1").arg(std::abs(offset), 2, 10, QLatin1Char('0'));
}

// State, level, trigger and restore, the levels in hexadecimal.
QString gauge(const Simulation::GaugeReading &reading)
{
    return QStringList{reading.ok ? QStringLiteral("1") : QStringLiteral("0"), hexByte(reading.level),
                       hexByte(reading.trigger), hexByte(reading.restore)}
        .join(u':');
}

QString ioSection(const Simulation &simulation, const Identity &identity)
{
    return QStringLiteral("2")
        + QStringList{simulation.inputs(),
                      simulation.outputs(),
                      simulation.links(),
                      QString::number(simulation.signal()) + u':' + sectionText(identity.position),
                      gauge(simulation.tamper()),
                      gauge(simulation.power()),
                      QString::number(simulation.kilobytes()) + QStringLiteral(",5120"),
                      QString::number(simulation.minutes())}
              .join(u'|');
}

} // namespace

QString statusFrame(const Simulation &simulation, const ParameterStore &store, const Identity &identity)
{
    QStringList sections = {dateTimeSection(store), ioSection(simulation, identity)};
    if (const QString panel = panelStateSection(simulation.panelView()); !panel.isEmpty())
        sections << panel;
    return frame(sections);
}

QString identityFrame(const Simulation &simulation, const ParameterStore &store, const Identity &identity)
{
    const auto text = [&store](const QString &code) { return sectionText(store.value(code)); };
    const QString ids = QStringList{sectionText(identity.identifier), sectionText(identity.imei),
                                    text(codes::kPhoneNumber)}
                            .join(u':');
    QStringList sections = {
        QStringLiteral("1") + QStringList{text(codes::kCompany), text(codes::kInstaller), text(codes::kReference), ids,
                                          text(codes::kPanelType)}
                                  .join(u'|'),
        QStringLiteral("3") + aliases(store, codes::kInputs, 16),
        QStringLiteral("4") + aliases(store, codes::kOutputTimes, 4),
        QStringLiteral("5") + QStringList{sectionText(identity.simNumber), sectionText(identity.gsmOperator),
                                          sectionText(identity.modem), sectionText(identity.modemVersion)}
                                  .join(u':'),
    };
    if (simulation.panelView().panel.family() == PanelFamily::Doors)
        sections << QStringLiteral("A1:") + aliases(store, codes::kDoorNames, 4);
    return frame(sections);
}

QString eventFrame(const QString &section)
{
    return frame({section});
}

} // namespace quelta::devsim
