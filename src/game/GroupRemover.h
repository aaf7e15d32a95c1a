#pragma once

#include "AnimationInterface.h"
#include "Board.h"
#include "DestroyerGroup.h"
#include "Settler.h"
#include "SoundInterface.h"

namespace quarrix {

// Removes a destroyer gem's group gem by gem, in fill order, then lets the stack settle.
class GroupRemover {
public:
    GroupRemover(SoundInterface& sound, AnimationInterface& animation)
        : sound_(sound), animation_(animation), settler_(sound, animation)
    {}

    void getRideofGems(Board& board, const DestroyerGroup& group);

private:
    SoundInterface& sound_;
    AnimationInterface& animation_;
    Settler settler_;
};

}  // namespace quarrix
