#include "ui/cloud/TFRegistre.h"

#include "ui/cloud/DirectoryIcons.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

constexpr int kShortField = 20;
constexpr int kEditWidth = 260;

QString identificationTip()
{
    return TFRegistre::tr("Para acceder remotamente al circuito es necesario tenerlo identificando con el nombre de "
                          "empresa y el instalador correctos");
}

QLineEdit *fieldEdit(const char *name, int maxLength, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    edit->setMinimumWidth(kEditWidth);
    return edit;
}

// Hidden text is masked with "*", as every key of the program. A line edit reads its mask from the
// style when it is polished, so the sheet that sets it comes after the polish.
void maskWithStars(QLineEdit *edit)
{
    edit->ensurePolished();
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    edit->setEchoMode(QLineEdit::Password);
}

// "(*)" after the caption of a field that cannot stay empty.
QLabel *requiredMark(QWidget *parent)
{
    auto *mark = new QLabel(QStringLiteral("(*)"), parent);
    mark->setStyleSheet(QStringLiteral("color: #B00020;"));
    return mark;
}

// One row of a form: caption, mark of a required field, the edit and, for hidden text, the button
// that reveals it.
void addRow(QGridLayout *grid, int row, const QString &caption, QLineEdit *edit, bool required,
            QPushButton *reveal = nullptr)
{
    auto *label = new QLabel(caption, edit->parentWidget());
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    if (required)
        grid->addWidget(requiredMark(edit->parentWidget()), row, 1);
    grid->addWidget(edit, row, 2);
    if (reveal)
        grid->addWidget(reveal, row, 3);
}

QGridLayout *formGrid(QWidget *parent)
{
    auto *grid = new QGridLayout(parent);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(2, 1);
    return grid;
}

} // namespace

