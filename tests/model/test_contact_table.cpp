// The contact lists' pure parts: the list table (end of list, marks, sorting), the list files and
// the cloud records of phones and app users.

#include "core/cloud/ContactRecords.h"
#include "core/model/ContactTable.h"
#include "core/model/ListFiles.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace quelta;

namespace {

void fill(ContactTable &table, const QList<QStringList> &rows)
{
    for (int row = 1; row <= rows.size(); ++row)
        table.storeRow(row, rows.at(row - 1));
}

QStringList rowOf(const ContactTable &table, int row)
{
    QStringList cells;
    for (int column = 0; column < table.columns(); ++column)
        cells << table.text(row, column);
    return cells;
}

QJsonValue json(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}

} // namespace

class TestContactTable : public QObject
{
    Q_OBJECT

private slots:
    // The list ends before the first row whose number and name are both empty.
    void listEndsAtTheFirstEmptyRow()
    {
        ContactTable phones(ContactTable::Kind::Phones);
        QCOMPARE(phones.listEnd(), 1);
        fill(phones, {{"", "600111222", "Ana", "1", "1"}, {"", "", "Solo nombre", "0", "0"}, {"", "", "", "1", "2"},
                      {"", "699000000", "Después", "1", "3"}});
        QCOMPARE(phones.listEnd(), 3);
    }

    // A phone's deletion mark stays once set; a user's toggles; the enabled flag toggles in both.
    void clicksOnTheCheckColumns_data()
    {
        QTest::addColumn<ContactTable::Kind>("kind");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("afterClicks"); // after one click, after two
        QTest::addColumn<QList<bool>>("deleteShown");
        using K = ContactTable::Kind;
        QTest::newRow("phone mark") << K::Phones << 0 << "" << QStringList{"1", "1"} << QList<bool>{true, true};
        QTest::newRow("user mark") << K::Users << 0 << "" << QStringList{"1", "0"} << QList<bool>{true, false};
        QTest::newRow("enabled, from 0") << K::Phones << 3 << "0" << QStringList{"1", "0"} << QList<bool>{false, false};
        QTest::newRow("enabled, odd text") << K::Users << 3 << "x" << QStringList{"1", "0"} << QList<bool>{false, false};
    }

    void clicksOnTheCheckColumns()
    {
        QFETCH(ContactTable::Kind, kind);
        QFETCH(int, column);
        QFETCH(QString, before);
        QFETCH(QStringList, afterClicks);
        QFETCH(QList<bool>, deleteShown);
        ContactTable table(kind);
        table.storeRow(1, {"", "a@b.es", "A", "1", "1", "uid"});
        table.setText(1, column, before);
        for (int click = 0; click < 2; ++click) {
            table.click(1, column);
            QCOMPARE(table.text(1, column), afterClicks.at(click));
            QCOMPARE(table.deleteShown(), deleteShown.at(click));
        }
    }

    // "Eliminar" of the users stays while another row is still marked.
    void userDeleteStaysWhileAnotherRowIsMarked()
    {
        ContactTable users(ContactTable::Kind::Users);
        fill(users, {{"", "a@b.es", "A", "1", "", "u1"}, {"", "c@d.es", "C", "1", "", "u2"}});
        users.click(1, 0);
        users.click(2, 0);
        users.click(2, 0);
        QVERIFY(users.deleteShown());
        users.click(1, 0);
        QVERIFY(!users.deleteShown());
    }

