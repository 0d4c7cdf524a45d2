#include "core/model/InputRules.h"

#include "core/model/Bindings.h"

#include <QCoreApplication>
#include <QSet>
#include <QTest>
#include <QTranslator>

using namespace quelta;

Q_DECLARE_METATYPE(quelta::KeyFilter)
Q_DECLARE_METATYPE(quelta::ExitCheck)
Q_DECLARE_METATYPE(quelta::KeyOutcome)

namespace quelta {
char *toString(KeyOutcome outcome)
{
    static const char *const names[] = {"Accept", "Refuse", "Escape", "Copy", "Paste"};
    return qstrdup(names[static_cast<int>(outcome)]);
}
} // namespace quelta

namespace {

const QChar kCopy(kKeyCopy);
const QChar kBackspace(kKeyBackspace);
const QChar kPaste(kKeyPaste);
const QChar kEscape(kKeyEscape);

QString chars(int count)
{
    return QString(count, u'a');
}

// The grid titles of another language: the rules must follow what the grid shows.
class EnglishTitles : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "Grids") == 0 && QString::fromUtf8(source) == u"Código CID")
            return QStringLiteral("CID code");
        return {};
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestInputRules : public QObject
{
    Q_OBJECT

private slots:
    void ipRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("address") << "192.168.1.30" << true;
        QTest::newRow("limits") << "255.255.255.255" << true;
        QTest::newRow("zeros") << "0.0.0.0" << true;
        QTest::newRow("found inside blanks") << " 10.0.0.1 " << true;
        // No word boundary between "30" and "0": nothing inside it is an address.
        QTest::newRow("last part too big") << "192.168.1.300" << false;
        QTest::newRow("first part too big") << "256.1.1.1" << false;
        QTest::newRow("three parts") << "192.168.1" << false;
        QTest::newRow("letters") << "a.b.c.d" << false;
        QTest::newRow("empty") << "" << false;
    }
    void ipRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(isValidIp(text), valid);
    }

    void emailRule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("one") << "ana@example.com" << true;
        QTest::newRow("hyphens and dots") << "ana.lopez-ruiz@sub-domain.example.com" << true;
        QTest::newRow("two with '; '") << "ana@example.com; luis@mail.example.es" << true;
        QTest::newRow("two with ','") << "ana@example.com,luis@example.org" << true;
        QTest::newRow("leading blanks") << "  ana@example.com" << true;
        QTest::newRow("trailing ';'") << "ana@example.com;" << false;
        QTest::newRow("one-letter ending") << "ana@example.c" << false;
        QTest::newRow("no '@'") << "ana.example.com" << false;
        QTest::newRow("second bad") << "ana@example.com, luis" << false;
        // ";" wins: the second item then holds a comma.
        QTest::newRow("';' before ','") << "ana@example.com;luis@example.org,pep@example.net" << false;
        QTest::newRow("empty") << "" << false;
    }
    void emailRule()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(isValidEmailList(text), valid);
    }

    void keyFilters_data()
    {
        QTest::addColumn<KeyFilter>("filter");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("decimal digit") << KeyFilter::Decimal << QChar(u'7') << true;
        QTest::newRow("decimal letter") << KeyFilter::Decimal << QChar(u'a') << false;
        QTest::newRow("decimal Arabic-Indic digit") << KeyFilter::Decimal << QChar(u'\u0663') << false;
        QTest::newRow("decimal backspace") << KeyFilter::Decimal << kBackspace << true;
        QTest::newRow("hexadecimal F") << KeyFilter::Hexadecimal << QChar(u'F') << true;
        QTest::newRow("hexadecimal f") << KeyFilter::Hexadecimal << QChar(u'f') << true;
        QTest::newRow("hexadecimal G") << KeyFilter::Hexadecimal << QChar(u'G') << false;
        QTest::newRow("hexadecimal full-width A") << KeyFilter::Hexadecimal << QChar(u'\uFF21') << false;
        QTest::newRow("telephone +") << KeyFilter::Telephone << QChar(u'+') << true;
        QTest::newRow("telephone ;") << KeyFilter::Telephone << QChar(u';') << true;
        QTest::newRow("telephone blank") << KeyFilter::Telephone << QChar(u' ') << false;
        QTest::newRow("none") << KeyFilter::None << QChar(u'x') << true;
    }
    void keyFilters()
    {
        QFETCH(KeyFilter, filter);
        QFETCH(QChar, key);
        QFETCH(bool, accepted);
        QCOMPARE(keyAccepted(filter, key), accepted);
    }

    // A rule under a name the window does not have would never be applied.
    void editRulesNameBoundEdits()
    {
        QSet<QString> edits;
        for (const FieldBinding &field : fieldBindings()) {
            if (field.kind == FieldKind::Edit)
                edits.insert(QLatin1String(field.name));
        }
        QSet<QString> seen;
        for (const EditRule &rule : editRules()) {
            QVERIFY2(edits.contains(QLatin1String(rule.name)), rule.name);
            QVERIFY2(!seen.contains(QLatin1String(rule.name)), rule.name);
            seen.insert(QLatin1String(rule.name));
            QCOMPARE(editRule(QString::fromLatin1(rule.name)), &rule);
        }
        QCOMPARE(editRule(u"EEMailUser"), nullptr);
    }

    void exitChecks_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("passes");
        QTest::newRow("IP empty") << "EConfigADSLGateway" << "" << true;
        QTest::newRow("IP short") << "EConfigADSLGateway" << "192.168.1" << false;
        QTest::newRow("IP") << "EConfigADSLDNS2" << "8.8.4.4" << true;
        QTest::newRow("e-mail empty") << "EEmail3" << "" << true;
        QTest::newRow("e-mail trailing ';'") << "EEmail3" << "ana@example.com;" << false;
        QTest::newRow("unchecked") << "EProgEmpresa" << "x;y" << true;
    }
    void exitChecks()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(bool, passes);
        const EditRule *rule = editRule(edit);
        QVERIFY(rule);
        QCOMPARE(passesExitCheck(rule->exit, text), passes);
        QCOMPARE(exitCheckMessage(rule->exit).contains(u"no es válida\rPor favor"), rule->exit != ExitCheck::None);
    }

    void addressPadding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("padded");
        QTest::newRow("one digit") << "5" << "05";
        QTest::newRow("one letter") << "F" << "0F";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("two digits") << "1A" << "1A";
    }
    void addressPadding()
    {
        QFETCH(QString, text);
        QFETCH(QString, padded);
        QCOMPARE(editRule(u"EAdrAD300")->exit, ExitCheck::PadTwoDigits);
        QCOMPARE(padAddress(text), padded);
    }

    void gridKeys_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<KeyOutcome>("outcome");
        const auto A = KeyOutcome::Accept;
        const auto R = KeyOutcome::Refuse;
        const QString time = QStringLiteral("Hora: (hh:mm)");
        QTest::newRow("time: hour tens") << "SGTest" << time << 2 << "" << QChar(u'2') << A;
        QTest::newRow("time: hour tens 3") << "SGTest" << time << 2 << "" << QChar(u'3') << R;
        QTest::newRow("time: hour 24") << "SGTest" << time << 2 << "2" << QChar(u'4') << R;
        QTest::newRow("time: hour 23") << "SGTest" << time << 2 << "2" << QChar(u'3') << A;
        QTest::newRow("time: ':' for a digit") << "SGTest" << time << 2 << "1" << QChar(u':') << R;
        QTest::newRow("time: colon") << "SGTest" << time << 2 << "23" << QChar(u':') << A;
        QTest::newRow("time: digit for ':'") << "SGTest" << time << 2 << "23" << QChar(u'5') << R;
        QTest::newRow("time: minute tens 6") << "SGTest" << time << 2 << "23:" << QChar(u'6') << R;
        QTest::newRow("time: minute 59") << "SGTest" << time << 2 << "23:5" << QChar(u'9') << A;
        QTest::newRow("time: full") << "SGTest" << time << 2 << "23:59" << QChar(u'7') << A;
        QTest::newRow("time: letter") << "SGTest" << time << 2 << "" << QChar(u'a') << R;
        QTest::newRow("time: backspace") << "SGTest" << time << 2 << "23:" << kBackspace << A;
        QTest::newRow("time: paste") << "SGTest" << time << 2 << "" << kPaste << R;

        const QString cid = QStringLiteral("Código CID");
        QTest::newRow("CID: 9th digit") << "SGEntradesOpc" << cid << 3 << "1234ABCD" << QChar(u'5') << R;
        QTest::newRow("CID: full, backspace") << "SGEntradesOpc" << cid << 3 << "1234ABCD" << kBackspace << A;
        QTest::newRow("CID: full, copy") << "SGEntradesOpc" << cid << 3 << "1234ABCD" << kCopy << KeyOutcome::Copy;
        QTest::newRow("CID: full, paste") << "SGEntradesOpc" << cid << 3 << "1234ABCD" << kPaste << KeyOutcome::Paste;
        QTest::newRow("CID: hex") << "SGCentralID3000" << cid << 5 << "12" << QChar(u'e') << A;
        QTest::newRow("CID: not hex") << "SGCentralID3000" << cid << 5 << "12" << QChar(u'g') << R;
        QTest::newRow("CID: above 255") << "SGCentralID3000" << cid << 5 << "12" << QChar(u'\u0131') << R;

        const QString type = QStringLiteral("Tipo evento");
        QTest::newRow("type: 3rd digit") << "SGCentralBC600" << type << 1 << "1A" << QChar(u'f') << A;
        QTest::newRow("type: full, backspace") << "SGCentralBC600" << type << 1 << "1A2" << kBackspace << R;
        QTest::newRow("type: copy") << "SGCentralBC600" << type << 1 << "1" << kCopy << R;

        const QString name = QStringLiteral("NOMBRE");
        QTest::newRow("name: 32nd") << "SGLlistatZonesAgui" << name << 2 << chars(31) << QChar(u'b') << A;
        QTest::newRow("name: 33rd") << "SGLlistatZonesAgui" << name << 2 << chars(32) << QChar(u'b') << R;
        QTest::newRow("name: full, backspace") << "SGLlistatZonesAgui" << name << 2 << chars(32) << kBackspace << R;

        const auto E = KeyOutcome::Escape;
        QTest::newRow("App") << "SGCra" << "App" << 0 << "" << QChar(u'1') << E;
        QTest::newRow("SMS") << "SGCentralAgui" << "SMS" << 2 << "1" << kBackspace << E;
        QTest::newRow("EMail") << "SGPerduaCOM" << "EMail" << 3 << "" << QChar(u'x') << E;
        QTest::newRow("Email") << "SGTamperOpc" << "Email" << 2 << "" << QChar(u'x') << E;
        const QString message = QStringLiteral("Texto del mensaje");
        QTest::newRow("message: text") << "SGInici" << message << 4 << "" << QChar(u'x') << A;
        QTest::newRow("message: escape") << "SGInici" << message << 4 << "" << kEscape << E;
        QTest::newRow("message: paste") << "SGInici" << message << 4 << "" << kPaste << KeyOutcome::Paste;

        const QString alias = QStringLiteral("Alias");
        QTest::newRow("inputs: delay digit") << "SGEntrades" << "Disp." << 2 << "" << QChar(u'7') << A;
        QTest::newRow("inputs: delay letter") << "SGEntrades" << "Rest." << 3 << "" << QChar(u'a') << R;
        QTest::newRow("inputs: 12th alias char") << "SGEntrades" << alias << 1 << chars(11) << QChar(u'x') << A;
        QTest::newRow("inputs: 13th alias char") << "SGEntrades" << alias << 1 << chars(12) << QChar(u'x') << R;
        QTest::newRow("inputs: full alias, backspace") << "SGEntrades" << alias << 1 << chars(12) << kBackspace << A;
        QTest::newRow("inputs: alias paste") << "SGEntrades" << alias << 1 << "" << kPaste << KeyOutcome::Paste;
        QTest::newRow("output times: number") << "SGSortidesTemps" << "N." << 0 << "1" << kBackspace << R;
        QTest::newRow("output times: number paste") << "SGSortidesTemps" << "N." << 0 << "" << kPaste << R;
        QTest::newRow("output times: time letter") << "SGSortidesTemps" << "T.Des." << 4 << "" << QChar(u'x') << R;
        QTest::newRow("output times: full alias") << "SGSortidesTemps" << alias << 1 << chars(12) << QChar(u'x') << R;
        QTest::newRow("tamper: level letter") << "SGTamper" << "N. Disp." << 1 << "" << QChar(u'x') << R;
        QTest::newRow("power: full alias") << "SGAlim" << alias << 0 << chars(12) << QChar(u'x') << R;
        QTest::newRow("test: full alias") << "SGTest" << alias << 0 << chars(12) << QChar(u'x') << R;
        QTest::newRow("phones: +") << "SGTelefons" << "Teléfono" << 1 << "" << QChar(u'+') << A;
        QTest::newRow("phones: ;") << "SGTelefons" << "Teléfono" << 1 << "" << QChar(u';') << R;
        QTest::newRow("phones: name") << "SGTelefons" << "Nombre" << 0 << "" << QChar(u';') << A;
        QTest::newRow("door: time") << "SGBoto3" << "T.Ent" << 3 << "" << QChar(u'a') << R;
        QTest::newRow("door: input") << "SGBoto3" << "Entrada" << 2 << "" << QChar(u'a') << A;
        QTest::newRow("unlisted grid") << "SGOperadores" << "APN" << 1 << chars(40) << QChar(u'x') << A;
    }
    void gridKeys()
    {
        QFETCH(QString, grid);
        QFETCH(QString, header);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QChar, key);
        QFETCH(KeyOutcome, outcome);
        QCOMPARE(gridKeyOutcome({grid, header, column, text}, key), outcome);
    }

    void paste_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("pasted");
        QTest::newRow("CID, 8 hex") << "SGCentralSupra" << "Código CID" << 5 << "00A1b2C3" << true;
        QTest::newRow("CID, 9 hex") << "SGCentralSupra" << "Código CID" << 5 << "00A1b2C3D" << false;
        QTest::newRow("CID, not hex") << "SGCentralSupra" << "Código CID" << 5 << "12 4" << false;
        QTest::newRow("message") << "SGCentralSupra" << "Texto del mensaje" << 6 << "Fuego; planta 2, 123456789"
                                 << true;
        QTest::newRow("output number") << "SGSortidesTemps" << "N." << 0 << "1" << false;
        QTest::newRow("output alias") << "SGSortidesTemps" << "Alias" << 1 << "Sirena" << true;
    }
    void paste()
    {
        QFETCH(QString, grid);
        QFETCH(QString, header);
        QFETCH(int, column);
        QFETCH(QString, clipboard);
        QFETCH(bool, pasted);
        const std::optional<QString> text = pastedText({grid, header, column, u"old"}, clipboard);
        QCOMPARE(text.has_value(), pasted);
        if (pasted)
            QCOMPARE(*text, clipboard);
    }

    void columnTitlesFollowTheLanguage()
    {
        EnglishTitles english;
        QCoreApplication::installTranslator(&english);
        const QString full = QStringLiteral("1234ABCD");
        QCOMPARE(gridKeyOutcome({u"SGCra", u"CID code", 3, full}, QChar(u'5')), KeyOutcome::Refuse);
        QVERIFY(!pastedText({u"SGCra", u"CID code", 3, full}, QStringLiteral("123456789")));
        QCOMPARE(gridKeyOutcome({u"SGCra", u"Código CID", 3, full}, QChar(u'5')), KeyOutcome::Accept);
        QCoreApplication::removeTranslator(&english);
    }

    void escapeTogglesTheInputAndCentreCombos()
    {
        QVERIFY(escapeTogglesCombo(u"SGEntradesOpc"));
        QVERIFY(escapeTogglesCombo(u"SGCra"));
        QVERIFY(!escapeTogglesCombo(u"SGBCApp"));
    }
};

QTEST_GUILESS_MAIN(TestInputRules)
#include "test_input_rules.moc"
