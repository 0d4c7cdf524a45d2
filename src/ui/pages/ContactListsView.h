#pragma once

#include "ui/pages/Captions.h"

#include <QObject>

#include <functional>

class QPushButton;

namespace quelta {
class ContactLists;
class ContactTable;
}

namespace quelta::ui {

class CellCombo;
class GridView;

// The contact lists on the programming pages: the phone and user grids of "Accesos" shown over the
// core's lists, with their buttons, check cells, the door-button combo CBSGTelefons and the sort
// arrow; the operator grid's painting and its "Borrar", "Importar" and "Exportar" on "Config.
// hard". It paints the core's state and hands the clicks on.
class ContactListsView : public QObject
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 25;

    ContactListsView(ContactLists &lists, QWidget &pages);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpGrid(GridView &view, ContactTable &table);
    void setUpOperators(GridView &view);
    void addButtonCombo();
    void addButtons();
    void showButtons();
    void showArrow();
    GridView *viewOf(const ContactTable &table) const;
    // The core's work under the busy cursor.
    void busy(const std::function<void()> &work);

    ContactLists &lists_;
    QWidget &pages_;
    Captions captions_;
    GridView *phonesView_ = nullptr;
    GridView *usersView_ = nullptr;
    CellCombo *CBSGTelefons_ = nullptr;
};


} // namespace quelta::ui
