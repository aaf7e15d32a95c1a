#pragma once

#include "RecordsFakes.h"
#include "UiFakes.h"
#include "game/FixedSeedRandom.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"

namespace quarrix::test {

// The model and its three windows on fake dialogs and audio, in a folder with no HighScores file,
// with the records read and the sound loaded as at start-up.
struct ThreeWindows {
    ThreeWindows()
    {
        model.loadRecords();
        model.loadSound();
    }

    TempWorkingDir dir;
    FakeDialogs dialogs;
    FakeAudio audio;
    FixedSeedRandom random;
    ui::AppModel model{dialogs, audio, random};
    ui::Form1 form1{model};
    ui::Form2 form2{model};
    ui::Form3 form3{dialogs, model};
};

}  // namespace quarrix::test
