#pragma once

#include <QObject>
#include <QString>

namespace quelta {

class CommandChannel;
class ConfigurationModel;
class Prompter;
struct LinkState;

// The Aguilera panels' zone list SGLlistatZonesAgui and its "Listado de zonas" files: a header line,
// then per zone its number, a space, the number of column 1 ("000" when empty), a space and the name.
class ZoneList : public QObject
{
    Q_OBJECT
public:
    static QString importTitle(); // "Importar el listado de zonas"
    static QString exportTitle(); // "Exportar el listado de zonas"
    static QString fileFilter();  // "Listado de zonas |*.txt"

    ZoneList(ConfigurationModel &model, LinkState &link, CommandChannel &channel, Prompter &prompter,
             QObject *parent = nullptr);

    // BBImportarFitxerClick and BBExportarFitxerClick with the file the installer chose.
    bool importFile(const QString &path);
    bool exportFile(const QString &path);
    // BBEsborraZonesClick: only while connected, after confirmation.
    void BBEsborraZonesClick();

private:
    ConfigurationModel &model_;
    LinkState &link_;
    CommandChannel &channel_;
    Prompter &prompter_;
};

} // namespace quelta
