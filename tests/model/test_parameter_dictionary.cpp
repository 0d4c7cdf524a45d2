#include "core/base/NamedStrings.h"
#include "core/model/ParameterDictionary.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

using quelta::NamedStrings;
using quelta::ParameterDictionary;

class TestParameterDictionary : public QObject
{
    Q_OBJECT

private slots:
    void definitionLine_data();
    void definitionLine();
    void firstDefinitionWins();
    void parseReplacesTable();
    void embeddedCodes_data();
    void embeddedCodes();
    void embeddedSingleCodesAreComplete();

    void infoLine_data();
    void infoLine();
    void embeddedInfoTexts_data();
    void embeddedInfoTexts();
    void embeddedInfoHeaderIsComplete();
    void unknownStringNameStopsInfoParse_data();
    void unknownStringNameStopsInfoParse();

    void missingResourcesAreFatal();
};

void TestParameterDictionary::definitionLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("pairs");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    QTest::newRow("single code") << "#define  _idEmpres_ 0x0102\t/* installing company */" << 1 << "idEmpres"
                                 << "0102";
    QTest::newRow("letters and TABs") << "#define  _BlB4FunI_ 0x401C\t\t/* button 4 */" << 1 << "BlB4FunI" << "401C";
    QTest::newRow("underscores in the comment") << "#define  _BlEnTxtI_ 0x3201\t/* Apps;SMS;e_mails */" << 1
                                                << "BlEnTxtI" << "3201";
    QTest::newRow("block end, spaces") << "#define  _BlOpTelF_ 0x8501+16   /* end of block */" << 1 << "BlOpTelF"
                                       << "";
    QTest::newRow("block end, TAB") << "#define  _BlClTxtF_ 0x9701+29\t/* end of block */" << 1 << "BlClTxtF"
                                    << "9701+29";
    QTest::newRow("code without TAB") << "#define  _idEmpres_ 0x0102" << 1 << "idEmpres" << "";
    QTest::newRow("TAB before the digits") << "#define  _idEmpres_ 0\t0102" << 1 << "idEmpres" << "";
    QTest::newRow("guard ifndef") << "#ifndef __PARAM_H" << 1 << "" << "";
    QTest::newRow("guard define") << "#define __PARAM_H" << 1 << "" << "";
    QTest::newRow("guard endif") << "#endif /* __PARAM_H */" << 1 << "" << "";
    QTest::newRow("comment") << "/* codes of the e_mail server */" << 0 << "" << "";
    QTest::newRow("empty") << "" << 0 << "" << "";
}

void TestParameterDictionary::definitionLine()
{
    QFETCH(QString, line);
    QFETCH(int, pairs);
    QFETCH(QString, name);
    QFETCH(QString, code);

    ParameterDictionary dictionary;
    dictionary.Llegir_parametres(line + QStringLiteral("\r\n"));
    QCOMPARE(dictionary.parameters().size(), pairs);
    if (pairs == 0)
        return;
    QCOMPARE(dictionary.parameters().first().name, name);
    QCOMPARE(dictionary.parameters().first().code, code);
    if (!name.isEmpty())
        QCOMPARE(dictionary.codeOf(name), code);
}

void TestParameterDictionary::firstDefinitionWins()
{
    ParameterDictionary dictionary;
    dictionary.Llegir_parametres(u"#define  _twiceDef_ 0x0001\t/* first section */\r\n"
                                 u"#define  _TWICEDEF_ 0x0002\t/* second section */\r\n");
    QCOMPARE(dictionary.parameters().size(), 2);
    QCOMPARE(dictionary.codeOf(u"twicedef"), QStringLiteral("0001"));
}

void TestParameterDictionary::parseReplacesTable()
{
    ParameterDictionary dictionary;
    dictionary.Llegir_parametres(u"#define  _idEmpres_ 0x0102\t/* company */\r\n");
    dictionary.Llegir_parametres(u"#define  _idInstal_ 0x0103\t/* installer */\r\n");
    QCOMPARE(dictionary.parameters().size(), 1);
    QCOMPARE(dictionary.codeOf(u"idEmpres"), QString());
    QCOMPARE(dictionary.codeOf(u"idInstal"), QStringLiteral("0103"));
}

