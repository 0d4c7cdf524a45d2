#include "ui/pages/PageBuilder.h"

#include "core/model/ConfigurationModel.h"
#include "core/model/InputRules.h"
#include "ui/editors/GridEditor.h"
#include "ui/pages/Captions.h"
#include "ui/pages/GridView.h"
#include "ui/pages/TimeZoneList.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace quelta::ui {
namespace {

const FieldBinding *fieldSpec(const char *name)
{
    for (const FieldBinding &binding : fieldBindings()) {
        if (qstrcmp(binding.name, name) == 0)
            return &binding;
    }
    return nullptr;
}

// The parts side by side on one line.
QListWidget *checkList(QWidget *parent)
{
    auto *list = new QListWidget(parent);
    list->setFlow(QListView::LeftToRight);
    list->setSpacing(4);
    for (const char *part : {"GPRS", "ADSL", "COM", "E/S"}) {
        auto *item = new QListWidgetItem(QLatin1String(part), list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    list->setFixedHeight(list->sizeHintForRow(0) + 2 * (list->spacing() + list->frameWidth()));
    return list;
}

// An edit of a few characters is as wide as the widest of them need, and leaves the rest of its
// line to the fields that hold longer texts. False for any other field.
bool keepToItsLength(QWidget &field)
{
    constexpr int kFewCharacters = 6;
    auto *edit = qobject_cast<QLineEdit *>(&field);
    const EditRule *rule = edit ? editRule(edit->objectName()) : nullptr;
    if (!rule || rule->maxLength > kFewCharacters)
        return false;
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    const int text = edit->fontMetrics().horizontalAdvance(QString(rule->maxLength, u'W'));
    edit->setFixedWidth(text + 2 * (frame + 2) + 2); // the edit's own margin is 2 px a side, and the cursor
    return true;
}

QLabel *titleLine(QWidget *parent)
{
    auto *title = new QLabel(parent);
    QFont font = title->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.3);
    title->setFont(font);
    return title;
}

bool fillsHeight(const QWidget &panel)
{
    const QList<GridView *> grids = panel.findChildren<GridView *>();
    return std::any_of(grids.cbegin(), grids.cend(), [](const GridView *grid) {
        return grid->sizePolicy().verticalPolicy() == QSizePolicy::Expanding;
    });
}

// The spare height goes to the rows held only by long grids, so the groups beside them keep to
// their own height.
void shareSpareHeight(QGridLayout &layout, const std::vector<Group> &groups, const std::vector<QWidget *> &boxes)
{
    for (int row = 0; row < layout.rowCount(); ++row) {
        bool held = false;
        bool onlyLongGrids = true;
        for (size_t i = 0; i < groups.size(); ++i) {
            if (row < groups[i].row || row >= groups[i].row + groups[i].rowSpan)
                continue;
            held = true;
            onlyLongGrids = onlyLongGrids && fillsHeight(*boxes[i]);
        }
        layout.setRowStretch(row, held && onlyLongGrids ? 1 : 0);
    }
}

} // namespace

PageBuilder::PageBuilder(ConfigurationModel &model, Captions &captions)
    : model_(model)
    , captions_(captions)
{
}

QString PageBuilder::titleName(const Panel &panel)
{
    return QStringLiteral("LTitol") + QLatin1String(panel.name).mid(1);
}

QWidget *PageBuilder::build(const Panel &panel, QWidget *parent)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(QLatin1String(panel.name));
    auto *layout = new QVBoxLayout(widget);
    if (panel.title) {
        QLabel *title = titleLine(widget);
        title->setObjectName(titleName(panel));
        captions_.add([title](const QString &text) { title->setText(text); }, panel.title);
        layout->addWidget(title);
    }
    auto *groups = new QGridLayout;
    std::vector<QWidget *> boxes;
    for (const Group &group : panel.groups) {
        boxes.push_back(buildGroup(group, widget));
        groups->addWidget(boxes.back(), group.row, group.column, group.rowSpan, group.columnSpan);
    }
    for (int column = 0; column < groups->columnCount(); ++column)
        groups->setColumnStretch(column, panel.columnStretches.empty() ? 1 : panel.columnStretches.at(size_t(column)));
    shareSpareHeight(*groups, panel.groups, boxes);
    layout->addLayout(groups);
    // Panels of short grids keep to the top; a long grid takes the height there is.
    if (!fillsHeight(*widget))
        layout->addStretch(1);
    return widget;
}

// Fields first, caption beside field, in rows of fieldColumns pairs; then the grids.
QWidget *PageBuilder::buildGroup(const Group &group, QWidget *parent)
{
    auto *box = new QGroupBox(parent);
    captions_.add([box](const QString &text) { box->setTitle(text); }, group.title);
    auto *layout = new QVBoxLayout(box);
    auto *fields = new QGridLayout;
    layout->addLayout(fields);
    int placed = 0;
    for (const Control &control : group.controls) {
        const FieldBinding *binding = fieldSpec(control.name);
        if (!binding) {
            layout->addWidget(buildGrid(control, box));
            continue;
        }
        const int row = placed / group.fieldColumns;
        const int column = 2 * (placed % group.fieldColumns);
        if (control.caption && binding->kind != FieldKind::CheckBox) {
            auto *label = new QLabel(box);
            if (control.captionName)
                label->setObjectName(QLatin1String(control.captionName));
            captions_.add([label](const QString &text) { label->setText(text); }, control.caption);
            fields->addWidget(label, row, column);
        }
        QWidget *field = buildField(*binding, control, box);
        fields->addWidget(field, row, column + 1);
        if (!keepToItsLength(*field))
            fields->setColumnStretch(column + 1, 1);
        ++placed;
    }
    if (!fillsHeight(*box))
        layout->addStretch(1);
    return box;
}

QWidget *PageBuilder::buildField(const FieldBinding &binding, const Control &control, QWidget *parent)
{
    QWidget *widget = nullptr;
    switch (binding.kind) {
    case FieldKind::Edit: widget = new QLineEdit(parent); break;
    case FieldKind::CheckBox: {
        auto *box = new QCheckBox(parent);
        captions_.add([box](const QString &text) { box->setText(text); }, control.caption);
        widget = box;
        break;
    }
    case FieldKind::CheckList: widget = checkList(parent); break;
    case FieldKind::Combo: widget = new TimeZoneList(parent); break;
    }
    widget->setObjectName(QLatin1String(binding.name));
    return widget;
}

// A name the model has no grid for is a grid that binds to nothing (the contact lists).
QWidget *PageBuilder::buildGrid(const Control &control, QWidget *parent)
{
    const QString name = QLatin1String(control.name);
    GridModel *model = model_.grid(name);
    GridView *grid = model ? new GridView(*model, model_, parent) : new GridView(name, parent);
    if (model)
        new GridEditor(*grid);
    grids_.push_back(grid);
    if (!control.caption)
        return grid;
    auto *captioned = new QWidget(parent);
    auto *layout = new QVBoxLayout(captioned);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(captioned);
    captions_.add([label](const QString &text) { label->setText(text); }, control.caption);
    layout->addWidget(label);
    layout->addWidget(grid);
    return captioned;
}

} // namespace quelta::ui
