#include "CliSession.h"

#include "StatusSnapshot.h"

#include "core/transfer/RowValues.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>

namespace quelta::cli {
namespace {

constexpr int kStepMs = 20;
constexpr int kFirstReplyMs = 3000;  // a command's first reply, or the stream's answer
constexpr int kQuietMs = 1000;       // no further reply for this long: the command is answered
constexpr int kSettledMs = 200;      // no reply for this long after the session's start: all are in

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

bool isReply(const ReplyLine &line)
{
    return line.text.startsWith(QLatin1Char('+')) || line.kind == ReplyKind::Lock;
}

} // namespace

CliSession::CliSession(const CliOptions &options, QTextStream &out, QTextStream &err)
    : options_(options)
    , out_(out)
    , err_(err)
    , prompter_(err)
    , deadline_(std::chrono::seconds(options.timeoutSeconds))
{
}

// Whatever the outcome, the session ends as the window ends it: a device left behind is locked
// again and its stream silenced.
int CliSession::run()
{
    startShell();
    const int code = runCommand();
    shell_->FormClose();
    return code;
}

int CliSession::runCommand()
{
    if (const int failed = connectDevice(); failed != Ok)
        return failed;
    if (const int failed = unlock(); failed != Ok)
        return failed;
    switch (options_.command) {
    case Command::Identify: return identify();
    case Command::Read: return read();
    case Command::Write: return write();
    case Command::RestoreDefaults: return restoreDefaults();
    case Command::Status: return status();
    case Command::Send: return send();
    case Command::Order: return order();
    }
    return Usage;
}

// The window's creation steps, on a settings file of its own.
void CliSession::startShell()
{
    shell_ = std::make_unique<Shell>(prompter_, internet_,
                                     std::make_unique<QSettings>(settingsDir_.filePath(QStringLiteral("quelta.ini")),
                                                                 QSettings::IniFormat),
                                     QCoreApplication::applicationFilePath());
    shell_->setPortForThisRun(options_.port);
    device().supervisor().setSettlingPauses(false);
    QObject::connect(&device().dispatcher(), &ReplyDispatcher::lineReceived, &device().dispatcher(),
                     [this](const ReplyLine &line) { lineReceived(line); });
    QObject::connect(&device().channel(), &CommandChannel::sent, &device().channel(),
                     [this](const QString &text) { commandSent(text); });
    QObject::connect(&device().supervisor(), &LinkSupervisor::connectionEnded, &device().supervisor(),
                     [this] { linkLost_ = true; });
    shell_->applyFormatSettings();
    shell_->ObtenirDadesPC();
    shell_->readSettings();
    if (options_.remote) {
        // A remote run has no serial port: nothing is opened or polled locally.
        device().channel().serial().setPortName(QString());
        QObject::connect(&device(), &DeviceSession::remoteSessionLost, &device(), [this] { linkLost_ = true; });
    }
    shell_->loadDictionaries();
    shell_->startLink();
}

// Found, connected and identified as the window shows it: "CONECTADO" with firmware and hardware.
int CliSession::connectDevice()
{
    // Off line by design: the sign-in window never opens here.
    shell_->FormActivate([](const RegistrationStart &) { return false; });
    if (options_.remote) {
        if (const int failed = openRemoteSession(); failed != Ok)
            return failed;
    } else if (!device().channel().serial().isOpen()) {
        return fail(NoDevice, QStringLiteral("cannot open the port %1").arg(options_.port));
    }
    const LinkState &link = device().link();
    const bool found = waitFor([&link, this] {
        return link.circuittrobat && device().supervisor().state() == LinkSupervisor::SessionState::Connected
            && !link.firmware.isEmpty() && !link.hardware.isEmpty();
    });
    return found ? Ok : fail(NoDevice, QStringLiteral("no device answered on %1").arg(linkName()));
}

// The session the device list opens, on the broker and path the options give.
int CliSession::openRemoteSession()
{
    const RemoteOptions &remote = *options_.remote;
    device().setBrokerForThisRun(remote.broker);
    device().link().connexADSL = !remote.gprs;
    device().connectRemote(remote.identifier);
    const MqttTransport &mqtt = device().mqtt();
    waitFor([&mqtt] { return mqtt.state() == Transport::State::Open || mqtt.state() == Transport::State::Closed; });
    if (mqtt.state() != Transport::State::Open)
        return fail(NoDevice, QStringLiteral("cannot reach the broker at %1:%2").arg(remote.broker.host).arg(remote.broker.port));
    return Ok;
}

QString CliSession::linkName() const
{
    return options_.remote ? QStringLiteral("the broker for %1").arg(options_.remote->identifier) : options_.port;
}

// Once the session's own answers are in, the device's lock is known. The code is given the way the
// prompt gives it, with supervision paused so that the next stream answer is the code's. Either way
// the link is quiet when the command starts.
int CliSession::unlock()
{
    QElapsedTimer waited;
    waited.start();
    waitFor([&] { return streamAnsweredSince(0) || waited.hasExpired(kFirstReplyMs); });
    waitForQuietLink();
    if (!device().link().protegit)
        return Ok;
    if (options_.code.isEmpty())
        return fail(AccessDenied, QStringLiteral("the device asks for its access code: give it with --code"));
    device().supervisor().stopSupervision();
    waitForQuietLink();
    const qsizetype before = received_.size();
    if (!device().lock().BBDesbloqueigAcceptarClick(options_.code))
        return fail(AccessDenied, QStringLiteral("the access code is too short"));
    if (!waitFor([this, before] { return streamAnsweredSince(before); }))
        return fail(NoDevice, QStringLiteral("no answer to the access code"));
    if (device().link().protegit)
        return fail(AccessDenied, QStringLiteral("wrong access code"));
    device().supervisor().startSupervision(100);
    waitForQuietLink();
    return Ok;
}

// The device answered a stream-on request (unlocked or locked) since that line.
bool CliSession::streamAnsweredSince(qsizetype from) const
{
    return std::any_of(received_.cbegin() + from, received_.cend(), [](const ReplyLine &line) {
        return line.kind == ReplyKind::StreamOn || line.kind == ReplyKind::Lock;
    });
}

int CliSession::identify()
{
    const LinkState &link = device().link();
    out_ << compact({{QStringLiteral("firmware"), link.firmware},
                     {QStringLiteral("identifier"), link.identConnectar},
                     {QStringLiteral("hardware"), link.hardware},
                     {QStringLiteral("panel"), link.central},
                     {QStringLiteral("parts"), link.PartsActives}})
         << Qt::endl;
    return Ok;
}

// Entering the programming view reads the whole configuration, the visible panel page chosen from
// the device's panel type.
bool CliSession::readConfiguration()
{
    bool finished = false;
    const QMetaObject::Connection done = QObject::connect(&programming().readEngine(), &ReadEngine::readFinished,
                                                          &programming().readEngine(), [&finished] { finished = true; });
    programming().BBProgClick();
    const bool read = waitFor([&finished] { return finished; });
    QObject::disconnect(done);
    return read;
}

int CliSession::read()
{
    if (!readConfiguration())
        return fail(NoDevice, QStringLiteral("the configuration could not be read"));
    if (!options_.file.isEmpty()) {
        const TemplateResult saved = programming().templates().save(options_.file, TemplateScope::Complete);
        return saved.ok() ? Ok : fail(Usage, QStringLiteral("%1: %2").arg(options_.file, saved.message));
    }
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || !programming().templates().save(out, TemplateScope::Complete))
        return fail(Usage, QStringLiteral("the template could not be written to the standard output"));
    return Ok;
}

