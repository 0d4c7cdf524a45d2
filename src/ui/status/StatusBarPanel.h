#pragma once

#include "core/status/StatusScreen.h"

#include <QLabel>

namespace quelta::ui {

// One owner-drawn panel of the status bar: its background, a picture 3 px from the left and 5 px
// from the top, then its text in bold black after the picture's width and 8 px. The indent moves
// picture and text right together, clear of lamps that lie over the panel's left end.
class StatusBarPanel : public QLabel
{
    Q_OBJECT
public:
    static constexpr QPoint kPictureAt{3, 5};
    static constexpr int kPictureWidth = 16;
    static constexpr int kTextGap = 8;

    explicit StatusBarPanel(QWidget *parent = nullptr);

    // The bar's bold font, sized for the screen's resolution.
    static QFont panelFont(const QWidget &widget);

    // The label's own text stays the status bar's text; the look's text is what is drawn.
    void setLook(const StatusBarPanelLook &look);
    QColor background() const { return background_; }
    int picture() const { return picture_; }
    QString drawnText() const { return drawnText_; }
    // Where the text is drawn: after the indent, the picture and the gap, to the panel's end.
    QRect textRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The picture's corner, moved right by the indent.
    QPoint origin() const;

    QColor background_;
    int picture_ = -1;
    QString drawnText_;
};

} // namespace quelta::ui
