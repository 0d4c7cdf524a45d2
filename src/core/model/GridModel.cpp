#include "core/model/GridModel.h"

#include <algorithm>
#include <utility>

namespace quelta {

GridModel::GridModel(const GridBinding &binding, QObject *parent)
    : QAbstractTableModel(parent)
    , binding_(binding)
    , columns_(static_cast<int>(binding.headers.size()))
{
    setObjectName(name());
    const qsizetype cells = qsizetype(binding.rows + 1) * columns_;
    cells_.resize(cells);
    shadow_.resize(cells);
    flags_.resize(cells);
    markers_.resize(cells);
    counted_.resize(cells);
}

bool GridModel::isFlagColumn(int column) const
{
    return std::find(binding_.flagColumns.cbegin(), binding_.flagColumns.cend(), column) != binding_.flagColumns.cend();
}

bool GridModel::isModified(int row, int column) const
{
    return text(row, column) != shadow(row, column) || (flags(row, column) & 2) != 0;
}

void GridModel::cellChanged(int row, int column)
{
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column, column);
        return;
    }
    const QModelIndex changed = createIndex(row - 1, column);
    emit dataChanged(changed, changed);
}

void GridModel::setText(int row, int column, const QString &text)
{
    cells_[at(row, column)] = text;
    cellChanged(row, column);
}

void GridModel::setShadow(int row, int column, const QString &text)
{
    shadow_[at(row, column)] = text;
    cellChanged(row, column);
}

void GridModel::setFlags(int row, int column, int flags)
{
    flags_[at(row, column)] = flags;
    cellChanged(row, column);
}

void GridModel::setMarker(int row, int column, int marker)
{
    markers_[at(row, column)] = marker;
    cellChanged(row, column);
}

void GridModel::toggleCheck(int row, int column)
{
    const qsizetype cell = at(row, column);
    flags_[cell] = (flags_.at(cell) ^ 1) | 2;
    shadow_[cell] = (flags_.at(cell) & 1) != 0 ? QStringLiteral("1") : QStringLiteral("0");
    // Turned back, the tick equals the device's again; the marker still has the row written.
    if (binding_.markers)
        markers_[cell] = kModifiedMarker;
    cellChanged(row, column);
}

bool GridModel::countOnce(int row, int column)
{
    bool &counted = counted_[at(row, column)];
    return !std::exchange(counted, true);
}

void GridModel::forgetCounted()
{
    counted_.fill(false);
}

void GridModel::storeRow(int row, const QStringList &cells)
{
    const int first = binding_.fixedColumn ? 1 : 0;
    for (int column = first; column < columns_ && column - first < cells.size(); ++column) {
        const qsizetype cell = at(row, column);
        cells_[cell] = cells.at(column - first);
        shadow_[cell] = cells_.at(cell);
        markers_[cell] = 0;
        if (isFlagColumn(column))
            flags_[cell] = cells_.at(cell) == QLatin1String("1") ? 1 : 0;
    }
    // One notice per row: storing a thousand-line stream must not repaint a thousand times over.
    emit dataChanged(createIndex(row - 1, first), createIndex(row - 1, columns_ - 1));
}

void GridModel::reset(const QStringList &titles, const QStringList &rowLabels)
{
    beginResetModel();
    for (int column = 0; column < columns_; ++column)
        cells_[at(0, column)] = titles.value(column);
    for (int row = 1; row <= binding_.rows; ++row) {
        for (int column = 0; column < columns_; ++column) {
            const qsizetype cell = at(row, column);
            cells_[cell] = isFlagColumn(column) ? QStringLiteral("0") : QString();
            flags_[cell] = 0;
            markers_[cell] = 0;
        }
        if (binding_.fixedColumn)
            cells_[at(row, 0)] = rowLabels.value(row - 1);
    }
    shadow_ = cells_;
    forgetCounted();
    endResetModel();
}

void GridModel::setTitles(const QStringList &titles)
{
    for (int column = 0; column < columns_ && column < titles.size(); ++column)
        cells_[at(0, column)] = titles.at(column);
    emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : binding_.rows;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant GridModel::data(const QModelIndex &modelIndex, int role) const
{
    if (!modelIndex.isValid())
        return {};
    const int row = modelIndex.row() + 1;
    const int column = modelIndex.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole: return text(row, column);
    case ShadowRole: return shadow(row, column);
    case FlagsRole: return flags(row, column);
    case MarkerRole: return marker(row, column);
    case ModifiedRole: return isModified(row, column);
    case FlagColumnRole: return isFlagColumn(column);
    default: return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    const bool label = binding_.fixedColumn && index.column() == 0;
    return label || isFlagColumn(index.column()) ? base : base | Qt::ItemIsEditable;
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString typed = value.toString();
    if (typed != text(index.row() + 1, index.column()))
        setText(index.row() + 1, index.column(), typed);
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < columns_ ? text(0, section) : QVariant();
    return section + 1;
}

} // namespace quelta
