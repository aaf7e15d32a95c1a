#pragma once

#include "FakeAudio.h"
#include "RecordsFakes.h"
#include "game/FixedSeedRandom.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"

#include <functional>

namespace quarrix::test {

// Answers the input boxes in turn, then cancels, as it cancels every file dialog; keeps all it was shown.
class FakeDialogs final : public ui::Dialogs {
public:
    void message(const QString& text) override { messages << text; }
    QString inputBox(const QString& /*prompt*/) override { return answers.isEmpty() ? QString() : answers.takeFirst(); }
    QString openFile(const QString& title, const QString& filter) override
    {
        fileDialogs << title + QLatin1Char('|') + filter;
        return {};  // cancelled
    }
    QStringList answers, messages, fileDialogs;
};

// The program's model, telling the test of each destruction sound, mid-resolution, before it plays.
class HeardModel final : public ui::AppModel {
public:
    using AppModel::AppModel;

    void playDestruction(std::int16_t position) override
    {
        onDestroy();
        AppModel::playDestruction(position);
    }

    std::function<void()> onDestroy = [] {};
};

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
