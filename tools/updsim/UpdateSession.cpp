#include "UpdateSession.h"

#include "core/codecs/CheckedText.h"

#include <cctype>
#include <utility>

namespace quelta::updsim {
namespace {

const QByteArray ListPrefix = QByteArrayLiteral("qz+nver:");
const QByteArray StartPrefix = QByteArrayLiteral("qz+act:");
const QByteArray DevicePrefix = QByteArrayLiteral("+U");
constexpr int FirstStatusCode = 0xFF0; // 000 to FEF request blocks; FFx report a status
constexpr int Finished = 0xFFF;
constexpr int FinishedBadCrc = 0xFFE;

QByteArray bytes(const QString &text)
{
    return checked::toBytes(text);
}

// A checked text whose CRC is certainly wrong: its last digit changed.
QByteArray withWrongCrc(const QByteArray &text)
{
    QByteArray frame = checked::make(text);
    frame.back() = frame.back() == '0' ? '1' : '0';
    return frame;
}

bool isHexDigits(const QByteArray &text)
{
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return !text.isEmpty();
}

QByteArray hex3(int number)
{
    return QByteArray::number(number, 16).toUpper().rightJustified(3, '0');
}

// The device identifier of "qz+nver:#0Tots#1<ident>#2...".
QByteArray listingIdentifier(const QByteArray &request)
{
    const qsizetype from = request.indexOf("#1");
    const qsizetype to = request.indexOf("#2", from);
    return from < 0 || to < 0 ? QByteArray() : request.mid(from + 2, to - from - 2);
}

} // namespace

UpdateSession::UpdateSession(const Catalog &catalog, const Faults &faults, Log log)
    : catalog_(catalog)
    , faults_(faults)
    , log_(std::move(log))
{
}

UpdateSession::Reply UpdateSession::handle(const QByteArray &frame)
{
    return frame.startsWith(DevicePrefix) ? handleDeviceLine(frame) : handleRequest(frame);
}

UpdateSession::Reply UpdateSession::handleRequest(const QByteArray &frame)
{
    if (checked::verify(frame) != checked::Check::Matches) {
        log_(QStringLiteral("ignored a request without a valid CRC: %1").arg(checked::fromBytes(frame)));
        return {};
    }
    const QByteArray text = checked::split(frame).text;
    if (text.startsWith(ListPrefix))
        return listing(text);
    if (text.startsWith(StartPrefix))
        return start(text);
    log_(QStringLiteral("ignored an unknown request: %1").arg(checked::fromBytes(text)));
    return {};
}

UpdateSession::Reply UpdateSession::listing(const QByteArray &request)
{
    const QByteArray ident = listingIdentifier(request);
    log_(QStringLiteral("listing requested for device %1").arg(checked::fromBytes(ident)));
    QByteArray text = "qz+nver " + ident + '=';
    if (faults_.listError) {
        log_(QStringLiteral("fault list-error: answering \"%1\"").arg(*faults_.listError));
        text += bytes(*faults_.listError);
    } else {
        for (const Firmware &firmware : catalog_.versions())
            text += bytes(firmware.version) + ',' + bytes(firmware.description) + ','
                + QByteArray::number(firmware.image.size()) + '|';
    }
    if (faults_.badCrcList) {
        log_(QStringLiteral("fault bad-crc-list: the listing's CRC is wrong"));
        return {{withWrongCrc(text)}};
    }
    return {{checked::make(text)}};
}

// "qz+act:<ident>,<user>,<version>(<description>),<block size>"
UpdateSession::Reply UpdateSession::start(const QByteArray &request)
{
    const QList<QByteArray> fields = request.mid(StartPrefix.size()).split(',');
    const QByteArray version = fields.value(2).split('(').first();
    const int blockSize = fields.value(3).toInt();
    const Firmware *firmware = catalog_.find(checked::fromBytes(version));
    QByteArray answer;
    if (fields.size() != 4 || blockSize <= 0) {
        log_(QStringLiteral("malformed update request: %1").arg(checked::fromBytes(request)));
        answer = bytes(QStringLiteral("Petición de actualización incorrecta"));
    } else if (!firmware) {
        log_(QStringLiteral("update to unknown version %1 refused").arg(checked::fromBytes(version)));
        answer = bytes(QStringLiteral("Versión %1 no disponible").arg(checked::fromBytes(version)));
    } else if ((firmware->image.size() - 1) / blockSize >= FirstStatusCode) {
        log_(QStringLiteral("version %1 needs too many blocks of %2 bytes").arg(firmware->version).arg(blockSize));
        answer = bytes(QStringLiteral("Bloques demasiado pequeños para la versión %1").arg(firmware->version));
    } else {
        firmware_ = firmware;
        blockSize_ = blockSize;
        blocksSent_ = 0;
        log_(QStringLiteral("update to version %1 started: %2 bytes in blocks of %3")
                 .arg(firmware->version).arg(firmware->image.size()).arg(blockSize));
        answer = acceptance(*firmware);
    }
    Reply reply{badNotices()};
    reply.frames.append(checked::make("qz+act=" + answer + '\r'));
    return reply;
}

// "<block size>,<file size>,<image CRC>,<version>", or as many fields as the act-fields fault says.
QByteArray UpdateSession::acceptance(const Firmware &firmware) const
{
    QList<QByteArray> fields = {QByteArray::number(blockSize_), QByteArray::number(firmware.image.size()),
                                checked::crcHex(firmware.image), bytes(firmware.version)};
    if (faults_.actFields) {
        log_(QStringLiteral("fault act-fields: the answer has %1 fields").arg(*faults_.actFields));
        fields.resize(*faults_.actFields, QByteArrayLiteral("0"));
    }
    return fields.join(',');
}

QList<QByteArray> UpdateSession::badNotices() const
{
    QList<QByteArray> notices;
    for (int i = 0; i < faults_.badNotices; ++i) {
        log_(QStringLiteral("fault bad-crc: a notice with a wrong CRC"));
        notices.append(withWrongCrc("qz+msg=Actualización autorizada"));
    }
    return notices;
}

// "+Unnn", with or without the device's "\r".
UpdateSession::Reply UpdateSession::handleDeviceLine(const QByteArray &line)
{
    const QByteArray code = line.mid(DevicePrefix.size()).chopped(line.endsWith('\r') ? 1 : 0);
    if (code.size() != 3 || !isHexDigits(code)) {
        log_(QStringLiteral("ignored a malformed device line: %1").arg(checked::fromBytes(line)));
        return {};
    }
    const int number = code.toInt(nullptr, 16);
    if (number < FirstStatusCode)
        return block(number);
    if (number == Finished || number == FinishedBadCrc) {
        log_(QStringLiteral("device reports +U%1: the update is over").arg(checked::fromBytes(code)));
        firmware_ = nullptr;
        return {{}, true};
    }
    log_(QStringLiteral("device reports +U%1").arg(checked::fromBytes(code)));
    return {};
}

// "+U" + the block number in 3 hexadecimal digits + the data + the data's CRC.
UpdateSession::Reply UpdateSession::block(int number)
{
    if (!firmware_) {
        log_(QStringLiteral("ignored a request for block %1 outside an update").arg(number));
        return {};
    }
    const qsizetype offset = qsizetype(number) * blockSize_;
    if (offset >= firmware_->image.size()) {
        log_(QStringLiteral("ignored a request for block %1, past the end of the image").arg(number));
        return {};
    }
    const QByteArray data = firmware_->image.mid(offset, blockSize_);
    ++blocksSent_;
    log_(QStringLiteral("block %1 sent (%2 bytes)").arg(number).arg(data.size()));
    Reply reply{{DevicePrefix + hex3(number) + data + checked::crcHex(data)}};
    if (faults_.closeAfterBlocks && blocksSent_ >= *faults_.closeAfterBlocks) {
        log_(QStringLiteral("fault close-after: closing after %1 blocks").arg(blocksSent_));
        reply.close = true;
    }
    return reply;
}

} // namespace quelta::updsim
