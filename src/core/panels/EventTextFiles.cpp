#include "core/panels/EventTextFiles.h"

#include "core/base/Prompter.h"
#include "core/codecs/TextFile.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/model/ConfigurationModel.h"
#include "core/model/GridModel.h"
#include "core/panels/GridFiles.h"


namespace quelta {
namespace {

QStringList commands(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *command : list)
        result << QLatin1String(command);
    return result;
}

bool isZero(const QString &cell)
{
    return cell == QLatin1String("0") || cell == QLatin1String("000");
}

// The numeric columns each followed by a space, then the text. An empty number is written "0",
// and "000" in the last numeric column.
QString rowLine(const GridModel &grid, const EventTextGrid &layout, int row)
{
    QString line;
    for (int column = 1; column <= layout.numericColumns; ++column) {
        const QString cell = grid.text(row, column);
        line += (cell.isEmpty() ? (column == layout.numericColumns ? QStringLiteral("000") : QStringLiteral("0")) : cell)
            + QLatin1Char(' ');
    }
    return line + grid.text(row, layout.numericColumns + 1);
}

bool isLastRow(const GridModel &grid, const EventTextGrid &layout, int row)
{
    return grid.text(row, 1).isEmpty()
        || (grid.text(row, layout.numericColumns).isEmpty() && grid.text(row, layout.numericColumns + 1).isEmpty());
}

} // namespace

QString EventTextFiles::importTitle()
{
    return tr("Importar el listado de eventos");
}

QString EventTextFiles::exportTitle()
{
    return tr("Exportar el listado de eventos");
}

QString EventTextFiles::fileFilter()
{
    return tr("Listado de eventos |*.txt");
}

const QList<EventTextGrid> &EventTextFiles::grids()
{
    static const QList<EventTextGrid> table = {
        {"SGCentralBC600", "EImportarFitxerBC600", "BBImportarFitxerBC600", "BBExportarFitxerBC600",
         "BBEsborraEventsBC600", 5, false, commands({"9500=", "96xx=0"})},
        {"SGCentralSyncro", "EImportarFitxerSyncro", "BBImportarFitxerSyncro", "BBExportarFitxerSyncro",
         "BBEsborraEventsSyncro", 5, false, commands({"9501=", "98xx=0"})},
        {"SGCentralAvenarBosch", "EImportarFitxerAvenarBosch", "BBImportarFitxerAvenarBosch",
         "BBExportarFitxerAvenarBosch", "BBEsborrarEventsAvenarBosch", 5, false, commands({"9500=", "96xx=0"})},
        {"SGCentralAD300", "EImportarFitxerAD300", "BBImportarFitxerAD300", "BBExportarFitxerAD300",
         "BBEsborrarFitxerAD300", 5, false, commands({"9500=", "97xx=0"})},
        {"SGCentralID3000", "EImportarFitxerID3000", "BBImportarFitxerID3000", "BBExportarFitxerID3000",
         "BBEsborrarEventsID3000", 5, false, commands({"9500=", "96xx=0"})},
        {"SGCentralCofem", "EImportarFitxerCofem", "BBImportarFitxerCofem", "BBExportarFitxerCofem", nullptr, 4, false, {}},
        {"SGCentralSupra", "EImportarFitxerSupra", "BBImportarFitxerSupra", "BBExportarFitxerSupra", nullptr, 5, true, {}},
        {"SGCentralZafir", "EImportarFitxerZafir", "BBImportarZafir", "BBExportarZafir", nullptr, 5, false, {}},
    };
    return table;
}

const EventTextGrid *EventTextFiles::forButton(const QString &button)
{
    for (const EventTextGrid &grid : grids()) {
        for (const char *name : {grid.importButton, grid.exportButton, grid.eraseButton}) {
            if (name && button == QLatin1String(name))
                return &grid;
        }
    }
    return nullptr;
}

EventTextFiles::EventTextFiles(ConfigurationModel &model, LinkState &link, CommandChannel &channel, Prompter &prompter,
                               QObject *parent)
    : QObject(parent), model_(model), link_(link), channel_(channel), prompter_(prompter)
{
}

// Line k (from the second) fills row k-1: the numbers first, the rest of the line is the text.
bool EventTextFiles::importFile(const EventTextGrid &layout, const QString &path)
{
    GridModel *grid = model_.grid(QString::fromLatin1(layout.grid));
    const std::optional<QStringList> lines = textfile::readLines(path);
    if (!grid || !lines)
        return false;
    for (qsizetype k = 1; k < lines->size(); ++k) {
        if (lines->at(k).count(QLatin1Char(' ')) < layout.numericColumns) {
            gridfiles::showBadFile(prompter_, path);
            return false;
        }
    }
    gridfiles::setFileEntry(model_, layout.fileEntry, path);
    gridfiles::clearGrid(model_, *grid);
    const int rows = std::min<int>(int(lines->size()), grid->rows());
    for (int row = 1; row < rows; ++row) {
        const QStringList items = lines->at(row).split(QLatin1Char(' '));
        for (int column = 1; column <= layout.numericColumns; ++column) {
            const QString cell = items.at(column - 1);
            gridfiles::setImportedCell(*grid, row, column, isZero(cell) && !layout.keepsZeros ? QString() : cell);
        }
        gridfiles::setImportedCell(*grid, row, layout.numericColumns + 1,
                                   items.mid(layout.numericColumns).join(QLatin1Char(' ')));
    }
    model_.setNcampsModificats(model_.ncampsModificats() + int(lines->size()));
    return true;
}

bool EventTextFiles::exportFile(const EventTextGrid &layout, const QString &path)
{
    const GridModel *grid = model_.grid(QString::fromLatin1(layout.grid));
    if (!grid || !gridfiles::mayWrite(prompter_, path))
        return false;
    QStringList lines = {rowLine(*grid, layout, 0)};
    for (int row = 1; row < grid->rows() && !isLastRow(*grid, layout, row); ++row)
        lines << rowLine(*grid, layout, row);
    if (const QString error = textfile::writeLines(path, lines); !error.isEmpty()) {
        gridfiles::showWriteError(prompter_, path, error);
        return false;
    }
    gridfiles::setFileEntry(model_, layout.fileEntry, path);
    return true;
}

void EventTextFiles::erase(const EventTextGrid &layout)
{
    GridModel *grid = model_.grid(QString::fromLatin1(layout.grid));
    if (!grid || layout.eraseCommands.isEmpty() || !link_.circuittrobat)
        return;
    if (!gridfiles::confirmErase(prompter_,
                                 tr("Se borrarán todos los eventos programados del circuito\r\n¿Está seguro?")))
        return;
    for (const QString &command : layout.eraseCommands)
        channel_.sendCommand(command);
    gridfiles::clearGrid(model_, *grid);
    gridfiles::setFileEntry(model_, layout.fileEntry, QString());
}

} // namespace quelta
