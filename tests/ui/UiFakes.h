#pragma once

#include "ui/CompanionWindows.h"
#include "ui/Dialogs.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace quarrix::test {

class FakeDialogs final : public ui::Dialogs {
public:
    void message(const QString& text) override { messages << text; }
    QString inputBox(const QString& prompt) override
    {
        prompts << prompt;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    QString openFile(const QString& title, const QString& filter) override
    {
        fileDialogs << title + QLatin1Char('|') + filter;
        return chosenFile;
    }
    QStringList messages;
    QStringList prompts;
    QStringList answers;
    QStringList fileDialogs;
    QString chosenFile;
};

// Companion windows that only note what the main window asked of them.
class FakeCompanions final : public ui::CompanionWindows, public SoundInterface {
public:
    void loadAtStartup(records::HighestPanel& p) override
    {
        panel = &p;
        calls << QStringLiteral("load");
    }
    void showRecords(int tab) override { calls << QStringLiteral("records %1").arg(tab); }
    void showSoundOptions() override { calls << QStringLiteral("sound options"); }
    void processScore(const FinishedGame& g) override
    {
        finished.push_back(g);
        calls << QStringLiteral("rank");
    }
    SoundInterface& sound() override { return *this; }

    void playCollision(std::int16_t p) override { sounds << QStringLiteral("collide %1").arg(p); }
    void playDestruction(std::int16_t p) override
    {
        sounds << QStringLiteral("destroy %1").arg(p);
        if (onDestroy) {
            onDestroy();
        }
    }
    void cleanUpBuffers() override { sounds << QStringLiteral("cleanup"); }
    bool musicDisabled() override { return false; }
    void setMusicSpeed(std::int16_t h) override { sounds << QStringLiteral("speed %1").arg(h); }

    records::HighestPanel* panel = nullptr;
    QStringList calls;
    QStringList sounds;
    std::vector<FinishedGame> finished;
    std::function<void()> onDestroy;
};

}  // namespace quarrix::test
