// Loudness statistics and the level mapping; see sound_level.h.
#include "ui/dialogs/sound_level.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace karvo::sound {

int sampleOfPeak(float peak) {
    if (!(peak > 0.0f))  // also NaN
        return 0;
    if (peak >= 1.0f)
        return 100;
    return static_cast<int>(peak * 100.0f);
}

WindowStats windowStats(std::span<const int, kWindowLength> window) {
    std::array<int, kWindowLength> v{};
    std::copy(window.begin(), window.end(), v.begin());
    std::sort(v.begin(), v.end());
    WindowStats s;
    s.high = (v[19] + v[20]) / 2;
    s.low = (v[0] + v[1]) / 2;
    s.mean = std::accumulate(v.begin() + 3, v.begin() + 18, 0) / 15;
    return s;
}

namespace {

// trunc((cur - low) / (top - low) x steps) in single precision, or nothing where top equals
// low and the quotient would be 0 / 0.
bool scaled(int cur, int low, int top, float steps, int& out) {
    if (top == low)
        return false;
    const float q = static_cast<float>(cur - low) / static_cast<float>(top - low) * steps;
    out = static_cast<int>(std::trunc(q));
    return true;
}

}  // namespace

int loudnessLevel(int cur, const WindowStats& s) {
    if (s.mean < 2)
        return 0;
    int level = 1;
    int step = 0;
    if (s.mean <= 10) {
        const int top = s.high + 3;  // low is taken as 0 here
        if (cur <= top && scaled(cur, 0, top, 5.0f, step))
            level = step;
    } else if (s.mean <= 25) {
        const int top = s.high + 5;
        if (cur <= top && scaled(cur, s.low, top, 7.0f, step))
            level = step + 1;
    } else if (s.mean <= 50) {
        if (cur <= s.high && scaled(cur, s.low, s.high, 9.0f, step))
            level = step + 1;
    } else if (s.mean <= 75) {
        if (cur <= s.high && scaled(cur, s.low, s.high, 8.0f, step))
            level = step + 2;
    } else {
        if (scaled(cur, s.low, s.high, 7.0f, step))
            level = step + 3;
    }
    return std::clamp(level, 1, kMaxLevel);
}

void LevelHistory::add(int sample) {
    std::copy_backward(history_.begin(), history_.end() - 1, history_.end());
    history_[0] = sample;
    std::array<int, kWindowLength> window{};
    window[0] = sample;
    std::copy(history_.begin(), history_.begin() + (kWindowLength - 1), window.begin() + 1);
    stats_ = windowStats(window);
    level_ = loudnessLevel(sample, stats_);
}

}  // namespace karvo::sound
