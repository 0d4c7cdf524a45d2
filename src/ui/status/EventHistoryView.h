#pragma once

#include "core/status/HistoryExport.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <optional>

class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace quelta {
class EventHistoryScreen;
}

namespace quelta::ui {

// The event history screen PEvents: the heading, the date the list starts from with its "X", the
// export, and the grid SGHistoric. It paints the screen's rows and hands the clicks to it.
class EventHistoryView : public QWidget
{
    Q_OBJECT
public:
    // Where the export goes: a path and the format chosen, or nothing when the dialog was cancelled.
    struct SaveTarget
    {
        QString path;
        HistoryFileFormat format = HistoryFileFormat::Xlsx;
    };
    using SaveChooser = std::function<std::optional<SaveTarget>(QWidget *parent)>;

    explicit EventHistoryView(EventHistoryScreen &screen, QWidget *parent = nullptr);

    // The save dialog; tests answer it themselves.
    void setSaveChooser(SaveChooser chooser) { chooseSaveTarget_ = std::move(chooser); }
    // The save dialog of "Exportar a Excel": a workbook or CSV.
    static std::optional<SaveTarget> askSaveTarget(QWidget *parent);

    // The date picker: nothing shows as empty.
    std::optional<QDate> chosenDate() const;

public slots:
    // The screen's rows again, from the top; the picker as the screen holds it.
    void refresh();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void dateChosen(const QDate &date);
    void exportHistory();
    void retranslateUi();

    EventHistoryScreen &screen_;
    SaveChooser chooseSaveTarget_ = &EventHistoryView::askSaveTarget;
    QLabel *PEvents2_ = nullptr;
    QLabel *dateCaption_ = nullptr;
    QDateEdit *CPEvents_ = nullptr;
    QToolButton *PEsborraData_ = nullptr;
    QPushButton *BBLlegirEvents_ = nullptr;
    QPushButton *BBExportarHist_ = nullptr;
    QTableWidget *SGHistoric_ = nullptr;
};

} // namespace quelta::ui
