// The database half of quelta-cloudsim without the network: requests in, answers and the tree out.

#include "DatabaseService.h"
#include "Json.h"
#include "PushKeys.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace quelta::cloudsim;

namespace {

constexpr qint64 Now = 1'700'000'000'000;

QJsonValue parsed(const QByteArray &text)
{
    return json::parse(text).value_or(QJsonValue(QJsonValue::Undefined));
}

// How the database spells an error.
QByteArray error(const char *message)
{
    return QByteArray("{\n  \"error\" : \"") + message + "\"\n}";
}

QByteArray base64Url(const QByteArray &text)
{
    return text.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

// A token shaped as the Auth emulator issues them: unsigned, header {"alg":"none"}.
QString emulatorToken(const QJsonObject &payload)
{
    return QString::fromLatin1(base64Url(R"({"alg":"none","typ":"JWT"})") + '.'
                               + base64Url(QJsonDocument(payload).toJson(QJsonDocument::Compact)) + '.');
}

QJsonObject emulatorClaims(qint64 expirySeconds)
{
    return {{"iss", "https://securetoken.google.com/demo-project"}, {"aud", "demo-project"},
            {"user_id", "u1"}, {"sub", "u1"}, {"iat", Now / 1000 - 10}, {"exp", expirySeconds}};
}

const QByteArray Events = R"({"e":{"k1":{"C":"b"},"k2":{"C":2},"k3":{"C":true},"k4":{"o":1},"k5":{"C":false},
    "k6":{"C":{"x":1}},"k7":{"C":"a"},"k8":{"C":-1.5},"k9":{"C":2},"1":{"C":2}}})";

} // namespace

