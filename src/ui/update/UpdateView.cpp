#include "ui/update/UpdateView.h"

#include "core/update/UpdateSession.h"
#include "ui/editors/ListGrid.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quelta::ui {
namespace {

using update::FirmwareVersion;

const QColor kHeaderColour(0x6C, 0x9F, 0xEC);
// What the grid's width loses to its frame before the columns share it.
constexpr int kGridFrame = 8;
constexpr int kIconSize = 20;

// A download: an arrow going down into a tray.
QIcon downloadIcon()
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = kIconSize;
    const QColor green(0, 128, 0);
    p.setPen(QPen(green, s / 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(s * 0.5, s * 0.1), QPointF(s * 0.5, s * 0.55));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(QPolygonF({QPointF(s * 0.25, s * 0.45), QPointF(s * 0.75, s * 0.45), QPointF(s * 0.5, s * 0.72)}));
    p.setPen(QPen(QColor(0, 102, 204), s / 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(s * 0.12, s * 0.65), QPointF(s * 0.12, s * 0.88), QPointF(s * 0.88, s * 0.88),
                              QPointF(s * 0.88, s * 0.65)}));
    return QIcon(pixmap);
}

QTableWidgetItem *cell(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QPushButton *pushButton(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

} // namespace

UpdateView::UpdateView(update::UpdateSession &session, QWidget *parent) : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("PActualitzacions"));

    title_ = new QLabel(this);
    title_->setAlignment(Qt::AlignCenter);
    QFont titleFont = title_->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    title_->setFont(titleFont);

    LActualitzant_ = new QLabel(this);
    LActualitzant_->setObjectName(QStringLiteral("LActualitzant"));
    LActualitzant_->setAlignment(Qt::AlignCenter);
    PBActualitzacio_ = new QProgressBar(this);
    PBActualitzacio_->setObjectName(QStringLiteral("PBActualitzacio"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(buildCurrentVersions());
    layout->addWidget(buildVersionGrid(), 1);
    layout->addWidget(LActualitzant_);
    layout->addWidget(PBActualitzacio_);

    connect(&session_, &update::UpdateSession::changed, this, &UpdateView::refresh);
    retranslateUi();
    refresh();
}

QGroupBox *UpdateView::buildCurrentVersions()
{
    currentBox_ = new QGroupBox(this);
    VLEVersioActual_ = new QTableWidget(2, 2, currentBox_);
    VLEVersioActual_->setObjectName(QStringLiteral("VLEVersioActual"));
    VLEVersioActual_->horizontalHeader()->hide();
    VLEVersioActual_->verticalHeader()->hide();
    VLEVersioActual_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VLEVersioActual_->setSelectionMode(QAbstractItemView::NoSelection);
    VLEVersioActual_->setFocusPolicy(Qt::NoFocus);
    VLEVersioActual_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    VLEVersioActual_->setColumnWidth(0, 120);
    VLEVersioActual_->setColumnWidth(1, 200);
    VLEVersioActual_->setFixedSize(2 + 120 + 200 + 2, 2 + 2 * kRowHeight + 2);
    for (int row = 0; row < 2; ++row) {
        VLEVersioActual_->setItem(row, 0, cell(QString()));
        VLEVersioActual_->setItem(row, 1, cell(QString()));
    }
    auto *box = new QHBoxLayout(currentBox_);
    box->addWidget(VLEVersioActual_);
    box->addStretch(1);
    return currentBox_;
}

QGroupBox *UpdateView::buildVersionGrid()
{
    versionsBox_ = new QGroupBox(this);
    SGVersions_ = new QTableWidget(1, int(kColumnFractions.size()), versionsBox_);
    SGVersions_->setObjectName(QStringLiteral("SGVersions"));
    styleListGrid(*SGVersions_, kRowHeight);
    // This list's header has its own blue; the later rule wins over the lists' common one.
    QHeaderView *header = SGVersions_->horizontalHeader();
    header->setStyleSheet(header->styleSheet()
                          + QStringLiteral("QHeaderView::section { background-color: %1; }").arg(kHeaderColour.name()));
    header->setSectionResizeMode(QHeaderView::Fixed);
    SGVersions_->setAlternatingRowColors(false);
    SGVersions_->installEventFilter(this);
    // The header is no row of the grid: a double click there never chooses a version.
    connect(SGVersions_, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { session_.SGVersionsDblClick(row); });

    BBuscarVersions_ = pushButton("BBuscarVersions", versionsBox_);
    BBuscarVersions_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    connect(BBuscarVersions_, &QPushButton::clicked, this, [this] { session_.BBuscarVersionsClick(); });
    BTotesVer_ = pushButton("BTotesVer", versionsBox_);
    connect(BTotesVer_, &QPushButton::clicked, this, [this] { session_.BBuscarVersionsClick(); });
    BDesconnectarTCPActu_ = pushButton("BDesconnectarTCPActu", versionsBox_);
    BDesconnectarTCPActu_->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    connect(BDesconnectarTCPActu_, &QPushButton::clicked, this, [this] { session_.BDesconnectarTCPActuClick(); });

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(BBuscarVersions_);
    buttons->addWidget(BTotesVer_);
    buttons->addStretch(1);
    buttons->addWidget(BDesconnectarTCPActu_);
    auto *box = new QHBoxLayout(versionsBox_);
    box->addWidget(SGVersions_, 1);
    box->addLayout(buttons);
    return versionsBox_;
}

void UpdateView::refresh()
{
    VLEVersioActual_->item(0, 1)->setText(session_.firmwareShown());
    VLEVersioActual_->item(1, 1)->setText(session_.hardwareShown());
    BTotesVer_->setVisible(session_.allVersionsButton());
    showRows();
    showProgress();
}

// The rows are rebuilt only when the list changes, so that the chosen row stays selected while the
// update it started goes on.
void UpdateView::showRows()
{
    const QList<FirmwareVersion> &versions = session_.versions();
    if (versions == shownVersions_)
        return;
    shownVersions_ = versions;
    SGVersions_->setRowCount(0);
    // An empty list still shows one empty row under the header.
    SGVersions_->setRowCount(std::max(1, int(versions.size())));
    for (int row = 0; row < versions.size(); ++row) {
        const FirmwareVersion &version = versions.at(row);
        SGVersions_->setItem(row, 0, cell(version.version));
        SGVersions_->setItem(row, 1, cell(version.description));
        SGVersions_->setItem(row, 2, cell(version.bytes));
        SGVersions_->setCellWidget(row, kDownloadColumn, downloadButton(row));
    }
}

QWidget *UpdateView::downloadButton(int row)
{
    auto *place = new QWidget;
    auto *button = new QPushButton(place);
    button->setFixedSize(kDownloadButtonSize);
    button->setIcon(downloadIcon());
    connect(button, &QPushButton::clicked, this, [this, row] {
        SGVersions_->selectRow(row);
        session_.SGVersionsDblClick(row);
    });
    auto *layout = new QHBoxLayout(place);
    layout->setContentsMargins(kDownloadButtonLeft, 0, 0, 0);
    layout->addWidget(button, 0, Qt::AlignLeft | Qt::AlignVCenter);
    return place;
}

void UpdateView::fitColumns()
{
    const int share = SGVersions_->width() - kGridFrame;
    for (int column = 0; column < int(kColumnFractions.size()); ++column)
        SGVersions_->setColumnWidth(column, int(share * kColumnFractions.at(size_t(column))));
}

void UpdateView::showProgress()
{
    const bool running = session_.progressVisible();
    LActualitzant_->setText(session_.progressText().replace(QLatin1String("\r\n"), QLatin1String("\n")));
    PBActualitzacio_->setRange(0, session_.progressMaximum());
    PBActualitzacio_->setValue(session_.progress());
    LActualitzant_->setVisible(running);
    PBActualitzacio_->setVisible(running);
    BDesconnectarTCPActu_->setVisible(running);
}

void UpdateView::retranslateUi()
{
    title_->setText(tr("Actualización del firmware"));
    currentBox_->setTitle(tr("Versión actual :"));
    VLEVersioActual_->item(0, 0)->setText(tr("FirmWare:"));
    VLEVersioActual_->item(1, 0)->setText(tr("HardWare:"));
    versionsBox_->setTitle(tr("Versiones a actualizar:"));
    // The byte count's heading is the same in every language.
    SGVersions_->setHorizontalHeaderLabels({tr("VERSION"), tr("DESCRIPCION"), QStringLiteral("BYTES"), tr("DESCARGAR")});
    BTotesVer_->setText(tr("Ver"));
    BDesconnectarTCPActu_->setToolTip(tr("Terminar la actualización"));
}

bool UpdateView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SGVersions_ && event->type() == QEvent::Resize)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void UpdateView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QWidget::changeEvent(event);
}

} // namespace quelta::ui
