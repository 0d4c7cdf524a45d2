#pragma once

#include "core/session/Registration.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class QToolButton;
class QWidget;

namespace quelta::ui {

// The sign-in window ("Formulario de registro"). Two forms share it: the short one, where the
// sign-in panel covers the company rows and only the e-mail and password are asked for, and the
// full one that registers a new user with their company, installer, reference and key. The window
// only shows the fields; every button is a step of Registration, which answers with its signals.
class TFRegistre : public QDialog
{
    Q_OBJECT
public:
    TFRegistre(Registration &registration, const RegistrationStart &start, QWidget *parent = nullptr);
    ~TFRegistre() override;

    // Registration::Execute with this window, modal over parent, as the way it is shown when needed.
    static bool run(Registration &registration, QWidget *parent);

    // What the edits hold.
    RegistrationForm form() const;
    // The sign-in panel is in front: the short form.
    bool signInPanelShown() const;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildSignInPanel();
    QWidget *buildCompanyRows();
    QWidget *buildCredentialRows();
    QWidget *buildSignInActions();
    QWidget *buildRegistrationActions();
    QPushButton *revealButton(const char *name, QLineEdit *edit);
    void connectRegistration();

    void showSignInPanel(bool shown);
    void clearCompanyData();
    void focusField(RegistrationField field);
    QLineEdit *edit(RegistrationField field) const;
    void setBusy(bool busy);

    Registration &registration_;
    bool activated_ = false;
    int busyCursors_ = 0;
    // A field asked for while its row lies under the sign-in panel: it takes the focus once the
    // full form shows.
    bool focusPending_ = false;
    RegistrationField pendingField_ = RegistrationField::Email;

    QStackedLayout *upper_ = nullptr;
    QStackedLayout *lower_ = nullptr;

    QWidget *PIniciaSessio_ = nullptr;
    QWidget *companyRows_ = nullptr;
    QWidget *signInActions_ = nullptr;
    QWidget *registrationActions_ = nullptr;

    QLineEdit *EEmpresa_ = nullptr;
    QLineEdit *EInstal_ = nullptr;
    QLineEdit *ERef_ = nullptr;
    QLineEdit *EClau_ = nullptr;
    QLineEdit *ENickname_ = nullptr;
    QLineEdit *EEMail_ = nullptr;
    QLineEdit *EPassword_ = nullptr;
    QPushButton *BMostraClau_ = nullptr;
    QPushButton *BMostraPassword_ = nullptr;

    QLabel *LNovaContrasenya_ = nullptr;
    QPushButton *BIniciaSessio_ = nullptr;
    QPushButton *BNouUsuari_ = nullptr;
    QPushButton *BRegistre_ = nullptr;
};

} // namespace quelta::ui
