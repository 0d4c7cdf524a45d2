#pragma once

#include <QObject>
#include <QPersistentModelIndex>

class QAbstractItemView;
class QComboBox;
class QWidget;

namespace quelta {
struct OptionCombo;
}

namespace quelta::ui {

// An option combo of a grid: it lies hidden on the grid and is shown over one option cell, two
// pixels in from the cell's top-left corner and as wide as the cell, its start item selected and
// its list open. Choosing an item, leaving the combo for another control, scrolling the grid or
// resetting its model hide it again.
class CellCombo : public QObject
{
    Q_OBJECT
public:
    CellCombo(QAbstractItemView &view, const OptionCombo &option);

    QComboBox *combo() const { return combo_; }
    bool isShown() const;
    // Over the cell, when it is an option cell and the combo is not there already.
    void show(const QModelIndex &index);
    void hide();
    void toggle(const QModelIndex &index);
    // The grid's current cell decides: an option cell shows the combo over it, any other cell
    // hides it; a click on the option cell already current opens it again.
    void followSelection();

signals:
    // The value of the item chosen for the cell; the combo is hidden by then.
    void chosen(const QModelIndex &cell, const QString &value);

private:
    void showLater(const QModelIndex &index);
    void currentChanged(const QModelIndex &current);
    void itemChosen(int item);
    void focusChanged(QWidget *old, QWidget *now);

    QAbstractItemView &view_;
    const OptionCombo &option_;
    QComboBox *combo_;
    QPersistentModelIndex cell_;
};

} // namespace quelta::ui