    // Rows move whole, marks and pending edits included, and become their own shadow; rows past the
    // end of the list stay where they are.
    void sortingMovesWholeRows()
    {
        ContactTable users(ContactTable::Kind::Users);
        fill(users, {{"", "zoe@x.es", "Zoe", "1", "1", "u1"}, {"", "Ana@x.es", "Ana", "0", "", "u2"},
                     {"", "bea@x.es", "Bea", "1", "1,3", "u3"}, {"", "", "", "", "", ""},
                     {"", "aaa@x.es", "Fuera", "1", "", "u9"}});
        users.click(3, 0);                    // bea marked for deletion
        users.setText(1, 4, QStringLiteral("2")); // zoe edited, not saved
        QVERIFY(users.sortBy(1));
        QCOMPARE(rowOf(users, 1), (QStringList{"", "Ana@x.es", "Ana", "0", "", "u2"}));
        QCOMPARE(rowOf(users, 2), (QStringList{"1", "bea@x.es", "Bea", "1", "1,3", "u3"}));
        QCOMPARE(rowOf(users, 3), (QStringList{"", "zoe@x.es", "Zoe", "1", "2", "u1"}));
        QCOMPARE(rowOf(users, 5), (QStringList{"", "aaa@x.es", "Fuera", "1", "", "u9"}));
        for (int row = 1; row <= 3; ++row)
            QVERIFY2(!users.rowChanged(row, 0, 5), qPrintable(QString::number(row)));
        QVERIFY(!users.sortBy(3));
    }

    // Equal names keep the order of the rest of their rows, column 0 first.
    void equalTextsSortByTheRestOfTheRow()
    {
        ContactTable phones(ContactTable::Kind::Phones);
        fill(phones, {{"", "611", "Portería", "1", "1"}, {"1", "622", "portería", "1", "1"}, {"", "600", "Bar", "0", "0"}});
        QVERIFY(phones.sortBy(2));
        QCOMPARE(rowOf(phones, 1).at(1), QStringLiteral("600"));
        QCOMPARE(rowOf(phones, 2).at(1), QStringLiteral("611"));
        QCOMPARE(rowOf(phones, 3).at(1), QStringLiteral("622"));
    }

