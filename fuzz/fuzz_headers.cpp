// The firmware's parameter header and information-text header, parsed from the input instead of
// the embedded copies; a parameter header then binds every field and grid of the model. The first
// byte chooses the header.

#include "FuzzSupport.h"

#include "core/base/NamedStrings.h"
#include "core/base/TransferActivity.h"
#include "core/link/LinkState.h"
#include "core/model/ConfigurationModel.h"
#include "core/model/ParameterDictionary.h"

using namespace quelta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const NamedStrings strings;
    static LinkState link;
    static TransferActivity activity;
    static ConfigurationModel model(link, activity);
    const QString header = fuzz::textOf(data + 1, size - 1);
    ParameterDictionary dictionary;
    if (data[0] & 1) {
        dictionary.Llegir_DefInfo(strings, header);
    } else {
        dictionary.Llegir_parametres(header);
        model.InicialitzaPunters(dictionary);
    }
    return 0;
}
