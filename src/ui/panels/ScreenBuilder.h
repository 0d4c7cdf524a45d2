#pragma once

#include "core/status/StatusColours.h"
#include "ui/panels/KeyPictures.h"
#include "ui/panels/PanelWidgets.h"

#include <QList>
#include <QRect>
#include <QString>

#include <optional>
#include <utility>

class QAbstractButton;
class QLabel;
class QTextEdit;

namespace quelta::ui {

class PanelControls;

// "SZona" 3 "" -> "SZona3": the numbered controls of a panel's zones.
QString numbered(const char *prefix, int n, const char *suffix = "");

// A control's text colour, which the controls on it take too.
void setTextColour(QWidget &widget, Colour colour);

// A lamp and the caption beside it.
struct CaptionedLamp
{
    QString name;
    const char *caption;
};

// Lays out the panel screens. Every control is placed at its pixel position in the colours it has
// without a connected panel and registered under its name, through which the panel routines' looks
// reach it. A lamp of the blink engine starts as its Tag 0 shows it.
class ScreenBuilder
{
public:
    static constexpr QSize kScreenSize{600, 290};

    ScreenBuilder(PanelControls &controls, QWidget &holder);

    // Starts a screen: the front of one panel. Its caption is written large in the middle.
    PanelBox *screen(const QString &name, Colour fill, Colour text = colour::black);

    // An inner panel of the current screen: the routines' look for the screen's panels reaches it.
    PanelBox *panel(QWidget *in, const QString &name, const QRect &at, Colour fill, Colour text = colour::black);
    // A named box that is no inner panel: a title, a heading, a cover.
    PanelBox *box(QWidget *in, const QString &name, const QRect &at, Colour fill, Colour text,
                  const char *caption = nullptr);

    // A round lamp in its colour when off.
    LampShape *lamp(QWidget *in, const QString &name, const QRect &at, Colour off = colour::silver);
    // A plain shape: a key to press, a coloured band.
    LampShape *shape(QWidget *in, const QString &name, const QRect &at, Colour fill, LampShape::Form form);
    // Lamps one under the other from topLeft, each with its caption to its right.
    void lampColumn(QWidget *in, QPoint topLeft, int row, const QList<CaptionedLamp> &lamps, Colour off = colour::silver);
    // A lamp of the blink engine that is a text (a zone number) or a picture (a zone's device).
    QLabel *lampLabel(QWidget *in, const QString &name, const QRect &at);

    // A text in the colour of what it is on; an empty name leaves it unnamed.
    QLabel *label(QWidget *in, const QString &name, const QRect &at, const char *caption, qreal pointSize = 0,
                  bool bold = false, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // A read-only memo or event box.
    QTextEdit *memo(QWidget *in, const QString &name, const QRect &at, Colour base, Colour text, qreal pointSize = 8);
    // A button; one with a symbol shows it above its caption.
    QAbstractButton *button(QWidget *in, const QString &name, const QRect &at, const char *caption,
                            Colour text = colour::black, std::optional<KeyPicture> symbol = {});
    QLabel *picture(QWidget *in, const QString &name, const QRect &at, KeyPicture symbol);
    // A key of the panel's keypad: an inner panel with its symbol and caption, side by side on a
    // wide key and one above the other on a tall one. The symbol and the caption may have names of
    // their own, so that a press on them is the key's too.
    PanelBox *key(QWidget *in, const QString &name, const QRect &at, Colour fill, Colour text, const char *caption,
                  KeyPicture symbol, const QString &pictureName = {}, const QString &captionName = {});

private:
    void add(QWidget &widget, const QString &name, bool innerPanel, bool lamp, const char *caption = nullptr);

    PanelControls &controls_;
    QWidget &holder_;
    PanelBox *screen_ = nullptr;
};

} // namespace quelta::ui
