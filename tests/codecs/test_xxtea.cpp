#include "core/codecs/Xxtea.h"

#include <QTest>

#include <vector>

using namespace quelta;

using Words = std::vector<quint32>;
Q_DECLARE_METATYPE(Words)
Q_DECLARE_METATYPE(xxtea::Key)

namespace {

const QByteArray Key10 = QByteArrayLiteral("Qu3lt@Upd8");

QByteArray sampleBytes(int size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 37 + 11) & 0xFF);
    return bytes;
}

// The count word a decryption finds in the last position of an encrypted block.
QByteArray encryptWithCount(const QByteArray &data, quint32 count, const QByteArray &key)
{
    Words words(static_cast<std::size_t>((data.size() + 3) / 4), 0);
    for (int i = 0; i < data.size(); ++i)
        words[static_cast<std::size_t>(i / 4)] |= quint32(quint8(data[i])) << (8 * (i % 4));
    words.push_back(count);
    xxtea::encryptWords(words, xxtea::packKey(key));
    QByteArray bytes;
    for (quint32 word : words) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(static_cast<char>(word >> shift));
    }
    return bytes;
}

} // namespace

class TestXxtea : public QObject
{
    Q_OBJECT

private slots:
    // Published vectors of the standard cipher (btea), from TeaCrypt by Logan J. Drews, keys and
    // blocks given as 32-bit words.
    void publishedWordVectors_data()
    {
        QTest::addColumn<xxtea::Key>("key");
        QTest::addColumn<Words>("plain");
        QTest::addColumn<Words>("cipher");
        const xxtea::Key zero{0, 0, 0, 0};
        const xxtea::Key counting{0x00112233, 0x44556677, 0x8899AABB, 0xCCDDEEFF};
        QTest::newRow("64 bit, zeros") << zero << Words{0, 0} << Words{0x053704AB, 0x575D8C80};
        QTest::newRow("64 bit, zero key") << zero << Words{0x01020304, 0x05060708} << Words{0xE6911910, 0x0C35DCDA};
        QTest::newRow("64 bit") << counting << Words{0x01020304, 0x05060708} << Words{0x961D49FC, 0x61FF12D6};
        QTest::newRow("64 bit, other block") << counting << Words{0x01234567, 0x89ABCDEF} << Words{0x34354989, 0xDD7D1A7A};
        QTest::newRow("96 bit, zeros") << zero << Words{0, 0, 0} << Words{0x5E3CD3F0, 0xE109E3CE, 0x79D7C945};
        QTest::newRow("96 bit") << counting << Words{0x00010203, 0x04050607, 0x08090A0B}
                                << Words{0x2E77CCEC, 0x674F5149, 0xA0E56496};
        QTest::newRow("128 bit, zero key") << zero << Words{0x00010203, 0x04050607, 0x08090A0B, 0x0C0D0E0F}
                                           << Words{0xAF5CFB0E, 0xAE73552B, 0x1D968A9F, 0x5CB94509};
        QTest::newRow("128 bit") << counting << Words{0x01234567, 0x89ABCDEF, 0x01234567, 0x89ABCDEF}
                                 << Words{0x2B4AB1A4, 0x0E487B6D, 0x9A3AACC7, 0xE4132216};
    }
    void publishedWordVectors()
    {
        QFETCH(xxtea::Key, key);
        QFETCH(Words, plain);
        QFETCH(Words, cipher);
        Words words = plain;
        xxtea::encryptWords(words, key);
        QCOMPARE(words, cipher);
        xxtea::decryptWords(words, key);
        QCOMPARE(words, plain);
    }

    // The byte framing (count word appended, a short key zero-padded) as Ma Bingyao's XXTEA
    // libraries use it: the vector of their PHP extension's test (xxtea-pecl, tests/xxtea.phpt).
    void publishedByteVector()
    {
        const QByteArray plain = QStringLiteral("Hello World! 你好，中国🇨🇳！").toUtf8();
        const QByteArray key = QByteArrayLiteral("1234567890");
        const QByteArray cipher = QByteArray::fromBase64("D4t0rVXUDl3bnWdERhqJmFIanfn/6zAxAY9jD6n9MSMQNoD8TOS4rHHcGuE=");
        QCOMPARE(xxtea::encrypt(plain, key), cipher);
        QCOMPARE(xxtea::decrypt(cipher, key), plain);
    }

