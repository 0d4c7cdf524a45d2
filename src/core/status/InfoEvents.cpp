#include "core/status/InfoEvents.h"

#include <algorithm>
#include <initializer_list>

namespace quelta {
namespace {

bool listed(QStringView code, std::initializer_list<const char *> codes)
{
    return std::any_of(codes.begin(), codes.end(), [code](const char *listedCode) {
        return code == QLatin1String(listedCode);
    });
}

} // namespace

InfoLineStyle infoLineStyle(QStringView code, const QString &description, bool filtered)
{
    InfoLineStyle style;
    const QChar family = code.size() >= 2 ? code.at(1) : QChar();
    switch (family.unicode()) {
    case u'1':
        style.colour = colour::red;
        style.shown = !(filtered && listed(code, {"8111", "8112"}));
        break;
    case u'2':
        // Filtered, only the periodic test and the server-time and command answers stay.
        style.shown = !filtered || listed(code, {"8209", "8260", "8262"});
        style.colour = filtered && code == QLatin1String("8260") ? colour::red : colour::black;
        break;
    case u'3':
        style.colour = colour::lime;
        break;
    case u'4':
        style.colour = colour::green;
        style.shown = !(filtered
                        && listed(code, {"8414", "8415", "8451", "8456", "8460", "8461", "8462", "8464", "8471",
                                         "8472"}));
        break;
    case u'5':
        style.colour = colour::blue;
        style.shown = !(filtered
                        && (listed(code, {"8510", "8511", "8512", "8514", "8521", "8523", "8524", "8526", "8532",
                                          "8533", "8536", "8537", "8539", "8540", "8542", "8551"})
                            || description.contains(QLatin1String("MQTT"))));
        break;
    case u'6':
        style.colour = colour::magenta;
        style.showValue = false;
        // Only the output events (862x) name an output; an input event's number is no output.
        style.outputCaption = code.startsWith(QLatin1String("862"));
        break;
    case u'8':
        style.colour = colour::skyBlue;
        style.shown = code != QLatin1String("8822");
        break;
    default:
        break;
    }
    return style;
}

} // namespace quelta
