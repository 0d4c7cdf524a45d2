#include "ui/pages/ContactListsView.h"

#include "core/model/InputRules.h"
#include "core/session/ContactLists.h"
#include "ui/editors/CellCombo.h"
#include "ui/pages/Colours.h"
#include "ui/pages/GridFileButtons.h"
#include "ui/pages/GridView.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTextOption>

namespace quelta::ui {
namespace {

const QColor kHeaderColour{204, 227, 255};

void drawFocus(QPainter &painter, const QStyleOptionViewItem &option)
{
    if (option.state & QStyle::State_HasFocus)
        painter.drawRect(option.rect.adjusted(0, 0, -1, -1));
}

// The operator cells: red where the core shows a change, else the window colour; the text one
// pixel in from the top-left corner. Editing stays with the grid's own delegate, which applies
// its typing rules.
class OperatorCellDelegate : public QStyledItemDelegate
{
public:
    OperatorCellDelegate(ContactLists &lists, GridView &view)
        : QStyledItemDelegate(&view), lists_(lists), own_(*view.itemDelegate())
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool red = lists_.operatorCellShown(index.row() + 1, index.column());
        painter->fillRect(option.rect, red ? colours::kModified : option.palette.base().color());
        painter->setPen(option.palette.text().color());
        painter->drawText(option.rect.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data().toString());
        drawFocus(*painter, option);
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return own_.createEditor(parent, option, index);
    }

private:
    ContactLists &lists_;
    QAbstractItemDelegate &own_;
};

// Algorithm of the contact cells: a pending change red, check cells as check boxes, the text on
// one line, centred in the number and button columns.
class ContactCellDelegate : public QStyledItemDelegate
{
public:
    ContactCellDelegate(ContactLists &lists, ContactTable &table, GridView &view)
        : QStyledItemDelegate(&view), lists_(lists), table_(table), view_(view)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int row = index.row() + 1;
        const int column = index.column();
        const bool red = lists_.cellShown(table_, row, column);
        painter->fillRect(option.rect, red ? colours::kModified : option.palette.base().color());
        if (table_.isCheckColumn(column)) {
            QStyleOptionButton box;
            box.initFrom(&view_);
            box.rect = option.rect;
            const QRect indicator = view_.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &box, &view_);
            box.rect = QRect(QPoint(), indicator.size());
            box.rect.moveCenter(option.rect.center());
            box.state = QStyle::State_Enabled
                | (table_.text(row, column) == QLatin1String("1") ? QStyle::State_On : QStyle::State_Off);
            view_.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, &view_);
            return;
        }
        const bool centred = column == ContactTable::kButtonColumn
            || (table_.kind() == ContactTable::Kind::Phones && column == 1);
        const QRect text = option.rect.adjusted(3, 0, -3, 0);
        painter->setPen(option.palette.text().color());
        QTextOption line((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        line.setWrapMode(QTextOption::NoWrap);
        painter->drawText(QRectF(text), option.fontMetrics.elidedText(table_.text(row, column), Qt::ElideRight, text.width()),
                          line);
        drawFocus(*painter, option);
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        // A phone number takes digits and "+" only.
        if (auto *edit = qobject_cast<QLineEdit *>(editor); edit && table_.kind() == ContactTable::Kind::Phones && index.column() == 1)
            edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9+]*")), edit));
        return editor;
    }

private:
    ContactLists &lists_;
    ContactTable &table_;
    GridView &view_;
};

} // namespace

