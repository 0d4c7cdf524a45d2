#include "core/templates/Templates.h"

#include "core/base/Prompter.h"
#include "core/base/TransferActivity.h"
#include "core/base/ViewState.h"
#include "core/codecs/AnsiCodec.h"
#include "core/link/LinkState.h"
#include "core/link/ProgrammingLock.h"
#include "core/model/ConfigurationModel.h"
#include "core/transfer/RowValues.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>

namespace quelta {

// Which rows of a grid a template holds.
enum class RowsSaved {
    All,
    FirstCellFilled, // operators: only the rows naming one
    UntilGap,        // zones: up to the first row with neither Contact ID nor name
    UntilEmpty,      // event lists and doors: up to the first wholly empty row
};

// A grid's rows in a template: its columns from the first one on, flag columns taken from the
// shadow (which holds the tick the installer set), joined by ";".
struct TemplateRowLayout
{
    const char16_t *grid;
    int firstColumn;
    bool trailingSeparator;
    RowsSaved rows;
};

namespace {

const QString kComplete = QStringLiteral("PLANTILLA COMPLETA");
const QString kPartial = QStringLiteral("PLANTILLA PARCIAL");
const QString kPanelTypeName = QStringLiteral("1590");
const QString kStandardPanel = QStringLiteral("Estandar");
const QString kDescriptionStart = QStringLiteral(" {");
const QString kRowGapValue = QStringLiteral(";;;");
const QString kEmptyEventValue = QStringLiteral(";;;;;");

// In the order they are saved; the grids after SGPerduaCOM belong to a panel tab.
const std::vector<TemplateRowLayout> &gridLayouts()
{
    using R = RowsSaved;
    static const std::vector<TemplateRowLayout> layouts{
        {u"SGOperadores", 0, true, R::FirstCellFilled},
        {u"SGCra", 0, false, R::All},
        {u"SGEntrades", 1, false, R::All},
        {u"SGEntradesOpc", 0, false, R::All},
        {u"SGSortides", 1, false, R::All},
        {u"SGSortidesTemps", 1, false, R::All},
        {u"SGSortidesEnt", 1, false, R::All},
        {u"SGSortidesOpc", 0, false, R::All},
        {u"SGInici", 0, false, R::All},
        {u"SGTest", 0, false, R::All},
        {u"SGTestOpc", 0, false, R::All},
        {u"SGTamper", 0, false, R::All},
        {u"SGTamperOpc", 0, false, R::All},
        {u"SGAlim", 0, false, R::All},
        {u"SGAlimOpc", 0, false, R::All},
        {u"SGPerduaCOM", 1, false, R::All},
        {u"SGCentralAgui", 1, false, R::All},
        {u"SGLlistatZonesAgui", 0, true, R::UntilGap},
        {u"SGCentralBC600", 1, false, R::UntilEmpty},
        {u"SGBCApp", 0, false, R::All},
        {u"SGBoto1", 1, false, R::UntilEmpty},
        {u"SGBoto2", 1, false, R::UntilEmpty},
        {u"SGBoto3", 1, false, R::UntilEmpty},
        {u"SGBoto4", 1, false, R::UntilEmpty},
        {u"SGEquipIndus", 0, false, R::All},
        {u"SGCentralCofem", 1, false, R::All},
        {u"SGCentralUrano", 1, false, R::All},
        {u"SGCentralSyncro", 1, false, R::UntilEmpty},
        {u"SGCentralAvenarBosch", 1, false, R::UntilEmpty},
        {u"SGCentralAD300", 1, false, R::UntilEmpty},
        {u"SGCentralSupra", 1, false, R::UntilEmpty},
        {u"SGCentralZafir", 1, false, R::All},
        {u"SGCentralID3000", 1, false, R::UntilEmpty},
    };
    return layouts;
}

bool isPanelPage(ProgPage page)
{
    return static_cast<int>(page) > static_cast<int>(ProgPage::Usuari);
}

// A row's NAME: its entry number, or for the door grids the device's row code.
QString rowName(const GridModel &grid, int row)
{
    if (grid.name().startsWith(QLatin1String("SGBoto")))
        return rowWrite(grid, row).code;
    return QString::number(grid.number() + row - 1);
}

QString rowValue(const GridModel &grid, const TemplateRowLayout &layout, int row)
{
    QStringList parts;
    for (int column = layout.firstColumn; column < grid.columns(); ++column)
        parts.append(grid.isFlagColumn(column) ? grid.shadow(row, column) : grid.text(row, column));
    return parts.join(QLatin1Char(';')) + (layout.trailingSeparator ? QStringLiteral(";") : QString());
}

bool rowDiffersFromShadow(const GridModel &grid, int row)
{
    for (int column = 0; column < grid.columns(); ++column) {
        if (grid.text(row, column) != grid.shadow(row, column))
            return true;
    }
    return false;
}

// The value of an item line without its description. The description is a hint sentence and
// holds no " {", so cutting at the last one keeps a value that happens to contain it.
std::optional<QString> itemValue(const std::optional<QString> &raw)
{
    if (!raw)
        return std::nullopt;
    const qsizetype description = raw->lastIndexOf(kDescriptionStart);
    if (description < 0)
        return std::nullopt;
    return raw->left(description);
}

QString flagText(const QString &field)
{
    return field.isEmpty() || field == QLatin1String("0") ? QStringLiteral("0") : QStringLiteral("1");
}

// The time-zone list's items read "(UTC+01:00) ...": its characters 5 to 7 are the offset's sign
// and hours, and the list starts at UTC-10:00.
QString timeZoneOffset(const QString &position)
{
    bool ok = false;
    const int index = position.toInt(&ok);
    return ok ? QString::asprintf("%+03d", index - 10) : QString();
}

TemplateResult unreadable(const QString &error)
{
    return {TemplateStatus::Unreadable,
            Templates::tr("Se ha producido un error al cargar la plantilla\r\n\r\nERROR : ") + error};
}

DialogRequest errorDialog(const QString &message)
{
    return {dialog::error(), message, DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}, 0};
}

} // namespace

