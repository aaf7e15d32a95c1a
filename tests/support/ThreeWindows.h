#pragma once

#include "RecordsFakes.h"
#include "UiFakes.h"
#include "game/FixedSeedRandom.h"
#include "sound/OpenAlAudio.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"

namespace quarrix::test {

// The three windows on fake dialogs and companions, in a folder with no HighScores file.
struct ThreeWindows {
    TempWorkingDir dir;
    FakeDialogs dialogs;
    FakeCompanions companions;
    FixedSeedRandom random;
    sound::OpenAlAudio audio;
    ui::Form1 form1{dialogs, companions, random};
    ui::Form2 form2{dialogs, form1};
    ui::Form3 form3{dialogs, audio};
};

}  // namespace quarrix::test
