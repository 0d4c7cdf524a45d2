#pragma once

#include "model/Bindings.h"

#include <QObject>
#include <QString>

namespace quelta {

// The view the installer is in; the status polling and the read engine depend on it.
enum class View { Estat, Programacio, LlistaCircuits, Actualitzacions, Mapa };
QString viewName(View view);

class ViewState : public QObject
{
    Q_OBJECT
public:
    View panelmostrat() const { return panelmostrat_; }
    void setPanelmostrat(View view);
    bool isShown(View view) const { return panelmostrat_ == view; }

    // The programming page on top; a page write started by supervision writes this one.
    ProgPage activePage() const { return activePage_; }
    void setActivePage(ProgPage page) { activePage_ = page; }

signals:
    void panelmostratChanged(quelta::View view);

private:
    View panelmostrat_ = View::Estat;
    ProgPage activePage_ = ProgPage::ConfigHard;
};

} // namespace quelta
