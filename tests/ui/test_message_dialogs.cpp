#include "ui/dialogs/MessageDialogs.h"
#include "ui/dialogs/FileDialogs.h"

#include "core/base/Version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <functional>

using namespace quelta;
using quelta::ui::MessageDialog;

Q_DECLARE_METATYPE(QList<quelta::DialogResult>)
Q_DECLARE_METATYPE(quelta::DialogResult)

namespace {

constexpr int kEscape = -1;

// Acts on the next modal dialog as soon as it is up.
void onModal(std::function<void(QWidget *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

void clickButton(QWidget *modal, qsizetype index)
{
    qobject_cast<MessageDialog *>(modal)->dialogButtons().at(index)->click();
}

DialogRequest request(const QList<DialogResult> &buttons, const QStringList &captions)
{
    return {QStringLiteral("CONFIRMACION"), QStringLiteral("¿Seguro?"), DialogType::Confirmation, buttons, captions, 0};
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class TestMessageDialogs : public QObject
{
    Q_OBJECT

private slots:
    void widthTextAddsTheMarginOfTheDensity_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("margin");
        QTest::newRow("96") << 96 << 10;
        QTest::newRow("120") << 120 << 20;
        QTest::newRow("144") << 144 << 30;
        QTest::newRow("168") << 168 << 40;
        QTest::newRow("110") << 110 << 0;
    }

    void widthTextAddsTheMarginOfTheDensity()
    {
        QFETCH(int, dpi);
        QFETCH(int, margin);
        const QString text = QStringLiteral("SIN   CONEXION");
        const QFont font = QApplication::font();
        QCOMPARE(ui::GetWidthText(text, font, dpi), QFontMetrics(font).horizontalAdvance(text) + margin);
    }

    void buttonsKeepCreationOrderAndCaptions_data()
    {
        QTest::addColumn<QList<DialogResult>>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("confirmation") << QList{DialogResult::Yes, DialogResult::No}
                                      << QStringList{dialog::si(), dialog::no()}
                                      << QStringList{dialog::si(), dialog::no()};
        QTest::newRow("single") << QList{DialogResult::Ok} << QStringList{dialog::aceptar()}
                                << QStringList{dialog::aceptar()};
        // A platform button order would put Ok before Cancel.
        QTest::newRow("cancel first") << QList{DialogResult::Cancel, DialogResult::Ok}
                                      << QStringList{QStringLiteral("Uno"), QStringLiteral("Dos")}
                                      << QStringList{QStringLiteral("Uno"), QStringLiteral("Dos")};
        QTest::newRow("fewer captions") << QList{DialogResult::Ok, DialogResult::Close}
                                        << QStringList{QStringLiteral("Vale")}
                                        << QStringList{QStringLiteral("Vale"), dialog::cerrar()};
    }

    void buttonsKeepCreationOrderAndCaptions()
    {
        QFETCH(QList<DialogResult>, buttons);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, shown);

        MessageDialog box(request(buttons, captions));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(box.windowTitle(), QStringLiteral("CONFIRMACION"));
        QStringList texts;
        int lastLeft = -1;
        for (QPushButton *button : box.dialogButtons()) {
            texts.append(button->text());
            const int left = button->mapTo(&box, QPoint()).x();
            QVERIFY2(left > lastLeft, "buttons must run left to right in creation order");
            lastLeft = left;
        }
        QCOMPARE(texts, shown);
    }

    void answerIsTheButtonThatEndedIt_data()
    {
        QTest::addColumn<QList<DialogResult>>("buttons");
        QTest::addColumn<int>("action");
        QTest::addColumn<DialogResult>("answer");
        const QList yesNo{DialogResult::Yes, DialogResult::No};
        QTest::newRow("yes") << yesNo << 0 << DialogResult::Yes;
        QTest::newRow("no") << yesNo << 1 << DialogResult::No;
        QTest::newRow("escape on a confirmation") << yesNo << kEscape << DialogResult::No;
        QTest::newRow("escape on a single button") << QList{DialogResult::Ok} << kEscape << DialogResult::Ok;
        QTest::newRow("ok after cancel") << QList{DialogResult::Cancel, DialogResult::Ok} << 1 << DialogResult::Ok;
    }

    void answerIsTheButtonThatEndedIt()
    {
        QFETCH(QList<DialogResult>, buttons);
        QFETCH(int, action);
        QFETCH(DialogResult, answer);

        onModal([action](QWidget *modal) {
            if (action == kEscape)
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                clickButton(modal, action);
        });
        QCOMPARE(ui::ElMeuMessageDlg(request(buttons, {})), answer);
    }

    void selfClosingDialogAnswersNone()
    {
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(ui::ElMeuMessageDlgTemps(dialog::warning(QStringLiteral("Sin respuesta")), 1), DialogResult::None);
        QVERIFY(clock.elapsed() >= 900);
        QVERIFY(clock.elapsed() < 5000);
    }

    // Once answered, the self-closing dialog's timer must not close the next dialog.
    void answeredSelfClosingDialogLeavesLaterDialogsAlone()
    {
        onModal([](QWidget *modal) { clickButton(modal, 0); });
        QCOMPARE(ui::ElMeuMessageDlgTemps(dialog::warning(QStringLiteral("Primero")), 1), DialogResult::Ok);

        QTimer::singleShot(1500, [] { clickButton(QApplication::activeModalWidget(), 0); });
        QCOMPARE(ui::ElMeuMessageDlg(dialog::confirmation(QStringLiteral("Segundo"))), DialogResult::Yes);
    }

    void hyperlinkDialog_data()
    {
        QTest::addColumn<bool>("follow");
        QTest::newRow("download") << true;
        QTest::newRow("close") << false;
    }

    void hyperlinkDialog()
    {
        QFETCH(bool, follow);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");

        QString caption;
        QString message;
        onModal([&](QWidget *modal) {
            caption = modal->windowTitle();
            message = modal->findChild<QLabel *>(QStringLiteral("message"))->text();
            if (follow) {
                auto *link = modal->findChild<QLabel *>(QStringLiteral("downloadLink"));
                QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(5, link->height() / 2));
            } else {
                modal->findChild<QDialogButtonBox *>()->buttons().constFirst()->click();
            }
        });
        const bool result = ui::ElMeuMessageDlgHyperlink(QStringLiteral("Versión 2.3"), QStringLiteral("Hay una nueva versión"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

        QCOMPARE(caption, QStringLiteral("Nueva actualización"));
        QCOMPARE(message, QStringLiteral("Hay una nueva versión"));
        QCOMPARE(result, follow);
        QCOMPARE(catcher.opened, follow ? QList<QUrl>{QUrl(kDownloadPage)} : QList<QUrl>{});
    }

    // A name typed without a suffix is saved with the filter's, so the open dialog finds it again;
    // a name with its own suffix keeps it.
    void saveDialogsAddTheFiltersSuffix_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("template") << "Plantilla (*.pla)" << "obra-norte" << "obra-norte.pla";
        QTest::newRow("already there") << "Plantilla (*.pla)" << "obra-norte.pla" << "obra-norte.pla";
        QTest::newRow("operators") << "Operadoras (*.opr)" << "lista" << "lista.opr";
    }

    void saveDialogsAddTheFiltersSuffix()
    {
        QFETCH(QString, filter);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        QTemporaryDir dir;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        ui::prepareSaveDialog(dialog, filter);
        dialog.setDirectory(dir.path());
        dialog.selectFile(typed);
        QMetaObject::invokeMethod(&dialog, "accept");
        QCOMPARE(QFileInfo(dialog.selectedFiles().value(0)).fileName(), saved);
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    }
};

QTEST_MAIN(TestMessageDialogs)
#include "test_message_dialogs.moc"
