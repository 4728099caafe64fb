// DownloadAll end to end through the emulated mouse: its memory equals the computed image, its
// protocol log stays clean and the report count is exact; every exchange failing in turn;
// stops, corrections, pointer settings, host-key commands, the busy flag, progress and the
// worker thread.
#include "device/downloader.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/null_pointer_settings.h"
#include "tests/device/download_config.h"
#include "tests/device/mouse_on_desk.h"

namespace karvo::device {
namespace {

using karvo::testing::DownloadConfig;
using karvo::testing::MouseOnDesk;
using karvo::testing::pressMacro;
using Kind = sim::EmulatedMouse::LoggedReport::Kind;

// A session whose pointer speed and wheel lines the test decides to offer, recording changes.
class FakePointer final : public PointerSettings {
  public:
    std::optional<int> speed;
    std::optional<int> lines;
    std::vector<int> speedsSet;
    std::vector<int> linesSet;

    std::optional<int> pointerSpeed() override { return speed; }
    bool setPointerSpeed(int s) override {
        speedsSet.push_back(s);
        return true;
    }
    std::optional<int> wheelLines() override { return lines; }
    bool setWheelLines(int l) override {
        linesSet.push_back(l);
        return true;
    }
};

struct Counts {
    std::size_t sets = 0;
    std::size_t gets = 0;
};
Counts countReports(const sim::EmulatedMouse& mouse) {
    Counts c;
    for (const auto& r : mouse.reports()) {
        if (r.kind == Kind::Set)
            ++c.sets;
        if (r.kind == Kind::Get)
            ++c.gets;
    }
    return c;
}

// A mouse on the desk, a configuration and a downloader wired to both.
struct Bench {
    explicit Bench(const DownloadConfig& c) : config(c) {
        desk.attach();
        model.edit([this](Settings& s) { s = config.settings; });
    }
    Downloader& downloader() {
        if (!d_) {
            d_.emplace(desk.link, model, config.description, config.sources, config.keys, notifier,
                       pointer);
        }
        return *d_;
    }
    std::vector<std::uint8_t> memory() const {
        return desk.mouse->memory(0, DeviceMemoryImage::kSize);
    }
    std::vector<std::uint8_t> image() const {
        const auto img = d_->lastImage();
        return std::vector<std::uint8_t>(img->bytes().begin(), img->bytes().end());
    }

    const DownloadConfig& config;
    MouseOnDesk desk;
    SettingsModel model;
    RecordingNotifier notifier;
    FakePointer pointer;

