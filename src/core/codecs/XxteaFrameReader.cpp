#include "core/codecs/XxteaFrameReader.h"

#include "core/codecs/Xxtea.h"

#include <utility>

namespace quelta {

XxteaFrameReader::XxteaFrameReader(QByteArray key, qsizetype limit)
    : key_(std::move(key))
    , limit_(limit)
{
}

XxteaFrameReader::Output XxteaFrameReader::feed(const QByteArray &chunk)
{
    Output output;
    buffer_ += chunk;
    for (QByteArray frame = takeFrame(); !frame.isEmpty(); frame = takeFrame())
        output.frames.append(frame);
    if (buffer_.size() > limit_) {
        output.droppedBytes = buffer_.size();
        clear();
    }
    return output;
}

void XxteaFrameReader::clear()
{
    buffer_.clear();
    triedWords_ = 1;
}

// The next frame off the front of the buffer, or empty when none is complete yet.
QByteArray XxteaFrameReader::takeFrame()
{
    const qsizetype words = buffer_.size() / 4;
    const bool aligned = buffer_.size() % 4 == 0;
    qsizetype frameWords = 0;
    QByteArray plain;
    if (aligned && words > triedWords_) {
        plain = decryptPrefix(words);
        frameWords = words;
    }
    for (qsizetype n = triedWords_ + 1; plain.isEmpty() && n < words + (aligned ? 0 : 1); ++n) {
        plain = decryptPrefix(n);
        frameWords = n;
    }
    if (plain.isEmpty()) {
        triedWords_ = qMax(triedWords_, words);
        return {};
    }
    buffer_.remove(0, frameWords * 4);
    triedWords_ = 1;
    return plain;
}

QByteArray XxteaFrameReader::decryptPrefix(qsizetype words) const
{
    return xxtea::decrypt(buffer_.first(words * 4), key_);
}

} // namespace quelta
