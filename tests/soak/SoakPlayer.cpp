#include "SoakPlayer.h"

#include "DisplayCheck.h"
#include "records/ScoreKeeper.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/PlayfieldWidget.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

namespace quarrix::soak {

namespace {
// Keys the well does not listen to, and no shortcut of the menus either.
constexpr std::array<Qt::Key, 9> NoKeys{Qt::Key_A,      Qt::Key_Space,    Qt::Key_Return, Qt::Key_Escape, Qt::Key_Home,
                                        Qt::Key_Delete, Qt::Key_PageDown, Qt::Key_0,      Qt::Key_F12};

std::string moveName(int move)
{
    constexpr std::array<const char*, 7> names{
        "drop tick", "Down", "Left", "Right", "Up", "a key of no use", "a speed item during play"};
    return names[static_cast<std::size_t>(move)];
}
}  // namespace

SoakPlayer::SoakPlayer(std::uint64_t seed)
    : engine_(seed),
      dialogs_(seed ^ 0x9E3779B97F4A7C15ULL),
      windows_(dialogs_, audio_),
      companions_(windows_),
      random_(seed),
      form_(dialogs_, companions_, random_)
{
    companions_.counter().watch(form_.game().field());
    // Removal and settling run at full speed; each step is still drawn and checked.
    form_.setPauseFunction([](int /*milliseconds*/) {});
    timer_ = form_.findChild<QTimer*>(QStringLiteral("Timer1"));
    for (std::size_t i = 0; i < speedItems_.size(); ++i) {
        speedItems_[i] = form_.findChild<QAction*>(QString::fromLatin1(SpeedSetting::Items[i].name.data()));
    }
    newGame_ = form_.findChild<QAction*>(QStringLiteral("M_F_NewGame"));
}

SoakPlayer::~SoakPlayer() = default;

SoakPlayer::Totals SoakPlayer::totals() const
{
    Totals totals = totals_;
    totals.bursts = audit_.bursts();
    return totals;
}

int SoakPlayer::pick(int count)
{
    return std::uniform_int_distribution<int>(0, count - 1)(engine_);
}

std::string SoakPlayer::play(int games)
{
    std::string broken = startUp();
    for (int g = 0; g < games && broken.empty(); ++g) {
        broken = playGame();
        if (!broken.empty()) {
            broken = "game " + std::to_string(g + 1) + ", " + broken;
        }
    }
    return broken;
}

std::string SoakPlayer::startUp()
{
    if (timer_ == nullptr || newGame_ == nullptr) {
        return "the main window lacks its timer or menu items";
    }
    for (const QAction* item : speedItems_) {
        if (item == nullptr) {
            return "the main window lacks a speed item";
        }
    }
    // The soak delivers the ticks itself, so a real timeout must not slip in between steps.
    timer_->blockSignals(true);
    form_.load();
    // The working folder starts without HighScores: one load error, nothing else.
    if (dialogs_.messages() != QStringList{QString::fromLatin1(records::ScoreKeeper::LoadErrorMessage.data())}) {
        return "start-up showed " + dialogs_.messages().join(QStringLiteral(" | ")).toStdString();
    }
    dialogs_.clearMessages();
    form_.show();
    if (!QTest::qWaitForWindowExposed(&form_)) {
        return "the main window is not exposed";
    }
    return activate();
}

std::string SoakPlayer::activate()
{
    form_.activateWindow();
    return QTest::qWaitForWindowActive(&form_) ? std::string{} : "the main window does not become active";
}

std::string SoakPlayer::playGame()
{
    std::string broken = startGame();
    int steps = 0;
    while (broken.empty() && timer_->isActive()) {
        if (++steps > MaxStepsPerGame) {
            ++totals_.unfinished;
            return {};
        }
        broken = step(randomMove(true));
    }
    if (!broken.empty()) {
        return broken;
    }
    ++totals_.games;
    // After game over Left, Right and Up may still move the last pair; nothing else happens.
    for (int keys = pick(6); keys > 0 && broken.empty(); --keys) {
        broken = step(randomMove(false));
    }
    return broken;
}

SoakPlayer::Move SoakPlayer::randomMove(bool running)
{
    // Weights in percent: ticks and Down make the games end, the rest steers.
    constexpr std::array<std::pair<Move, int>, 7> weights{{
        {Move::Tick, 30},
        {Move::Down, 25},
        {Move::Left, 14},
        {Move::Right, 14},
        {Move::Up, 10},
        {Move::NoKey, 5},
        {Move::SpeedClick, 2},
    }};
    int roll = pick(100);
    for (const auto& [move, weight] : weights) {
        if (roll < weight) {
            // Without a game the timer does not tick, and a speed item is a choice between games.
            const bool idleOnly = move == Move::Tick || move == Move::SpeedClick;
            return running || !idleOnly ? move : Move::NoKey;
        }
        roll -= weight;
    }
    return Move::NoKey;
}

std::string SoakPlayer::startGame()
{
    std::string broken = chooseSpeed();
    if (!broken.empty()) {
        return broken;
    }
    const int interval = timer_->interval();
    if (pick(5) == 0) {
        newGame_->trigger();
    } else {
        QTest::keyClick(&form_, Qt::Key_F1);
    }
    ++totals_.steps;
    const Playfield& field = form_.game().field();
    int filled = 0;
    for (int i = 0; i < Board::Cells; ++i) {
        filled += field.board.cellAt(i).Filled ? 1 : 0;
    }
    if (!timer_->isActive() || timer_->interval() != interval) {
        return "New Game did not start the timer at the chosen speed";
    }
    if (filled != 2 || !field.board.filled(Board::SpawnColumn, Board::SpawnLowerRow) ||
        !field.board.filled(Board::SpawnColumn, Board::SpawnUpperRow) || !field.pair.PairActive) {
        return "New Game did not deal one pair into an empty well";
    }
    if (field.figures != Figures{}) {
        return "New Game did not clear the figures";
    }
    broken = DisplayCheck::cells(*form_.playfield(), field);
    return broken.empty() ? DisplayCheck::figures(form_, field.figures) : "New Game: " + broken;
}

std::string SoakPlayer::chooseSpeed()
{
    const bool running = timer_->isActive();  // only after a game given up
    const int checkedBefore = form_.game().speed().checkedItem();
    const int intervalBefore = timer_->interval();
    const int index = pick(static_cast<int>(speedItems_.size()));
    speedItems_[static_cast<std::size_t>(index)]->trigger();
    if (running) {
        return checkSpeedRefused(checkedBefore, intervalBefore);
    }
    const int expected = SpeedSetting::Items[static_cast<std::size_t>(index)].intervalMs;
    if (form_.game().speed().checkedItem() != index || timer_->interval() != expected) {
        return "speed item " + std::to_string(index) + " chosen between games did not take effect";
    }
    return checkChecks();
}

std::string SoakPlayer::checkChecks() const
{
    for (std::size_t i = 0; i < speedItems_.size(); ++i) {
        const bool current = static_cast<int>(i) == form_.game().speed().checkedItem();
        if (speedItems_[i]->isChecked() != current) {
            return "the Options menu ticks item " + std::to_string(i) + " wrongly";
        }
    }
    return {};
}

std::string SoakPlayer::checkSpeedRefused(int checkedBefore, int intervalBefore) const
{
    if (form_.game().speed().checkedItem() != checkedBefore || timer_->interval() != intervalBefore) {
        return "a speed item took effect during a game";
    }
    return checkChecks();
}

std::string SoakPlayer::step(Move move)
{
    audit_.begin(form_.game().field());
    companions_.counter().startStep();
    const bool wasRunning = timer_->isActive();
    const int namesBefore = dialogs_.namesAsked();
    const int checkedBefore = form_.game().speed().checkedItem();
    const int intervalBefore = timer_->interval();
    perform(move);
    ++totals_.steps;
    std::string broken = checkStep(move, wasRunning, namesBefore);
    if (broken.empty() && move == Move::SpeedClick) {
        broken = checkSpeedRefused(checkedBefore, intervalBefore);
    }
    return broken.empty()
               ? broken
               : moveName(static_cast<int>(move)) + " (step " + std::to_string(totals_.steps) + "): " + broken;
}

void SoakPlayer::perform(Move move)
{
    switch (move) {
    case Move::Tick: form_.Timer1_Timer(); break;
    case Move::Down: QTest::keyClick(&form_, Qt::Key_Down); break;
    case Move::Left: QTest::keyClick(&form_, Qt::Key_Left); break;
    case Move::Right: QTest::keyClick(&form_, Qt::Key_Right); break;
    case Move::Up: QTest::keyClick(&form_, Qt::Key_Up); break;
    case Move::NoKey: QTest::keyClick(&form_, NoKeys[static_cast<std::size_t>(pick(NoKeys.size()))]); break;
    case Move::SpeedClick:
        speedItems_[static_cast<std::size_t>(pick(static_cast<int>(speedItems_.size())))]->trigger();
        break;
    }
}

std::string SoakPlayer::checkStep(Move move, bool wasRunning, int namesBefore)
{
    const Playfield& field = form_.game().field();
    std::string broken = audit_.finish(field, companions_.counter());
    // Keys of no use change nothing; nor does Down once the game is over and the timer off.
    const bool inert = move == Move::NoKey || move == Move::SpeedClick || (move == Move::Down && !wasRunning);
    if (broken.empty() && inert && !audit_.unchanged(field)) {
        broken = "the game changed";
    }
    if (broken.empty()) {
        broken = DisplayCheck::cells(*form_.playfield(), field);
    }
    if (broken.empty()) {
        broken = DisplayCheck::figures(form_, field.figures);
    }
    const bool gameEnded = wasRunning && !timer_->isActive();
    if (broken.empty()) {
        broken = checkMessages(gameEnded);
    }
    if (broken.empty() && gameEnded) {
        broken = afterGameOver(dialogs_.namesAsked() - namesBefore);
    }
    return broken;
}

std::string SoakPlayer::checkMessages(bool gameEnded)
{
    const QStringList expected = gameEnded ? QStringList{QStringLiteral("Game Over")} : QStringList{};
    if (dialogs_.messages() != expected) {
        return "messages shown: [" + dialogs_.messages().join(QStringLiteral(" | ")).toStdString() + "]";
    }
    if (!dialogs_.oddPrompts().isEmpty()) {
        return "a name prompt reads \"" + dialogs_.oddPrompts().first().toStdString() + "\"";
    }
    dialogs_.clearMessages();
    return {};
}

std::string SoakPlayer::afterGameOver(int namesAsked)
{
    const Figures& f = form_.game().field().figures;
    const FinishedGame game{f.score, f.bestCombo, f.bestChain, timer_->interval()};
    ui::Form2& recordsWindow = windows_.records();
    if (!recordsWindow.isVisible()) {
        return "the records window is not shown after a game over";
    }
    const std::string broken = records_.afterGameOver(game, namesAsked, recordsWindow, form_);
    if (!broken.empty()) {
        return broken;
    }
    putAwayCompanions();
    return activate();
}

void SoakPlayer::putAwayCompanions()
{
    // A closed window is created anew when next needed: the records window reads the file
    // again, the sound options window restarts the music with a fresh table of sounds.
    if (pick(2) == 0) {
        windows_.records().close();
    } else {
        windows_.records().hide();
    }
    if (pick(10) == 0) {
        windows_.soundOptions().close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace quarrix::soak