ContactListsView::ContactListsView(ContactLists &lists, QWidget &pages)
    : QObject(&pages), lists_(lists), pages_(pages)
{
    phonesView_ = pages.findChild<GridView *>(QStringLiteral("SGTelefons"));
    usersView_ = pages.findChild<GridView *>(QStringLiteral("SGUsuaris"));
    if (phonesView_) {
        setUpGrid(*phonesView_, lists.phones());
        addButtonCombo();
    }
    if (usersView_)
        setUpGrid(*usersView_, lists.users());
    if (auto *operators = pages.findChild<GridView *>(QStringLiteral("SGOperadores")))
        setUpOperators(*operators);
    addButtons();
    connect(&lists, &ContactLists::arrowChanged, this, &ContactListsView::showArrow);
    connect(&lists, &ContactLists::beep, this, [] { QApplication::beep(); });
    pages.installEventFilter(this);
    showButtons();
}

void ContactListsView::setUpGrid(GridView &view, ContactTable &table)
{
    view.setModel(&table);
    view.setItemDelegate(new ContactCellDelegate(lists_, table, view));
    view.verticalHeader()->setDefaultSectionSize(kRowHeight);
    view.setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                         | QAbstractItemView::AnyKeyPressed);
    const QList<int> widths = ContactTable::widths(table.kind());
    int total = 0;
    for (int column = 0; column < widths.size(); ++column) {
        view.setColumnHidden(column, widths.at(column) < 0);
        if (widths.at(column) >= 0) {
            view.setColumnWidth(column, widths.at(column));
            total += widths.at(column);
        }
    }
    view.setMinimumWidth(total + view.verticalScrollBar()->sizeHint().width() + 2 * view.frameWidth());
    view.horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: %1; }").arg(kHeaderColour.name()));
    view.horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    view.horizontalHeader()->setSortIndicatorShown(false);
    view.viewport()->installEventFilter(this);
    connect(view.horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this, &table](int column) { lists_.headerReleased(table, column); });
    connect(&table, &ContactTable::saveShownChanged, this, &ContactListsView::showButtons);
    connect(&table, &ContactTable::deleteShownChanged, this, &ContactListsView::showButtons);
}

void ContactListsView::setUpOperators(GridView &view)
{
    view.setItemDelegate(new OperatorCellDelegate(lists_, view));
    connect(&lists_, &ContactLists::operatorMarkingChanged, view.viewport(), qOverload<>(&QWidget::update));
}

// CBSGTelefons over a phone's button cell: the choice is the row's door button.
void ContactListsView::addButtonCombo()
{
    CBSGTelefons_ = new CellCombo(*phonesView_, ContactTable::kButtonCombo);
    CBSGTelefons_->followSelection();
    connect(CBSGTelefons_, &CellCombo::chosen, this,
            [this](const QModelIndex &cell, const QString &value) { lists_.chooseButton(cell.row() + 1, value); });
}

void ContactListsView::busy(const std::function<void()> &work)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    work();
    QApplication::restoreOverrideCursor();
}

