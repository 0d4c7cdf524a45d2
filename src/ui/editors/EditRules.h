#pragma once

#include <QHash>
#include <QObject>

class QLineEdit;

namespace quelta {
class ConfigurationModel;
class Prompter;
struct EditRule;
} // namespace quelta

namespace quelta::ui {

// The typing and leaving rules of the bound edits: their length limits and key filters, the IP
// and e-mail checks made as an edit loses the focus (a warning, and the focus back), and the
// two-digit padding of panel addresses.
class EditRules : public QObject
{
    Q_OBJECT
public:
    EditRules(QWidget &root, ConfigurationModel &model, Prompter &prompter, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void left(QLineEdit &edit, const EditRule &rule);

    ConfigurationModel &model_;
    Prompter &prompter_;
    QHash<QObject *, const EditRule *> rules_;
    bool warning_ = false; // a check's warning is up: the focus it takes is not a leaving
};

} // namespace quelta::ui
