// What an update server sends, any bytes: the stream cut into chunks by the first byte, rebuilt
// into frames, and each frame read as the update session reads it (a listing answer, a "qz+act="
// acceptance, a block's number).

#include "FuzzSupport.h"

#include "core/codecs/CheckedText.h"
#include "core/codecs/XxteaFrameReader.h"
#include "core/update/UpdateMessages.h"

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    if (bytes.isEmpty())
        return 0;
    const qsizetype chunk = 1 + static_cast<unsigned char>(bytes.at(0));
    XxteaFrameReader reader(QByteArrayLiteral("Qu3lt@Upd8"), 4096);
    QList<QByteArray> frames;
    for (qsizetype at = 1; at < bytes.size(); at += chunk)
        frames += reader.feed(bytes.mid(at, chunk)).frames;
    // The plain texts too, as a frame that decrypted to them would hand them over.
    frames.append(bytes.mid(1));
    for (const QByteArray &frame : std::as_const(frames)) {
        const QString text = checked::fromBytes(frame);
        checked::verify(frame);
        update::parseListingAnswer(text, QStringLiteral("3A0F2C1B84D95E07"));
        if (const std::optional<update::Acceptance> acceptance = update::findAcceptance(text); acceptance && acceptance->accepted)
            update::totalPacks(acceptance->fileSize, acceptance->blockSize);
        update::codeAfterU(text);
    }
    return 0;
}
