#pragma once

#include "core/base/Prompter.h"

namespace quelta::ui {

// The core's questions and warnings as real dialogs, over whichever window is active.
class WidgetPrompter : public Prompter
{
public:
    DialogResult ElMeuMessageDlg(const DialogRequest &request) override;
    bool ElMeuMessageDlgHyperlink(const QString &title, const QString &message) override;
};

} // namespace quelta::ui
