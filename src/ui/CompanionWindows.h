#pragma once

#include "game/GameServices.h"

namespace quarrix::records {
class HighestPanel;
}

namespace quarrix::ui {

// The records and sound options windows as the main window sees them. Either may have been
// closed by the player; each call creates it again first.
class CompanionWindows {
public:
    virtual ~CompanionWindows() = default;
    // Start-up, before the main window shows: the records window is created hidden (it reads
    // the tables and fills the panel).
    virtual void loadRecords(records::HighestPanel& panel) = 0;
    // Start-up, once the main window is on the screen: the sound options window is created
    // hidden (it lists the devices and starts the music).
    virtual void loadSound() = 0;
    virtual void showRecords(int tab) = 0;
    virtual void showSoundOptions() = 0;
    virtual void processScore(const FinishedGame& game) = 0;
    virtual SoundInterface& sound() = 0;
};

}  // namespace quarrix::ui
