#include "Soak.h"

#include "game/RandomSource.h"
#include "game/SpeedSetting.h"
#include "records/HighScoresReader.h"
#include "records/HighScoresWriter.h"
#include "records/ScoreKeeper.h"
#include "sound/OpenAlAudio.h"
#include "ui/Form1.h"
#include "ui/Form2.h"
#include "ui/Form3.h"
#include "ui/PlayfieldWidget.h"
#include "ui/WindowSet.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <random>

namespace quarrix::soak {

namespace {
int filledCells(const Board& board)
{
    int count = 0;
    for (int i = 0; i < Board::Cells; ++i) {
        count += board.cellAt(i).Filled ? 1 : 0;
    }
    return count;
}

std::string text(const Figures& f)
{
    return "score " + std::to_string(f.score) + ", combo " + std::to_string(f.combo) + ", chain " +
           std::to_string(f.chain) + ", best combo " + std::to_string(f.bestCombo) + ", best chain " +
           std::to_string(f.bestChain);
}

bool sameGame(const Playfield& a, const Playfield& b)
{
    for (int i = 0; i < Board::Cells; ++i) {
        const BoardCell& x = a.board.cellAt(i);
        const BoardCell& y = b.board.cellAt(i);
        if (x.Filled != y.Filled || (x.Filled && x.gem() != y.gem())) {
            return false;
        }
    }
    return a.pair.GemCol == b.pair.GemCol && a.pair.GemRow == b.pair.GemRow && a.pair.PairActive == b.pair.PairActive &&
           a.next.lower == b.next.lower && a.next.upper == b.next.upper && a.figures == b.figures;
}

QString latin1(const std::string& s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// After a game over: the HighScores file reads back and saves to the same bytes, and the records
// window's lists and the Highest labels show what it holds.
std::string checkRecords(const ui::Form1& form, const ui::Form2& window)
{
    std::ifstream in(std::string(records::ScoreKeeper::FileName), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    records::HighScoreTables tables;
    if (records::HighScoresReader::read(bytes, tables) != records::ReadOutcome::Loaded ||
        records::HighScoresWriter::write(tables) != bytes) {
        return "the HighScores file does not read back and save to the same bytes";
    }
    using records::ScoreRow;
    constexpr std::array<const char*, 4> lists{"listName_", "listScore_", "listCombo_", "listChain_"};
    constexpr std::array<std::string ScoreRow::*, 4> fields{&ScoreRow::name, &ScoreRow::score, &ScoreRow::combo,
                                                            &ScoreRow::chain};
    constexpr std::array<const char*, records::TableCount> highest{"lblHScore", "lblHCombo", "lblHChain"};
    for (std::size_t t = 0; t < tables.size(); ++t) {
        const auto& rows = tables[t].rows();
        for (std::size_t k = 0; k < lists.size(); ++k) {
            const auto* list = window.findChild<const QListWidget*>(lists[k] + QString::number(t));
            bool same = list != nullptr && list->count() == static_cast<int>(rows.size());
            for (int i = 0; same && i < list->count(); ++i) {
                same = list->item(i)->text() == latin1(rows[static_cast<std::size_t>(i)].*fields[k]);
            }
            if (!same) {
                return lists[k] + std::to_string(t) + " differs from the HighScores file";
            }
        }
        const auto* label = form.findChild<const QLabel*>(highest[t]);
        if (label == nullptr || rows.empty() ||
            label->text() != latin1(records::keyText(rows[0], static_cast<int>(t)))) {
            return std::string(highest[t]) + " does not show row 1 of its table";
        }
    }
    return {};
}

// Pairs dealt from the soak's seed: 24 random bits scaled down, exactly representable and never 1.
struct SeededRandom final : RandomSource {
    explicit SeededRandom(std::uint64_t seed) : engine(static_cast<std::uint32_t>(seed)) {}
    float next() override { return static_cast<float>(engine() >> 8U) * (1.0F / 16777216.0F); }
    std::mt19937 engine;
};

// Answers every name prompt with a random name, hostile ones included.
struct HostileNames final : ui::Dialogs {
    explicit HostileNames(std::mt19937_64& engine) : engine(engine) {}
    void message(const QString& /*text*/) override {}
    QString openFile(const QString& /*title*/, const QString& /*filter*/) override { return {}; }
    QString inputBox(const QString& /*prompt*/) override
    {
        QString word;
        for (int i = pick(1, 12); i > 0; --i) {
            word += QChar(pick('a', 'z'));
        }
        switch (pick(0, 9)) {
        case 0: return {};  // cancelled
        case 1: return QStringLiteral("\"") + word + QStringLiteral("\" \"\"");
        case 2: return word + QStringLiteral("\r\n") + word + QStringLiteral("\nNEXT\n\"");
        case 3: return word.repeated(pick(60, 200));
        case 4: return QStringLiteral("NEXT");
        case 5: return word + QStringLiteral(" Zo\u00eb \u2603 \u540d\u524d");
        case 6: return word + QStringLiteral("\t\x01\x1b[31m\x7f");
        case 7: return QStringLiteral(",\",\"") + word;
        default: return word;
        }
    }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    std::mt19937_64& engine;
};

// The real records and sound options windows, with the sound path overheard on its way to them.
struct Companions final : ui::CompanionWindows, SoundInterface {
    explicit Companions(ui::WindowSet& windows) : windows(windows) {}

    void loadAtStartup(records::HighestPanel& panel) override { windows.loadAtStartup(panel); }
    void showRecords(int tab) override { windows.showRecords(tab); }
    void showSoundOptions() override { windows.showSoundOptions(); }
    void processScore(const FinishedGame& game) override { windows.processScore(game); }
    SoundInterface& sound() override { return *this; }

    void playCollision(std::int16_t position) override { windows.sound().playCollision(position); }
    void playDestruction(std::int16_t position) override
    {
        heard.destroyed.push_back(field->figures);
        windows.sound().playDestruction(position);
    }
    // Called once at the end of every landing, just before the next pair is dealt.
    void cleanUpBuffers() override
    {
        ++heard.landings;
        heard.spawnCellsFilled = (field->board.filled(Board::SpawnColumn, Board::SpawnLowerRow) ? 1 : 0) +
                                 (field->board.filled(Board::SpawnColumn, Board::SpawnUpperRow) ? 1 : 0);
        windows.sound().cleanUpBuffers();
    }
    bool musicDisabled() override { return windows.sound().musicDisabled(); }
    void setMusicSpeed(std::int16_t gemHeight) override { windows.sound().setMusicSpeed(gemHeight); }

    ui::WindowSet& windows;
    const Playfield* field = nullptr;
    StepSounds heard;
};

enum Move : std::uint8_t { Tick, Down, Left, Right, Up, NoKey, SpeedClick };

// Plays whole games on the program as its main() puts it together, standing in for the drop
// timer so that nothing happens between its steps.
class Player {
public:
    Player(std::uint64_t seed, Totals& totals)
        : engine_(seed),
          names_(engine_),
          windows_(names_, audio_),
          companions_(windows_),
          random_(seed),
          form_(names_, companions_, random_),
          totals_(totals)
    {
        companions_.field = &form_.game().field();
        form_.setPauseFunction([](int /*milliseconds*/) {});  // removal and settling at full speed
        timer_ = form_.findChild<QTimer*>(QStringLiteral("Timer1"));
        timer_->blockSignals(true);  // no real timeout between the steps
        for (std::size_t i = 0; i < speedItems_.size(); ++i) {
            speedItems_[i] = form_.findChild<QAction*>(QString::fromLatin1(SpeedSetting::Items[i].name.data()));
        }
    }

    std::string play(int games)
    {
        form_.load();
        form_.show();
        if (!QTest::qWaitForWindowExposed(&form_) || !activate()) {
            return "the main window does not become active";
        }
        for (int g = 1; g <= games; ++g, ++totals_.games) {
            if (std::string broken = playGame(); !broken.empty()) {
                return "game " + std::to_string(g) + ", step " + std::to_string(step_) + ": " + broken;
            }
        }
        return {};
    }

private:
    const Playfield& field() const { return form_.game().field(); }
    std::size_t pick(std::size_t count) { return std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_); }
    bool activate()
    {
        form_.activateWindow();
        return QTest::qWaitForWindowActive(&form_);
    }

    std::string playGame()
    {
        step_ = 0;
        const std::size_t speed = pick(speedItems_.size());
        speedItems_[speed]->trigger();
        if (timer_->interval() != SpeedSetting::Items[speed].intervalMs) {
            return "the speed chosen between games did not take effect";
        }
        if (pick(5) == 0) {
            form_.findChild<QAction*>(QStringLiteral("M_F_NewGame"))->trigger();
        } else {
            QTest::keyClick(&form_, Qt::Key_F1);
        }
        ++totals_.steps;
        std::string broken =
            timer_->isActive() ? checkDisplay(form_, field()) : "New Game did not start the drop timer";
        while (broken.empty() && timer_->isActive()) {
            broken = ++step_ > 20000 ? "no game over" : step(true);
        }
        if (broken.empty()) {
            broken = windows_.records().isVisible() ? checkRecords(form_, windows_.records())
                                                    : "the records window is not shown after the game over";
        }
        if (!broken.empty()) {
            return broken;
        }
        // A closed window is created anew when next needed: the records window reads the file
        // again, the sound options window restarts the music.
        if (pick(2) == 0) {
            windows_.records().close();
        } else {
            windows_.records().hide();
        }
        if (pick(10) == 0) {
            windows_.soundOptions().close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        broken = activate() ? "" : "the main window does not become active again";
        // After the game over Left, Right and Up may still move the last pair; nothing else happens.
        for (auto keys = pick(6); broken.empty() && keys > 0; --keys) {
            ++step_;
            broken = step(false);
        }
        return broken;
    }

    std::string step(bool running)
    {
        // The arrows, then keys the well does not listen to and no shortcut of the menus either.
        constexpr std::array<Qt::Key, 13> keys{
            Qt::Key_Down,   Qt::Key_Left, Qt::Key_Right,  Qt::Key_Up,       Qt::Key_A, Qt::Key_Space, Qt::Key_Return,
            Qt::Key_Escape, Qt::Key_Home, Qt::Key_Delete, Qt::Key_PageDown, Qt::Key_0, Qt::Key_F12};
        constexpr std::array<const char*, 7> names{
            "drop tick", "Down", "Left", "Right", "Up", "a key of no use", "a speed item during play"};
        // Ticks and Down make the games end, the rest steers. Without a game the timer does not
        // tick, and a speed item is a choice between games.
        auto move = static_cast<Move>(moves_(engine_));
        if (!running && (move == Tick || move == SpeedClick)) {
            move = NoKey;
        }
        const Playfield before = field();
        const int speed = form_.game().speed().checkedItem();
        const int interval = timer_->interval();
        companions_.heard = {};
        if (move == Tick) {
            form_.Timer1_Timer();
        } else if (move == SpeedClick) {
            speedItems_[pick(speedItems_.size())]->trigger();
        } else {
            QTest::keyClick(&form_, keys[move == NoKey ? 4 + pick(9) : move - Down]);
        }
        ++totals_.steps;
        std::string broken = auditStep(before, field(), companions_.heard, totals_.bursts);
        const bool inert = move == NoKey || move == SpeedClick || (move == Down && !running);
        if (broken.empty() && inert && !sameGame(before, field())) {
            broken = "the game changed";
        }
        if (broken.empty() && (form_.game().speed().checkedItem() != speed || timer_->interval() != interval)) {
            broken = "a speed item took effect during a game";
        }
        if (broken.empty()) {
            broken = checkDisplay(form_, field());
        }
        return broken.empty() ? broken : names[move] + std::string(": ") + broken;
    }

    std::mt19937_64 engine_;
    HostileNames names_;
    sound::OpenAlAudio audio_;
    ui::WindowSet windows_;
    Companions companions_;
    SeededRandom random_;
    ui::Form1 form_;
    Totals& totals_;
    QTimer* timer_ = nullptr;
    std::array<QAction*, SpeedSetting::Items.size()> speedItems_{};
    std::discrete_distribution<int> moves_{30, 25, 14, 14, 10, 5, 2};  // in the order of Move
    int step_ = 0;
};
}  // namespace

std::string auditStep(const Playfield& before, const Playfield& after, const StepSounds& sounds, long& bursts)
{
    const auto& removed = sounds.destroyed;
    if (sounds.landings > 1 || (sounds.landings == 0 && !removed.empty())) {
        return "gems destroyed outside a single landing";
    }
    // Gems go only in bursts; a new pair adds two, less those it writes over in the spawn cells.
    const int dealt = sounds.landings == 1 ? 2 - sounds.spawnCellsFilled : 0;
    const int expected = filledCells(before.board) - static_cast<int>(removed.size()) + dealt;
    if (filledCells(after.board) != expected) {
        return "the well holds " + std::to_string(filledCells(after.board)) + " gems, expected " +
               std::to_string(expected) + " (" + std::to_string(removed.size()) + " destroyed, " +
               std::to_string(dealt) + " dealt)";
    }
    Figures figures = before.figures;
    if (sounds.landings == 1) {
        figures.combo = figures.chain = 0;
    }
    for (std::size_t i = 0; i < removed.size();) {
        // One burst: the destruction sounds played while the combo had the same value.
        std::size_t n = 0;
        while (i + n < removed.size() && removed[i + n].combo == removed[i].combo) {
            ++n;
        }
        figures.combo += 1;
        figures.chain = static_cast<std::int64_t>(n) - 1;
        figures.score += 10 * figures.chain * figures.combo;
        figures.bestCombo = std::max(figures.bestCombo, figures.combo);
        figures.bestChain = std::max(figures.bestChain, figures.chain);
        if (n < 2 || removed[i] != figures) {
            return "a burst of " + std::to_string(n) + " gems showed " + text(removed[i]) + "; expected " +
                   text(figures);
        }
        ++bursts;
        i += n;
    }
    if (after.figures != figures) {
        return "the figures are " + text(after.figures) + "; expected " + text(figures);
    }
    return {};
}

std::string checkDisplay(ui::Form1& form, const Playfield& field)
{
    ui::PlayfieldWidget& widget = *form.playfield();
    const QImage image = widget.grab().toImage();
    // The centre pixel of a cell: the gem's colour where there is a gem, the background elsewhere.
    const auto shows = [&](const QRect& rect, bool filled, ColorValue color) {
        const Rgb rgb = toRgb(color);
        return image.pixelColor(rect.center()) ==
               (filled ? QColor(rgb.red, rgb.green, rgb.blue) : widget.palette().window().color());
    };
    for (int r = 0; r < Board::Rows; ++r) {
        for (int c = 0; c < Board::Columns; ++c) {
            if (!shows(widget.cellRect(c, r), field.board.filled(c, r), field.board.cell(c, r).GemColor)) {
                return "cell (" + std::to_string(c) + ", " + std::to_string(r) + ") is not drawn as it is";
            }
        }
    }
    if (!shows(widget.previewRect(0), field.next.dealt, field.next.lower.color) ||
        !shows(widget.previewRect(1), field.next.dealt, field.next.upper.color)) {
        return "the preview does not show the next pair";
    }
    constexpr std::array<const char*, 5> labels{"lblCScore", "lblCCombo", "lblCChain", "lblBCombo", "lblBChain"};
    const std::array<std::int64_t, 5> values{field.figures.score, field.figures.combo, field.figures.chain,
                                             field.figures.bestCombo, field.figures.bestChain};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const auto* label = form.findChild<const QLabel*>(labels[i]);
        if (label == nullptr || label->text() != QString::number(values[i])) {
            return std::string(labels[i]) + " does not show " + std::to_string(values[i]);
        }
    }
    return {};
}

std::string playGames(std::uint64_t seed, int games, Totals& totals)
{
    return Player(seed, totals).play(games);
}

}  // namespace quarrix::soak
