#pragma once

#include <QString>

// What the panels' grid files (event texts, zone lists) share: the dialogs around reading and
// writing them, and how an imported file marks its grid.
namespace quelta {

class ConfigurationModel;
class GridModel;
class Prompter;

namespace gridfiles {

// An existing file is overwritten only when the installer agrees.
bool mayWrite(Prompter &prompter, const QString &path);
void showWriteError(Prompter &prompter, const QString &path, const QString &error);
void showBadFile(Prompter &prompter, const QString &path);
// Asks before the device's table is erased.
bool confirmErase(Prompter &prompter, const QString &question);
// The file's name (without folder) in the grid's file entry, modified; empty to forget it.
void setFileEntry(ConfigurationModel &model, const char *entry, const QString &path);
// Empties the grid as clearing the fields does.
void clearGrid(ConfigurationModel &model, const GridModel &grid);
// A cell taken from a file counts as modified.
void setImportedCell(GridModel &grid, int row, int column, const QString &text);

} // namespace gridfiles
} // namespace quelta
