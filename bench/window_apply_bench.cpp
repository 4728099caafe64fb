// Writing the mouse from the window on the emulated mouse with the real clock: how long the
// window goes without handling an event while the mouse is written (the pointer is moved over it
// every millisecond; a move or a paint counts as handled), and how long a write of everything
// (the "more" menu's entry, and the first apply after the mouse arrives) takes beside the pauses
// the protocol mandates for its writes; then the Apply entry, which writes only what changed.
// Targets: the longest gap under 50 ms, the full write within 5 % of its pauses. Run with
// QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "tests/qt/window_program.h"
#include "tests/support/temp_dir.h"
#include "ui/skin/layout_index.h"

namespace {

using Clock = std::chrono::steady_clock;

class HandledEvents final : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseMove || e->type() == QEvent::Paint) {
            const auto now = Clock::now();
            if (recording && last != Clock::time_point{})
                longest = std::max(longest, now - last);
            last = now;
        }
        return false;
    }
    bool recording = false;
    Clock::time_point last{};
    Clock::duration longest{};
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    namespace fs = std::filesystem;
    karvo::testing::TempDir dir;
    fs::copy(fs::path(KARVO_DATA_OUT_DIR), dir.path() / "skins", fs::copy_options::recursive);
    karvo::testing::WindowProgram p(dir.path());
    if (!p.start()) {
        std::fprintf(stderr, "the window did not find the emulated mouse\n");
        return 1;
    }
    karvo::testing::runUntil([&] { return p.downloadsDone == 1; });

    QWidget* w = p.window.widget();
    HandledEvents handled;
    w->installEventFilter(&handled);
    // The user's pointer, moving over the window all the time.
    QTimer pointer;
    int step = 0;
    QObject::connect(&pointer, &QTimer::timeout, [&] {
        const QPointF at(300 + (step++ % 200), 300);
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    });
    pointer.start(1);

    constexpr int kRuns = 5;
    std::vector<double> gaps, applies, pauses, changedApplies;
    for (int run = 0; run < 2 * kRuns; ++run) {
        const bool full = run < kRuns;
        const int before = p.downloadsDone;
        handled.longest = {};
        handled.last = {};
        handled.recording = true;
        const auto start = Clock::now();
        if (full)
            p.actions.startFullApply();
        else
            karvo::testing::clickAt(w, p.state.skin.main().rect(karvo::skin::main_window::kApply));
        karvo::testing::runUntil([&] { return p.downloadsDone > before; }, 60000);
        const auto end = Clock::now();
        handled.recording = false;
        gaps.push_back(std::chrono::duration<double, std::milli>(handled.longest).count());
        if (!full) {
            changedApplies.push_back(
                std::chrono::duration<double, std::milli>(end - start).count());
            continue;
        }
        const auto image = p.state.downloader.lastImage();
        const std::size_t writes = image ? image->writes().size() : 0;
        const auto perBlock = karvo::device::DeviceLink::kPauseAfterData +
                              karvo::device::DeviceLink::kPauseAfterCommit;
        pauses.push_back(static_cast<double>(
            (perBlock * static_cast<int>(writes) + karvo::device::DeviceLink::kPauseInRefresh)
                .count()));
        applies.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    const double gap = median(gaps);
    const double apply = median(applies);
    const double pause = median(pauses);
    std::printf("writes from the window, %d of each on the emulated mouse (real clock)\n", kRuns);
    std::printf(
        "  longest gap between handled events/paints: median %.1f ms, worst %.1f ms "
        "(target < 50 ms): %s\n",
        gap, *std::max_element(gaps.begin(), gaps.end()), gap < 50.0 ? "met" : "missed");
    std::printf(
        "  write of everything: median %.1f ms; mandated pauses %.1f ms; over by %.2f %% "
        "(target 5 %%): %s\n",
        apply, pause, 100.0 * (apply - pause) / pause, apply <= pause * 1.05 ? "met" : "missed");
    std::printf("  Apply with nothing changed (only what changed is written): median %.1f ms\n",
                median(changedApplies));
    return 0;
}
