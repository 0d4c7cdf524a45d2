#pragma once

#include "core/model/Bindings.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class QIODevice;

namespace quelta {

class ConfigurationModel;
class GridModel;
class ProgrammingLock;
class Prompter;
class TransferActivity;
class ViewState;
struct LinkState;
struct SingleField;
struct TemplateRowLayout;
class TemplateValues;

// Complete: every item. Partial: only the items marked modified.
enum class TemplateScope { Complete, Partial };

enum class TemplateStatus {
    Ok,
    Refused,       // a guard stopped the command (update running, telecontrol, access code, transfer)
    Cancelled,     // no file chosen, or the installer would not overwrite
    Unreadable,    // the file could not be read
    Invalid,       // no panel-type line
    PanelMismatch, // the template's panel type does not fit the device's
    Unwritable,    // the file could not be written
};

struct TemplateResult
{
    TemplateStatus status = TemplateStatus::Ok;
    QString message; // what the installer is told when it failed; empty otherwise

    bool ok() const { return status == TemplateStatus::Ok; }
};

// Configuration templates (".pla"): the editors' values saved to a text file, and loaded back into
// the editors of another device marked modified, so that the next write sends them. The window
// calls the two menu commands with its file dialogs as choosers; the headless front end calls
// save() and load() directly.
class Templates : public QObject
{
    Q_OBJECT
public:
    // The file dialog of a command: the chosen path, or empty when the installer cancelled.
    using PathChooser = std::function<QString()>;
    // The hint text of a control or grid by its name; its second line describes a template line.
    using HintSource = std::function<QString(const QString &controlName)>;

    Templates(ConfigurationModel &model, LinkState &link, const TransferActivity &activity, ViewState &views,
              ProgrammingLock &lock, Prompter &prompter, QObject *parent = nullptr);

    void setHintSource(HintSource hints) { hints_ = std::move(hints); }

    // Templates are refused like a write: silently while a firmware update or a transfer runs,
    // with a warning while the fire panel is in telecontrol, with the access-code prompt while
    // the device is locked.
    bool allowed();

    // "Guardar plantilla": guards, the programming view, the [Rojo]/[Todo] question, the file,
    // the overwrite confirmation, then the file and its confirmation.
    TemplateResult MIICrearplantillaClick(const PathChooser &choosePath);
    // "Importar datos de plantilla": guards, the file, then Carrega_dades_fitxer; success brings
    // the programming view forward and is confirmed, failures are reported.
    TemplateResult MIIImportarPlantillaClick(const PathChooser &choosePath);

    // Without dialogs. save shows the programming view first when it is not shown, as the
    // command does, so that the connected panel's tab decides the panel items.
    TemplateResult save(const QString &path, TemplateScope scope);
    bool save(QIODevice &device, TemplateScope scope) const;
    QStringList templateLines(TemplateScope scope) const;

    TemplateResult load(const QString &path);
    TemplateResult load(QIODevice &device);
    // Fills the editors from a template's lines; nothing is sent to the device.
    TemplateResult Carrega_dades_fitxer(const QStringList &lines);

signals:
    // The window brings the programming view forward.
    void programmingViewRequested();

private:
    void showProgrammingView();
    QString description(const char *controlName) const;
    QString line(const QString &name, const QString &value, const char *controlName) const;
    void appendFields(QStringList &lines, TemplateScope scope) const;
    void appendGrid(QStringList &lines, const GridModel &grid, const TemplateRowLayout &layout,
                    TemplateScope scope) const;
    QString fieldValue(const SingleField &field) const;
    bool fieldSaved(const SingleField &field, TemplateScope scope) const;

    void loadFields(const TemplateValues &values, std::optional<ProgPage> panelPage);
    void loadGrids(const TemplateValues &values, std::optional<ProgPage> page);
    void loadRow(GridModel &grid, const TemplateRowLayout &layout, int row, const QString &value);
    void addModified(int count);

    ConfigurationModel &model_;
    LinkState &link_;
    const TransferActivity &activity_;
    ViewState &views_;
    ProgrammingLock &lock_;
    Prompter &prompter_;
    HintSource hints_;
};

} // namespace quelta