void TestParameterDictionary::embeddedCodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");

    QTest::newRow("first code") << "uniXipID" << "0101";
    QTest::newRow("company") << "idEmpres" << "0102";
    QTest::newRow("time zone") << "franjaUT" << "0120";
    QTest::newRow("second centre") << "cra2Abon" << "1122";
    QTest::newRow("baud rate, defined twice") << "BlRsBauI" << "1500";
    QTest::newRow("baud rate of a panel") << "BlRsBauZ" << "1500";
    QTest::newRow("input options") << "BlEnOpsI" << "3001";
    QTest::newRow("start-up notification") << "BlSiInic" << "3601";
    QTest::newRow("door button 4") << "BlB4FunI" << "401C";
    QTest::newRow("freezer Contact ID") << "scTemCid" << "6857";
    QTest::newRow("operators") << "BlOpTelI" << "8501";
    QTest::newRow("operators end") << "BlOpTelF" << "";
    QTest::newRow("Aguilera zones") << "BlAgZonI" << "9101";
    QTest::newRow("ID3000 file") << "BlIDFitx" << "9500";
    QTest::newRow("ID3000 texts") << "BlIDTxtI" << "9601";
    QTest::newRow("Cofem texts") << "BlClTxtI" << "9701";
    QTest::newRow("Zafir address, other case") << "BlZAAdre" << "9750";
    QTest::newRow("Urano texts") << "BlUrTxtI" << "9761";
    QTest::newRow("Supra texts") << "BlSuTxtI" << "9761";
    QTest::newRow("unknown") << "noSuchPa" << "";
}

void TestParameterDictionary::embeddedCodes()
{
    QFETCH(QString, name);
    QFETCH(QString, code);

    ParameterDictionary dictionary;
    QVERIFY(dictionary.Llegir_parametres());
    QCOMPARE(dictionary.codeOf(name), code);
}

// The header is kept by hand: a definition that lost its TAB or a digit would silently unbind a
// field. Only guard lines and block ends may lack a four-digit code.
void TestParameterDictionary::embeddedSingleCodesAreComplete()
{
    ParameterDictionary dictionary;
    QVERIFY(dictionary.Llegir_parametres());
    const QRegularExpression fourHexDigits(QStringLiteral("^[0-9A-F]{4}$"));
    const QRegularExpression blockEnd(QStringLiteral("^([0-9A-F]{4}\\+\\d+)?$"));
    int guards = 0;
    for (const ParameterDictionary::Parameter &parameter : dictionary.parameters()) {
        if (parameter.name.isEmpty())
            ++guards;
        else if (parameter.name.endsWith(u'F'))
            QVERIFY2(blockEnd.match(parameter.code).hasMatch(), qPrintable(parameter.name));
        else
            QVERIFY2(fourHexDigits.match(parameter.code).hasMatch(), qPrintable(parameter.name));
    }
    QCOMPARE(guards, 3);
}

void TestParameterDictionary::infoLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("definitions");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("no arguments") << "#define infoTxt_HarIniSys\t\t\"{#8001:\"txt_HarIniSys\"}\\r\"" << 1 << "8001"
                                  << "Inicio del sistema";
    QTest::newRow("format and argument") << "#define infoTxt_EsEntDisp\t\"{#8611:\"txt_EsEntDisp\"%d}\\r\", nEnt" << 1
                                         << "8611" << "Entrada disparada: ";
    QTest::newRow("English literal") << "#define txt_HarIniSys\t\"System start\"" << 0 << "" << "";
    QTest::newRow("comment") << "/* information texts */" << 0 << "" << "";
}

void TestParameterDictionary::infoLine()
{
    QFETCH(QString, line);
    QFETCH(int, definitions);
    QFETCH(QString, code);
    QFETCH(QString, text);

    ParameterDictionary dictionary;
    QVERIFY(dictionary.Llegir_DefInfo(NamedStrings(), line + QStringLiteral("\r\n")));
    QCOMPARE(dictionary.infoTexts().size(), definitions);
    if (definitions == 0)
        return;
    QCOMPARE(dictionary.infoTexts().first().code, code);
    QCOMPARE(dictionary.infoText(code), text);
}

