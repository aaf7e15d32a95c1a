#pragma once

#include "CompanionWindows.h"
#include "Dialogs.h"
#include "sound/AudioDevice.h"

#include <QPointer>

namespace quarrix::ui {

class Form2;
class Form3;

// Owns the records and sound options windows and re-creates either after the player closed it.
class WindowSet final : public CompanionWindows, private SoundInterface {
public:
    WindowSet(Dialogs& dialogs, sound::AudioDevice& audio);
    ~WindowSet() override;
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    void loadRecords(records::HighestPanel& panel) override;
    void loadSound() override;
    void showRecords(int tab) override;
    void showSoundOptions() override;
    void processScore(const FinishedGame& game) override;
    SoundInterface& sound() override { return *this; }

    // The records window, created anew (and so reloaded from the file) if the player closed it.
    Form2& records();
    // The sound options window, created anew (music restarting) if the player closed it.
    Form3& soundOptions();

private:
    void playCollision(std::int16_t position) override;
    void playDestruction(std::int16_t position) override;
    void cleanUpBuffers() override;
    bool musicDisabled() override;
    void setMusicSpeed(std::int16_t gemHeight) override;

    Dialogs& dialogs_;
    sound::AudioDevice& audio_;
    records::HighestPanel* panel_ = nullptr;
    QPointer<Form2> records_;
    QPointer<Form3> soundOptions_;
};

}  // namespace quarrix::ui
