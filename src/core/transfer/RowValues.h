#pragma once

#include <QString>

namespace quelta {

class GridModel;

// How the write engine sends a grid row: the value built from its cells and shadow, and the code
// it goes under.
struct RowWrite
{
    QString code;
    QString value;
};

// A row is due when a cell differs from its shadow or, in the grids whose editors mark cells,
// carries the modified marker.
bool rowDue(const GridModel &grid, int row);
RowWrite rowWrite(const GridModel &grid, int row);
// Verifica_StringGrid: the device's echo equals the value the row would be sent with.
bool Verifica_StringGrid(const GridModel &grid, const QString &echo, int row);

} // namespace quelta
