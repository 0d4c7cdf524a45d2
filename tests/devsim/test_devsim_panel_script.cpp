// The scripted panel behind the simulated device: the raw panel bytes read as one stream and
// answered from the script.

#include "PanelScript.h"

#include <QtTest>

using namespace quelta::devsim;

namespace {

const QByteArray kScript = R"({
    "exchanges": [
        {"request": "02 41 03", "answer": "06 61"},
        {"request": "02 41 42 03", "answer": "06 62"},
        {"request": "04", "answer": "06"}
    ],
    "unknown": "15"
})";

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

} // namespace

class TestDevsimPanelScript : public QObject
{
    Q_OBJECT

private slots:
    // Each message in turn; the answers to each, in hexadecimal.
    void answersTheStream_data()
    {
        QTest::addColumn<QByteArrayList>("messages");
        QTest::addColumn<QByteArrayList>("answers");
        QTest::newRow("one request") << QByteArrayList{hex("024103")} << QByteArrayList{hex("0661")};
        QTest::newRow("request split") << QByteArrayList{hex("02"), hex("41"), hex("03")}
                                       << QByteArrayList{{}, {}, hex("0661")};
        QTest::newRow("two in one") << QByteArrayList{hex("02414203" "04")} << QByteArrayList{hex("0662" "06")};
        QTest::newRow("a request's start, then another") << QByteArrayList{hex("0241"), hex("4203")}
                                                          << QByteArrayList{{}, hex("0662")};
        QTest::newRow("garbage before a request") << QByteArrayList{hex("FFFE" "04")} << QByteArrayList{hex("15" "06")};
        QTest::newRow("a wrong end is refused") << QByteArrayList{hex("024199"), hex("04")}
                                                << QByteArrayList{hex("15"), hex("06")};
    }
    void answersTheStream()
    {
        QFETCH(QByteArrayList, messages);
        QFETCH(QByteArrayList, answers);
        QString error;
        std::optional<PanelScript> script = PanelScript::fromJson(kScript, error);
        QVERIFY2(script, qPrintable(error));
        QByteArrayList said;
        for (const QByteArray &message : messages)
            said << script->answer(message);
        QCOMPARE(said, answers);
    }

    void aRestartForgetsAHalfRequest()
    {
        QString error;
        std::optional<PanelScript> script = PanelScript::fromJson(kScript, error);
        QVERIFY(script);
        QCOMPARE(script->answer(hex("0241")), QByteArray());
        script->reset();
        QCOMPARE(script->answer(hex("03" "04")), hex("15" "06"));
    }

    void refusesWhatIsNoScript_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("not JSON") << QByteArray("{");
        QTest::newRow("no exchanges") << QByteArray(R"({"exchanges": []})");
        QTest::newRow("empty request") << QByteArray(R"({"exchanges": [{"request": "", "answer": "06"}]})");
        QTest::newRow("odd digits") << QByteArray(R"({"exchanges": [{"request": "021", "answer": "06"}]})");
        QTest::newRow("not hexadecimal") << QByteArray(R"({"exchanges": [{"request": "02", "answer": "0G"}]})");
        QTest::newRow("bad unknown") << QByteArray(R"({"exchanges": [{"request": "02", "answer": "06"}], "unknown": 21})");
    }
    void refusesWhatIsNoScript()
    {
        QFETCH(QByteArray, json);
        QString error;
        QVERIFY(!PanelScript::fromJson(json, error));
        QVERIFY(!error.isEmpty());
    }

    // The script shipped with the simulator is one.
    void theShippedScriptLoads()
    {
        QString error;
        QVERIFY2(PanelScript::load(QStringLiteral(DEVSIM_PANELS "/age44.json"), error), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestDevsimPanelScript)
#include "test_devsim_panel_script.moc"
