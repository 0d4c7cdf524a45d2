#include "core/codecs/CheckedText.h"

#include <QTest>

using namespace quelta;

Q_DECLARE_METATYPE(checked::Check)

class TestCheckedText : public QObject
{
    Q_OBJECT

private slots:
    void makesTextSeparatorAndCrc_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("checked");
        QTest::newRow("check value") << QByteArray("123456789") << QByteArray("123456789{=}CBF43926");
        QTest::newRow("leading zeros kept") << QByteArray() << QByteArray("{=}00000000");
        QTest::newRow("upper-case digits") << QByteArray("abc") << QByteArray("abc{=}352441C2");
    }
    void makesTextSeparatorAndCrc()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, checked);
        QCOMPARE(checked::make(text), checked);
    }

    void verifies_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<checked::Check>("check");
        QTest::addColumn<QByteArray>("text");
        const QByteArray good = checked::make("qz+nver 1234=2.1,Nueva,65536|");
        QTest::newRow("good") << good << checked::Check::Matches << QByteArray("qz+nver 1234=2.1,Nueva,65536|");
        QTest::newRow("one digit wrong") << QByteArray(good).replace(good.size() - 1, 1, "X") << checked::Check::Differs
                                         << QByteArray("qz+nver 1234=2.1,Nueva,65536|");
        QTest::newRow("text altered") << QByteArray(good).replace(8, 1, "5") << checked::Check::Differs
                                      << QByteArray("qz+nver 5234=2.1,Nueva,65536|");
        QTest::newRow("lower-case digits") << QByteArray("abc{=}352441c2") << checked::Check::Differs << QByteArray("abc");
        QTest::newRow("line end after the CRC") << QByteArray("abc{=}352441C2\r") << checked::Check::Differs
                                                << QByteArray("abc");
        QTest::newRow("no separator") << QByteArray("abc352441C2") << checked::Check::NoSeparator
                                      << QByteArray("abc352441C2");
        QTest::newRow("separator inside the text") << checked::make("a{=}b") << checked::Check::Matches
                                                   << QByteArray("a{=}b");
    }
    void verifies()
    {
        QFETCH(QByteArray, input);
        QFETCH(checked::Check, check);
        QFETCH(QByteArray, text);
        QCOMPARE(checked::verify(input), check);
        QCOMPARE(checked::split(input).text, text);
    }

    // One byte per character, the low 8 bits: not Windows-1252.
    void textsTravelAsLowBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("qz+act:1234") << QByteArray("qz+act:1234");
        QTest::newRow("Latin-1") << QStringLiteral("Almacén Ñ") << QByteArray("Almac\xe9n \xd1");
        QTest::newRow("euro sign") << QStringLiteral("€") << QByteArray("\xac");
        QTest::newRow("outside Latin-1") << QStringLiteral("Ł") << QByteArray("A");
    }
    void textsTravelAsLowBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(checked::toBytes(text), bytes);
    }

    void everyByteComesBackAsItsCharacter()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(static_cast<char>(b));
        const QString text = checked::fromBytes(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(text.at(0x80), QChar(0x80));
        QCOMPARE(checked::toBytes(text), all);
    }
};

QTEST_GUILESS_MAIN(TestCheckedText)
#include "test_checked_text.moc"
