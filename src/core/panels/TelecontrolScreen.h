#pragma once

namespace quelta {

class PanelDisplay;

// The AE/SA and AGE screen in telecontrol: the lists, their lamps and the order buttons give way to
// "PROCESO EN CURSO", and the screen turns olive with its caption. Off, all of it comes back and
// the screen is grey without a caption. (The AE/C5 screen shows telecontrol as it is laid out.)
void showAguileraTelecontrol(PanelDisplay &display, bool on);

} // namespace quelta
