#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quelta::updsim {

struct Firmware
{
    QString version;
    QString description;
    QByteArray image;
};

// The firmware versions the server offers, in the order they were added. Versions and descriptions
// travel inside lists separated by "," and "|" and as "version(description)", so none of those
// characters may appear in them.
class Catalog
{
public:
    // Every <version>.bin in the folder, by name; the description is the first line of
    // <version>.txt when there is one.
    bool addDirectory(const QString &path, QString &error);
    // "VERSION=BYTES[:DESCRIPTION]": a made-up image of that size, the same on every run.
    bool addImage(const QString &definition, QString &error);
    bool add(Firmware firmware, QString &error);

    const Firmware *find(const QString &version) const;
    const QList<Firmware> &versions() const { return versions_; }

private:
    QList<Firmware> versions_;
};

// Pseudo-random bytes seeded by the version, so an image needs no file.
QByteArray syntheticImage(const QString &version, qsizetype size);

} // namespace quelta::updsim
