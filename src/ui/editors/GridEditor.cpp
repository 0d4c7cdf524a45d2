#include "ui/editors/GridEditor.h"

#include "core/model/OptionCombos.h"
#include "ui/editors/TypedKey.h"
#include "core/model/GridModel.h"
#include "ui/pages/GridView.h"
#include "core/model/InputRules.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

namespace quelta::ui {
namespace {

constexpr int kComboInset = 2;

// What stays of the cell as a key is typed: a key typed on the grid opens the editor with the text
// replaced; in the editor it replaces the selection.
QString keptText(const QLineEdit *editor)
{
    if (!editor)
        return {};
    QString text = editor->text();
    return editor->hasSelectedText() ? text.remove(editor->selectionStart(), editor->selectedText().size()) : text;
}

bool isPress(const QEvent &event)
{
    return event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
}

} // namespace

GridEditor::GridEditor(GridView &view)
    : QObject(&view)
    , view_(view)
    , grid_(*view.grid())
    , option_(optionComboOf(grid_.name()))
{
    view_.installEventFilter(this);
    view_.viewport()->installEventFilter(this);
    connect(&view_, &GridView::editorOpened, this, [this](QWidget *editor) {
        editor->installEventFilter(this);
        editor->setContextMenuPolicy(Qt::NoContextMenu); // pasting goes through the paste rule
    });
    if (!option_)
        return;
    buildCombo();
    view_.setTypingRule([this](int column) { return !isOptionCell(*option_, column); });
    connect(view_.selectionModel(), &QItemSelectionModel::currentChanged, this, &GridEditor::currentChanged);
    connect(&view_, &GridView::clicked, this, &GridEditor::clicked);
    connect(view_.verticalScrollBar(), &QScrollBar::valueChanged, this, &GridEditor::hideCombo);
    connect(view_.horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridEditor::hideCombo);
    connect(&grid_, &GridModel::modelReset, this, &GridEditor::hideCombo);
}

void GridEditor::buildCombo()
{
    combo_ = new QComboBox(view_.viewport());
    combo_->setObjectName(QLatin1String(option_->name));
    combo_->hide();
    connect(combo_, &QComboBox::activated, this, &GridEditor::comboChosen);
    connect(qApp, &QApplication::focusChanged, this, &GridEditor::focusChanged);
}

// The installer left the combo for another control. The grid itself and the combo's list are not
// another control: the grid's selection decides there.
void GridEditor::focusChanged(QWidget *, QWidget *now)
{
    const bool elsewhere = now && now != combo_ && now != &view_ && now->window() != combo_->view()->window();
    if (combo_->isVisible() && elsewhere)
        hideCombo();
}

bool GridEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        return keyPressed(static_cast<QKeyEvent &>(*event), watched == &view_ ? nullptr : static_cast<QWidget *>(watched));
    if (watched == view_.viewport() && isPress(*event))
        return mousePressed(static_cast<QMouseEvent &>(*event));
    return QObject::eventFilter(watched, event);
}

// True when the key is dealt with here and goes no further.
bool GridEditor::keyPressed(const QKeyEvent &event, QWidget *editor)
{
    const QModelIndex index = view_.currentIndex();
    const QChar key = typedKey(event);
    if (!index.isValid() || key.isNull())
        return false;
    const auto *line = qobject_cast<QLineEdit *>(editor);
    const QString name = grid_.name();
    const QString header = grid_.text(0, index.column());
    const QString text = line ? line->text() : grid_.text(index.row() + 1, index.column());
    const GridCell cell{name, header, index.column(), keptText(line)};
    switch (gridKeyOutcome(cell, key)) {
    case KeyOutcome::Accept: return false;
    case KeyOutcome::Refuse: return true;
    case KeyOutcome::Escape:
        if (combo_ && escapeTogglesCombo(name))
            toggleCombo(index);
        else if (combo_)
            hideCombo();
        return key != QChar(kKeyEscape); // a real Escape still closes an open text editor
    case KeyOutcome::Copy: QApplication::clipboard()->setText(text); return true;
    case KeyOutcome::Paste:
        if (const std::optional<QString> pasted = pastedText(cell, QApplication::clipboard()->text()))
            setCellText(index, *pasted, editor);
        return true;
    }
    return false;
}

// An open editor takes the text and commits it as it closes; otherwise the cell takes it at once.
void GridEditor::setCellText(const QModelIndex &index, const QString &text, QWidget *editor)
{
    if (auto *line = qobject_cast<QLineEdit *>(editor))
        line->setText(text);
    else
        view_.model()->setData(index, text);
}

// A quick second click turns a check cell back, as two slow clicks would.
bool GridEditor::mousePressed(const QMouseEvent &event)
{
    const QModelIndex index = view_.indexAt(event.position().toPoint());
    if (event.button() == Qt::LeftButton && index.isValid() && grid_.isFlagColumn(index.column()))
        grid_.toggleCheck(index.row() + 1, index.column());
    return false;
}

// One-cell grids toggle their combo on a click instead. The combo opens once the mouse press that
// selected the cell is handled, so the view does not take the focus back from it.
void GridEditor::currentChanged(const QModelIndex &current)
{
    if (option_->toggledByClick)
        return;
    if (!current.isValid() || !isOptionCell(*option_, current.column())) {
        hideCombo();
        return;
    }
    const QPersistentModelIndex cell(current);
    QMetaObject::invokeMethod(this, [this, cell] {
        if (cell == view_.currentIndex())
            showCombo(cell);
    }, Qt::QueuedConnection);
}

// A click on the option cell already selected opens its combo again.
void GridEditor::clicked(const QModelIndex &index)
{
    const QPersistentModelIndex cell(option_->toggledByClick ? grid_.index(0, 0) : index);
    QMetaObject::invokeMethod(this, [this, cell] {
        if (option_->toggledByClick)
            toggleCombo(cell);
        else
            showCombo(cell);
    }, Qt::QueuedConnection);
}

void GridEditor::toggleCombo(const QModelIndex &index)
{
    if (combo_->isVisible())
        hideCombo();
    else
        showCombo(index);
}

// Over the cell, two pixels in, as wide as the cell, its list open.
void GridEditor::showCombo(const QModelIndex &index)
{
    const bool shown = combo_->isVisible() && comboCell_ == index;
    if (shown || !index.isValid() || !isOptionCell(*option_, index.column()))
        return;
    const QRect cell = view_.visualRect(index);
    combo_->clear();
    combo_->addItems(comboItems(*option_)); // in the language now chosen
    combo_->setCurrentIndex(comboStartItem(*option_));
    combo_->setGeometry(cell.left() + kComboInset, cell.top() + kComboInset, cell.width(), combo_->sizeHint().height());
    comboCell_ = index;
    combo_->show();
    combo_->raise();
    combo_->setFocus(Qt::OtherFocusReason);
    combo_->showPopup();
}

void GridEditor::hideCombo()
{
    combo_->hidePopup();
    // Hiding the focused combo would pass the focus on as a Tab does, moving the current cell.
    if (combo_->hasFocus())
        view_.setFocus(Qt::OtherFocusReason);
    combo_->hide();
    comboCell_ = QPersistentModelIndex();
}

void GridEditor::comboChosen(int item)
{
    if (comboCell_.isValid() && item >= 0)
        view_.model()->setData(comboCell_, comboValue(combo_->itemText(item)));
    hideCombo();
}

} // namespace quelta::ui
