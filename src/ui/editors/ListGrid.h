#pragma once

class QTableWidget;

namespace quelta::ui {

// The look of the read-only lists (the device directory, the event history): whole rows selected
// one at a time, alternating rows of a fixed height, no row numbers, a bold header on the lists'
// pale blue.
void styleListGrid(QTableWidget &grid, int rowHeight);

} // namespace quelta::ui
