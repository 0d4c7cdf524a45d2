#pragma once

#include "DeviceConfig.h"

#include <QStringList>

namespace quelta::devsim {

// The device's parameters and their factory values. Every code the device knows is present,
// with an empty value when it holds none; codes are upper case.
class ParameterStore
{
public:
    ParameterStore(ParameterMap current, ParameterMap factory);

    bool contains(const QString &code) const { return current_.contains(code); }
    QString value(const QString &code) const { return current_.value(code); }
    void setValue(const QString &code, const QString &value);

    // The codes that begin with `prefix`, in ascending order ("" gives every code).
    QStringList codesWithPrefix(const QString &prefix) const;
    void clearCodesWithPrefix(const QString &prefix);
    void restoreFactory();

    // Field `index` of a ";"-separated value, as a number; `fallback` when missing or not one.
    int numberField(const QString &code, int index, int fallback) const;

private:
    ParameterMap current_;
    ParameterMap factory_;
};

} // namespace quelta::devsim
