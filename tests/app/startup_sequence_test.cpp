// The start-up sequence with fake back-ends: its order, the layout scale, the end without a
// mouse, and the reset and two notices of the second product variant.
#include "app/startup_sequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <mutex>
#include <thread>

#include "app/ckarvo_gmousedlg.h"
#include "app/device_threads.h"
#include "app/window_messages.h"
#include "device/sim/emulated_hid_backend.h"
#include "fake_window.h"
#include "platform/manual_clock.h"
#include "platform/null_pointer_settings.h"
#include "platform/private_profile.h"
#include "platform/system_clock.h"
#include "settings/profile_store.h"
#include "temp_dir.h"

namespace karvo {
namespace {

namespace fs = std::filesystem;
using Log = std::vector<std::string>;

class LoggingHid final : public hid::HidBackend {
  public:
    LoggingHid(hid::HidBackend& inner, Log& log) : inner_(inner), log_(log) {}
    std::vector<hid::InterfaceInfo> enumerate() override {
        log_.push_back("enumerate");
        return inner_.enumerate();
    }
    hid::OpenResult open(std::string_view path) override { return inner_.open(path); }

  private:
    hid::HidBackend& inner_;
    Log& log_;
};

class FakePlatform final : public StartupPlatform {
  public:
    FakePlatform(hid::HidBackend& hid, Log& log, int width) : hid_(hid), log_(log), width_(width) {}
    TextSize screenSize() override {
        log_.push_back("screen");
        return {width_, 1000};
    }
    int logicalDpi() override { return 96; }
    bool applyFonts(const FontChoice&, const fs::path&) override {
        log_.push_back("fonts");
        return true;
    }
    void setWindowTitle(const std::string& title) override { log_.push_back("title " + title); }
    void setWindowIcon(const std::string& picture) override {
        log_.push_back("icon " + fs::path(picture).filename().string());
    }
    TextSize pictureSize(const std::string& picture) override {
        log_.push_back("picture " + fs::path(picture).filename().string());
        return {1100, 700};
    }
    void shapeWindow(TextSize size) override {
        log_.push_back("shape " + std::to_string(size.width) + "x" + std::to_string(size.height));
    }
    void createChildControls(const MainSkin& skin) override {
        // The controls sit at the skin's rectangles, so the skin must be loaded by now.
        log_.push_back(skin.macroDisplays()[0].right > 0 ? "child controls"
                                                         : "child controls "
                                                           "without a skin");
    }
    hid::HidBackend& hidBackend() override { return hid_; }
    hid::DeviceNotifier* deviceNotifier() override {
        log_.push_back("notifications");
        return nullptr;
    }
    PointerSettings& pointerSettings() override { return pointer_; }

  private:
    hid::HidBackend& hid_;
    Log& log_;
    int width_;
    NullPointerSettings pointer_;
};

class FakeThreads final : public DeviceThreads {
  public:
    explicit FakeThreads(Log& log) : log_(log) {}
    void start(const DeviceThreadContext& context) override {
        log_.push_back("device threads");
        context.requestRepaint();
    }
    void suspend() override {}
    void stop() override {}

  private:
    Log& log_;
};

// A program folder with the built configuration and English language folder.
struct StartupFixture {
    explicit StartupFixture(bool plugged = true,
                            std::uint16_t product = sim::EmulatedMouse::kProductId,
                            int screenWidth = 1920) {
        const fs::path built = fs::path(KARVO_DATA_OUT_DIR);
        fs::create_directories(dir / "skins");
        fs::copy(built / "config", dir / "skins" / "config", fs::copy_options::recursive);
        fs::copy(built / "1_INI_EN", dir / "skins" / "1_INI_EN", fs::copy_options::recursive);
        if (plugged) {
            sim::EmulatedMouse::Options o;
            o.productId = product;
            mouse = std::make_shared<sim::EmulatedMouse>(clock, o);
            emulated.plug(mouse, "sim:0");
        }
        platform = std::make_unique<FakePlatform>(hid, log, screenWidth);
    }
    StartupSequence::Result run(std::string_view commandLine = "karvo-gmouse") {
        StartupSequence startup(state,
                                {*platform, window, queue, notifier, threads, nullptr, nullptr});
        const auto result = startup.run(commandLine);
        state.downloader.waitForWorker();
        return result;
    }