    void roundTrips_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {1, 2, 3, 4, 5, 7, 8, 1029})
            QTest::addRow("%d bytes", size) << size;
    }
    void roundTrips()
    {
        QFETCH(int, size);
        const QByteArray plain = sampleBytes(size);
        const QByteArray cipher = xxtea::encrypt(plain, Key10);
        // Whole words plus the count word.
        QCOMPARE(cipher.size(), (size + 3) / 4 * 4 + 4);
        QVERIFY(!cipher.contains(plain.left(4)));
        QCOMPARE(xxtea::decrypt(cipher, Key10), plain);
        QVERIFY(xxtea::decrypt(cipher, QByteArrayLiteral("Qu3lt@Upd9")) != plain);
    }

    // Nothing to decrypt in less than two words: such input comes back as it is.
    void shortInputsPassUnchanged_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one byte") << QByteArray("x");
        QTest::newRow("one word") << QByteArray("abcd");
    }
    void shortInputsPassUnchanged()
    {
        QFETCH(QByteArray, input);
        QCOMPARE(xxtea::decrypt(input, Key10), input);
    }

    void emptyDataEncryptsToNothing()
    {
        QCOMPARE(xxtea::encrypt(QByteArray(), Key10), QByteArray());
    }

    void keyUsesSixteenBytesZeroPadded()
    {
        const QByteArray plain("qz+nver:#0Tots");
        QCOMPARE(xxtea::encrypt(plain, "0123456789ABCDEF-ignored"), xxtea::encrypt(plain, "0123456789ABCDEF"));
        QCOMPARE(xxtea::encrypt(plain, "short"), xxtea::encrypt(plain, QByteArray("short\0\0\0", 8)));
        QCOMPARE(xxtea::packKey("abcdefg"), (xxtea::Key{0x64636261, 0x00676665, 0, 0}));
    }

    // The count word must say the data end inside the last data word: n words carry 4n - 7 to
    // 4n - 4 bytes.
    void countOutOfRangeIsRejected_data()
    {
        QTest::addColumn<int>("dataBytes");
        QTest::addColumn<quint32>("count");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("2 data words, 5 bytes (lowest)") << 8 << 5u << true;
        QTest::newRow("2 data words, 8 bytes (highest)") << 8 << 8u << true;
        QTest::newRow("2 data words, 4 bytes") << 8 << 4u << false;
        QTest::newRow("2 data words, 9 bytes") << 8 << 9u << false;
        QTest::newRow("1 data word, 0 bytes") << 4 << 0u << false;
        QTest::newRow("huge count") << 8 << 0xFFFFFFFFu << false;
    }
    void countOutOfRangeIsRejected()
    {
        QFETCH(int, dataBytes);
        QFETCH(quint32, count);
        QFETCH(bool, accepted);
        const QByteArray data = sampleBytes(dataBytes);
        const QByteArray plain = xxtea::decrypt(encryptWithCount(data, count, Key10), Key10);
        QCOMPARE(plain, accepted ? data.left(int(count)) : QByteArray());
    }

    // A block cut short inside its last word decrypts as if the missing bytes were zeros.
    void trailingPartialWordIsZeroPadded()
    {
        QByteArray data = sampleBytes(8);
        QByteArray cipher;
        for (int i = 0; i < 100000 && !cipher.endsWith('\0'); ++i) {
            data[0] = static_cast<char>(i);
            data[1] = static_cast<char>(i >> 8);
            cipher = xxtea::encrypt(data, Key10);
        }
        QVERIFY(cipher.endsWith('\0'));
        QCOMPARE(xxtea::decrypt(cipher.chopped(1), Key10), data);
    }
};

QTEST_GUILESS_MAIN(TestXxtea)
#include "test_xxtea.moc"
