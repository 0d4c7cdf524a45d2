#include "ui/cloud/DeviceDirectoryView.h"

#include "ui/cloud/DirectoryIcons.h"
#include "ui/editors/ListGrid.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace quelta::ui {
namespace {

constexpr int kRowHeight = 32;
constexpr int kIconSize = 24;

// The marker column 0 holds for a device that may be removed; it is drawn as the bin.
const QString kDeleteMark = QStringLiteral("Esborrar");

// The cells that hold a picture draw it alone, centred, over the cell's usual ground; the others as
// any cell.
class PictureDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QVariant picture = index.data(Qt::DecorationRole);
        if (!picture.canConvert<QPixmap>()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionViewItem ground = option;
        initStyleOption(&ground, index);
        ground.text.clear();
        ground.icon = QIcon();
        ground.features &= ~QStyleOptionViewItem::HasDecoration;
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &ground, painter, widget);

        const QPixmap pixmap = picture.value<QPixmap>();
        const QSize size = pixmap.deviceIndependentSize().toSize();
        QRect target(QPoint(), size);
        target.moveCenter(option.rect.center());
        painter->drawPixmap(target, pixmap);
    }
};

QLineEdit *searchEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumWidth(150);
    return edit;
}

// The icon at the view's pixel density.
QPixmap picture(DirectoryIcon icon, const QWidget *widget)
{
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap pixmap = directoryIcon(icon, qRound(kIconSize * ratio));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// What a link's state text looks like: switched off, lost, connected, or no such link at all.
DirectoryIcon stateIcon(const QString &state, bool ethernet)
{
    if (state == ethernetStateText(0))
        return ethernet ? DirectoryIcon::EthernetDisabled : DirectoryIcon::GprsDisabled;
    if (state == ethernetStateText(1))
        return ethernet ? DirectoryIcon::EthernetOff : DirectoryIcon::GprsOff;
    if (state == ethernetStateText(4))
        return ethernet ? DirectoryIcon::EthernetOn : DirectoryIcon::GprsOn;
    return DirectoryIcon::CloudOff;
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

// A cell drawn as a picture; its text stays for the tool tip and for screen readers.
QTableWidgetItem *pictureCell(const QString &text, const QPixmap &pixmap, bool tip)
{
    QTableWidgetItem *item = cell(text, Qt::AlignHCenter);
    item->setData(Qt::DecorationRole, pixmap);
    item->setData(Qt::AccessibleTextRole, text);
    if (tip)
        item->setToolTip(text);
    return item;
}

} // namespace

DeviceDirectoryView::DeviceDirectoryView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PLlistatCircuits"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildSearchBar());
    layout->addWidget(buildGrid(), 1);
    buildKeyPanel();
    retranslateUi();
}

QGroupBox *DeviceDirectoryView::buildSearchBar()
{
    GBLlistatCircuits_ = new QGroupBox(this);
    GBLlistatCircuits_->setObjectName(QStringLiteral("GBLlistatCircuits"));
    companyLabel_ = new QLabel(GBLlistatCircuits_);
    installerLabel_ = new QLabel(GBLlistatCircuits_);
    referenceLabel_ = new QLabel(GBLlistatCircuits_);
    ELListatEmpresa_ = searchEdit("ELListatEmpresa", GBLlistatCircuits_);
    ELlistatInstal_ = searchEdit("ELlistatInstal", GBLlistatCircuits_);
    ELlistatRef_ = searchEdit("ELlistatRef", GBLlistatCircuits_);
    companyLabel_->setBuddy(ELListatEmpresa_);
    installerLabel_->setBuddy(ELlistatInstal_);
    referenceLabel_->setBuddy(ELlistatRef_);
    BBLlistatBusca_ = new QPushButton(GBLlistatCircuits_);
    BBLlistatBusca_->setObjectName(QStringLiteral("BBLlistatBusca"));
    connect(BBLlistatBusca_, &QPushButton::clicked, this, [this] { emit searchRequested(search()); });
    for (QLineEdit *edit : {ELListatEmpresa_, ELlistatInstal_, ELlistatRef_})
        connect(edit, &QLineEdit::returnPressed, BBLlistatBusca_, &QPushButton::click);

    auto *bar = new QHBoxLayout(GBLlistatCircuits_);
    bar->addWidget(companyLabel_);
    bar->addWidget(ELListatEmpresa_, 1);
    bar->addSpacing(12);
    bar->addWidget(installerLabel_);
    bar->addWidget(ELlistatInstal_, 1);
    bar->addSpacing(12);
    bar->addWidget(referenceLabel_);
    bar->addWidget(ELlistatRef_, 1);
    bar->addSpacing(12);
    bar->addWidget(BBLlistatBusca_);
    return GBLlistatCircuits_;
}

