#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace quelta::ui {

// The programming pages' own texts, kept with their sources so that a language change can put
// them in again. Sources are translated in the context "Pages".
class Captions
{
public:
    static QString translated(const char *source);

    // Applies the text now and after every language change.
    void add(std::function<void(const QString &)> apply, const char *source);
    void retranslate() const;

private:
    struct Caption
    {
        std::function<void(const QString &)> apply;
        const char *source;
    };
    std::vector<Caption> captions_;
};

} // namespace quelta::ui
