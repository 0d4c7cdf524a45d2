#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace quelta {

class CommandChannel;
class ConfigurationModel;
class PacedCommands;
class Prompter;
struct LinkState;

// One panel's event-text grid and the buttons that import, export and erase it.
struct EventTextGrid
{
    const char *grid;          // "SGCentralBC600"
    const char *fileEntry;     // "EImportarFitxerBC600": the last file imported or exported
    const char *importButton;  // "BBImportarFitxerBC600"
    const char *exportButton;  // "BBExportarFitxerBC600"
    const char *eraseButton;   // nullptr: the device's table cannot be erased from here
    int numericColumns;        // columns 1..numericColumns; the text is the next column
    bool keepsZeros;           // "0" and "000" are values, not empty cells
    QStringList eraseCommands;
};

// The panels' "Listado de eventos" files: one line per grid row, the numeric columns each followed
// by a space, then the text. The first line is the grid's title row.
class EventTextFiles : public QObject
{
    Q_OBJECT
public:
    static QString importTitle(); // "Importar el listado de eventos"
    static QString exportTitle(); // "Exportar el listado de eventos"
    static QString fileFilter();  // "Listado de eventos |*.txt"

    EventTextFiles(ConfigurationModel &model, LinkState &link, CommandChannel &channel, Prompter &prompter,
                   QObject *parent = nullptr);

    static const QList<EventTextGrid> &grids();
    // The grid a button of its tab works on; nullptr for another button.
    static const EventTextGrid *forButton(const QString &button);

    // Fills the grid from the file; false, after telling the installer, for a file that is not one.
    bool importFile(const EventTextGrid &grid, const QString &path);
    // Writes the grid's rows up to the first empty one; an existing file is overwritten only
    // after confirmation. False when nothing was written.
    bool exportFile(const EventTextGrid &grid, const QString &path);
    // Only while connected: after confirmation the device's table is erased and the grid emptied.
    void erase(const EventTextGrid &grid);

private:
    ConfigurationModel &model_;
    LinkState &link_;
    CommandChannel &channel_;
    Prompter &prompter_;
};

} // namespace quelta
