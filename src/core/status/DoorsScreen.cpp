#include "core/status/DoorsScreen.h"

#include "core/base/Prompter.h"
#include "core/link/CommandChannel.h"
#include "core/link/LinkState.h"
#include "core/status/StatusCloud.h"

#include <algorithm>

namespace quelta {
namespace {

const QString kEventCode = QStringLiteral("77000");

} // namespace

DoorsScreen::DoorsScreen(LinkState &link, CommandChannel &channel, Prompter &prompter, StatusCloud &cloud,
                         std::function<bool()> online, QObject *parent)
    : QObject(parent), link_(link), channel_(channel), prompter_(prompter), cloud_(cloud), online_(std::move(online))
{
    clear();
}

// A failed cloud read is reported and its defaults used.
void DoorsScreen::checkCloudRead()
{
    const QString error = cloud_.ErrorFirebase();
    if (error.isEmpty())
        return;
    prompter_.ElMeuMessageDlg({dialog::error(), error + QStringLiteral("\r\n") + tr("Compruebe la conexión a internet"),
                               DialogType::Error, {DialogResult::Ok}, {dialog::aceptar()}, 8});
}

bool DoorsScreen::permitted()
{
    const bool mayOpen = cloud_.AgafaPotObrirPortes();
    checkCloudRead();
    return mayOpen;
}

void DoorsScreen::MostraPEstatPortes(bool show, QSize screen)
{
    if (!show) {
        for (int n = 1; n <= kDoors; ++n) {
            doors_.at(static_cast<size_t>(n - 1)).shown = false;
            emit doorChanged(n);
        }
        return;
    }
    if (std::any_of(doors_.cbegin(), doors_.cend(), [](const Door &door) { return door.shown; }))
        return;
    int number = cloud_.AgafaNumBotons();
    checkCloudRead();
    QString flags = QStringLiteral("1,0,0,0");
    if (number > 0) {
        flags = cloud_.AgafaBotonsMarcats();
        checkCloudRead();
    } else {
        number = 1;
    }
    layOut(screen, flags.split(QLatin1Char(',')), number);
}

// The enabled doors side by side, each centred in its share of the width.
void DoorsScreen::layOut(QSize screen, const QStringList &flags, int number)
{
    const int picture = permitted() ? ClosedMayOpen : ClosedNotPermitted;
    const int width = screen.width() / number;
    const int top = screen.height() / 2 - kImageSize.height() / 2 - kPanelSize.height() / 2;
    int placed = 0;
    for (int n = 1; n <= kDoors; ++n) {
        if (flags.value(n - 1) != QLatin1String("1"))
            continue;
        Door &door = doors_.at(static_cast<size_t>(n - 1));
        const int left = (width - kImageSize.width()) / 2 + width * placed++;
        door.image = QRect({left, top}, kImageSize);
        door.namePanel = QRect({left, top + kImageSize.height() + kPanelSize.height() / 2}, kPanelSize);
        door.statePanel = QRect({left, door.namePanel.top() + kPanelSize.height()}, kPanelSize);
        door.picture = picture;
        door.shown = true;
        emit doorChanged(n);
    }
}

void DoorsScreen::IPBotoClick(int door)
{
    if (door < 1 || door > kDoors)
        return;
    if (!permitted()) {
        cloud_.ActualitzaEventsRTDB(link_.identConnectar, tr("Usuario no habilitado"), kEventCode);
        emit refused(tr("Usuario no habilitado"));
        prompter_.ElMeuMessageDlg(dialog::warning(tr("Usuario no habilitado")));
        return;
    }
    const QString number = QString::number(door);
    if (link_.isLocal()) {
        const QString state = this->door(door).state;
        const bool open = state == tr("Cerrado") || state == tr("Cerrando");
        const QString order = (open ? QStringLiteral("Obrir") : QStringLiteral("Tancar")) + number;
        channel_.escriu_port(CommandChannel::localFrame(order));
        emit orderSent(QStringLiteral("qz+") + order);
        if (online_())
            cloud_.ActualitzaEventsRTDB(link_.identConnectar,
                                        (open ? tr("Orden de abrir") : tr("Orden de cerrar")) + QStringLiteral("  ")
                                            + this->door(door).name,
                                        kEventCode);
    } else if (link_.isRemote()) {
        const QString state = cloud_.AgafaEstatPortes(door);
        checkCloudRead();
        const bool open = state != QLatin1String("OPEN") && state != QLatin1String("OPENING");
        const QString order = (open ? QStringLiteral("{#Obrir") : QStringLiteral("{#Tancar")) + number + QLatin1Char('}');
        emit remoteDoorCommand(QStringLiteral("ssts/") + link_.identConnectar + QLatin1Char('/') + cloud_.userKey(), order);
        emit orderSent(order);
    }
}

std::optional<DoorWord> DoorsScreen::doorWordIn(const QString &frame) const
{
    struct Word
    {
        const char *word;
        int picture;
        QString state;
    };
    const Word words[] = {{"Obrint", Opening, tr("Abriendo")},
                          {"Obert", Open, tr("Abierto")},
                          {"Tancant", Closing, tr("Cerrando")},
                          {"Tancat", ClosedMayOpen, tr("Cerrado")},
                          {"Esperant", Waiting, tr("Esperando ...")}};
    const auto found = std::find_if(std::begin(words), std::end(words),
                                    [&frame](const Word &word) { return frame.contains(QLatin1String(word.word)); });
    if (found == std::end(words))
        return std::nullopt;
    // The first digit anywhere in the frame is the door; 0 stands for door 1 too.
    const auto digit = std::find_if(frame.cbegin(), frame.cend(), [](QChar c) { return c.isDigit(); });
    const int door = digit == frame.cend() ? 0 : std::max(1, digit->digitValue());
    if (door < 1 || door > kDoors)
        return std::nullopt;
    return DoorWord{door, found->picture, found->state};
}

void DoorsScreen::applyDoorWord(const QString &frame)
{
    std::optional<DoorWord> word = doorWordIn(frame);
    if (!word)
        return;
    if (word->picture == ClosedMayOpen && !permitted())
        word->picture = ClosedNotPermitted;
    Door &door = doors_.at(static_cast<size_t>(word->door - 1));
    door.picture = word->picture;
    door.state = word->state;
    emit doorChanged(word->door);
}

void DoorsScreen::setDoorNames(const QStringList &names)
{
    for (int n = 1; n <= std::min<int>(kDoors, int(names.size())); ++n) {
        doors_.at(static_cast<size_t>(n - 1)).name = names.at(n - 1);
        emit doorChanged(n);
    }
}

void DoorsScreen::clear()
{
    for (int n = 1; n <= kDoors; ++n) {
        doors_.at(static_cast<size_t>(n - 1)) = Door{.state = tr("Cerrado")};
        emit doorChanged(n);
    }
}

} // namespace quelta
