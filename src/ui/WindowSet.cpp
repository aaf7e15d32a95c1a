#include "WindowSet.h"

#include "Form2.h"
#include "Form3.h"

namespace quarrix::ui {

WindowSet::WindowSet(Dialogs& dialogs, sound::AudioDevice& audio) : dialogs_(dialogs), audio_(audio) {}

WindowSet::~WindowSet()
{
    delete records_.data();
    delete soundOptions_.data();
}

void WindowSet::loadRecords(records::HighestPanel& panel)
{
    panel_ = &panel;
    records();  // created hidden: reads the tables and fills the Highest panel
}

void WindowSet::loadSound()
{
    soundOptions();  // created hidden: lists the devices and starts the music
}

Form2& WindowSet::records()
{
    if (records_.isNull()) {
        records_ = new Form2(dialogs_, *panel_);
    }
    return *records_;
}

Form3& WindowSet::soundOptions()
{
    if (soundOptions_.isNull()) {
        soundOptions_ = new Form3(dialogs_, audio_);
    }
    return *soundOptions_;
}

void WindowSet::showRecords(int tab)
{
    records().showTab(tab);
}

void WindowSet::showSoundOptions()
{
    Form3& window = soundOptions();
    window.show();
    window.raise();
}

void WindowSet::processScore(const FinishedGame& game)
{
    records().processScore(game);
}

void WindowSet::playCollision(std::int16_t position)
{
    Form3& window = soundOptions();
    window.PlaySound(window.collisionFile(), position);
}

void WindowSet::playDestruction(std::int16_t position)
{
    Form3& window = soundOptions();
    window.PlaySound(window.destructionFile(), position);
}

void WindowSet::cleanUpBuffers()
{
    soundOptions().CleanUpSndBuffer();
}

bool WindowSet::musicDisabled()
{
    return soundOptions().musicDisabled();
}

void WindowSet::setMusicSpeed(std::int16_t gemHeight)
{
    soundOptions().SetBGMSpeed(gemHeight);
}

}  // namespace quarrix::ui
