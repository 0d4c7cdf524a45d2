#pragma once

#include "core/base/Prompter.h"

#include <QTextStream>

namespace quelta::cli {

// Dialogs without a window: a question is answered "yes" (the command line already said what to
// do), a warning or an error goes to stderr as one line.
class CliPrompter : public Prompter
{
public:
    explicit CliPrompter(QTextStream &err)
        : err_(err)
    {
    }

    DialogResult ElMeuMessageDlg(const DialogRequest &request) override;
    bool ElMeuMessageDlgHyperlink(const QString &title, const QString &message) override;
    // A command that reports its own outcome, caption and all, keeps the dialogs quiet.
    void setQuiet(bool quiet) { quiet_ = quiet; }

private:
    QTextStream &err_;
    bool quiet_ = false;
};

} // namespace quelta::cli
