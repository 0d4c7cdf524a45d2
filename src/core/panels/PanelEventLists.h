#pragma once

#include "core/link/PanelType.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace quelta {

class DiagnosticTrace;
class NamedStrings;
class PanelDisplay;
class PanelEventSource;
class Prompter;
class ViewState;
struct FormatSettings;
struct LinkState;

// A BC600 or BC216 counter: its kind in the cloud, its panel and caption on the screen.
struct BcCounter
{
    int tag;              // 1 alarms ... 6 tests, as the counter heading's Tag
    const char *kind;     // "Alarm", "Output"...
    const char *name;     // "Alarmes": panels PBC600Alarmes, numbers LNumBC600Alarmes
    const char *caption;  // "Alarmas"
};
const QList<BcCounter> &bcCounters();
// The label that shows a counter's number: "LNumBC600Alarmes".
QString bcCounterLabel(PanelFamily family, const BcCounter &counter);

// The event lists the device keeps in the cloud for the panels that report events as code and
// text, shown in the panel screens' event boxes and memos; and the "C4"/"C7" notices that one of
// them changed.
class PanelEventLists : public QObject
{
    Q_OBJECT
public:
    PanelEventLists(PanelDisplay &display, PanelEventSource &source, const LinkState &link, const ViewState &views,
                    const FormatSettings &format, const NamedStrings &namedStrings, Prompter &prompter,
                    DiagnosticTrace &trace, QObject *parent = nullptr);

    // The BC counter heading (LNumBC600 or LNumBC216) and its Tag: which list the event box shows.
    int bcSelected(PanelFamily family) const;
    // A click on a counter panel, its number or its caption.
    void selectBcCounter(PanelFamily family, int tag);
    void AgafaEventsBC600() { showBcList(PanelFamily::Bc600); }
    void AgafaEventsBC216() { showBcList(PanelFamily::Bc216); }
    void showBcList(PanelFamily family);

    QString AgafaEventsSyncro(const QString &kind);
    void AgafaEventsAD300(const QString &kind, int total);
    // The ID3000 display with one list; appendId3000List adds a list to what it shows.
    void AgafaEventsID3000(const QString &kind);
    void appendId3000List(const QString &kind);
    // The ID3000 state labels choose the list shown: their own label turns bold.
    void selectId3000List(const QString &label);
    // A Bosch counter panel shows its list unless its count is 0.
    void selectAvenarBoschList(const QString &panel);
    void AgafaEventsAvenarBosch(const QString &kind, const QString &word);
    // The AD300 state as the cloud keeps it, for its state routine.
    QString AgafaBuzzerAndNums();

    void Event_Central_BC(PanelFamily family, const QString &payload);
    void Event_Central_Syncro(const QString &payload);
    void Event_Central_ID3000(const QString &payload);
    // Whether a "C7" notice of the AD300 is to be acted on.
    bool acceptsNotice() const;

private:
    QString path(const QString &list) const;
    QStringList readPieces(const QString &list);
    QString read(const QString &list);
    void showReadError();
    void addId3000Event(const QString &event);

    PanelDisplay &display_;
    PanelEventSource &source_;
    const LinkState &link_;
    const ViewState &views_;
    const FormatSettings &format_;
    const NamedStrings &namedStrings_;
    Prompter &prompter_;
    DiagnosticTrace &trace_;
    int bc600Selected_ = 0;
    int bc216Selected_ = 0;
};

// One Syncro event in its lines; kind k 1-9, T type, A address, L loop, Z zone, X text. A cloud
// event is captioned "MODO DE PRUEBA" for kind 9, a "C7" line "PRUEBA: ".
struct SyncroEvent
{
    int kind;
    QString type;
    int address;
    int loop;
    int zone;
    QString text;
};
QStringList syncroEventLines(const SyncroEvent &event, bool fromCloud);
QString syncroCaption(int kind, bool fromCloud);

} // namespace quelta
