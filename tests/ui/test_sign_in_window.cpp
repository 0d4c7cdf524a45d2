// The sign-in window and the about box over a shell without network: what each form shows, where
// the focus goes when a field is refused, and the key panel's steps. Signing in and registering
// against the cloud are the core's own tests.

#include "core/base/Version.h"
#include "ui/cloud/TFAjuda.h"
#include "ui/cloud/TFRegistre.h"

#include "ShellHarness.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace quelta;
using quelta::ui::TFAjuda;
using quelta::ui::TFRegistre;

namespace {

const QString kEmail = QStringLiteral("ana.ruiz@example.com");
const QString kPassword = QStringLiteral("correct-horse");

template<class T = QWidget> T *find(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no %s in the window", name);
    return found;
}

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

void saveShot(QWidget &window, const QString &name)
{
    if (const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS"); !shots.isEmpty()) {
        QTest::qWait(50);
        window.grab().save(shots + QLatin1Char('/') + name);
    }
}

} // namespace

class TestSignInWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ShellHarness> harness_;

    Shell &shell() { return *harness_->shell; }
    Registration &registration() { return shell().registration(); }
    CloudState &state() { return shell().context().cloud().state(); }
    QString lastMessage() const
    {
        return harness_->prompter.asked.isEmpty() ? QString() : harness_->prompter.asked.last().message;
    }

    // The installer's account as a previous sign-in left it.
    void signIn()
    {
        state().token = QStringLiteral("id-token");
        state().CodiReg = QStringLiteral("uid-1");
        state().EmpresaEmail = kEmail;
        state().EmpresaNickname = QStringLiteral("Ana");
        state().EmpresaNom = QStringLiteral("Extintores Norte");
        state().EmpresaInstal = QStringLiteral("Ana Ruiz");
        state().EmpresaRef = QStringLiteral("Nave 4");
    }