QTableWidget *DeviceDirectoryView::buildGrid()
{
    auto *grid = new QTableWidget(0, ColumnCount, this);
    SGLListatCircuits_ = grid;
    grid->setObjectName(QStringLiteral("SGLListatCircuits"));
    styleListGrid(*grid, kRowHeight);
    grid->setItemDelegate(new PictureDelegate(grid));
    QHeaderView *header = grid->horizontalHeader();
    // Installer and reference share what the fixed columns leave, and follow the list's width.
    const int fixedWidths[ColumnCount] = {50, 0, 0, 150, 95, 95};
    for (int column = 0; column < ColumnCount; ++column) {
        if (fixedWidths[column] == 0) {
            header->setSectionResizeMode(column, QHeaderView::Stretch);
        } else {
            header->setSectionResizeMode(column, QHeaderView::Fixed);
            header->resizeSection(column, fixedWidths[column]);
        }
    }

    grid->viewport()->setMouseTracking(true);
    grid->viewport()->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int column) { emit cellActivated(row + 1, column); });
    return grid;
}

QFrame *DeviceDirectoryView::buildKeyPanel()
{
    PBuscaPassword_ = new QFrame(this);
    PBuscaPassword_->setObjectName(QStringLiteral("PBuscaPassword"));
    PBuscaPassword_->setStyleSheet(QStringLiteral("QFrame#PBuscaPassword { background: #F3F8FF;"
                                                  " border: 2px solid #7DB8FF; border-radius: 8px; }"));
    keyCaption_ = new QLabel(PBuscaPassword_);
    QFont bold = keyCaption_->font();
    bold.setBold(true);
    keyCaption_->setFont(bold);

    ISortirBuscaPasword_ = new QToolButton(PBuscaPassword_);
    ISortirBuscaPasword_->setObjectName(QStringLiteral("ISortirBuscaPasword"));
    ISortirBuscaPasword_->setAutoRaise(true);
    ISortirBuscaPasword_->setFocusPolicy(Qt::NoFocus);
    ISortirBuscaPasword_->setIcon(directoryIcon(DirectoryIcon::Close, 64));
    ISortirBuscaPasword_->setIconSize(QSize(18, 18));
    ISortirBuscaPasword_->setCursor(Qt::PointingHandCursor);
    connect(ISortirBuscaPasword_, &QToolButton::clicked, this, &DeviceDirectoryView::hideKeyPanel);

    EBuscaPassword_ = new QLineEdit(PBuscaPassword_);
    EBuscaPassword_->setObjectName(QStringLiteral("EBuscaPassword"));
    EBuscaPassword_->setMaxLength(20);
    EBuscaPassword_->setMinimumWidth(220);
    // The key is masked with "*". A line edit reads its mask from the style when it is polished or
    // its style changes, so the sheet that sets it comes after the polish.
    EBuscaPassword_->ensurePolished();
    EBuscaPassword_->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    maskKey(true);

    // The key shows in clear only while this button is held down.
    BBMostraPassword_ = new QPushButton(PBuscaPassword_);
    BBMostraPassword_->setObjectName(QStringLiteral("BBMostraPassword"));
    BBMostraPassword_->setFocusPolicy(Qt::NoFocus);
    BBMostraPassword_->setIcon(directoryIcon(DirectoryIcon::ShowKey, 64));
    BBMostraPassword_->setIconSize(QSize(20, 20));
    BBMostraPassword_->installEventFilter(this);
    connect(BBMostraPassword_, &QPushButton::pressed, this, [this] { maskKey(false); });
    connect(BBMostraPassword_, &QPushButton::released, this, [this] { maskKey(true); });

    BBAcceptarPassword_ = new QPushButton(PBuscaPassword_);
    BBAcceptarPassword_->setObjectName(QStringLiteral("BBAcceptarPassword"));
    connect(BBAcceptarPassword_, &QPushButton::clicked, this, [this] { emit keyEntered(EBuscaPassword_->text()); });
    connect(EBuscaPassword_, &QLineEdit::returnPressed, BBAcceptarPassword_, &QPushButton::click);

    auto *top = new QHBoxLayout;
    top->addWidget(keyCaption_, 1, Qt::AlignCenter);
    top->addWidget(ISortirBuscaPasword_, 0, Qt::AlignTop | Qt::AlignRight);
    auto *key = new QHBoxLayout;
    key->addWidget(EBuscaPassword_, 1);
    key->addWidget(BBMostraPassword_);
    auto *panel = new QVBoxLayout(PBuscaPassword_);
    panel->setContentsMargins(18, 10, 10, 16);
    panel->setSpacing(10);
    panel->addLayout(top);
    panel->addLayout(key);
    panel->addWidget(BBAcceptarPassword_, 0, Qt::AlignHCenter);
    PBuscaPassword_->hide();
    return PBuscaPassword_;
}

