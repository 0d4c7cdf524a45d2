#include "Faults.h"

namespace quelta::updsim {
namespace {

std::optional<int> number(const QString &text, int lowest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= lowest ? std::optional<int>(value) : std::nullopt;
}

} // namespace

bool Faults::add(const QString &option, QString &error)
{
    const qsizetype equals = option.indexOf(u'=');
    const QString name = equals < 0 ? option : option.left(equals);
    const QString value = equals < 0 ? QString() : option.mid(equals + 1);
    const bool hasValue = equals >= 0;
    std::optional<int> count;

    if (name == QLatin1String("bad-crc-list") && !hasValue)
        badCrcList = true;
    else if (name == QLatin1String("list-error") && !value.contains(u'|'))
        listError = hasValue ? value : DefaultListError;
    else if (name == QLatin1String("bad-crc-once") && !hasValue)
        badNotices = 1;
    else if (name == QLatin1String("bad-crc-twice") && !hasValue)
        badNotices = 2;
    else if (name == QLatin1String("act-fields") && (count = number(value, 1)))
        actFields = count;
    else if (name == QLatin1String("close-after") && (count = number(value, 1)))
        closeAfterBlocks = count;
    else if (name == QLatin1String("slow") && (count = number(value, 1)))
        slowMs = *count;
    else {
        error = QStringLiteral("unknown fault %1 (bad-crc-list, list-error[=TEXT], bad-crc-once, bad-crc-twice, "
                               "act-fields=N, close-after=N, slow=MS)").arg(option);
        return false;
    }
    return true;
}

} // namespace quelta::updsim
