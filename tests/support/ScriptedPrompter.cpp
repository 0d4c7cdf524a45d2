#include "ScriptedPrompter.h"

namespace quelta::test {

DialogResult ScriptedPrompter::ElMeuMessageDlg(const DialogRequest &request)
{
    asked.append(request);
    return answers.isEmpty() ? DialogResult::Ok : answers.takeFirst();
}

bool ScriptedPrompter::ElMeuMessageDlgHyperlink(const QString &title, const QString &message)
{
    hyperlinks.append(title + QLatin1Char('\n') + message);
    return chooseDownload;
}

} // namespace quelta::test
