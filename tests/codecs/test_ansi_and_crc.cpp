#include "core/codecs/AnsiCodec.h"
#include "core/codecs/Crc32.h"

#include <QTest>

using namespace quelta;

class TestAnsiAndCrc : public QObject
{
    Q_OBJECT

private slots:
    void encodesWindows1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "qz+0102=Oficina 3" << QByteArray("qz+0102=Oficina 3");
        QTest::newRow("accents and euro") << QStringLiteral("Almacén €") << QByteArray("Almac\xe9n \x80");
        QTest::newRow("outside the code page") << QStringLiteral("Łx中") << QByteArray("?x?");
        QTest::newRow("outside the BMP") << QStringLiteral("a\U0001F525b") << QByteArray("a?b");
        QTest::newRow("a real SUB stays") << QStringLiteral("a\x1A") << QByteArray("a\x1A");
    }
    void encodesWindows1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(ansi::encode(text), bytes);
    }

    void decodesEveryByte()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = ansi::decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x20AC));
        QCOMPARE(text.at(0xE9), QChar(0xE9));
        QCOMPARE(ansi::encode(text), all);
    }

    void crc32_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("crc");
        QTest::newRow("empty") << "" << 0u;
        QTest::newRow("check value") << "123456789" << 0xCBF43926u;
        QTest::newRow("abc") << "abc" << 0x352441C2u;
        QTest::newRow("ANSI bytes, not UTF-8") << QStringLiteral("é") << 0x0BD4B551u;
    }
    void crc32()
    {
        QFETCH(QString, text);
        QFETCH(quint32, crc);
        QCOMPARE(CalcCRC32(text), crc);
    }
};

QTEST_GUILESS_MAIN(TestAnsiAndCrc)
#include "test_ansi_and_crc.moc"
