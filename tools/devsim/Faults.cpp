#include "Faults.h"

#include "ParameterCodes.h"

namespace quelta::devsim {
namespace {

QString parseNumber(const QString &argument, int minimum, int &target)
{
    bool ok = false;
    const int number = argument.toInt(&ok);
    if (!ok || number < minimum)
        return QStringLiteral("needs a whole number of at least %1").arg(minimum);
    target = number;
    return {};
}

QString parseRefusal(const QString &argument, FaultPlan &plan)
{
    const QString code = argument.section(u'=', 0, 0).toUpper();
    const QString answer = argument.section(u'=', 1);
    if (!codes::isCode(code) || (answer != QLatin1String("errprg") && answer != QLatin1String("NO_PAR")))
        return QStringLiteral("needs CODE=errprg or CODE=NO_PAR");
    plan.refusals.insert(code, answer);
    return {};
}

// The block faults read "update-block-crc=N" and "update-block-timeout=N"; a colon, as the other
// faults have it, does too.
qsizetype argumentSeparator(const QString &fault)
{
    const qsizetype colon = fault.indexOf(u':');
    if (colon < 0 && fault.startsWith(QLatin1String("update-block-")))
        return fault.indexOf(u'=');
    return colon;
}

QString parseBlock(const QString &argument, QSet<int> &blocks)
{
    int block = 0;
    if (!parseNumber(argument, 0, block).isEmpty())
        return QStringLiteral("needs a block number (from 0)");
    blocks.insert(block);
    return {};
}

} // namespace

QString addFault(FaultPlan &plan, const QString &fault)
{
    const qsizetype colon = argumentSeparator(fault);
    const QString name = fault.left(colon);
    const QString argument = colon < 0 ? QString() : fault.mid(colon + 1);
    QString error;
    if (name == QLatin1String("silent") && colon < 0)
        plan.silentAll = true;
    else if (name == QLatin1String("silent") && !argument.isEmpty())
        plan.silentCommands.insert(argument);
    else if (name == QLatin1String("drop"))
        error = parseNumber(argument, 1, plan.dropEvery);
    else if (name == QLatin1String("garble"))
        error = parseNumber(argument, 1, plan.garbleEvery);
    else if (name == QLatin1String("slow"))
        error = parseNumber(argument, 0, plan.slowMs);
    else if (name == QLatin1String("stopstream"))
        error = parseNumber(argument, 0, plan.stopStreamAfter);
    else if (name == QLatin1String("vanish"))
        error = parseNumber(argument, 0, plan.vanishMs);
    else if (name == QLatin1String("refuse"))
        error = parseRefusal(argument, plan);
    else if (name == QLatin1String("update-image-crc") && colon < 0)
        plan.updateImageCrc = true;
    else if (name == QLatin1String("update-block-crc"))
        error = parseBlock(argument, plan.updateBadBlocks);
    else if (name == QLatin1String("update-block-timeout"))
        error = parseBlock(argument, plan.updateLateBlocks);
    else if (name == QLatin1String("update-silent") && colon < 0)
        plan.updateSilent = true;
    else
        error = QStringLiteral("is not a known fault");
    return error.isEmpty() ? error : QStringLiteral("--fault %1: %2").arg(fault, error);
}

LineFaults::LineFaults(const FaultPlan &plan) : dropEvery_(plan.dropEvery), garbleEvery_(plan.garbleEvery)
{
}

std::optional<QByteArray> LineFaults::apply(QByteArray line)
{
    ++lines_;
    if (dropEvery_ > 0 && lines_ % dropEvery_ == 0)
        return std::nullopt;
    if (garbleEvery_ > 0) {
        for (char &byte : line) {
            if (++bytes_ % garbleEvery_ == 0)
                byte = static_cast<char>(~byte);
        }
    }
    return line;
}

} // namespace quelta::devsim