// The device is read first, as the window does before anything is programmed: only what the
// template changes is then written.
int CliSession::write()
{
    if (!readConfiguration())
        return fail(NoDevice, QStringLiteral("the configuration could not be read"));
    const TemplateResult loaded = programming().templates().load(options_.file);
    if (!loaded.ok())
        return fail(TemplateRejected, QStringLiteral("%1: %2").arg(options_.file, loaded.message.simplified()));
    const std::vector<DueItem> due = dueItems();
    bool finished = false;
    QObject::connect(&programming().writeEngine(), &WriteEngine::writeFinished, &programming().writeEngine(),
                     [&finished] { finished = true; });
    programming().writeEngine().BBGravarClick();
    if (!waitFor([&finished] { return finished; }))
        return fail(NoDevice, QStringLiteral("the write did not end"));
    return reportWrite(due);
}

// Every item the write is to send: the modified fields, then the due grid rows.
std::vector<CliSession::DueItem> CliSession::dueItems()
{
    std::vector<DueItem> due;
    for (SingleField &field : programming().model().fields()) {
        if (field.state == FieldState::Modified)
            due.push_back({field.code(), &field, nullptr, 0});
    }
    for (const auto &grid : programming().model().grids()) {
        for (int row = 1; row <= grid->rows(); ++row) {
            if (rowDue(*grid, row))
                due.push_back({rowWrite(*grid, row).code, nullptr, grid.get(), row});
        }
    }
    return due;
}

