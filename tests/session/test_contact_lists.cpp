// The contact lists: the operator and phone list files, and the phone and app-user lists of a device
// in the cloud, against quelta-cloudsim.

#include "CloudSim.h"
#include "ShellHarness.h"

#include "core/model/GridModel.h"
#include "core/session/ContactLists.h"

#include <QFile>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using namespace quelta;

namespace {

const QString kDevice = QStringLiteral("DEV1");

const QByteArray kSeed = R"({"database": {}, "accounts": [{"email": "inst@quelta.test", "password": "secret", "localId": "inst"}]})";

const QByteArray kDeviceRecord = R"({
  "MobileNumbers": {
    "600111222": {"UserName": "Portería", "Enabled": true, "Button": "1"},
    "600333444": {"UserName": "Bar", "Enabled": false, "Button": "2"},
    "611000000": "not a phone"
  },
  "Users": {"uidA": true, "uidB": false, "uidGone": true}
})";

const QByteArray kUsers = R"({
  "uidA": {"email": "ana@quelta.test", "nickname": "Ana", "role": "usuario",
           "Modulos": {"DEV1": {"b1Enabled": true, "b3Enabled": true, "numButtonsEnabled": 2, "enabled": true}}},
  "uidB": {"email": "bea@quelta.test", "nickname": "Bea", "Modulos": {"OTHER": {"enabled": true}}},
  "uidC": {"email": "carla@quelta.test", "nickname": "Carla"},
  "uidD": {"email": "carla@quelta.test.example", "nickname": "Not Carla"}
})";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList rowOf(const ContactTable &table, int row)
{
    QStringList cells;
    for (int column = 0; column < table.columns(); ++column)
        cells << table.text(row, column);
    return cells;
}

} // namespace

class TestContactLists : public QObject
{
    Q_OBJECT

    test::CloudSim sim_;
    std::unique_ptr<test::ShellHarness> harness_;
    ContactLists *lists_ = nullptr;

    test::ScriptedPrompter &prompter() { return harness_->prompter; }
    QStringList messages() const
    {
        QStringList found;
        for (const DialogRequest &request : harness_->prompter.asked)
            found << request.message;
        return found;
    }

    // The shell signed in to the cloud at `url`, the device DEV1 connected.
    void createShell(const QString &url)
    {
        harness_ = std::make_unique<test::ShellHarness>();
        harness_->internet.online = true;
        harness_->endpoints = test::localCloud(url);
        Shell &shell = harness_->create();
        CloudState &state = shell.context().cloud().state();
        state.EmpresaEmail = QStringLiteral("inst@quelta.test");
        state.EmpresaPassword = QStringLiteral("secret");
        shell.device().link().identConnectar = kDevice;
        lists_ = &shell.contactLists();
    }

private slots:
    void initTestCase() { QVERIFY(sim_.start(kSeed)); }

    void init()
    {
        QVERIFY(sim_.write(QStringLiteral("Equipments/") + kDevice, kDeviceRecord));
        QVERIFY(sim_.write(QStringLiteral("Users"), kUsers));
        createShell(sim_.url());
    }

    void cleanup() { harness_.reset(); }

    // The device's phones fill the list in the cloud's order as their own shadow; a child that is
    // no phone record is passed over with a beep.
    void phonesAreRead()
    {
        QSignalSpy beeps(lists_, &ContactLists::beep);
        lists_->BBLlegirTelClick();
        const ContactTable &phones = lists_->phones();
        QCOMPARE(rowOf(phones, 1), (QStringList{"", "600111222", "Portería", "1", "1"}));
        QCOMPARE(rowOf(phones, 2), (QStringList{"", "600333444", "Bar", "0", "2"}));
        QCOMPARE(phones.listEnd(), 3);
        QVERIFY(!phones.rowChanged(1, 0, 4));
        QCOMPARE(beeps.count(), 1);
        QCOMPARE(messages(), QStringList());
    }

    // A changed number is a new entry (the old one stays until deleted); rows after the end of the
    // list are not saved; unchanged rows are not written.
    void savingPhones()
    {
        lists_->BBLlegirTelClick();
        ContactTable &phones = lists_->phones();
        phones.setText(1, 1, QStringLiteral("600999999"));
        phones.setText(1, 2, QStringLiteral("Conserje"));
        phones.click(1, ContactTable::kEnabledColumn);
        lists_->chooseButton(1, QStringLiteral("3"));
        phones.storeRow(4, {"", "655000000", "Tras el hueco", "1", "1"});
        phones.setText(4, 2, QStringLiteral("Cambiado"));
        lists_->BBGuardarTelClick();

        const QJsonObject stored = sim_.read(QStringLiteral("Equipments/DEV1/MobileNumbers")).toObject();
        QCOMPARE(stored.value(u"600999999").toObject(),
                 (QJsonObject{{"UserName", "Conserje"}, {"Enabled", false}, {"Button", "3"}}));
        QCOMPARE(stored.value(u"600111222").toObject().value(u"UserName").toString(), QStringLiteral("Portería"));
        QVERIFY(!stored.contains(u"655000000"));
        // Reloaded from the cloud.
        QCOMPARE(phones.text(3, 1), QStringLiteral("600999999"));
        QCOMPARE(phones.listEnd(), 4);
        QVERIFY(!phones.saveShown());
    }

