#pragma once

#include "core/model/ConfigurationModel.h"
#include "core/model/Hints.h"
#include "core/panels/EventTextFiles.h"
#include "core/panels/ZoneList.h"
#include "core/templates/Templates.h"
#include "core/transfer/ReadEngine.h"
#include "core/transfer/WriteEngine.h"

#include <QObject>

namespace quelta {

class DeviceSession;
class ProgramContext;

// Programming the device: the configuration model with its hints, the read and write engines, the
// templates, and the commands that enter the programming view or restore the factory values.
class Programming : public QObject
{
    Q_OBJECT
public:
    Programming(ProgramContext &context, DeviceSession &device, QObject *parent = nullptr);

    ConfigurationModel &model() { return model_; }
    const Hints &hints() const { return hints_; }
    ReadEngine &readEngine() { return readEngine_; }
    WriteEngine &writeEngine() { return writeEngine_; }
    Templates &templates() { return templates_; }
    // The fire panels' event-text files and the Aguilera zone list, on their tabs.
    EventTextFiles &eventTexts() { return eventTexts_; }
    ZoneList &zoneList() { return zoneList_; }
    // The device being programmed: its panel type and parts choose the pages.
    const LinkState &link() const { return link_; }

    // "Prog.": the programming view with the pages of the connected panel and the result strip
    // emptied; the first time a device is there, its whole configuration is read.
    void BBProgClick();
    // "Restaurar los valores de fábrica": after the guards and a confirmation, in the programming
    // view, the device restores its factory values and is read back.
    void MIIDefecteClick();
    // Every field and grid empty, nothing modified and nothing read yet.
    void clear();
    // The signed-in account's company and installer, offered for the next device programmed.
    void showAccount(const QString &company, const QString &installer);

signals:
    void programmingViewShown();
    // Every field and grid was emptied.
    void cleared();
    // Whether edits may be marked has changed: modified cells are shown red again, or not.
    void markingChanged();

private:
    TransferContext transferContext(ProgramContext &context, DeviceSession &device);
    void connectEngines(DeviceSession &device);
    void showPanelPages();
    void startWaitingPageWrite();

    ProgramContext &context_;
    LinkState &link_;
    ProgrammingLock &lock_;
    LinkSupervisor &supervisor_;
    ConfigurationModel model_;
    Hints hints_{model_};
    ReadEngine readEngine_;
    WriteEngine writeEngine_;
    Templates templates_;
    EventTextFiles eventTexts_;
    ZoneList zoneList_;
};

} // namespace quelta
