#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace quelta::update {

// The block size every update asks for.
constexpr int kMidapack = 1024;

// What the listing request tells the update server about the device and who asks.
struct DeviceForUpdate
{
    QString identifier;
    QString firmware;
    QString hardware;
    QString company;   // EProgEmpresa
    QString installer; // EProgInstal
    QString reference; // EProgRef
    QString userId;    // CodiReg, empty when nobody is signed in
};

// One version the server offers: a row of the version grid.
struct FirmwareVersion
{
    QString version;
    QString description;
    QString bytes;

    friend bool operator==(const FirmwareVersion &, const FirmwareVersion &) = default;
};

// "qz+nver:#0Tots#1..." as a checked text.
QByteArray listingRequest(const DeviceForUpdate &device);
// "qz+act:IDENT,USER,VERSION(DESCRIPTION),1024" as a checked text.
QByteArray startRequest(const QString &identifier, const QString &userId, const QString &versioActu);

// What a listing answer held, its CRC already accepted.
struct ListingAnswer
{
    enum class Kind { NoMarker, ErrorText, Empty, List };
    Kind kind = Kind::NoMarker;
    QString errorText;               // ErrorText: the server's message
    QList<FirmwareVersion> versions; // List: one per line
};
ListingAnswer parseListingAnswer(const QString &text, const QString &identifier);

// A "qz+act=" line: the block and file sizes when it has the four fields, else the server's text.
struct Acceptance
{
    bool accepted = false;
    int blockSize = 0;
    qint64 fileSize = 0;
    QString errorText;
};
// The first line of the text ending in "\r" that holds "qz+act=", if any.
std::optional<Acceptance> findAcceptance(const QString &text);

// The number of blocks the progress counts: file size divided by block size, plus one.
int totalPacks(qint64 fileSize, int blockSize);

// The three hexadecimal digits after "+U" (a device's code or a block's number); -1 when absent.
int codeAfterU(const QString &text);

// The version part of versioActu: what comes before "(".
QString shownVersion(const QString &versioActu);

} // namespace quelta::update
