#pragma once

#include <QByteArray>
#include <QString>

namespace quelta::test {

// The device end of a pseudo-terminal: the program under test opens slavePath() as its serial
// port, the test reads and writes here. POSIX only.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isValid() const { return master_ >= 0; }
    QString slavePath() const { return slavePath_; }

    // Everything that arrives within the time, after the first byte, until the line goes quiet.
    QByteArray readFor(int milliseconds);
    void write(const QByteArray &bytes);

private:
    int master_ = -1;
    QString slavePath_;
};

} // namespace quelta::test
