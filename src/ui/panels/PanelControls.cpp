#include "ui/panels/PanelControls.h"

#include "ui/panels/PanelWidgets.h"
#include "ui/status/StatusPainting.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace quelta::ui {
namespace {

int cornerRadiusOf(const QWidget &widget)
{
    if (const auto *panel = qobject_cast<const PanelBox *>(&widget))
        return panel->cornerRadius();
    if (const auto *shape = qobject_cast<const LampShape *>(&widget))
        return shape->cornerRadius();
    return 0;
}

void setCornerRadiusOf(QWidget &widget, int radius)
{
    if (auto *panel = qobject_cast<PanelBox *>(&widget))
        panel->setCornerRadius(radius);
    else if (auto *shape = qobject_cast<LampShape *>(&widget))
        shape->setCornerRadius(radius);
}

void setRoles(QWidget &widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    widget.setPalette(palette);
}

// Each kind of control keeps its fill in its own palette role.
void setFill(QWidget &widget, const QColor &colour)
{
    if (qobject_cast<QTextEdit *>(&widget)) {
        setRoles(widget, {QPalette::Base}, colour);
    } else if (qobject_cast<QAbstractButton *>(&widget)) {
        setRoles(widget, {QPalette::Button}, colour);
    } else if (qobject_cast<QLabel *>(&widget)) {
        setRoles(widget, {QPalette::Window}, colour);
        widget.setAutoFillBackground(true);
    } else {
        setRoles(widget, {QPalette::Window}, colour);
    }
}

void setBold(QWidget &widget, bool bold)
{
    QFont font = widget.font();
    font.setBold(bold);
    widget.setFont(font);
}

// A screen keeps its place and visibility, which the view gives it.
void restore(QWidget &widget, const LaidOutLook &look, bool screen)
{
    widget.setPalette(look.palette.value_or(QPalette()));
    widget.setFont(look.font.value_or(QFont()));
    widget.setAutoFillBackground(look.autoFill);
    setCaptionOf(widget, look.caption);
    setCornerRadiusOf(widget, look.cornerRadius);
    if (screen)
        return;
    widget.move(look.position);
    widget.setHidden(look.hidden);
}

template <typename T>
void inherit(std::optional<T> &own, const std::optional<T> &inner)
{
    if (!own)
        own = inner;
}

} // namespace

QString panelText(const char *source)
{
    return QCoreApplication::translate("PanelScreens", source);
}

void PanelControls::add(const QString &name, const PanelControl &control)
{
    Q_ASSERT_X(!controls_.contains(name), "PanelControls::add", qPrintable(name));
    control.widget->setObjectName(name);
    controls_.insert(name, control);
}

void PanelControls::addCaption(QWidget &widget, const char *source)
{
    captions_.append({&widget, source});
    setCaptionOf(widget, panelText(source));
}

const PanelControl *PanelControls::find(const QString &name) const
{
    const auto it = controls_.constFind(name);
    return it == controls_.cend() ? nullptr : &*it;
}

QStringList PanelControls::innerPanels(const QWidget &screen) const
{
    QStringList names;
    for (auto it = controls_.cbegin(); it != controls_.cend(); ++it) {
        if (it->innerPanel && it->screen == &screen)
            names << it.key();
    }
    return names;
}

void PanelControls::recordLaidOut()
{
    for (PanelControl &control : controls_) {
        QWidget &widget = *control.widget;
        LaidOutLook &look = control.laidOut;
        look.hidden = widget.isHidden();
        look.autoFill = widget.autoFillBackground();
        look.palette = widget.testAttribute(Qt::WA_SetPalette) ? std::optional(widget.palette()) : std::nullopt;
        look.font = widget.testAttribute(Qt::WA_SetFont) ? std::optional(widget.font()) : std::nullopt;
        look.position = widget.pos();
        look.caption = captionOf(widget);
        look.cornerRadius = cornerRadiusOf(widget);
    }
}

void PanelControls::retranslate()
{
    for (const auto &[widget, source] : captions_)
        setCaptionOf(*widget, panelText(source));
    for (PanelControl &control : controls_) {
        if (control.captionSource)
            control.laidOut.caption = panelText(control.captionSource);
    }
}

void PanelControls::show(const QString &name, const ControlLook &own, const ControlLook &inner) const
{
    const PanelControl *control = find(name);
    if (!control)
        return;
    if (control->lamp) {
        applyLook(*control->widget, own, *control->screen);
        return;
    }
    ControlLook look = own;
    if (control->innerPanel) {
        inherit(look.visible, inner.visible);
        inherit(look.fill, inner.fill);
        inherit(look.font, inner.font);
        inherit(look.caption, inner.caption);
        inherit(look.bold, inner.bold);
        inherit(look.cornerRadius, inner.cornerRadius);
    }
    const bool screen = control->widget == control->screen;
    if (screen) {
        look.visible.reset();
        look.left.reset();
    }
    restore(*control->widget, control->laidOut, screen);
    applyLook(*control->widget, look, *control->screen);
}

QString captionOf(const QWidget &widget)
{
    if (const auto *panel = qobject_cast<const PanelBox *>(&widget))
        return panel->caption();
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return button->text();
    if (const auto *box = qobject_cast<const QTextEdit *>(&widget))
        return box->toPlainText();
    return {};
}

void setCaptionOf(QWidget &widget, const QString &caption)
{
    if (auto *panel = qobject_cast<PanelBox *>(&widget))
        panel->setCaption(caption);
    else if (auto *label = qobject_cast<QLabel *>(&widget))
        label->setText(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(&widget))
        button->setText(caption);
    else if (auto *box = qobject_cast<QTextEdit *>(&widget); box && box->toPlainText() != caption)
        box->setPlainText(caption);
}

void applyLook(QWidget &widget, const ControlLook &look, const QWidget &screen)
{
    if (look.fill)
        setFill(widget, toQColor(*look.fill, widget));
    if (look.font)
        setRoles(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, toQColor(*look.font, widget));
    if (look.bold)
        setBold(widget, *look.bold);
    if (look.caption)
        setCaptionOf(widget, *look.caption);
    if (look.cornerRadius)
        setCornerRadiusOf(widget, *look.cornerRadius);
    if (look.left && widget.parentWidget())
        widget.move(widget.parentWidget()->mapFrom(&screen, QPoint(*look.left, 0)).x(), widget.y());
    if (look.lines) {
        if (auto *box = qobject_cast<QTextEdit *>(&widget)) {
            showLines(*box, *look.lines);
        } else {
            QStringList texts;
            for (const DisplayLine &line : *look.lines)
                texts << line.text;
            setCaptionOf(widget, texts.join(QLatin1Char('\n')));
        }
    }
    if (look.visible)
        widget.setVisible(*look.visible);
}

void showLines(QTextEdit &box, const QList<DisplayLine> &lines)
{
    QTextDocument &document = *box.document();
    document.clear();
    QTextCursor cursor(&document);
    const QColor own = box.palette().color(QPalette::Text);
    bool first = true;
    for (const DisplayLine &line : lines) {
        if (!first)
            cursor.insertBlock();
        first = false;
        QTextCharFormat format;
        format.setForeground(line.colour == colour::windowText ? own : toQColor(line.colour, box));
        format.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
        if (line.pointSize > 0)
            format.setFontPointSize(line.pointSize);
        cursor.insertText(line.text, format);
    }
    box.moveCursor(QTextCursor::Start);
    box.ensureCursorVisible();
}

} // namespace quelta::ui
