#pragma once

#include <QString>

#include <optional>

namespace quelta::updsim {

// Faults aimed at one step of the exchange each, from --fault options.
struct Faults
{
    bool badCrcList = false;              // bad-crc-list: the listing's CRC is wrong
    std::optional<QString> listError;     // list-error[=TEXT]: the listing answers this message
    int badNotices = 0;                   // bad-crc-once / bad-crc-twice: notices with a wrong CRC
                                          // before the "qz+act=" answer
    std::optional<int> actFields;         // act-fields=N: the "qz+act=" answer has N fields
    std::optional<int> closeAfterBlocks;  // close-after=N: the connection closes after N blocks
    int slowMs = 0;                       // slow=MS: frames written in pieces, MS apart

    // Adds one --fault option; false with the reason when it is not one of the above.
    bool add(const QString &option, QString &error);
};

inline const QString DefaultListError = QStringLiteral("Equipo sin actualizaciones autorizadas");

} // namespace quelta::updsim
