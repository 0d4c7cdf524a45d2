#include "core/transfer/RowValues.h"

#include "core/model/GridModel.h"

#include <QStringList>

#include <functional>
#include <map>

namespace quelta {
namespace {

// The forms of a row's code, from the grid's own code and the row number.
enum class CodeForm {
    A, // D1D2 + row as two hexadecimal digits
    B, // D1D2D3 + row as one hexadecimal digit
    C, // the grid's own code (one-row grids)
    D, // the grid's number + row - 1, in decimal
    E, // D1 + 256 + row as three hexadecimal digits (Aguilera zones)
    F, // D1D2 + 96 + row as two hexadecimal digits (Urano-range events)
    G, // form A below row 256, then "97" + row - 256
    H, // "40" + the door grid's low code byte + row - 1
};

using Cells = std::function<QString(int column)>;
using ValueRule = std::function<QString(const Cells &cell, const Cells &shadow, int columns)>;

struct WriteRule
{
    ValueRule value;
    const char *emptyForm; // a value that stands for an empty row; nullptr when none
    CodeForm code;
    bool markerCounts;
};

QString joined(const Cells &cell, int from, int to)
{
    QStringList parts;
    for (int column = from; column <= to; ++column)
        parts.append(cell(column));
    return parts.join(QLatin1Char(';'));
}

QString flagOrZero(const QString &flag)
{
    return flag.isEmpty() ? QStringLiteral("0") : flag;
}

const ValueRule kAll = [](const Cells &c, const Cells &, int n) { return joined(c, 0, n - 1); };
const ValueRule kAfterLabel = [](const Cells &c, const Cells &, int n) { return joined(c, 1, n - 1); };
const ValueRule kEventKind = [](const Cells &c, const Cells &, int n) {
    return c(1) + QLatin1Char(':') + joined(c, 2, n - 1);
};
const ValueRule kOperators = [](const Cells &c, const Cells &, int n) { return joined(c, 0, n - 1) + QLatin1Char(';'); };
const ValueRule kInputs = [](const Cells &c, const Cells &s, int) {
    return QStringList{c(2), c(3), s(4), c(1)}.join(QLatin1Char(';'));
};
const ValueRule kOutputFlags = [](const Cells &, const Cells &s, int n) {
    QString flags;
    for (int column = 1; column < n; ++column)
        flags += s(column);
    return flags;
};
const ValueRule kOutputTimes = [](const Cells &c, const Cells &s, int n) {
    return joined(c, 2, n - 2) + QLatin1Char(';') + s(n - 1) + QLatin1Char(';') + c(1);
};
const ValueRule kOutputInputs = [](const Cells &, const Cells &s, int n) {
    QString inputs;
    for (int column = 1; column <= n - 2; ++column)
        inputs += flagOrZero(s(column));
    return flagOrZero(s(n - 1)) + QLatin1Char(';') + inputs;
};
const ValueRule kTest = [](const Cells &c, const Cells &, int) {
    return QStringList{c(1), c(2), c(0)}.join(QLatin1Char(';'));
};
const ValueRule kAlarmLevels = [](const Cells &c, const Cells &s, int n) {
    return joined(c, 1, n - 2) + QLatin1Char(';') + s(5) + QLatin1Char(';') + c(0);
};
const ValueRule kDoor = [](const Cells &c, const Cells &s, int n) { return s(1) + QLatin1Char(';') + joined(c, 2, n - 1); };

const std::map<QString, WriteRule> &writeRules()
{
    static const std::map<QString, WriteRule> rules{
        {QStringLiteral("SGOperadores"), {kOperators, nullptr, CodeForm::A, false}},
        {QStringLiteral("SGCra"), {kAll, ";;;;", CodeForm::C, false}},
        {QStringLiteral("SGEntrades"), {kInputs, ";;;", CodeForm::A, true}},
        {QStringLiteral("SGEntradesOpc"), {kAll, ";;;;", CodeForm::A, false}},
        {QStringLiteral("SGSortides"), {kOutputFlags, nullptr, CodeForm::B, true}},
        {QStringLiteral("SGSortidesTemps"), {kOutputTimes, ";;;;", CodeForm::B, true}},
        {QStringLiteral("SGSortidesEnt"), {kOutputInputs, nullptr, CodeForm::B, true}},
        {QStringLiteral("SGSortidesOpc"), {kAll, ";;;;", CodeForm::A, false}},
        {QStringLiteral("SGInici"), {kAll, ";;;;", CodeForm::C, false}},
        {QStringLiteral("SGTest"), {kTest, ";;", CodeForm::C, false}},
        {QStringLiteral("SGTamper"), {kAlarmLevels, nullptr, CodeForm::C, true}},
        {QStringLiteral("SGAlim"), {kAlarmLevels, nullptr, CodeForm::C, true}},
        {QStringLiteral("SGTestOpc"), {kAll, ";;;;", CodeForm::C, false}},
        {QStringLiteral("SGTamperOpc"), {kAll, ";;;;", CodeForm::C, false}},
        {QStringLiteral("SGAlimOpc"), {kAll, ";;;;", CodeForm::C, false}},
        {QStringLiteral("SGPerduaCOM"), {kAfterLabel, ";;;;", CodeForm::D, false}},
        {QStringLiteral("SGCentralAgui"), {kAfterLabel, ";;;;", CodeForm::A, false}},
        {QStringLiteral("SGLlistatZonesAgui"), {kAfterLabel, ";", CodeForm::E, false}},
        {QStringLiteral("SGCentralBC600"), {kEventKind, nullptr, CodeForm::A, true}},
        {QStringLiteral("SGBCApp"), {kAll, ";;;;", CodeForm::C, false}},
        {QStringLiteral("SGBoto1"), {kDoor, ";;;", CodeForm::H, true}},
        {QStringLiteral("SGBoto2"), {kDoor, ";;;", CodeForm::H, true}},
        {QStringLiteral("SGBoto3"), {kDoor, ";;;", CodeForm::H, true}},
        {QStringLiteral("SGBoto4"), {kDoor, ";;;", CodeForm::H, true}},
        {QStringLiteral("SGCentralCofem"), {kAfterLabel, ";;;;", CodeForm::A, false}},
        {QStringLiteral("SGCentralUrano"), {kAfterLabel, ";;;;", CodeForm::B, false}},
        {QStringLiteral("SGCentralSyncro"), {kEventKind, nullptr, CodeForm::A, true}},
        {QStringLiteral("SGCentralAvenarBosch"), {kEventKind, nullptr, CodeForm::A, true}},
        {QStringLiteral("SGCentralSupra"), {kEventKind, nullptr, CodeForm::F, true}},
        {QStringLiteral("SGCentralZafir"), {kEventKind, nullptr, CodeForm::A, false}},
        {QStringLiteral("SGCentralAD300"), {kEventKind, nullptr, CodeForm::A, true}},
        {QStringLiteral("SGCentralID3000"), {kEventKind, nullptr, CodeForm::G, true}},
    };
    return rules;
}

const WriteRule *ruleOf(const GridModel &grid)
{
    const auto found = writeRules().find(grid.name());
    return found == writeRules().end() ? nullptr : &found->second;
}

QString hex(int value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString rowCode(const GridModel &grid, CodeForm form, int row)
{
    const QString code = QStringLiteral("%1").arg(grid.number(), 4, 10, QLatin1Char('0'));
    switch (form) {
    case CodeForm::A: return code.left(2) + hex(row, 2);
    case CodeForm::B: return code.left(3) + hex(row, 1);
    case CodeForm::C: return code;
    case CodeForm::D: return QStringLiteral("%1").arg(grid.number() + row - 1, 4, 10, QLatin1Char('0'));
    case CodeForm::E: return code.left(1) + hex(256 + row, 3);
    case CodeForm::F: return code.left(2) + hex(96 + row, 2);
    case CodeForm::G: return row < 256 ? code.left(2) + hex(row, 2) : QStringLiteral("97") + hex(row - 256, 2);
    case CodeForm::H: return QStringLiteral("40") + hex(grid.number() - 4000 + row - 1, 2);
    }
    return code;
}

QString rowValue(const GridModel &grid, const WriteRule &rule, int row)
{
    const Cells cell = [&grid, row](int column) { return grid.text(row, column); };
    const Cells shadow = [&grid, row](int column) { return grid.shadow(row, column); };
    const QString value = rule.value(cell, shadow, grid.columns());
    return rule.emptyForm && value == QLatin1String(rule.emptyForm) ? QString() : value;
}

} // namespace

bool rowDue(const GridModel &grid, int row)
{
    const WriteRule *rule = ruleOf(grid);
    if (!rule)
        return false;
    for (int column = 0; column < grid.columns(); ++column) {
        if (grid.text(row, column) != grid.shadow(row, column)
            || (rule->markerCounts && grid.marker(row, column) == GridModel::kModifiedMarker))
            return true;
    }
    return false;
}

RowWrite rowWrite(const GridModel &grid, int row)
{
    const WriteRule *rule = ruleOf(grid);
    if (!rule)
        return {};
    return {rowCode(grid, rule->code, row), rowValue(grid, *rule, row)};
}

bool Verifica_StringGrid(const GridModel &grid, const QString &echo, int row)
{
    const WriteRule *rule = ruleOf(grid);
    return rule && rowValue(grid, *rule, row) == echo;
}

} // namespace quelta
