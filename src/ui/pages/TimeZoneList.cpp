#include "ui/pages/TimeZoneList.h"

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

const QStringList &TimeZoneList::items()
{
    static const QStringList zones{
        QStringLiteral("(UTC-10:00) Hawaii"),
        QStringLiteral("(UTC-09:00) Alaska"),
        QStringLiteral("(UTC-08:00) Pacific Time (US & Canada), Tijuana"),
        QStringLiteral("(UTC-07:00) Mountain Time (US & Canada), Chihuahua, Mazatlan"),
        QStringLiteral("(UTC-06:00) Central Time (US & Canada), Central America, Mexico City"),
        QStringLiteral("(UTC-05:00) Eastern Time (US & Canada), Bogota, Lima, Quito"),
        QStringLiteral("(UTC-04:00) Atlantic Time (Canada), Caracas, La Paz, Santiago"),
        QStringLiteral("(UTC-03:00) Brasilia, Buenos Aires, Montevideo, Greenland"),
        QStringLiteral("(UTC-02:00) Mid-Atlantic, Fernando de Noronha"),
        QStringLiteral("(UTC-01:00) Azores, Cape Verde Is."),
        QStringLiteral("(UTC+00:00) Dublin, Edinburgh, Lisboa, London, Reykjavik, Casablanca"),
        QStringLiteral("(UTC+01:00) Amsterdam, Berlin, Brussels, Madrid, Paris, Belgrade, Budapest, West Central Africa"),
        QStringLiteral("(UTC+02:00) Athens, Bucharest, Helsinki, Riga, Cairo, Jerusalem"),
        QStringLiteral("(UTC+03:00) Moscow, St. Petersburg, Istanbul, Riyadh, Nairobi"),
        QStringLiteral("(UTC+04:00) Abu Dhabi, Muscat, Baku, Tbilisi"),
        QStringLiteral("(UTC+05:00) Islamabad, Karachi, Tashkent"),
        QStringLiteral("(UTC+06:00) Astana, Dhaka, Omsk"),
        QStringLiteral("(UTC+07:00) Bangkok, Hanoi, Jakarta"),
        QStringLiteral("(UTC+08:00) Beijing, Hong Kong, Perth, Singapore, Taipei"),
        QStringLiteral("(UTC+09:00) Osaka, Sapporo, Tokyo, Seoul"),
        QStringLiteral("(UTC+10:00) Brisbane, Canberra, Melbourne, Sydney, Vladivostok"),
        QStringLiteral("(UTC+11:00) Magadan, Solomon Is., New Caledonia"),
        QStringLiteral("(UTC+12:00) Auckland, Wellington, Fiji"),
        QStringLiteral("(UTC+13:00) Nuku alofa, Samoa"),
    };
    return zones;
}

TimeZoneList::TimeZoneList(QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("CBHora"));
    addItems(items());
    setItemDelegate(new WrappedItemDelegate(*this));
    view()->setTextElideMode(Qt::ElideNone);
    if (auto *list = qobject_cast<QListView *>(view()))
        list->setResizeMode(QListView::Adjust);
    setSizeAdjustPolicy(AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(32);
}

// The list opens as wide as the box, so that long names wrap instead of widening it.
void TimeZoneList::showPopup()
{
    view()->window()->setMaximumWidth(width());
    view()->doItemsLayout();
    QComboBox::showPopup();
}

} // namespace quelta::ui
