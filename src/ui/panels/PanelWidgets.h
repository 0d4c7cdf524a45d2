#pragma once

#include <QWidget>

namespace quelta::ui {

// A panel of a fire panel's front: a box in its fill colour (the palette's Window), square or with
// curved corners, with a bevel and an optional caption in the palette's WindowText. The corner
// radius names the corner ellipse's size, as the panel routines give it: half is the corner's
// radius. Outside the curve the panel below shows through.
class PanelBox : public QWidget
{
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    explicit PanelBox(QWidget *parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    int cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(int radius);
    void setBevel(Bevel bevel);
    void setCaptionAlignment(Qt::Alignment alignment);
    // The caption's size against the panel's font, and its weight: a screen writes its caption
    // large and bold without changing the font its controls take.
    void setCaptionStyle(qreal scale, bool bold);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
    int cornerRadius_ = 0;
    Bevel bevel_ = Bevel::Raised;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    qreal captionScale_ = 1.0;
    bool captionBold_ = false;
};

// A lamp or a plain shape of a panel's front, round or square, in its fill colour (the palette's
// Window). The blink engine's lamp painter and the panel routines only change that colour.
class LampShape : public QWidget
{
    Q_OBJECT
public:
    enum class Form { Round, Square };

    explicit LampShape(Form form, QWidget *parent = nullptr);

    int cornerRadius() const { return cornerRadius_; }
    void setCornerRadius(int radius);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Form form_;
    int cornerRadius_ = 0;
};

// Keeps a lamp's surroundings clear: its background role is a transparent colour, so that the lamp
// painter, which fills the palette's background, never paints the whole rectangle. Only for
// controls without children, which would take that role too.
void keepBackgroundClear(QWidget &widget);

} // namespace quelta::ui
