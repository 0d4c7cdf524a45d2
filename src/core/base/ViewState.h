#pragma once

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

signals:
    void panelmostratChanged(quelta::View view);

private:
    View panelmostrat_ = View::Estat;
};

} // namespace quelta