  private:
    std::optional<Downloader> d_;
};

TEST(DownloadAll, LeavesTheMouseMemoryEqualToTheImageOfARichConfiguration) {
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    Bench bench(config);
    ASSERT_EQ(bench.downloader().DownloadAll(), Downloader::Result::Complete);
    const auto image = bench.downloader().lastImage();
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(image->stopped());
    EXPECT_GT(image->descriptors().slots().size(), 30u);
    EXPECT_GT(image->descriptors().macroAreaEnd(), 1500);
    EXPECT_EQ(bench.memory(), bench.image());
    EXPECT_TRUE(bench.desk.mouse->protocolErrors().empty());
    EXPECT_EQ(bench.desk.mouse->refreshCount(), 1);
    EXPECT_TRUE(bench.notifier.notices.empty());

    // One status query; n + 2 reports per block of n bytes; two for the refresh.
    std::size_t sets = 2;
    for (const BlockWrite& w : image->writes())
        sets += w.length + 2u;
    const Counts counts = countReports(*bench.desk.mouse);
    EXPECT_EQ(counts.gets, 1u);
    EXPECT_EQ(counts.sets, sets);
}

TEST(DownloadAll, OfAnEmptyConfigurationSendsEightHundredFiftyNineReportsInHalfASecond) {
    DownloadConfig config;
    Bench bench(config);
    ASSERT_EQ(bench.downloader().DownloadAll(), Downloader::Result::Complete);
    // Header byte 1: 3 reports; 84 blocks of 8: 840; macro end: 4; trailer: 10; refresh: 2.
    const Counts counts = countReports(*bench.desk.mouse);
    EXPECT_EQ(counts.sets, 859u);
    EXPECT_EQ(counts.gets, 1u);
    // 6 ms per block, 5 ms in the refresh.
    EXPECT_EQ(bench.desk.clock.elapsed(), std::chrono::milliseconds(87 * 6 + 5));
    EXPECT_EQ(bench.memory(), bench.image());
    EXPECT_TRUE(bench.desk.mouse->protocolErrors().empty());
}

TEST(DownloadAll, StopsAtTheFirstExchangeThatFailsAndSendsNothingAfterIt) {
    DownloadConfig config;
    config.settings.shared.softHardMac = 1;
    config.button(0, 2).function = 18;  // one 0x10 command after the refresh
    const std::size_t exchanges = 1 + 859 + 1;
    for (std::size_t n = 0; n < exchanges; ++n) {
        Bench bench(config);
        bench.pointer.speed = 10;
        bench.desk.mouse->failExchangeAfter(n);
        const auto result = bench.downloader().DownloadAll();
        if (n == 0) {
            // The status reply is not needed; a failed query changes nothing.
            EXPECT_EQ(result, Downloader::Result::Complete);
            continue;
        }
        EXPECT_EQ(result, Downloader::Result::TransportFailed) << n;
        EXPECT_FALSE(bench.downloader().busy()) << n;
        const Counts counts = countReports(*bench.desk.mouse);
        // At most the end report of the failing block follows the failure.
        EXPECT_LE(counts.sets + counts.gets, n + 1) << n;
        const bool refreshed = n >= 859;
        EXPECT_EQ(bench.desk.mouse->refreshCount(), refreshed ? 1 : 0) << n;
        EXPECT_EQ(bench.pointer.speedsSet.empty(), n < 860) << n;
        EXPECT_TRUE(bench.desk.mouse->liveCommands().empty()) << n;
    }
}

TEST(DownloadAll, KeepsTheMacroEndOnlyWhenTheMouseGotIt) {
    DownloadConfig config;
    config.sources.groups = {{pressMacro(7)}};
    config.button(0, 0).function = 256;
    // Exchange 1 + 86 blocks' reports = the one before the 2-byte write at 110 ends.
    Bench failing(config);
    failing.desk.mouse->failExchangeAfter(1 + 3 + 84 * 10 + 2);
    EXPECT_EQ(failing.downloader().DownloadAll(), Downloader::Result::TransportFailed);
    EXPECT_EQ(failing.downloader().previous().macroAreaEnd, 0);

    Bench good(config);
    EXPECT_EQ(good.downloader().DownloadAll(), Downloader::Result::Complete);
    EXPECT_EQ(good.downloader().previous().macroAreaEnd, 1040);
    // The next download tells the mouse where the last one ended.
    EXPECT_EQ(good.downloader().DownloadAll(), Downloader::Result::Complete);
    const auto& block104 = good.downloader().lastImage()->writes()[13];
    ASSERT_EQ(block104.address, 104);
    EXPECT_EQ(block104.data[6], 0x10);
    EXPECT_EQ(block104.data[7], 0x04);
}

TEST(DownloadAll, KeepsTheLightingEffectForTypeThirteen) {
    DownloadConfig config;
    config.settings.shared.ledType = 10;
    Bench bench(config);
    ASSERT_EQ(bench.downloader().DownloadAll(), Downloader::Result::Complete);
    bench.model.edit([](Settings& s) { s.shared.ledType = 13; });
    ASSERT_EQ(bench.downloader().DownloadAll(), Downloader::Result::Complete);
    EXPECT_EQ(bench.desk.mouse->memory(28, 1)[0], 0x80 + 0x20 + 7);
    EXPECT_EQ(bench.desk.mouse->memory(51, 1)[0], 0xBF);
}

TEST(DownloadAll, StopsWithTipTextTwentyNineWhenMacrosDoNotFitAndSendsNoRefresh) {
    DownloadConfig config;
    config.sources.groups = {{pressMacro(275, 1000)}, {pressMacro(200, 500)}};
    config.button(0, 0).function = 256;
    config.button(0, 1).function = 512;
    config.settings.shared.softHardMac = 1;
    Bench bench(config);
    bench.pointer.speed = 10;
    EXPECT_EQ(bench.downloader().DownloadAll(), Downloader::Result::Stopped);
    EXPECT_EQ(
        bench.notifier.notices,
        (std::vector<RecordingNotifier::Notice>{{DeviceMemoryImage::kTipMacrosDoNotFit, ""}}));
    EXPECT_EQ(bench.desk.mouse->refreshCount(), 0);
    EXPECT_TRUE(bench.pointer.speedsSet.empty());
    EXPECT_TRUE(bench.desk.mouse->liveCommands().empty());
    EXPECT_FALSE(bench.downloader().busy());
    // The blocks up to 152 reached the mouse, the descriptors did not.
    EXPECT_EQ(bench.desk.mouse->memory(8, 1)[0], 32 + 13);
    EXPECT_EQ(bench.desk.mouse->memory(160, 10), std::vector<std::uint8_t>(10, 0));
    EXPECT_TRUE(bench.desk.mouse->protocolErrors().empty());
}

TEST(DownloadAll, DropsMissingMacrosFromTheModelButNotNewerChoices) {
    DownloadConfig config;
    config.sources.groups = {{pressMacro(1)}};
    config.button(0, 0).function = 300;  // group 0 has no macro 44
    config.button(2, 3).function = 60;   // no presets
    Bench bench(config);
    ASSERT_EQ(bench.downloader().DownloadAll(), Downloader::Result::Complete);
    const Settings after = bench.model.snapshot();
    EXPECT_EQ(after.profiles[0].buttons[0].function, 0);
    EXPECT_EQ(after.profiles[2].buttons[3].function, 0);
    EXPECT_EQ(bench.desk.mouse->memory(8, 1)[0], 32);
}

TEST(DownloadAll, SetsThePointerSpeedAndWheelLinesOnlyWhereTheSessionHasThem) {
    struct Case {
        const char* what;
        std::optional<int> speed, lines;
        std::vector<int> speedsSet, linesSet;
    };
    const Case cases[] = {
        {"both", 7, 3, {4}, {5}},
        {"no wheel setting (X11)", 7, std::nullopt, {4}, {}},
        {"neither", std::nullopt, std::nullopt, {}, {}},
    };
    for (const Case& c : cases) {
        DownloadConfig config;
        config.settings.shared.pointerSpeed = 3;
        config.settings.shared.wheelSpeed = 5;
        Bench bench(config);
        bench.pointer.speed = c.speed;
        bench.pointer.lines = c.lines;
        ASSERT_EQ(bench.downloader().DownloadAll(), Downloader::Result::Complete) << c.what;
        EXPECT_EQ(bench.pointer.speedsSet, c.speedsSet) << c.what;
        EXPECT_EQ(bench.pointer.linesSet, c.linesSet) << c.what;
    }
}

TEST(DownloadAll, MapsDpiSpeedToThePointerSpeedScale) {
    const int expected[] = {0, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 6, 6};
    const std::uint8_t speeds[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 255};
    for (std::size_t i = 0; i < std::size(speeds); ++i)
        EXPECT_EQ(Downloader::pointerSpeedOf(speeds[i]), expected[i]) << int(speeds[i]);
}

TEST(DownloadAll, HandsHostKeysToTheHostAfterTheRefreshWhenTheHostPlaysMacros) {
    DownloadConfig config;
    config.settings.shared.softHardMac = 1;
    config.settings.currentProfile = 2;
    config.button(2, 4).function = 18;
    config.button(2, 9).function = 45;
    Bench bench(config);
    ASSERT_EQ(bench.downloader().DownloadAll(), Downloader::Result::Complete);
    using Live = sim::EmulatedMouse::LiveCommand;
    EXPECT_EQ(bench.desk.mouse->liveCommands(),
              (std::vector<Live>{{0x10, {5, 0, 0, 0, 0, 0}}, {0x10, {10, 0, 0, 0, 0, 0}}}));
    // They come after the refresh: the last three SETs are refresh end, then the two commands.
    const auto sets = bench.desk.sets();
    EXPECT_EQ(sets[sets.size() - 3][1], 0x18);
    EXPECT_EQ(sets.back()[1], 0x10);
}

TEST(DownloadAll, ReportsProgressAfterEveryBlock) {
    DownloadConfig config;
    Bench bench(config);
    std::vector<std::pair<std::size_t, std::size_t>> seen;
    bench.downloader().DownloadAll(
        [&seen](std::size_t done, std::size_t total) { seen.emplace_back(done, total); });
    ASSERT_EQ(seen.size(), 87u);
    for (std::size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], std::make_pair(i + 1, std::size_t{87}));
}

// Holds a download inside its progress callback until the test lets it go.
class Gate {
  public:
    void waitInside() {
        std::unique_lock lock(m_);
        inside_ = true;
        cv_.notify_all();
        cv_.wait(lock, [this] { return open_; });
    }
    void waitUntilInside() {
        std::unique_lock lock(m_);
        cv_.wait(lock, [this] { return inside_; });
    }
    void open() {
        const std::lock_guard lock(m_);
        open_ = true;
        cv_.notify_all();
    }

