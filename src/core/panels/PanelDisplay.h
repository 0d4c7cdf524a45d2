#pragma once

#include "core/status/StatusColours.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <optional>

namespace quelta {

class BlinkEngine;
enum class BlinkCounter;

// One line of a panel screen's memo or event box, with its own colour and weight.
struct DisplayLine
{
    QString text;
    Colour colour = colour::windowText;
    bool bold = false;
    int pointSize = 0; // 0: the box's own size

    friend bool operator==(const DisplayLine &, const DisplayLine &) = default;
};

// How one control of a panel screen looks. Only what the panel routines have set is held; the rest
// stays as the screen lays the control out.
struct ControlLook
{
    std::optional<bool> visible;
    std::optional<Colour> fill;
    std::optional<Colour> font;     // the text colour
    std::optional<QString> caption;
    std::optional<bool> bold;
    std::optional<int> cornerRadius;
    std::optional<int> left;         // pixels from the screen's left edge
    std::optional<QList<DisplayLine>> lines; // a memo's or an event box's text
};

// What the fire-panel screens show: the lamps' Tags (animated by the blink engine), every other
// control's look, and the panel's counters and lists. The panel routines write it, the window and
// quelta-cli read it. `live` is the panel-link gate: the panel is connected and the screen is not
// a cloud snapshot.
class PanelDisplay : public QObject
{
    Q_OBJECT
public:
    explicit PanelDisplay(BlinkEngine &blink, QObject *parent = nullptr);

    bool live() const { return live_; }
    void setLive(bool live) { live_ = live; }

    // A lamp's Tag; lamps of the blink engine's table blink and paint by it.
    void setTag(const QString &lamp, int tag);
    int tag(const QString &lamp) const;
    void restartPhase(BlinkCounter counter);
    // The lamps whose Tag a routine has set since the last reset, with those Tags.
    QMap<QString, int> tags() const;
    // A lamp back to Tag 0 in the colour it has without a panel; not a Tag a routine set.
    void resetLamp(const QString &lamp, Colour colour);
    // Paints a lamp of the blink engine's table outside its Tag rules; any other control is filled.
    void setLampColour(const QString &lamp, Colour colour);

    void setVisible(const QString &control, bool visible);
    void setFill(const QString &control, Colour colour);
    void setFont(const QString &control, Colour colour);
    void setCaption(const QString &control, const QString &caption);
    void setBold(const QString &control, bool bold);
    void setCornerRadius(const QString &control, int radius);
    void setLeft(const QString &control, int left);
    void clearLines(const QString &control);
    void addLine(const QString &control, const DisplayLine &line);
    void addLines(const QString &control, const QStringList &lines, Colour colour = colour::windowText);
    QStringList lines(const QString &control) const;

    ControlLook control(const QString &name) const { return controls_.value(name); }
    // The look of a screen's inner panels, where a panel has no look of its own.
    void setInnerLook(const QString &screen, const ControlLook &look);
    ControlLook innerLook(const QString &screen) const { return innerLooks_.value(screen); }
    QStringList controlNames() const { return controls_.keys(); }

    void setCounter(const QString &name, int value);
    int counter(const QString &name) const { return counters_.value(name); }
    QMap<QString, int> counters() const { return counters_; }
    void setList(const QString &name, const QStringList &entries);
    QStringList list(const QString &name) const { return lists_.value(name); }
    QMap<QString, QStringList> lists() const { return lists_; }

    // The captions and texts set so far, by control.
    QMap<QString, QString> captions() const;

    // Forgets every look, Tag, counter and list (the screens are laid out afresh).
    void reset();

signals:
    void controlChanged(const QString &control);
    void innerLookChanged(const QString &screen);
    // Every control goes back to its laid-out look.
    void displayReset();

private:
    ControlLook &look(const QString &control);
    void changed(const QString &control);

    BlinkEngine &blink_;
    bool live_ = false;
    QHash<QString, int> tags_;
    QHash<QString, ControlLook> controls_;
    QHash<QString, ControlLook> innerLooks_;
    QMap<QString, int> counters_;
    QMap<QString, QStringList> lists_;
};

} // namespace quelta
