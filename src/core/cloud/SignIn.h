#pragma once

#include "core/cloud/CloudError.h"

#include <QString>

namespace quelta {

class AppSettings;
class CloudAccess;
class DiagnosticTrace;
struct IdentityUser;

enum class SignInStatus {
    Ok,
    NotRegistered, // no such user (or, with e-mail enumeration protection, no such user or a wrong password)
    Unverified,    // the e-mail address is not verified yet
    Refused,       // any other refusal: error says why
    Offline,       // the service could not be reached: the program may go on off line
};

struct SignInResult
{
    SignInStatus status = SignInStatus::Ok;
    QString error; // the text to show; empty when Ok

    bool ok() const { return status == SignInStatus::Ok; }
};

struct NewUserResult
{
    SignInResult result;   // Unverified after a successful sign-up: the installer verifies first
    QString information;   // shown as information when the mail went out; empty otherwise
};

struct Notice
{
    enum class Kind { Warning, Information };
    Kind kind = Kind::Information;
    QString text;
};

// What the sign-in window does at the services, without the window: it collects the fields and
// shows the texts these steps return. The signed-in state is CloudAccess's.
class SignIn
{
public:
    SignIn(CloudAccess &cloud, AppSettings *settings, DiagnosticTrace &trace);

    // Signs in; on Ok token and CodiReg are set and the database may be used.
    SignInResult LoginFirebase(const QString &email, const QString &password);
    // Creates the user and sends the verification mail.
    NewUserResult AltaNouUsuariFirebase(const QString &email, const QString &password);
    Notice ResetPasswordFirebase(const QString &email);
    // Reads the signed-in user's company, installer, reference, alias and the key of that level
    // into the state; the error text, empty when none.
    QString BuscaEmpresaUsersRTDB();
    // Checks the user against the typed company data and writes the user and company records; the
    // text to show ("¡ ERROR !\r..."), empty on success, when e-mail, password and identifier have
    // been stored in the settings.
    QString LoginEmpresaRTDB(const QString &company, const QString &installer, const QString &reference,
                             const QString &key, const QString &email, const QString &password, const QString &alias,
                             bool registering);
    // Patches the user record (nou: the whole record, as created); traced without secrets.
    CloudError ActualitzaUsersRTDB(bool nou, const QString &company, const QString &installer,
                                   const QString &reference, const QString &alias, const QString &email);

    // The window's texts for the outcomes.
    static QString noRegistrat();
    static QString noVerificat();
    static QString noInstalador();
    static QString correuIncorrecte();
    static QString contrasenyaInvalida();
    static QString massaIntents();

private:
    SignInResult mapped(const CloudError &error, bool signingUp) const;
    SignInResult checkUser(const IdentityUser &user);
    QString accessError(const CloudError &error) const;
    QString userPath() const;
    void storeCredentials(const QString &email, const QString &password);

    CloudAccess &cloud_;
    AppSettings *settings_;
    DiagnosticTrace &trace_;
};

} // namespace quelta
