#pragma once

#include "core/model/OptionCombos.h"

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace quelta {

// One of the device's contact lists kept in the cloud, as the "Accesos" page edits it: the phone
// list (deletion mark, number, name, enabled, door button) or the app-user list (deletion mark,
// e-mail, alias, enabled, door buttons, hidden user identifier). Row 0 is the title row, data rows
// run from 1. Beside the cells, a shadow holds each row as last read from the cloud: a cell that
// differs from it is a pending change. The list in use ends before the first row whose columns 1
// and 2 are both empty.
class ContactTable : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class Kind { Phones, Users };
    enum Role { ShadowRole = Qt::UserRole, ModifiedRole, CheckColumnRole };

    static constexpr int kRows = 1024;
    static constexpr int kMarkColumn = 0;
    static constexpr int kEnabledColumn = 3;
    static constexpr int kButtonColumn = 4;
    static constexpr int kUserIdColumn = 5;
    // CBSGTelefons: a phone's door button, "0" to "4", chosen over its cell.
    static constexpr OptionCombo kButtonCombo{"CBSGTelefons", "SGTelefons", kButtonColumn, kButtonColumn, ComboItems::Levels};

    explicit ContactTable(Kind kind, QObject *parent = nullptr);

    Kind kind() const { return kind_; }
    int rows() const { return kRows; }
    int columns() const { return columns_; }
    // The titles and widths of the columns (-1: hidden).
    static QStringList titles(Kind kind);
    static QList<int> widths(Kind kind);

    QString text(int row, int column) const { return cells_.at(at(row, column)); }
    QString shadow(int row, int column) const { return shadow_.at(at(row, column)); }
    bool isModified(int row, int column) const { return text(row, column) != shadow(row, column); }
    void setText(int row, int column, const QString &text);
    // A row as the cloud holds it: cells and shadow alike.
    void storeRow(int row, const QStringList &cells);

    // The rows of the list: 1 to listEnd() - 1.
    int listEnd() const;
    // Whether the row's cells from `first` to `last` differ from its shadow.
    bool rowChanged(int row, int first, int last) const;

    // Titles, every data cell and the shadow emptied, "Guardar" and "Eliminar" hidden.
    void clear();

    // A left click on a data cell of the deletion or enabled column. Phone marks stay once set;
    // user marks toggle. The enabled flag toggles ("1" <-> "0", anything else becomes "1").
    void click(int row, int column);
    // Sorts the list by column 1 or 2 (any other does nothing), without regard to case in the
    // user's locale; rows move whole and become their own shadow. False when nothing was sorted.
    bool sortBy(int column);

    // The cell is shown as a pending change while changes may be marked: "Guardar" appears, and
    // the first showing of each cell counts. True when it should be counted.
    bool shownModified(int row, int column);
    bool saveShown() const { return saveShown_; }
    bool deleteShown() const { return deleteShown_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    bool isCheckColumn(int column) const { return column == kMarkColumn || column == kEnabledColumn; }
    // The columns typed into: number and name of a phone; e-mail and buttons of a user.
    bool isTyped(int column) const;

signals:
    void saveShownChanged(bool shown);
    void deleteShownChanged(bool shown);

private:
    qsizetype at(int row, int column) const { return qsizetype(row) * columns_ + column; }
    void cellChanged(int row, int column);
    void setSaveShown(bool shown);
    void setDeleteShown(bool shown);
    bool anyMarked() const;

    Kind kind_;
    int columns_;
    QStringList cells_;
    QStringList shadow_;
    QList<bool> counted_;
    bool saveShown_ = false;
    bool deleteShown_ = false;
};

} // namespace quelta
