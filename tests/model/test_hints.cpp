#include "core/model/Hints.h"

#include "ShellHarness.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>
#include <QTranslator>

using namespace quelta;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// A shell whose fields and grids are bound, as the window has them when it assigns the hints.
struct Fixture
{
    test::ShellHarness harness;
    Shell &shell = harness.create();
    Hints hints{shell.programming().model()};

    Fixture()
    {
        if (!shell.loadDictionaries())
            qFatal("the dictionaries did not load");
    }

    ConfigurationModel &model() { return shell.programming().model(); }

    // The control's binding number, or nothing for an unbound control.
    QString tagOf(const QString &name)
    {
        if (const SingleField *field = model().field(name))
            return QString::number(field->number);
        if (const GridModel *grid = model().grid(name))
            return QString::number(grid->number());
        return {};
    }
};

// Puts "EN " before every hint text, so a test sees which parts are translated.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "Hints") != 0)
            return {};
        return QStringLiteral("EN ") + QString::fromUtf8(sourceText);
    }
};

} // namespace

class TestHints : public QObject
{
    Q_OBJECT

private slots:
    // "%1" stands for the control's binding number.
    void knownHints_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");

        QTest::newRow("port") << "CCBPort"
                              << "Puerto USB\r\nPuerto de comunicación de este programa con el circuito Quelta";
        QTest::newRow("company")
            << "EProgEmpresa"
            << "Identificación\r\nNombre de la empresa instaladora \r\nNormalmente coincidirá con el nombre de la "
               "empresa que se dado de alta en el programa\r\nParámetro : %1";
        QTest::newRow("reference")
            << "EProgRef"
            << "Identificación\r\nNombre o código de referencia para esta instalación \r\nCon esta referencia se "
               "puede acceder al circuito remotamente\r\nParámetro : %1";
        QTest::newRow("panel type, read-only")
            << "ECentral" << "Configuración\r\nCentral de incendios conectada al puerto serie del circuito \r\n";
        QTest::newRow("time zone") << "CBHora" << "Configuración\r\nUTC, zona horaria de referencia \r\nParámetro : %1";
        QTest::newRow("operators block")
            << "SGOperadores"
            << "Configuración\r\nListado de las operadoras de GPRS \r\nEjemplo: Movistar,movistar.es,MOVISTAR,"
               "MOVISTAR\r\nParámetro : a partir de %1";
        QTest::newRow("one-row grid") << "SGCra"
                                      << "Configuración del software\r\nEnvío a la App de los códigos Contact ID que se "
                                         "envían a la CRA \r\nParámetro : %1";
        QTest::newRow("write button")
            << "BBGravarPag" << "Configuración\r\nGraba los parámetros de la página activa modificados en el circuito ";
        QTest::newRow("SMS phone")
            << "ETelSMS1"
            << "Configuración del software\r\nTeléfono 1 a enviar un SMS cuando se dispara o restaura una entrada "
               "\r\nPuede tener varios números de teléfono separados por ;\r\nParámetro : %1";
        QTest::newRow("SMTP server")
            << "EEMailSMTP"
            << "Configuración del software\r\nServidor SMTP para el envío de e-mail \r\nPuede escribirse la "
               "dirección IP o el nombre\r\nParámetro : %1";
        QTest::newRow("door button 1")
            << "SGBoto1"
            << "Accesos\r\nFuncionamiento del botón 1 Salida que se activa, condición de entrada, tiempo de la "
               "entrada y tiempo de desactivación de la salida\r\nParámetro : a partir de 4010";
        QTest::newRow("door button 4, hexadecimal")
            << "SGBoto4"
            << "Accesos\r\nFuncionamiento del botón 4 Salida que se activa, condición de entrada, tiempo de la "
               "entrada y tiempo de desactivación de la salida\r\nParámetro : a partir de 401C";
        QTest::newRow("not a control") << "EDoesNotExist" << "";
    }
    void knownHints()
    {
        QFETCH(QString, control);
        QFETCH(QString, expected);
        Fixture fixture;
        if (expected.contains(QStringLiteral("%1")))
            expected = expected.arg(fixture.tagOf(control));
        QCOMPARE(fixture.hints.hint(control), expected);
    }

    void everyBoundControlShowsItsSectionTextAndTag()
    {
        Fixture fixture;
        const QStringList listed = Hints::controlNames();
        QStringList bound;
        for (const SingleField &field : fixture.model().fields())
            bound.append(QLatin1String(field.binding->name));
        for (const auto &grid : fixture.model().grids())
            bound.append(grid->name());
        for (const QString &name : bound) {
            QVERIFY2(listed.contains(name), qPrintable(name));
            // The read-only panel type has no parameter line; the door grids show their row codes.
            if (name == QLatin1String("ECentral") || name.startsWith(QLatin1String("SGBoto")))
                continue;
            const QStringList lines = fixture.hints.hint(name).split(kCrLf);
            QVERIFY2(lines.size() >= 3, qPrintable(name));
            QVERIFY2(!lines.at(0).isEmpty() && !lines.at(1).trimmed().isEmpty(), qPrintable(name));
            const QString tag = fixture.tagOf(name);
            QVERIFY2(tag.toInt() > 0, qPrintable(name));
            QVERIFY2(lines.last() == QStringLiteral("Parámetro : ") + tag
                         || lines.last() == QStringLiteral("Parámetro : a partir de ") + tag,
                     qPrintable(name + QStringLiteral(": ") + lines.last()));
        }
    }

    // A control listed twice would hide its second text; every listed control has a hint.
    void everyListedControlHasOneHint()
    {
        Fixture fixture;
        const QStringList names = Hints::controlNames();
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        QVERIFY(names.size() >= 150);
        QStringList assigned;
        fixture.hints.InicialitzaHint([&assigned](const QString &name, const QString &hint) {
            if (!hint.trimmed().isEmpty())
                assigned.append(name);
        });
        QCOMPARE(assigned, names);
    }

    // After a language switch the hints are asked again: the new texts, the parameter numbers kept.
    void hintsAreTranslatedWhenAsked()
    {
        Fixture fixture;
        MarkingTranslator english;
        QVERIFY(QCoreApplication::installTranslator(&english));
        const QString translated = fixture.hints.hint(QStringLiteral("EProgEmpresa"));
        const QString door = fixture.hints.hint(QStringLiteral("SGBoto2"));
        QCoreApplication::removeTranslator(&english);

        QVERIFY(translated.startsWith(QStringLiteral("EN Identificación\r\nEN Nombre de la empresa instaladora ")));
        QVERIFY(translated.endsWith(QStringLiteral("\r\nEN Parámetro : ") + fixture.tagOf(QStringLiteral("EProgEmpresa"))));
        QVERIFY(door.startsWith(QStringLiteral("EN Accesos\r\nEN Funcionamiento del botón 2 EN Salida que se activa")));
        QVERIFY(door.endsWith(QStringLiteral("\r\nEN Parámetro : EN a partir de 4014")));
        QVERIFY(fixture.hints.hint(QStringLiteral("EProgEmpresa")).startsWith(QStringLiteral("Identificación\r\n")));
    }

    void templateLinesAreDescribedByTheHintsSecondLine()
    {
        Fixture fixture;
        fixture.shell.programming().templates().setHintSource(
            [&fixture](const QString &name) { return fixture.hints.hint(name); });
        ConfigurationModel &model = fixture.model();
        model.setVisiblePanelPage(ProgPage::Portes);
        model.storeField(*model.field(u"EProgEmpresa"), QStringLiteral("ACME"), CheckListRule::Stream);
        model.grid(u"SGOperadores")->storeRow(1, {"Movistar", "movistar.es", "MOVISTAR", "MOVISTAR"});
        model.grid(u"SGBoto1")->storeRow(1, {"1", "5", "10", "20"});

        const QStringList lines = fixture.shell.programming().templates().templateLines(TemplateScope::Complete);
        QVERIFY(lines.contains(QStringLiteral("102=ACME {Nombre de la empresa instaladora }")));
        QVERIFY(lines.contains(
            QStringLiteral("8501=Movistar;movistar.es;MOVISTAR;MOVISTAR; {Listado de las operadoras de GPRS }")));
        QVERIFY(lines.contains(QStringLiteral("4010=1;5;10;20 {Funcionamiento del botón 1 Salida que se activa, "
                                              "condición de entrada, tiempo de la entrada y tiempo de desactivación "
                                              "de la salida}")));
        QVERIFY(lines.contains(QStringLiteral("1590=Estandar {Central de incendios conectada al puerto serie del "
                                              "circuito }")));
    }
};

QTEST_GUILESS_MAIN(TestHints)
#include "test_hints.moc"
