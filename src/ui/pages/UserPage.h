#pragma once

#include "core/model/Bindings.h"

#include <QWidget>

#include <array>

class QLabel;
class QStackedWidget;

namespace quelta::ui {

class Captions;
class PageBuilder;

// The "Usuario" page: three section tabs over the inputs, outputs and system panels.
class UserPage : public QWidget
{
    Q_OBJECT
public:
    static constexpr std::array<int, 3> kTabLefts{10, 195, 380};

    UserPage(PageBuilder &builder, Captions &captions, QWidget *parent = nullptr);

    // The section's tab selected and its panel in front (PEntradesClick, PSortidesClick, PSistemaClick).
    void showSection(Section section);

    // The tabs a device offers: one without inputs and outputs has only the system section,
    // its tab moved to the first place.
    void showSections(bool inputsOutputs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildTabs(Captions &captions);
    void addColumnCaptions(Captions &captions);

    std::array<QLabel *, 3> tabs_{};
    QStackedWidget *sections_ = nullptr;
    std::array<QWidget *, 3> panels_{};
};

} // namespace quelta::ui
