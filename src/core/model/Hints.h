#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace quelta {

class ConfigurationModel;

// The tooltips of the window's controls: a localised explanation and, for a bound control, the
// number of the parameter it holds. A template line takes its description from the second line.
// The texts are translated and the numbers taken from the model when asked, so that after a
// language switch and a new binding the hints follow both.
class Hints
{
public:
    using Assign = std::function<void(const QString &controlName, const QString &hint)>;

    // Not const: the model hands out its fields only to a mutable owner.
    explicit Hints(ConfigurationModel &model) : model_(model) {}

    // The hint of a control by its object name; empty when the control has none.
    QString hint(const QString &controlName) const;

    // Every control that has a hint, by object name.
    static QStringList controlNames();

    // Hands every control's hint to the window, which sets it as the control's tooltip.
    void InicialitzaHint(const Assign &assign) const;

private:
    ConfigurationModel &model_;
};

} // namespace quelta
