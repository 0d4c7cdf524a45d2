#include "core/base/Prompter.h"
#include "ui/mainwindow/TFPrincipalQueltaES.h"

#include "WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>

using namespace quelta;

namespace {

// The program's language modules, as the build makes them beside the program.
const QString kModules = QStringLiteral(QUELTA_LANGUAGE_MODULES_DIR);

void installModule(const QTemporaryDir &programDir, const QString &abbreviation, const QString &asName)
{
    QVERIFY(QFile::copy(kModules + QStringLiteral("/quelta.") + abbreviation, programDir.filePath(asName)));
}

void installAllModules(const QTemporaryDir &programDir)
{
    for (const QString &abbreviation : {QStringLiteral("ESN"), QStringLiteral("ENU"), QStringLiteral("FRA"),
                                        QStringLiteral("PTG")})
        installModule(programDir, abbreviation, QStringLiteral("quelta.") + abbreviation);
}

// Qt posts the change of language to the windows.
void trigger(const test::WindowFixture &w, const QString &item)
{
    w.find<QAction>(item)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// For the record: the programming view in the language, when QUELTA_SCREENSHOTS names a folder.
void saveScreenshot(test::WindowFixture &w, const QString &language)
{
    const QString shots = qEnvironmentVariable("QUELTA_SCREENSHOTS");
    if (shots.isEmpty())
        return;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QTest::qWait(50); // the first activation shows the status view
    w.shell.context().views().setPanelmostrat(View::Programacio);
    const QString name = QStringLiteral("main-window-%1.png").arg(language.toLower());
    QVERIFY(w.window.grab().save(QDir(shots).filePath(name)));
}

QString tooltipOf(const test::WindowFixture &w, const char *name)
{
    return w.find<QWidget>(QLatin1String(name))->toolTip();
}

} // namespace

class TestLanguages : public QObject
{
    Q_OBJECT
private slots:
    // A menu caption, a hint (its parameter number made again after the switch), a named string,
    // a grid header, a standard dialog caption, a time-zone item, the stored language's name and
    // a text of Qt's own dialogs.
    void textsFollowTheLanguage_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("hintStart");
        QTest::addColumn<QString>("hintEnd");
        QTest::addColumn<QString>("namedString");
        QTest::addColumn<QString>("gridHeader");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("qtSaveAs"); // Qt's own save dialog
        QTest::newRow("English") << QStringList{"LanguageEnglish"} << "Language"
                                 << "Identification\nName of the installation company" << "Parameter: 102"
                                 << "System start-up" << "Event type" << "WARNING!"
                                 << "(UTC+00:00) Dublin, Edinburgh, Lisbon, London, Reykjavik, Casablanca"
                                 << "ENGLISH" << "Save As";
        QTest::newRow("French") << QStringList{"LanguageFrancais"} << "Langue"
                                << "Identification\nNom de la société d'installation" << "Paramètre : 102"
                                << "Démarrage du système" << "Type événement" << "ATTENTION !"
                                << "(UTC+00:00) Dublin, Édimbourg, Lisbonne, Londres, Reykjavik, Casablanca"
                                << "FRANCAIS" << "Enregistrer sous";
        QTest::newRow("Portuguese") << QStringList{"LanguagePortugues"} << "Idioma"
                                    << "Identificação\nNome da empresa instaladora" << "Parâmetro : 102"
                                    << "Início do sistema" << "Tipo evento" << "ATENÇÃO!"
                                    << "(UTC+00:00) Dublin, Edimburgo, Lisboa, Londres, Reiquiavique, Casablanca"
                                    << "PORTUGUES" << "Gravar Como";
        QTest::newRow("back to Spanish") << QStringList{"LanguageEnglish", "LanguageSpanish"} << "Idioma"
                                         << "Identificación\nNombre de la empresa instaladora" << "Parámetro : 102"
                                         << "Inicio del sistema" << "Tipo evento" << "¡ ATENCIÓN !"
                                         << "(UTC+00:00) Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca"
                                         << "SPANISH" << "Guardar como";
    }

