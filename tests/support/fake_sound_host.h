// A sound dialog host that only records, and a peak meter that plays back given peaks, for
// tests of sound-reactive lighting without a window or a sound server.
#pragma once

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/peak_meter.h"
#include "ui/dialogs/sound_wave_host.h"

namespace karvo::testing {

class FakeSoundHost final : public SoundWaveHost {
  public:
    TextSize pictureSize(const std::string&) override { return {520, 340}; }
    SkinRect desktop() const override { return {0, 0, 1920, 1080}; }
    void show(const SkinRect& frame) override {
        calls.push_back("show");
        shownAt = frame;
        visible = true;
    }
    void showAgain() override {
        calls.push_back("show again");
        visible = true;
    }
    void hide() override {
        calls.push_back("hide");
        visible = false;
    }
    void invalidate() override { ++invalidated; }
    void startSystemMove() override { calls.push_back("move"); }
    void startTimer(int id, std::chrono::milliseconds period) override { timers[id] = period; }
    void stopTimer(int id) override { timers.erase(id); }
    void close() override {
        calls.push_back("close");
        visible = false;
    }

    bool running(int id) const { return timers.count(id) > 0; }

    std::vector<std::string> calls;
    SkinRect shownAt;
    bool visible = false;
    int invalidated = 0;
    std::map<int, std::chrono::milliseconds> timers;  // the running ones
};

// Each takePeak() gives the next of `peaks`, then the last one for ever (0 when none).
class ScriptedPeakMeter final : public PeakMeter {
  public:
    explicit ScriptedPeakMeter(std::vector<float> peaks = {})
        : peaks_(peaks.begin(), peaks.end()) {}
    float takePeak() override {
        const std::lock_guard lock(mutex_);
        if (peaks_.empty())
            return last_;
        last_ = peaks_.front();
        peaks_.pop_front();
        return last_;
    }
    void push(float peak) {
        const std::lock_guard lock(mutex_);
        peaks_.push_back(peak);
    }

  private:
    std::mutex mutex_;
    std::deque<float> peaks_;
    float last_ = 0.0f;
};

}  // namespace karvo::testing
