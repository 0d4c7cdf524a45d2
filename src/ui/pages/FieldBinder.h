#pragma once

#include <QHash>
#include <QObject>

class QWidget;

namespace quelta {
class ConfigurationModel;
struct FieldBinding;
struct SingleField;
} // namespace quelta

namespace quelta::ui {

// Ties every bound single field of the model to the widget that carries its control name: the
// model's values and states are shown (red while modified), and only the installer's own changes
// go back to the model.
class FieldBinder : public QObject
{
    Q_OBJECT
public:
    FieldBinder(ConfigurationModel &model, QWidget &root, QObject *parent = nullptr);

private:
    void bind(SingleField &field, QWidget *widget);
    void show(const SingleField &field);
    void showValue(const SingleField &field, QWidget *widget) const;
    void edited(SingleField &field, const QString &value);

    ConfigurationModel &model_;
    QHash<const FieldBinding *, QWidget *> widgets_;
    bool showing_ = false; // a value from the model is being shown: the widget's signals are not edits
};

} // namespace quelta::ui
