#pragma once

#include <QColor>

namespace quelta::ui::colours {

// How the programming pages show the model's states.
inline const QColor kModified{255, 0, 0};
inline const QColor kLightBlue{125, 184, 255};     // read check boxes, the active page tab
inline const QColor kLightGrey{212, 212, 212};     // inactive page and section tabs
inline const QColor kInactiveCaption{191, 205, 219}; // read-only fields (the Windows system colour)
inline const QColor kSectionCaption{255, 235, 185};  // text of the selected section tab
inline const QColor kHotLight{0, 102, 204};          // background of the selected section tab

} // namespace quelta::ui::colours
