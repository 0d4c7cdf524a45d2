#pragma once

#include "core/base/Prompter.h"

#include <QList>

namespace quelta::test {

// Answers every dialog from a queue of results (Ok when the queue is empty) and keeps what it was
// asked, so a test can check both the question and the program's reaction to the answer.
class ScriptedPrompter : public Prompter
{
public:
    QList<DialogRequest> asked;
    QList<DialogResult> answers;
    QStringList hyperlinks;
    bool chooseDownload = false;

    DialogResult ElMeuMessageDlg(const DialogRequest &request) override;
    bool ElMeuMessageDlgHyperlink(const QString &title, const QString &message) override;
};

} // namespace quelta::test
