#include "core/codecs/StringCipher.h"

#include <QTest>

using namespace quelta;

namespace {
const QString kSettingsKey = QStringLiteral("58391746WXJ2857k");
}

class TestStringCipher : public QObject
{
    Q_OBJECT

private slots:
    // Reference values made with the openssl command line from the documented layout, so they
    // check the key derivation, the zero filling and the length prefix independently of our code.
    void encryptsToKnownValues_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("encrypted");
        QTest::newRow("empty") << QString() << "AAAAAA==";
        QTest::newRow("one block") << "abc" << "AwAAAPlsMAShrh3vrWTNwYpQk8U=";
        QTest::newRow("two blocks, accented") << QStringLiteral("Oficina 3 - Almacén ")
                                              << "FAAAAMdCX3CLf9KnyrNaFCoF3vgVHVsDWeEWrA7KHiKa9sXR";
    }
    void encryptsToKnownValues()
    {
        QFETCH(QString, plain);
        QFETCH(QString, encrypted);
        QCOMPARE(EncriptarCadenaAes(plain, kSettingsKey), encrypted);
        QCOMPARE(DesencriptarCadenaAes(encrypted, kSettingsKey), plain);
    }

    void lengthFollowsBlockCount_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("length");
        QTest::newRow("0") << 0 << 8;
        QTest::newRow("1") << 1 << 28;
        QTest::newRow("16") << 16 << 28;
        QTest::newRow("17") << 17 << 48;
        QTest::newRow("32") << 32 << 48;
        QTest::newRow("33") << 33 << 72;
    }
    void lengthFollowsBlockCount()
    {
        QFETCH(int, bytes);
        QFETCH(int, length);
        const QString plain(bytes, QLatin1Char('x'));
        const QString encrypted = EncriptarCadenaAes(plain, kSettingsKey);
        QCOMPARE(encrypted.size(), length);
        QCOMPARE(DesencriptarCadenaAes(encrypted, kSettingsKey), plain);
    }

    void emptyTextIgnoresTheKey()
    {
        QCOMPARE(EncriptarCadenaAes(QString(), QStringLiteral("k")), QStringLiteral("AAAAAA=="));
        QCOMPARE(DesencriptarCadenaAes(QStringLiteral("AAAAAA=="), QStringLiteral("other")), QString());
    }

    // Only the first 8 characters of the key text filled to 16 make the key.
    void keyUsesFirstEightFilledCharacters_data()
    {
        QTest::addColumn<QString>("keyA");
        QTest::addColumn<QString>("keyB");
        QTest::addColumn<bool>("same");
        QTest::newRow("tail differs") << "58391746WXJ2857k" << "58391746zzzzzzzz" << true;
        QTest::newRow("longer than 16") << "58391746WXJ2857k" << "58391746WXJ2857kEXTRA" << true;
        QTest::newRow("5 repeated") << "abcde" << "abcdeabcXXXX" << true;
        QTest::newRow("1 repeated") << "z" << "zzzzzzzz" << true;
        QTest::newRow("head differs") << "58391746WXJ2857k" << "68391746WXJ2857k" << false;
    }
    void keyUsesFirstEightFilledCharacters()
    {
        QFETCH(QString, keyA);
        QFETCH(QString, keyB);
        QFETCH(bool, same);
        const QString plain = QStringLiteral("COM3");
        QCOMPARE(EncriptarCadenaAes(plain, keyA) == EncriptarCadenaAes(plain, keyB), same);
    }

    void charactersOutsideTheCodePageComeBackReplaced()
    {
        const QString encrypted = EncriptarCadenaAes(QStringLiteral("Łódź €5"), kSettingsKey);
        QCOMPARE(DesencriptarCadenaAes(encrypted, kSettingsKey), QStringLiteral("?ód? €5"));
    }

    // Whatever cannot be decrypted is absent, never an error.
    void undecryptableTextGivesEmpty_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain port name") << "COM3";
        QTest::newRow("plain title") << QStringLiteral("KVP - Software de programación Ver. 2.2.01.30");
        QTest::newRow("4k+1 characters") << "AAAAA";
        QTest::newRow("length beyond data") << "/////w==";
        QTest::newRow("empty") << "";
    }
    void undecryptableTextGivesEmpty()
    {
        QFETCH(QString, stored);
        QCOMPARE(DesencriptarCadenaAes(stored, kSettingsKey), QString());
    }

    void decoderSkipsForeignCharacters()
    {
        QCOMPARE(DesencriptarCadenaAes(QStringLiteral(" AwAAA\r\nPlsMAShrh3vrWTNwYpQk8U"), kSettingsKey),
                 QStringLiteral("abc"));
    }

    void omplirText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fill");
        QTest::addColumn<bool>("atEnd");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("expected");
        QTest::newRow("append repeats") << "abcde" << "abcde" << true << 16 << "abcdeabcdeabcdea";
        QTest::newRow("prepend keeps tail") << "7" << "0" << false << 3 << "007";
        QTest::newRow("prepend cut") << "ab" << "xyz" << false << 4 << "yzab";
        QTest::newRow("exact length") << "0123456789abcdef" << "z" << true << 16 << "0123456789abcdef";
        QTest::newRow("too long, append") << "0123456789abcdefXY" << "z" << true << 16 << "0123456789abcdef";
        QTest::newRow("too long, prepend") << "XY0123456789abcdef" << "z" << false << 16 << "0123456789abcdef";
    }
    void omplirText()
    {
        QFETCH(QString, text);
        QFETCH(QString, fill);
        QFETCH(bool, atEnd);
        QFETCH(int, total);
        QFETCH(QString, expected);
        QCOMPARE(OmplirText(text, fill, atEnd, total), expected);
    }
};

QTEST_GUILESS_MAIN(TestStringCipher)
#include "test_string_cipher.moc"
