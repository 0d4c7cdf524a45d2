#include "ui/dialogs/FileDialogs.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace quelta::ui {

QString defaultSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

void prepareSaveDialog(QFileDialog &dialog, const QString &filter)
{
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
}

QString saveFileName(QWidget *parent, const QString &title, const QString &filter)
{
    QFileDialog dialog(parent, title);
    prepareSaveDialog(dialog, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace quelta::ui
