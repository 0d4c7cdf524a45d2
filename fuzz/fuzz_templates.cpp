// A template file loaded into the configuration model, as "Importar datos de plantilla" loads one.
// The bound model lives for the whole run: each input is loaded over what the last one left.

#include "FuzzSupport.h"

#include "core/base/DiagnosticTrace.h"
#include "core/base/StatusBar.h"
#include "core/base/TransferActivity.h"
#include "core/base/ViewState.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/link/ProgrammingLock.h"
#include "core/model/ConfigurationModel.h"
#include "core/model/ParameterDictionary.h"
#include "core/templates/Templates.h"

#include <QBuffer>

using namespace quelta;

namespace {

struct BoundTemplates
{
    LinkState link;
    DiagnosticTrace trace;
    StatusBar statusBar;
    TransferActivity activity;
    ViewState views;
    fuzz::SilentPrompter prompter;
    CommandChannel channel{link, trace};
    ProgrammingLock lock{link, channel, statusBar, prompter};
    ParameterDictionary dictionary;
    ConfigurationModel model{link, activity};
    Templates templates{model, link, activity, views, lock, prompter};

    BoundTemplates()
    {
        dictionary.Llegir_parametres();
        model.InicialitzaPunters(dictionary);
        model.Esborra_param();
        views.setPanelmostrat(View::Programacio);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static BoundTemplates bound;
    QByteArray bytes = fuzz::bytesOf(data, size);
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    bound.templates.load(file);
    return 0;
}
