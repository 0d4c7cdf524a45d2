#pragma once

#include "core/model/Bindings.h"
#include "core/transfer/TransferEngine.h"

#include <QObject>
#include <QTimer>

#include <optional>
#include <vector>

namespace quelta {

class GridModel;
struct SingleField;

// Reads the device's configuration into the model: the whole device as one stream, or the page on
// screen request by request on TimerLlegir. Both end by handing the link back to supervision.
class ReadEngine : public TransferEngine
{
    Q_OBJECT
public:
    ReadEngine(const TransferContext &context, QObject *parent = nullptr);

    // One page-read step; 10 ms to start, 3000 ms per try, 1 ms when an answer is waiting.
    QTimer TimerLlegir;

    // "Leer el circuito": the whole device.
    void BBLlegirClick();
    // "Leer": the page shown.
    void BBLlegirPagClick(ProgPage page);
    void TimerLlegirTimer();
    // One line of a wildcard stream, or its end; the dispatcher also left it in StrCom.
    void Llegir_pantalla(const QString &line);
    // One line of the operators block, or its end; the dispatcher also left it in StrCom.
    void Llegir_LlistaOper(const QString &line);

    // A read has completed in this session; clearing everything forgets it.
    bool progllegida() const { return progllegida_; }
    void clearProgllegida() { progllegida_ = false; }
    // The device's session ended: a running read stops without handing the link back.
    void linkLost();

signals:
    // The whole-device read needs the programming view: it has set the view and asks the window
    // to show it.
    void programmingViewRequested();
    void readFinished();

private:
    // What a page read walks: a single control, a grid placed on the page, or a sub-panel of grids.
    struct PageChild
    {
        SingleField *field = nullptr;
        GridModel *grid = nullptr;
        std::vector<GridModel *> subPanel;
    };

    void buildChildren(ProgPage page);
    void showProgress(int done, int total);
    bool acceptsAnswer() const;
    void storeAnswer(const QString &value);
    bool requestNextChild();
    bool requestFromSubPanel(const PageChild &child);
    void request(const QString &reference);
    void sendTrailingRequest();
    bool needsTrailingRequest() const;
    void finishPageRead();
    void abandonPageRead();
    void endStream();
    void finishRead(int supervisionMs);
    void showReading();

    bool progllegida_ = false;
    std::optional<ProgPage> activePage_; // the page a page read walks
    std::optional<ProgPage> pagina_;     // forgotten once the Aguilera zone list is asked for
    std::vector<PageChild> children_;
    size_t ncomponent_ = 0;
    size_t nsubcomponent_ = 0;
    bool trailingSent_ = false;
};

} // namespace quelta
