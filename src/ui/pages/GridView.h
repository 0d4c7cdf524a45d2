#pragma once

#include "ui/pages/GridColumns.h"

#include <QTableView>

#include <functional>

namespace quelta {
class ConfigurationModel;
class GridModel;
} // namespace quelta

namespace quelta::ui {

// A configuration grid: a view over one of the core's grid models. Column 0 of the model is the
// grid's own fixed column, so the view's row header stays hidden. Modified cells are painted red
// while marking is allowed (no transfer running and a device answering), and each counts once as
// a modified item; check cells are drawn as check boxes. Text cells are edited in place where the
// typing rule allows. The mouse wheel neither scrolls nor moves the selection.
class GridView : public QTableView
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 22;
    // Grids with up to this many rows ask for the height that shows them all and give way down to
    // kMinimumRows when the page is short; longer grids take the height there is.
    static constexpr int kShownRows = 16;
    static constexpr int kMinimumRows = 4;
    // The average character width the column pixels were drawn for; wider fonts widen the fixed
    // columns in proportion.
    static constexpr double kDesignCharWidth = 5.0;

    // An unbound grid: a name and an empty table.
    explicit GridView(const QString &name, QWidget *parent = nullptr);
    GridView(GridModel &grid, ConfigurationModel &model, QWidget *parent = nullptr);

    GridModel *grid() const { return grid_; }
    bool markingAllowed() const;
    // A cell painted red: counted as modified the first time.
    void shownModified(const QModelIndex &index) const;
    // Which columns open a text editor; all of them unless set.
    void setTypingRule(std::function<bool(int column)> rule) { typingRule_ = std::move(rule); }
    bool acceptsTyping(int column) const { return !typingRule_ || typingRule_(column); }
    double columnScale() const { return columnScale_; }
    Qt::Alignment alignment(int column) const;
    // No cell selected and no current cell.
    void clearCellSelection();

    QSize sizeHint() const override;

signals:
    void editorOpened(QWidget *editor) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void setUpView(const QString &name);
    int heightFor(int rows) const;
    void fitSize(int rows);
    void applyColumnWidths();

    GridModel *grid_ = nullptr;
    ConfigurationModel *model_ = nullptr;
    std::function<bool(int)> typingRule_;
    double columnScale_ = 1.0;
    std::vector<ColumnWidth> columns_;
    int fullHeight_ = 0; // the height that shows every row of a short grid
};

} // namespace quelta::ui
