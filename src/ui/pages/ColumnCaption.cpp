#include "ui/pages/ColumnCaption.h"

#include "ui/pages/GridView.h"

#include <QBoxLayout>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>

namespace quelta::ui {

ColumnCaption::ColumnCaption(GridView &grid, int first, int last)
    : QLabel(grid.parentWidget())
    , grid_(grid)
    , first_(first)
    , last_(last)
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    if (auto *layout = qobject_cast<QBoxLayout *>(grid.parentWidget()->layout()))
        layout->insertSpacing(layout->indexOf(&grid), kHeight);
    connect(grid.horizontalHeader(), &QHeaderView::sectionResized, this, &ColumnCaption::place);
    connect(grid.horizontalScrollBar(), &QScrollBar::valueChanged, this, &ColumnCaption::place);
    grid.installEventFilter(this);
}

bool ColumnCaption::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &grid_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        place();
    return QLabel::eventFilter(watched, event);
}

void ColumnCaption::place()
{
    const int left = grid_.columnViewportPosition(first_);
    const int right = grid_.columnViewportPosition(last_) + grid_.columnWidth(last_);
    const QPoint origin = grid_.pos() + grid_.viewport()->pos();
    setGeometry(origin.x() + left, grid_.y() - kHeight, right - left, kHeight);
    // Over its columns only while the grid shows them from its first scrollable column on.
    setVisible(grid_.columnAt(0) <= 1);
}

} // namespace quelta::ui
