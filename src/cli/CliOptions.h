#pragma once

#include "core/cloud/CloudEndpoints.h"
#include "core/cloud/DirectoryEntries.h"
#include "core/link/MqttClient.h"
#include "core/update/UpdateServer.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace quelta::cli {

enum class Command { Identify, Read, Write, RestoreDefaults, Status, Send, Order, Door, Update, Devices, DeleteDevice, Whoami, History, Snapshot, Bidi };

// The commands that work on the cloud's directory: no device is reached.
bool isCloudCommand(Command command);

// The access keys of the directory's levels, as the key panel takes them.
constexpr int kMinKeyLength = 6;
constexpr int kMaxKeyLength = 20;

// A device reached through an MQTT broker instead of a serial port.
struct RemoteOptions
{
    RemoteOptions() { broker.host.clear(); } // the broker is always given

    MqttSettings broker; // an empty client identifier: the program's own
    QString identifier;
    bool gprs = false;   // commands on the device's GPRS topics instead of its Ethernet ones
};

// Where the cloud is and who signs in. Addresses not given come from the emulator variables of the
// environment, or are the production ones; e-mail and password not given are the installer's own,
// as the program stored them on this PC.
struct CloudOptions
{
    CloudOverrides addresses;
    QString email;
    QString password;
};

struct CliOptions
{
    QString port;
    std::optional<RemoteOptions> remote;
    QString code;              // the device's access code, given when it asks for it
    int timeoutSeconds = 60;   // the whole command, from opening the port to its last answer
    bool verbose = false;      // every line sent and received, on stderr
    Command command = Command::Identify;
    QString file;              // read: -o FILE (stdout when empty); write: the template
    QString text;              // send: the command body; order: the order's name
    int door = 0;              // door: the door's button, 1 to 4
    bool updateInstall = false; // update: install (the version is in text) rather than list
    std::optional<update::UpdateServer> updateServer; // --update-server, --update-key
    int frames = 1;            // status: -n N
    bool json = false;         // status: --json
    CloudOptions cloud;
    DirectorySearch search;    // devices: --company, --installer, --reference
    QString key;               // devices: the level's access key, or the key it is created with
    QString identifier;        // delete-device, history: the device's identifier
    int entries = 100;         // history: -n N, the latest entries read
    QString xlsxFile;          // history: --xlsx FILE, the entries also written as a workbook
    QString csvFile;           // history: --csv FILE, and as CSV
    QString listenAddress;     // bidi: --listen ADDR:PORT, the telecontrol server's IPv4 binding;
    QString listenPort;        //   empty: the program's defaults (this PC's address, port 2021)
};

// The arguments after the program's name, or the reason they are not a valid command line.
struct ParsedOptions
{
    std::optional<CliOptions> options;
    QString error;
};

ParsedOptions parseOptions(const QStringList &arguments);
// The orders a fire panel takes from the tool.
const QStringList &panelOrders();
QString usage();

} // namespace quelta::cli
