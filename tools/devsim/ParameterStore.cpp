#include "ParameterStore.h"

namespace quelta::devsim {

ParameterStore::ParameterStore(ParameterMap current, ParameterMap factory)
    : current_(std::move(current)), factory_(std::move(factory))
{
    for (const QString &code : factory_.keys()) {
        if (!current_.contains(code))
            current_.insert(code, QString());
    }
}

void ParameterStore::setValue(const QString &code, const QString &value)
{
    if (current_.contains(code))
        current_[code] = value;
}

QStringList ParameterStore::codesWithPrefix(const QString &prefix) const
{
    QStringList codes;
    for (auto it = current_.lowerBound(prefix); it != current_.end() && it.key().startsWith(prefix); ++it)
        codes.append(it.key());
    return codes;
}

void ParameterStore::clearCodesWithPrefix(const QString &prefix)
{
    for (const QString &code : codesWithPrefix(prefix))
        current_[code].clear();
}

void ParameterStore::restoreFactory()
{
    for (auto it = current_.begin(); it != current_.end(); ++it)
        it.value() = factory_.value(it.key());
}

int ParameterStore::numberField(const QString &code, int index, int fallback) const
{
    bool ok = false;
    const int number = value(code).split(u';').value(index).trimmed().toInt(&ok);
    return ok ? number : fallback;
}

} // namespace quelta::devsim
