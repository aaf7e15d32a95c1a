#include "DisplayCheck.h"

#include "ui/PlayfieldWidget.h"

#include <QImage>
#include <QLabel>

#include <array>
#include <cstdint>
#include <utility>

namespace quarrix::soak {

namespace {
QColor gemColor(ColorValue value)
{
    const Rgb rgb = toRgb(value);
    return {rgb.red, rgb.green, rgb.blue};
}

std::string describe(const QColor& color)
{
    return color.name().toStdString();
}

std::string compare(const QImage& image, const QRect& rect, const QColor& expected, const std::string& where)
{
    const QColor shown = image.pixelColor(rect.center());
    if (shown == expected) {
        return {};
    }
    return where + " shows " + describe(shown) + " where " + describe(expected) + " belongs";
}
}  // namespace

std::string DisplayCheck::cells(ui::PlayfieldWidget& widget, const Playfield& field)
{
    const QImage image = widget.grab().toImage();
    const QColor background = widget.palette().window().color();
    for (int r = 0; r < Board::Rows; ++r) {
        for (int c = 0; c < Board::Columns; ++c) {
            const BoardCell& cell = field.board.cell(c, r);
            const QColor expected = cell.Filled ? gemColor(cell.GemColor) : background;
            const std::string where = "cell (" + std::to_string(c) + ", " + std::to_string(r) + ")";
            if (std::string difference = compare(image, widget.cellRect(c, r), expected, where); !difference.empty()) {
                return difference;
            }
        }
    }
    const std::array<Gem, 2> preview{field.next.lower, field.next.upper};
    for (int i = 0; i < 2; ++i) {
        const QColor expected = field.next.dealt ? gemColor(preview[static_cast<std::size_t>(i)].color) : background;
        const std::string where = "preview cell " + std::to_string(i);
        if (std::string difference = compare(image, widget.previewRect(i), expected, where); !difference.empty()) {
            return difference;
        }
    }
    return {};
}

std::string DisplayCheck::figures(const QWidget& mainWindow, const Figures& figures)
{
    const std::array<std::pair<const char*, std::int64_t>, 5> labels{{
        {"lblCScore", figures.score},
        {"lblCCombo", figures.combo},
        {"lblCChain", figures.chain},
        {"lblBCombo", figures.bestCombo},
        {"lblBChain", figures.bestChain},
    }};
    for (const auto& [name, value] : labels) {
        const auto* label = mainWindow.findChild<const QLabel*>(QString::fromLatin1(name));
        if (label == nullptr) {
            return std::string("no label ") + name;
        }
        if (label->text() != QString::number(value)) {
            return std::string(name) + " shows \"" + label->text().toStdString() + "\", the figure is " +
                   std::to_string(value);
        }
    }
    return {};
}

}  // namespace quarrix::soak
