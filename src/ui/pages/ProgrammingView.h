#pragma once

#include "ui/pages/Captions.h"

#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;

namespace quelta {
class Programming;
class Prompter;
}

namespace quelta::ui {

class GridView;
class PageControl;
class UserPage;

// The programming view's content: the page control PCProgramacio with its fifteen pages, the
// page read and write buttons, every field and grid bound to the configuration model. Pages 0
// to 2 are always there; of the fire-panel pages only the one the core shows.
class ProgrammingView : public QWidget
{
    Q_OBJECT
public:
    ProgrammingView(Programming &programming, Prompter &prompter, QWidget *parent = nullptr);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildPages();
    QWidget *buildButtons();
    void connectCore();

    void showPanelPage();
    void nameUranoPage();
    void showFirstPage();
    void PCProgramacioChange(int index);
    void clearGridSelections();
    void repaintGrids();
    bool inputsOutputsFitted() const;

    Programming &programming_;
    Captions captions_;
    PageControl *PCProgramacio_ = nullptr;
    UserPage *usuari_ = nullptr;
    QLabel *uranoTitle_ = nullptr;
    QPushButton *BBLlegirPag_ = nullptr;
    QPushButton *BBGravarPag_ = nullptr;
    std::vector<GridView *> grids_;
};

} // namespace quelta::ui
