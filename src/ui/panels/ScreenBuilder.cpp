#include "ui/panels/ScreenBuilder.h"

#include "core/status/BlinkEngine.h"
#include "ui/panels/PanelControls.h"
#include "ui/status/StatusPainting.h"

#include <QFontDatabase>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace quelta::ui {
namespace {

// The look a lamp of the blink engine has at Tag 0; none for a control the engine does not paint.
std::optional<LampLook> offLook(const QString &name)
{
    static const QHash<QString, const LampDefinition *> lamps = [] {
        QHash<QString, const LampDefinition *> index;
        for (const LampGroup &group : blinkGroups()) {
            for (const LampDefinition &lamp : group.lamps)
                index.insert(lamp.name, &lamp);
        }
        return index;
    }();
    const LampDefinition *lamp = lamps.value(name);
    if (!lamp)
        return std::nullopt;
    const TagRule &rule = lamp->rule(0);
    return rule.effect == TagRule::Steady ? rule.on : LampLook{.colour = rule.off};
}

void setFontStyle(QWidget &widget, qreal pointSize, bool bold)
{
    if (pointSize <= 0 && !bold)
        return;
    QFont font = widget.font();
    if (pointSize > 0)
        font.setPointSizeF(pointSize);
    font.setBold(bold);
    widget.setFont(font);
}

void setColours(QWidget &widget, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> roles)
{
    QPalette palette = widget.palette();
    for (const auto &[role, colour] : roles)
        palette.setColor(role, colour);
    widget.setPalette(palette);
}

} // namespace

void setTextColour(QWidget &widget, Colour colour)
{
    const QColor text = toQColor(colour, widget);
    setColours(widget, {{QPalette::WindowText, text}, {QPalette::Text, text}, {QPalette::ButtonText, text}});
}

QString numbered(const char *prefix, int n, const char *suffix)
{
    return QLatin1String(prefix) + QString::number(n) + QLatin1String(suffix);
}

ScreenBuilder::ScreenBuilder(PanelControls &controls, QWidget &holder) : controls_(controls), holder_(holder) {}

void ScreenBuilder::add(QWidget &widget, const QString &name, bool innerPanel, bool lamp, const char *caption)
{
    if (name.isEmpty())
        return;
    controls_.add(name, {&widget, screen_, innerPanel, lamp, caption});
}

PanelBox *ScreenBuilder::screen(const QString &name, Colour fill, Colour text)
{
    screen_ = new PanelBox(&holder_);
    screen_->setFixedSize(kScreenSize);
    screen_->setCaptionStyle(1.8, true);
    setColours(*screen_, {{QPalette::Window, toQColor(fill, *screen_)}, {QPalette::WindowText, toQColor(text, *screen_)}});
    screen_->hide();
    add(*screen_, name, false, false);
    return screen_;
}

PanelBox *ScreenBuilder::panel(QWidget *in, const QString &name, const QRect &at, Colour fill, Colour text)
{
    auto *box = new PanelBox(in);
    box->setGeometry(at);
    setColours(*box, {{QPalette::Window, toQColor(fill, *box)}, {QPalette::WindowText, toQColor(text, *box)}});
    add(*box, name, true, false);
    return box;
}

PanelBox *ScreenBuilder::box(QWidget *in, const QString &name, const QRect &at, Colour fill, Colour text,
                             const char *caption)
{
    auto *box = new PanelBox(in);
    box->setGeometry(at);
    box->setBevel(PanelBox::Bevel::Lowered);
    setColours(*box, {{QPalette::Window, toQColor(fill, *box)}, {QPalette::WindowText, toQColor(text, *box)}});
    if (caption)
        box->setCaption(panelText(caption));
    add(*box, name, false, false, caption);
    return box;
}

LampShape *ScreenBuilder::lamp(QWidget *in, const QString &name, const QRect &at, Colour off)
{
    auto *lamp = new LampShape(LampShape::Form::Round, in);
    lamp->setGeometry(at);
    const std::optional<LampLook> look = offLook(name);
    setColours(*lamp, {{QPalette::Window, toQColor(look ? look->colour : off, *lamp)}});
    lamp->setVisible(!look || look->visible);
    add(*lamp, name, false, look.has_value());
    return lamp;
}

LampShape *ScreenBuilder::shape(QWidget *in, const QString &name, const QRect &at, Colour fill, LampShape::Form form)
{
    auto *shape = new LampShape(form, in);
    shape->setGeometry(at);
    setColours(*shape, {{QPalette::Window, toQColor(fill, *shape)}});
    add(*shape, name, false, false);
    return shape;
}

