#pragma once

#include <array>
#include <cstdint>

namespace quarrix {

// Shape codes double as the stored kind of a gem.
enum class ShapeCode : std::int16_t {
    None = 0,       // only straight after a board reset
    Destroyer = 3,  // drawn as a circle
    Normal = 4,     // drawn as a rounded rectangle
};

// Colours are stored as 0x00BBGGRR, the layout the records of play have always used.
using ColorValue = std::uint32_t;

namespace GemColors {
inline constexpr ColorValue Red = 255;
inline constexpr ColorValue Yellow = 65535;
inline constexpr ColorValue Green = 49152;
inline constexpr ColorValue Blue = 16744576;  // 0xFF8080, a light blue on screen
}  // namespace GemColors

struct Gem {
    ShapeCode shape = ShapeCode::None;
    ColorValue color = 0;

    friend bool operator==(const Gem&, const Gem&) = default;
};

// The eight gem types in draw order: k = 0..3 normal, 4..7 destroyer; colour by k mod 4.
inline Gem gemForDraw(int k)
{
    static constexpr std::array<ColorValue, 4> colors{GemColors::Red, GemColors::Yellow, GemColors::Green,
                                                      GemColors::Blue};
    const ShapeCode shape = k >= 4 ? ShapeCode::Destroyer : ShapeCode::Normal;
    return Gem{shape, colors.at(static_cast<std::size_t>(k % 4))};
}

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

inline Rgb toRgb(ColorValue value)
{
    return Rgb{static_cast<std::uint8_t>(value & 0xFFu), static_cast<std::uint8_t>((value >> 8) & 0xFFu),
               static_cast<std::uint8_t>((value >> 16) & 0xFFu)};
}

}  // namespace quarrix
