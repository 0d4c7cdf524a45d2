#include "core/cloud/CloudAccess.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/Prompter.h"
#include "core/base/Settings.h"
#include "core/base/Version.h"
#include "core/cloud/CloudJson.h"
#include "core/cloud/CloudTexts.h"

#include <QCoreApplication>
#include <QJsonDocument>

namespace quelta {
namespace {

QString companyPath(const QString &company)
{
    return QStringLiteral("Companies/") + company;
}

QString installerPath(const QString &company, const QString &installer)
{
    return companyPath(company) + QStringLiteral("/Installers/") + installer;
}

QString referencePath(const QString &company, const QString &installer, const QString &reference)
{
    return installerPath(company, installer) + QStringLiteral("/References/") + reference;
}

// The stored version without dots and quotes, as a number ("2.2.01.31" is 220131).
std::optional<qlonglong> versionNumber(QString version)
{
    version.remove(QLatin1Char('.')).remove(QLatin1Char('"'));
    bool ok = false;
    const qlonglong number = version.trimmed().toLongLong(&ok);
    return ok ? std::optional<qlonglong>(number) : std::nullopt;
}

// A stored flag: true, "true" or a number other than 0.
bool flagOf(const QJsonValue &value)
{
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toDouble() != 0.0;
    const QString flag = plainText(value).trimmed();
    bool isNumber = false;
    const double number = flag.toDouble(&isNumber);
    return isNumber ? number != 0.0 : flag.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

} // namespace

CloudAccess::CloudAccess(CloudEndpoints endpoints, AppSettings *settings, DiagnosticTrace &trace, Prompter &prompter,
                         FormatSettings format, QObject *parent)
    : QObject(parent)
    , endpoints_(std::move(endpoints))
    , settings_(settings)
    , trace_(trace)
    , prompter_(prompter)
    , format_(std::move(format))
    , identity_(network_, endpoints_)
    , database_(network_, endpoints_, *this)
{
}

CloudAccess::~CloudAccess() = default;

void CloudAccess::loadFromSettings()
{
    if (!settings_)
        return;
    state_.EmpresaEmail = settings_->values().email;
    state_.EmpresaPassword = settings_->values().password;
    state_.CodiReg = settings_->values().idUsuari;
}

QString CloudAccess::now() const
{
    const QDateTime moment = clock_();
    return format_.shortDate(moment.date()) + QLatin1Char(' ') + format_.longTime(moment.time());
}

QStringList CloudAccess::GetRTDBPath(const QString &path)
{
    QString converted = path;
    converted.replace(QLatin1Char('.'), QLatin1Char(',')).replace(QLatin1Char('\\'), QLatin1Char('/'));
    return converted.split(QLatin1Char('/'));
}

// --- signing in ---------------------------------------------------------------------------------

bool CloudAccess::refusedCredentials(const CloudError &error)
{
    // Wrong stored credentials are no connection problem: the sign-in window reports them. With
    // e-mail enumeration protection an unknown address and a wrong password are one answer.
    static const QStringList codes = {QStringLiteral("EMAIL_NOT_FOUND"), QStringLiteral("INVALID_EMAIL"),
                                      QStringLiteral("USER_DISABLED"), QStringLiteral("INVALID_PASSWORD"),
                                      QStringLiteral("INVALID_LOGIN_CREDENTIALS")};
    return error.kind == CloudErrorKind::Service && codes.contains(error.code);
}

void CloudAccess::ConnexioFireBase()
{
    state_.ErrorFirebase.clear();
    if (!state_.token.isEmpty())
        return;
    if (state_.EmpresaEmail.isEmpty() || state_.EmpresaPassword.isEmpty())
        return;
    const IdentityResult result = identity_.signInWithPassword(state_.EmpresaEmail, state_.EmpresaPassword);
    if (result.ok()) {
        signedIn(result.user);
        saveUserId();
        return;
    }
    if (refusedCredentials(result.error))
        return;
    emit sinInternet();
    prompter_.ElMeuMessageDlg({dialog::error(),
                               CloudTexts::tr("Error de conexión con el servidor: \rNo se pudo resolver el nombre de servidor o su "
                                    "dirección\rCompruebe la conexión a internet"),
                               DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}, 8});
    state_.ErrorFirebase = result.error.text;
}

void CloudAccess::signedIn(const IdentityUser &user)
{
    state_.token = user.idToken;
    refreshToken_ = user.refreshToken;
    state_.CodiReg = user.localId;
}

void CloudAccess::saveUserId()
{
    if (!settings_)
        return;
    settings_->values().idUsuari = state_.CodiReg;
    settings_->GuardarConfigInicial();
}

void CloudAccess::ensureSignedIn()
{
    if (state_.token.isEmpty())
        ConnexioFireBase();
}

bool CloudAccess::renewToken()
{
    if (!refreshToken_.isEmpty()) {
        const IdentityResult refreshed = identity_.refresh(refreshToken_);
        if (refreshed.ok() && !refreshed.user.idToken.isEmpty()) {
            state_.token = refreshed.user.idToken;
            refreshToken_ = refreshed.user.refreshToken.isEmpty() ? refreshToken_ : refreshed.user.refreshToken;
            trace_.Escriure_REPortserie(CloudTexts::tr("Sesión renovada"));
            return true;
        }
    }
    if (state_.EmpresaEmail.isEmpty() || state_.EmpresaPassword.isEmpty())
        return false;
    const IdentityResult signedIn = identity_.signInWithPassword(state_.EmpresaEmail, state_.EmpresaPassword);
    if (!signedIn.ok())
        return false;
    state_.token = signedIn.user.idToken;
    refreshToken_ = signedIn.user.refreshToken;
    trace_.Escriure_REPortserie(CloudTexts::tr("Sesión renovada"));
    return true;
}

// --- reading ------------------------------------------------------------------------------------

QString CloudAccess::readFailed()
{
    emit sinInternet();
    state_.ErrorFirebase = CloudTexts::tr("Error de conexión con el servidor\r");
    return {};
}

QString CloudAccess::renderNode(const DatabaseAnswer &answer)
{
    if (!answer.ok())
        return readFailed();
    const std::optional<QJsonValue> value = parseJson(answer.body);
    if (!value)
        return readFailed();
    if (!value->isObject())
        return value->isNull() ? QString() : jsonText(*value);
    QString rendered;
    for (const auto &[key, member] : objectMembers(answer.body).value_or(JsonMembers{}))
        rendered += key + QStringLiteral(": ") + jsonText(member) + QLatin1Char('\r');
    return rendered;
}

QString CloudAccess::GetSynchRTDB(const QString &path)
{
    ensureSignedIn();
    return renderNode(database_.get(GetRTDBPath(path)));
}

QString CloudAccess::GetSynchRTDBHistoric(const QString &path, const QString &count)
{
    ensureSignedIn();
    DatabaseQuery query{QStringLiteral("Created"), count.trimmed().toInt()};
    return renderNode(database_.get(GetRTDBPath(path), query));
}

QJsonValue CloudAccess::GetSynchValue(const QString &path)
{
    state_.ErrorFirebase.clear();
    const NodeRead read = readNode(path);
    if (!read.ok())
        readFailed();
    return read.value;
}

NodeRead CloudAccess::readNode(const QString &path)
{
    ensureSignedIn();
    const DatabaseAnswer answer = database_.get(GetRTDBPath(path));
    if (!answer.ok())
        return {{}, answer.error};
    const std::optional<QJsonValue> value = parseJson(answer.body);
    if (!value)
        return {{}, CloudError::of(CloudErrorKind::BadAnswer, CloudTexts::tr("Respuesta no válida del servidor"))};
    return {*value, {}};
}

CloudError CloudAccess::patchNode(const QString &path, const QJsonObject &object)
{
    ensureSignedIn();
    return database_.patch(GetRTDBPath(path), QJsonDocument(object).toJson(QJsonDocument::Compact)).error;
}

QString CloudAccess::levelPath(const QString &company, const QString &installer, const QString &reference)
{
    if (!reference.isEmpty())
        return referencePath(company, installer, reference);
    return installer.isEmpty() ? companyPath(company) : installerPath(company, installer);
}

QString CloudAccess::keyPath(const QString &company, const QString &installer, const QString &reference)
{
    if (!reference.isEmpty())
        return levelPath(company, installer, reference) + QStringLiteral("/KeyReference");
    return levelPath(company, installer, reference) + (installer.isEmpty() ? QStringLiteral("/KeyCom") : QStringLiteral("/KeyInstaller"));
}

StoredKey CloudAccess::storedKey(const QString &company, const QString &installer, const QString &reference)
{
    ensureSignedIn();
    if (state_.token.isEmpty())
        return {StoredKey::Status::NotSignedIn, {}, {}};
    state_.ErrorFirebase.clear();
    const NodeRead read = readNode(keyPath(company, installer, reference));
    if (!read.ok()) {
        readFailed();
        return {StoredKey::Status::Failed, {}, state_.ErrorFirebase};
    }
    return {StoredKey::Status::Read, plainText(read.value).remove(QLatin1Char('"')), {}};
}

DeviceListing CloudAccess::readDevices()
{
    ensureSignedIn();
    if (state_.token.isEmpty())
        return {};
    const DatabaseAnswer answer = database_.get({QStringLiteral("Equipments")}, {QStringLiteral("$key"), 0});
    if (!answer.ok()) {
        DeviceListing failed;
        failed.error = answer.error.text;
        return failed;
    }
    DeviceListing listing = parseDevices(answer.body);
    if (!listing.skipped.isEmpty())
        trace_.Escriure_REPortserie(listing.skippedMessage(), TraceColour::Red);
    return listing;
}

// --- writing ------------------------------------------------------------------------------------

QString CloudAccess::databaseError(const CloudError &error) const
{
    return CloudTexts::tr("Error de acceso a la base de datos: ") + error.text;
}

CloudError CloudAccess::patchTraced(const QString &path, const QJsonObject &object, bool traced)
{
    const CloudError error = patchNode(path, object);
    if (!traced)
        return error;
    if (error.failed())
        trace_.Escriure_REPortserie(QStringLiteral("Patch de ") + path + QStringLiteral(" failed: ") + error.text);
    else
        trace_.Escriure_REPortserie(QStringLiteral("Patch : ") + path + QStringLiteral("   Data") + redacted(object));
    return error;
}

void CloudAccess::ActualitzaCompaniesRTDB(const QString &company, const QString &installer, const QString &key,
                                          const QString &reference, bool nou)
{
    writeCompanyKey(company, installer, key, reference, nou, true, false);
}

bool CloudAccess::writeCompanyKey(const QString &company, const QString &installer, const QString &key,
                                  const QString &reference, bool nou, bool refreshCompanyAccess, bool traced)
{
    // An empty company would write the keys over "Companies" itself, a reference without its
    // installer into an installer called "References".
    if (company.isEmpty() || (!reference.isEmpty() && installer.isEmpty())) {
        state_.ErrorFirebase = databaseError(CloudError::of(CloudErrorKind::BadRequest, CloudTexts::tr("datos incompletos")));
        return false;
    }
    const QString stamp = now();
    QString path;
    QJsonObject level;
    if (!reference.isEmpty()) {
        path = referencePath(company, installer, reference);
        level.insert(QStringLiteral("KeyReference"), key);
        if (nou)
            level.insert(QStringLiteral("CreatedDateReference"), stamp);
    } else if (!installer.isEmpty()) {
        path = installerPath(company, installer);
        level.insert(QStringLiteral("KeyInstaller"), key);
        if (nou)
            level.insert(QStringLiteral("CreatedDateInstaller"), stamp);
        level.insert(QStringLiteral("LastAccessInstaller"), stamp);
    } else {
        path = companyPath(company);
        level = {{QStringLiteral("KeyCom"), key}, {QStringLiteral("NIF"), QString()}, {QStringLiteral("Name"), company}};
        if (nou)
            level.insert(QStringLiteral("CreatedDateCom"), stamp);
        level.insert(QStringLiteral("LastAccessCom"), stamp);
    }
    bool written = true;
    if (const CloudError error = patchTraced(path, level, traced); error.failed()) {
        state_.ErrorFirebase = databaseError(error);
        written = false;
    }
    if (refreshCompanyAccess && (!reference.isEmpty() || !installer.isEmpty())) {
        const QJsonObject access{{QStringLiteral("LastAccessCom"), stamp}};
        if (const CloudError error = patchTraced(companyPath(company), access, traced); error.failed()) {
            state_.ErrorFirebase = databaseError(error);
            written = false;
        }
    }
    return written;
}

void CloudAccess::ActualitzaEventsRTDB(const QString &identifier, const QString &message, const QString &code)
{
    if (identifier.isEmpty())
        return;
    ensureSignedIn();
    const QString created = clock_().toUTC().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss.zzz"));
    const JsonMembers event = {{QStringLiteral("ClientId"), identifier},
                               {QStringLiteral("Created"), created},
                               {QStringLiteral("EventId"), code},
                               {QStringLiteral("MessageTxt"), message},
                               {QStringLiteral("UserName"), state_.EmpresaNickname},
                               {QStringLiteral("UserMail"), state_.EmpresaEmail},
                               {QStringLiteral("UserId"), state_.CodiReg}};
    const DatabaseAnswer answer =
        database_.post(GetRTDBPath(QStringLiteral("Events/") + identifier + QLatin1Char('/')), orderedObject(event));
    if (!answer.ok())
        state_.ErrorFirebase = databaseError(answer.error);
}

void CloudAccess::EsborrarEquip(const QString &identifier)
{
    // Without an identifier the path would be "Equipments/" itself: every device's record.
    if (identifier.trimmed().isEmpty())
        return;
    ensureSignedIn();
    database_.remove(GetRTDBPath(QStringLiteral("Equipments/") + identifier));
}

// --- version check ------------------------------------------------------------------------------

int CloudAccess::ComprovaVersioRTDB()
{
    ConnexioFireBase();
    if (!CheckAndCreateRealTimeDBClass())
        return 1;
    const NodeRead stored = readNode(QStringLiteral("Versions/PCNewVersionAvailable"));
    if (!stored.ok()) {
        // Unknown is not missing: writing ours now could hide a newer version from everyone.
        trace_.Escriure_REPortserie(CloudTexts::tr("Versión no comprobada: ") + stored.error.text, TraceColour::Red);
        return 1;
    }
    QString version = plainText(stored.value);
    if (stored.value.isNull()) {
        version = kProgramVersion;
        patchNode(QStringLiteral("Versions"), {{QStringLiteral("PCNewVersionAvailable"), kProgramVersion}});
    }
    const std::optional<qlonglong> newest = versionNumber(version);
    const std::optional<qlonglong> ours = versionNumber(kProgramVersion);
    if (!newest || !ours) {
        trace_.Escriure_REPortserie(CloudTexts::tr("Versión no válida en el servidor: ") + version, TraceColour::Red);
        return 1;
    }
    if (*newest <= *ours)
        return 1;
    const NodeRead blocking = readNode(QStringLiteral("Versions/PCBlockingCondition"));
    const bool mustUpdate = blocking.ok() && flagOf(blocking.value);
    const bool downloading = prompter_.ElMeuMessageDlgHyperlink(dialog::atencio(), CloudTexts::tr("Hay una nueva versión disponible\r\n"));
    // The download link ends the program too.
    return mustUpdate || downloading ? 0 : 1;
}

} // namespace quelta