// What the device confirmed, refused, or left unconfirmed, as the model has it after the run.
int CliSession::reportWrite(const std::vector<DueItem> &due)
{
    int written = 0;
    QStringList failures;
    for (const DueItem &item : due) {
        const bool refused = item.field && item.field->state == FieldState::Refused;
        const bool pending = item.field ? item.field->state == FieldState::Modified : rowDue(*item.grid, item.row);
        if (refused)
            failures.append(item.code + QStringLiteral(" refused"));
        else if (pending)
            failures.append(item.code + QStringLiteral(" unconfirmed"));
        else
            ++written;
    }
    const qsizetype refused = failures.filter(QStringLiteral(" refused")).size();
    out_ << "written " << written << ", refused " << refused << ", unconfirmed " << failures.size() - refused
         << Qt::endl;
    for (const QString &failure : failures)
        out_ << failure << Qt::endl;
    return failures.isEmpty() ? Ok : WriteIncomplete;
}

int CliSession::restoreDefaults()
{
    bool readBack = false;
    QObject::connect(&programming().readEngine(), &ReadEngine::readFinished, &programming().readEngine(),
                     [&readBack] { readBack = true; });
    programming().MIIDefecteClick();
    if (!programming().writeEngine().running())
        return fail(NoDevice, QStringLiteral("the factory restore could not start"));
    if (!waitFor([&readBack] { return readBack; }))
        return fail(NoDevice, QStringLiteral("the device did not report its factory values restored"));
    out_ << "factory values restored; configuration read back" << Qt::endl;
    return Ok;
}

// Each frame is printed as the status screen has it once decoded, with the events it logged.
int CliSession::status()
{
    int printed = 0;
    QStringList events;
    QObject::connect(&screens().eventLog(), &DeviceEventLog::lineAdded, &screens().eventLog(),
                     [&events](const LogLine &line) { events.append(line.text); });
    QObject::connect(&device().dispatcher(), &ReplyDispatcher::statusFrame, &device().dispatcher(), [&, this] {
        if (printed >= options_.frames)
            return;
        const QJsonObject snapshot = statusSnapshot({screens().statusScreen(), device().link(), screens().doors(),
                                                     panels().display(), panels().type(), panels().live()},
                                                    events);
        out_ << (options_.json ? compact(snapshot) : statusLine(snapshot)) << Qt::endl;
        events.clear();
        ++printed;
    });
    if (!waitFor([&printed, this] { return printed >= options_.frames; }))
        return fail(NoDevice, QStringLiteral("%1 of %2 status frames arrived").arg(printed).arg(options_.frames));
    return Ok;
}

