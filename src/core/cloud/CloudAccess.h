#pragma once

#include "core/base/FormatSettings.h"
#include "core/cloud/CloudEndpoints.h"
#include "core/cloud/DatabaseClient.h"
#include "core/cloud/DeviceRecords.h"
#include "core/cloud/IdentityClient.h"

#include <QDateTime>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QObject>

#include <functional>

namespace quelta {

class AppSettings;
class DiagnosticTrace;
class Prompter;

// The signed-in state: who is signed in, to which company, installer and reference, with which
// access key, and the last cloud error.
struct CloudState
{
    QString token; // id token; empty: not signed in
    QString ErrorFirebase;
    QString CodiReg; // the cloud user's identifier, also the MQTT client identifier
    QString EmpresaEmail;
    QString EmpresaPassword;
    QString EmpresaNom;
    QString EmpresaInstal;
    QString EmpresaRef;
    QString EmpresaClau;
    QString EmpresaNickname;
};

// The access key stored for a company, installer or reference.
struct StoredKey
{
    enum class Status { Read, NotSignedIn, Failed };
    Status status = Status::Read;
    QString key;   // Read: the key, empty when the level has none
    QString error; // Failed: the cloud error (ErrorFirebase)

    bool ok() const { return status == Status::Read; }
};

// A node read as it is.
struct NodeRead
{
    QJsonValue value; // null when nothing is stored
    CloudError error;

    bool ok() const { return !error.failed(); }
};

// The main window's cloud access: signing in with the stored credentials, reading and writing the
// directory database, and the start-up version check. Every call waits for its answer (see
// exchange()); none shows a window of its own but the dialogs that the Prompter answers.
class CloudAccess : public QObject, private TokenSource
{
    Q_OBJECT
public:
    CloudAccess(CloudEndpoints endpoints, AppSettings *settings, DiagnosticTrace &trace, Prompter &prompter,
                FormatSettings format, QObject *parent = nullptr);
    ~CloudAccess() override;

    CloudState &state() { return state_; }
    const CloudState &state() const { return state_; }
    const CloudEndpoints &endpoints() const { return endpoints_; }
    IdentityClient &identity() { return identity_; }
    DatabaseClient &database() { return database_; }
    // E-mail, password and user identifier from the settings, as the program starts.
    void loadFromSettings();
    // The regional formats of the dates written, once the program knows them.
    void setFormat(const FormatSettings &format) { format_ = format; }
    // Tests fix the time; the program runs on the PC's clock.
    void setClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    // "now" as the company and user records store it: regional short date and long time.
    QString now() const;

    // Signs in with the stored credentials when not signed in.
    void ConnexioFireBase();
    // Takes the signed-in user's token and identifier (the sign-in window signs in itself).
    void signedIn(const IdentityUser &user);
    bool CheckAndCreateRealTimeDBClass() const { return !state_.token.isEmpty(); }
    // "." becomes ",", "\" becomes "/", split at "/".
    static QStringList GetRTDBPath(const QString &path);

    // The node as text: an object as "key: <json>\r" per member in the server's order, null as
    // empty, anything else as its JSON. On an error: empty, ErrorFirebase set and sinInternet().
    QString GetSynchRTDB(const QString &path);
    // The node's value as the window's screens read it: ErrorFirebase cleared first; on an error
    // null, with ErrorFirebase set and sinInternet().
    QJsonValue GetSynchValue(const QString &path);
    // The same, ordered by "Created" and only the last count children.
    QString GetSynchRTDBHistoric(const QString &path, const QString &count);
    // The node's value; signs in first when needed. No dialog, no title, ErrorFirebase untouched.
    NodeRead readNode(const QString &path);
    // Merges the object into the node; the same rules.
    CloudError patchNode(const QString &path, const QJsonObject &object);

    // Writes the access key of the most specific level given; nou: the level is created now.
    void ActualitzaCompaniesRTDB(const QString &company, const QString &installer, const QString &key,
                                 const QString &reference, bool nou);
    // The same as the sign-in window writes it: no refresh of the company's last access after an
    // installer or a reference, and every patch traced (keys masked). False on a failure.
    bool writeCompanyKey(const QString &company, const QString &installer, const QString &key,
                         const QString &reference, bool nou, bool refreshCompanyAccess, bool traced);
    // Appends an entry to the device's event log.
    void ActualitzaEventsRTDB(const QString &identifier, const QString &message, const QString &code);
    // Deletes the device's record; errors are ignored. An empty identifier deletes nothing.
    void EsborrarEquip(const QString &identifier);
    // 1: go on; 0: a newer version must be installed first (the program ends).
    int ComprovaVersioRTDB();

    // Where the key of the most specific level given is stored: KeyReference when a reference is
    // given, KeyInstaller when an installer, else KeyCom.
    static QString keyPath(const QString &company, const QString &installer, const QString &reference);
    // The node of the most specific level given.
    static QString levelPath(const QString &company, const QString &installer, const QString &reference);
    // The key stored for the most specific level given (quotes removed).
    StoredKey storedKey(const QString &company, const QString &installer, const QString &reference);
    // Every device of the directory, ordered by identifier.
    DeviceListing readDevices();

signals:
    // A cloud read failed for want of a connection: the title gets "sin internet" (and the key
    // panel is hidden).
    void sinInternet();

private:
    QString idToken() const override { return state_.token; }
    bool renewToken() override;
    void ensureSignedIn();
    void saveUserId();
    static bool refusedCredentials(const CloudError &error);
    QString renderNode(const DatabaseAnswer &answer);
    QString readFailed();
    QString databaseError(const CloudError &error) const;
    CloudError patchTraced(const QString &path, const QJsonObject &object, bool traced);

    CloudEndpoints endpoints_;
    AppSettings *settings_;
    DiagnosticTrace &trace_;
    Prompter &prompter_;
    FormatSettings format_;
    QNetworkAccessManager network_;
    IdentityClient identity_;
    DatabaseClient database_;
    CloudState state_;
    QString refreshToken_;
    std::function<QDateTime()> clock_ = [] { return QDateTime::currentDateTime(); };
};

} // namespace quelta
