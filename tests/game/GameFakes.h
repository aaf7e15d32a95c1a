#pragma once

#include "game/AnimationInterface.h"
#include "game/DropTimer.h"
#include "game/GameOverHandler.h"
#include "game/RandomSource.h"
#include "game/SoundInterface.h"

#include <deque>
#include <string>
#include <vector>

namespace quarrix::test {

class FakeTimer final : public DropTimer {
public:
    bool enabled() const override { return enabled_; }
    void setEnabled(bool on) override { enabled_ = on; }
    int interval() const override { return interval_; }
    void setInterval(int ms) override { interval_ = ms; }

private:
    bool enabled_ = false;
    int interval_ = 1000;
};

// Records every call of the rules to the outside, in order, as short strings
// ("collide 3", "destroy 2", "pause 75", "repaint", "cleanup", "speed 9", "gameover", "rank ...").
class EventLog {
public:
    std::vector<std::string> events;
    void add(std::string e) { events.push_back(std::move(e)); }
    std::vector<std::string> only(const std::string& prefix) const
    {
        std::vector<std::string> out;
        for (const auto& e : events) {
            if (e.rfind(prefix, 0) == 0) {
                out.push_back(e);
            }
        }
        return out;
    }
    void clear() { events.clear(); }
};

class RecordingSound final : public SoundInterface {
public:
    explicit RecordingSound(EventLog& log) : log_(log) {}
    void playCollision(std::int16_t p) override { log_.add("collide " + std::to_string(p)); }
    void playDestruction(std::int16_t p) override { log_.add("destroy " + std::to_string(p)); }
    void cleanUpBuffers() override { log_.add("cleanup"); }
    bool musicDisabled() override { return musicOff; }
    void setMusicSpeed(std::int16_t h) override { log_.add("speed " + std::to_string(h)); }
    bool musicOff = false;

private:
    EventLog& log_;
};

class RecordingAnimation final : public AnimationInterface {
public:
    explicit RecordingAnimation(EventLog& log) : log_(log) {}
    void pause(int ms) override { log_.add("pause " + std::to_string(ms)); }
    void repaintNow() override { log_.add("repaint"); }

private:
    EventLog& log_;
};

class RecordingGameOver final : public GameOverHandler {
public:
    RecordingGameOver(EventLog& log, const DropTimer& timer) : log_(log), timer_(timer) {}
    void showGameOver() override
    {
        timerOnAtMessage = timer_.enabled();
        log_.add("gameover");
    }
    void processScore(const FinishedGame& g) override
    {
        last = g;
        log_.add("rank " + std::to_string(g.score) + " " + std::to_string(g.bestCombo) + " " +
                 std::to_string(g.bestChain) + " " + std::to_string(g.intervalMs));
    }
    FinishedGame last;
    bool timerOnAtMessage = true;

private:
    EventLog& log_;
    const DropTimer& timer_;
};

// Hands out prepared values, then repeats the last one.
class ScriptedRandom final : public RandomSource {
public:
    std::deque<float> values;
    float next() override
    {
        if (values.empty()) {
            return 0.0F;
        }
        const float v = values.front();
        if (values.size() > 1) {
            values.pop_front();
        }
        return v;
    }
};

}  // namespace quarrix::test
