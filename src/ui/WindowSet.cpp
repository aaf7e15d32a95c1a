#include "WindowSet.h"

#include "Form2.h"

namespace quarrix::ui {

WindowSet::WindowSet(Dialogs& dialogs) : dialogs_(dialogs) {}

WindowSet::~WindowSet()
{
    delete records_.data();
}

void WindowSet::loadAtStartup(records::HighestPanel& panel)
{
    panel_ = &panel;
    records();  // created hidden: reads the tables and fills the Highest panel
}

Form2& WindowSet::records()
{
    if (records_.isNull()) {
        records_ = new Form2(dialogs_, *panel_);
    }
    return *records_;
}

void WindowSet::showRecords(int tab)
{
    records().showTab(tab);
}

void WindowSet::showSoundOptions() {}

void WindowSet::processScore(const FinishedGame& game)
{
    records().processScore(game);
}

void WindowSet::playCollision(std::int16_t /*position*/) {}

void WindowSet::playDestruction(std::int16_t /*position*/) {}

void WindowSet::cleanUpBuffers() {}

bool WindowSet::musicDisabled()
{
    return true;
}

void WindowSet::setMusicSpeed(std::int16_t /*gemHeight*/) {}

}  // namespace quarrix::ui