    void textsFollowTheLanguage()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, menu);
        QFETCH(QString, hintStart);
        QFETCH(QString, hintEnd);
        QFETCH(QString, namedString);
        QFETCH(QString, gridHeader);
        QFETCH(QString, caption);
        QFETCH(QString, zone);
        QFETCH(QString, stored);
        QFETCH(QString, qtSaveAs);
        test::WindowFixture w;
        installAllModules(w.dir);
        for (const QString &item : items)
            trigger(w, item);

        QCOMPARE(w.find<QMenu>(QStringLiteral("MIIdioma"))->title(), menu);
        QVERIFY2(tooltipOf(w, "EProgEmpresa").startsWith(hintStart), qPrintable(tooltipOf(w, "EProgEmpresa")));
        QVERIFY2(tooltipOf(w, "EProgEmpresa").endsWith(hintEnd), qPrintable(tooltipOf(w, "EProgEmpresa")));
        QCOMPARE(w.shell.context().namedStrings().GetNamedResourceString(u"txt_HarIniSys"), namedString);
        const GridModel *grid = w.shell.programming().model().grid(u"SGCentralBC600");
        QCOMPARE(grid->headerData(1, Qt::Horizontal).toString(), gridHeader);
        QCOMPARE(dialog::atencio(), caption);
        QCOMPARE(w.find<QComboBox>(QStringLiteral("CBHora"))->itemText(10), zone);
        QCOMPARE(w.shell.context().settings().values().idioma, stored);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), qtSaveAs);
        QVERIFY(w.find<QAction>(items.last())->isChecked());
        saveScreenshot(w, stored);
    }

    // The three-letter module first, then the two-letter one; without either nothing changes.
    void modulesAreFoundByTheirAbbreviation_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("three letters") << "quelta.ENU" << true;
        QTest::newRow("two letters") << "quelta.EN" << true;
        QTest::newRow("another language's") << "quelta.FRA" << false;
    }

    void modulesAreFoundByTheirAbbreviation()
    {
        QFETCH(QString, file);
        QFETCH(bool, loaded);
        test::WindowFixture w;
        installModule(w.dir, file.endsWith(QLatin1String("FRA")) ? QStringLiteral("FRA") : QStringLiteral("ENU"),
                      file);
        trigger(w, QStringLiteral("LanguageEnglish"));
        QCOMPARE(w.find<QAction>(QStringLiteral("LanguageEnglish"))->isChecked(), loaded);
        QCOMPARE(w.find<QAction>(QStringLiteral("LanguageSpanish"))->isChecked(), !loaded);
        QCOMPARE(w.find<QMenu>(QStringLiteral("MIIdioma"))->title(),
                 loaded ? QStringLiteral("Language") : QStringLiteral("Idioma"));
        QVERIFY(w.prompter.asked.isEmpty());
    }

    // A device linked through the broker would lose its session: the installer closes it first.
    void switchingIsRefusedWhileARemoteDeviceIsLinked()
    {
        test::WindowFixture w;
        installAllModules(w.dir);
        LinkState &link = w.shell.device().link();
        link.connex_remota = QStringLiteral("MQTT");
        link.circuit = true;
        trigger(w, QStringLiteral("LanguageFrancais"));
        QCOMPARE(w.prompter.asked.size(), 1);
        QCOMPARE(w.prompter.asked.first().caption, QStringLiteral("¡ ATENCIÓN !"));
        QCOMPARE(w.prompter.asked.first().message,
                 QStringLiteral("Está conectado remotamente a un equipo\r\nAntes de cambiar el idioma debe cerrar "
                                "esta conexión"));
        QCOMPARE(w.find<QMenu>(QStringLiteral("MIIdioma"))->title(), QStringLiteral("Idioma"));
        QVERIFY(!w.find<QAction>(QStringLiteral("LanguageFrancais"))->isChecked());
        QVERIFY(w.shell.context().settings().values().idioma != QLatin1String("FRANCAIS"));
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