class TestCloudsimDatabase : public QObject
{
    Q_OBJECT

private slots:
    void requests_data()
    {
        QTest::addColumn<QByteArray>("initial");
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QByteArray>("after");   // the whole tree afterwards; empty: as before

        // Writes and the shape of the tree.
        QTest::newRow("patch: nested paths, nulls delete")
            << QByteArray(R"({"d":{"a":{"x":1,"y":2},"b":3}})") << QByteArray("PATCH") << "/d.json"
            << QByteArray(R"({"a/x":null,"a/z":{"k":true},"b":null,"c":"new"})") << 200
            << QByteArray(R"({"a/x":null,"a/z":{"k":true},"b":null,"c":"new"})")
            << QByteArray(R"({"d":{"a":{"y":2,"z":{"k":true}},"c":"new"}})");
        QTest::newRow("patch: emptied parents vanish")
            << QByteArray(R"({"d":{"a":{"x":1}},"keep":1})") << QByteArray("PATCH") << "/d/a.json"
            << QByteArray(R"({"x":null})") << 200 << QByteArray(R"({"x":null})") << QByteArray(R"({"keep":1})");
        QTest::newRow("patch: an ancestor and its descendant, nothing applied")
            << QByteArray(R"({"a":1})") << QByteArray("PATCH") << "/.json" << QByteArray(R"({"b":{"c":1},"b/c/d":2})")
            << 400 << error("Invalid data; path /b is an ancestor of /b/c/d in the same update.") << QByteArray();
        QTest::newRow("patch: one invalid key, nothing applied")
            << QByteArray(R"({"a":1})") << QByteArray("PATCH") << "/.json" << QByteArray(R"({"b":2,"c":{"x.y":1}})")
            << 400
            << error("Invalid data; key \\\"x.y\\\" is empty, too long or contains one of '/', '.', '#', '$', '[', ']' "
                     "or a control character.")
            << QByteArray();
        QTest::newRow("put: empty object removes the node and its emptied parents")
            << QByteArray(R"({"a":{"b":{"c":1}},"k":1})") << QByteArray("PUT") << "/a/b/c.json" << QByteArray("{}")
            << 200 << QByteArray("{}") << QByteArray(R"({"k":1})");
        QTest::newRow("put: nulls and empty objects inside are not kept")
            << QByteArray("null") << QByteArray("PUT") << "/a.json" << QByteArray(R"({"x":null,"y":{},"z":{"w":{}},"v":0})")
            << 200 << QByteArray(R"({"v":0,"x":null,"y":{},"z":{"w":{}}})") << QByteArray(R"({"a":{"v":0}})");
        QTest::newRow("put: below a scalar replaces it")
            << QByteArray(R"({"a":5})") << QByteArray("PUT") << "/a/b.json" << QByteArray("1") << 200
            << QByteArray("1") << QByteArray(R"({"a":{"b":1}})");
        QTest::newRow("delete: below a scalar leaves it")
            << QByteArray(R"({"a":5})") << QByteArray("DELETE") << "/a/b.json" << QByteArray() << 200
            << QByteArray("null") << QByteArray();
        QTest::newRow("delete: emptied parents vanish")
            << QByteArray(R"({"a":{"b":{"c":1}},"k":2})") << QByteArray("DELETE") << "/a/b/c.json" << QByteArray()
            << 200 << QByteArray("null") << QByteArray(R"({"k":2})");
        QTest::newRow("put: an array is kept as an object")
            << QByteArray("null") << QByteArray("PUT") << "/l.json" << QByteArray("[1,null,3]") << 200
            << QByteArray("[1,null,3]") << QByteArray(R"({"l":{"0":1,"2":3}})");
        QTest::newRow("put: server timestamp")
            << QByteArray("null") << QByteArray("PUT") << "/t.json" << QByteArray(R"({"at":{".sv":"timestamp"}})")
            << 200 << QByteArray(R"({"at":1700000000000})") << QByteArray(R"({"t":{"at":1700000000000}})");
        QTest::newRow("patch: server increments, present and missing")
            << QByteArray(R"({"n":40})") << QByteArray("PATCH") << "/.json"
            << QByteArray(R"({"n":{".sv":{"increment":2}},"m":{".sv":{"increment":2}}})") << 200
            << QByteArray(R"({"m":2,"n":42})") << QByteArray(R"({"m":2,"n":42})");
        QTest::newRow("put: invalid JSON")
            << QByteArray(R"({"a":1})") << QByteArray("PUT") << "/a.json" << QByteArray(R"({"a":)") << 400
            << error("Invalid data; couldn't parse JSON object, array, or value.") << QByteArray();
        QTest::newRow("put: print=silent")
            << QByteArray("null") << QByteArray("PUT") << "/a.json?print=silent" << QByteArray("7") << 204
            << QByteArray() << QByteArray(R"({"a":7})");

        // Reads.
        QTest::newRow("get: missing node")
            << QByteArray(R"({"a":1})") << QByteArray("GET") << "/b/c.json" << QByteArray() << 200
            << QByteArray("null") << QByteArray();
        QTest::newRow("get: mostly filled integer keys read as an array")
            << QByteArray(R"({"l":{"0":"a","1":"b","3":"d"}})") << QByteArray("GET") << "/l.json" << QByteArray()
            << 200 << QByteArray(R"(["a","b",null,"d"])") << QByteArray();
        QTest::newRow("get: sparse integer keys stay an object")
            << QByteArray(R"({"l":{"0":"a","5":"f"}})") << QByteArray("GET") << "/l.json" << QByteArray() << 200
            << QByteArray(R"({"0":"a","5":"f"})") << QByteArray();
        QTest::newRow("get: shallow")
            << QByteArray(R"({"a":{"b":{"c":1},"d":2}})") << QByteArray("GET") << "/a.json?shallow=true"
            << QByteArray() << 200 << QByteArray(R"({"b":true,"d":2})") << QByteArray();
        QTest::newRow("get: by key, 32-bit integer keys first")
            << QByteArray(R"({"n":{"b":1,"10":1,"a":1,"9":1,"-1":1,"007":1,"4294967296":1}})") << QByteArray("GET")
            << R"(/n.json?orderBy="$key")" << QByteArray() << 200
            << QByteArray(R"({"-1":1,"9":1,"10":1,"007":1,"4294967296":1,"a":1,"b":1})") << QByteArray();
        QTest::newRow("get: by key, limitToLast")
            << QByteArray(R"({"n":{"b":1,"10":1,"a":1,"9":1}})") << QByteArray("GET")
            << R"(/n.json?orderBy="$key"&limitToLast=3)" << QByteArray() << 200 << QByteArray(R"({"10":1,"a":1,"b":1})")
            << QByteArray();
        QTest::newRow("get: by key, startAt")
            << QByteArray(R"({"n":{"b":1,"10":1,"a":1,"9":1}})") << QByteArray("GET")
            << R"(/n.json?orderBy="$key"&startAt="a")" << QByteArray() << 200 << QByteArray(R"({"a":1,"b":1})")
            << QByteArray();
        QTest::newRow("get: by child, mixed types, ties by key")
            << Events << QByteArray("GET") << R"(/e.json?orderBy="C")" << QByteArray() << 200
            << QByteArray(R"({"k4":{"o":1},"k5":{"C":false},"k3":{"C":true},"k8":{"C":-1.5},"1":{"C":2},"k2":{"C":2},)"
                          R"("k9":{"C":2},"k7":{"C":"a"},"k1":{"C":"b"},"k6":{"C":{"x":1}}})")
            << QByteArray();
        QTest::newRow("get: by child, limitToLast")
            << Events << QByteArray("GET") << R"(/e.json?orderBy="C"&limitToLast=3)" << QByteArray() << 200
            << QByteArray(R"({"k7":{"C":"a"},"k1":{"C":"b"},"k6":{"C":{"x":1}}})") << QByteArray();
        QTest::newRow("get: by child, limitToFirst")
            << Events << QByteArray("GET") << R"(/e.json?orderBy="C"&limitToFirst=2)" << QByteArray() << 200
            << QByteArray(R"({"k4":{"o":1},"k5":{"C":false}})") << QByteArray();
        QTest::newRow("get: by child, startAt and endAt across types")
            << Events << QByteArray("GET") << R"(/e.json?orderBy="C"&startAt=2&endAt="a")" << QByteArray() << 200
            << QByteArray(R"({"1":{"C":2},"k2":{"C":2},"k9":{"C":2},"k7":{"C":"a"}})") << QByteArray();
        QTest::newRow("get: by child, equalTo")
            << Events << QByteArray("GET") << R"(/e.json?orderBy="C"&equalTo=2)" << QByteArray() << 200
            << QByteArray(R"({"1":{"C":2},"k2":{"C":2},"k9":{"C":2}})") << QByteArray();
        QTest::newRow("get: by child, equalTo matching nothing")
            << Events << QByteArray("GET") << R"(/e.json?orderBy="C"&equalTo=3)" << QByteArray() << 200
            << QByteArray("null") << QByteArray();
        QTest::newRow("get: by nested child")
            << QByteArray(R"({"r":{"x":{"m":{"t":3}},"y":{"m":{"t":1}},"z":{"m":{"t":2}}}})") << QByteArray("GET")
            << R"(/r.json?orderBy="m/t"&limitToLast=2)" << QByteArray() << 200
            << QByteArray(R"({"z":{"m":{"t":2}},"x":{"m":{"t":3}}})") << QByteArray();
        QTest::newRow("get: by value")
            << QByteArray(R"({"v":{"a":3,"b":"x","c":1}})") << QByteArray("GET") << R"(/v.json?orderBy="$value")"
            << QByteArray() << 200 << QByteArray(R"({"c":1,"a":3,"b":"x"})") << QByteArray();
        QTest::newRow("get: orderBy not JSON")
            << Events << QByteArray("GET") << "/e.json?orderBy=$key" << QByteArray() << 400
            << error("orderBy must be a valid JSON encoded path") << QByteArray();
        QTest::newRow("get: a limit without orderBy")
            << Events << QByteArray("GET") << "/e.json?limitToLast=1" << QByteArray() << 400
            << error("orderBy must be defined when other query parameters are defined") << QByteArray();
        QTest::newRow("get: a limit that is not a positive integer")
            << Events << QByteArray("GET") << R"(/e.json?orderBy="C"&limitToLast=1.5)" << QByteArray() << 400
            << error("limitToLast must be a positive integer") << QByteArray();
        QTest::newRow("get: invalid key in the path")
            << Events << QByteArray("GET") << "/e/a%2Eb.json" << QByteArray() << 400
            << error("Invalid path: Invalid token in path") << QByteArray();

        // Authentication.
        QTest::newRow("auth: none")
            << QByteArray(R"({"a":1})") << QByteArray("GET") << "/a.json?auth=" << QByteArray() << 401
            << error("Permission denied") << QByteArray();
        QTest::newRow("auth: not a token")
            << QByteArray(R"({"a":1})") << QByteArray("GET") << "/a.json?auth=letmein" << QByteArray() << 401
            << error("Could not parse auth token.") << QByteArray();
        QTest::newRow("auth: emulator token without subject")
            << QByteArray(R"({"a":1})") << QByteArray("GET")
            << "/a.json?auth=" + emulatorToken({{"exp", Now / 1000 + 60}}) << QByteArray() << 401
            << error("Could not parse auth token.") << QByteArray();
        QTest::newRow("auth: expired emulator token")
            << QByteArray(R"({"a":1})") << QByteArray("GET") << "/a.json?auth=" + emulatorToken(emulatorClaims(Now / 1000))
            << QByteArray() << 401 << error("Auth token is expired") << QByteArray();
        QTest::newRow("auth: emulator token")
            << QByteArray(R"({"a":1})") << QByteArray("PUT")
            << "/a.json?auth=" + emulatorToken(emulatorClaims(Now / 1000 + 60)) << QByteArray("2") << 200
            << QByteArray("2") << QByteArray(R"({"a":2})");
    }

