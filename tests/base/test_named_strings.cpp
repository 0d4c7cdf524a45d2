#include "core/base/NamedStrings.h"
#include "core/model/ParameterDictionary.h"

#include <QCoreApplication>
#include <QTest>
#include <QTranslator>

using quelta::NamedStrings;

namespace {

const QString kMissing = QStringLiteral("<missing>");

// Stands in for a language module: translates one named string and leaves the rest alone.
class EnglishModule : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "NamedStrings") == 0 && QString::fromUtf8(sourceText) == u"Inicio del sistema")
            return QStringLiteral("System start");
        return {};
    }
};

} // namespace

class TestNamedStrings : public QObject
{
    Q_OBJECT

private slots:
    void holdsEveryEntry();
    void spanishTexts_data();
    void spanishTexts();
    void unknownNames_data();
    void unknownNames();
    void languageSwitch();
};

void TestNamedStrings::holdsEveryEntry()
{
    NamedStrings strings;
    QCOMPARE(strings.size(), 181);
    strings.CreaTaulaResourceString();
    QCOMPARE(strings.size(), 181);
}

void TestNamedStrings::spanishTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("first") << "txt_HarIniSys" << "Inicio del sistema";
    QTest::newRow("accents") << "txt_AgRecCent" << "Recuperación de comunicación entre interface y Central";
    QTest::newRow("trailing blank") << "txt_EnvAddCra" << "Se añade envio a la CRA: ";
    QTest::newRow("leading blank") << "rsZonaAnul" << " Zona anulada";
    QTest::newRow("quotes inside") << "rsZAlarmaPol2" << "Alarma pulsador 'Doble'";
    QTest::newRow("not used by the device header") << "txt_GprsIni" << "Módulo GPRS inicializado";
    QTest::newRow("point disabled") << "rsPuntAnullat" << " Punto Anulado";
    QTest::newRow("last") << "rsADBrut" << "ELEMENTO SUCIO";
}

void TestNamedStrings::spanishTexts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QCOMPARE(NamedStrings().GetNamedResourceString(name).value_or(kMissing), text);
}

void TestNamedStrings::unknownNames_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("empty") << "";
    QTest::newRow("unknown") << "txt_NoSuchText";
    QTest::newRow("other case") << "TXT_HARINISYS";
    QTest::newRow("trailing blank") << "txt_HarIniSys ";
}

void TestNamedStrings::unknownNames()
{
    QFETCH(QString, name);
    QVERIFY(!NamedStrings().GetNamedResourceString(name).has_value());
}

// A language switch installs another module and rebuilds the strings and the information texts.
void TestNamedStrings::languageSwitch()
{
    NamedStrings strings;
    quelta::ParameterDictionary dictionary;
    EnglishModule english;
    QVERIFY(QCoreApplication::installTranslator(&english));

    strings.CreaTaulaResourceString();
    QVERIFY(dictionary.Llegir_DefInfo(strings));
    QCOMPARE(strings.GetNamedResourceString(u"txt_HarIniSys").value_or(kMissing), QStringLiteral("System start"));
    QCOMPARE(strings.GetNamedResourceString(u"txt_HarGenRst").value_or(kMissing),
             QStringLiteral("Se ha generado un Reset de soft"));
    QCOMPARE(dictionary.infoText(u"8001"), QStringLiteral("System start"));

    QVERIFY(QCoreApplication::removeTranslator(&english));
    strings.CreaTaulaResourceString();
    QVERIFY(dictionary.Llegir_DefInfo(strings));
    QCOMPARE(strings.GetNamedResourceString(u"txt_HarIniSys").value_or(kMissing), QStringLiteral("Inicio del sistema"));
    QCOMPARE(dictionary.infoText(u"8001"), QStringLiteral("Inicio del sistema"));
}

QTEST_GUILESS_MAIN(TestNamedStrings)
#include "test_named_strings.moc"
