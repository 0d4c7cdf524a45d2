#pragma once

#include <QObject>

class QComboBox;
class QKeyEvent;
class QMouseEvent;

namespace quelta {
class GridModel;
struct OptionCombo;
} // namespace quelta

namespace quelta::ui {

class CellCombo;
class GridView;

// The editing of one configuration grid: typed text under the grid's key rules, check cells turned
// over by a left click, option cells chosen from the grid's in-cell combo, which lies hidden over
// the grid until one of its cells is selected.
class GridEditor : public QObject
{
    Q_OBJECT
public:
    explicit GridEditor(GridView &view);

    QComboBox *combo() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildCombo();
    bool keyPressed(const QKeyEvent &event, QWidget *editor);
    void setCellText(const QModelIndex &index, const QString &text, QWidget *editor);
    bool mousePressed(const QMouseEvent &event);
    void toggleFirstCellLater();

    GridView &view_;
    GridModel &grid_;
    const OptionCombo *option_ = nullptr;
    CellCombo *combo_ = nullptr;
};

} // namespace quelta::ui
