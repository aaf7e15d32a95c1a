#include "WindowSet.h"

namespace quarrix::ui {

WindowSet::WindowSet(Dialogs& dialogs) : dialogs_(dialogs) {}

void WindowSet::loadAtStartup(records::HighestPanel& panel)
{
    panel_ = &panel;
}

void WindowSet::showRecords(int /*tab*/) {}

void WindowSet::showSoundOptions() {}

void WindowSet::processScore(const FinishedGame& /*game*/) {}

void WindowSet::playCollision(std::int16_t /*position*/) {}

void WindowSet::playDestruction(std::int16_t /*position*/) {}

void WindowSet::cleanUpBuffers() {}

bool WindowSet::musicDisabled()
{
    return true;
}

void WindowSet::setMusicSpeed(std::int16_t /*gemHeight*/) {}

}  // namespace quarrix::ui
