#pragma once

#include <QCoreApplication>

namespace quelta {

// The texts the cloud clients show or trace, translated in the context "Cloud".
struct CloudTexts
{
    Q_DECLARE_TR_FUNCTIONS(Cloud)
};

} // namespace quelta
