#include "ui/pages/UserPage.h"

#include "ui/pages/Captions.h"
#include "ui/pages/Colours.h"
#include "ui/pages/ColumnCaption.h"
#include "ui/pages/GridView.h"
#include "ui/pages/PageBuilder.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quelta::ui {
namespace {

constexpr int kTabWidth = 175;
constexpr int kTabHeight = 24;
constexpr std::array<Section, 3> kSections{Section::Inputs, Section::Outputs, Section::System};

size_t indexOf(Section section)
{
    return static_cast<size_t>(std::find(kSections.cbegin(), kSections.cend(), section) - kSections.cbegin());
}

void paintTab(QLabel &tab, bool selected)
{
    QPalette palette = QApplication::palette(&tab);
    palette.setColor(QPalette::Window, selected ? colours::kHotLight : colours::kLightGrey);
    if (selected)
        palette.setColor(QPalette::WindowText, colours::kSectionCaption);
    tab.setPalette(palette);
    QFont font = tab.font();
    font.setBold(selected);
    font.setUnderline(selected);
    tab.setFont(font);
}

} // namespace

UserPage::UserPage(PageBuilder &builder, Captions &captions, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QLatin1String(pagePanelName(ProgPage::Usuari)));
    sections_ = new QStackedWidget(this);
    for (size_t i = 0; i < kSections.size(); ++i) {
        panels_[i] = builder.build(sectionPanel(kSections[i]), sections_);
        sections_->addWidget(panels_[i]);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->addWidget(buildTabs(captions));
    layout->addWidget(sections_, 1);
    addColumnCaptions(captions);
    showSection(Section::Inputs);
}

// Tabs at fixed offsets, so that one can take another's place when a section is not offered.
QWidget *UserPage::buildTabs(Captions &captions)
{
    auto *strip = new QWidget(this);
    strip->setFixedHeight(kTabHeight + 4);
    const std::array<const char *, 3> names{"PEntrades", "PSortides", "PSistema"};
    const std::array<const char *, 3> texts{QT_TRANSLATE_NOOP("Pages", "ENTRADAS"), QT_TRANSLATE_NOOP("Pages", "SALIDAS"),
                                            QT_TRANSLATE_NOOP("Pages", "SISTEMA")};
    for (size_t i = 0; i < tabs_.size(); ++i) {
        QLabel *tab = tabs_[i] = new QLabel(strip);
        tab->setObjectName(QLatin1String(names[i]));
        tab->setAlignment(Qt::AlignCenter);
        tab->setAutoFillBackground(true);
        tab->setCursor(Qt::PointingHandCursor);
        tab->setGeometry(kTabLefts[i], 2, kTabWidth, kTabHeight);
        tab->installEventFilter(this);
        captions.add([tab](const QString &text) { tab->setText(text); }, texts[i]);
    }
    return strip;
}

void UserPage::addColumnCaptions(Captions &captions)
{
    const auto caption = [this, &captions](const char *grid, int first, int last, const char *name, const char *text) {
        auto *label = new ColumnCaption(*findChild<GridView *>(QLatin1String(grid)), first, last);
        label->setObjectName(QLatin1String(name));
        captions.add([label](const QString &shown) { label->setText(shown); }, text);
    };
    caption("SGSortides", 3, 9, "LErrorRest", QT_TRANSLATE_NOOP("Pages", "ERROR / RESTAURACIÓN"));
    caption("SGSortidesTemps", 3, 4, "LModusPulsant", QT_TRANSLATE_NOOP("Pages", "Modo pulsante"));
}

bool UserPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const auto tab = std::find(tabs_.cbegin(), tabs_.cend(), watched);
        if (tab != tabs_.cend()) {
            showSection(kSections[static_cast<size_t>(tab - tabs_.cbegin())]);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UserPage::showSection(Section section)
{
    const size_t selected = indexOf(section);
    for (size_t i = 0; i < tabs_.size(); ++i)
        paintTab(*tabs_[i], i == selected);
    sections_->setCurrentWidget(panels_[selected]);
}

void UserPage::showSections(bool inputsOutputs)
{
    tabs_[0]->setVisible(inputsOutputs);
    tabs_[1]->setVisible(inputsOutputs);
    tabs_[2]->move(inputsOutputs ? kTabLefts[2] : kTabLefts[0], tabs_[2]->y());
    showSection(inputsOutputs ? Section::Inputs : Section::System);
}

} // namespace quelta::ui
