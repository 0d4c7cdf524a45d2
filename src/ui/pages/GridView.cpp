#include "ui/pages/GridView.h"

#include "core/model/ConfigurationModel.h"
#include "core/model/GridModel.h"
#include "ui/pages/Colours.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>

namespace quelta::ui {
namespace {

// The header takes each column's alignment, so titles sit over their texts.
class GridHeader : public QHeaderView
{
public:
    explicit GridHeader(GridView &view)
        : QHeaderView(Qt::Horizontal, &view)
        , view_(view)
    {
    }

protected:
    void initStyleOptionForIndex(QStyleOptionHeader *option, int logicalIndex) const override
    {
        QHeaderView::initStyleOptionForIndex(option, logicalIndex);
        option->textAlignment = view_.alignment(logicalIndex) | Qt::AlignVCenter;
    }

private:
    const GridView &view_;
};

class GridCellDelegate : public QStyledItemDelegate
{
public:
    explicit GridCellDelegate(GridView &view)
        : QStyledItemDelegate(&view)
        , view_(view)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool red = index.data(GridModel::ModifiedRole).toBool() && view_.markingAllowed();
        if (red) {
            painter->fillRect(option.rect, colours::kModified);
            view_.shownModified(index);
        }
        if (index.data(GridModel::FlagColumnRole).toBool())
            paintCheck(painter, option, index);
        else
            paintText(painter, option, index, red);
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (!view_.acceptsTyping(index.column()))
            return nullptr;
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        emit view_.editorOpened(editor);
        return editor;
    }

private:
    void paintText(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index, bool red) const
    {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        cell.displayAlignment = view_.alignment(index.column()) | Qt::AlignVCenter;
        if (red)
            cell.backgroundBrush = colours::kModified;
        view_.style()->drawControl(QStyle::CE_ItemViewItem, &cell, painter, &view_);
    }

    void paintCheck(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
    {
        QStyleOptionButton box;
        box.initFrom(&view_);
        box.rect = option.rect;
        const QRect indicator = view_.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &box, &view_);
        box.rect = QRect(QPoint(), indicator.size());
        box.rect.moveCenter(option.rect.center());
        const bool ticked = (index.data(GridModel::FlagsRole).toInt() & 1) != 0;
        box.state = QStyle::State_Enabled | (ticked ? QStyle::State_On : QStyle::State_Off);
        view_.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, &view_);
    }

    const GridView &view_;
};

std::vector<ColumnWidth> scaledColumns(std::vector<ColumnWidth> columns, double scale)
{
    for (ColumnWidth &column : columns) {
        if (column.kind == ColumnWidth::Kind::Fixed)
            column.pixels = qRound(column.pixels * scale);
    }
    return columns;
}

} // namespace

GridView::GridView(const QString &name, QWidget *parent)
    : QTableView(parent)
{
    setUpView(name);
}

bool GridView::markingAllowed() const
{
    return model_ && model_->markingAllowed();
}

GridView::GridView(GridModel &grid, ConfigurationModel &model, QWidget *parent)
    : QTableView(parent)
    , grid_(&grid)
    , model_(&model)
    , columnScale_(std::max(1.0, fontMetrics().averageCharWidth() / kDesignCharWidth))
    , columns_(scaledColumns(gridColumns(grid.name()), columnScale_))
{
    Q_ASSERT(int(columns_.size()) == grid.columns());
    setHorizontalHeader(new GridHeader(*this));
    setUpView(grid.name());
    setModel(&grid);
    setItemDelegate(new GridCellDelegate(*this));
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    fitSize(grid.rows());
}

void GridView::shownModified(const QModelIndex &index) const
{
    model_->countShownModified(*grid_, index.row() + 1, index.column());
}

// Fixed sections: nothing is ever measured against the contents, so storing a row repaints that
// row and no more.
void GridView::setUpView(const QString &name)
{
    setObjectName(name);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(0);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setWordWrap(false);
    setAlternatingRowColors(false);
}

int GridView::heightFor(int rows) const
{
    return horizontalHeader()->sizeHint().height() + rows * kRowHeight + 2 * frameWidth();
}

// A grid of fixed columns is exactly as wide as they are; the others leave room for a scroll bar.
void GridView::fitSize(int rows)
{
    if (rows <= kShownRows) {
        fullHeight_ = heightFor(rows);
        setMaximumHeight(fullHeight_);
        setMinimumHeight(heightFor(std::min(rows, kMinimumRows)));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    } else {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    const int scrollBar = rows > kMinimumRows ? verticalScrollBar()->sizeHint().width() : 0;
    const int width = minimumColumnsWidth(columns_) + 2 * frameWidth();
    if (allFixed(columns_))
        setFixedWidth(width + scrollBar);
    else
        setMinimumWidth(width + scrollBar);
}

QSize GridView::sizeHint() const
{
    const QSize hint = QTableView::sizeHint();
    return fullHeight_ > 0 ? QSize(hint.width(), fullHeight_) : hint;
}

Qt::Alignment GridView::alignment(int column) const
{
    const bool text = column >= 0 && column < int(columns_.size()) && columns_[size_t(column)].text;
    return text ? Qt::AlignLeft : Qt::AlignHCenter;
}

void GridView::clearCellSelection()
{
    if (!selectionModel())
        return;
    selectionModel()->clear();
}

void GridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    applyColumnWidths();
}

void GridView::applyColumnWidths()
{
    const std::vector<int> pixels = columnPixels(columns_, viewport()->width());
    for (size_t column = 0; column < pixels.size(); ++column)
        setColumnWidth(int(column), pixels[column]);
}

void GridView::wheelEvent(QWheelEvent *event)
{
    event->accept();
}

} // namespace quelta::ui
