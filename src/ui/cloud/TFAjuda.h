#pragma once

#include "core/session/AboutBox.h"

#include <QDialog>

class QFrame;
class QLineEdit;
class QPushButton;
class QTextBrowser;

namespace quelta::ui {

// The about box ("Acerca de"): the program and its version, the signed-in account, how the
// program treats the installer's data, and the way to move the account to another company,
// installer or reference once that level's key is given. AboutBox takes the steps; this shows them.
class TFAjuda : public QDialog
{
    Q_OBJECT
public:
    TFAjuda(AboutBox &about, Registration &registration, QWidget *parent = nullptr);

    // The account as typed, with the key of the key panel.
    RegistrationForm form() const;

    // The text under "Privacidad".
    static QString privacyText();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildHeader();
    QWidget *buildAccount();
    QFrame *buildKeyPanel();
    void showAccount();
    void showKeyPanel();
    void hideKeyPanel();
    void focusField(RegistrationField field);
    void registerUser();

    AboutBox &about_;
    Registration &registration_;

    QLineEdit *EEMail_ = nullptr;
    QLineEdit *EAlies_ = nullptr;
    QLineEdit *EEmpresa_ = nullptr;
    QLineEdit *EInstal_ = nullptr;
    QLineEdit *ERef_ = nullptr;
    QPushButton *BBGuardarCanvis_ = nullptr;
    QPushButton *BBRegistre_ = nullptr;
    QPushButton *BBTancar_ = nullptr;
    QTextBrowser *MPrivacitat_ = nullptr;

    QFrame *PMesdades_ = nullptr;
    QLineEdit *EPassword_ = nullptr;
    QPushButton *BBMostraClau_ = nullptr;
    QPushButton *BBAcceptar_ = nullptr;
};

} // namespace quelta::ui
