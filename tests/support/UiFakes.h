#pragma once

#include "FakeAudio.h"
#include "ui/AppModel.h"

#include <QStringList>

#include <functional>
#include <vector>

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

// The program's model, which tells the test of the rules' calls as they happen and keeps every
// finished game; each call then goes on to the model as usual.
class HeardModel final : public ui::AppModel {
public:
    using AppModel::AppModel;

    void playDestruction(std::int16_t position) override
    {
        onDestroy();
        AppModel::playDestruction(position);
    }
    void cleanUpBuffers() override
    {
        onLanding();
        AppModel::cleanUpBuffers();
    }
    void processScore(const FinishedGame& game) override
    {
        finished.push_back(game);
        AppModel::processScore(game);
    }

    std::vector<FinishedGame> finished;
    std::function<void()> onDestroy = [] {};  // at each destruction sound, in the middle of a resolution
    std::function<void()> onLanding = [] {};  // once at the end of every landing, before the next pair
};

}  // namespace quarrix::test