void ContactListsView::addButtons()
{
    ContactLists &lists = lists_;
    QWidget &pages = pages_;
    GridFileButtons::addRow(*this, captions_, pages_, "SGOperadores",
        {{"BBEsborraOperadores", QT_TRANSLATE_NOOP("Pages", "Borrar"), [&lists] { lists.BBEsborraOperadoresClick(); }},
            {"BBImportarOperadores", QT_TRANSLATE_NOOP("Pages", "Importar"),
                [this, &lists, &pages] {
                    const QString path = GridFileButtons::openFile(
                        pages, ContactLists::operatorsImportTitle(), ContactLists::operatorsFilter());
                    if (!path.isEmpty())
                        busy([&] { lists.importOperators(path); });
                }},
            {"BBExportarOperadores", QT_TRANSLATE_NOOP("Pages", "Exportar"),
                [&lists, &pages] {
                    const QString path = GridFileButtons::saveFile(
                        pages, ContactLists::operatorsExportTitle(), ContactLists::operatorsFilter());
                    if (!path.isEmpty())
                        lists.exportOperators(path);
                }}},
        GridFileButtons::Placement::Beside);
    GridFileButtons::addRow(*this, captions_, pages_, "SGTelefons",
        {{"BBLlegirTel", QT_TRANSLATE_NOOP("Pages", "Cargar tel."),
             [this, &lists] { busy([&] { lists.BBLlegirTelClick(); }); }},
            {"BBGuardarTel", QT_TRANSLATE_NOOP("Pages", "Guardar"),
                [this, &lists] { busy([&] { lists.BBGuardarTelClick(); }); }},
            {"BBEliminarTel", QT_TRANSLATE_NOOP("Pages", "Eliminar"),
                [this, &lists] { busy([&] { lists.BBEliminarTelClick(); }); }},
            {"BBImportarTel", QT_TRANSLATE_NOOP("Pages", "Importar"),
                [this, &lists, &pages] {
                    const QString path = GridFileButtons::openFile(
                        pages, ContactLists::phonesImportTitle(), ContactLists::phonesFilter());
                    if (!path.isEmpty())
                        busy([&] { lists.importPhones(path); });
                }},
            {"BBExportarTel", QT_TRANSLATE_NOOP("Pages", "Exportar"), [&lists, &pages] {
                 const QString path = GridFileButtons::saveFile(
                     pages, ContactLists::phonesExportTitle(), ContactLists::phonesFilter());
                 if (!path.isEmpty())
                     lists.exportPhones(path);
             }}});
    GridFileButtons::addRow(*this, captions_, pages_, "SGUsuaris",
        {{"BBLlegirUsuaris", QT_TRANSLATE_NOOP("Pages", "Cargar usuario"),
             [this, &lists] { busy([&] { lists.BBLlegirUsuarisClick(); }); }},
            {"BbGuardarUsuaris", QT_TRANSLATE_NOOP("Pages", "Guardar"),
                [this, &lists] { busy([&] { lists.BbGuardarUsuarisClick(); }); }},
            {"BBEliminarUsuaris", QT_TRANSLATE_NOOP("Pages", "Eliminar"),
                [this, &lists] { busy([&] { lists.BBEliminarUsuarisClick(); }); }}});
}

// "Guardar" from the first painted change, "Eliminar" from the first mark, until the next clearing.
void ContactListsView::showButtons()
{
    const auto show = [this](const char *name, bool shown) {
        if (auto *button = pages_.findChild<QPushButton *>(QLatin1String(name)))
            button->setVisible(shown);
    };
    show("BBGuardarTel", lists_.phones().saveShown());
    show("BBEliminarTel", lists_.phones().deleteShown());
    show("BbGuardarUsuaris", lists_.users().saveShown());
    show("BBEliminarUsuaris", lists_.users().deleteShown());
}

GridView *ContactListsView::viewOf(const ContactTable &table) const
{
    return &table == &lists_.phones() ? phonesView_ : usersView_;
}

// The arrow at the right of the sorted column's title: the header's own sort indicator.
void ContactListsView::showArrow()
{
    for (GridView *view : {phonesView_, usersView_}) {
        if (!view)
            continue;
        const bool here = lists_.arrowTable() && viewOf(*lists_.arrowTable()) == view;
        view->horizontalHeader()->setSortIndicatorShown(here);
        if (here)
            view->horizontalHeader()->setSortIndicator(lists_.arrowColumn(), Qt::AscendingOrder);
    }
}

bool ContactListsView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &pages_ && event->type() == QEvent::LanguageChange)
        captions_.retranslate();
    if (event->type() != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    auto *mouse = static_cast<QMouseEvent *>(event);
    for (GridView *view : {phonesView_, usersView_}) {
        if (!view || watched != view->viewport() || mouse->button() != Qt::LeftButton)
            continue;
        const QModelIndex index = view->indexAt(mouse->position().toPoint());
        if (!index.isValid())
            continue;
        auto &table = static_cast<ContactTable &>(*view->model());
        if (table.isCheckColumn(index.column())) {
            view->setCurrentIndex(index);
            table.click(index.row() + 1, index.column());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quelta::ui
