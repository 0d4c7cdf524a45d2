#include "ui/editors/ListGrid.h"

#include <QColor>
#include <QHeaderView>
#include <QTableWidget>

namespace quelta::ui {

void styleListGrid(QTableWidget &grid, int rowHeight)
{
    static const QColor headerColour(0xCC, 0xE3, 0xFF);
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionBehavior(QAbstractItemView::SelectRows);
    grid.setSelectionMode(QAbstractItemView::SingleSelection);
    grid.setWordWrap(false);
    grid.setAlternatingRowColors(true);
    grid.verticalHeader()->hide();
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.verticalHeader()->setDefaultSectionSize(rowHeight);

    QHeaderView *header = grid.horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setHighlightSections(false);
    header->setSectionsClickable(false);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    header->setStyleSheet(QStringLiteral("QHeaderView::section { background-color: %1; padding: 4px;"
                                         " border: none; border-right: 1px solid #9FBCE0;"
                                         " border-bottom: 1px solid #9FBCE0; }")
                              .arg(headerColour.name()));
}

} // namespace quelta::ui
