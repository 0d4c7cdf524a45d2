#pragma once

#include "core/update/UpdateMessages.h"

#include <QList>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace quelta::update {
class UpdateSession;
}

namespace quelta::ui {

// PActualitzacions, the firmware update view: the device's versions, the versions the update
// server offers with a download button each, the buttons that list them again, and while an update
// runs its progress and the button that ends it. It paints the update session and hands it the
// clicks.
class UpdateView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kRowHeight = 28;
    static constexpr QSize kDownloadButtonSize{50, 24};
    static constexpr int kDownloadButtonLeft = 10;
    // The version grid's columns, as fractions of its width less 8 px.
    static constexpr std::array<double, 4> kColumnFractions{0.27, 0.43, 0.14, 0.16};
    static constexpr int kDownloadColumn = 3;

    explicit UpdateView(update::UpdateSession &session, QWidget *parent = nullptr);

public slots:
    void refresh();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *buildCurrentVersions();
    QGroupBox *buildVersionGrid();
    void showRows();
    QWidget *downloadButton(int row);
    void fitColumns();
    void showProgress();
    void retranslateUi();

    update::UpdateSession &session_;
    QList<update::FirmwareVersion> shownVersions_;
    QLabel *title_ = nullptr;
    QGroupBox *currentBox_ = nullptr;
    QTableWidget *VLEVersioActual_ = nullptr;
    QGroupBox *versionsBox_ = nullptr;
    QTableWidget *SGVersions_ = nullptr;
    QPushButton *BBuscarVersions_ = nullptr;
    QPushButton *BTotesVer_ = nullptr;
    QPushButton *BDesconnectarTCPActu_ = nullptr;
    QLabel *LActualitzant_ = nullptr;
    QProgressBar *PBActualitzacio_ = nullptr;
};

} // namespace quelta::ui