  private:
    std::mutex m_;
    std::condition_variable cv_;
    bool inside_ = false;
    bool open_ = false;
};

TEST(DownloadWorker, KeepsASecondApplyOutWhileItRuns) {
    DownloadConfig config;
    Bench bench(config);
    Downloader& d = bench.downloader();
    Gate gate;
    std::atomic<int> finished{0};
    std::atomic<bool> held{false};
    ASSERT_TRUE(d.startDownloadAll(
        [&](std::size_t, std::size_t) {
            if (!held.exchange(true))
                gate.waitInside();
        },
        [&](Downloader::Result r) {
            EXPECT_EQ(r, Downloader::Result::Complete);
            ++finished;
        }));
    gate.waitUntilInside();
    EXPECT_TRUE(d.busy());
    EXPECT_FALSE(d.startDownloadAll());
    EXPECT_EQ(d.DownloadAll(), Downloader::Result::Busy);
    gate.open();
    d.waitForWorker();
    EXPECT_FALSE(d.busy());
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(bench.desk.mouse->refreshCount(), 1);
    // Free again: the next apply runs.
    ASSERT_TRUE(d.startDownloadAll());
    d.waitForWorker();
    EXPECT_EQ(bench.desk.mouse->refreshCount(), 2);
}

TEST(DownloadWorker, RefusesAStartFromItsOwnCallbackInsteadOfWaitingForItself) {
    DownloadConfig config;
    Bench bench(config);
    Downloader& d = bench.downloader();
    std::atomic<bool> startedAgain{true};
    std::atomic<bool> ranInline{false};
    ASSERT_TRUE(d.startDownloadAll({}, [&](Downloader::Result) {
        startedAgain = d.startDownloadAll();
        // The flag is already clear, so a download on this thread itself still runs.
        ranInline = d.DownloadAll() == Downloader::Result::Complete;
    }));
    d.waitForWorker();
    EXPECT_FALSE(startedAgain);
    EXPECT_TRUE(ranInline);
    EXPECT_EQ(bench.desk.mouse->refreshCount(), 2);
}

TEST(DownloadWorker, WritesAConsistentSnapshotWhileTheWindowEditsTheModel) {
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    Bench bench(config);
    Downloader& d = bench.downloader();
    std::atomic<bool> done{false};
    ASSERT_TRUE(d.startDownloadAll({}, [&done](Downloader::Result) { done = true; }));
    int edits = 0;
    while (!done) {
        bench.model.edit([edits](Settings& s) { s.shared.fireTime = 8 * (edits % 50); });
        (void)d.lastImage();
        ++edits;
    }
    d.waitForWorker();
    EXPECT_EQ(bench.memory(), bench.image());
    EXPECT_TRUE(bench.desk.mouse->protocolErrors().empty());
}

TEST(DownloadWorker, RunsWithoutAPointerBackEnd) {
    DownloadConfig config;
    MouseOnDesk desk;
    desk.attach();
    SettingsModel model;
    RecordingNotifier notifier;
    NullPointerSettings none;
    Downloader d(desk.link, model, config.description, config.sources, config.keys, notifier, none);
    EXPECT_EQ(d.DownloadAll(), Downloader::Result::Complete);
}

}  // namespace
}  // namespace karvo::device
