#pragma once

#include <QtGlobal>

namespace quelta {

// The system colours the status screen uses by role; the window paints them from its palette.
enum class SystemColour : quint8 {
    None, // an RGB value
    Window,
    WindowText,
    ButtonFace,
    ButtonShadow,
    InactiveCaption,
    GrayText,
    HotLight,
    DarkShadow,
};

// A colour as the status screen's state holds it: an RGB value, or a system colour by role.
struct Colour
{
    quint32 rgb = 0xFF000000; // 0xAARRGGBB, as QRgb
    SystemColour system = SystemColour::None;

    friend constexpr bool operator==(const Colour &, const Colour &) = default;
};

namespace colour {

constexpr Colour rgb(quint32 value)
{
    return {value | 0xFF000000u, SystemColour::None};
}

inline constexpr Colour red = rgb(0xFF0000);
inline constexpr Colour lime = rgb(0x00FF00);
inline constexpr Colour green = rgb(0x008000);
inline constexpr Colour blue = rgb(0x0000FF);
inline constexpr Colour yellow = rgb(0xFFFF00);
inline constexpr Colour amber = rgb(0xFFBF00);
inline constexpr Colour orange = rgb(0xFF8000);
inline constexpr Colour silver = rgb(0xC0C0C0);
inline constexpr Colour grey = rgb(0x808080);
inline constexpr Colour mediumGrey = rgb(0xA0A0A4);
inline constexpr Colour white = rgb(0xFFFFFF);
inline constexpr Colour lightBlue = rgb(0x7DB8FF); // red 125, green 184, blue 255
inline constexpr Colour paleBlue = rgb(0xCCE4FF);
inline constexpr Colour paleRed = rgb(0xFFB0B0);
inline constexpr Colour paleGreen = rgb(0xAAFFAA);
inline constexpr Colour skyBlue = rgb(0xA6CAF0);
inline constexpr Colour darkOlive = rgb(0x4F4F00);
inline constexpr Colour olive = rgb(0x959500);
inline constexpr Colour gold = rgb(0xFED801);
inline constexpr Colour iceBlue = rgb(0xC4E8F4);
inline constexpr Colour magenta = rgb(0xFF00FF);
inline constexpr Colour black = rgb(0x000000);
inline constexpr Colour darkYellow = rgb(0x808000);
inline constexpr Colour signalAmber = rgb(0xFEAC01);
inline constexpr Colour lemon = rgb(0xFDDE02);
inline constexpr Colour teal = rgb(0x008080);
inline constexpr Colour lightGrey = rgb(0xDBDBDB);
inline constexpr Colour mistGrey = rgb(0xD7D7D7);
inline constexpr Colour slateGrey = rgb(0x5D5D5D);
inline constexpr Colour cyan = rgb(0x0EB0E7);

inline constexpr Colour window{0, SystemColour::Window};
inline constexpr Colour windowText{0, SystemColour::WindowText};
inline constexpr Colour buttonFace{0, SystemColour::ButtonFace};
inline constexpr Colour buttonShadow{0, SystemColour::ButtonShadow};
inline constexpr Colour inactiveCaption{0, SystemColour::InactiveCaption};
inline constexpr Colour grayText{0, SystemColour::GrayText};
inline constexpr Colour hotLight{0, SystemColour::HotLight};
inline constexpr Colour darkShadow{0, SystemColour::DarkShadow};

} // namespace colour
} // namespace quelta