    void requests()
    {
        QFETCH(QByteArray, initial);
        QFETCH(QByteArray, method);
        QFETCH(QString, target);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QByteArray, answer);
        QFETCH(QByteArray, after);

        const std::optional<QJsonValue> tree = json::parse(initial);
        QVERIFY(tree);
        DatabaseService database(JsonTree(*tree), [] { return Now; });
        QUrlQuery query(target.section(u'?', 1));
        if (!query.hasQueryItem("auth"))
            query.addQueryItem("auth", "owner");
        const Reply reply = database.handle({method, target.section(u'?', 0, 0), query, body});

        QCOMPARE(reply.body, answer);
        QCOMPARE(reply.status, status);
        QCOMPARE(database.tree().root(), parsed(after.isEmpty() ? initial : after));
    }

    // Keys sort in the order they were made: within one millisecond, across many, and when the
    // clock steps back.
    void pushKeysIncrease_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("seed 1") << 1u;
        QTest::newRow("seed 2") << 2u;
        QTest::newRow("seed 3") << 3u;
    }
    void pushKeysIncrease()
    {
        QFETCH(quint32, seed);
        PushKeyGenerator keys(seed);
        const QList<qint64> clock{Now, Now, Now + 1, Now - 10'000, Now + 2};
        QString previous;
        for (const qint64 time : clock) {
            for (int i = 0; i < 3000; ++i) {
                const QString key = keys.next(time);
                QCOMPARE(key.size(), 20);
                for (const QChar c : key)
                    QVERIFY2(QByteArray(PushKeyGenerator::Alphabet).contains(c.toLatin1()), qPrintable(key));
                QVERIFY2(previous < key, qPrintable(previous + " then " + key));
                previous = key;
            }
        }
    }

    // The first eight characters are the time, most significant first.
    void pushKeyTime()
    {
        PushKeyGenerator keys;
        const QString key = keys.next(Now);
        qint64 time = 0;
        for (const QChar c : key.left(8))
            time = time * 64 + QByteArray(PushKeyGenerator::Alphabet).indexOf(c.toLatin1());
        QCOMPARE(time, Now);
    }
};

QTEST_GUILESS_MAIN(TestCloudsimDatabase)
#include "test_cloudsim_database.moc"
