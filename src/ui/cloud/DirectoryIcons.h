#pragma once

#include <QPixmap>

namespace quelta::ui {

// The pictures of the device directory: each link's state and the delete mark.
enum class DirectoryIcon {
    EthernetOn,       // a network plug, green
    EthernetOff,      // the plug, red: the link was lost
    EthernetDisabled, // the plug, grey: the link is switched off
    GprsOn,           // a mast sending, green
    GprsOff,
    GprsDisabled,
    CloudOff,         // a cloud struck through: the device is not on line
    Delete,           // a waste bin
    ShowKey,          // an eye: show the hidden key
    Close,            // a cross in a circle: close the panel
};

// The picture drawn at size by size pixels on a transparent ground.
QPixmap directoryIcon(DirectoryIcon icon, int size);

} // namespace quelta::ui
