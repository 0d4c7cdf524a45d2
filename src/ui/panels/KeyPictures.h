#pragma once

#include <QPixmap>

namespace quelta::ui {

// The symbols printed on the keys of the fire panels' fronts.
enum class KeyPicture {
    SilenceBuzzer, // a buzzer struck through
    SilenceSirens, // a bell struck through
    Reset,         // a circular arrow
    FireSirens,    // a ringing bell
    Connect,       // a switch
    StepTest,      // a step forward
    Acknowledge,   // a tick
};

// The symbol drawn at size by size pixels on a transparent ground.
QPixmap keyPicture(KeyPicture picture, int size);

} // namespace quelta::ui
