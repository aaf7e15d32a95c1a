#pragma once

#include "QtDialogs.h"
#include "game/Game.h"
#include "records/ScoreKeeper.h"
#include "sound/SoundBank.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace quarrix::ui {

// The drop timer on a QTimer; it runs only while a game does, so an idle game costs no CPU.
class QtDropTimer final : public DropTimer {
public:
    explicit QtDropTimer(QObject* parent);

    bool enabled() const override { return timer_->isActive(); }
    void setEnabled(bool on) override;
    int interval() const override { return timer_->interval(); }
    void setInterval(int milliseconds) override { timer_->setInterval(milliseconds); }

    QTimer* timer() const { return timer_; }

private:
    QTimer* timer_;
};

// What the player chose in the sound options; the rules read the effect files and the switch
// at every sound and landing.
struct SoundSettings {
    QString collision;
    QString destruction;
    QString music;
    int device = -1;  // in the device list; -1 once the device text has been edited by hand
    bool musicOff = false;
};

// Everything the program keeps for its run: the game with its drop timer, the high-score tables
// with their file, and the table of loaded sounds with the sound settings. It is the rules' whole
// outside world; the windows show it through its signals and hand the player's commands to it.
class AppModel : public QObject,
                 public SoundInterface,
                 public AnimationInterface,
                 public GameOverHandler,
                 private records::NamePrompt,
                 private records::MessageSink,
                 private records::HighestPanel {
    Q_OBJECT
public:
    // For recordsWanted: the records window keeps the tab it showed last.
    static constexpr int LastTab = -1;

    AppModel(Dialogs& dialogs, sound::AudioDevice& audio, RandomSource& random);

    const Game& game() const { return game_; }
    Game& game() { return game_; }
    void newGame();
    void tick();
    void command(Command move);
    void chooseSpeed(int index);
    // Replaces the blocking animation pause, for runs that shorten it.
    void setPauseFunction(std::function<void(int)> pause) { pauseFunction_ = std::move(pause); }

    // Reads the tables from the file (reporting a missing or damaged one) and fills the Highest panel.
    void loadRecords();
    const records::HighScoreTables& tables() const { return keeper_.tables(); }
    void showRecords(int tab);
    // The player closed the records window: whatever needs the tables next reads the file again.
    void closeRecords() { recordsOpen_ = false; }

    // Lists the devices, chooses the first and starts the music, unless that has been done since
    // the start or the last close.
    void loadSound();
    void showSoundOptions();
    // The player closed the sound options window: every sound is unloaded and the settings go back
    // to their first values; whatever needs the sound next lists the devices and starts the music again.
    void closeSound();
    const QStringList& devices() const { return devices_; }
    SoundSettings& settings() { return settings_; }
    // The music's Play button: applies the switch, and otherwise starts the music file afresh.
    void applyMusic();

    void playCollision(std::int16_t position) override;
    void playDestruction(std::int16_t position) override;
    void cleanUpBuffers() override;
    bool musicDisabled() override;
    void setMusicSpeed(std::int16_t gemHeight) override;
    void pause(int milliseconds) override;
    void repaintNow() override;
    void showGameOver() override;
    // Ranks the game (asking for names), saves the tables and shows them.
    void processScore(const FinishedGame& game) override;

signals:
    // The well or the figures changed: to be drawn when the window gets to it.
    void changed();
    // A step of a removal or settling: to be drawn at once, before the rules go on.
    void changedNow();
    void highestChanged(const std::string& score, const std::string& combo, const std::string& chain);
    // The tables were read from the file anew, as when the records window is created.
    void recordsLoaded();
    void tablesChanged();
    void recordsWanted(int tab);
    void soundLoaded();
    void soundOptionsWanted();

private:
    std::string askName(const records::PlayerText& prompt) override;
    void showMessage(const records::PlayerText& text) override;
    void showHighest(const std::string& score, const std::string& combo, const std::string& chain) override;
    void reopenRecords();
    void playEffect(const QString& file, std::int16_t position);

    Dialogs& dialogs_;
    QtDropTimer timer_;
    Game game_;
    std::function<void(int)> pauseFunction_;
    records::ScoreKeeper keeper_;
    bool recordsOpen_ = false;
    sound::AudioDevice& audio_;
    sound::SoundBank bank_;
    QStringList devices_;
    SoundSettings settings_;
    bool soundOpen_ = false;
};

}  // namespace quarrix::ui
