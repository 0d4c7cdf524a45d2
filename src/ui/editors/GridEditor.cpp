#include "ui/editors/GridEditor.h"

#include "core/model/OptionCombos.h"
#include "ui/editors/CellCombo.h"
#include "ui/editors/TypedKey.h"
#include "core/model/GridModel.h"
#include "ui/pages/GridView.h"
#include "core/model/InputRules.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace quelta::ui {
namespace {

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
    if (option_)
        buildCombo();
}

QComboBox *GridEditor::combo() const
{
    return combo_ ? combo_->combo() : nullptr;
}

// One-cell grids toggle their combo on a click; the others follow the selection.
void GridEditor::buildCombo()
{
    combo_ = new CellCombo(view_, *option_);
    view_.setTypingRule([this](int column) { return !isOptionCell(*option_, column); });
    connect(combo_, &CellCombo::chosen, this,
            [this](const QModelIndex &cell, const QString &value) { view_.model()->setData(cell, value); });
    if (option_->toggledByClick)
        connect(&view_, &GridView::clicked, this, &GridEditor::toggleFirstCellLater);
    else
        combo_->followSelection();
}

// After the mouse press is handled, so the view does not take the focus back from the combo.
void GridEditor::toggleFirstCellLater()
{
    QMetaObject::invokeMethod(this, [this] { combo_->toggle(grid_.index(0, 0)); }, Qt::QueuedConnection);
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
            combo_->toggle(index);
        else if (combo_)
            combo_->hide();
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

} // namespace quelta::ui
