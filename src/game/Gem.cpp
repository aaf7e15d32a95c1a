#include "Gem.h"

#include <array>

namespace quarrix {

Gem gemForDraw(int k)
{
    static constexpr std::array<ColorValue, 4> colors{GemColors::Red, GemColors::Yellow, GemColors::Green,
                                                      GemColors::Blue};
    const ShapeCode shape = k >= 4 ? ShapeCode::Destroyer : ShapeCode::Normal;
    return Gem{shape, colors.at(static_cast<std::size_t>(k % 4))};
}

Rgb toRgb(ColorValue value)
{
    return Rgb{static_cast<std::uint8_t>(value & 0xFFu), static_cast<std::uint8_t>((value >> 8) & 0xFFu),
               static_cast<std::uint8_t>((value >> 16) & 0xFFu)};
}

}  // namespace quarrix
