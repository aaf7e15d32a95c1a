#pragma once

#include "CountingSound.h"
#include "ui/CompanionWindows.h"
#include "ui/WindowSet.h"

namespace quarrix::soak {

// The real records and sound options windows, with the sound path seen through a counter.
class SoakCompanions final : public ui::CompanionWindows {
public:
    explicit SoakCompanions(ui::WindowSet& windows) : windows_(windows), sound_(windows.sound()) {}

    void loadAtStartup(records::HighestPanel& panel) override { windows_.loadAtStartup(panel); }
    void showRecords(int tab) override { windows_.showRecords(tab); }
    void showSoundOptions() override { windows_.showSoundOptions(); }
    void processScore(const FinishedGame& game) override { windows_.processScore(game); }
    SoundInterface& sound() override { return sound_; }

    CountingSound& counter() { return sound_; }
    ui::WindowSet& windows() { return windows_; }

private:
    ui::WindowSet& windows_;
    CountingSound sound_;
};

}  // namespace quarrix::soak
