#pragma once

#include "ui/pages/PageContents.h"

#include <functional>
#include <vector>

class QWidget;

namespace quelta {
class ConfigurationModel;
}

namespace quelta::ui {

class Captions;
class GridView;

// Builds panels from their contents: every control named as the system names it, fields by
// their kind in the binding tables, grids as views over the model's grids.
class PageBuilder
{
public:
    PageBuilder(ConfigurationModel &model, Captions &captions);

    // The panel's widget: its title line over its groups.
    QWidget *build(const Panel &panel, QWidget *parent);
    // Every grid built so far.
    const std::vector<GridView *> &grids() const { return grids_; }

    // The name of a panel's title line: "LTitol" and the panel's name without its "P".
    static QString titleName(const Panel &panel);

private:
    QWidget *buildGroup(const Group &group, QWidget *parent);
    QWidget *buildField(const FieldBinding &binding, const Control &control, QWidget *parent);
    QWidget *buildGrid(const Control &control, QWidget *parent);

    ConfigurationModel &model_;
    Captions &captions_;
    std::vector<GridView *> grids_;
};

} // namespace quelta::ui
