// quelta-cli's firmware update: the versions the update server offers for the device, and one
// update relayed to the end, through the window's own update session.
#include "CliSession.h"

#include "core/base/Settings.h"
#include "core/cloud/CloudJson.h"

#include <algorithm>

namespace quelta::cli {
namespace {

QString oneLine(const QString &text)
{
    return text.simplified();
}

// The server the installer's program uses, as stored on this PC; the store is only read.
update::UpdateServer storedUpdateServer()
{
    AppSettings stored(AppSettings::openPlatformStore());
    stored.LLegirConfigInicial(QString());
    update::UpdateServer server = update::serverAddress(stored.values().updateServer).value_or(update::builtInServer());
    if (!stored.values().updateKey.isEmpty())
        server.key = stored.values().updateKey.toLatin1();
    return server;
}

} // namespace

int CliSession::firmwareUpdate()
{
    configureUpdateServer();
    prompter_.setQuiet(true);
    if (!readDeviceProgramming())
        return fail(NoDevice, QStringLiteral("the device did not report its company, installer and reference"));
    return options_.updateInstall ? installVersion() : listVersions();
}

void CliSession::configureUpdateServer()
{
    shell_->update().setServer(options_.updateServer.value_or(storedUpdateServer()));
}

// The listing names the device's company, installer and reference, as a read fills them.
bool CliSession::readDeviceProgramming()
{
    ConfigurationModel &model = programming().model();
    const std::pair<const char16_t *, const char *> fields[] = {
        {u"EProgEmpresa", "0102"}, {u"EProgInstal", "0103"}, {u"EProgRef", "0104"}};
    for (const auto &[name, code] : fields) {
        const QString value = deviceValue(QLatin1String(code));
        if (value.isNull())
            return false;
        model.field(name)->value = value;
    }
    return true;
}

// One parameter's value from its "+CODE:value" answer; a null text when none came.
QString CliSession::deviceValue(const QString &code)
{
    device().supervisor().stopSupervision();
    waitForQuietLink();
    const qsizetype before = received_.size();
    const QString answer = QLatin1Char('+') + code + QLatin1Char(':');
    device().channel().sendCommand(code);
    QString value;
    waitFor([&] {
        for (qsizetype i = before; i < received_.size() && value.isNull(); ++i) {
            if (received_.at(i).text.startsWith(answer))
                value = received_.at(i).text.mid(answer.size()).remove(QLatin1Char('\r'));
        }
        return !value.isNull();
    });
    return value;
}

// The listing as "Buscar" runs it: Ok with the versions in the session, or why not.
int CliSession::fetchVersions(update::Outcome &outcome)
{
    update::UpdateSession &session = shell_->update();
    std::optional<update::Outcome> ended;
    QObject::connect(&session, &update::UpdateSession::listingFinished, &session,
                     [&ended](const update::Outcome &finished) { ended = finished; });
    session.BBuscarVersionsClick();
    if (!waitFor([&ended] { return ended.has_value(); }))
        return fail(NoDevice, QStringLiteral("the update server did not answer"));
    outcome = *ended;
    return outcome.success ? Ok : updateFailed(outcome);
}

int CliSession::listVersions()
{
    update::Outcome outcome;
    if (const int failed = fetchVersions(outcome); failed != Ok)
        return failed;
    const update::UpdateSession &session = shell_->update();
    if (session.versions().isEmpty())
        err_ << "quelta-cli: " << oneLine(outcome.text) << Qt::endl;
    for (const update::FirmwareVersion &version : session.versions()) {
        out_ << QString::fromUtf8(orderedObject({{QStringLiteral("version"), version.version},
                                                 {QStringLiteral("description"), version.description},
                                                 {QStringLiteral("bytes"), version.bytes.toLongLong()}}))
             << Qt::endl;
    }
    return Ok;
}

// The update runs until the device or the watchdog ends it; the run's time-out does not cut it.
int CliSession::installVersion()
{
    update::Outcome listing;
    if (const int failed = fetchVersions(listing); failed != Ok)
        return failed;
    update::UpdateSession &session = shell_->update();
    const auto &versions = session.versions();
    const auto chosen = std::find_if(versions.cbegin(), versions.cend(), [this](const update::FirmwareVersion &version) {
        return version.version == options_.text;
    });
    if (chosen == versions.cend())
        return fail(UpdateFailed, QStringLiteral("the update server offers no version %1").arg(options_.text));
    std::optional<update::Outcome> outcome;
    QObject::connect(&session, &update::UpdateSession::updateFinished, &session,
                     [&outcome](const update::Outcome &finished) { outcome = finished; });
    QString shown;
    QObject::connect(&session, &update::UpdateSession::changed, &session, [this, &session, &shown] {
        if (session.progressVisible() && session.progressText() != shown) {
            shown = session.progressText();
            err_ << oneLine(shown) << Qt::endl;
        }
    });
    session.SGVersionsDblClick(static_cast<int>(chosen - versions.cbegin()));
    deadline_ = QDeadlineTimer(QDeadlineTimer::Forever);
    waitFor([&outcome] { return outcome.has_value(); });
    if (!outcome->success)
        return updateFailed(*outcome);
    out_ << oneLine(outcome->text) << Qt::endl;
    return Ok;
}

int CliSession::updateFailed(const update::Outcome &outcome)
{
    err_ << "quelta-cli: ";
    if (!outcome.caption.isEmpty())
        err_ << outcome.caption << ": ";
    err_ << oneLine(outcome.text) << Qt::endl;
    return UpdateFailed;
}

} // namespace quelta::cli