    // Marked phones are deleted; a mark beyond the end of the list is not.
    void deletingPhones()
    {
        lists_->BBLlegirTelClick();
        ContactTable &phones = lists_->phones();
        phones.click(2, ContactTable::kMarkColumn);
        QVERIFY(phones.deleteShown());
        lists_->BBEliminarTelClick();
        const QJsonObject stored = sim_.read(QStringLiteral("Equipments/DEV1/MobileNumbers")).toObject();
        QVERIFY(!stored.contains(u"600333444"));
        QVERIFY(stored.contains(u"600111222"));
        QCOMPARE(phones.listEnd(), 2);
        QVERIFY(!phones.deleteShown());
    }

    // A user without a record gets no row; a user's entry is the one of this device.
    void usersAreRead()
    {
        lists_->BBLlegirUsuarisClick();
        const ContactTable &users = lists_->users();
        QCOMPARE(rowOf(users, 1), (QStringList{"", "ana@quelta.test", "Ana", "1", "1,3", "uidA"}));
        QCOMPARE(rowOf(users, 2), (QStringList{"", "bea@quelta.test", "Bea", "0", "", "uidB"}));
        QCOMPARE(users.listEnd(), 3);
        QCOMPARE(messages(), QStringList());
    }

    // A typed user is found by e-mail and written in both records; an unknown e-mail is reported
    // and nothing is written for it; a changed alias alone is not written.
    void savingUsers()
    {
        lists_->BBLlegirUsuarisClick();
        ContactTable &users = lists_->users();
        users.setText(2, ContactTable::kButtonColumn, QStringLiteral("24"));
        users.setText(3, 1, QStringLiteral("nadie@quelta.test"));
        users.setText(3, ContactTable::kEnabledColumn, QStringLiteral("1"));
        users.setText(4, 1, QStringLiteral("carla@quelta.test"));
        users.setText(4, ContactTable::kEnabledColumn, QStringLiteral("1"));
        users.setText(4, ContactTable::kButtonColumn, QStringLiteral("12"));
        lists_->BbGuardarUsuarisClick();

        QCOMPARE(messages(), QStringList{"Este email no existe"});
        QCOMPARE(sim_.read(QStringLiteral("Users/uidC/Modulos/DEV1")).toObject(),
                 (QJsonObject{{"b1Enabled", true}, {"b2Enabled", true}, {"b3Enabled", false}, {"b4Enabled", false},
                              {"numButtonsEnabled", 2}, {"enabled", true}}));
        QCOMPARE(sim_.read(QStringLiteral("Equipments/DEV1/Users/uidC")), QJsonValue(true));
        QVERIFY(sim_.read(QStringLiteral("Users/uidD/Modulos")).isNull());
        QCOMPARE(sim_.read(QStringLiteral("Users/uidB/Modulos/DEV1/numButtonsEnabled")), QJsonValue(2));
        QCOMPARE(sim_.read(QStringLiteral("Equipments/DEV1/Users/uidB")), QJsonValue(false));
        // Reloaded: Carla is listed now.
        QCOMPARE(users.text(3, 1), QStringLiteral("carla@quelta.test"));
    }

    // Deleting a user removes the device's member and the user's entry for it, nothing else.
    void deletingUsers()
    {
        lists_->BBLlegirUsuarisClick();
        lists_->users().click(1, ContactTable::kMarkColumn);
        lists_->BBEliminarUsuarisClick();
        QVERIFY(sim_.read(QStringLiteral("Equipments/DEV1/Users/uidA")).isNull());
        QVERIFY(sim_.read(QStringLiteral("Users/uidA/Modulos/DEV1")).isNull());
        QCOMPARE(sim_.read(QStringLiteral("Users/uidA/email")), QJsonValue(QStringLiteral("ana@quelta.test")));
        QCOMPARE(lists_->users().text(1, 1), QStringLiteral("bea@quelta.test"));
    }

    // A cloud that cannot be reached says so for the list read, with a dialog that closes itself.
    void unreachableCloud_data()
    {
        QTest::addColumn<bool>("phones");
        QTest::newRow("phones") << true;
        QTest::newRow("users") << false;
    }

    void unreachableCloud()
    {
        QFETCH(bool, phones);
        createShell(QStringLiteral("http://127.0.0.1:9/"));
        phones ? lists_->BBLlegirTelClick() : lists_->BBLlegirUsuarisClick();
        // (The sign-in that could not reach the cloud may have spoken first.)
        QVERIFY(!prompter().asked.isEmpty());
        QCOMPARE(prompter().asked.last().message,
                 phones ? QStringLiteral("Sin conexión a internet no se puede leer el listado de teléfonos")
                        : QStringLiteral("Sin conexión a internet no se puede leer el listado de usuarios"));
        QCOMPARE(prompter().asked.last().autoCloseSeconds, 8);
    }