private slots:
    void init()
    {
        harness_ = std::make_unique<test::ShellHarness>();
        harness_->create();
        state() = CloudState{};
        harness_->prompter.asked.clear();
    }
    void cleanup() { harness_.reset(); }

    // The start decides which form is in front; both keep the e-mail and password typed, and the
    // first show empties the company data and focuses the first field still to be typed (a company
    // row under the panel cannot take it: the credentials do).
    void startPicksTheForm_data()
    {
        QTest::addColumn<bool>("signInPanel");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("focused");
        QTest::newRow("sign in, e-mail known") << true << kEmail << "EPassword";
        QTest::newRow("sign in, no e-mail") << true << QString() << "EEMail";
        QTest::newRow("register, e-mail known") << false << kEmail << "EEmpresa";
        QTest::newRow("register, no e-mail") << false << QString() << "EEMail";
    }
    void startPicksTheForm()
    {
        QFETCH(bool, signInPanel);
        QFETCH(QString, email);
        QFETCH(QString, focused);
        TFRegistre window(registration(), {signInPanel, email, kPassword});
        QCOMPARE(window.windowTitle(), QStringLiteral("Formulario de registro"));
        for (const char *name : {"EEmpresa", "EInstal", "ERef", "EClau"})
            find<QLineEdit>(window, name)->setText(QStringLiteral("left over"));
        QVERIFY(showActive(window));

        QCOMPARE(find(window, "PIniciaSessio")->isVisible(), signInPanel);
        QCOMPARE(window.signInPanelShown(), signInPanel);
        for (const char *name : {"LNovaContrasenya", "BIniciaSessio", "BNouUsuari"})
            QCOMPARE(find(window, name)->isVisible(), signInPanel);
        for (const char *name : {"EEmpresa", "EInstal", "ERef", "EClau", "ENickname", "BRegistre"})
            QCOMPARE(find(window, name)->isVisible(), !signInPanel);
        for (const char *name : {"EEMail", "EPassword", "BMostraPassword"})
            QVERIFY(find(window, name)->isVisible());
        QCOMPARE(find<QPushButton>(window, "BIniciaSessio")->isDefault(), signInPanel);
        QCOMPARE(find<QPushButton>(window, "BRegistre")->isDefault(), !signInPanel);

        QCOMPARE(find<QLineEdit>(window, "EEMail")->text(), email);
        QCOMPARE(find<QLineEdit>(window, "EPassword")->text(), kPassword);
        for (const char *name : {"EEmpresa", "EInstal", "ERef", "EClau"})
            QVERIFY(find<QLineEdit>(window, name)->text().isEmpty());
        QTRY_COMPARE(focusName(), focused);
    }

    // Captions, limits and masks of the full form.
    void fullFormFields()
    {
        TFRegistre window(registration(), {false, {}, {}});
        QVERIFY(showActive(window));
        const QString tip = QStringLiteral("Para acceder remotamente al circuito es necesario tenerlo identificando con "
                                           "el nombre de empresa y el instalador correctos");
        const struct {
            const char *edit;
            const char *caption;
            int maxLength;
            bool masked, required, tip;
        } rows[] = {
            {"EEmpresa", "EMPRESA: ", 20, false, true, false},
            {"EInstal", "INSTALADOR: ", 20, false, false, true},
            {"ERef", "REFERENCIA: ", 32767, false, false, true},
            {"EClau", "CLAVE:", 20, true, true, true},
            {"ENickname", "ALIAS: ", 32767, false, false, true},
            {"EEMail", "CORREO ELECTRONICO:", 32767, false, true, true},
            {"EPassword", "CONTRASEÑA: ", 20, true, true, false},
        };
        const QList<QLabel *> labels = window.findChildren<QLabel *>();
        for (const auto &row : rows) {
            auto *edit = find<QLineEdit>(window, row.edit);
            QCOMPARE(edit->maxLength(), row.maxLength);
            QCOMPARE(edit->echoMode(), row.masked ? QLineEdit::Password : QLineEdit::Normal);
            QCOMPARE(edit->toolTip(), row.tip ? tip : QString());
            const auto caption = std::find_if(labels.begin(), labels.end(), [edit](QLabel *l) { return l->buddy() == edit; });
            QVERIFY(caption != labels.end());
            QCOMPARE((*caption)->text(), QString::fromUtf8(row.caption));
            // The required mark sits between the caption and the edit, on the edit's row.
            const bool marked = std::any_of(labels.begin(), labels.end(), [&](QLabel *l) {
                return l->text() == QStringLiteral("(*)") && l->isVisible()
                       && qAbs(l->mapTo(&window, l->rect().center()).y() - edit->mapTo(&window, edit->rect().center()).y()) < 4
                       && l->mapTo(&window, QPoint()).x() < edit->mapTo(&window, QPoint()).x();
            });
            QVERIFY2(marked == row.required, row.edit);
        }
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](QLabel *l) { return l->text() == QStringLiteral("(*) Campos obligatorios") && l->isVisible(); }));
        QCOMPARE(find<QPushButton>(window, "BRegistre")->text(), QStringLiteral("Nuevo usuario"));
    }

    void signInPanelCaptions()
    {
        TFRegistre window(registration(), {true, kEmail, {}});
        QVERIFY(showActive(window));
        QCOMPARE(find<QPushButton>(window, "BIniciaSessio")->text(), QStringLiteral("Iniciar sesión"));
        QCOMPARE(find<QPushButton>(window, "BNouUsuari")->text(), QStringLiteral("Nuevo usuario"));
        auto *link = find<QLabel>(window, "LNovaContrasenya");
        QCOMPARE(link->text(), QStringLiteral("¿Olvidó la contraseña?"));
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        // The panel lies where the company rows are, above the credentials.
        QVERIFY(find(window, "PIniciaSessio")->mapTo(&window, QPoint()).y()
                < find(window, "EEMail")->mapTo(&window, QPoint()).y());
    }

    // "Nuevo usuario" of the sign-in panel brings the full form with the company data empty and the
    // credentials kept, the company focused.
    void newUserOpensTheFullForm()
    {
        TFRegistre window(registration(), {true, kEmail, kPassword});
        QVERIFY(showActive(window));
        for (const char *name : {"EEmpresa", "EInstal", "ERef", "EClau"})
            find<QLineEdit>(window, name)->setText(QStringLiteral("stale"));
        find<QLineEdit>(window, "ENickname")->setText(QStringLiteral("Ana"));

        QTest::mouseClick(find(window, "BNouUsuari"), Qt::LeftButton);
        QVERIFY(!window.signInPanelShown());
        QVERIFY(!find(window, "PIniciaSessio")->isVisible());
        QVERIFY(find(window, "EEmpresa")->isVisible());
        QVERIFY(find(window, "BRegistre")->isVisible());
        QVERIFY(!find(window, "BIniciaSessio")->isVisible());
        const RegistrationForm typed = window.form();
        QVERIFY(typed.company.isEmpty() && typed.installer.isEmpty() && typed.reference.isEmpty() && typed.key.isEmpty());
        QCOMPARE(typed.alias, QStringLiteral("Ana"));
        QCOMPARE(typed.email, kEmail);
        QCOMPARE(typed.password, kPassword);
        QTRY_COMPARE(focusName(), QStringLiteral("EEmpresa"));
        QVERIFY(harness_->prompter.asked.isEmpty());
    }

    // A form the core refuses before any cloud call: its message, and the edit to correct focused;
    // the window stays open.
    void refusedFieldIsFocused_data()
    {
        QTest::addColumn<bool>("signInPanel");
        QTest::addColumn<QStringList>("fields"); // company, installer, reference, key, email, password
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("message");
        const QString key = QStringLiteral("norte-key");
        QTest::newRow("sign in: no e-mail") << true << QStringList{"", "", "", "", "  ", kPassword} << "EEMail"
                                            << "El campo Correo electrónico no puede estar vacío";
        QTest::newRow("sign in: no password") << true << QStringList{"", "", "", "", kEmail, ""} << "EPassword"
                                              << "El campo Contraseña no puede estar vacío";
        QTest::newRow("sign in: short password") << true << QStringList{"", "", "", "", kEmail, "12345"} << "EPassword"
                                                 << "Contraseña demasiado corta. Mínimo 6 caracteres";
        QTest::newRow("register: no company") << false << QStringList{"", "Ana", "", key, kEmail, kPassword}
                                              << "EEmpresa" << "El campo Empresa no puede estar vacío";
        QTest::newRow("register: no e-mail") << false << QStringList{"Norte", "", "", key, "", kPassword} << "EEMail"
                                             << "El campo Correo electrónico no puede estar vacío";
        QTest::newRow("register: short password") << false << QStringList{"Norte", "", "", key, kEmail, "abc"}
                                                  << "EPassword" << "Contraseña demasiado corta. Mínimo 6 caracteres";
        QTest::newRow("register: no key") << false << QStringList{"Norte", "", "", "", kEmail, kPassword} << "EClau"
                                          << "El campo Clave no puede estar vacío";
        QTest::newRow("register: short key") << false << QStringList{"Norte", "", "", "k", kEmail, kPassword} << "EClau"
                                             << "Clave demasiado corta. Mínimo 6 caracteres";
        QTest::newRow("register: reference, no installer")
            << false << QStringList{"Norte", "", "Nave 4", key, kEmail, kPassword} << "EInstal"
            << "No puede haber una referencia sin instalador\rPor favor, entre un instalador o borre la referencia";
    }
    void refusedFieldIsFocused()
    {
        QFETCH(bool, signInPanel);
        QFETCH(QStringList, fields);
        QFETCH(QString, focused);
        QFETCH(QString, message);
        TFRegistre window(registration(), {signInPanel, {}, {}});
        QVERIFY(showActive(window));
        const char *names[] = {"EEmpresa", "EInstal", "ERef", "EClau", "EEMail", "EPassword"};
        for (int i = 0; i < 6; ++i)
            find<QLineEdit>(window, names[i])->setText(fields.at(i));
        find<QLineEdit>(window, "EPassword")->setFocus();

        QTest::mouseClick(find(window, signInPanel ? "BIniciaSessio" : "BRegistre"), Qt::LeftButton);
        QCOMPARE(harness_->prompter.asked.size(), 1);
        QCOMPARE(lastMessage(), message);
        QCOMPARE(harness_->prompter.asked.last().type, DialogType::Error);
        QTRY_COMPARE(focusName(), focused);
        QVERIFY(window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));

        // Return presses the button of the form in front: the same refusal again.
        QTest::keyClick(find(window, "EEMail"), Qt::Key_Return);
        QCOMPARE(harness_->prompter.asked.size(), 2);
        QCOMPARE(lastMessage(), message);
    }

    // The key and the password show in clear only while their button is held down, and sliding off
    // the button hides them again.
    void revealOnlyWhilePressed()
    {
        TFRegistre window(registration(), {false, kEmail, {}});
        QVERIFY(showActive(window));
        const struct {
            const char *edit, *button;
        } pairs[] = {{"EClau", "BMostraClau"}, {"EPassword", "BMostraPassword"}};
        for (const auto &pair : pairs) {
            auto *edit = find<QLineEdit>(window, pair.edit);
            auto *button = find<QPushButton>(window, pair.button);
            edit->setFocus();
            QTest::keyClicks(edit, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
            QCOMPARE(edit->text(), QStringLiteral("abcdefghijklmnopqrst"));
            QCOMPARE(edit->displayText(), QString(20, QLatin1Char('*')));
            QTest::mousePress(button, Qt::LeftButton);
            QCOMPARE(edit->displayText(), edit->text());
            QTest::mouseRelease(button, Qt::LeftButton);
            QCOMPARE(edit->displayText(), QString(20, QLatin1Char('*')));
            QTest::mousePress(button, Qt::LeftButton);
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(button, &leave);
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QTest::mouseRelease(button, Qt::LeftButton);
            QCOMPARE(edit->echoMode(), QLineEdit::Password);
            QCOMPARE(focusName(), QString::fromLatin1(pair.edit)); // the button leaves the typing where it was
        }
        // The other edit never shows in clear with its neighbour's button.
        QTest::mousePress(find(window, "BMostraClau"), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>(window, "EPassword")->echoMode(), QLineEdit::Password);
        QTest::mouseRelease(find(window, "BMostraClau"), Qt::LeftButton);
    }

    // The busy cursor follows the core's steps, nested or not, and goes with the window.
    void busyCursorIsBalanced()
    {
        QVERIFY(!QApplication::overrideCursor());
        {
            TFRegistre window(registration(), {true, {}, {}});
            emit registration().busyChanged(true);
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            emit registration().busyChanged(true);
            emit registration().busyChanged(false);
            QVERIFY(QApplication::overrideCursor());
            emit registration().busyChanged(false);
            QVERIFY(!QApplication::overrideCursor());
            emit registration().busyChanged(false); // an end without a start has nothing to restore
            QVERIFY(!QApplication::overrideCursor());
            emit registration().busyChanged(true);
        }
        QVERIFY(!QApplication::overrideCursor());
    }

    // The static helper opens the window only when the core asks for it (no cloud user yet) and
    // tells whether it closed with OK.
    void runShowsTheWindowModally()
    {
        for (const bool accept : {true, false}) {
            bool seen = false;
            QTimer::singleShot(0, this, [&] {
                auto *window = qobject_cast<TFRegistre *>(QApplication::activeModalWidget());
                if (!window) {
                    if (QWidget *other = QApplication::activeModalWidget())
                        other->close();
                    return;
                }
                seen = window->signInPanelShown();
                if (accept)
                    emit registration().accepted();
                else
                    window->reject();
            });
            QCOMPARE(TFRegistre::run(registration(), nullptr), accept);
            QVERIFY(seen);
        }
    }

    // Not signed in the box only shows; signed in the account may be changed; "Registrar" only
    // while there is no cloud user.
    void aboutBoxFollowsTheSignIn_data()
    {
        QTest::addColumn<bool>("signedIn");
        QTest::addColumn<bool>("cloudUser");
        QTest::newRow("no cloud user") << false << false;
        QTest::newRow("user, signed out") << false << true;
        QTest::newRow("signed in") << true << true;
    }
    void aboutBoxFollowsTheSignIn()
    {
        QFETCH(bool, signedIn);
        QFETCH(bool, cloudUser);
        signIn();
        if (!signedIn)
            state().token.clear();
        if (!cloudUser)
            state().CodiReg.clear();
        TFAjuda about(shell().aboutBox(), registration());
        QVERIFY(showActive(about));
        QCOMPARE(about.windowTitle(), QStringLiteral("Acerca de"));
        QVERIFY(find<QLabel>(about, "LVersio")->text().contains(kProgramVersion));

        const struct {
            const char *edit;
            QString value;
            bool editable;
        } fields[] = {{"EEMail", kEmail, false},
                      {"EAlies", state().EmpresaNickname, true},
                      {"EEmpresa", state().EmpresaNom, true},
                      {"EInstal", state().EmpresaInstal, true},
                      {"ERef", state().EmpresaRef, true}};
        for (const auto &field : fields) {
            auto *edit = find<QLineEdit>(about, field.edit);
            QCOMPARE(edit->text(), field.value);
            QCOMPARE(edit->isReadOnly(), !(signedIn && field.editable));
        }
        QCOMPARE(find(about, "BBGuardarCanvis")->isVisible(), signedIn);
        QCOMPARE(find(about, "BBRegistre")->isVisible(), !cloudUser);
        QVERIFY(!find(about, "PMesdades")->isVisible());

        auto *privacy = find<QTextBrowser>(about, "MPrivacitat");
        QVERIFY(privacy->isVisible());
        QVERIFY(privacy->isReadOnly());
        const QString text = privacy->toPlainText();
        for (const char *phrase : {"correo electrónico", "contraseña", "cifrad", "identificadores de los equipos",
                                   "registro de las acciones", "la empresa que opera el servicio en la nube",
                                   "Cerrar sesión"})
            QVERIFY2(text.contains(QString::fromUtf8(phrase)), phrase);

        // What was signed in a moment ago shows on the next showing.
        about.hide();
        state().EmpresaRef = QStringLiteral("Hotel Marina");
        about.show();
        QCOMPARE(find<QLineEdit>(about, "ERef")->text(), QStringLiteral("Hotel Marina"));
    }

    // The box is shorter by the key panel when the account cannot be changed; when it can, the
    // panel showing does not move the box's size.
    void aboutBoxKeepsRoomOnlyWhenEditable()
    {
        signIn();
        TFAjuda editable(shell().aboutBox(), registration());
        QVERIFY(showActive(editable));
        const QSize editableSize = editable.size();
        auto *panel = find(editable, "PMesdades");
        QTest::mouseClick(find(editable, "BBGuardarCanvis"), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(editable.size(), editableSize);
        const int panelHeight = panel->height();

        state().token.clear();
        TFAjuda readOnly(shell().aboutBox(), registration());
        QVERIFY(showActive(readOnly));
        QVERIFY(editableSize.height() - readOnly.height() >= panelHeight);
    }

    // "Guardar cambios" asks for the key; a refusal focuses the field to correct and keeps the panel;
    // the core closes the panel and the box.
    void aboutBoxKeyPanel()
    {
        signIn();
        TFAjuda about(shell().aboutBox(), registration());
        QVERIFY(showActive(about));
        auto *panel = find(about, "PMesdades");
        auto *key = find<QLineEdit>(about, "EPassword");
        QCOMPARE(key->echoMode(), QLineEdit::Password);
        key->setText(QStringLiteral("left over"));

        QTest::mouseClick(find(about, "BBGuardarCanvis"), Qt::LeftButton);
        QVERIFY(panel->isVisible());
        QVERIFY(key->text().isEmpty());
        QTRY_COMPARE(focusName(), QStringLiteral("EPassword"));

        // What the panel sends is what the edits hold: an emptied company is refused.
        const struct {
            QString company, key, focused, message;
        } refusals[] = {
            {QString(), QStringLiteral("norte-key"), QStringLiteral("EEmpresa"),
             QStringLiteral("El campo Empresa no puede estar vacío")},
            {QStringLiteral("Norte"), QString(), QStringLiteral("EPassword"), QStringLiteral("El campo Clave no puede estar vacío")},
            {QStringLiteral("Norte"), QStringLiteral("abc"), QStringLiteral("EPassword"),
             QStringLiteral("Clave demasiado corta. Mínimo 6 caracteres")},
        };
        for (const auto &refusal : refusals) {
            find<QLineEdit>(about, "EEmpresa")->setText(refusal.company);
            key->setText(refusal.key);
            QTest::keyClick(key, Qt::Key_Return); // as "Aceptar"
            QCOMPARE(lastMessage(), refusal.message);
            QTRY_COMPARE(focusName(), refusal.focused);
            QVERIFY(panel->isVisible());
            QVERIFY(about.isVisible());
        }
        QCOMPARE(harness_->prompter.asked.size(), 3);
        QTest::mouseClick(find(about, "BBAcceptar"), Qt::LeftButton);
        QCOMPARE(harness_->prompter.asked.size(), 4);

        // The key shows in clear only while its button is held.
        key->setText(QStringLiteral("norte-key"));
        QTest::mousePress(find(about, "BBMostraClau"), Qt::LeftButton);
        QCOMPARE(key->displayText(), QStringLiteral("norte-key"));
        QTest::mouseRelease(find(about, "BBMostraClau"), Qt::LeftButton);
        QCOMPARE(key->displayText(), QStringLiteral("*********"));

        emit shell().aboutBox().keyPanelHidden();
        QVERIFY(!panel->isVisible());
        QVERIFY(key->text().isEmpty());
        emit shell().aboutBox().saved();
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }

    // "Registrar" puts the sign-in window in the box's place and closes the box after it.
    void aboutBoxRegisterOpensTheSignInWindow()
    {
        TFAjuda about(shell().aboutBox(), registration());
        QVERIFY(showActive(about));
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto *window = qobject_cast<TFRegistre *>(QApplication::activeModalWidget());
            if (!window) {
                if (QWidget *other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            seen = !about.isVisible();
            emit registration().accepted();
        });
        QTest::mouseClick(find(about, "BBRegistre"), Qt::LeftButton);
        QVERIFY(seen);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    // Pictures of both forms and of the about box for the review, when asked for.
    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("QUELTA_SCREENSHOTS"))
            QSKIP("QUELTA_SCREENSHOTS is not set");
        TFRegistre signInForm(registration(), {true, kEmail, kPassword});
        QVERIFY(showActive(signInForm));
        saveShot(signInForm, QStringLiteral("sign-in.png"));

        TFRegistre fullForm(registration(), {false, kEmail, kPassword});
        QVERIFY(showActive(fullForm));
        find<QLineEdit>(fullForm, "EEmpresa")->setText(QStringLiteral("Extintores Norte"));
        find<QLineEdit>(fullForm, "EInstal")->setText(QStringLiteral("Ana Ruiz"));
        find<QLineEdit>(fullForm, "EClau")->setText(QStringLiteral("norte-key"));
        find<QLineEdit>(fullForm, "ENickname")->setText(QStringLiteral("Ana"));
        saveShot(fullForm, QStringLiteral("sign-in-register.png"));

        signIn();
        TFAjuda about(shell().aboutBox(), registration());
        QVERIFY(showActive(about));
        saveShot(about, QStringLiteral("about.png"));
        QTest::mouseClick(find(about, "BBGuardarCanvis"), Qt::LeftButton);
        QTest::keyClicks(find(about, "EPassword"), QStringLiteral("norte-key"));
        saveShot(about, QStringLiteral("about-key.png"));

        state().token.clear();
        state().CodiReg.clear();
        TFAjuda readOnly(shell().aboutBox(), registration());
        QVERIFY(showActive(readOnly));
        saveShot(readOnly, QStringLiteral("about-read-only.png"));
    }
};

QTEST_MAIN(TestSignInWindow)
#include "test_sign_in_window.moc"
