#pragma once

#include <QStringView>

#include <vector>

namespace quelta::ui {

// How wide one grid column is drawn. Fixed columns keep their pixels; shares divide what the fixed
// columns leave; the rest column takes whatever remains, so the columns fill the grid.
struct ColumnWidth
{
    enum class Kind { Fixed, Share, Rest };
    Kind kind = Kind::Fixed;
    int pixels = 0;     // Fixed: the width; Share: numerator of the free width
    int parts = 1;      // Share: denominator
    bool text = false;  // aliases, labels and messages read from the left; the rest is centred
};

// The columns of a bound grid, by its control name; empty for a grid the table does not know.
const std::vector<ColumnWidth> &gridColumns(QStringView grid);

// Column widths for a grid whose drawing area is width pixels wide.
std::vector<int> columnPixels(const std::vector<ColumnWidth> &columns, int width);
// The narrowest drawing area in which every share and the rest column stay readable.
int minimumColumnsWidth(const std::vector<ColumnWidth> &columns);
// True when every column is fixed: the grid is exactly as wide as its columns.
bool allFixed(const std::vector<ColumnWidth> &columns);

} // namespace quelta::ui
