#pragma once

#include <QByteArray>
#include <QString>

namespace quelta::ansi {

// Device bytes and the text files the program writes are Windows-1252. A character the code page
// lacks becomes "?", as the Windows conversion does.
QByteArray encode(QStringView text);
QString decode(QByteArrayView bytes);

} // namespace quelta::ansi
