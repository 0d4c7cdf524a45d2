// The lines of a whole-device read ("+CCCC:value", CR-ended) stored into the bound model as the read
// engine stores them: the code becomes an entry number, the value a field or a grid row. The first
// byte chooses the panel page on view, which changes what some codes mean. The bound model lives
// for the whole run (clearing its grids for every input would cost most of the time): each input is
// stored over what the last one left.

#include "BoundModel.h"
#include "FuzzSupport.h"

#include "core/link/EntryNumber.h"

#include <optional>

using namespace quelta;

namespace {

// No panel page, or one of the panel pages (from the Aguilera page to the last).
std::optional<ProgPage> panelPage(uint8_t choice)
{
    constexpr int kFirstPanel = static_cast<int>(ProgPage::CentralAguilera);
    const int pick = choice % (kProgPageCount - kFirstPanel + 1);
    return pick == 0 ? std::nullopt : std::optional<ProgPage>(static_cast<ProgPage>(kFirstPanel + pick - 1));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static test::BoundModel bound;
    bound.model.setVisiblePanelPage(panelPage(data[0]));
    const QStringList lines = fuzz::textOf(data + 1, size - 1).split(QLatin1Char('\r'));
    for (const QString &text : lines) {
        // The dispatcher hands the line over with its CR.
        const QString line = text + QLatin1Char('\r');
        if (!line.startsWith(QLatin1Char('+')) || line.size() <= 5 || line.at(5) != QLatin1Char(':'))
            continue;
        const bool aguilera = bound.model.isPageVisible(ProgPage::CentralAguilera);
        if (const std::optional<int> number = numeroEntrada(line.mid(1, 4), aguilera))
            bound.model.storeEntry(*number, replyValue(line));
    }
    return 0;
}
