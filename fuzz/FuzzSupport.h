#pragma once

#include "core/base/Prompter.h"
#include "core/codecs/AnsiCodec.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace quelta::fuzz {

// Every dialog is answered with its first button at once.
class SilentPrompter : public Prompter
{
public:
    DialogResult ElMeuMessageDlg(const DialogRequest &request) override
    {
        return request.buttons.value(0, DialogResult::Ok);
    }
    bool ElMeuMessageDlgHyperlink(const QString &, const QString &) override { return false; }
};

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

// The input as the device's or a file's text: Windows-1252.
inline QString textOf(const uint8_t *data, size_t size)
{
    return ansi::decode(bytesOf(data, size));
}

} // namespace quelta::fuzz
