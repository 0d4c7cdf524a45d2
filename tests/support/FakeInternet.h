#pragma once

#include "core/base/InternetCheck.h"

namespace quelta::test {

class FakeInternet : public InternetCheck
{
public:
    bool online = false;
    int checks = 0;
    bool isOnline() override
    {
        ++checks;
        return online;
    }
};

} // namespace quelta::test
