#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace quelta::devsim {

// A fire panel on the device's serial side that answers from a script, for the telecontrol relay:
// each request of the script is answered by its answer. The bytes are taken as a stream, so a
// request split over several messages, or several requests in one, are answered all the same; the
// start of a request waits for the rest. Bytes that start no request are refused once with the
// script's "unknown" answer and skipped up to the next byte that may start one.
class PanelScript
{
public:
    struct Exchange
    {
        QByteArray request;
        QByteArray answer;
    };

    // The script's JSON: {"exchanges": [{"request": "02 3F 03", "answer": "06 02 41 03"}...],
    // "unknown": "15"}, the bytes in hexadecimal, blanks allowed. Nullopt, with the reason, when it
    // is not a script.
    static std::optional<PanelScript> fromJson(const QByteArray &json, QString &error);
    static std::optional<PanelScript> load(const QString &path, QString &error);

    // What the panel says to these bytes, given what came before them.
    QByteArray answer(QByteArrayView bytes);
    // Forgets a request half received (the device restarts).
    void reset() { pending_.clear(); }

private:
    bool startsRequest(char byte) const;

    QList<Exchange> exchanges_;
    QByteArray unknown_;
    QByteArray pending_;
};

} // namespace quelta::devsim
