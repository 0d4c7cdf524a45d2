#pragma once

#include "core/model/Bindings.h"
#include "core/transfer/TransferEngine.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <optional>
#include <vector>

namespace quelta {

class GridModel;
struct SingleField;

// Writes the installer's changes to the device: every modified control, then every due grid row,
// one command at a time on TimerGravar, each checked against the device's echo. The same engine
// restores the device's factory values.
class WriteEngine : public TransferEngine
{
    Q_OBJECT
public:
    static constexpr int kTries = 6;          // sends of one item without an echo
    static constexpr int kRewrites = 3;       // sends of one item whose echo differs
    static constexpr int kFullRangeEnd = 0x9FFF; // every code, as a decimal bound (40959)

    // The next due grid row, as the tick sends it.
    struct TGravaSG
    {
        bool camp_trobat = false;
        QString camp;
        QString valor;
    };

    WriteEngine(const TransferContext &context, QObject *parent = nullptr);

    // One step of a run: 100 ms to start, 2000 ms per try, 10 ms after an echo, 1 ms to go on.
    QTimer TimerGravar;

    // "Programar": every modified item of every page.
    void BBGravarClick();
    // The modified controls of one page (started by supervision once the stream has stopped).
    void BBGravarPagClick(ProgPage page);
    // Factory values; the device's "Initialized" ends the run and a full read follows.
    void GravarperDefecte();
    // Only the due rows of the grids whose binding number lies between first and last (both
    // excluded): no control and no other grid is written. The status bar reads `activity`.
    void writeGridRange(int first, int last, const QString &activity);
    void TimerGravarTimer();
    TGravaSG Grava_StringGrid();

    // The awaited echo has arrived: a running step is due at once. A stopped engine stays stopped.
    void wake();
    // The device reported an erase or a factory restore as done: the run is over and the end
    // marker is reset. The answers to this engine's own block clearing are not such an end.
    void deviceEndedRun();
    // The device's session ended: a running write stops without handing the link back.
    void linkLost();

    bool running() const { return TimerGravar.isActive(); }
    // 0 when no run holds the link: supervision may then start a page write.
    int camp_final() const { return camp_final_; }
    int ncampsGravats() const { return ncampsGravats_; }

signals:
    void programmingViewRequested();
    // A full write disables the other transfers' buttons and menus for its run.
    void transferControlsEnabled(bool enabled);
    // The panel type was written: the configuration is no longer taken as read.
    void panelTypeWritten();
    void writeFinished();

private:
    enum class Kind { Edit, ComboBox, CheckListBox, CheckBox, StringGrid, Final, Restore };

    void resetRun(Kind kind);
    void showWriting(const QString &activity);
    const std::vector<SingleField *> &itemsOf(Kind kind) const;
    bool maySend(const SingleField &field) const;
    bool gridInRange(const GridModel &grid) const;
    bool isGridRed(const GridModel &grid) const;
    QString valueOf(const SingleField &field);
    void sendStep();
    void replyStep();
    void replyForField(SingleField &field);
    void replyForGridRow(GridModel &grid);
    void finishItem();
    void refuse(SingleField &field);
    void nextKind();
    void finishRun();
    void abandonRun();
    void handBack(int supervisionMs);
    void stopRun();
    void send(const QString &code, const QString &value);
    void clearBlocks(GridModel &grid, const QStringList &references, bool waitBetween);

    std::vector<SingleField *> edits_;
    std::vector<SingleField *> combos_;
    std::vector<SingleField *> checkLists_;
    std::vector<SingleField *> checkBoxes_;
    std::vector<GridModel *> grids_;

    Kind kind_ = Kind::Final;
    size_t punteri_ = 0;
    int punterfila_ = 1;
    int vegades_no_gravat_ = kRewrites;
    int camp_inici_ = 0;
    int camp_final_ = 0;
    int ncampsGravats_ = 0;
    bool esborra_zones_ = false;
    std::optional<ProgPage> pagina_;      // page mode: only this page's controls
    GridModel *rewriteGrid_ = nullptr;    // page mode: the list cleared at the start, written back
    int ownEraseAnswers_ = 0;             // own block clears the dispatcher reports as an end
};

} // namespace quelta
