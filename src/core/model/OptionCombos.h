#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace quelta {

// What an option combo offers: the notification levels "0".."4", the door inputs "0".."16", or the
// zone types "110=Fuego"...
enum class ComboItems { Levels, DoorInputs, ZoneTypes };

// A drop-down list that lies hidden beside its grid and is placed over an option cell to choose
// the cell's value. Each grid has at most one.
struct OptionCombo
{
    const char *name;
    const char *grid;
    int firstColumn;
    int lastColumn;
    ComboItems items;
    bool toggledByClick = false; // a one-cell grid: a click shows or hides it
};

std::span<const OptionCombo> optionCombos();
const OptionCombo *optionComboOf(QStringView grid);
bool isOptionCell(const OptionCombo &combo, int column);
QStringList comboItems(const OptionCombo &combo);
// The item selected as the combo opens: the second ("1"), none for the zone types.
int comboStartItem(const OptionCombo &combo);
// The value an item writes into the cell: the item itself, or the zone type's code before "=".
QString comboValue(const QString &item);

} // namespace quelta
