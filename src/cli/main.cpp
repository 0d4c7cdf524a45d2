#include "CliOptions.h"
#include "CliSession.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quelta-cli"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    const quelta::cli::ParsedOptions parsed = quelta::cli::parseOptions(arguments);
    if (!parsed.options) {
        err << "quelta-cli: " << parsed.error << "\n" << quelta::cli::usage();
        return quelta::cli::Usage;
    }
    quelta::cli::CliSession session(*parsed.options, out, err);
    return session.run();
}
