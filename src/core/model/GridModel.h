#pragma once

#include "core/model/Bindings.h"

#include <QAbstractTableModel>
#include <QList>

namespace quelta {

// One configuration grid: its cells, the shadow of what the device last confirmed, a flag word per
// check cell (bit 0 ticked, bit 1 changed by the installer) and a marker per cell (the editors'
// modified mark). Rows and columns are counted as the device's tables count them: row 0 is the
// title row, data rows run from 1. As a table model it shows the data rows under the titles.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int kModifiedMarker = 255;

    enum Role { ShadowRole = Qt::UserRole, FlagsRole, MarkerRole, ModifiedRole, FlagColumnRole };

    GridModel(const GridBinding &binding, QObject *parent = nullptr);

    const GridBinding &binding() const { return binding_; }
    QString name() const { return QLatin1String(binding_.name); }
    int rows() const { return binding_.rows; }
    int columns() const { return columns_; }
    bool isFlagColumn(int column) const;

    // The binding number: the entry number of row 1.
    int number() const { return number_; }
    void setNumber(int number) { number_ = number; }

    QString text(int row, int column) const { return cells_.at(at(row, column)); }
    QString shadow(int row, int column) const { return shadow_.at(at(row, column)); }
    int flags(int row, int column) const { return flags_.at(at(row, column)); }
    int marker(int row, int column) const { return markers_.at(at(row, column)); }
    // Text differs from the shadow, or a check cell was toggled.
    bool isModified(int row, int column) const;

    void setText(int row, int column, const QString &text);
    void setShadow(int row, int column, const QString &text);
    void setFlags(int row, int column, int flags);
    void setMarker(int row, int column, int marker);
    // The installer's click on a check cell: the tick turns over, the cell counts as changed and
    // the shadow takes the new tick, so the row is written with it.
    void toggleCheck(int row, int column);
    // True the first time a modified cell is shown after the last forgetCounted.
    bool countOnce(int row, int column);
    void forgetCounted();
    // A row as the device stored it: cells, shadow and flags agree, markers back to normal.
    void storeRow(int row, const QStringList &cells);
    // The empty state: titles, empty cells (or "0" in flag columns), row labels, shadow equal to
    // the cells, flags and markers at 0.
    void reset(const QStringList &titles, const QStringList &rowLabels);
    void setTitles(const QStringList &titles);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Text cells take typed values; the row labels and the check cells do not.
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    qsizetype at(int row, int column) const { return qsizetype(row) * columns_ + column; }
    void cellChanged(int row, int column);

    const GridBinding &binding_;
    int columns_;
    int number_ = 0;
    QStringList cells_;
    QStringList shadow_;
    QList<int> flags_;
    QList<int> markers_;
    QList<bool> counted_;
};

} // namespace quelta
