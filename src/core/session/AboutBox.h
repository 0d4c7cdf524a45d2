#pragma once

#include "core/session/Registration.h"

#include <QObject>

namespace quelta {

class ProgramContext;

// The about box's steps ("Acerca de"): it shows who is signed in and moves them to another company,
// installer or reference once the key of that level is given.
class AboutBox : public QObject
{
    Q_OBJECT
public:
    AboutBox(ProgramContext &context, Registration &registration, QObject *parent = nullptr);

    // The signed-in user's alias, company, installer, reference and e-mail.
    RegistrationForm shownAccount() const;
    // Signed in: the account may be changed.
    bool editable() const;
    // No cloud user yet: "Registrar" opens the sign-in window.
    bool offersRegistration() const;

    // "Guardar cambios": the key of the new level is asked for.
    void BBGuardarCanvisClick();
    // "Aceptar" in the key panel: the typed account (form.key is the key typed).
    void BBAcceptarClick(const RegistrationForm &form);

signals:
    void keyPanelShown();
    void keyPanelHidden();
    void focusRequested(quelta::RegistrationField field);
    // The account changed: the title names the user again.
    void accountChanged();
    // The change was confirmed: the box closes and the status screen returns.
    void saved();

private:
    bool refused(RegistrationField field, const QString &message);
    QString BuscaClauRTDB(const RegistrationForm &form);
    void save(const RegistrationForm &form);

    ProgramContext &context_;
    Registration &registration_;
};

} // namespace quelta
