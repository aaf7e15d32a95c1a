#pragma once

#include "Board.h"

#include <cstdint>
#include <vector>

namespace quarrix {

// The same-coloured group joined to a destroyer gem, in the order a depth-first fill reaches it.
// Entry 0 is the destroyer gem itself; DgCount is the number of gems joined to it.
class DestroyerGroup {
public:
    // Starts a new fill from the destroyer gem at (dgC, dgR).
    void fill(const Board& board, int dgC, std::int16_t dgR);

    std::int16_t DgCount = 0;
    std::vector<std::int16_t> DgCol;
    std::vector<std::int16_t> DgRow;

private:
    void visit(const Board& board, int c, int r);
    bool listed(int c, int r) const;
};

}  // namespace quarrix