    testing::TempDir dir;
    ManualClock clock;
    std::shared_ptr<sim::EmulatedMouse> mouse;
    sim::EmulatedHidBackend emulated;
    Log log;
    LoggingHid hid{emulated, log};
    std::unique_ptr<FakePlatform> platform;
    testing::FakeWindow window;
    testing::RecordingQueue queue;
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    FakeThreads threads{log};
    ProgramState state{ProgramPaths::build(dir.path(), 1), notifier, pointer};
};

TEST(StartupSequence, RunsItsStepsInTheirOrderAndStartsTheDownload) {
    StartupFixture f;
    ASSERT_EQ(f.run(), StartupSequence::Result::Running);
    const Log expected = {"device threads", "icon karvo_icon.png",   "screen",
                          "fonts",          "title Karvo G7 Pro",    "child controls",
                          "notifications",  "picture main_mask.jpg", "shape 1100x700",
                          "enumerate"};
    EXPECT_EQ(f.log, expected);
    EXPECT_EQ(f.window.calls, std::vector<std::string>{"tray on"});
    EXPECT_EQ(f.window.trayMenu, trayMenuItems(f.state.texts));
    EXPECT_TRUE(f.notifier.notices.empty());
    EXPECT_FALSE(f.state.hideAtStart);
    // The download ran on its worker and told the window through the queue.
    const auto posted = [&](std::uint32_t id) {
        return std::any_of(f.queue.posted.begin(), f.queue.posted.end(),
                           [&](const WindowMessage& m) { return m.id == id; });
    };
    EXPECT_TRUE(posted(msg::WM_REPAINT));  // the device threads' repaint request
    EXPECT_TRUE(posted(msg::WM_DOWNLOAD_PROGRESS));
    EXPECT_TRUE(posted(msg::WM_DOWNLOAD_DONE));
    EXPECT_TRUE(f.mouse->protocolErrors().empty());
}

TEST(StartupSequence, TheMacroPageRegionIsTheShapedWindowLessTheChildControls) {
    StartupFixture f;
    ASSERT_EQ(f.run(), StartupSequence::Result::Running);
    const PaintRegion& region = f.state.macroRegion;
    EXPECT_TRUE(region.contains(0, 0));
    EXPECT_TRUE(region.contains(1099, 699));
    EXPECT_FALSE(region.contains(1100, 0));  // beyond the shaped window
    const SkinBox repeat = f.state.skin.editFields()[0];
    EXPECT_FALSE(region.contains(repeat.left, repeat.top));
    EXPECT_TRUE(region.contains(repeat.left - 1, repeat.top));
    const SkinBox steps = f.state.skin.macroDisplays()[1];
    EXPECT_FALSE(region.contains(steps.right - 1, steps.bottom - 1));
    EXPECT_TRUE(region.contains(steps.right, steps.bottom - 1));
}

TEST(StartupSequence, TheHideSwitchIsReadOnceTheMouseIsFound) {
    StartupFixture f;
    f.run("/opt/karvo-app/karvo-gmouse -HIDE");
    EXPECT_TRUE(f.state.hideAtStart);
}

TEST(StartupSequence, AScreen2880WideDoublesTheWindowAnd2879DoesNot) {
    StartupFixture wide(true, sim::EmulatedMouse::kProductId, 2880);
    wide.run();
    EXPECT_EQ(wide.state.layoutScale, 2);
    EXPECT_NE(std::find(wide.log.begin(), wide.log.end(), "shape 2200x1400"), wide.log.end());
    StartupFixture narrow(true, sim::EmulatedMouse::kProductId, 2879);
    narrow.run();
    EXPECT_EQ(narrow.state.layoutScale, 1);
}

TEST(StartupSequence, WithoutAMouseItShowsTipTextOneWithTheProductNameAndEnds) {
    StartupFixture f(false);
    EXPECT_EQ(f.run(), StartupSequence::Result::NoMouse);
    ASSERT_FALSE(f.notifier.notices.empty());
    EXPECT_EQ(f.notifier.notices[0], (RecordingNotifier::Notice{1, "Karvo G7 Pro"}));
    EXPECT_TRUE(f.window.calls.empty());  // no tray icon
}

TEST(StartupSequence, TheOtherVariantIsResetToTheResetCopyBetweenTwoNotices) {
    StartupFixture f(true, sim::EmulatedMouse::kOtherProductId);
    f.state.store.saveCurrentProfile(2);
    ASSERT_EQ(f.run(), StartupSequence::Result::Running);
    std::vector<int> tips;
    for (const auto& n : f.notifier.notices)
        tips.push_back(n.tipText);
    EXPECT_EQ(tips, (std::vector<int>{2, 3}));
    EXPECT_EQ(f.state.settings.snapshot().currentProfile, 0);
    EXPECT_EQ(f.state.store.readCurrentProfile(), 0);

    SettingsModel reset;
    for (int p = 0; p < kProfiles; ++p)
        f.state.store.loadProfile(reset, p, ProfileStore::Source::Reset);
    const Settings now = f.state.settings.snapshot();
    EXPECT_EQ(now.profiles, reset.snapshot().profiles);
}

// --- End to end: the mouse's own keys reach the window ---------------------------------------

// The window's queue as the device threads use it: posted to from their own threads.
class LockedQueue final : public MessageQueue {
  public:
    void post(const WindowMessage& m) override {
        const std::lock_guard lock(mutex_);
        posted_.push_back(m);
    }
    bool onWindowThread() const override { return std::this_thread::get_id() == windowThread_; }
    int count(std::uint32_t id) const {
        const std::lock_guard lock(mutex_);
        return static_cast<int>(std::count_if(posted_.begin(), posted_.end(),
                                              [id](const WindowMessage& m) { return m.id == id; }));
    }

