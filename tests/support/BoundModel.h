#pragma once

#include "core/base/TransferActivity.h"
#include "core/link/LinkState.h"
#include "core/model/ConfigurationModel.h"
#include "core/model/ParameterDictionary.h"

namespace quelta::test {

// A configuration model bound and cleared as the window has it after start-up.
struct BoundModel
{
    LinkState link;
    TransferActivity activity;
    ParameterDictionary dictionary;
    ConfigurationModel model{link, activity};

    BoundModel()
    {
        dictionary.Llegir_parametres();
        model.InicialitzaPunters(dictionary);
        model.Esborra_param();
    }
};

} // namespace quelta::test
