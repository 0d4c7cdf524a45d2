#pragma once

#include <QLabel>

namespace quelta::ui {

class GridView;

// A caption over a run of a grid's columns, kept over them as the columns are sized and the grid
// moves. It takes a line of the grid's box above the grid.
class ColumnCaption : public QLabel
{
public:
    static constexpr int kHeight = 20;

    ColumnCaption(GridView &grid, int first, int last);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();

    GridView &grid_;
    int first_;
    int last_;
};

} // namespace quelta::ui
