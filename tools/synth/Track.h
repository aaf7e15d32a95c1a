#pragma once

#include <string>
#include <vector>

namespace quarrix::synth {

// A stereo sample buffer of fixed length. Sound added past the end wraps round to the start,
// so a track that is played as a loop joins its end to its beginning without a step.
class Track {
public:
    Track(int rate, std::size_t frames, bool wrap);

    int rate() const { return rate_; }
    std::size_t frames() const { return left_.size(); }
    // Adds one sample at frame `at` (counted from the track's start) with a pan of -1..1.
    void add(std::size_t at, float value, float pan);
    // Scales to the given peak (0..1) and writes 16-bit PCM, mono or stereo.
    bool write(const std::string& path, float peak, bool stereo) const;

private:
    int rate_;
    bool wrap_;
    std::vector<float> left_;
    std::vector<float> right_;
};

}  // namespace quarrix::synth
