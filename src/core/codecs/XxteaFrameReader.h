#pragma once

#include <QByteArray>
#include <QList>

namespace quelta {

// Rebuilds XXTEA frames (see Xxtea.h) from a TCP byte stream. Frames carry no length: the sender
// writes each one whole, but the network may split one over several reads or join several in one.
//
// The rule: every chunk is appended to a buffer. When the whole buffer decrypts validly (its byte
// count word is in range) it is one frame - the usual case, one chunk per frame, costs one
// decryption. Otherwise the shortest word-aligned prefix of at least two words that decrypts validly
// is a frame: it is taken off and the rest is examined the same way. When nothing decrypts, the
// buffer waits for more bytes. A prefix that failed once is never tried again, since more bytes do
// not change it. A buffer that grows beyond the limit cannot hold a frame worth waiting for: it is
// dropped and reported.
//
// Garbage is costly to search (quadratic in the buffer, about a second at 64 KiB); the limit bounds
// it.
class XxteaFrameReader
{
public:
    static constexpr qsizetype DefaultLimit = 64 * 1024;

    explicit XxteaFrameReader(QByteArray key, qsizetype limit = DefaultLimit);

    struct Output
    {
        QList<QByteArray> frames;   // decrypted, in stream order
        qsizetype droppedBytes = 0; // bytes thrown away because the buffer outgrew the limit
    };
    Output feed(const QByteArray &chunk);

    qsizetype bufferedBytes() const { return buffer_.size(); }
    void clear();

private:
    QByteArray takeFrame();
    QByteArray decryptPrefix(qsizetype words) const;

    QByteArray key_;
    qsizetype limit_;
    QByteArray buffer_;
    qsizetype triedWords_ = 1; // every prefix up to this many words is known not to decrypt
};

} // namespace quelta
