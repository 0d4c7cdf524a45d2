#pragma once

#include "core/cloud/SignIn.h"

#include <QObject>

#include <functional>

namespace quelta {

class ProgramContext;

// The sign-in window's edits.
enum class RegistrationField { Company, Installer, Reference, Key, Alias, Email, Password };

// What the installer typed in the sign-in window.
struct RegistrationForm
{
    QString company;
    QString installer;
    QString reference;
    QString key;
    QString alias;
    QString email;
    QString password;
};

// How the sign-in window opens when the start-up cannot sign in by itself.
struct RegistrationStart
{
    bool signInPanel = true; // the short sign-in form; false: the full registration form
    QString email;           // put in their edits as the window opens
    QString password;
};

// The sign-in window's steps ("Formulario de registro"): signing in at start-up with the stored
// credentials, and behind the window's buttons signing in, registering a new user with their company
// data, and asking for a password reset. The window shows the fields and paints what this asks for.
class Registration : public QObject
{
    Q_OBJECT
public:
    explicit Registration(ProgramContext &context, QObject *parent = nullptr);

    SignIn &signIn() { return signIn_; }

    // Shows the window modally and tells whether it closed with OK.
    using WindowRunner = std::function<bool(const RegistrationStart &start)>;
    // Signs in with the stored credentials and reads the user's company; only when that is not
    // enough is the window shown. True: signed in, or the cloud is unreachable and the program goes
    // on off line. False: the program ends.
    bool Execute(const WindowRunner &showWindow);

    // The window opened: company, installer, reference and key start empty.
    void FormActivate(const QString &email);
    // "Iniciar sesión".
    void BIniciaSessioClick(const RegistrationForm &form);
    // "Nuevo usuario" of the sign-in panel: the full form, for the company data.
    void BNouUsuariClick(const QString &email);
    // "¿Olvidó la contraseña?".
    void LNovaContrasenyaClick(const QString &email);
    // "Nuevo usuario" of the full form: registers the user and their company, installer, reference.
    void BRegistreClick(const RegistrationForm &form);

signals:
    void companyDataCleared();
    void focusRequested(quelta::RegistrationField field);
    void signInPanelHidden();
    // The window closes with OK.
    void accepted();
    // A cloud call runs: the window shows the busy cursor.
    void busyChanged(bool busy);

private:
    bool refusedField(RegistrationField field, const QString &message);
    bool refusedCredentials(const RegistrationForm &form);
    bool refusedForm(const RegistrationForm &form);
    bool refusedKey(const RegistrationForm &form);
    void connectionLost();
    void showError(const QString &text);
    void focusFirstEmpty(const QString &email);
    void takeForm(const RegistrationForm &form);

    ProgramContext &context_;
    SignIn signIn_;
};

} // namespace quelta
