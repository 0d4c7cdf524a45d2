#include "core/panels/ZoneList.h"

#include "core/base/Prompter.h"
#include "core/codecs/TextFile.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/model/ConfigurationModel.h"
#include "core/model/GridModel.h"
#include "core/panels/GridFiles.h"

#include <QRegularExpression>

namespace quelta {
namespace {

const char *const kGrid = "SGLlistatZonesAgui";
const char *const kFileEntry = "EImportarFitxer";
constexpr int kEraseWaitMs = 300;

bool isInteger(const QString &text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

} // namespace

QString ZoneList::importTitle()
{
    return tr("Importar el listado de zonas");
}

QString ZoneList::exportTitle()
{
    return tr("Exportar el listado de zonas");
}

QString ZoneList::fileFilter()
{
    return tr("Listado de zonas |*.txt");
}

ZoneList::ZoneList(ConfigurationModel &model, LinkState &link, CommandChannel &channel, Prompter &prompter,
                   QObject *parent)
    : QObject(parent), model_(model), link_(link), channel_(channel), prompter_(prompter)
{
}

// Every line after the header: the zone, a space, the number of column 1 and the name; a line
// whose second item is not a number has no column 1, its name is all after the zone.
bool ZoneList::importFile(const QString &path)
{
    GridModel *grid = model_.grid(QString::fromLatin1(kGrid));
    std::optional<QStringList> lines = textfile::readLines(path);
    if (!grid || !lines)
        return false;
    for (QString &line : *lines)
        line.replace(QLatin1Char('\t'), QLatin1Char(' '));
    static const QRegularExpression zoneFirst(QStringLiteral("^[+-]?\\d+ "));
    for (qsizetype k = 1; k < lines->size(); ++k) {
        if (!zoneFirst.match(lines->at(k)).hasMatch()) {
            gridfiles::showBadFile(prompter_, path);
            return false;
        }
    }
    gridfiles::setFileEntry(model_, kFileEntry, path);
    gridfiles::clearGrid(model_, *grid);
    const int rows = std::min<int>(int(lines->size()), grid->rows());
    for (int row = 1; row < rows; ++row) {
        const QString &line = lines->at(row);
        const QStringList items = line.split(QLatin1Char(' '));
        gridfiles::setImportedCell(*grid, row, 0, items.at(0));
        const bool numbered = isInteger(items.value(1));
        const int number = items.value(1).toInt();
        gridfiles::setImportedCell(*grid, row, 1, numbered && number != 0 ? items.at(1) : QString());
        gridfiles::setImportedCell(*grid, row, 2,
                                   numbered ? items.mid(2).join(QLatin1Char(' ')) : line.section(QLatin1Char(' '), 1));
    }
    model_.setNcampsModificats(model_.ncampsModificats() + int(lines->size()));
    return true;
}

bool ZoneList::exportFile(const QString &path)
{
    const GridModel *grid = model_.grid(QString::fromLatin1(kGrid));
    if (!grid || !gridfiles::mayWrite(prompter_, path))
        return false;
    QStringList lines;
    for (int row = 0; row < grid->rows(); ++row) {
        const QString number = grid->text(row, 1);
        const QString name = grid->text(row, 2);
        if (number.isEmpty() && name.isEmpty())
            break;
        lines << grid->text(row, 0) + QLatin1Char(' ') + (number.isEmpty() ? QStringLiteral("000") : number)
                + QLatin1Char(' ') + name;
    }
    if (const QString error = textfile::writeLines(path, lines); !error.isEmpty()) {
        gridfiles::showWriteError(prompter_, path, error);
        return false;
    }
    gridfiles::setFileEntry(model_, kFileEntry, path);
    return true;
}

void ZoneList::BBEsborraZonesClick()
{
    const GridModel *grid = model_.grid(QString::fromLatin1(kGrid));
    if (!grid || !link_.circuittrobat)
        return;
    if (!gridfiles::confirmErase(prompter_,
                                 tr("Se borrarán todas las zonas programadas del circuito\r\n¿Está seguro?")))
        return;
    QStringList commands = {QStringLiteral("9000=")};
    for (int block = 1; block <= 9; ++block)
        commands << QStringLiteral("9%1xx=0").arg(block);
    for (const QString &command : commands) {
        channel_.sendCommand(command);
        delay(kEraseWaitMs);
    }
    gridfiles::clearGrid(model_, *grid);
    gridfiles::setFileEntry(model_, kFileEntry, QString());
}

} // namespace quelta
