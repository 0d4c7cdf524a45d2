#pragma once

#include "core/status/StatusColours.h"

#include <QList>
#include <QString>

namespace quelta::test {

// Names for the colours the screen uses, so that failures read well.
inline QString colourName(Colour colour)
{
    static const QList<std::pair<Colour, const char *>> names = {
        {colour::red, "red"},           {colour::lime, "lime"},         {colour::green, "green"},
        {colour::blue, "blue"},         {colour::yellow, "yellow"},     {colour::amber, "amber"},
        {colour::orange, "orange"},     {colour::silver, "silver"},     {colour::grey, "grey"},
        {colour::mediumGrey, "mediumGrey"}, {colour::white, "white"},   {colour::paleBlue, "paleBlue"},
        {colour::paleRed, "paleRed"},   {colour::paleGreen, "paleGreen"}, {colour::skyBlue, "skyBlue"},
        {colour::darkOlive, "darkOlive"}, {colour::olive, "olive"},     {colour::gold, "gold"},
        {colour::iceBlue, "iceBlue"},   {colour::magenta, "magenta"},   {colour::black, "black"},
        {colour::window, "window"},     {colour::windowText, "windowText"}, {colour::buttonFace, "buttonFace"},
        {colour::inactiveCaption, "inactiveCaption"}, {colour::grayText, "grayText"}, {colour::hotLight, "hotLight"},
    };
    for (const auto &[known, name] : names) {
        if (known == colour)
            return QLatin1String(name);
    }
    return QStringLiteral("#%1").arg(colour.rgb, 8, 16, QLatin1Char('0'));
}

} // namespace quelta::test