// NAME=VALUE lookup as a name=value list does it: the first line of a name wins, names compare
// without case (door codes carry hexadecimal letters).
class TemplateValues
{
public:
    explicit TemplateValues(const QStringList &lines)
    {
        for (const QString &line : lines) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals < 0)
                continue;
            const QString name = line.left(equals).toUpper();
            if (!values_.contains(name))
                values_.insert(name, line.mid(equals + 1));
        }
    }

    std::optional<QString> raw(const QString &name) const
    {
        const auto found = values_.constFind(name.toUpper());
        return found == values_.cend() ? std::nullopt : std::optional<QString>(*found);
    }
    std::optional<QString> item(const QString &name) const { return itemValue(raw(name)); }

private:
    QHash<QString, QString> values_;
};

Templates::Templates(ConfigurationModel &model, LinkState &link, const TransferActivity &activity, ViewState &views,
                     ProgrammingLock &lock, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , model_(model)
    , link_(link)
    , activity_(activity)
    , views_(views)
    , lock_(lock)
    , prompter_(prompter)
{
}

bool Templates::allowed()
{
    return !activity_.running() && lock_.allowsProgramming();
}

// --- Saving ----------------------------------------------------------------------------------------

TemplateResult Templates::MIICrearplantillaClick(const PathChooser &choosePath)
{
    if (!allowed())
        return {TemplateStatus::Refused, {}};
    showProgrammingView();
    DialogRequest question = dialog::warning(
        tr("Si desea guardar una plantilla con todos los campos, pulse [Todo]\r\n"
           "Si desea guardar una plantilla con los campos marcados, pulse [Rojo]"));
    question.buttons = {DialogResult::Yes, DialogResult::No};
    question.captions = {tr("Rojo"), tr("Todo")};
    const TemplateScope scope =
        prompter_.ElMeuMessageDlg(question) == DialogResult::Yes ? TemplateScope::Partial : TemplateScope::Complete;

    const QString path = choosePath();
    if (path.isEmpty())
        return {TemplateStatus::Cancelled, {}};
    if (QFile::exists(path)
        && prompter_.ElMeuMessageDlg(dialog::confirmation(tr("Esta plantilla ya existe, ¿desea sobreescribirla?")))
               == DialogResult::No)
        return {TemplateStatus::Cancelled, {}};

    const TemplateResult result = save(path, scope);
    if (result.ok())
        prompter_.ElMeuMessageDlg(dialog::information(
            dialog::confirmacio(), path + QStringLiteral("\r\n\r\n") + tr("    Plantilla creada correctamente    ")));
    else
        prompter_.ElMeuMessageDlg(errorDialog(result.message));
    return result;
}

// Saving takes the panel items of the visible tab: without the programming view, that is the
// connected panel's.
void Templates::showProgrammingView()
{
    if (views_.isShown(View::Programacio))
        return;
    views_.setPanelmostrat(View::Programacio);
    model_.setVisiblePanelPage(panelPageFor(link_.central));
    emit programmingViewRequested();
    views_.setResultText(QString());
}

TemplateResult Templates::save(const QString &path, TemplateScope scope)
{
    showProgrammingView();
    // Written aside and put in place at the end: a failed save leaves no half template behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !save(file, scope) || !file.commit())
        return {TemplateStatus::Unwritable, file.errorString()};
    return {};
}

bool Templates::save(QIODevice &device, TemplateScope scope) const
{
    const QByteArray bytes = ansi::encode(templateLines(scope).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return device.write(bytes) == bytes.size();
}

QStringList Templates::templateLines(TemplateScope scope) const
{
    QStringList lines{scope == TemplateScope::Partial ? kPartial : kComplete};
    appendFields(lines, scope);
    for (const TemplateRowLayout &layout : gridLayouts()) {
        const GridModel *grid = model_.grid(layout.grid);
        if (grid && model_.isPageVisible(grid->binding().page))
            appendGrid(lines, *grid, layout, scope);
    }
    return lines;
}

QString Templates::description(const char *controlName) const
{
    if (!hints_)
        return {};
    return hints_(QString::fromLatin1(controlName)).split(QStringLiteral("\r\n")).value(1);
}

QString Templates::line(const QString &name, const QString &value, const char *controlName) const
{
    return name + QLatin1Char('=') + value + kDescriptionStart + description(controlName) + QLatin1Char('}');
}

void Templates::appendFields(QStringList &lines, TemplateScope scope) const
{
    for (const FieldKind kind : {FieldKind::Edit, FieldKind::Combo, FieldKind::CheckBox, FieldKind::CheckList}) {
        for (const SingleField &field : model_.fields()) {
            if (field.binding->kind == kind && fieldSaved(field, scope))
                lines.append(line(QString::number(field.number), fieldValue(field), field.binding->name));
        }
    }
}

// A door's three times travel together: they are saved once, with the first of them, when any
// of them was changed.
bool Templates::fieldSaved(const SingleField &field, TemplateScope scope) const
{
    if (field.number <= 0 || qstrcmp(field.binding->name, "EMAC") == 0 || field.binding->part > 0
        || !model_.isPageVisible(field.binding->page))
        return false;
    if (scope == TemplateScope::Complete || field.code() == kPanelTypeName)
        return true;
    if (field.binding->part < 0)
        return field.state == FieldState::Modified;
    const auto &fields = model_.fields();
    return std::any_of(fields.cbegin(), fields.cend(), [&field](const SingleField &other) {
        return other.number == field.number && other.binding->part >= 0 && other.state == FieldState::Modified;
    });
}

QString Templates::fieldValue(const SingleField &field) const
{
    switch (field.binding->kind) {
    case FieldKind::Edit: {
        if (field.binding->part == 0) {
            QStringList times(3);
            for (const SingleField &other : model_.fields()) {
                if (other.number == field.number && other.binding->part >= 0 && other.binding->part < 3)
                    times[other.binding->part] = other.value;
            }
            return times.join(QLatin1Char(';'));
        }
        if (field.code() == kPanelTypeName && field.value.isEmpty())
            return kStandardPanel;
        return field.value;
    }
    case FieldKind::Combo: return timeZoneOffset(field.value);
    case FieldKind::CheckBox: return field.value == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    case FieldKind::CheckList: return field.value.leftJustified(4, QLatin1Char('0'), true);
    }
    return field.value;
}

void Templates::appendGrid(QStringList &lines, const GridModel &grid, const TemplateRowLayout &layout,
                           TemplateScope scope) const
{
    for (int row = 1; row <= grid.rows(); ++row) {
        const QString value = rowValue(grid, layout, row);
        if ((layout.rows == RowsSaved::UntilGap && value.contains(kRowGapValue))
            || (layout.rows == RowsSaved::UntilEmpty && value == kEmptyEventValue))
            break;
        if (layout.rows == RowsSaved::FirstCellFilled && grid.text(row, 0).isEmpty())
            continue;
        if (scope == TemplateScope::Partial && !rowDiffersFromShadow(grid, row))
            continue;
        lines.append(line(rowName(grid, row), value, grid.binding().name));
    }
}

// --- Loading ---------------------------------------------------------------------------------------

TemplateResult Templates::MIIImportarPlantillaClick(const PathChooser &choosePath)
{
    if (!allowed())
        return {TemplateStatus::Refused, {}};
    const QString path = choosePath();
    if (path.isEmpty())
        return {TemplateStatus::Cancelled, {}};
    const TemplateResult result = load(path);
    if (!result.ok()) {
        prompter_.ElMeuMessageDlg(errorDialog(result.message));
        return result;
    }
    views_.setPanelmostrat(View::Programacio);
    emit programmingViewRequested();
    views_.setResultText(tr("Plantilla") + QStringLiteral("  ") + path);
    prompter_.ElMeuMessageDlg(
        dialog::information(dialog::confirmacio(), path + QStringLiteral("\r\n\r\n") + tr("    Plantilla cargada    ")));
    return result;
}

TemplateResult Templates::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(file.errorString());
    return load(file);
}

// The whole file is read before anything is applied: a file that breaks off changes nothing.
TemplateResult Templates::load(QIODevice &device)
{
    const QByteArray bytes = device.readAll();
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    if (!device.isReadable() || (file && file->error() != QFileDevice::NoError))
        return unreadable(device.errorString());
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    return Carrega_dades_fitxer(ansi::decode(bytes).split(lineEnd));
}

TemplateResult Templates::Carrega_dades_fitxer(const QStringList &lines)
{
    const TemplateValues values(lines);
    const std::optional<QString> panelLine = values.raw(kPanelTypeName);
    const QString panel = panelLine ? panelLine->left(panelLine->indexOf(QLatin1Char('{'))).trimmed() : QString();
    if (panel.isEmpty())
        return {TemplateStatus::Invalid, tr("Esta plantilla no es correcta")};
    if (link_.circuittrobat) {
        const bool fits = link_.central.isEmpty() ? panel.contains(kStandardPanel) : link_.central.contains(panel);
        if (!fits)
            return {TemplateStatus::PanelMismatch, tr("El tipo de central de la plantilla y del equipo no coinciden")};
    }
    // Whether the template is complete or partial changes nothing here: a loaded list that
    // differs from the device is due, and the write engine clears a due event or zone list
    // before writing it back whole.
    const std::optional<ProgPage> panelPage = panelPageFor(panel);
    loadFields(values, panelPage);
    loadGrids(values, panelPage);
    link_.plantillaImportada = true;
    return {};
}

void Templates::addModified(int count)
{
    model_.setNcampsModificats(model_.ncampsModificats() + count);
}

// Every loaded control is marked and counted, even when it was already marked: loading twice
// counts twice. The read-only controls (panel type, MAC address) are never loaded. A panel tab's
// edits are loaded only into the tab of the template's panel, as only that tab's were saved: the
// panels' edits share codes, and with the Aguilera zone list NAMEs 9500 and 9750 are zone rows,
// not the other panels' file name and address.
void Templates::loadFields(const TemplateValues &values, std::optional<ProgPage> panelPage)
{
    for (SingleField &field : model_.fields()) {
        const ProgPage page = field.binding->page;
        if (field.number <= 0 || field.binding->readOnly || (isPanelPage(page) && page != panelPage))
            continue;
        const std::optional<QString> value = values.item(QString::number(field.number));
        if (!value)
            continue;
        model_.storeField(field, *value, CheckListRule::Stream);
        field.state = FieldState::Modified;
        field.enabled = true;
        emit model_.fieldChanged(field);
        addModified(1);
    }
}

// Text cells take their fields and are due when they differ from the shadow. A check cell takes
// its tick in the cell, the flag and the shadow; a tick that differs from the shadow's is marked
// changed so that the row is written with it.
void Templates::loadRow(GridModel &grid, const TemplateRowLayout &layout, int row, const QString &value)
{
    const QStringList fields = value.split(QLatin1Char(';'));
    for (int column = layout.firstColumn; column < grid.columns(); ++column) {
        if (column == 0 && grid.binding().fixedColumn)
            continue; // the row's label
        const QString field = fields.value(column - layout.firstColumn);
        if (!grid.isFlagColumn(column)) {
            grid.setText(row, column, field);
            continue;
        }
        const QString tick = flagText(field);
        const bool changed = tick != grid.shadow(row, column);
        grid.setText(row, column, tick);
        grid.setShadow(row, column, tick);
        int flags = (grid.flags(row, column) & ~1) | (tick == QLatin1String("1") ? 1 : 0);
        if (changed) {
            flags |= 2;
            grid.setMarker(row, column, GridModel::kModifiedMarker);
        }
        grid.setFlags(row, column, flags);
    }
    addModified(1);
}

// The grids of pages 0 to 2, then the panel's, chosen by the template's panel type, whose tab is
// shown. The door grids are emptied first, so that a template's doors replace the ones shown.
void Templates::loadGrids(const TemplateValues &values, std::optional<ProgPage> panelPage)
{
    if (panelPage == ProgPage::Portes)
        model_.runClearRoutine(QStringLiteral("Esborra_BotonsPortes"));
    for (const TemplateRowLayout &layout : gridLayouts()) {
        GridModel *grid = model_.grid(layout.grid);
        const ProgPage page = grid->binding().page;
        if (isPanelPage(page) && page != panelPage)
            continue;
        for (int row = 1; row <= grid->rows(); ++row) {
            if (const std::optional<QString> value = values.item(rowName(*grid, row)))
                loadRow(*grid, layout, row, *value);
        }
    }
    if (panelPage)
        model_.setVisiblePanelPage(panelPage);
}

} // namespace quelta
