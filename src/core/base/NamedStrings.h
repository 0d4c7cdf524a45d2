#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace quelta {

// Resource strings found by name rather than by position: the device's information messages, whose
// names the firmware's information header gives, and a few fire-panel screen texts. The Spanish text
// is the translation source, so a lookup answers in the language of the installed translator.
class NamedStrings
{
public:
    NamedStrings();

    // (Re)builds the name dictionary from the built-in table.
    void CreaTaulaResourceString();

    // The string in the current language; nothing when no string has that name (names are
    // case-sensitive, as the firmware writes them).
    std::optional<QString> GetNamedResourceString(QStringView name) const;

    qsizetype size() const { return namedResources_.size(); }

private:
    QHash<QString, const char *> namedResources_; // name -> Spanish source text
};

} // namespace quelta
