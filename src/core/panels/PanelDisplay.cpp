#include "core/panels/PanelDisplay.h"

#include "core/status/BlinkEngine.h"

namespace quelta {

PanelDisplay::PanelDisplay(BlinkEngine &blink, QObject *parent) : QObject(parent), blink_(blink) {}

void PanelDisplay::setTag(const QString &lamp, int tag)
{
    tags_.insert(lamp, tag);
    if (blink_.contains(lamp))
        blink_.setTag(lamp, tag);
}

int PanelDisplay::tag(const QString &lamp) const
{
    return tags_.value(lamp);
}

void PanelDisplay::restartPhase(BlinkCounter counter)
{
    blink_.restartPhase(counter);
}

QMap<QString, int> PanelDisplay::tags() const
{
    QMap<QString, int> sorted;
    for (auto it = tags_.cbegin(); it != tags_.cend(); ++it)
        sorted.insert(it.key(), it.value());
    return sorted;
}

void PanelDisplay::resetLamp(const QString &lamp, Colour colour)
{
    tags_.remove(lamp);
    if (blink_.contains(lamp))
        blink_.setTag(lamp, 0);
    setLampColour(lamp, colour);
}

void PanelDisplay::setLampColour(const QString &lamp, Colour colour)
{
    if (blink_.contains(lamp))
        blink_.setColour(lamp, colour);
    else
        setFill(lamp, colour);
}

ControlLook &PanelDisplay::look(const QString &control)
{
    return controls_[control];
}

void PanelDisplay::changed(const QString &control)
{
    emit controlChanged(control);
}

void PanelDisplay::setVisible(const QString &control, bool visible)
{
    look(control).visible = visible;
    changed(control);
}

void PanelDisplay::setFill(const QString &control, Colour colour)
{
    look(control).fill = colour;
    changed(control);
}

void PanelDisplay::setFont(const QString &control, Colour colour)
{
    look(control).font = colour;
    changed(control);
}

void PanelDisplay::setCaption(const QString &control, const QString &caption)
{
    look(control).caption = caption;
    changed(control);
}

void PanelDisplay::setBold(const QString &control, bool bold)
{
    look(control).bold = bold;
    changed(control);
}

void PanelDisplay::setCornerRadius(const QString &control, int radius)
{
    look(control).cornerRadius = radius;
    changed(control);
}

void PanelDisplay::setLeft(const QString &control, int left)
{
    look(control).left = left;
    changed(control);
}

void PanelDisplay::clearLines(const QString &control)
{
    look(control).lines = QList<DisplayLine>{};
    changed(control);
}

void PanelDisplay::addLine(const QString &control, const DisplayLine &line)
{
    ControlLook &target = look(control);
    if (!target.lines)
        target.lines = QList<DisplayLine>{};
    target.lines->append(line);
    changed(control);
}

void PanelDisplay::addLines(const QString &control, const QStringList &lines, Colour colour)
{
    ControlLook &target = look(control);
    if (!target.lines)
        target.lines = QList<DisplayLine>{};
    for (const QString &line : lines)
        target.lines->append({line, colour});
    changed(control);
}

QStringList PanelDisplay::lines(const QString &control) const
{
    QStringList texts;
    for (const DisplayLine &line : controls_.value(control).lines.value_or(QList<DisplayLine>{}))
        texts << line.text;
    return texts;
}

void PanelDisplay::setInnerLook(const QString &screen, const ControlLook &look)
{
    innerLooks_.insert(screen, look);
    emit innerLookChanged(screen);
}

void PanelDisplay::setCounter(const QString &name, int value)
{
    counters_.insert(name, value);
}

void PanelDisplay::setList(const QString &name, const QStringList &entries)
{
    lists_.insert(name, entries);
}

QMap<QString, QString> PanelDisplay::captions() const
{
    QMap<QString, QString> texts;
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        if (it->caption)
            texts.insert(it.key(), *it->caption);
    }
    return texts;
}

void PanelDisplay::reset()
{
    tags_.clear();
    controls_.clear();
    innerLooks_.clear();
    counters_.clear();
    lists_.clear();
    emit displayReset();
}

} // namespace quelta
