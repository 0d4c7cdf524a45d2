#pragma once

#include <QLockFile>
#include <QString>

namespace quelta {

// The named lock that keeps a second copy of the program from starting. It is held for as long as
// this object lives; a lock left behind by a crashed copy is taken over.
class SingleInstance
{
public:
    // lockDirectory: where the lock lives; the system's temporary folder unless a test says otherwise.
    explicit SingleInstance(const QString &lockDirectory = QString());

    bool isFirst() const { return first_; }

    static QString refusalMessage();

private:
    QLockFile lock_;
    bool first_;
};

} // namespace quelta
