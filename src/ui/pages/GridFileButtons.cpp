#include "ui/pages/GridFileButtons.h"

#include "core/session/Programming.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/pages/Captions.h"

#include <QBoxLayout>
#include <QFileDialog>
#include <QPushButton>

namespace quelta::ui {
namespace {

// "Listado de eventos |*.txt" as a file dialog wants it: "Listado de eventos (*.txt)".
QString dialogFilter(const QString &filter)
{
    return filter.section(QLatin1Char('|'), 0, 0).trimmed() + QStringLiteral(" (") + filter.section(QLatin1Char('|'), 1)
        + QLatin1Char(')');
}

// The widget that holds the grid in its group's layout, and that layout.
std::pair<QWidget *, QBoxLayout *> placeOf(QWidget *grid)
{
    for (QWidget *widget = grid; widget && widget->parentWidget(); widget = widget->parentWidget()) {
        auto *layout = qobject_cast<QBoxLayout *>(widget->parentWidget()->layout());
        if (layout && layout->indexOf(widget) >= 0)
            return {widget, layout};
    }
    return {nullptr, nullptr};
}

} // namespace

GridFileButtons::GridFileButtons(Programming &programming, Captions &captions, QWidget &pages)
    : QObject(&pages), programming_(programming), captions_(captions), pages_(pages)
{
    EventTextFiles &texts = programming.eventTexts();
    for (const EventTextGrid &grid : EventTextFiles::grids()) {
        std::vector<Button> buttons = {
            {grid.importButton, QT_TRANSLATE_NOOP("Pages", "Importar fichero"),
             [this, &texts, &grid] {
                 if (const QString path = openFile(EventTextFiles::importTitle(), EventTextFiles::fileFilter()); !path.isEmpty())
                     texts.importFile(grid, path);
             }},
            {grid.exportButton, QT_TRANSLATE_NOOP("Pages", "Exportar fichero"),
             [this, &texts, &grid] {
                 if (const QString path = saveFile(EventTextFiles::exportTitle(), EventTextFiles::fileFilter()); !path.isEmpty())
                     texts.exportFile(grid, path);
             }}};
        if (grid.eraseButton)
            buttons.push_back({grid.eraseButton, QT_TRANSLATE_NOOP("Pages", "Borrar eventos del equipo"),
                               [&texts, &grid] { texts.erase(grid); }});
        addRow(pages, grid.grid, buttons);
    }
    ZoneList &zones = programming.zoneList();
    addRow(pages, "SGLlistatZonesAgui",
           {{"BBImportarFitxer", QT_TRANSLATE_NOOP("Pages", "Importar fichero"),
             [this, &zones] {
                 if (const QString path = openFile(ZoneList::importTitle(), ZoneList::fileFilter()); !path.isEmpty())
                     zones.importFile(path);
             }},
            {"BBExportarFitxer", QT_TRANSLATE_NOOP("Pages", "Exportar fichero"),
             [this, &zones] {
                 if (const QString path = saveFile(ZoneList::exportTitle(), ZoneList::fileFilter()); !path.isEmpty())
                     zones.exportFile(path);
             }},
            {"BBEsborraZones", QT_TRANSLATE_NOOP("Pages", "Borrar zonas del equipo"), [&zones] { zones.BBEsborraZonesClick(); }}});
}

void GridFileButtons::addRow(QObject &owner, Captions &captions, QWidget &pages, const char *grid,
                             const std::vector<Button> &buttons, Placement placement)
{
    const auto [holder, layout] = placeOf(pages.findChild<QWidget *>(QLatin1String(grid)));
    if (!layout)
        return;
    QBoxLayout *row = placement == Placement::Below ? static_cast<QBoxLayout *>(new QHBoxLayout)
                                                    : static_cast<QBoxLayout *>(new QVBoxLayout);
    for (const Button &button : buttons) {
        auto *push = new QPushButton(holder->parentWidget());
        push->setObjectName(QLatin1String(button.name));
        captions.add([push](const QString &text) { push->setText(text); }, button.caption);
        connect(push, &QPushButton::clicked, &owner, button.action);
        row->addWidget(push);
    }
    row->addStretch(1);
    const int at = layout->indexOf(holder);
    if (placement == Placement::Below) {
        layout->insertLayout(at + 1, row);
        return;
    }
    const int stretch = layout->stretch(at);
    layout->removeWidget(holder);
    auto *beside = new QHBoxLayout;
    beside->addWidget(holder, 1);
    beside->addLayout(row);
    layout->insertLayout(at, beside, stretch);
}

// The core asks before overwriting an existing file, with the program's own words.
QString GridFileButtons::openFile(QWidget &parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(&parent, title, {}, dialogFilter(filter));
}

QString GridFileButtons::saveFile(QWidget &parent, const QString &title, const QString &filter)
{
    return saveFileName(&parent, title, dialogFilter(filter));
}

} // namespace quelta::ui
