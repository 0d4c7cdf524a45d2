#include "ui/cloud/TFAjuda.h"

#include "core/base/Version.h"
#include "ui/cloud/DirectoryIcons.h"
#include "ui/cloud/TFRegistre.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

constexpr int kKeyLength = 20;
constexpr int kPrivacyLines = 16;

QLineEdit *accountEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(340);
    return edit;
}

void addRow(QGridLayout *grid, const QString &caption, QLineEdit *edit)
{
    const int row = grid->rowCount();
    auto *label = new QLabel(caption, edit->parentWidget());
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
}

} // namespace

TFAjuda::TFAjuda(AboutBox &about, Registration &registration, QWidget *parent)
    : QDialog(parent), about_(about), registration_(registration)
{
    setObjectName(QStringLiteral("TFAjuda"));
    setWindowTitle(tr("Acerca de"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *privacy = new QGroupBox(tr("Privacidad"), this);
    MPrivacitat_ = new QTextBrowser(privacy);
    MPrivacitat_->setObjectName(QStringLiteral("MPrivacitat"));
    MPrivacitat_->setOpenLinks(false);
    MPrivacitat_->setHtml(privacyText());
    MPrivacitat_->setMinimumHeight(MPrivacitat_->fontMetrics().lineSpacing() * kPrivacyLines);
    auto *privacyLayout = new QVBoxLayout(privacy);
    privacyLayout->addWidget(MPrivacitat_);

    BBRegistre_ = new QPushButton(tr("Registrar"), this);
    BBRegistre_->setObjectName(QStringLiteral("BBRegistre"));
    connect(BBRegistre_, &QPushButton::clicked, this, &TFAjuda::registerUser);
    BBGuardarCanvis_ = new QPushButton(tr("Guardar cambios"), this);
    BBGuardarCanvis_->setObjectName(QStringLiteral("BBGuardarCanvis"));
    connect(BBGuardarCanvis_, &QPushButton::clicked, &about_, &AboutBox::BBGuardarCanvisClick);
    BBTancar_ = new QPushButton(tr("Cerrar"), this);
    BBTancar_->setObjectName(QStringLiteral("BBTancar"));
    connect(BBTancar_, &QPushButton::clicked, this, &QDialog::reject);
    // Return in an edit does not press any of these: only the key panel's edit answers it.
    for (QPushButton *button : {BBRegistre_, BBGuardarCanvis_, BBTancar_})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(BBRegistre_);
    buttons->addWidget(BBGuardarCanvis_);
    buttons->addStretch(1);
    buttons->addWidget(BBTancar_);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(buildHeader());
    layout->addWidget(buildAccount());
    layout->addWidget(buildKeyPanel());
    layout->addWidget(privacy);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(&about_, &AboutBox::keyPanelShown, this, &TFAjuda::showKeyPanel);
    connect(&about_, &AboutBox::keyPanelHidden, this, &TFAjuda::hideKeyPanel);
    connect(&about_, &AboutBox::focusRequested, this, &TFAjuda::focusField);
    connect(&about_, &AboutBox::saved, this, &QDialog::accept);
}

QWidget *TFAjuda::buildHeader()
{
    auto *header = new QWidget(this);
    auto *name = new QLabel(QStringLiteral("Quelta"), header);
    name->setObjectName(QStringLiteral("LPrograma"));
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.8);
    name->setFont(big);
    auto *kind = new QLabel(tr("Software de programación"), header);
    auto *version = new QLabel(tr("Versión %1").arg(kProgramVersion), header);
    version->setObjectName(QStringLiteral("LVersio"));
    auto *layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(name);
    layout->addWidget(kind);
    layout->addWidget(version);
    return header;
}

QWidget *TFAjuda::buildAccount()
{
    auto *account = new QGroupBox(tr("Usuario"), this);
    // A field that cannot be changed looks so: on the window's ground instead of the edit's.
    account->setStyleSheet(QStringLiteral("QLineEdit[readOnly=\"true\"] { background: palette(window); }"));
    EEMail_ = accountEdit("EEMail", account);
    EAlies_ = accountEdit("EAlies", account);
    EEmpresa_ = accountEdit("EEmpresa", account);
    EInstal_ = accountEdit("EInstal", account);
    ERef_ = accountEdit("ERef", account);
    auto *grid = new QGridLayout(account);
    grid->setColumnStretch(1, 1);
    addRow(grid, tr("Correo electrónico: "), EEMail_);
    addRow(grid, tr("Alias: "), EAlies_);
    addRow(grid, tr("Empresa:"), EEmpresa_);
    addRow(grid, tr("Instalador: "), EInstal_);
    addRow(grid, tr("Referencia:"), ERef_);
    return account;
}

QFrame *TFAjuda::buildKeyPanel()
{
    PMesdades_ = new QFrame(this);
    PMesdades_->setObjectName(QStringLiteral("PMesdades"));
    PMesdades_->setStyleSheet(QStringLiteral("QFrame#PMesdades { background: #F3F8FF; border: 1px solid #9FBCE0;"
                                             " border-radius: 6px; }"));
    auto *caption = new QLabel(tr("Clave:"), PMesdades_);
    EPassword_ = new QLineEdit(PMesdades_);
    EPassword_->setObjectName(QStringLiteral("EPassword"));
    EPassword_->setMaxLength(kKeyLength);
    EPassword_->setToolTip(tr("La clave de la empresa, instalador o referencia elegidos"));
    caption->setBuddy(EPassword_);
    // Masked with "*" as every key of the program; the sheet comes after the polish that would
    // reset the mask.
    EPassword_->ensurePolished();
    EPassword_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    EPassword_->setEchoMode(QLineEdit::Password);

    // The key shows in clear only while this button is held down.
    BBMostraClau_ = new QPushButton(PMesdades_);
    BBMostraClau_->setObjectName(QStringLiteral("BBMostraClau"));
    BBMostraClau_->setFocusPolicy(Qt::NoFocus);
    BBMostraClau_->setAutoDefault(false);
    BBMostraClau_->setIcon(directoryIcon(DirectoryIcon::ShowKey, 64));
    BBMostraClau_->setIconSize(QSize(18, 18));
    BBMostraClau_->setToolTip(tr("Mantener pulsado para ver la clave"));
    BBMostraClau_->installEventFilter(this);
    connect(BBMostraClau_, &QPushButton::pressed, this, [this] { EPassword_->setEchoMode(QLineEdit::Normal); });
    connect(BBMostraClau_, &QPushButton::released, this, [this] { EPassword_->setEchoMode(QLineEdit::Password); });

    BBAcceptar_ = new QPushButton(tr("Aceptar"), PMesdades_);
    BBAcceptar_->setObjectName(QStringLiteral("BBAcceptar"));
    BBAcceptar_->setAutoDefault(false);
    connect(BBAcceptar_, &QPushButton::clicked, this, [this] { about_.BBAcceptarClick(form()); });
    connect(EPassword_, &QLineEdit::returnPressed, BBAcceptar_, &QPushButton::click);

    auto *layout = new QHBoxLayout(PMesdades_);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(caption);
    layout->addWidget(EPassword_, 1);
    layout->addWidget(BBMostraClau_);
    layout->addSpacing(8);
    layout->addWidget(BBAcceptar_);
    PMesdades_->hide();
    return PMesdades_;
}

QString TFAjuda::privacyText()
{
    return tr("<p>Este programa guarda el correo electrónico, el alias y los nombres de empresa, instalador y "
              "referencia del instalador. En este PC guarda además el correo electrónico y la contraseña, "
              "cifrados, en la configuración del usuario.</p>"
              "<p>El directorio en la nube contiene los identificadores de los equipos, sus referencias y sus "
              "últimos estados, y un registro de las acciones realizadas con el correo electrónico del usuario "
              "que las hizo.</p>"
              "<p>Estos datos se usan solo para dar acceso remoto a los equipos y su historial a la empresa del "
              "instalador. El responsable de los datos es la empresa que opera el servicio en la nube; el "
              "instalador puede pedirle el acceso a sus datos o que los borre.</p>"
              "<p>\"Cerrar sesión\" borra de este PC la contraseña guardada.</p>");
}

RegistrationForm TFAjuda::form() const
{
    return {EEmpresa_->text(), EInstal_->text(), ERef_->text(), EPassword_->text(), EAlies_->text(), EEMail_->text(), {}};
}

// Every showing reads the account afresh: who is signed in may have changed since the last one.
void TFAjuda::showAccount()
{
    const RegistrationForm account = about_.shownAccount();
    EEMail_->setText(account.email);
    EAlies_->setText(account.alias);
    EEmpresa_->setText(account.company);
    EInstal_->setText(account.installer);
    ERef_->setText(account.reference);

    const bool editable = about_.editable();
    // The e-mail is the account itself and is never changed here.
    EEMail_->setReadOnly(true);
    for (QLineEdit *edit : {EAlies_, EEmpresa_, EInstal_, ERef_})
        edit->setReadOnly(!editable);
    // The look follows the read-only property only once the edits are polished again.
    for (QLineEdit *edit : {EEMail_, EAlies_, EEmpresa_, EInstal_, ERef_}) {
        edit->style()->unpolish(edit);
        edit->style()->polish(edit);
    }
    BBGuardarCanvis_->setVisible(editable);
    BBRegistre_->setVisible(about_.offersRegistration());
    // An editable account keeps the key panel's room, so that the box does not grow when it
    // shows; otherwise the panel is not there at all.
    QSizePolicy policy = PMesdades_->sizePolicy();
    policy.setRetainSizeWhenHidden(editable);
    PMesdades_->setSizePolicy(policy);
    hideKeyPanel();
}

void TFAjuda::showKeyPanel()
{
    EPassword_->clear();
    EPassword_->setEchoMode(QLineEdit::Password);
    PMesdades_->show();
}

void TFAjuda::hideKeyPanel()
{
    PMesdades_->hide();
    EPassword_->clear();
    EPassword_->setEchoMode(QLineEdit::Password);
}

void TFAjuda::focusField(RegistrationField field)
{
    QLineEdit *edit = EEMail_;
    switch (field) {
    case RegistrationField::Company:
        edit = EEmpresa_;
        break;
    case RegistrationField::Installer:
        edit = EInstal_;
        break;
    case RegistrationField::Reference:
        edit = ERef_;
        break;
    case RegistrationField::Key:
    case RegistrationField::Password:
        edit = EPassword_;
        break;
    case RegistrationField::Alias:
        edit = EAlies_;
        break;
    case RegistrationField::Email:
        edit = EEMail_;
        break;
    }
    edit->setFocus(Qt::OtherFocusReason);
}

// "Registrar": the sign-in window takes the about box's place, and the box closes after it.
void TFAjuda::registerUser()
{
    hide();
    const bool registered = TFRegistre::run(registration_, parentWidget());
    done(registered ? QDialog::Accepted : QDialog::Rejected);
}

void TFAjuda::showEvent(QShowEvent *event)
{
    showAccount();
    QDialog::showEvent(event);
}

bool TFAjuda::eventFilter(QObject *watched, QEvent *event)
{
    // Sliding off the button hides the key again, even before the button is let go.
    if (watched == BBMostraClau_ && event->type() == QEvent::Leave)
        EPassword_->setEchoMode(QLineEdit::Password);
    return QDialog::eventFilter(watched, event);
}

} // namespace quelta::ui
