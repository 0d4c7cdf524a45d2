#include "ui/status/EventHistoryView.h"

#include "core/session/EventHistoryScreen.h"
#include "ui/editors/ListGrid.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

constexpr int kRowHeight = 24;
// The picker's lowest date stands for "no date": it shows empty.
const QDate kNoDate(2000, 1, 1);

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

} // namespace

EventHistoryView::EventHistoryView(EventHistoryScreen &screen, QWidget *parent) : QWidget(parent), screen_(screen)
{
    setObjectName(QStringLiteral("PEvents"));

    PEvents2_ = new QLabel(this);
    PEvents2_->setObjectName(QStringLiteral("PEvents2"));
    PEvents2_->setAlignment(Qt::AlignCenter);
    QFont headingFont = PEvents2_->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.4);
    PEvents2_->setFont(headingFont);

    dateCaption_ = new QLabel(this);
    CPEvents_ = new QDateEdit(this);
    CPEvents_->setObjectName(QStringLiteral("CPEvents"));
    CPEvents_->setCalendarPopup(true);
    CPEvents_->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    CPEvents_->setMinimumDate(kNoDate);
    CPEvents_->setSpecialValueText(QStringLiteral(" "));
    CPEvents_->setDate(kNoDate);
    CPEvents_->setMinimumWidth(130);
    dateCaption_->setBuddy(CPEvents_);
    // A date picked in the calendar, or typed and left.
    connect(CPEvents_->calendarWidget(), &QCalendarWidget::clicked, this, &EventHistoryView::dateChosen);
    connect(CPEvents_->calendarWidget(), &QCalendarWidget::activated, this, &EventHistoryView::dateChosen);
    connect(CPEvents_, &QDateEdit::editingFinished, this, [this] { dateChosen(CPEvents_->date()); });
    CPEvents_->calendarWidget()->installEventFilter(this);

    PEsborraData_ = new QToolButton(this);
    PEsborraData_->setObjectName(QStringLiteral("PEsborraData"));
    PEsborraData_->setText(QStringLiteral("X"));
    connect(PEsborraData_, &QToolButton::clicked, this, [this] {
        CPEvents_->setDate(kNoDate);
        screen_.PEsborraDataClick();
    });

    BBLlegirEvents_ = new QPushButton(this);
    BBLlegirEvents_->setObjectName(QStringLiteral("BBLlegirEvents"));
    connect(BBLlegirEvents_, &QPushButton::clicked, this, [this] { screen_.BBLlegirEventsClick(); });
    BBExportarHist_ = new QPushButton(this);
    BBExportarHist_->setObjectName(QStringLiteral("BBExportarHist"));
    connect(BBExportarHist_, &QPushButton::clicked, this, &EventHistoryView::exportHistory);

    SGHistoric_ = new QTableWidget(0, kHistoryColumns, this);
    SGHistoric_->setObjectName(QStringLiteral("SGHistoric"));
    styleListGrid(*SGHistoric_, kRowHeight);
    QHeaderView *header = SGHistoric_->horizontalHeader();
    const QList<int> widths = historyColumnWidths();
    for (int column = 0; column < kHistoryColumns; ++column)
        header->resizeSection(column, widths.value(column));
    // The message takes what is left of the view's width.
    header->setStretchLastSection(true);

    auto *bar = new QHBoxLayout;
    bar->addWidget(dateCaption_);
    bar->addWidget(CPEvents_);
    bar->addWidget(PEsborraData_);
    bar->addSpacing(12);
    bar->addWidget(BBLlegirEvents_);
    bar->addStretch(1);
    bar->addWidget(BBExportarHist_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PEvents2_);
    layout->addLayout(bar);
    layout->addWidget(SGHistoric_, 1);

    connect(&screen_, &EventHistoryScreen::rowsChanged, this, &EventHistoryView::refresh);
    retranslateUi();
    refresh();
}

std::optional<QDate> EventHistoryView::chosenDate() const
{
    const QDate date = CPEvents_->date();
    return date.isValid() && date != kNoDate ? std::optional<QDate>(date) : std::nullopt;
}

void EventHistoryView::refresh()
{
    const QList<QStringList> rows = screen_.rows();
    SGHistoric_->clearContents();
    SGHistoric_->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList &cells = rows.at(row);
        for (int column = 0; column < kHistoryColumns; ++column) {
            QTableWidgetItem *item = cell(cells.value(column), column < 3 ? Qt::AlignHCenter : Qt::AlignLeft);
            // The user and the message may be longer than their column.
            if (column >= 3)
                item->setToolTip(item->text());
            SGHistoric_->setItem(row, column, item);
        }
    }
    SGHistoric_->scrollToTop();
    if (chosenDate() != screen_.fromDate()) {
        const QSignalBlocker quiet(CPEvents_);
        CPEvents_->setDate(screen_.fromDate().value_or(kNoDate));
    }
}

void EventHistoryView::dateChosen(const QDate &date)
{
    const std::optional<QDate> chosen = date.isValid() && date != kNoDate ? std::optional<QDate>(date) : std::nullopt;
    if (chosen == screen_.fromDate())
        return;
    if (chosen)
        screen_.CPEventsCloseUp(*chosen);
    else
        screen_.PEsborraDataClick();
}

void EventHistoryView::exportHistory()
{
    if (const std::optional<SaveTarget> target = chooseSaveTarget_(this))
        screen_.BBExportarHistClick(target->path, target->format);
}

// The suffix follows the filter chosen, so that the dialog asks before replacing the very file
// that will be written.
std::optional<EventHistoryView::SaveTarget> EventHistoryView::askSaveTarget(QWidget *parent)
{
    QFileDialog dialog(parent, tr("Exportar a Excel"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(historyFileFilters());
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString &filter) {
        dialog.setDefaultSuffix(historyFileFormat({}, filter) == HistoryFileFormat::Csv ? QStringLiteral("csv")
                                                                                         : QStringLiteral("xlsx"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString path = dialog.selectedFiles().first();
    return SaveTarget{path, historyFileFormat(path, dialog.selectedNameFilter())};
}

void EventHistoryView::retranslateUi()
{
    PEvents2_->setText(EventHistoryScreen::heading());
    dateCaption_->setText(tr("A partir de: "));
    PEsborraData_->setToolTip(tr("Borrar la fecha"));
    BBLlegirEvents_->setText(tr("Actualizar"));
    BBExportarHist_->setText(tr("Exportar a Excel"));
    SGHistoric_->setHorizontalHeaderLabels(historyTitles());
}

// Without a date the calendar opens on this month, not on the picker's placeholder.
bool EventHistoryView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == CPEvents_->calendarWidget() && event->type() == QEvent::Show && !chosenDate()) {
        const QDate today = QDate::currentDate();
        CPEvents_->calendarWidget()->setCurrentPage(today.year(), today.month());
    }
    return QWidget::eventFilter(watched, event);
}

void EventHistoryView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

} // namespace quelta::ui