TFRegistre::TFRegistre(Registration &registration, const RegistrationStart &start, QWidget *parent)
    : QDialog(parent), registration_(registration)
{
    setObjectName(QStringLiteral("TFRegistre"));
    setWindowTitle(tr("Formulario de registro"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto *upperArea = new QWidget(this);
    upper_ = new QStackedLayout(upperArea);
    upper_->addWidget(buildSignInPanel());
    upper_->addWidget(buildCompanyRows());

    auto *lowerArea = new QWidget(this);
    lower_ = new QStackedLayout(lowerArea);
    lower_->addWidget(buildSignInActions());
    lower_->addWidget(buildRegistrationActions());

    QWidget *credentials = buildCredentialRows();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(upperArea);
    layout->addWidget(credentials);
    layout->addWidget(lowerArea);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Both groups of rows line their captions up: the company rows and the credentials share the
    // widest caption's width.
    int captionWidth = 0;
    const QList<QLabel *> captions = companyRows_->findChildren<QLabel *>() + credentials->findChildren<QLabel *>();
    for (const QLabel *caption : captions)
        if (caption->buddy())
            captionWidth = qMax(captionWidth, caption->sizeHint().width());
    for (QLabel *caption : captions)
        if (caption->buddy())
            caption->setMinimumWidth(captionWidth);

    // The order Tab walks: the company rows, then the credentials, then the buttons.
    setTabOrder(EEmpresa_, EInstal_);
    setTabOrder(EInstal_, ERef_);
    setTabOrder(ERef_, EClau_);
    setTabOrder(EClau_, ENickname_);
    setTabOrder(ENickname_, EEMail_);
    setTabOrder(EEMail_, EPassword_);

    EEMail_->setText(start.email);
    EPassword_->setText(start.password);
    connectRegistration();
    showSignInPanel(start.signInPanel);
}

TFRegistre::~TFRegistre()
{
    // The window closes while a step still holds the busy cursor: it goes with the window.
    while (busyCursors_ > 0)
        setBusy(false);
}

QWidget *TFRegistre::buildSignInPanel()
{
    auto *panel = new QFrame(this);
    PIniciaSessio_ = panel;
    panel->setObjectName(QStringLiteral("PIniciaSessio"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setStyleSheet(QStringLiteral("QFrame#PIniciaSessio { background: #F3F8FF; border: 1px solid #9FBCE0;"
                                        " border-radius: 6px; }"));
    auto *title = new QLabel(tr("Iniciar sesión"), panel);
    QFont big = title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title->setFont(big);
    auto *text = new QLabel(tr("Introduzca el correo electrónico y la contraseña con los que se registró.\n"
                               "Si aún no tiene usuario, pulse \"Nuevo usuario\"."),
                            panel);
    text->setWordWrap(true);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addStretch(1);
    layout->addWidget(title);
    layout->addWidget(text);
    layout->addStretch(1);
    return panel;
}

QWidget *TFRegistre::buildCompanyRows()
{
    companyRows_ = new QWidget(this);
    companyRows_->setObjectName(QStringLiteral("PDadesEmpresa"));
    EEmpresa_ = fieldEdit("EEmpresa", kShortField, companyRows_);
    EInstal_ = fieldEdit("EInstal", kShortField, companyRows_);
    ERef_ = fieldEdit("ERef", 0, companyRows_);
    EClau_ = fieldEdit("EClau", kShortField, companyRows_);
    maskWithStars(EClau_);
    ENickname_ = fieldEdit("ENickname", 0, companyRows_);
    BMostraClau_ = revealButton("BMostraClau", EClau_);

    QGridLayout *grid = formGrid(companyRows_);
    addRow(grid, 0, tr("EMPRESA: "), EEmpresa_, true);
    addRow(grid, 1, tr("INSTALADOR: "), EInstal_, false);
    addRow(grid, 2, tr("REFERENCIA: "), ERef_, false);
    addRow(grid, 3, tr("CLAVE:"), EClau_, true, BMostraClau_);
    addRow(grid, 4, tr("ALIAS: "), ENickname_, false);
    for (QLineEdit *edit : {EInstal_, ERef_, EClau_, ENickname_})
        edit->setToolTip(identificationTip());
    return companyRows_;
}

QWidget *TFRegistre::buildCredentialRows()
{
    auto *rows = new QWidget(this);
    rows->setObjectName(QStringLiteral("PCredencials"));
    EEMail_ = fieldEdit("EEMail", 0, rows);
    EEMail_->setToolTip(identificationTip());
    EPassword_ = fieldEdit("EPassword", kShortField, rows);
    maskWithStars(EPassword_);
    BMostraPassword_ = revealButton("BMostraPassword", EPassword_);

    QGridLayout *grid = formGrid(rows);
    addRow(grid, 0, tr("CORREO ELECTRONICO:"), EEMail_, true);
    addRow(grid, 1, tr("CONTRASEÑA: "), EPassword_, true, BMostraPassword_);
    // The reveal column is as wide in both grids, so that the edits end at the same place.
    grid->setColumnMinimumWidth(3, BMostraPassword_->sizeHint().width());
    if (auto *company = qobject_cast<QGridLayout *>(companyRows_->layout()))
        company->setColumnMinimumWidth(3, BMostraPassword_->sizeHint().width());
    return rows;
}

QWidget *TFRegistre::buildSignInActions()
{
    signInActions_ = new QWidget(this);
    signInActions_->setObjectName(QStringLiteral("PBotonsIniciaSessio"));

    LNovaContrasenya_ = new QLabel(tr("¿Olvidó la contraseña?"), signInActions_);
    LNovaContrasenya_->setObjectName(QStringLiteral("LNovaContrasenya"));
    LNovaContrasenya_->setCursor(Qt::PointingHandCursor);
    LNovaContrasenya_->setStyleSheet(QStringLiteral("color: #0B5CAD; text-decoration: underline;"));
    LNovaContrasenya_->installEventFilter(this);

    BIniciaSessio_ = new QPushButton(tr("Iniciar sesión"), signInActions_);
    BIniciaSessio_->setObjectName(QStringLiteral("BIniciaSessio"));
    connect(BIniciaSessio_, &QPushButton::clicked, this, [this] { registration_.BIniciaSessioClick(form()); });
    BNouUsuari_ = new QPushButton(tr("Nuevo usuario"), signInActions_);
    BNouUsuari_->setObjectName(QStringLiteral("BNouUsuari"));
    connect(BNouUsuari_, &QPushButton::clicked, this, [this] { registration_.BNouUsuariClick(EEMail_->text()); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BNouUsuari_);
    buttons->addWidget(BIniciaSessio_);
    auto *layout = new QVBoxLayout(signInActions_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LNovaContrasenya_, 0, Qt::AlignRight);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return signInActions_;
}

QWidget *TFRegistre::buildRegistrationActions()
{
    registrationActions_ = new QWidget(this);
    registrationActions_->setObjectName(QStringLiteral("PBotonsRegistre"));
    auto *note = new QLabel(tr("(*) Campos obligatorios"), registrationActions_);
    note->setObjectName(QStringLiteral("LObligatoris"));
    BRegistre_ = new QPushButton(tr("Nuevo usuario"), registrationActions_);
    BRegistre_->setObjectName(QStringLiteral("BRegistre"));
    connect(BRegistre_, &QPushButton::clicked, this, [this] { registration_.BRegistreClick(form()); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BRegistre_);
    auto *layout = new QVBoxLayout(registrationActions_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(note);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return registrationActions_;
}

// A small button that shows edit's text in clear for as long as it is held down.
QPushButton *TFRegistre::revealButton(const char *name, QLineEdit *edit)
{
    auto *button = new QPushButton(edit->parentWidget());
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setIcon(directoryIcon(DirectoryIcon::ShowKey, 64));
    button->setIconSize(QSize(18, 18));
    button->setToolTip(tr("Mantener pulsado para ver el texto"));
    button->installEventFilter(this);
    connect(button, &QPushButton::pressed, edit, [edit] { edit->setEchoMode(QLineEdit::Normal); });
    connect(button, &QPushButton::released, edit, [edit] { edit->setEchoMode(QLineEdit::Password); });
    return button;
}

void TFRegistre::connectRegistration()
{
    connect(&registration_, &Registration::companyDataCleared, this, &TFRegistre::clearCompanyData);
    connect(&registration_, &Registration::focusRequested, this, &TFRegistre::focusField);
    connect(&registration_, &Registration::signInPanelHidden, this, [this] { showSignInPanel(false); });
    connect(&registration_, &Registration::accepted, this, &QDialog::accept);
    connect(&registration_, &Registration::busyChanged, this, &TFRegistre::setBusy);
}

bool TFRegistre::run(Registration &registration, QWidget *parent)
{
    return registration.Execute([&registration, parent](const RegistrationStart &start) {
        TFRegistre window(registration, start, parent);
        return window.exec() == QDialog::Accepted;
    });
}

RegistrationForm TFRegistre::form() const
{
    return {EEmpresa_->text(), EInstal_->text(), ERef_->text(),     EClau_->text(),
            ENickname_->text(), EEMail_->text(), EPassword_->text()};
}

bool TFRegistre::signInPanelShown() const
{
    return upper_->currentWidget() == PIniciaSessio_;
}

void TFRegistre::showSignInPanel(bool shown)
{
    upper_->setCurrentWidget(shown ? PIniciaSessio_ : companyRows_);
    lower_->setCurrentWidget(shown ? signInActions_ : registrationActions_);
    // Return presses the button of the form in front.
    BIniciaSessio_->setDefault(shown);
    BRegistre_->setDefault(!shown);
    BNouUsuari_->setDefault(false);
    if (!shown && focusPending_)
        focusField(pendingField_);
}

void TFRegistre::clearCompanyData()
{
    for (QLineEdit *edit : {EEmpresa_, EInstal_, ERef_, EClau_})
        edit->clear();
}

QLineEdit *TFRegistre::edit(RegistrationField field) const
{
    switch (field) {
    case RegistrationField::Company:
        return EEmpresa_;
    case RegistrationField::Installer:
        return EInstal_;
    case RegistrationField::Reference:
        return ERef_;
    case RegistrationField::Key:
        return EClau_;
    case RegistrationField::Alias:
        return ENickname_;
    case RegistrationField::Email:
        return EEMail_;
    case RegistrationField::Password:
        return EPassword_;
    }
    return EEMail_;
}

// A company row asked for while the sign-in panel covers it cannot take the focus: the first
// credential still to be typed takes it, and the row gets it when the full form comes forward.
void TFRegistre::focusField(RegistrationField field)
{
    QLineEdit *target = edit(field);
    focusPending_ = signInPanelShown() && target->parentWidget() == companyRows_;
    pendingField_ = field;
    if (focusPending_)
        target = EEMail_->text().trimmed().isEmpty() ? EEMail_ : EPassword_;
    target->setFocus(Qt::OtherFocusReason);
}

void TFRegistre::setBusy(bool busy)
{
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++busyCursors_;
    } else if (busyCursors_ > 0) {
        QApplication::restoreOverrideCursor();
        --busyCursors_;
    }
}

void TFRegistre::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    registration_.FormActivate(EEMail_->text());
}

bool TFRegistre::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == LNovaContrasenya_ && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && LNovaContrasenya_->rect().contains(mouse->position().toPoint())) {
            registration_.LNovaContrasenyaClick(EEMail_->text());
            return true;
        }
    } else if ((watched == BMostraClau_ || watched == BMostraPassword_) && event->type() == QEvent::Leave) {
        // Sliding off the button hides the text again, even before the button is let go.
        (watched == BMostraClau_ ? EClau_ : EPassword_)->setEchoMode(QLineEdit::Password);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quelta::ui
