#include "CliPrompter.h"

namespace quelta::cli {

DialogResult CliPrompter::ElMeuMessageDlg(const DialogRequest &request)
{
    switch (request.type) {
    case DialogType::Confirmation: return DialogResult::Yes;
    case DialogType::Information: return DialogResult::Ok; // progress notices: nothing to report
    case DialogType::Warning:
    case DialogType::Error: break;
    }
    if (quiet_)
        return DialogResult::Ok;
    err_ << "quelta-cli: " << request.message.simplified() << Qt::endl;
    return DialogResult::Ok;
}

bool CliPrompter::ElMeuMessageDlgHyperlink(const QString &, const QString &)
{
    return false;
}

} // namespace quelta::cli
