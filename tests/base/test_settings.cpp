#include "core/base/Languages.h"
#include "core/base/Settings.h"
#include "core/base/SingleInstance.h"
#include "core/codecs/StringCipher.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

namespace {

std::unique_ptr<QSettings> storeIn(const QTemporaryDir &dir)
{
    return std::make_unique<QSettings>(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
}

// The window's creation loop: read until a port is known, saving after each miss.
void readLikeTheWindow(AppSettings &settings)
{
    while (!settings.LLegirConfigInicial(QStringLiteral("192.168.1.20")))
        settings.GuardarConfigInicial();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void firstRunWritesAllEightEncrypted()
    {
        QTemporaryDir dir;
        AppSettings settings(storeIn(dir));
        readLikeTheWindow(settings);

        QSettings stored(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
        const QStringList expected = {AppSettings::defaultTitle(), "COM1", "", "", "", "192.168.1.20", "2021", "SPANISH"};
        for (int i = 0; i < expected.size(); ++i) {
            const QString name = QStringLiteral("REG%1").arg(i + 1);
            QVERIFY2(stored.contains(name), qPrintable(name));
            QCOMPARE(DesencriptarCadenaAes(stored.value(name).toString(), AppSettings::kClau), expected.at(i));
        }
        QCOMPARE(settings.values().port, QStringLiteral("COM1"));
        QVERIFY(!settings.storedInPlainText());
    }

    void plainTextFromAnEarlierVersionIsReadAndWrittenBackEncrypted()
    {
        QTemporaryDir dir;
        {
            QSettings old(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
            old.setValue("REG1", QStringLiteral("KVP - Software de programación Ver. 2.1.00.07"));
            old.setValue("REG2", "/dev/ttyUSB0");
            old.setValue("REG3", "instalador@example.com");
            old.setValue("REG7", "2022");
            old.setValue("REG8", "FRANCAIS");
        }
        AppSettings settings(storeIn(dir));
        QVERIFY(settings.LLegirConfigInicial(QStringLiteral("10.0.0.1")));
        QVERIFY(settings.storedInPlainText());
        QCOMPARE(settings.values().titol, AppSettings::defaultTitle());
        QCOMPARE(settings.values().port, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(settings.values().email, QStringLiteral("instalador@example.com"));
        QCOMPARE(settings.values().ipTelecontrol, QStringLiteral("10.0.0.1"));
        QCOMPARE(settings.values().portTelecontrol, QStringLiteral("2022"));
        QCOMPARE(settings.values().idioma, QStringLiteral("FRANCAIS"));

        settings.GuardarConfigInicial();
        AppSettings reread(storeIn(dir));
        QVERIFY(reread.LLegirConfigInicial(QStringLiteral("10.0.0.1")));
        QVERIFY(!reread.storedInPlainText());
        QCOMPARE(reread.values().port, QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(reread.values().email, QStringLiteral("instalador@example.com"));
    }

    void startupLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("userLcid");
        QTest::addColumn<int>("expected"); // -1: stay with the built-in texts
        QTest::newRow("stored wins") << "ENGLISH" << 1036 << int(Language::English);
        QTest::newRow("empty, French locale") << "" << 1036 << int(Language::Francais);
        QTest::newRow("empty, Portuguese locale") << "" << 2070 << int(Language::Portugues);
        QTest::newRow("empty, German locale") << "" << 1031 << -1;
        QTest::newRow("unknown name") << "CATALA" << 3082 << -1;
    }
    void startupLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(int, userLcid);
        QFETCH(int, expected);
        const std::optional<Language> chosen = quelta::startupLanguage(stored, userLcid);
        QCOMPARE(chosen ? int(*chosen) : -1, expected);
    }

    // A second copy of the program, started while this one holds the lock, must refuse to run.
    void secondInstanceIsRefused()
    {
        QTemporaryDir dir;
        SingleInstance first(dir.path());
        QVERIFY(first.isFirst());
        QProcess second;
        second.start(QCoreApplication::applicationFilePath(), {"--hold-lock", dir.path()});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitCode(), 1);
    }

    void lockIsFreedWithItsOwner()
    {
        QTemporaryDir dir;
        { SingleInstance first(dir.path()); QVERIFY(first.isFirst()); }
        SingleInstance again(dir.path());
        QVERIFY(again.isFirst());
    }
};

// Run as "--hold-lock DIR", the test binary is the second copy: exit 0 when it got the lock.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--hold-lock")
        return SingleInstance(QString::fromLocal8Bit(argv[2])).isFirst() ? 0 : 1;
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_settings.moc"
