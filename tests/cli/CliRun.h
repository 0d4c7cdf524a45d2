#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace quelta::test {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// quelta-cli run to its end (a minute at most) with these arguments, in this environment.
inline CliRun runCli(const QStringList &arguments,
                     const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(QUELTA_CLI_BINARY), arguments);
    CliRun run;
    if (!cli.waitForFinished(60000)) {
        cli.kill();
        run.err = QStringLiteral("quelta-cli did not finish");
        return run;
    }
    run.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
    run.out = QString::fromUtf8(cli.readAllStandardOutput());
    run.err = QString::fromUtf8(cli.readAllStandardError());
    return run;
}

} // namespace quelta::test
