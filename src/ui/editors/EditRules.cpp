#include "ui/editors/EditRules.h"

#include "core/base/Prompter.h"
#include "ui/editors/TypedKey.h"
#include "core/model/ConfigurationModel.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace quelta::ui {
namespace {

// Only the installer's own move away counts, not a dialog or a menu taking the focus for a while.
bool leftByInstaller(const QFocusEvent &event)
{
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace

EditRules::EditRules(QWidget &root, ConfigurationModel &model, Prompter &prompter, QObject *parent)
    : QObject(parent)
    , model_(model)
    , prompter_(prompter)
{
    for (const EditRule &rule : editRules()) {
        auto *edit = root.findChild<QLineEdit *>(QLatin1String(rule.name));
        if (!edit)
            continue;
        edit->setMaxLength(rule.maxLength);
        edit->installEventFilter(this);
        rules_.insert(edit, &rule);
    }
}

bool EditRules::eventFilter(QObject *watched, QEvent *event)
{
    const EditRule *rule = rules_.value(watched);
    if (!rule)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // Copying and Escape change nothing; every other key must pass the edit's filter.
        const QChar key = typedKey(static_cast<QKeyEvent &>(*event));
        const bool harmless = key.isNull() || key == QChar(kKeyCopy) || key == QChar(kKeyEscape);
        return !harmless && !keyAccepted(rule->filter, key);
    }
    if (event->type() == QEvent::FocusOut && !warning_ && leftByInstaller(static_cast<QFocusEvent &>(*event)))
        left(*static_cast<QLineEdit *>(watched), *rule);
    return QObject::eventFilter(watched, event);
}

void EditRules::left(QLineEdit &edit, const EditRule &rule)
{
    if (rule.exit == ExitCheck::PadTwoDigits) {
        const QString padded = padAddress(edit.text());
        SingleField *field = model_.field(edit.objectName());
        if (padded != edit.text() && field)
            model_.editField(*field, padded);
        return;
    }
    if (passesExitCheck(rule.exit, edit.text()))
        return;
    warning_ = true;
    prompter_.ElMeuMessageDlg(dialog::warning(exitCheckMessage(rule.exit)));
    warning_ = false;
    // Once the focus has settled where the installer sent it, it comes back here.
    QTimer::singleShot(0, &edit, [&edit] { edit.setFocus(Qt::OtherFocusReason); });
}

} // namespace quelta::ui
