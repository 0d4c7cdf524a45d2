#include "ui/pages/TimeZoneList.h"

#include "core/status/TimeZoneNames.h"

#include <QEvent>
#include <QListView>
#include <QStyledItemDelegate>

namespace quelta::ui {
namespace {

// Items are as wide as the list and as tall as their wrapped text.
class WrappedItemDelegate : public QStyledItemDelegate
{
public:
    static constexpr int kFrame = 2; // the open list's own frame and its view's
    explicit WrappedItemDelegate(QComboBox &list)
        : QStyledItemDelegate(&list)
        , list_(list)
    {
    }

    // The text is laid out as the style draws it: within the list's frame and the item's margins.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        const QStyle *style = list_.style();
        const int across = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list_) + 1;
        const int down = style->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, &list_) + 1;
        const int width = list_.width() - 2 * kFrame;
        const QRect text = item.fontMetrics.boundingRect(QRect(0, 0, width - 2 * across, 10000), Qt::TextWordWrap,
                                                         item.text);
        return {width, text.height() + 2 * down};
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->features |= QStyleOptionViewItem::WrapText;
    }

private:
    const QComboBox &list_;
};

} // namespace

TimeZoneList::TimeZoneList(QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("CBHora"));
    addItems(zoneCaptions());
    setItemDelegate(new WrappedItemDelegate(*this));
    view()->setTextElideMode(Qt::ElideNone);
    if (auto *list = qobject_cast<QListView *>(view()))
        list->setResizeMode(QListView::Adjust);
    setSizeAdjustPolicy(AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(32);
}

// The places are named in the language in use; the chosen item stays.
void TimeZoneList::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const QStringList captions = zoneCaptions();
        for (int position = 0; position < count() && position < captions.size(); ++position)
            setItemText(position, captions.at(position));
    }
    QComboBox::changeEvent(event);
}

// The list opens as wide as the box, so that long names wrap instead of widening it.
void TimeZoneList::showPopup()
{
    view()->window()->setMaximumWidth(width());
    view()->doItemsLayout();
    QComboBox::showPopup();
}

} // namespace quelta::ui
