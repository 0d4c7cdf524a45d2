#include "ui/pages/FieldBinder.h"

#include "core/model/ConfigurationModel.h"
#include "ui/pages/Colours.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

namespace quelta::ui {
namespace {

const QLatin1Char kTicked('1');

// The background a field shows in its state: red while modified, the button face once the device
// refused it; check boxes and the check list light blue once cleared or read; read-only fields the
// inactive-caption colour.
QColor background(const SingleField &field, const QWidget &widget)
{
    if (field.state == FieldState::Modified)
        return colours::kModified;
    if (field.state == FieldState::Refused)
        return QApplication::palette(&widget).color(QPalette::Button);
    switch (field.binding->kind) {
    case FieldKind::CheckBox:
    case FieldKind::CheckList: return colours::kLightBlue;
    case FieldKind::Edit:
        if (field.binding->readOnly)
            return colours::kInactiveCaption;
        break;
    case FieldKind::Combo: break;
    }
    return QApplication::palette(&widget).color(QPalette::Base);
}

void paint(const SingleField &field, QWidget &widget)
{
    QPalette palette = QApplication::palette(&widget);
    const QColor colour = background(field, widget);
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(field.binding->kind == FieldKind::CheckBox);
    widget.setEnabled(field.enabled);
}

QString checkListValue(const QListWidget &list)
{
    QString value;
    for (int i = 0; i < list.count(); ++i)
        value += list.item(i)->checkState() == Qt::Checked ? QLatin1Char('1') : QLatin1Char('0');
    return value;
}

} // namespace

FieldBinder::FieldBinder(ConfigurationModel &model, QWidget &root, QObject *parent)
    : QObject(parent)
    , model_(model)
{
    for (SingleField &field : model_.fields()) {
        if (auto *widget = root.findChild<QWidget *>(QLatin1String(field.binding->name)))
            bind(field, widget);
    }
    connect(&model_, &ConfigurationModel::fieldChanged, this, &FieldBinder::show);
}

// Each kind reports only what the installer does: textEdited, clicked and activated are not
// emitted when a value is set from code; the check list's itemChanged is, hence showing_.
void FieldBinder::bind(SingleField &field, QWidget *widget)
{
    widgets_.insert(field.binding, widget);
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        edit->setReadOnly(field.binding->readOnly);
        connect(edit, &QLineEdit::textEdited, this, [this, &field](const QString &text) { edited(field, text); });
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        connect(box, &QCheckBox::clicked, this,
                [this, &field](bool checked) { edited(field, checked ? QStringLiteral("1") : QStringLiteral("0")); });
    } else if (auto *list = qobject_cast<QListWidget *>(widget)) {
        connect(list, &QListWidget::itemChanged, this, [this, &field, list] { edited(field, checkListValue(*list)); });
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        connect(combo, &QComboBox::activated, this, [this, &field](int index) { edited(field, QString::number(index)); });
    }
    show(field);
}

void FieldBinder::edited(SingleField &field, const QString &value)
{
    if (!showing_)
        model_.editField(field, value);
}

void FieldBinder::show(const SingleField &field)
{
    QWidget *widget = widgets_.value(field.binding);
    if (!widget)
        return;
    showing_ = true;
    showValue(field, widget);
    showing_ = false;
    paint(field, *widget);
}

// An edit keeps its cursor when the value is the text the installer just typed.
void FieldBinder::showValue(const SingleField &field, QWidget *widget) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        if (edit->text() != field.value)
            edit->setText(field.value);
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        box->setChecked(field.value == QLatin1String("1"));
    } else if (auto *list = qobject_cast<QListWidget *>(widget)) {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setCheckState(i < field.value.size() && field.value.at(i) == kTicked ? Qt::Checked : Qt::Unchecked);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        bool whole = false;
        const int position = field.value.toInt(&whole);
        combo->setCurrentIndex(whole ? position : -1);
    }
}

} // namespace quelta::ui