  private:
    mutable std::mutex mutex_;
    std::vector<WindowMessage> posted_;
    std::thread::id windowThread_ = std::this_thread::get_id();
};

bool waitUntil(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The program started on the shipped configuration with its real device threads, and an
// emulated mouse on real time that acts on the keys it is given.
struct LiveProgram {
    LiveProgram() {
        const fs::path built = fs::path(KARVO_DATA_OUT_DIR);
        fs::create_directories(dir / "skins");
        fs::copy(built / "config", dir / "skins" / "config", fs::copy_options::recursive);
        fs::copy(built / "1_INI_EN", dir / "skins" / "1_INI_EN", fs::copy_options::recursive);
        emulated.plug(mouse, "sim:0");
    }
    ~LiveProgram() { threads->stop(); }
    void start() {
        StartupSequence startup(state,
                                {platform, window, queue, notifier, *threads, nullptr, nullptr});
        ASSERT_EQ(startup.run("karvo-gmouse"), StartupSequence::Result::Running);
        state.downloader.waitForWorker();
        ASSERT_EQ(state.downloader.lastImage() != nullptr, true);
        mouse->clearLog();
    }
    void press(int deviceKey, std::chrono::milliseconds hold = std::chrono::milliseconds(20)) {
        mouse->keyDown(deviceKey);
        std::this_thread::sleep_for(hold);
        mouse->keyUp(deviceKey);
    }
    fs::path configFile() const { return dir / "skins" / "config" / "config.ini"; }

    testing::TempDir dir;
    SystemClock clock;
    std::shared_ptr<sim::EmulatedMouse> mouse =
        std::make_shared<sim::EmulatedMouse>(clock, sim::EmulatedMouse::Options{});
    sim::EmulatedHidBackend emulated;
    Log log;
    FakePlatform platform{emulated, log, 1920};
    testing::FakeWindow window;
    LockedQueue queue;
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    ProgramState state{ProgramPaths::build(dir.path(), 1), notifier, pointer};
    std::unique_ptr<DeviceThreads> threads = makeDeviceThreads();
};

// Button 6 of the shipped configuration is "DPI up": the mouse steps its level, and the window's
// level follows, is saved and repainted.
TEST(MouseKeysEndToEnd, TheShippedDpiKeyMovesTheWindowsDpiLevel) {
    LiveProgram p;
    p.start();
    const int before = p.state.settings.snapshot().shared.dpiLevel;
    const int repaints = p.queue.count(msg::WM_REPAINT);
    p.press(6);
    EXPECT_TRUE(
        waitUntil([&] { return p.state.settings.snapshot().shared.dpiLevel == before + 1; }));
    EXPECT_TRUE(waitUntil([&] { return p.queue.count(msg::WM_REPAINT) > repaints; }));
    EXPECT_TRUE(waitUntil([&] {
        return ini::IniSnapshot(p.configFile()).getInt("ShareData", "DPI_LEVEL", 5) == before + 1;
    }));
    p.press(7);  // "DPI down"
    EXPECT_TRUE(waitUntil([&] { return p.state.settings.snapshot().shared.dpiLevel == before; }));
    EXPECT_TRUE(p.mouse->protocolErrors().empty());
}

// Button 8 is "Cycle profiles": the mouse switches, and the window loads and shows that profile.
TEST(MouseKeysEndToEnd, TheShippedProfileKeyMakesTheWindowShowThatProfile) {
    LiveProgram p;
    p.start();
    ASSERT_EQ(p.state.settings.snapshot().currentProfile, 0);
    const int repaints = p.queue.count(msg::WM_REPAINT);
    p.press(8);
    EXPECT_TRUE(waitUntil([&] { return p.state.settings.snapshot().currentProfile == 1; }));
    EXPECT_TRUE(waitUntil([&] { return p.queue.count(msg::WM_REPAINT) > repaints; }));
    EXPECT_EQ(p.state.store.readCurrentProfile(), 1);
    EXPECT_EQ(p.mouse->profile(), 1);
    SettingsModel fromFile;
    p.state.store.loadProfile(fromFile, 1, ProfileStore::Source::Config);
    EXPECT_EQ(p.state.settings.snapshot().profiles[1], fromFile.snapshot().profiles[1]);
}

// A macro played by the host (SOFT_HARD_MAC 1): its key reports reach the mouse at the
// macro's delays.
TEST(MouseKeysEndToEnd, AHostPlayedMacroKeySendsTheMacrosKeysAtItsDelays) {
    LiveProgram p;
    const fs::path config = p.configFile();
    ASSERT_TRUE(ini::writeString(config, "ShareData", "SOFT_HARD_MAC", "1"));
    ASSERT_TRUE(ini::writeString(config, "Config0", "K3", "256"));  // Office / Copy on button 4
    p.start();
    const MacroRecord macro = p.state.macros.groupMacro(0, 0);
    ASSERT_GT(macro.stepCount, 1);
    p.press(4);
    std::vector<sim::EmulatedMouse::LoggedReport> keyReports;
    const auto collect = [&] {
        keyReports.clear();
        for (const auto& r : p.mouse->reports()) {
            if (r.kind == sim::EmulatedMouse::LoggedReport::Kind::Set && r.bytes.size() > 1 &&
                r.bytes[1] == 0x15)
                keyReports.push_back(r);
        }
        return keyReports.size() >= macro.stepCount;
    };
    ASSERT_TRUE(waitUntil(collect)) << keyReports.size() << " key reports";
    // The player keeps to a schedule (a late step does not delay the ones after it), so each
    // step is due at the sum of the delays before it.
    std::chrono::milliseconds due{0};
    for (std::size_t i = 1; i < macro.stepCount; ++i) {
        due += std::chrono::milliseconds(macro.steps[i - 1].delay);
        const auto at = keyReports[i].at - keyReports[0].at;
        EXPECT_GE(at, due - std::chrono::milliseconds(1)) << "step " << i;
        EXPECT_LT(at, due + std::chrono::milliseconds(300)) << "step " << i;
    }
    EXPECT_TRUE(p.mouse->protocolErrors().empty());
}

}  // namespace
}  // namespace karvo
