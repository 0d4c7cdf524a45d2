#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace quelta {

enum class TraceColour { Black, Blue, Green, Red, Magenta, DarkRed };

// The time-stamped trace of every exchange with the device, the broker and the servers. It is kept
// whether or not the console window shows it.
class DiagnosticTrace : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Adds the text, one trace line per line of it, coloured by its content unless a colour is given.
    void Escriure_REPortserie(const QString &text, std::optional<TraceColour> colour = std::nullopt);

    bool paused() const { return paused_; }
    void setPaused(bool paused) { paused_ = paused; }
    bool hexa() const { return hexa_; }
    void setHexa(bool hexa) { hexa_ = hexa; }

    // The hexadecimal rendering of a trace text, without its time stamp.
    static QString hexRendering(const QString &text);
    static TraceColour colourOf(const QString &line);

signals:
    void lineAdded(const QString &line, quelta::TraceColour colour);

private:
    static qsizetype nextBreak(const QString &text, qsizetype from);
    void addLine(const QString &line, TraceColour colour);

    bool paused_ = false;
    bool hexa_ = false;
};

} // namespace quelta
