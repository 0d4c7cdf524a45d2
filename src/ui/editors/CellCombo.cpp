#include "ui/editors/CellCombo.h"

#include "core/model/OptionCombos.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>

namespace quelta::ui {
namespace {

constexpr int kComboInset = 2;

} // namespace

CellCombo::CellCombo(QAbstractItemView &view, const OptionCombo &option)
    : QObject(&view)
    , view_(view)
    , option_(option)
    , combo_(new QComboBox(view.viewport()))
{
    combo_->setObjectName(QLatin1String(option_.name));
    combo_->hide();
    connect(combo_, &QComboBox::activated, this, &CellCombo::itemChosen);
    connect(qApp, &QApplication::focusChanged, this, &CellCombo::focusChanged);
    connect(view_.verticalScrollBar(), &QScrollBar::valueChanged, this, &CellCombo::hide);
    connect(view_.horizontalScrollBar(), &QScrollBar::valueChanged, this, &CellCombo::hide);
    connect(view_.model(), &QAbstractItemModel::modelReset, this, &CellCombo::hide);
}

bool CellCombo::isShown() const
{
    return combo_->isVisible();
}

void CellCombo::show(const QModelIndex &index)
{
    const bool there = isShown() && cell_ == index;
    if (there || !index.isValid() || !isOptionCell(option_, index.column()))
        return;
    const QRect cell = view_.visualRect(index);
    combo_->clear();
    combo_->addItems(comboItems(option_)); // in the language now chosen
    combo_->setCurrentIndex(comboStartItem(option_));
    combo_->setGeometry(cell.left() + kComboInset, cell.top() + kComboInset, cell.width(), combo_->sizeHint().height());
    cell_ = index;
    combo_->show();
    combo_->raise();
    combo_->setFocus(Qt::OtherFocusReason);
    combo_->showPopup();
}

void CellCombo::hide()
{
    combo_->hidePopup();
    // Hiding the focused combo would pass the focus on as a Tab does, moving the current cell.
    if (combo_->hasFocus())
        view_.setFocus(Qt::OtherFocusReason);
    combo_->hide();
    cell_ = QPersistentModelIndex();
}

void CellCombo::toggle(const QModelIndex &index)
{
    if (isShown())
        hide();
    else
        show(index);
}

void CellCombo::followSelection()
{
    connect(view_.selectionModel(), &QItemSelectionModel::currentChanged, this, &CellCombo::currentChanged);
    connect(&view_, &QAbstractItemView::clicked, this, &CellCombo::showLater);
}

// The combo opens once the mouse press that selected the cell is handled, so the view does not
// take the focus back from it.
void CellCombo::showLater(const QModelIndex &index)
{
    const QPersistentModelIndex cell(index);
    QMetaObject::invokeMethod(this, [this, cell] {
        if (cell == view_.currentIndex())
            show(cell);
    }, Qt::QueuedConnection);
}

void CellCombo::currentChanged(const QModelIndex &current)
{
    if (current.isValid() && isOptionCell(option_, current.column()))
        showLater(current);
    else
        hide();
}

void CellCombo::itemChosen(int item)
{
    if (cell_.isValid() && item >= 0)
        emit chosen(cell_, comboValue(combo_->itemText(item)));
    hide();
}

// The installer left the combo for another control. The grid itself and the combo's list are not
// another control: the grid's selection decides there.
void CellCombo::focusChanged(QWidget *, QWidget *now)
{
    const bool elsewhere = now && now != combo_ && now != &view_ && now->window() != combo_->view()->window();
    if (isShown() && elsewhere)
        hide();
}

} // namespace quelta::ui
