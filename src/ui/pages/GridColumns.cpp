#include "ui/pages/GridColumns.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>

namespace quelta::ui {
namespace {

using Kind = ColumnWidth::Kind;

constexpr int kMinimumShare = 24;
constexpr int kMinimumText = 60;

ColumnWidth px(int pixels) { return {Kind::Fixed, pixels, 1, false}; }
ColumnWidth label(int pixels) { return {Kind::Fixed, pixels, 1, true}; }
ColumnWidth share(int numerator, int denominator) { return {Kind::Share, numerator, denominator, false}; }
ColumnWidth textShare(int numerator, int denominator) { return {Kind::Share, numerator, denominator, true}; }
ColumnWidth rest() { return {Kind::Rest, 0, 1, true}; }
ColumnWidth restCentred() { return {Kind::Rest, 0, 1, false}; }

using Columns = std::vector<ColumnWidth>;

Columns repeated(Columns head, int count, ColumnWidth column, const Columns &tail = {})
{
    head.insert(head.end(), static_cast<size_t>(count), column);
    head.insert(head.end(), tail.cbegin(), tail.cend());
    return head;
}

// App, SMS, e-mail, Contact ID and the message.
const Columns kMessages{px(40), px(40), px(40), px(100), rest()};
const Columns kAlarmLevels{rest(), px(52), px(52), px(52), px(52), px(35)};
const Columns kEvents{px(50), px(90), px(50), px(50), px(50), px(100), rest()};
const Columns kWideEvents{px(50), px(80), px(50), px(50), px(50), px(80), rest()};
const Columns kLabelledMessages{label(240), px(40), px(40), px(40), px(80), rest()};
const Columns kLabelledEvents{label(240), px(80), px(40), px(40), px(40), px(80), rest()};
const Columns kDoorButton{px(30), px(50), px(52), px(40), px(40)};

const QHash<QString, Columns> &table()
{
    static const QHash<QString, Columns> columns{
        {QStringLiteral("SGOperadores"), {label(110), rest(), label(120), label(120)}},
        {QStringLiteral("SGCra"), {px(40)}},
        {QStringLiteral("SGEntrades"), {px(30), textShare(2, 5), share(1, 5), share(1, 5), restCentred()}},
        {QStringLiteral("SGEntradesOpc"), kMessages},
        {QStringLiteral("SGSortides"), repeated({px(30)}, 10, share(1, 10))},
        {QStringLiteral("SGSortidesTemps"), {px(30), rest(), share(1, 6), share(1, 6), share(1, 6), px(35)}},
        {QStringLiteral("SGSortidesEnt"), repeated({px(30)}, 16, share(1, 18), {restCentred()})},
        {QStringLiteral("SGSortidesOpc"), kMessages},
        {QStringLiteral("SGInici"), kMessages},
        {QStringLiteral("SGTest"), {rest(), px(60), px(80)}},
        {QStringLiteral("SGTamper"), kAlarmLevels},
        {QStringLiteral("SGAlim"), kAlarmLevels},
        {QStringLiteral("SGTestOpc"), kMessages},
        {QStringLiteral("SGTamperOpc"), kMessages},
        {QStringLiteral("SGAlimOpc"), kMessages},
        {QStringLiteral("SGPerduaCOM"), {label(140), px(40), px(40), px(40), px(100), rest()}},
        {QStringLiteral("SGCentralAgui"), {label(200), px(40), px(40), px(40), px(100), rest()}},
        {QStringLiteral("SGLlistatZonesAgui"), {px(80), px(100), rest()}},
        {QStringLiteral("SGCentralBC600"), kEvents},
        {QStringLiteral("SGBCApp"), {px(40)}},
        {QStringLiteral("SGBoto1"), kDoorButton},
        {QStringLiteral("SGBoto2"), kDoorButton},
        {QStringLiteral("SGBoto3"), kDoorButton},
        {QStringLiteral("SGBoto4"), kDoorButton},
        {QStringLiteral("SGCentralCofem"), kLabelledMessages},
        {QStringLiteral("SGCentralUrano"), kLabelledMessages},
        {QStringLiteral("SGCentralSyncro"), kEvents},
        {QStringLiteral("SGCentralAvenarBosch"), kWideEvents},
        {QStringLiteral("SGCentralAD300"), kLabelledEvents},
        {QStringLiteral("SGCentralSupra"), kEvents},
        {QStringLiteral("SGCentralZafir"), kLabelledEvents},
        {QStringLiteral("SGCentralID3000"), kWideEvents},
        {QStringLiteral("SGEquipIndus"),
         {label(60), label(100), px(40), px(40), px(40), px(60), px(100), rest()}},
    };
    return columns;
}

std::optional<size_t> lastOf(const std::vector<ColumnWidth> &columns, Kind kind)
{
    std::optional<size_t> last;
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].kind == kind)
            last = i;
    }
    return last;
}

} // namespace

const std::vector<ColumnWidth> &gridColumns(QStringView grid)
{
    static const Columns none;
    const auto found = table().constFind(grid.toString());
    return found == table().cend() ? none : *found;
}

// Without a rest column the last share takes what the division leaves, so the columns still fill.
std::vector<int> columnPixels(const std::vector<ColumnWidth> &columns, int width)
{
    int fixed = 0;
    for (const ColumnWidth &column : columns)
        fixed += column.kind == Kind::Fixed ? column.pixels : 0;
    const int free = std::max(0, width - fixed);
    std::vector<int> pixels;
    int used = 0;
    for (const ColumnWidth &column : columns) {
        const int shared = column.kind == Kind::Share ? free * column.pixels / column.parts : 0;
        pixels.push_back(column.kind == Kind::Fixed ? column.pixels : shared);
        used += pixels.back();
    }
    std::optional<size_t> filler = lastOf(columns, Kind::Rest);
    if (!filler)
        filler = lastOf(columns, Kind::Share);
    if (filler)
        pixels[*filler] += std::max(0, width - used);
    return pixels;
}

// The free width must give the narrowest share its minimum and leave the rest column its own.
int minimumColumnsWidth(const std::vector<ColumnWidth> &columns)
{
    int fixed = 0;
    double shared = 0;
    double free = 0;
    int restMinimum = 0;
    for (const ColumnWidth &column : columns) {
        if (column.kind == Kind::Fixed)
            fixed += column.pixels;
        else if (column.kind == Kind::Share) {
            shared += double(column.pixels) / column.parts;
            free = std::max(free, double(kMinimumShare) * column.parts / column.pixels);
        } else
            restMinimum = column.text ? kMinimumText : kMinimumShare;
    }
    if (restMinimum > 0)
        free = std::max(free, restMinimum / std::max(1.0 - shared, 1.0 / kMinimumText));
    return fixed + static_cast<int>(std::ceil(free));
}

bool allFixed(const std::vector<ColumnWidth> &columns)
{
    return std::all_of(columns.cbegin(), columns.cend(), [](const ColumnWidth &c) { return c.kind == Kind::Fixed; });
}

} // namespace quelta::ui
