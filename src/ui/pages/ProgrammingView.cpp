#include "ui/pages/ProgrammingView.h"

#include "core/link/LinkState.h"
#include "core/session/Programming.h"
#include "ui/editors/EditRules.h"
#include "ui/pages/FieldBinder.h"
#include "ui/pages/GridView.h"
#include "ui/pages/GridFileButtons.h"
#include "ui/pages/PageBuilder.h"
#include "ui/pages/PageControl.h"
#include "ui/pages/UserPage.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

constexpr int kFirstPanelPage = static_cast<int>(ProgPage::CentralAguilera);
constexpr int kUranoPage = static_cast<int>(ProgPage::CentralUrano);

// A page's tab holds its panel in a scroll area, for windows smaller than the panel.
QWidget *tabPage(ProgPage page, QWidget *panel, QWidget *parent)
{
    auto *tab = new QWidget(parent);
    tab->setObjectName(QLatin1String(pageTabName(page)));
    auto *scroll = new QScrollArea(tab);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(panel);
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return tab;
}

} // namespace

ProgrammingView::ProgrammingView(Programming &programming, Prompter &prompter, QWidget *parent)
    : QWidget(parent)
    , programming_(programming)
{
    setObjectName(QStringLiteral("ProgrammingView"));
    PCProgramacio_ = new PageControl(this);
    PCProgramacio_->setCornerWidget(buildButtons());
    PCProgramacio_->setTabHeight(BBLlegirPag_->sizeHint().height());
    buildPages();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(PCProgramacio_);

    new FieldBinder(programming_.model(), *this, this);
    new EditRules(*this, programming_.model(), prompter, this);
    connectCore();
    showPanelPage();
}

QWidget *ProgrammingView::buildButtons()
{
    auto *buttons = new QWidget(this);
    auto *layout = new QHBoxLayout(buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    BBLlegirPag_ = new QPushButton(buttons);
    BBLlegirPag_->setObjectName(QStringLiteral("BBLlegirPag"));
    captions_.add([this](const QString &text) { BBLlegirPag_->setText(text); }, QT_TRANSLATE_NOOP("Pages", "Leer"));
    BBGravarPag_ = new QPushButton(buttons);
    BBGravarPag_->setObjectName(QStringLiteral("BBGravarPag"));
    captions_.add([this](const QString &text) { BBGravarPag_->setText(text); },
                  QT_TRANSLATE_NOOP("Pages", "Programar"));
    connect(BBLlegirPag_, &QPushButton::clicked, this, [this] {
        programming_.readEngine().BBLlegirPagClick(static_cast<ProgPage>(PCProgramacio_->currentIndex()));
    });
    connect(BBGravarPag_, &QPushButton::clicked, this, [this] { programming_.writeEngine().BBGravarClick(); });
    layout->addWidget(BBLlegirPag_);
    layout->addWidget(BBGravarPag_);
    return buttons;
}

void ProgrammingView::buildPages()
{
    PageBuilder builder(programming_.model(), captions_);
    for (int index = 0; index < kProgPageCount; ++index) {
        const auto page = static_cast<ProgPage>(index);
        QWidget *panel = nullptr;
        if (page == ProgPage::Usuari)
            panel = usuari_ = new UserPage(builder, captions_);
        else
            panel = builder.build(pagePanel(page), nullptr);
        PCProgramacio_->addTab(tabPage(page, panel, PCProgramacio_), QString());
        captions_.add([this, index](const QString &text) { PCProgramacio_->setTabText(index, text); },
                      pageCaption(page));
    }
    grids_ = builder.grids();
    new GridFileButtons(programming_, captions_, *PCProgramacio_);
    uranoTitle_ = findChild<QLabel *>(PageBuilder::titleName(pagePanel(ProgPage::CentralUrano)));
}

void ProgrammingView::connectCore()
{
    connect(&programming_.model(), &ConfigurationModel::visiblePanelPageChanged, this, &ProgrammingView::showPanelPage);
    connect(&programming_, &Programming::programmingViewShown, this, &ProgrammingView::clearGridSelections);
    connect(&programming_, &Programming::cleared, this, &ProgrammingView::showFirstPage);
    connect(PCProgramacio_, &QTabWidget::currentChanged, this, &ProgrammingView::PCProgramacioChange);
    connect(&programming_, &Programming::markingChanged, this, &ProgrammingView::repaintGrids);
}

// Of the fire-panel pages only the core's visible one keeps its tab. The page on top stays on top
// while it is still there; otherwise the first page comes forward.
void ProgrammingView::showPanelPage()
{
    const std::optional<ProgPage> shown = programming_.model().visiblePanelPage();
    const int remembered = PCProgramacio_->currentIndex();
    for (int index = kFirstPanelPage; index < kProgPageCount; ++index)
        PCProgramacio_->setTabVisible(index, shown && index == static_cast<int>(*shown));
    if (!PCProgramacio_->isTabVisible(remembered))
        PCProgramacio_->setCurrentIndex(0);
    nameUranoPage();
}

// Urano and Komttech panels share a page, named after the one connected.
void ProgrammingView::nameUranoPage()
{
    const QString &central = programming_.link().central;
    const bool komttech = !central.contains(QLatin1String("Urano")) && central.contains(QLatin1String("Komttech"));
    PCProgramacio_->setTabText(kUranoPage, komttech ? QStringLiteral("Komttech")
                                                    : Captions::translated(pageCaption(ProgPage::CentralUrano)));
    uranoTitle_->setText(Captions::translated(komttech ? QT_TRANSLATE_NOOP("Pages", "CENTRAL DE INCENDIOS KOMTTECH")
                                                       : pagePanel(ProgPage::CentralUrano).title));
}

void ProgrammingView::showFirstPage()
{
    PCProgramacio_->setCurrentIndex(0);
    usuari_->showSection(Section::Inputs);
}

void ProgrammingView::PCProgramacioChange(int index)
{
    programming_.model().setActivePage(static_cast<ProgPage>(index));
    if (index == static_cast<int>(ProgPage::Usuari))
        usuari_->showSections(inputsOutputsFitted());
    if (QWidget *page = PCProgramacio_->widget(index))
        page->setFocus();
    clearGridSelections();
}

// A device that reports its inputs and outputs part ("E/S", the fourth) as not fitted.
bool ProgrammingView::inputsOutputsFitted() const
{
    const LinkState &link = programming_.link();
    return !(link.circuittrobat && link.PartsActives.size() == 4 && link.PartsActives.at(3) == QLatin1Char('0'));
}

void ProgrammingView::clearGridSelections()
{
    for (GridView *grid : grids_)
        grid->clearCellSelection();
}

void ProgrammingView::repaintGrids()
{
    for (GridView *grid : grids_)
        grid->viewport()->update();
}

void ProgrammingView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        captions_.retranslate();
        nameUranoPage();
    }
    QWidget::changeEvent(event);
}

} // namespace quelta::ui
