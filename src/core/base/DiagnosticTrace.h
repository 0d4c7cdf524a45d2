#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace quelta {

enum class TraceColour { Black, Blue, Green, Red, Magenta, DarkRed };

struct TraceLine
{
    QString text;
    TraceColour colour = TraceColour::Black;
};

// The time-stamped trace of every exchange with the device, the broker and the servers. It is kept
// whether or not the console window shows it, as the last capacity() lines: a full read streams
// thousands of lines a second, and a run of days must not grow without end. Every line gets the
// next sequence number, so a viewer that looks now and then asks for what came after the last line
// it showed.
class DiagnosticTrace : public QObject
{
    Q_OBJECT
public:
    static constexpr qsizetype kDefaultCapacity = 5000;

    explicit DiagnosticTrace(QObject *parent = nullptr);

    // Adds the text, one trace line per line of it, coloured by its content unless a colour is given.
    void Escriure_REPortserie(const QString &text, std::optional<TraceColour> colour = std::nullopt);

    bool paused() const { return paused_; }
    void setPaused(bool paused);
    bool hexa() const { return hexa_; }
    void setHexa(bool hexa);

    // The kept lines: sequence numbers firstKept() up to, not including, nextSequence().
    qsizetype capacity() const { return qsizetype(ring_.size()); }
    // Keeps the newest lines that fit.
    void setCapacity(qsizetype lines);
    qsizetype size() const { return size_; }
    quint64 nextSequence() const { return next_; }
    quint64 firstKept() const { return next_ - quint64(size_); }
    // A kept line by its sequence number.
    const TraceLine &at(quint64 sequence) const;
    // The kept lines from this sequence number on (from the oldest kept if that one is gone).
    QList<TraceLine> linesFrom(quint64 sequence) const;
    // Empties the trace; the numbering goes on.
    void clear();

    // The hexadecimal rendering of a trace text, without its time stamp.
    static QString hexRendering(const QString &text);
    static TraceColour colourOf(const QString &line);

signals:
    void lineAdded(const QString &line, quelta::TraceColour colour);
    void cleared();
    // Parar or Hexa changed.
    void settingsChanged();

private:
    static qsizetype nextBreak(const QString &text, qsizetype from);
    void addLine(QString line, TraceColour colour);
    qsizetype slot(quint64 sequence) const;

    std::vector<TraceLine> ring_;
    qsizetype oldest_ = 0; // slot of the line numbered firstKept()
    qsizetype size_ = 0;
    quint64 next_ = 0;
    bool paused_ = false;
    bool hexa_ = false;
};

} // namespace quelta
