#include "CliSession.h"

#include "StatusSnapshot.h"

#include "core/cloud/CloudJson.h"
#include "core/cloud/SignIn.h"
#include "core/transfer/RowValues.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace quelta::cli {
namespace {

constexpr int kStepMs = 20;
constexpr int kFirstReplyMs = 5000;  // a command's first reply, or the stream's answer (through a busy broker too)
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

// A dialog's text on one line: its "\r" and "\n" separators become spaces.
QString readable(const QString &message)
{
    return message.simplified();
}

// The installer's account as the program stored it on this PC. The store is only read: the run's
// own settings live in a file of their own.
std::pair<QString, QString> storedAccount()
{
    AppSettings stored(AppSettings::openPlatformStore());
    stored.LLegirConfigInicial(QString());
    return {stored.values().email, stored.values().password};
}

QString entryLine(int row, const DirectoryEntry &entry)
{
    return QString::fromUtf8(orderedObject({{QStringLiteral("n"), row},
                                            {QStringLiteral("installer"), entry.installer},
                                            {QStringLiteral("reference"), entry.reference},
                                            {QStringLiteral("identifier"), entry.identifier},
                                            {QStringLiteral("ethernet"), entry.ethernet},
                                            {QStringLiteral("gprs"), entry.gprs},
                                            {QStringLiteral("deletable"), entry.deletable()}}));
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
    const int code = isCloudCommand(options_.command) ? runCloudCommand() : runCommand();
    shell_->FormClose();
    return code;
}

int CliSession::runCommand()
{
    if (const int failed = connectDevice(); failed != Ok)
        return failed;
    // The panel's telecontrol does not program the device: its access code is not asked for.
    if (options_.command != Command::Bidi) {
        if (const int failed = unlock(); failed != Ok)
            return failed;
    }
    if (const int failed = signInForHistory(); failed != Ok)
        return failed;
    switch (options_.command) {
    case Command::Identify: return identify();
    case Command::Read: return read();
    case Command::Write: return write();
    case Command::RestoreDefaults: return restoreDefaults();
    case Command::Status: return status();
    case Command::Send: return send();
    case Command::Order: return order();
    case Command::Door: return door();
    case Command::Update: return firmwareUpdate();
    case Command::Bidi: return bidi();
    case Command::Devices:
    case Command::DeleteDevice:
    case Command::Whoami:
    case Command::History:
    case Command::Snapshot: break;
    }
    return Usage;
}

// The window's creation steps, on a settings file of its own. The cloud's commands stop before the
// link: they need neither a port nor the dictionaries.
void CliSession::startShell()
{
    internet_.online = isCloudCommand(options_.command);
    shell_ = std::make_unique<Shell>(prompter_, internet_,
                                     std::make_unique<QSettings>(settingsDir_.filePath(QStringLiteral("quelta.ini")),
                                                                 QSettings::IniFormat),
                                     QCoreApplication::applicationFilePath(), cloudEndpoints());
    if (isCloudCommand(options_.command)) {
        shell_->applyFormatSettings();
        shell_->ObtenirDadesPC();
        shell_->readSettings();
        return;
    }
    startDeviceLink();
}

// The addresses the options and the environment give. A request may not outlast the run.
CloudEndpoints CliSession::cloudEndpoints() const
{
    CloudEndpoints endpoints = CloudEndpoints::configured(options_.cloud.addresses);
    endpoints.timeoutMs = static_cast<int>(std::min<qint64>(endpoints.timeoutMs, std::max<qint64>(deadline_.remainingTime(), 1)));
    return endpoints;
}

// The device's commands: the lines traced, the settings read, the dictionaries loaded and the link
// started, on the port or broker given.
void CliSession::startDeviceLink()
{
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

// The door's button as the doors screen has it, once a status frame has told where the door
// stands; the signed-in user's permission decides, as in the window.
int CliSession::door()
{
    if (!waitForStatusFrame())
        return fail(NoDevice, QStringLiteral("no status frame arrived"));
    DoorsScreen &doors = screens().doors();
    QString sent;
    QString refused;
    QObject::connect(&doors, &DoorsScreen::orderSent, &doors, [&sent](const QString &order) { sent = order; });
    QObject::connect(&doors, &DoorsScreen::refused, &doors, [&refused](const QString &text) { refused = text; });
    doors.IPBotoClick(options_.door);
    if (!refused.isEmpty())
        return fail(WriteIncomplete, refused);
    if (sent.isEmpty())
        return fail(WriteIncomplete, QStringLiteral("the door order was not sent"));
    out_ << sent << Qt::endl;
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
    // The device shows its outputs in its status frames only: the entry goes with the command.
    postOutputHistory();
    if (!quiet || replies == 0)
        return fail(NoDevice, QStringLiteral("no reply to %1").arg(options_.text));
    return Ok;
}

// With an account given, the actions on the device leave their history entries in the cloud as
// the window's do.
int CliSession::signInForHistory()
{
    if (options_.cloud.email.isEmpty())
        return Ok;
    if (const int failed = signIn(); failed != Ok)
        return failed;
    shell_->context().setOnline(true);
    return Ok;
}

// "sor=PATTERN" triggers ("1") and restores ("0") outputs, one character each.
void CliSession::postOutputHistory()
{
    static const QString command = QStringLiteral("sor=");
    if (!options_.text.startsWith(command))
        return;
    const QString pattern = options_.text.mid(command.size(), StatusScreen::kOutputs);
    for (int output = 1; output <= pattern.size(); ++output) {
        const QChar state = pattern.at(output - 1);
        if (state == u'0' || state == u'1')
            screens().decoder().outputToggled(output, state == u'0');
    }
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

// --- the cloud's commands -----------------------------------------------------------------------

int CliSession::runCloudCommand()
{
    if (const int failed = signIn(); failed != Ok)
        return failed;
    switch (options_.command) {
    case Command::Devices: return devices();
    case Command::DeleteDevice: return deleteDevice();
    case Command::Whoami: return whoami();
    case Command::History: return history();
    case Command::Snapshot: return snapshot();
    default: return Usage;
    }
}

// The sign-in the window makes at start-up, with the account given or the one stored on this PC.
// A stored password goes only with its own e-mail.
int CliSession::signIn()
{
    QString email = options_.cloud.email;
    QString password = options_.cloud.password;
    if (email.isEmpty() || password.isEmpty()) {
        const auto [storedEmail, storedPassword] = storedAccount();
        if (email.isEmpty())
            email = storedEmail;
        if (password.isEmpty() && email == storedEmail)
            password = storedPassword;
    }
    if (email.isEmpty() || password.isEmpty())
        return fail(Usage, QStringLiteral("no account to sign in with: give --email and --password"));
    CloudState &state = cloud().state();
    state.EmpresaEmail = email;
    state.EmpresaPassword = password;
    const SignInResult result = shell_->registration().signIn().LoginFirebase(email, password);
    if (result.ok())
        return Ok;
    if (result.status == SignInStatus::Offline)
        return fail(NoDevice, QStringLiteral("the cloud cannot be reached: %1").arg(readable(result.error)));
    return fail(NoDevice, QStringLiteral("the sign-in of %1 was refused: %2").arg(email, readable(result.error)));
}

// "BUSCAR" with the search given, then, when the key panel opens, "ACEPTAR" with the key given. What
// the directory decides shows in its signals and in the dialogs, which go to stderr.
int CliSession::devices()
{
    DeviceDirectory &directory = shell_->directory();
    bool listed = false;
    bool keyPanelShown = false;
    bool keyPanelHidden = false;
    QObject::connect(&directory, &DeviceDirectory::listed, &directory, [&listed] { listed = true; });
    QObject::connect(&directory, &DeviceDirectory::keyPanelShown, &directory, [&keyPanelShown] { keyPanelShown = true; });
    QObject::connect(&directory, &DeviceDirectory::keyPanelHidden, &directory, [&keyPanelHidden] { keyPanelHidden = true; });
    const DirectorySearch &search = options_.search;
    directory.BBLlistatBuscaClick(search);
    if (listed)
        return printListing();
    if (!keyPanelShown)
        return fail(NoDevice, QStringLiteral("the directory could not be searched"));
    if (options_.key.isEmpty()) {
        // Which key is missing: the one stored for the level, or the one to create it with. A look-up
        // that failed has closed the panel and said why.
        const QString stored = directory.BuscaClauRTDB(search);
        if (keyPanelHidden)
            return fail(NoDevice, QString());
        if (stored.isEmpty())
            return fail(AccessDenied, QStringLiteral("this company/installer/reference has no access key yet: create it "
                                                     "with --key (%1 to %2 characters)")
                                          .arg(kMinKeyLength)
                                          .arg(kMaxKeyLength));
        return fail(AccessDenied, QStringLiteral("this company/installer/reference has an access key: give it with --key"));
    }
    directory.BBAcceptarPasswordClick(search, options_.key);
    if (listed) {
        // A level created by this key was written before the list was read.
        const QString notStored = cloud().state().ErrorFirebase;
        const int printed = printListing();
        if (!notStored.isEmpty())
            return fail(NoDevice, QStringLiteral("the access key was not stored: %1").arg(readable(notStored)));
        return printed;
    }
    // The panel closes when the key could not be looked up; it stays open for a key refused.
    return keyPanelHidden ? fail(NoDevice, QString()) : fail(AccessDenied, QString());
}

int CliSession::printListing()
{
    const DeviceDirectory &directory = shell_->directory();
    if (!directory.listingError().isEmpty())
        return fail(NoDevice, QStringLiteral("the devices could not be read: %1").arg(readable(directory.listingError())));
    int row = 0;
    for (const DirectoryEntry &entry : directory.entries())
        out_ << entryLine(++row, entry) << Qt::endl;
    return Ok;
}

// A device leaves the directory only when it is reached by neither link, as the list allows it.
// The removal is checked by reading the record again: the cloud's delete reports no error.
int CliSession::deleteDevice()
{
    const QString &identifier = options_.identifier;
    const DeviceListing listing = cloud().readDevices();
    if (!listing.error.isEmpty())
        return fail(NoDevice, QStringLiteral("the devices could not be read: %1").arg(readable(listing.error)));
    const auto record = std::find_if(listing.devices.cbegin(), listing.devices.cend(),
                                     [&identifier](const DeviceRecord &device) { return device.identifier == identifier; });
    if (record == listing.devices.cend())
        return fail(NoDevice, QStringLiteral("%1 is not in the directory").arg(identifier));
    const QList<DirectoryEntry> entries = directoryEntries({*record}, {record->company, record->installer, record->reference});
    if (entries.size() != 1)
        return fail(NoDevice, QStringLiteral("%1 is not in the directory").arg(identifier));
    const DirectoryEntry &entry = entries.first();
    if (!entry.deletable())
        return fail(WriteIncomplete, QStringLiteral("%1 is on line (Ethernet: %2, GPRS: %3): only a device reached by "
                                                    "neither link can be removed")
                                         .arg(identifier, entry.ethernet, entry.gprs));
    cloud().EsborrarEquip(identifier);
    const NodeRead after = cloud().readNode(QStringLiteral("Equipments/") + identifier);
    if (!after.ok())
        return fail(NoDevice, QStringLiteral("%1 may not have been removed: %2").arg(identifier, readable(after.error.text)));
    if (!after.value.isNull())
        return fail(NoDevice, QStringLiteral("%1 could not be removed").arg(identifier));
    out_ << "removed " << identifier << " (" << entry.reference << ")" << Qt::endl;
    return Ok;
}

// The signed-in account's own record, its identifier and e-mail first.
int CliSession::whoami()
{
    const CloudState &state = cloud().state();
    const NodeRead record = cloud().readNode(QStringLiteral("Users/") + state.CodiReg);
    if (!record.ok())
        return fail(NoDevice, QStringLiteral("the account's record could not be read: %1").arg(readable(record.error.text)));
    JsonMembers members{{QStringLiteral("uid"), state.CodiReg}, {QStringLiteral("email"), state.EmpresaEmail}};
    const QJsonObject fields = record.value.toObject();
    for (auto field = fields.constBegin(); field != fields.constEnd(); ++field) {
        if (field.key() != QLatin1String("uid") && field.key() != QLatin1String("email"))
            members.append({field.key(), field.value()});
    }
    out_ << QString::fromUtf8(orderedObject(members)) << Qt::endl;
    return Ok;
}

// The device's last record shown as the window shows it for a device on line by neither link, in
// the shape of a decoded status frame.
int CliSession::snapshot()
{
    shell_->loadDictionaries();
    CloudSnapshot &cloudSnapshot = shell_->snapshot();
    bool shown = false;
    QObject::connect(&cloudSnapshot, &CloudSnapshot::shown, &cloudSnapshot, [&shown] { shown = true; });
    cloudSnapshot.AgafaEstatEquipments(options_.identifier);
    if (!shown) {
        const QString error = cloud().state().ErrorFirebase;
        return fail(NoDevice, error.isEmpty() ? QStringLiteral("%1 has no record in the cloud").arg(options_.identifier)
                                              : QStringLiteral("the record of %1 could not be read: %2").arg(options_.identifier, readable(error)));
    }
    QJsonObject state = statusSnapshot({screens().statusScreen(), device().link(), screens().doors(), panels().display(),
                                        panels().type(), panels().live()},
                                       {});
    state.insert(QStringLiteral("snapshot"), true);
    state.insert(QStringLiteral("updated"), cloudSnapshot.updated().toUTC().toString(Qt::ISODateWithMs));
    out_ << compact(state) << Qt::endl;
    return Ok;
}

// The device's history as its screen shows it, newest first; the files the screen's export writes.
int CliSession::history()
{
    EventHistoryScreen &screen = screens().history();
    const HistoryRead read = screen.readHistory(options_.identifier, options_.entries);
    if (!read.ok())
        return fail(NoDevice, QStringLiteral("the history of %1 could not be read: %2").arg(options_.identifier, readable(read.error)));
    const QList<QStringList> rows = historyRows(read.list.entries, screen.timeZone());
    for (const QStringList &row : rows) {
        const JsonMembers entry{{QStringLiteral("n"), row.at(0).toInt()},
                                {QStringLiteral("created"), QStringList{row.at(1), row.at(2)}.join(QLatin1Char(' ')).trimmed()},
                                {QStringLiteral("user"), row.at(3)},
                                {QStringLiteral("name"), row.at(4)},
                                {QStringLiteral("event"), row.at(5)}};
        out_ << QString::fromUtf8(orderedObject(entry)) << Qt::endl;
    }
    for (const auto &[file, format] : {std::pair{options_.xlsxFile, HistoryFileFormat::Xlsx},
                                       std::pair{options_.csvFile, HistoryFileFormat::Csv}}) {
        if (file.isEmpty())
            continue;
        const ExportResult written = format == HistoryFileFormat::Xlsx
            ? exportHistoryXlsx(file, historyTitles(), historyColumnWidths(), rows)
            : exportHistoryCsv(file, historyTitles(), rows);
        if (!written.ok())
            return fail(NoDevice, readable(written.error));
    }
    return Ok;
}

// --- running ------------------------------------------------------------------------------------

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

// An empty message: the dialog that said why has already been shown.
int CliSession::fail(int code, const QString &message)
{
    if (message.isEmpty())
        return code;
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
