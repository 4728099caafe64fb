// A small timing harness: runs a body repeatedly and reports the median, so figures from one
// run can be compared with each other as ratios.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace karvo::bench {

// Median wall time of `runs` calls of body, in milliseconds (after one warm-up call).
inline double medianMs(int runs, const std::function<void()>& body) {
    body();
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
}

inline void report(const char* what, double ms) {
    std::printf("%-58s %9.3f ms\n", what, ms);
}

}  // namespace karvo::bench