void ScreenBuilder::lampColumn(QWidget *in, QPoint topLeft, int row, const QList<CaptionedLamp> &lamps, Colour off)
{
    const int diameter = qMin(row - 4, 14);
    for (const CaptionedLamp &entry : lamps) {
        lamp(in, entry.name, QRect(topLeft + QPoint(0, (row - diameter) / 2), QSize(diameter, diameter)), off);
        label(in, {}, QRect(topLeft.x() + diameter + 6, topLeft.y(), in->width() - topLeft.x() - diameter - 8, row),
              entry.caption, 7);
        topLeft.ry() += row;
    }
}

QLabel *ScreenBuilder::lampLabel(QWidget *in, const QString &name, const QRect &at)
{
    auto *label = new QLabel(in);
    label->setGeometry(at);
    label->setAlignment(Qt::AlignCenter);
    keepBackgroundClear(*label);
    const LampLook look = offLook(name).value_or(LampLook{});
    label->setText(look.caption);
    if (!look.caption.isEmpty()) {
        setColours(*label, {{QPalette::WindowText, toQColor(look.colour, *label)}});
        setFontStyle(*label, 7.5, look.bold);
    }
    label->setVisible(look.visible);
    add(*label, name, false, true);
    return label;
}

QLabel *ScreenBuilder::label(QWidget *in, const QString &name, const QRect &at, const char *caption, qreal pointSize,
                             bool bold, Qt::Alignment alignment)
{
    auto *label = new QLabel(in);
    label->setGeometry(at);
    label->setAlignment(alignment);
    setFontStyle(*label, pointSize, bold);
    label->setWordWrap(at.height() > 2 * label->fontMetrics().height());
    if (name.isEmpty()) {
        if (caption)
            controls_.addCaption(*label, caption);
        return label;
    }
    if (caption)
        label->setText(panelText(caption));
    add(*label, name, false, false, caption);
    return label;
}

QTextEdit *ScreenBuilder::memo(QWidget *in, const QString &name, const QRect &at, Colour base, Colour text,
                               qreal pointSize)
{
    auto *box = new QTextEdit(in);
    box->setGeometry(at);
    box->setReadOnly(true);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(pointSize);
    box->setFont(font);
    box->document()->setDocumentMargin(3);
    setColours(*box, {{QPalette::Base, toQColor(base, *box)}, {QPalette::Text, toQColor(text, *box)}});
    add(*box, name, false, false);
    return box;
}

QAbstractButton *ScreenBuilder::button(QWidget *in, const QString &name, const QRect &at, const char *caption,
                                       Colour text, std::optional<KeyPicture> symbol)
{
    QAbstractButton *button = nullptr;
    if (symbol) {
        auto *tool = new QToolButton(in);
        tool->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tool->setIcon(QIcon(keyPicture(*symbol, 28)));
        tool->setIconSize({28, 28});
        button = tool;
    } else {
        button = new QPushButton(in);
    }
    button->setText(panelText(caption));
    button->setGeometry(at);
    setColours(*button, {{QPalette::ButtonText, toQColor(text, *button)}});
    button->setFocusPolicy(Qt::NoFocus);
    setFontStyle(*button, symbol ? 7.5 : 8, true);
    add(*button, name, false, false, caption);
    return button;
}

QLabel *ScreenBuilder::picture(QWidget *in, const QString &name, const QRect &at, KeyPicture symbol)
{
    auto *label = new QLabel(in);
    label->setGeometry(at);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(keyPicture(symbol, qMin(at.width(), at.height())));
    if (!name.isEmpty())
        add(*label, name, false, false);
    return label;
}

PanelBox *ScreenBuilder::key(QWidget *in, const QString &name, const QRect &at, Colour fill, Colour text,
                             const char *caption, KeyPicture symbol, const QString &pictureName,
                             const QString &captionName)
{
    PanelBox *key = panel(in, name, at, fill, text);
    const bool wide = at.width() >= 2 * at.height();
    const int side = qMin(wide ? at.height() - 12 : at.height() / 2, 32);
    QRect symbolAt(0, 6, side, side);
    QRect captionAt;
    if (wide) {
        symbolAt.moveLeft(qMax(8, at.height() / 3));
        symbolAt.moveTop((at.height() - side) / 2);
        captionAt = QRect(symbolAt.right() + 6, 2, at.width() - symbolAt.right() - 12, at.height() - 4);
    } else {
        symbolAt.moveLeft((at.width() - side) / 2);
        captionAt = QRect(4, symbolAt.bottom() + 2, at.width() - 8, at.height() - symbolAt.bottom() - 5);
    }
    picture(key, pictureName, symbolAt, symbol);
    label(key, captionName, captionAt, caption, 7, true, wide ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter)
        ->setWordWrap(true);
    return key;
}

} // namespace quelta::ui
