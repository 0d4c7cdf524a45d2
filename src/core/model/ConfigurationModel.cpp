#include "core/model/ConfigurationModel.h"

#include "core/base/TransferActivity.h"
#include "core/link/LinkState.h"
#include "core/model/ParameterDictionary.h"

#include <QCoreApplication>
#include <QLocale>

namespace quelta {
namespace {

QString translated(const char *text)
{
    return QCoreApplication::translate("Grids", text);
}

bool isDecimal(const QString &code)
{
    return !code.isEmpty() && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c.isDigit(); });
}

// A parameter code of the header as a number: four decimal digits, as every device code has; any
// other code binds to nothing.
int codeNumber(const QString &code)
{
    constexpr qsizetype kCodeLength = 4;
    return code.size() == kCodeLength && isDecimal(code) ? code.toInt() : -1;
}

bool hasAny(const QString &text, std::initializer_list<const char *> parts)
{
    return std::any_of(parts.begin(), parts.end(), [&text](const char *part) { return text.contains(QLatin1String(part)); });
}

QString flagText(const QString &field)
{
    return field.isEmpty() || field == QLatin1String("0") ? QStringLiteral("0") : QStringLiteral("1");
}

constexpr int kDefaultTimeZonePosition = 11;

} // namespace

ConfigurationModel::ConfigurationModel(const LinkState &link, const TransferActivity &activity, QObject *parent)
    : QObject(parent)
    , link_(link)
    , activity_(activity)
{
    for (const FieldBinding &binding : fieldBindings()) {
        SingleField field;
        field.binding = &binding;
        fields_.push_back(field);
    }
    for (const GridBinding &binding : gridBindings())
        grids_.push_back(std::make_unique<GridModel>(binding, this));
}

ConfigurationModel::~ConfigurationModel() = default;

bool ConfigurationModel::markingAllowed() const
{
    return !activity_.running() && link_.circuit;
}

void ConfigurationModel::InicialitzaPunters(const ParameterDictionary &dictionary)
{
    for (SingleField &field : fields_)
        bindField(field, dictionary);
    for (const auto &grid : grids_)
        bindGrid(*grid, dictionary);
}

void ConfigurationModel::bindField(SingleField &field, const ParameterDictionary &dictionary) const
{
    const QString code = dictionary.codeOf(QString::fromLatin1(field.binding->parameter));
    const int number = codeNumber(code);
    field.number = number >= 0 ? field.binding->offset + number : 0;
}

// The door grids count their entries in hexadecimal after 40; the industrial grid keeps its
// design number.
void ConfigurationModel::bindGrid(GridModel &grid, const ParameterDictionary &dictionary) const
{
    const QString code = dictionary.codeOf(QString::fromLatin1(grid.binding().parameter));
    const QString name = grid.name();
    if (name.startsWith(QLatin1String("SGBoto")))
        grid.setNumber(4000 + code.mid(2, 2).toInt(nullptr, 16));
    else if (name == QLatin1String("SGEquipIndus"))
        grid.setNumber(3000);
    else if (const int number = codeNumber(code); number >= 0)
        grid.setNumber(grid.binding().parameterOffset + number);
    else
        grid.setNumber(0);
}

SingleField *ConfigurationModel::field(QStringView name)
{
    for (SingleField &field : fields_) {
        if (name == QLatin1String(field.binding->name))
            return &field;
    }
    return nullptr;
}

GridModel *ConfigurationModel::grid(QStringView name) const
{
    for (const auto &grid : grids_) {
        if (name == QLatin1String(grid->binding().name))
            return grid.get();
    }
    return nullptr;
}

void ConfigurationModel::setVisiblePanelPage(std::optional<ProgPage> page)
{
    visiblePanelPage_ = page;
    emit visiblePanelPageChanged();
}

bool ConfigurationModel::isPageVisible(ProgPage page) const
{
    return static_cast<int>(page) <= static_cast<int>(ProgPage::Usuari) || visiblePanelPage_ == page;
}

// --- Storing ---------------------------------------------------------------------------------------

bool ConfigurationModel::storeEntry(int number, const QString &value)
{
    bool stored = false;
    const bool sharedAguileraCode = (number == 9500 || number == 9750) && isPageVisible(ProgPage::CentralAguilera);
    for (SingleField &field : fields_) {
        if (field.number != number || (field.binding->kind == FieldKind::Edit && sharedAguileraCode))
            continue;
        storeField(field, value, CheckListRule::Stream);
        stored = true;
    }
    if (GridModel *target = gridFor(number)) {
        Llegir_StringGrid(*target, value, number);
        stored = true;
    }
    return stored;
}