void DeviceDirectoryView::showEntries(const QList<DirectoryEntry> &entries)
{
    QTableWidget *grid = SGLListatCircuits_;
    grid->clearContents();
    grid->setRowCount(int(entries.size()));
    const QPixmap bin = picture(DirectoryIcon::Delete, this);
    for (int row = 0; row < entries.size(); ++row) {
        const DirectoryEntry &entry = entries.at(row);
        grid->setItem(row, Number, entry.deletable() ? pictureCell(kDeleteMark, bin, false)
                                                     : cell(QString::number(row + 1), Qt::AlignHCenter));
        grid->setItem(row, Installer, cell(entry.installer, Qt::AlignLeft));
        grid->setItem(row, Reference, cell(entry.reference, Qt::AlignLeft));
        grid->setItem(row, Identifier, cell(entry.identifier, Qt::AlignHCenter));
        grid->setItem(row, Ethernet, pictureCell(entry.ethernet, picture(stateIcon(entry.ethernet, true), this), true));
        grid->setItem(row, Gprs, pictureCell(entry.gprs, picture(stateIcon(entry.gprs, false), this), true));
    }
    grid->scrollToTop();
}

void DeviceDirectoryView::fillSearch(const DirectorySearch &search)
{
    ELListatEmpresa_->setText(search.company);
    ELlistatInstal_->setText(search.installer);
    ELlistatRef_->setText(search.reference);
}

DirectorySearch DeviceDirectoryView::search() const
{
    return {ELListatEmpresa_->text().trimmed(), ELlistatInstal_->text().trimmed(), ELlistatRef_->text().trimmed()};
}

void DeviceDirectoryView::showKeyPanel()
{
    EBuscaPassword_->clear();
    maskKey(true);
    placeKeyPanel();
    PBuscaPassword_->show();
    PBuscaPassword_->raise();
    focusKey();
}

void DeviceDirectoryView::hideKeyPanel()
{
    PBuscaPassword_->hide();
    maskKey(true);
}

void DeviceDirectoryView::focusCompany()
{
    ELListatEmpresa_->setFocus(Qt::OtherFocusReason);
}

void DeviceDirectoryView::focusInstaller()
{
    ELlistatInstal_->setFocus(Qt::OtherFocusReason);
}

void DeviceDirectoryView::focusKey()
{
    EBuscaPassword_->setFocus(Qt::OtherFocusReason);
}

void DeviceDirectoryView::maskKey(bool masked)
{
    EBuscaPassword_->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

// The key panel sits in the middle of the list, a little towards its top.
void DeviceDirectoryView::placeKeyPanel()
{
    PBuscaPassword_->adjustSize();
    const QRect list = SGLListatCircuits_->geometry();
    QRect panel(QPoint(), PBuscaPassword_->sizeHint());
    panel.moveCenter(QPoint(list.center().x(), list.top() + list.height() / 3));
    panel.moveTop(qMax(panel.top(), list.top() + 8));
    PBuscaPassword_->setGeometry(panel);
}

void DeviceDirectoryView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (PBuscaPassword_->isVisible())
        placeKeyPanel();
}

bool DeviceDirectoryView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == BBMostraPassword_ && event->type() == QEvent::Leave) {
        maskKey(true);
    } else if (watched == SGLListatCircuits_->viewport()) {
        // The link cells are the ones that open a device: the pointer tells so.
        if (event->type() == QEvent::MouseMove) {
            const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
            const QModelIndex index = SGLListatCircuits_->indexAt(at);
            if (index.isValid() && (index.column() == Ethernet || index.column() == Gprs))
                SGLListatCircuits_->viewport()->setCursor(Qt::PointingHandCursor);
            else
                SGLListatCircuits_->viewport()->unsetCursor();
        } else if (event->type() == QEvent::Leave) {
            SGLListatCircuits_->viewport()->unsetCursor();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DeviceDirectoryView::retranslateUi()
{
    companyLabel_->setText(tr("EMPRESA: "));
    installerLabel_->setText(tr("INSTALADOR: "));
    referenceLabel_->setText(tr("REFERENCIA: "));
    BBLlistatBusca_->setText(tr("BUSCAR"));
    SGLListatCircuits_->setToolTip(tr("Doble click para acceder al equipo o eliminarlo"));
    const QString separator = QStringLiteral(": ");
    SGLListatCircuits_->setHorizontalHeaderLabels({tr("N."), tr("Instalador: ").remove(separator),
                                                   tr("Referencia: ").remove(separator),
                                                   tr("Identificador: ").remove(separator), tr("Ethernet"), tr("GPRS")});
    keyCaption_->setText(tr("INTRODUZCA LA CLAVE"));
    BBAcceptarPassword_->setText(tr("ACEPTAR"));
    if (PBuscaPassword_->isVisible())
        placeKeyPanel();
}

void DeviceDirectoryView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

} // namespace quelta::ui