    // A file is taken whole or refused whole at the first line with another number of fields.
    void listFileRecords_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("fields");
        QTest::addColumn<int>("records"); // -1: refused
        QTest::newRow("header and three") << QStringList{"h", "a,b,c,d", ",,,", "e,,,f"} << 4 << 3;
        QTest::newRow("third line with five") << QStringList{"h", "a,b,c,d", "a,b,c,d,e", "a,b,c,d"} << 4 << -1;
        QTest::newRow("header only") << QStringList{"any,thing"} << 4 << 0;
        QTest::newRow("phones") << QStringList{"h", "0,600,Ana,1,2"} << 5 << 1;
        QTest::newRow("empty line") << QStringList{"h", "", "0,600,Ana,1,2"} << 5 << -1;
    }

    void listFileRecords()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, fields);
        QFETCH(int, records);
        const auto found = listfiles::records(lines, fields);
        QCOMPARE(found ? int(found->size()) : -1, records);
    }

    // ANSI unless a byte-order mark says otherwise.
    void listFileEncoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Windows-1252") << QByteArray("h\r\nEspa\xf1" "a,apn,\x80,p\r\n");
        QTest::newRow("UTF-8 mark") << QByteArray("\xef\xbb\xbfh\r\nEspa\xc3\xb1" "a,apn,\xe2\x82\xac,p\r\n");
        QTest::newRow("UTF-16LE mark") << QByteArray("\xff\xfe", 2) + QByteArray(reinterpret_cast<const char *>(u"h\r\nEspaña,apn,€,p\r\n"), 38);
    }

    void listFileEncoding()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("list.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const auto lines = listfiles::readLines(file.fileName());
        QVERIFY(lines);
        QCOMPARE(*lines, (QStringList{"h", QStringLiteral("España,apn,€,p")}));
    }

    // The buttons column holds the buttons' digits; "12" enables buttons 1 and 2.
    void buttonsColumn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<bool>>("flags");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("shown");
        QTest::newRow("12") << "12" << QList<bool>{true, true, false, false} << 2 << "1,2";
        QTest::newRow("1,3") << "1,3" << QList<bool>{true, false, true, false} << 2 << "1,3";
        QTest::newRow("4 1 9") << "4 1 9" << QList<bool>{true, false, false, true} << 2 << "1,4";
        QTest::newRow("none") << "" << QList<bool>{false, false, false, false} << 0 << "";
    }

    void buttonsColumn()
    {
        QFETCH(QString, text);
        QFETCH(QList<bool>, flags);
        QFETCH(int, count);
        QFETCH(QString, shown);
        const QJsonObject module = contacts::moduleMembers(text, true);
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(module.value(QStringLiteral("b%1Enabled").arg(n)).toBool(), flags.at(n - 1));
        QCOMPARE(module.value(u"numButtonsEnabled").toInt(), count);
        QCOMPARE(module.value(u"enabled").toBool(), true);
        QCOMPARE(contacts::buttonsText(contacts::buttonsOf(text)), shown);
    }

    // The flattened children keep their order; arrays give their indices; odd lines are passed over.
    void flattenedChildren()
    {
        const JsonMembers children = contacts::flattenedChildren(
            QStringLiteral("699: {\"UserName\":\"B\"}\r600: 7\rnot a member\rkey: with: colon: \"x\"\r"));
        QCOMPARE(children.size(), 3);
        QCOMPARE(children.at(0).first, QStringLiteral("699"));
        QCOMPARE(children.at(1).second.toInt(), 7);
        QCOMPARE(children.at(2).first, QStringLiteral("key: with: colon"));
        const JsonMembers array = contacts::flattenedChildren(QStringLiteral("[null,{\"a\":1},true]"));
        QCOMPARE(array.size(), 2);
        QCOMPARE(array.at(0).first, QStringLiteral("1"));
        QVERIFY(contacts::flattenedChildren(QStringLiteral("42")).isEmpty());
    }

    // Records of the wrong shape are read as far as they can be, without regard to the members' case.
    void recordsOfOddShapes()
    {
        const auto phone = contacts::phoneRecord(QStringLiteral("600"), json(R"({"username": 5, "ENABLED": "true", "Button": 2})"));
        QVERIFY(phone);
        QCOMPARE(phone->name, QStringLiteral("5"));
        QVERIFY(phone->enabled);
        QCOMPARE(phone->button, QStringLiteral("2"));
        QVERIFY(!contacts::phoneRecord(QStringLiteral("600"), QJsonValue(true)));

        const QJsonValue record = json(R"({"Email": "ana@x.es", "nickname": ["x"],
            "Modulos": {"OTHER": {"enabled": true, "b4Enabled": true}, "3A0F": {"enabled": 1, "b1Enabled": true, "B3ENABLED": true}}})");
        const auto user = contacts::userRecord(QStringLiteral("u1"), record, QStringLiteral("3a0f"));
        QVERIFY(user);
        QCOMPARE(user->email, QStringLiteral("ana@x.es"));
        QCOMPARE(user->nickname, QString());
        QVERIFY(user->enabled);
        QCOMPARE(user->buttons, QStringLiteral("1,3"));
        QVERIFY(!contacts::userRecord(QStringLiteral("u1"), json("{}"), QStringLiteral("3A0F")));
        QVERIFY(!contacts::userRecord(QStringLiteral("u1"), QJsonValue(QStringLiteral("text")), QStringLiteral("3A0F")));
    }

    // A user is found by the whole e-mail: a longer address that starts alike is someone else.
    void userFoundByWholeEmail()
    {
        const QJsonValue users = json(R"({"u1": {"email": "ana@x.es.example"}, "u2": 7, "u3": {"email": "ANA@x.es"}})");
        QCOMPARE(contacts::userWithEmail(users, QStringLiteral("ana@x.es")), std::optional<QString>(QStringLiteral("u3")));
        QCOMPARE(contacts::userWithEmail(users, QStringLiteral("nadie@x.es")), std::nullopt);
        QCOMPARE(contacts::userWithEmail(users, QString()), std::nullopt);
    }

    void storableKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("storable");
        QTest::newRow("phone") << "+34600111222" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "  " << false;
        QTest::newRow("slash") << "600/1" << false;
        QTest::newRow("hash") << "600#" << false;
        QTest::newRow("control") << "600\n" << false;
    }

    void storableKeys()
    {
        QFETCH(QString, key);
        QFETCH(bool, storable);
        QCOMPARE(contacts::isStorableKey(key), storable);
    }
};

QTEST_GUILESS_MAIN(TestContactTable)
#include "test_contact_table.moc"
