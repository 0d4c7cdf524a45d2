#include "core/model/ContactTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <utility>

namespace quelta {
namespace {

struct ContactTexts
{
    Q_DECLARE_TR_FUNCTIONS(Contacts)
};

// Without regard to case, in the user's locale.
int compareTexts(const QString &a, const QString &b)
{
    return QString::localeAwareCompare(a.toLower(), b.toLower());
}

} // namespace

ContactTable::ContactTable(Kind kind, QObject *parent)
    : QAbstractTableModel(parent)
    , kind_(kind)
    , columns_(kind == Kind::Phones ? 5 : 6)
{
    setObjectName(kind == Kind::Phones ? QStringLiteral("SGTelefons") : QStringLiteral("SGUsuaris"));
    const qsizetype cells = qsizetype(kRows + 1) * columns_;
    cells_.resize(cells);
    shadow_.resize(cells);
    counted_.resize(cells);
    const QStringList titles = ContactTable::titles(kind_);
    for (int column = 0; column < columns_; ++column)
        cells_[at(0, column)] = shadow_[at(0, column)] = titles.value(column);
}

QStringList ContactTable::titles(Kind kind)
{
    QString reference = ContactTexts::tr("Referencia: ");
    reference.remove(QLatin1Char(':'));
    if (kind == Kind::Phones)
        return {ContactTexts::tr("Borrar"), ContactTexts::tr("Teléfonos"), reference, ContactTexts::tr("Habilita"), ContactTexts::tr("Botón")};
    return {ContactTexts::tr("Borrar"), ContactTexts::tr("Email"), ContactTexts::tr("Alias"), ContactTexts::tr("Habilita"), ContactTexts::tr("Botón"), QString()};
}

QList<int> ContactTable::widths(Kind kind)
{
    if (kind == Kind::Phones)
        return {40, 100, 150, 60, 60};
    return {40, 140, 110, 60, 60, -1};
}

void ContactTable::cellChanged(int row, int column)
{
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    const QModelIndex changed = createIndex(row - 1, column);
    emit dataChanged(changed, changed);
}

void ContactTable::setText(int row, int column, const QString &text)
{
    if (row < 0 || row > kRows || column < 0 || column >= columns_)
        return;
    cells_[at(row, column)] = text;
    cellChanged(row, column);
}

void ContactTable::storeRow(int row, const QStringList &cells)
{
    if (row < 1 || row > kRows)
        return;
    for (int column = 0; column < columns_; ++column) {
        cells_[at(row, column)] = cells.value(column);
        shadow_[at(row, column)] = cells.value(column);
        counted_[at(row, column)] = false;
    }
    emit dataChanged(createIndex(row - 1, 0), createIndex(row - 1, columns_ - 1));
}

int ContactTable::listEnd() const
{
    int row = 1;
    while (row <= kRows && !(text(row, 1).isEmpty() && text(row, 2).isEmpty()))
        ++row;
    return row;
}

bool ContactTable::rowChanged(int row, int first, int last) const
{
    for (int column = first; column <= last; ++column) {
        if (isModified(row, column))
            return true;
    }
    return false;
}

void ContactTable::clear()
{
    beginResetModel();
    const QStringList titles = ContactTable::titles(kind_);
    for (int column = 0; column < columns_; ++column)
        cells_[at(0, column)] = titles.value(column);
    std::fill(cells_.begin() + columns_, cells_.end(), QString());
    shadow_ = cells_;
    counted_.fill(false);
    endResetModel();
    setSaveShown(false);
    setDeleteShown(false);
}

bool ContactTable::anyMarked() const
{
    for (int row = 1; row <= kRows; ++row) {
        if (text(row, kMarkColumn) == QLatin1String("1"))
            return true;
    }
    return false;
}

void ContactTable::click(int row, int column)
{
    if (row < 1 || row > kRows)
        return;
    const bool ticked = text(row, column) == QLatin1String("1");
    if (column == kEnabledColumn) {
        setText(row, column, ticked ? QStringLiteral("0") : QStringLiteral("1"));
        return;
    }
    if (column != kMarkColumn)
        return;
    if (kind_ == Kind::Phones) {
        // Only a reload takes a phone's mark away.
        setText(row, column, QStringLiteral("1"));
        setDeleteShown(true);
        return;
    }
    setText(row, column, ticked ? QStringLiteral("0") : QStringLiteral("1"));
    // "Eliminar" stays while any user is still marked.
    setDeleteShown(!ticked || anyMarked());
}

bool ContactTable::sortBy(int column)
{
    if (column != 1 && column != 2)
        return false;
    const int end = listEnd();
    QList<QStringList> list;
    for (int row = 1; row < end; ++row) {
        QStringList cells;
        for (int c = 0; c < columns_; ++c)
            cells << text(row, c);
        list << cells;
    }
    // Equal texts keep the order of the rest of their rows, column 0 first.
    std::stable_sort(list.begin(), list.end(), [column](const QStringList &a, const QStringList &b) {
        if (const int order = compareTexts(a.at(column), b.at(column)); order != 0)
            return order < 0;
        for (int c = 0; c < a.size(); ++c) {
            if (c == column)
                continue;
            if (const int order = compareTexts(a.at(c), b.at(c)); order != 0)
                return order < 0;
        }
        return false;
    });
    for (int row = 1; row < end; ++row)
        storeRow(row, list.at(row - 1));
    return true;
}

bool ContactTable::shownModified(int row, int column)
{
    setSaveShown(true);
    return !std::exchange(counted_[at(row, column)], true);
}

void ContactTable::setSaveShown(bool shown)
{
    if (std::exchange(saveShown_, shown) != shown)
        emit saveShownChanged(shown);
}

void ContactTable::setDeleteShown(bool shown)
{
    if (std::exchange(deleteShown_, shown) != shown)
        emit deleteShownChanged(shown);
}

bool ContactTable::isTyped(int column) const
{
    if (kind_ == Kind::Phones)
        return column == 1 || column == 2;
    return column == 1 || column == kButtonColumn;
}

int ContactTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kRows;
}

int ContactTable::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant ContactTable::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return text(row, column);
    case ShadowRole: return shadow(row, column);
    case ModifiedRole: return isModified(row, column);
    case CheckColumnRole: return isCheckColumn(column);
    default: return {};
    }
}

QVariant ContactTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < columns_ ? text(0, section) : QVariant();
    return section + 1;
}

Qt::ItemFlags ContactTable::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return isTyped(index.column()) ? base | Qt::ItemIsEditable : base;
}

bool ContactTable::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isTyped(index.column()))
        return false;
    const QString typed = value.toString();
    if (typed != text(index.row() + 1, index.column()))
        setText(index.row() + 1, index.column(), typed);
    return true;
}

} // namespace quelta
