#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The program's text files: Windows-1252, lines ended by CR LF.
namespace quelta::textfile {

// The file's lines (CR LF, LF or CR ended); nothing when it cannot be read.
std::optional<QStringList> readLines(const QString &path);
// Writes the lines aside and puts the file in place at the end, so a failed write leaves no half
// file behind. The error text, empty on success.
QString writeLines(const QString &path, const QStringList &lines);

} // namespace quelta::textfile
