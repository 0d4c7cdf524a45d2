#include "Json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quelta::cloudsim::json {

namespace {

// Pretty output follows the database's own: two spaces a level, " : " between key and value.
class Writer
{
public:
    explicit Writer(Style style) : pretty_(style == Style::Pretty) {}

    void value(const QJsonValue &value, int depth)
    {
        if (value.isObject()) {
            const QJsonObject object = value.toObject();
            QList<Entry> entries;
            entries.reserve(object.size());
            for (auto it = object.begin(); it != object.end(); ++it)
                entries.append({it.key(), it.value()});
            members(entries, depth);
        } else if (value.isArray()) {
            elements(value.toArray(), depth);
        } else {
            scalar(value);
        }
    }

    void members(const QList<Entry> &entries, int depth)
    {
        if (entries.isEmpty()) {
            out_ += "{}";
            return;
        }
        out_ += '{';
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (i > 0)
                out_ += ',';
            newline(depth + 1);
            scalar(entries[i].first);
            out_ += pretty_ ? " : " : ":";
            value(entries[i].second, depth + 1);
        }
        newline(depth);
        out_ += '}';
    }

    QByteArray result() const { return out_; }

private:
    void elements(const QJsonArray &array, int depth)
    {
        out_ += pretty_ ? "[ " : "[";
        for (qsizetype i = 0; i < array.size(); ++i) {
            if (i > 0)
                out_ += pretty_ ? ", " : ",";
            value(array.at(i), depth);
        }
        out_ += pretty_ ? " ]" : "]";
    }

    // Qt's own spelling of numbers and escaping of strings, taken from a one-element array.
    void scalar(const QJsonValue &value)
    {
        const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        out_ += wrapped.mid(1, wrapped.size() - 2);
    }

    void newline(int depth)
    {
        if (pretty_)
            out_ += '\n' + QByteArray(2 * depth, ' ');
    }

    bool pretty_;
    QByteArray out_;
};

} // namespace

std::optional<QJsonValue> parse(const QByteArray &text)
{
    // QJsonDocument takes only objects and arrays at the top, so the text goes inside an array.
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson('[' + text + ']', &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1)
        return std::nullopt;
    return document.array().first();
}

QByteArray write(const QJsonValue &value, Style style)
{
    Writer writer(style);
    writer.value(value, 0);
    return writer.result();
}

QByteArray writeEntries(const QList<Entry> &entries, Style style)
{
    Writer writer(style);
    writer.members(entries, 0);
    return writer.result();
}

} // namespace quelta::cloudsim::json
