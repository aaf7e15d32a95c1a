#pragma once

#include "ui/CompanionWindows.h"
#include "ui/Dialogs.h"

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

// Companion windows that note what the main window asks of them; their sound stays silent.
class FakeCompanions final : public ui::CompanionWindows, public SoundInterface {
public:
    void loadRecords(records::HighestPanel& /*panel*/) override { calls << QStringLiteral("load records"); }
    void loadSound() override
    {
        calls << QStringLiteral("load sound");
        onLoadSound();
    }
    void showRecords(int tab) override { calls << QStringLiteral("records %1").arg(tab); }
    void showSoundOptions() override { calls << QStringLiteral("sound options"); }
    void processScore(const FinishedGame& g) override { finished.push_back(g); }
    SoundInterface& sound() override { return *this; }

    void playCollision(std::int16_t /*position*/) override {}
    void playDestruction(std::int16_t /*position*/) override { onDestroy(); }
    void cleanUpBuffers() override { onLanding(); }
    bool musicDisabled() override { return false; }
    void setMusicSpeed(std::int16_t /*height*/) override {}

    QStringList calls;
    std::vector<FinishedGame> finished;
    std::function<void()> onDestroy = [] {};  // at each destruction sound, in the middle of a resolution
    std::function<void()> onLanding = [] {};  // once at the end of every landing, before the next pair
    std::function<void()> onLoadSound = [] {};
};

}  // namespace quarrix::test
