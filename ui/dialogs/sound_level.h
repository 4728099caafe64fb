// The loudness of the sound the computer plays, as sound-reactive lighting measures it: every
// 96 ms the peak of the default output becomes a sample 0-100, the last 49 samples are kept for
// the bars, and the newest 21 are condensed into a level 0-11 that the lighting effect follows.
// The level is relative to the recent history, so quiet and loud music both move the lights.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace karvo::sound {

inline constexpr int kHistoryLength = 49;
inline constexpr int kWindowLength = 21;
inline constexpr int kMaxLevel = 11;

// A peak 0.0-1.0 as a sample: trunc(peak x 100) in single precision; out-of-range or NaN
// peaks (a misbehaving audio server) are held to 0-100.
int sampleOfPeak(float peak);

// Statistics of one window of 21 samples, in any order. Sorted ascending: high is
// (v[19] + v[20]) / 2, low (v[0] + v[1]) / 2, mean the sum of v[3] .. v[17] / 15, all integer
// divisions, so the three lowest and three highest values never move the mean.
struct WindowStats {
    int high = 0;
    int low = 0;
    int mean = 0;
    bool operator==(const WindowStats&) const = default;
};
WindowStats windowStats(std::span<const int, kWindowLength> window);

// The level (0-11) of the newest sample `cur` against its window's statistics. 0 while the
// mean is below 2 (silence); otherwise a band by the mean, each mapping cur between low and a
// top into single-precision steps truncated toward zero, then held to 1-11. Where the top
// equals low (a perfectly steady sound) the step is undefined and the level is 1.
int loudnessLevel(int cur, const WindowStats& stats);

// The sample history and the level it gives, updated once per sample.
class LevelHistory {
  public:
    // Shifts the history by one (the oldest drops out), puts `sample` first, and computes the
    // level over the sample and the first 20 of the history, so the newest counts twice.
    void add(int sample);

    // Newest first.
    const std::array<int, kHistoryLength>& history() const { return history_; }
    int newest() const { return history_[0]; }
    int level() const { return level_; }
    const WindowStats& stats() const { return stats_; }

  private:
    std::array<int, kHistoryLength> history_{};
    WindowStats stats_;
    int level_ = 0;
};

}  // namespace karvo::sound