bool CliSession::waitForStatusFrame()
{
    bool arrived = false;
    const QMetaObject::Connection connection = QObject::connect(
        &device().dispatcher(), &ReplyDispatcher::statusFrame, &device().dispatcher(), [&arrived] { arrived = true; });
    const bool ok = waitFor([&arrived] { return arrived; });
    QObject::disconnect(connection);
    return ok;
}

// The order goes as the panel screen's button sends it, once a status frame has told whether the
// panel is connected.
int CliSession::order()
{
    if (!waitForStatusFrame())
        return fail(NoDevice, QStringLiteral("no status frame arrived"));
    PanelOrders &orders = panels().orders();
    QString shown;
    QString refused;
    QObject::connect(&orders, &PanelOrders::shown, &orders, [&shown](const QString &text) { shown = text; });
    QObject::connect(&orders, &PanelOrders::refused, &orders, [&refused](const QString &text) { refused = text; });
    QObject::connect(&orders, &PanelOrders::sent, &orders, [&shown](const QString &order) {
        shown = QStringLiteral("qz+ord=") + order;
    });
    orders.byOrderName(options_.text);
    if (!refused.isEmpty())
        return fail(WriteIncomplete, refused);
    if (shown.isEmpty())
        return fail(WriteIncomplete, QStringLiteral("the order was not sent"));
    out_ << shown << Qt::endl;
    return Ok;
}

// Supervision is paused so that its polls do not mix with the command's replies.
int CliSession::send()
{
    device().supervisor().stopSupervision();
    waitForQuietLink(); // a poll already sent is answered before the command goes
    const qsizetype before = received_.size();
    device().channel().sendCommand(options_.text);
    QElapsedTimer sinceReply;
    sinceReply.start();
    qsizetype replies = 0;
    const bool quiet = waitFor([&] {
        qsizetype now = 0;
        for (qsizetype i = before; i < received_.size(); ++i)
            now += isReply(received_.at(i)) ? 1 : 0;
        if (now != replies) {
            replies = now;
            sinceReply.restart();
        }
        return sinceReply.hasExpired(replies == 0 ? kFirstReplyMs : kQuietMs);
    });
    for (qsizetype i = before; i < received_.size(); ++i) {
        if (isReply(received_.at(i)))
            out_ << received_.at(i).text << Qt::endl;
    }
    if (!quiet || replies == 0)
        return fail(NoDevice, QStringLiteral("no reply to %1").arg(options_.text));
    return Ok;
}

// The answers to the commands that established the session are all in, as they are by the time
// an installer clicks: a transfer then meets only its own replies.
void CliSession::waitForQuietLink()
{
    QElapsedTimer sinceReply;
    sinceReply.start();
    qsizetype replies = -1;
    waitFor([&] {
        const auto now = std::count_if(received_.cbegin(), received_.cend(), isReply);
        if (now != replies) {
            replies = now;
            sinceReply.restart();
        }
        return sinceReply.hasExpired(kSettledMs);
    });
}

bool CliSession::waitFor(const std::function<bool()> &done)
{
    while (!done()) {
        if (linkLost_ || deadline_.hasExpired())
            return false;
        QEventLoop step;
        QTimer::singleShot(kStepMs, &step, &QEventLoop::quit);
        step.exec();
    }
    return true;
}

int CliSession::fail(int code, const QString &message)
{
    const QString why = linkLost_ ? QStringLiteral(" (the link to the device was lost)")
                        : deadline_.hasExpired() ? QStringLiteral(" (timed out)")
                                                 : QString();
    err_ << "quelta-cli: " << message << why << Qt::endl;
    return code;
}

void CliSession::lineReceived(const ReplyLine &line)
{
    received_.append({line.text.trimmed(), line.kind, line.path});
    if (options_.verbose)
        err_ << "< " << received_.last().text << Qt::endl;
}

// One line per command: the serial framing's CRs are left out.
void CliSession::commandSent(const QString &text)
{
    if (!options_.verbose)
        return;
    for (const QString &command : text.split(QLatin1Char('\r'), Qt::SkipEmptyParts))
        err_ << "> " << command << Qt::endl;
}

} // namespace quelta::cli
