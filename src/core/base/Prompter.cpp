#include "core/base/Prompter.h"

#include <QCoreApplication>

namespace quelta::dialog {
namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Dialogs", text);
}

} // namespace

QString atencio() { return tr("¡ ATENCIÓN !"); }
QString error() { return tr("ERROR"); }
QString confirmacio() { return tr("CONFIRMACION"); }
QString aceptar() { return tr("    Aceptar   "); }
QString cerrar() { return tr("    Cerrar   "); }
QString si() { return tr("     Sí    "); }
QString no() { return tr("    No    "); }

DialogRequest warning(const QString &message, int autoCloseSeconds)
{
    return {atencio(), message, DialogType::Warning, {DialogResult::Ok}, {aceptar()}, autoCloseSeconds};
}

DialogRequest information(const QString &caption, const QString &message)
{
    return {caption, message, DialogType::Information, {DialogResult::Ok}, {aceptar()}, 0};
}

DialogRequest confirmation(const QString &message)
{
    return {confirmacio(), message, DialogType::Confirmation, {DialogResult::Yes, DialogResult::No}, {si(), no()}, 0};
}

} // namespace quelta::dialog