void ConfigurationModel::storeField(SingleField &field, const QString &value, CheckListRule rule)
{
    switch (field.binding->kind) {
    case FieldKind::Edit:
        fieldStored(field, field.binding->part < 0 ? value : value.split(QLatin1Char(';')).value(field.binding->part));
        break;
    case FieldKind::CheckBox:
        fieldStored(field, value == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0"));
        break;
    case FieldKind::CheckList: {
        QString items = field.value.leftJustified(4, QLatin1Char('0'), true);
        for (int i = 0; i < 4 && i < value.size(); ++i) {
            const QChar c = value.at(i);
            if (rule == CheckListRule::Stream && !c.isDigit())
                break;
            const bool ticked = rule == CheckListRule::Stream ? c == QLatin1Char('1') : c != QLatin1Char('0');
            items[i] = ticked ? QLatin1Char('1') : QLatin1Char('0');
        }
        fieldStored(field, items);
        break;
    }
    case FieldKind::Combo: {
        // The device sends the zone's offset from the list's eleventh item.
        constexpr int kFirstOffset = -10;
        bool whole = false;
        const int offset = value.trimmed().toInt(&whole);
        const bool listed = whole && offset >= kFirstOffset && offset < kFirstOffset + kTimeZoneItems;
        fieldStored(field, QString::number(listed ? offset - kFirstOffset : kDefaultTimeZonePosition));
        break;
    }
    }
}

void ConfigurationModel::fieldStored(SingleField &field, const QString &value)
{
    field.value = value;
    field.state = FieldState::Read;
    field.enabled = true;
    emit fieldChanged(field);
}

int ConfigurationModel::rangeOf(const GridModel &grid) const
{
    const QString name = grid.name();
    if (name == QLatin1String("SGCentralBC600"))
        return hasAny(link_.central, {"BC600", "BC216"}) ? grid.rows() : 1;
    if (name == QLatin1String("SGLlistatZonesAgui"))
        return hasAny(link_.central, {"AE/SA", "AGE", "AE/C5"}) ? grid.rows() : 1;
    // The Urano block has a tenth entry that no row shows.
    if (name == QLatin1String("SGCentralUrano"))
        return grid.rows() + 1;
    return grid.rows();
}

// Panel grids share codes: they take entries only while their page is the one shown. The
// industrial grid is never filled by a read.
bool ConfigurationModel::acceptsEntry(const GridModel &grid, int number) const
{
    const QString name = grid.name();
    if (grid.number() <= 0 || name == QLatin1String("SGEquipIndus"))
        return false;
    if (number < grid.number() || number >= grid.number() + rangeOf(grid))
        return false;
    return !name.startsWith(QLatin1String("SGCentral")) || isPageVisible(grid.binding().page);
}

GridModel *ConfigurationModel::gridFor(int number) const
{
    for (const auto &grid : grids_) {
        if (acceptsEntry(*grid, number))
            return grid.get();
    }
    return nullptr;
}

QString ConfigurationModel::padEventKind(const GridModel &grid, const QString &kind) const
{
    const QString name = grid.name();
    int digits = 0;
    if (name == QLatin1String("SGCentralSupra"))
        digits = 3;
    else if (name == QLatin1String("SGCentralID3000"))
        digits = 4;
    else if (name == QLatin1String("SGCentralBC600"))
        digits = link_.central == QLatin1String("BC600") ? 4 : link_.central.contains(QLatin1String("BC216")) ? 2 : 0;
    else if (name != QLatin1String("SGCentralZafir"))
        digits = 2;
    return kind.isEmpty() ? kind : kind.rightJustified(digits, QLatin1Char('0'));
}

// The value's fields in the order of the row's columns (after the fixed one, if any).
QStringList ConfigurationModel::rowFields(const GridModel &grid, const QString &value, int number) const
{
    const int width = grid.columns() - (grid.binding().fixedColumn ? 1 : 0);
    QStringList fields = value.isEmpty() ? QStringList(width, QString()) : value.split(QLatin1Char(';'));
    switch (grid.binding().form) {
    case RowForm::Plain:
        break;
    case RowForm::AliasLast:
        fields.prepend(fields.takeLast());
        break;
    case RowForm::EventKind: {
        const qsizetype colon = fields.first().indexOf(QLatin1Char(':'));
        if (colon >= 0) {
            const QString first = fields.takeFirst();
            fields.prepend(first.mid(colon + 1));
            fields.prepend(first.left(colon));
        }
        fields[0] = padEventKind(grid, fields.first());
        break;
    }
    case RowForm::Characters:
        fields.clear();
        for (const QChar c : value)
            fields.append(QString(c));
        break;
    case RowForm::InputFlags: {
        const QString inputs = value.section(QLatin1Char(';'), 1, 1).leftJustified(16, QLatin1Char('0'), true);
        fields.clear();
        for (const QChar c : inputs)
            fields.append(QString(c));
        fields.append(value.section(QLatin1Char(';'), 0, 0));
        break;
    }
    case RowForm::ZoneName:
        if (fields.size() == 1)
            fields = number == 9750 && isDecimal(fields.first()) ? QStringList() : QStringList{QString(), fields.first()};
        break;
    }
    if (fields.isEmpty())
        return fields;
    while (fields.size() < width)
        fields.append(QString());
    fields = fields.mid(0, width);
    const int first = grid.binding().fixedColumn ? 1 : 0;
    for (int i = 0; i < width; ++i) {
        if (grid.isFlagColumn(i + first))
            fields[i] = flagText(fields.at(i));
    }
    return fields;
}

void ConfigurationModel::Llegir_StringGrid(GridModel &grid, const QString &value, int number)
{
    int row = number - grid.number() + 1;
    GridModel *target = &grid;
    // The test grids' second and third entries are the tamper and power rows.
    if (row > 1 && (grid.name() == QLatin1String("SGTest") || grid.name() == QLatin1String("SGTestOpc"))) {
        const bool options = grid.name() == QLatin1String("SGTestOpc");
        target = this->grid(row == 2 ? (options ? u"SGTamperOpc" : u"SGTamper") : (options ? u"SGAlimOpc" : u"SGAlim"));
        row = 1;
    }
    if (!target || row < 1 || row > target->rows())
        return;
    const QStringList fields = rowFields(*target, value, number);
    if (!fields.isEmpty())
        target->storeRow(row, fields);
}

// --- Editing ---------------------------------------------------------------------------------------

void ConfigurationModel::editField(SingleField &field, const QString &value)
{
    // A check box never read from the device, or refused by it, cannot be ticked: the click is undone.
    if (field.binding->kind == FieldKind::CheckBox
        && (field.state == FieldState::Empty || field.state == FieldState::Refused)) {
        emit fieldChanged(field);
        return;
    }
    field.value = value;
    if (markingAllowed() && field.state != FieldState::Modified) {
        field.state = FieldState::Modified;
        ++ncampsModificats_;
    }
    emit fieldChanged(field);
}

void ConfigurationModel::countShownModified(GridModel &grid, int row, int column)
{
    if (grid.countOnce(row, column))
        ++ncampsModificats_;
}

void ConfigurationModel::resetModifiedCount()
{
    ncampsModificats_ = 0;
    for (const auto &grid : grids_)
        grid->forgetCounted();
}

void ConfigurationModel::refuseField(SingleField &field)
{
    if (field.binding->kind == FieldKind::Edit)
        field.value.clear();
    field.state = FieldState::Refused;
    field.enabled = false;
    emit fieldChanged(field);
}

void ConfigurationModel::CampsPantallaCLWindow()
{
    for (SingleField &field : fields_) {
        if (field.state != FieldState::Modified)
            continue;
        field.state = FieldState::Read;
        field.enabled = true;
        emit fieldChanged(field);
    }
}

// --- Clearing --------------------------------------------------------------------------------------

void ConfigurationModel::clearField(SingleField &field)
{
    switch (field.binding->kind) {
    case FieldKind::Edit: field.value.clear(); break;
    case FieldKind::CheckBox: field.value = QStringLiteral("0"); break;
    case FieldKind::CheckList: field.value = QStringLiteral("0000"); break;
    case FieldKind::Combo: field.value.clear(); break;
    }
    field.state = FieldState::Empty;
    emit fieldChanged(field);
}

QStringList ConfigurationModel::rowLabels(const GridModel &grid) const
{
    QStringList labels;
    const GridBinding &binding = grid.binding();
    if (binding.labels == RowLabels::Numbered) {
        for (int row = 1; row <= binding.rows; ++row)
            labels.append(QString::number(row));
    } else if (binding.labels == RowLabels::Listed) {
        for (const char *label : binding.rowLabels)
            labels.append(translated(label));
    }
    // The AD300 grid shows its first and last labels in capitals, each after one blank.
    if (grid.name() == QLatin1String("SGCentralAD300")) {
        for (qsizetype i = 0; i + 1 < labels.size(); ++i)
            labels[i] = QLatin1Char(' ') + (i == 0 ? QLocale().toUpper(labels.at(i)) : labels.at(i));
        labels.last() = QLocale().toUpper(labels.last());
    }
    return labels;
}

void ConfigurationModel::resetGrid(GridModel &grid)
{
    QStringList titles;
    for (const char *header : grid.binding().headers)
        titles.append(*header ? translated(header) : QString());
    grid.reset(titles, rowLabels(grid));
}

void ConfigurationModel::runClearRoutine(const QString &routine)
{
    for (const auto &grid : grids_) {
        if (routine == QLatin1String(grid->binding().clearRoutine))
            resetGrid(*grid);
    }
}

void ConfigurationModel::Esborra_param()
{
    for (SingleField &field : fields_)
        clearField(field);
    for (const auto &grid : grids_)
        resetGrid(*grid);
}

void ConfigurationModel::clearPage(ProgPage page)
{
    for (SingleField &field : fields_) {
        if (field.binding->page == page)
            clearField(field);
    }
    for (const auto &grid : grids_) {
        if (grid->binding().page == page)
            runClearRoutine(QString::fromLatin1(grid->binding().clearRoutine));
    }
}

} // namespace quelta