    // An operator file is taken whole: rows 1 to 3 from it, the rest as they were, the device's
    // values still the shadow, so the imported rows are written next.
    void operatorFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("taken");
        QTest::newRow("header and three lines")
            << QByteArray("Operadora,APN,Usuario,Password\r\nMovistar,movistar.es,MOVISTAR,MOVISTAR\r\n,,,\r\nYoigo,internet,,\r\n") << true;
        QTest::newRow("third line with five fields")
            << QByteArray("Operadora,APN,Usuario,Password\r\nMovistar,movistar.es,,\r\nOrange,orange.es,,,extra\r\n") << false;
    }

    void operatorFiles()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, taken);
        GridModel &grid = *harness_->shell->programming().model().grid(u"SGOperadores");
        for (int row = 1; row <= 16; ++row)
            grid.storeRow(row, {QStringLiteral("Op%1").arg(row), QStringLiteral("apn%1").arg(row), QString(), QString()});
        const QString path = harness_->dir.filePath(QStringLiteral("operadoras.txt"));
        writeFile(path, file);

        QCOMPARE(lists_->importOperators(path), taken);
        if (!taken) {
            QCOMPARE(messages(), QStringList{path + QStringLiteral("\r\n\r\nEste fichero no es correcto")});
            QCOMPARE(prompter().asked.first().caption, QStringLiteral("Fichero error"));
            for (int row = 1; row <= 16; ++row)
                QVERIFY(!grid.isModified(row, 0) && !grid.isModified(row, 1));
            return;
        }
        QCOMPARE(grid.text(0, 0), QStringLiteral("   Operadora: "));
        QCOMPARE(grid.text(1, 1), QStringLiteral("movistar.es"));
        QCOMPARE(grid.text(2, 0), QString());
        QCOMPARE(grid.text(3, 0), QStringLiteral("Yoigo"));
        QCOMPARE(grid.text(4, 0), QStringLiteral("Op4"));
        QCOMPARE(grid.text(16, 1), QStringLiteral("apn16"));
        QCOMPARE(grid.shadow(1, 0), QStringLiteral("Op1"));
    }

    // The phone list goes out up to its end, header first, and comes back the same; an existing
    // file is overwritten only when the installer agrees.
    void phoneFileRoundTrip()
    {
        ContactTable &phones = lists_->phones();
        phones.storeRow(1, {"", "600111222", "Portería", "1", "1"});
        phones.storeRow(2, {"1", "+34600333444", "Bar Ñ", "0", "2"});
        phones.storeRow(4, {"", "699", "After the end", "1", "1"});
        const QString path = harness_->dir.filePath(QStringLiteral("telefonos.txt"));
        QVERIFY(lists_->exportPhones(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Borrar,Tel\xe9" "fonos,Referencia ,Habilita,Bot\xf3n\r\n,600111222,Porter\xed" "a,1,1\r\n"
                                            "1,+34600333444,Bar \xd1,0,2\r\n"));
        file.close();

        lists_->Esborra_Portes(ContactLists::Phones);
        QVERIFY(lists_->importPhones(path));
        QCOMPARE(rowOf(phones, 2), (QStringList{"1", "+34600333444", "Bar Ñ", "0", "2"}));
        QVERIFY(phones.rowChanged(2, 1, 4)); // pending: "Guardar" sends it

        prompter().answers = {DialogResult::No};
        phones.setText(1, 2, QStringLiteral("Otro"));
        QVERIFY(!lists_->exportPhones(path));
        QCOMPARE(prompter().asked.last().message, QStringLiteral("Este fichero ya existe, ¿desea sobreescribirlo?"));
    }

    // A file that cannot be written, or a cell that the file cannot hold, is reported with a dialog
    // that closes itself, and no file is left.
    void exportErrorIsReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("operatorName");
        QTest::newRow("missing folder") << "missing/operadoras.txt" << "Movistar";
        QTest::newRow("comma in a cell") << "operadoras.txt" << "Movistar, S.A.";
    }

    void exportErrorIsReported()
    {
        QFETCH(QString, file);
        QFETCH(QString, operatorName);
        harness_->shell->programming().model().grid(u"SGOperadores")->setText(3, 0, operatorName);
        const QString path = harness_->dir.filePath(file);
        QVERIFY(!lists_->exportOperators(path));
        QCOMPARE(prompter().asked.size(), 1);
        QCOMPARE(prompter().asked.first().caption, QStringLiteral("ERROR"));
        QCOMPARE(prompter().asked.first().autoCloseSeconds, 8);
        QVERIFY(prompter().asked.first().message.startsWith(QStringLiteral("Exportar el listado de operadorasoperadoras.txt\r")));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestContactLists)
#include "test_contact_lists.moc"
