#include "core/model/OptionCombos.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace quelta {
namespace {

constexpr int kAnyColumn = INT_MAX;

const OptionCombo kCombos[] = {
    {"CBSGEntrades", "SGEntradesOpc", 0, 2, ComboItems::Levels},
    {"CBSGSortides", "SGSortidesOpc", 0, 2, ComboItems::Levels},
    {"CBSGTamper", "SGTamperOpc", 0, 2, ComboItems::Levels},
    {"CBSGAlim", "SGAlimOpc", 0, 2, ComboItems::Levels},
    {"CBSGTest", "SGTestOpc", 0, 2, ComboItems::Levels},
    {"CBSGPerduaCOM", "SGPerduaCOM", 1, 3, ComboItems::Levels},
    {"CBSGInici", "SGInici", 0, 2, ComboItems::Levels},
    {"CBSGCra", "SGCra", 0, 2, ComboItems::Levels, true},
    {"CBSGBCApp", "SGBCApp", 0, kAnyColumn, ComboItems::Levels, true},
    {"CBSGEquipIndus", "SGEquipIndus", 2, 4, ComboItems::Levels},
    {"CBSGBoto1", "SGBoto1", 2, 2, ComboItems::DoorInputs},
    {"CBSGBoto2", "SGBoto2", 2, 2, ComboItems::DoorInputs},
    {"CBSGBoto3", "SGBoto3", 2, 2, ComboItems::DoorInputs},
    {"CBSGBoto4", "SGBoto4", 2, 2, ComboItems::DoorInputs},
    {"CBSGCentral", "SGCentralAgui", 1, 3, ComboItems::Levels},
    {"CBSGLlistatZones", "SGLlistatZonesAgui", 1, 1, ComboItems::ZoneTypes},
    {"CBSGBC600", "SGCentralBC600", 2, 4, ComboItems::Levels},
    {"CBSGSyncro", "SGCentralSyncro", 2, 4, ComboItems::Levels},
    {"CBSGAvenarBosch", "SGCentralAvenarBosch", 2, 4, ComboItems::Levels},
    {"CBSGCentralAD300", "SGCentralAD300", 2, 4, ComboItems::Levels},
    {"CBSGCentralSupra", "SGCentralSupra", 2, 4, ComboItems::Levels},
    {"CBSGCentralZafir", "SGCentralZafir", 2, 4, ComboItems::Levels},
    {"CBSGID3000", "SGCentralID3000", 2, 4, ComboItems::Levels},
    {"CBSGCentralCofem", "SGCentralCofem", 1, 3, ComboItems::Levels},
    {"CBSGCentralUrano", "SGCentralUrano", 1, 3, ComboItems::Levels},
};

const char *const kZoneTypes[] = {
    QT_TRANSLATE_NOOP("Grids", "110=Fuego"),
    QT_TRANSLATE_NOOP("Grids", "111=Humo"),
    QT_TRANSLATE_NOOP("Grids", "112=Combustión"),
    QT_TRANSLATE_NOOP("Grids", "113=Detector de flujo (agua)"),
    QT_TRANSLATE_NOOP("Grids", "114=Calor"),
    QT_TRANSLATE_NOOP("Grids", "115=Pulsador"),
    QT_TRANSLATE_NOOP("Grids", "116=Detector de conducto"),
    QT_TRANSLATE_NOOP("Grids", "117=Detector de alarma"),
};

QStringList numbers(int last)
{
    QStringList items;
    for (int n = 0; n <= last; ++n)
        items.append(QString::number(n));
    return items;
}

} // namespace

std::span<const OptionCombo> optionCombos()
{
    return kCombos;
}

const OptionCombo *optionComboOf(QStringView grid)
{
    const auto *found = std::find_if(std::begin(kCombos), std::end(kCombos),
                                     [grid](const OptionCombo &combo) { return grid == QLatin1String(combo.grid); });
    return found == std::end(kCombos) ? nullptr : found;
}

bool isOptionCell(const OptionCombo &combo, int column)
{
    return column >= combo.firstColumn && column <= combo.lastColumn;
}

QStringList comboItems(const OptionCombo &combo)
{
    switch (combo.items) {
    case ComboItems::Levels: return numbers(4);
    case ComboItems::DoorInputs: return numbers(16);
    case ComboItems::ZoneTypes: break;
    }
    QStringList items;
    for (const char *type : kZoneTypes)
        items.append(QCoreApplication::translate("Grids", type));
    return items;
}

int comboStartItem(const OptionCombo &combo)
{
    return combo.items == ComboItems::ZoneTypes ? -1 : 1;
}

QString comboValue(const QString &item)
{
    return item.section(QLatin1Char('='), 0, 0);
}

} // namespace quelta