void TestParameterDictionary::embeddedInfoTexts_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("first") << "8001" << "Inicio del sistema";
    QTest::newRow("8526 twice, GPRS first") << "8526" << "GPRS: Envío a la CRA (borrado): ";
    QTest::newRow("8791 twice, Aguilera first") << "8791" << "paso a Pruebas z.";
    QTest::newRow("raw trace") << "9542" << "ADSL: Envío al servidor";
    QTest::newRow("input triggered") << "8611" << "Entrada disparada: ";
    QTest::newRow("last") << "8878" << "Recuperado Bateria";
    QTest::newRow("unknown") << "0000" << "";
}

void TestParameterDictionary::embeddedInfoTexts()
{
    QFETCH(QString, code);
    QFETCH(QString, text);

    ParameterDictionary dictionary;
    QVERIFY2(dictionary.Llegir_DefInfo(NamedStrings()), qPrintable(dictionary.errorString()));
    QCOMPARE(dictionary.infoText(code), text);
}

void TestParameterDictionary::embeddedInfoHeaderIsComplete()
{
    ParameterDictionary dictionary;
    QVERIFY2(dictionary.Llegir_DefInfo(NamedStrings()), qPrintable(dictionary.errorString()));
    const QList<ParameterDictionary::InfoText> &texts = dictionary.infoTexts();
    QCOMPARE(texts.size(), 130);
    QCOMPARE(texts.first().code, QStringLiteral("8001"));
    QCOMPARE(texts.last().code, QStringLiteral("8878"));
    const QRegularExpression fourDigits(QStringLiteral("^[89]\\d{3}$"));
    for (const ParameterDictionary::InfoText &text : texts)
        QVERIFY2(fourDigits.match(text.code).hasMatch(), qPrintable(text.code));
}

void TestParameterDictionary::unknownStringNameStopsInfoParse_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("unknown") << "txt_NoSuchText";
    QTest::newRow("other case") << "TXT_HARGENRST";
    QTest::newRow("missing") << "";
}

void TestParameterDictionary::unknownStringNameStopsInfoParse()
{
    QFETCH(QString, name);

    ParameterDictionary dictionary;
    const QString header = QStringLiteral("#define infoTxt_HarIniSys\t\"{#8001:\"txt_HarIniSys\"}\\r\"\r\n"
                                          "#define infoTxt_Broken\t\"{#8100:\"")
                           + name
                           + QStringLiteral("\"}\\r\"\r\n"
                                            "#define infoTxt_HarHanErr1\t\"{#8102:\"txt_HarHanErr1\"}\\r\"\r\n");
    QVERIFY(!dictionary.Llegir_DefInfo(NamedStrings(), header));
    QVERIFY(dictionary.errorString().contains(u"8100"));
    QVERIFY(dictionary.errorString().contains(u'"' + name + u'"'));
    QVERIFY(dictionary.infoTexts().isEmpty());
    QCOMPARE(dictionary.infoText(u"8001"), QString());
}

void TestParameterDictionary::missingResourcesAreFatal()
{
    ParameterDictionary dictionary;
    QVERIFY(dictionary.Llegir_parametres());
    QVERIFY(dictionary.Llegir_DefInfo(NamedStrings()));

    Q_CLEANUP_RESOURCE(firmware_headers);
    const auto restore = qScopeGuard([] { Q_INIT_RESOURCE(firmware_headers); });

    QVERIFY(!dictionary.Llegir_parametres());
    QVERIFY(dictionary.errorString().contains(u"Param"));
    QVERIFY(dictionary.parameters().isEmpty());
    QCOMPARE(dictionary.codeOf(u"idEmpres"), QString());

    QVERIFY(!dictionary.Llegir_DefInfo(NamedStrings()));
    QVERIFY(dictionary.errorString().contains(u"DefInfo"));
    QVERIFY(dictionary.infoTexts().isEmpty());
}

QTEST_GUILESS_MAIN(TestParameterDictionary)
#include "test_parameter_dictionary.moc"
