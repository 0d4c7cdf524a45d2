#pragma once

#include "DeviceModel.h"

#include <QByteArray>
#include <QList>

#include <optional>
#include <utility>

namespace quelta::devsim {

// The device's command interpreter: bytes in, reply lines out. A command is a line between CRs
// that starts with "qz+"; a reply line is Windows-1252 text ending with CR.
class Protocol
{
public:
    explicit Protocol(DeviceModel &model) : model_(model) {}

    QList<QByteArray> receive(QByteArrayView bytes);
    // Forgets a partly received line (the device restarted).
    void reset() { pending_.clear(); }
    // True once after an "rst" command.
    bool takeRestartRequest() { return std::exchange(restartRequested_, false); }
    // Once after a "qz+act=" command: the text after "=", unchecked.
    std::optional<QString> takeUpdateOffer() { return std::exchange(updateOffer_, std::nullopt); }

private:
    struct Reference
    {
        QString text;   // as received, echoed in the answer
        QString prefix; // the hexadecimal digits, upper case; all four for a single code
        bool wildcard;
    };

    static std::optional<Reference> parseReference(const QString &text);

    QStringList execute(const QString &body);
    bool runDeviceCommand(const QString &body);
    QString accessCode(const QString &code);
    QStringList parameterCommand(const Reference &reference, const std::optional<QString> &value);
    QStringList blockRead(const Reference &reference) const;
    QString write(const Reference &reference, const QString &value);
    bool known(const QString &code) const;

    DeviceModel &model_;
    QByteArray pending_;
    bool restartRequested_ = false;
    std::optional<QString> updateOffer_;
};

} // namespace quelta::devsim
