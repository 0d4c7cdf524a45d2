#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>

#include <optional>

namespace quelta::devsim {

// Misbehaviour asked for on the command line (--fault), to exercise the tool's error paths.
struct FaultPlan
{
    bool silentAll = false;
    QSet<QString> silentCommands; // command names: the body up to "="
    int dropEvery = 0;            // 0 = off
    int garbleEvery = 0;          // 0 = off
    int slowMs = 0;
    int stopStreamAfter = -1;    // -1 = off
    QMap<QString, QString> refusals; // code -> "errprg" or "NO_PAR"
    int vanishMs = -1;            // -1 = off
    // Firmware update
    bool updateImageCrc = false;  // the whole image always fails its check
    QSet<int> updateBadBlocks;    // blocks whose first arrival fails its CRC
    QSet<int> updateLateBlocks;   // blocks whose first arrival is taken as timed out
    bool updateSilent = false;    // asks for no block at all

    bool silences(const QString &commandName) const
    {
        return silentAll || silentCommands.contains(commandName);
    }
};

// Adds one fault to the plan; returns why `fault` is not understood, or an empty text.
QString addFault(FaultPlan &plan, const QString &fault);

// The faults that act on the lines leaving the device, in the order they leave it.
class LineFaults
{
public:
    explicit LineFaults(const FaultPlan &plan);

    // The line as sent, or nothing when it is dropped.
    std::optional<QByteArray> apply(QByteArray line);

private:
    int dropEvery_;
    int garbleEvery_;
    qint64 lines_ = 0;
    qint64 bytes_ = 0;
};

} // namespace quelta::devsim
