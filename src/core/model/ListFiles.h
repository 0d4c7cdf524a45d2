#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The installer's list files (GPRS operators, phones): one record per line, fields separated by ","
// without quoting, the first line a header. Written in the Windows ANSI code page with CR LF; read
// in the encoding a byte-order mark names, or else in the ANSI code page.
namespace quelta::listfiles {

inline constexpr int kOperatorFields = 4;
inline constexpr int kPhoneFields = 5;

// The file's lines; nothing when it cannot be read.
std::optional<QStringList> readLines(const QString &path);
// The records after the header line, each split into exactly `fields` fields (",,," is four empty
// ones). Nothing as soon as one line has another number of fields: the file is refused whole.
std::optional<QList<QStringList>> records(const QStringList &lines, int fields);
// One line per row, its cells joined by ",".
QStringList lines(const QList<QStringList> &rows);

} // namespace quelta::listfiles
