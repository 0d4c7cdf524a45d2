#include "core/base/Prompter.h"

#include <QCoreApplication>

namespace quelta::dialog {
namespace {

struct DialogTexts
{
    Q_DECLARE_TR_FUNCTIONS(Dialogs)
};

} // namespace

QString atencio() { return DialogTexts::tr("¡ ATENCIÓN !"); }
QString error() { return DialogTexts::tr("ERROR"); }
QString confirmacio() { return DialogTexts::tr("CONFIRMACION"); }
QString aceptar() { return DialogTexts::tr("    Aceptar   "); }
QString cerrar() { return DialogTexts::tr("    Cerrar   "); }
QString si() { return DialogTexts::tr("     Sí    "); }
QString no() { return DialogTexts::tr("    No    "); }

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
