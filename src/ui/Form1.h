#pragma once

#include "CompanionWindows.h"
#include "Dialogs.h"
#include "QtDropTimer.h"
#include "TwipScale.h"
#include "game/Game.h"
#include "game/GameServices.h"
#include "records/ScoreKeeper.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;

namespace quarrix::ui {

class PlayfieldWidget;

// The main window: the well, the Next box, the Highest/Best/Current panels and the menus.
// It only shows the game's state and forwards events to the rules.
class Form1 final : public QMainWindow,
                    private AnimationInterface,
                    private GameOverHandler,
                    public records::HighestPanel {
    Q_OBJECT
public:
    Form1(Dialogs& dialogs, CompanionWindows& companions, RandomSource& random, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: creates the records window hidden now, and the sound options window once the
    // window's first frame has been drawn.
    void load();

    const Game& game() const { return game_; }
    Game& game() { return game_; }
    PlayfieldWidget* playfield() const { return playfield_; }

    void showHighest(const std::string& score, const std::string& combo, const std::string& chain) override;

    // A move of the falling pair, from a key or a controller.
    void command(Command move);
    // The drop timer's tick, also run by tools that drive the game without waiting for the timer.
    void Timer1_Timer();
    // Replaces the blocking animation pause, for runs that shorten it.
    void setPauseFunction(std::function<void(int)> pause) { pauseFunction_ = std::move(pause); }

signals:
    // Just after the first frame of the well reached the screen, once: for work the start can wait for.
    void firstFrameShown();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void pause(int milliseconds) override;
    void repaintNow() override;
    void showGameOver() override;
    void processScore(const FinishedGame& game) override;

    void buildMenus();
    void buildPanels(QWidget* area);
    QGroupBox* makeFrame(QWidget* area, const char* name, const QString& caption, int top);
    QLabel* makeRow(QGroupBox* frame, const char* captionName, const QString& caption, const char* valueName, int top);
    QAction* addItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key = {});
    void chooseSpeed(int index);
    void showChecks();
    void refresh();
    void showFigures();
    static void setFigure(QLabel* label, const QString& text);

    Dialogs& dialogs_;
    CompanionWindows& companions_;
    TwipScale scale_;
    QtDropTimer timer_;
    Game game_;
    PlayfieldWidget* playfield_ = nullptr;
    std::function<void(int)> pauseFunction_;
    std::array<QAction*, SpeedSetting::Items.size()> speedItems_{};
    QLabel* lblHScore_ = nullptr;
    QLabel* lblHCombo_ = nullptr;
    QLabel* lblHChain_ = nullptr;
    QLabel* lblBCombo_ = nullptr;
    QLabel* lblBChain_ = nullptr;
    QLabel* lblCCombo_ = nullptr;
    QLabel* lblCChain_ = nullptr;
    QLabel* lblCScore_ = nullptr;
};

}  // namespace quarrix::ui
