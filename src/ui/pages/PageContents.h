#pragma once

#include "core/model/Bindings.h"

#include <vector>

namespace quelta::ui {

// One control on a page: a bound field or grid by its control name, with the caption beside a
// field (a check box's own text) or above a grid; nullptr for none. Captions are translatable in
// the context "Pages".
struct Control
{
    const char *name;
    const char *caption = nullptr;
    const char *captionName = nullptr; // the caption label's own name, where a gesture listens on it
};

// A framed group of controls at a cell of its panel's grid layout. Fields are laid out first,
// fieldColumns caption-field pairs to a line; grids follow, one under the other.
struct Group
{
    const char *title;
    int row;
    int column;
    int rowSpan = 1;
    int columnSpan = 1;
    int fieldColumns = 1;
    std::vector<Control> controls;
};

// A panel of the programming pages: its name, the title line over it (nullptr for none), its
// groups and how the width is shared among its columns (equally when not given).
struct Panel
{
    const char *name;
    const char *title;
    std::vector<Group> groups;
    std::vector<int> columnStretches = {};
};

// The panel of a page; the "Usuario" page's panel holds only the section tabs, its sections are
// panels of their own.
const Panel &pagePanel(ProgPage page);
const Panel &sectionPanel(Section section);

// The caption of a page's tab.
const char *pageCaption(ProgPage page);

} // namespace quelta::ui
