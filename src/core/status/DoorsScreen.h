#pragma once

#include <QObject>
#include <QRect>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

namespace quelta {

class CommandChannel;
class Prompter;
class StatusCloud;
struct LinkState;

// One door of the door controller: its picture (IPBoto n), name panel (PBotoNom n) and state
// panel (PBoto n), placed in the doors screen.
struct Door
{
    QString name{};
    QString state{};
    int picture = 0; // index in the door pictures
    bool shown = false;
    QRect image{};
    QRect namePanel{};
    QRect statePanel{};
};

// A door word found in a status frame: the door (1-4) and its new picture and state text.
struct DoorWord
{
    int door;
    int picture;
    QString state;
};

// The doors screen PEstatPortes of the door controller ("Puertas"): which buttons the signed-in
// user has, where they stand, the doors' states from the status frames, and the open and close
// orders.
class DoorsScreen : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDoors = 4;
    static constexpr QSize kImageSize{120, 120};
    static constexpr QSize kPanelSize{120, 30};
    static constexpr int kNameRadius = 20;
    static constexpr int kStateRadius = 30;
    enum Picture { ClosedMayOpen = 0, Closing = 1, Open = 2, Opening = 3, Waiting = 4, ClosedNotPermitted = 5 };

    DoorsScreen(LinkState &link, CommandChannel &channel, Prompter &prompter, StatusCloud &cloud,
                std::function<bool()> online, QObject *parent = nullptr);

    // Lays out the user's buttons in a screen of the given size; does nothing while a door shows.
    void MostraPEstatPortes(bool show, QSize screen);
    // A click on a door's picture (its Tag, 1-4).
    void IPBotoClick(int door);
    // The door word of a status frame, if it holds one; the state texts are translated.
    std::optional<DoorWord> doorWordIn(const QString &frame) const;
    void applyDoorWord(const QString &frame);
    void setDoorNames(const QStringList &names);
    void clear();

    const Door &door(int n) const { return doors_.at(static_cast<size_t>(n - 1)); }

signals:
    void doorChanged(int door);
    // A door order for the remote device, on the signed-in user's own status topic.
    void remoteDoorCommand(const QString &topic, const QString &payload);
    // A door order went out: the command on the port, or the remote order's payload.
    void orderSent(const QString &order);
    // The signed-in user may not open the doors.
    void refused(const QString &text);

private:
    bool permitted();
    void checkCloudRead();
    void layOut(QSize screen, const QStringList &flags, int number);

    LinkState &link_;
    CommandChannel &channel_;
    Prompter &prompter_;
    StatusCloud &cloud_;
    std::function<bool()> online_;
    std::array<Door, kDoors> doors_{};
};

} // namespace quelta
