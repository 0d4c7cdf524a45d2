#pragma once

#include "core/panels/PanelDisplay.h"

#include <QFont>
#include <QHash>
#include <QPalette>
#include <QPoint>

#include <optional>

class QTextEdit;
class QWidget;

namespace quelta::ui {

// The panel screens' own texts in the current language.
QString panelText(const char *source);

// How a control looked when its screen was laid out: what a panel routine's look overrides and
// what a reset brings back.
struct LaidOutLook
{
    bool hidden = false;
    bool autoFill = false;
    std::optional<QPalette> palette; // none: the control takes the colours of the panel it is on
    std::optional<QFont> font;
    QPoint position;
    QString caption;
    int cornerRadius = 0;
};

// One named control of the panel screens.
struct PanelControl
{
    QWidget *widget = nullptr;
    QWidget *screen = nullptr;
    bool innerPanel = false;             // takes the look the routines give the screen's panels
    bool lamp = false;                   // a lamp of the blink engine, which the lamp painter paints
    const char *captionSource = nullptr; // the laid-out caption, untranslated
    LaidOutLook laidOut{};
};

// The named controls of every panel screen and the unnamed captions beside them; shows a control
// in the look the panel routines give it over the look it was laid out with.
class PanelControls
{
public:
    void add(const QString &name, const PanelControl &control);
    void addCaption(QWidget &widget, const char *source);

    const PanelControl *find(const QString &name) const;
    QStringList names() const { return controls_.keys(); }
    QStringList innerPanels(const QWidget &screen) const;

    // Takes every control's look as it stands as its laid-out look.
    void recordLaidOut();
    // The laid-out captions in the current language.
    void retranslate();

    // A control as laid out, then the screen's inner look, then its own look over both. A lamp
    // keeps what the lamp painter gave it: only what its own look sets is applied.
    void show(const QString &name, const ControlLook &own, const ControlLook &inner) const;

private:
    QHash<QString, PanelControl> controls_;
    QList<std::pair<QWidget *, const char *>> captions_;
};

// The text a control shows, whatever kind of widget it is.
QString captionOf(const QWidget &widget);
void setCaptionOf(QWidget &widget, const QString &caption);

// Sets on the widget what the look sets; positions are taken from the screen's left edge.
void applyLook(QWidget &widget, const ControlLook &look, const QWidget &screen);

// A memo's or an event box's lines, each in its colour, weight and size; a line in the window-text
// colour takes the box's own text colour.
void showLines(QTextEdit &box, const QList<DisplayLine> &lines);

} // namespace quelta::ui
