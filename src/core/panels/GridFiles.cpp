#include "core/panels/GridFiles.h"

#include "core/base/Prompter.h"
#include "core/model/ConfigurationModel.h"
#include "core/model/GridModel.h"
#include "core/panels/PanelTexts.h"

#include <QFile>
#include <QFileInfo>

namespace quelta::gridfiles {
namespace {

} // namespace

bool mayWrite(Prompter &prompter, const QString &path)
{
    return !QFile::exists(path)
        || prompter.ElMeuMessageDlg(dialog::confirmation(PanelTexts::tr("Este fichero ya existe, ¿desea sobreescribirlo?")))
               == DialogResult::Yes;
}

void showWriteError(Prompter &prompter, const QString &path, const QString &error)
{
    prompter.ElMeuMessageDlg({dialog::error(), PanelTexts::tr("Error al guardar : ") + path + QLatin1Char('\r') + error,
                              DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}});
}

void showBadFile(Prompter &prompter, const QString &path)
{
    prompter.ElMeuMessageDlg({PanelTexts::tr("Fichero error"), path + QStringLiteral("\r\n\r\n") + PanelTexts::tr("Este fichero no es correcto"),
                              DialogType::Error, {DialogResult::Ok}, {dialog::cerrar()}});
}

bool confirmErase(Prompter &prompter, const QString &question)
{
    return prompter.ElMeuMessageDlg(dialog::confirmation(question)) != DialogResult::No;
}

void setFileEntry(ConfigurationModel &model, const char *entry, const QString &path)
{
    SingleField *field = model.field(QString::fromLatin1(entry));
    if (!field)
        return;
    field->value = path.isEmpty() ? QString() : QFileInfo(path).fileName();
    if (!path.isEmpty())
        field->state = FieldState::Modified;
    emit model.fieldChanged(*field);
}

void clearGrid(ConfigurationModel &model, const GridModel &grid)
{
    model.runClearRoutine(QString::fromLatin1(grid.binding().clearRoutine));
}

void setImportedCell(GridModel &grid, int row, int column, const QString &text)
{
    grid.setText(row, column, text);
    if (grid.binding().markers)
        grid.setMarker(row, column, GridModel::kModifiedMarker);
}

} // namespace quelta::gridfiles
