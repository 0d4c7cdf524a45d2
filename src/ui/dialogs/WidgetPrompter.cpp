#include "ui/dialogs/WidgetPrompter.h"

#include "ui/dialogs/MessageDialogs.h"

#include <QApplication>

namespace quelta::ui {

DialogResult WidgetPrompter::ElMeuMessageDlg(const DialogRequest &request)
{
    QWidget *parent = QApplication::activeWindow();
    if (request.autoCloseSeconds > 0)
        return ui::ElMeuMessageDlgTemps(request, request.autoCloseSeconds, parent);
    return ui::ElMeuMessageDlg(request, parent);
}

bool WidgetPrompter::ElMeuMessageDlgHyperlink(const QString &title, const QString &message)
{
    return ui::ElMeuMessageDlgHyperlink(title, message, QApplication::activeWindow());
}

} // namespace quelta::ui
