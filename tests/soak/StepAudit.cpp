#include "StepAudit.h"

#include <algorithm>

namespace quarrix::soak {

namespace {
int filledCells(const Board& board)
{
    int count = 0;
    for (int i = 0; i < Board::Cells; ++i) {
        count += board.cellAt(i).Filled ? 1 : 0;
    }
    return count;
}

std::string text(const Figures& f)
{
    return "score " + std::to_string(f.score) + ", combo " + std::to_string(f.combo) + ", chain " +
           std::to_string(f.chain) + ", best combo " + std::to_string(f.bestCombo) + ", best chain " +
           std::to_string(f.bestChain);
}

bool sameBoard(const Board& a, const Board& b)
{
    for (int i = 0; i < Board::Cells; ++i) {
        const BoardCell& x = a.cellAt(i);
        const BoardCell& y = b.cellAt(i);
        if (x.Filled != y.Filled || (x.Filled && x.gem() != y.gem())) {
            return false;
        }
    }
    return true;
}
}  // namespace

bool StepAudit::unchanged(const Playfield& after) const
{
    return sameBoard(before_.board, after.board) && before_.pair.GemCol == after.pair.GemCol &&
           before_.pair.GemRow == after.pair.GemRow && before_.pair.PairActive == after.pair.PairActive &&
           before_.next.lower == after.next.lower && before_.next.upper == after.next.upper &&
           before_.figures == after.figures;
}

std::string StepAudit::finish(const Playfield& after, const CountingSound& sound)
{
    if (sound.landings() > 1) {
        return std::to_string(sound.landings()) + " landings in one step";
    }
    if (std::string broken = checkGemCount(after, sound); !broken.empty()) {
        return broken;
    }
    return checkLanding(after, sound);
}

std::string StepAudit::checkGemCount(const Playfield& after, const CountingSound& sound) const
{
    const int removed = static_cast<int>(sound.removals().size());
    // A new pair adds two gems, less those it writes over in the spawn cells.
    const int dealt = sound.landings() == 1 ? 2 - sound.spawnCellsFilled() : 0;
    const int expected = filledCells(before_.board) - removed + dealt;
    const int actual = filledCells(after.board);
    if (actual == expected) {
        return {};
    }
    return "the well holds " + std::to_string(actual) + " gems, expected " + std::to_string(expected) + " (" +
           std::to_string(filledCells(before_.board)) + " before, " + std::to_string(removed) + " destroyed, " +
           std::to_string(dealt) + " dealt)";
}

std::string StepAudit::checkLanding(const Playfield& after, const CountingSound& sound)
{
    const auto& removals = sound.removals();
    if (sound.landings() == 0) {
        if (!removals.empty()) {
            return "gems destroyed without a landing";
        }
        return after.figures == before_.figures ? std::string{}
                                                : "figures changed without a landing: " + text(after.figures);
    }
    Figures expected = before_.figures;
    expected.combo = 0;
    expected.chain = 0;
    std::size_t i = 0;
    while (i < removals.size()) {
        // One burst: the destruction sounds played while the combo had the same value.
        const Figures& seen = removals[i].figures;
        std::size_t n = 0;
        while (i + n < removals.size() && removals[i + n].figures.combo == seen.combo) {
            ++n;
        }
        expected.combo += 1;
        expected.chain = static_cast<std::int64_t>(n) - 1;
        expected.score += 10 * expected.chain * expected.combo;
        expected.bestCombo = std::max(expected.bestCombo, expected.combo);
        expected.bestChain = std::max(expected.bestChain, expected.chain);
        if (n < 2 || seen != expected) {
            return "burst " + std::to_string(expected.combo) + " removed " + std::to_string(n) + " gems and showed " +
                   text(seen) + "; expected " + text(expected);
        }
        ++bursts_;
        i += n;
    }
    if (after.figures != expected) {
        return "after the landing: " + text(after.figures) + "; expected " + text(expected);
    }
    return {};
}

}  // namespace quarrix::soak
