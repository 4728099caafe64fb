// The progress bar; see progress_bar.h.
#include "cli/progress_bar.h"

#include <algorithm>
#include <cstdio>

namespace karvo::cli {
namespace {

constexpr std::size_t kWidth = 30;

int percentOf(std::size_t done, std::size_t total) {
    if (total == 0)
        return 100;
    return static_cast<int>(100 * std::min(done, total) / total);
}

}  // namespace

std::string ProgressBar::render(const std::string& label, std::size_t done, std::size_t total) {
    const std::size_t filled = total == 0 ? kWidth : kWidth * std::min(done, total) / total;
    char tail[64];
    std::snprintf(tail, sizeof tail, "] %3d%% %zu/%zu", percentOf(done, total), done, total);
    return label + " [" + std::string(filled, '#') + std::string(kWidth - filled, '-') + tail;
}

void ProgressBar::update(std::size_t done, std::size_t total) {
    if (!enabled_)
        return;
    const int percent = percentOf(done, total);
    if (percent == shown_)
        return;
    shown_ = percent;
    err_ << '\r' << render(label_, done, total) << std::flush;
}

void ProgressBar::finish() {
    if (enabled_ && shown_ >= 0)
        err_ << '\n' << std::flush;
    enabled_ = false;
}

}  // namespace karvo::cli
