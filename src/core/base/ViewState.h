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

    // The result strip PRes: what the last template, search or list produced; empty, the strip
    // is sent back. Entering programming and opening the status screen empty it.
    QString resultText() const { return resultText_; }
    void setResultText(const QString &text);

signals:
    void panelmostratChanged(quelta::View view);
    void resultTextChanged(const QString &text);

private:
    View panelmostrat_ = View::Estat;
    QString resultText_;
};

} // namespace quelta
