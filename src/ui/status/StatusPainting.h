#pragma once

#include "core/status/StatusColours.h"

#include <QColor>
#include <QPixmap>

class QLabel;
class QWidget;

namespace quelta::ui {

// The core's colour as this widget shows it: RGB as it stands, a system colour from the palette.
QColor toQColor(Colour colour, const QWidget &widget);

// Fills a panel-like widget with a background and writes its text in another colour.
void paintPanel(QWidget &widget, const QColor &background, const QColor &text);

// The window's image list: the pictures the status screen uses, drawn at the given size.
// An index the list does not hold gives a null pixmap.
QPixmap imageListPicture(int index, int size = 16);

// The door controller's pictures (closed, closing, open, opening, waiting, closed and not
// permitted), 120 by 120 pixels.
QPixmap doorPicture(int index);

} // namespace quelta::ui
