#pragma once

#include "game/Board.h"

#include <string>
#include <vector>

namespace quarrix::test {

// Boards drawn as text, top line highest: '.' empty, r y g b normal gems, R Y G B destroyers.
// The last line is row 0.
inline Gem gemFromLetter(char letter)
{
    const bool destroyer = letter >= 'A' && letter <= 'Z';
    const char lower = destroyer ? static_cast<char>(letter - 'A' + 'a') : letter;
    const std::string colours = "rygb";
    const int k = static_cast<int>(colours.find(lower)) + (destroyer ? 4 : 0);
    return gemForDraw(k);
}

inline char letterFor(const BoardCell& cell)
{
    if (!cell.Filled) {
        return '.';
    }
    char c = '?';
    switch (cell.GemColor) {
    case GemColors::Red: c = 'r'; break;
    case GemColors::Yellow: c = 'y'; break;
    case GemColors::Green: c = 'g'; break;
    case GemColors::Blue: c = 'b'; break;
    default: break;
    }
    return cell.GemShape == ShapeCode::Destroyer ? static_cast<char>(c - 'a' + 'A') : c;
}

inline void paint(Board& board, const std::vector<std::string>& lines)
{
    const int top = static_cast<int>(lines.size()) - 1;
    for (int i = 0; i <= top; ++i) {
        const int r = top - i;
        for (int c = 0; c < Board::Columns; ++c) {
            const char letter = lines[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)];
            if (letter != '.') {
                board.place(c, r, gemFromLetter(letter));
            }
        }
    }
}

// The lowest `rows` rows of the board, top line first.
inline std::vector<std::string> picture(const Board& board, int rows)
{
    std::vector<std::string> out;
    for (int r = rows - 1; r >= 0; --r) {
        std::string line;
        for (int c = 0; c < Board::Columns; ++c) {
            line += letterFor(board.cell(c, r));
        }
        out.push_back(line);
    }
    return out;
}

inline int countFilled(const Board& board)
{
    int n = 0;
    for (int i = 0; i < Board::Cells; ++i) {
        n += board.cellAt(i).Filled ? 1 : 0;
    }
    return n;
}

}  // namespace quarrix::test
