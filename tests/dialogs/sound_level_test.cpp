// Loudness statistics and the level mapping: the cases worked out by hand, the conversions of
// the peak, and a table of random windows checked against a plain re-computation written
// from the rules, band by band.
#include "ui/dialogs/sound_level.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace karvo::sound {
namespace {

// A window of 21 samples, newest first, with the statistics asked for: `low` twice at the
// bottom, `high` twice at the top and `mean` in the middle fifteen (the other two stay
// between them, so sorting leaves the statistics as built).
std::array<int, kWindowLength> windowWith(int cur, int low, int mean, int high) {
    std::array<int, kWindowLength> w{};
    w.fill(mean);
    w[0] = cur;
    w[1] = cur;
    w[2] = low;
    w[3] = low;
    w[4] = high;
    w[5] = high;
    return w;
}

TEST(SoundLevel, SilenceGivesLevelZero) {
    for (const int v : {0, 1}) {
        std::array<int, kWindowLength> w{};
        w.fill(v);
        EXPECT_EQ(loudnessLevel(v, windowStats(w)), 0) << "all samples " << v;
    }
    // A mean of 1 with loud peaks outside the middle fifteen is still silence.
    std::array<int, kWindowLength> w{};
    w.fill(1);
    w[0] = w[1] = w[2] = 90;
    EXPECT_EQ(windowStats(w).mean, 1);
    EXPECT_EQ(loudnessLevel(90, windowStats(w)), 0);
}

TEST(SoundLevel, SteadyLoudSoundOfMeanSixty) {
    // mean 60, high 80, low 40, cur 60: trunc(20 / 40 x 8) + 2.
    const WindowStats s{80, 40, 60};
    EXPECT_EQ(loudnessLevel(60, s), 6);
}

TEST(SoundLevel, QuietSoundReachesTheTopOfItsBand) {
    // mean 5, high 10, cur 13: the top is 13, trunc(13 / 13 x 5).
    EXPECT_EQ(loudnessLevel(13, WindowStats{10, 0, 5}), 5);
}

TEST(SoundLevel, EachBandWithItsOwnTopAndSteps) {
    struct Case {
        int cur;
        WindowStats stats;
        int level;
        const char* why;
    };
    const Case cases[] = {
        {2, {10, 0, 5}, 1, "quiet: low counts as 0, trunc(2 / 13 x 5) = 0, held at 1"},
        {7, {10, 4, 10}, 2, "mean 10 is still quiet: trunc(7 / 13 x 5)"},
        {20, {20, 5, 11}, 6, "mean 11: top 25, trunc(15 / 20 x 7) + 1"},
        {26, {20, 5, 25}, 1, "mean 25 above its top of 25: 1"},
        {50, {50, 10, 26}, 10, "mean 26: top is high, trunc(40 / 40 x 9) + 1"},
        {30, {50, 10, 50}, 5, "mean 50: trunc(20 / 40 x 9) + 1"},
        {51, {50, 10, 50}, 1, "above high: 1"},
        {100, {100, 20, 76}, 10, "mean 76: trunc(80 / 80 x 7) + 3"},
        {20, {100, 20, 90}, 3, "loud and at its lowest: 0 + 3"},
        {60, {60, 60, 60}, 1, "top equals low (perfectly steady): 1, not 0 / 0"},
        {80, {80, 80, 80}, 1, "the same above 75"},
        {90, {90, 90, 30}, 1, "and in the 25-50 band"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loudnessLevel(c.cur, c.stats), c.level) << c.why;
}

TEST(SoundLevel, WindowStatisticsLeaveOutTheThreeLowestAndHighestFromTheMean) {
    std::array<int, kWindowLength> w{};
    for (int i = 0; i < kWindowLength; ++i)
        w[static_cast<std::size_t>(i)] = 20 - i;  // 20 down to 0, unsorted order
    const WindowStats s = windowStats(w);
    EXPECT_EQ(s.high, (19 + 20) / 2);
    EXPECT_EQ(s.low, (0 + 1) / 2);
    EXPECT_EQ(s.mean, (3 + 17) * 15 / 2 / 15);  // 3 .. 17
    const auto built = windowWith(60, 40, 60, 80);
    EXPECT_EQ(windowStats(built), (WindowStats{80, 40, 60}));
}

TEST(SoundLevel, PeaksBecomeSamplesByTruncation) {
    EXPECT_EQ(sampleOfPeak(0.0f), 0);
    EXPECT_EQ(sampleOfPeak(0.5f), 50);
    EXPECT_EQ(sampleOfPeak(0.999f), 99);
    EXPECT_EQ(sampleOfPeak(1.0f), 100);
    EXPECT_EQ(sampleOfPeak(0.567f), 56) << "truncated, not rounded";
    // A server that sends nonsense cannot push the history out of 0-100.
    EXPECT_EQ(sampleOfPeak(1.7f), 100);
    EXPECT_EQ(sampleOfPeak(-0.2f), 0);
    EXPECT_EQ(sampleOfPeak(std::numeric_limits<float>::quiet_NaN()), 0);
    EXPECT_EQ(sampleOfPeak(std::numeric_limits<float>::infinity()), 100);
}

TEST(SoundLevel, TheNewestSampleCountsTwiceAndTheOldestDropsOut) {
    LevelHistory h;
    for (int i = 1; i <= kHistoryLength + 1; ++i)
        h.add(i);
    EXPECT_EQ(h.newest(), 50);
    EXPECT_EQ(h.history()[0], 50);
    EXPECT_EQ(h.history()[kHistoryLength - 1], 2);  // sample 1 dropped out
    // Window: 50, 50, 49 .. 31. Sorted: 31 .. 49, 50, 50.
    EXPECT_EQ(h.stats().high, 50);
    EXPECT_EQ(h.stats().low, (31 + 32) / 2);
    int middle = 0;
    for (int v = 34; v <= 48; ++v)
        middle += v;
    EXPECT_EQ(h.stats().mean, middle / 15);
    EXPECT_EQ(h.level(), loudnessLevel(50, h.stats()));
}

TEST(SoundLevel, ASteadyToneSettlesOnLevelOne) {
    LevelHistory h;
    for (int i = 0; i < kWindowLength; ++i)
        h.add(50);
    EXPECT_EQ(h.stats(), (WindowStats{50, 50, 50}));
    EXPECT_EQ(h.level(), 1);
}

// --- against a plain re-computation --------------------------------------------------------

int referenceLevel(const std::vector<int>& window) {
    std::vector<int> v = window;
    // Insertion sort: a different road to the same order.
    for (std::size_t i = 1; i < v.size(); ++i) {
        for (std::size_t j = i; j > 0 && v[j - 1] > v[j]; --j)
            std::swap(v[j - 1], v[j]);
    }
    const int high = (v[19] + v[20]) / 2;
    int low = (v[0] + v[1]) / 2;
    int sum = 0;
    for (int i = 3; i <= 17; ++i)
        sum += v[static_cast<std::size_t>(i)];
    const int mean = sum / 15;
    const int cur = window[0];
    if (mean < 2)
        return 0;
    int top = high;
    float steps = 0;
    int add = 0;
    bool capAtTop = true;
    if (mean <= 10) {
        top = high + 3;
        low = 0;
        steps = 5;
    } else if (mean <= 25) {
        top = high + 5;
        steps = 7;
        add = 1;
    } else if (mean <= 50) {
        steps = 9;
        add = 1;
    } else if (mean <= 75) {
        steps = 8;
        add = 2;
    } else {
        steps = 7;
        add = 3;
        capAtTop = false;
    }
    int level = 1;
    if ((!capAtTop || cur <= top) && top != low) {
        const float ratio = float(cur - low) / float(top - low);
        level = int(std::trunc(ratio * steps)) + add;
    }
    return level < 1 ? 1 : (level > 11 ? 11 : level);
}

TEST(SoundLevel, RandomWindowsMatchAPlainRecomputation) {
    std::mt19937 random(20240611);
    int seen[12] = {};
    for (int n = 0; n < 20000; ++n) {
        // Centre and spread vary, so every band and every level shows up.
        const int centre = std::uniform_int_distribution<int>(0, 100)(random);
        const int spread = std::uniform_int_distribution<int>(0, 50)(random);
        std::uniform_int_distribution<int> value(std::max(0, centre - spread),
                                                 std::min(100, centre + spread));
        LevelHistory h;
        std::vector<int> newestFirst;
        for (int i = 0; i < kWindowLength; ++i)
            h.add(value(random));
        newestFirst.push_back(h.newest());
        for (int i = 0; i < kWindowLength - 1; ++i)
            newestFirst.push_back(h.history()[static_cast<std::size_t>(i)]);
        const int expected = referenceLevel(newestFirst);
        ASSERT_EQ(h.level(), expected) << "window " << n << " newest " << h.newest();
        ++seen[expected];
    }
    // cur lies between low and high (it counts twice), so every band ends at 10: the clamp's
    // 11 is never reached.
    for (int level = 0; level < kMaxLevel; ++level)
        EXPECT_GT(seen[level], 0) << "no random window gave level " << level;
    EXPECT_EQ(seen[kMaxLevel], 0);
}

}  // namespace
}  // namespace karvo::sound
