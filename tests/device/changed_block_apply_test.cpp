// Changed-block applies: which writes a plan keeps, and, end to end on two emulated mice, that a
// mouse given only the changed blocks ends with exactly the memory of one given every block,
// through a long random sequence of configuration changes, after a failed block and after a
// change of product variant.
#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <vector>

#include "device/apply_plan.h"
#include "device/downloader.h"
#include "device/written_image_file.h"
#include "platform/exclusive_file.h"
#include "platform/null_pointer_settings.h"
#include "tests/device/download_config.h"
#include "tests/device/mouse_on_desk.h"
#include "tests/support/temp_dir.h"

namespace karvo::device {
namespace {

using karvo::testing::DownloadConfig;
using karvo::testing::MouseOnDesk;
using karvo::testing::pressMacro;
using Writes = Downloader::Writes;

std::vector<std::uint16_t> plannedAddresses(const DeviceMemoryImage& image, const ApplyPlan& plan) {
    std::vector<std::uint16_t> out;
    for (std::size_t i = 0; i < image.writes().size(); ++i) {
        if (plan.sends(i))
            out.push_back(image.writes()[i].address);
    }
    return out;
}

TEST(ApplyPlan, SendsOnlyTheBlocksOfTheChangedSettings) {
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    const DeviceMemoryImage before = config.image();
    const WrittenImage written = WrittenImage::of(before);

    // Built again from what the first download handed on, the image is the same.
    const ApplyPlan same = ApplyPlan::changed(config.image({1, 7, written.previous}), written);
    EXPECT_EQ(same.count(), 0u);
    EXPECT_EQ(same.reason(), ApplyPlan::Reason::Changed);

    struct Case {
        const char* what;
        void (*change)(DownloadConfig&);
        std::vector<std::uint16_t> blocks;
    };
    const Case cases[] = {
        {"a DPI value", [](DownloadConfig& c) { c.settings.shared.dpi[2].step = 9; }, {16}},
        {"the fire time", [](DownloadConfig& c) { c.settings.shared.fireTime = 400; }, {24}},
        {"a colour of DPI level 4",
         [](DownloadConfig& c) { c.settings.shared.dpi[4].colour.g = 3; },
         {40}},
        {"a plain button of profile 2",
         [](DownloadConfig& c) { c.button(2, 0).function = 3; },
         {80}},
        {"the current profile", [](DownloadConfig& c) { c.settings.currentProfile = 3; }, {1, 112}},
    };
    for (const Case& c : cases) {
        DownloadConfig changed;
        karvo::testing::fillRichConfig(changed);
        c.change(changed);
        const DeviceMemoryImage after = changed.image({1, 7, written.previous});
        const ApplyPlan plan = ApplyPlan::changed(after, written);
        EXPECT_EQ(plannedAddresses(after, plan), c.blocks) << c.what;
        EXPECT_EQ(plan.total(), after.writes().size()) << c.what;
    }
}

TEST(ApplyPlan, PlaysTheWritesInOrderSoALaterWriteOverAnEarlierOneIsNotLost) {
    // The block at 104 carries the macro area end the previous download left at 110; the
    // two bytes at 110 written later in the same download replace it. Compared with the
    // final memory alone, the later write would look unchanged and be left out, leaving the
    // stale end in the mouse.
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    const DeviceMemoryImage first = config.image();
    const WrittenImage written = WrittenImage::of(first);
    ASSERT_NE(written.previous.macroAreaEnd, 0);

    const DeviceMemoryImage fresh = config.image({1, 7, PreviousDownload{}});
    const ApplyPlan plan = ApplyPlan::changed(fresh, written);
    EXPECT_EQ(plannedAddresses(fresh, plan), (std::vector<std::uint16_t>{104, 110}));
}

TEST(ApplyPlan, WritesEverythingWhenNothingCanBeCompared) {
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    const WrittenImage written = WrittenImage::of(config.image());

    const DeviceMemoryImage otherVariant = config.image({0, 7, written.previous});
    const ApplyPlan variant = ApplyPlan::changed(otherVariant, written);
    EXPECT_TRUE(variant.sendsAll());
    EXPECT_EQ(variant.reason(), ApplyPlan::Reason::OtherVariant);

    // Bytes the last write never covered are not known, whatever they read as.
    WrittenImage partly = written;
    partly.known.reset(20);
    const ApplyPlan unknown = ApplyPlan::changed(config.image({1, 7, written.previous}), partly);
    EXPECT_EQ(unknown.count(), 1u);

    DownloadConfig full;
    karvo::testing::fillRichConfig(full);
    for (int p = 0; p < kProfiles; ++p) {
        for (int b = 0; b < kButtonSlots; ++b)
            full.button(p, b).function = 50;  // the stretched recoil preset everywhere
    }
    full.sources.presets[0] = pressMacro(200, 5000, 2);
    const DeviceMemoryImage stops = full.image({1, 7, written.previous});
    ASSERT_TRUE(stops.stopped());
    EXPECT_EQ(ApplyPlan::changed(stops, written).reason(), ApplyPlan::Reason::StopsEarly);
}

// Two mice on one desk, one given changed-block applies, the other complete downloads of the
// same settings.
struct TwinMice {
    explicit TwinMice(DownloadConfig& c) : config(c) {
        changed.attach();
        complete.attach();
        model.edit([this](Settings& s) { s = config.settings; });
    }
    void setSettings() {
        model.edit([this](Settings& s) { s = config.settings; });
    }
    void setVariant(std::int32_t flag) {
        fast.setVariantFlag(flag);
        slow.setVariantFlag(flag);
    }
    std::vector<std::uint8_t> memory(const MouseOnDesk& desk) const {
        return desk.mouse->memory(0, sim::EmulatedMouse::kMemorySize);
    }
    // The changed mouse's memory at the image's written addresses.
    ::testing::AssertionResult holdsTheImage() const {
        const auto image = fast.lastImage();
        const auto mem = memory(changed);
        for (const BlockWrite& w : image->writes()) {
            for (std::size_t a = w.address; a < std::size_t{w.address} + w.length; ++a) {
                if (mem[a] != image->bytes()[a])
                    return ::testing::AssertionFailure() << "address " << a << " differs";
            }
        }
        return ::testing::AssertionSuccess();
    }

    DownloadConfig& config;
    MouseOnDesk changed;
    MouseOnDesk complete;
    SettingsModel model;
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    Downloader fast{changed.link, model,  config.description, config.sources, config.keys,
                    notifier,     pointer};
    Downloader slow{complete.link, model,  config.description, config.sources, config.keys,
                    notifier,      pointer};
};

TEST(ChangedBlockApply, FirstApplyWritesEverythingThenOneDpiChangeIsOneBlock) {
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    TwinMice mice(config);

    ASSERT_EQ(mice.fast.DownloadAll({}, Writes::Changed), Downloader::Result::Complete);
    const Downloader::Summary first = mice.fast.lastSummary();
    EXPECT_EQ(first.reason, ApplyPlan::Reason::NothingKnown);
    EXPECT_EQ(first.sent, first.total);

    config.settings.shared.dpi[0].step = 12;
    mice.setSettings();
    mice.changed.mouse->clearLog();
    ASSERT_EQ(mice.fast.DownloadAll({}, Writes::Changed), Downloader::Result::Complete);
    EXPECT_EQ(mice.fast.lastSummary().sent, 1u);
    // The status query, one block of 8 bytes (8 data reports, commit, end), the refresh.
    std::size_t sets = 0;
    for (const auto& r : mice.changed.mouse->reports())
        sets += r.kind == sim::EmulatedMouse::LoggedReport::Kind::Set ? 1 : 0;
    EXPECT_EQ(sets, 10u + 2u);
    EXPECT_EQ(mice.changed.mouse->refreshCount(), 2);

    ASSERT_EQ(mice.slow.DownloadAll(), Downloader::Result::Complete);
    EXPECT_EQ(mice.memory(mice.changed), mice.memory(mice.complete));

    // Asked for everything, it writes everything, and says why.
    ASSERT_EQ(mice.fast.DownloadAll({}, Writes::All), Downloader::Result::Complete);
    EXPECT_EQ(mice.fast.lastSummary().reason, ApplyPlan::Reason::Asked);
    EXPECT_EQ(mice.fast.lastSummary().sent, mice.fast.lastSummary().total);
}

TEST(ChangedBlockApply, AfterAFailedBlockTheNextApplyWritesEverything) {
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    TwinMice mice(config);
    ASSERT_EQ(mice.fast.DownloadAll({}, Writes::Changed), Downloader::Result::Complete);

    // A new macro on a button moves the macros after it: many blocks, the third one fails.
    config.sources.groups[1][2] = pressMacro(40, 15);
    config.button(0, 3).function = 256 * 2 + 2;
    mice.setSettings();
    mice.changed.mouse->failExchangeAfter(1 + 2 * 10 + 3);
    ASSERT_EQ(mice.fast.DownloadAll({}, Writes::Changed), Downloader::Result::TransportFailed);

    ASSERT_EQ(mice.fast.DownloadAll({}, Writes::Changed), Downloader::Result::Complete);
    EXPECT_EQ(mice.fast.lastSummary().reason, ApplyPlan::Reason::NothingKnown);
    EXPECT_EQ(mice.fast.lastSummary().sent, mice.fast.lastSummary().total);
    EXPECT_TRUE(mice.holdsTheImage());
    EXPECT_TRUE(mice.changed.mouse->protocolErrors().empty());

    // And forgetting on arrival does the same without a failure.
    mice.fast.forgetWrittenImage();
    ASSERT_EQ(mice.fast.DownloadAll({}, Writes::Changed), Downloader::Result::Complete);
    EXPECT_EQ(mice.fast.lastSummary().reason, ApplyPlan::Reason::NothingKnown);
}

// One random change of the kind the window or karvoctl makes.
void changeSomething(DownloadConfig& config, std::mt19937& random) {
    const auto pick = [&random](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(random);
    };
    Settings& s = config.settings;
    SharedSettings& shared = s.shared;
    const auto level = static_cast<std::size_t>(pick(0, kDpiLevels - 1));
    switch (pick(0, 11)) {
        case 0:
            shared.dpi[level].step = static_cast<std::uint8_t>(pick(0, 22));
            break;
        case 1:
            shared.dpi[level].enabled = !shared.dpi[level].enabled;
            shared.dpiLevel = pick(0, 5);
            break;
        case 2:
            shared.dpi[level].colour = {pick(0, 15), pick(0, 15), pick(0, 15)};
            shared.userColour[static_cast<std::size_t>(pick(0, 6))] = {pick(0, 15), pick(0, 15),
                                                                       pick(0, 15)};
            break;
        case 3:
        case 4: {
            constexpr std::int32_t kFunctions[] = {0,   1,   2,   5,   7,   15,    18,   19,
                                                   23,  33,  50,  51,  256, 257,   258,  259,
                                                   513, 514, 770, 771, 41,  30001, 40000};
            const int slot = pick(0, kButtonSlots - 1);
            ButtonAssignment& b = config.button(pick(0, 3), slot);
            b.function = kFunctions[pick(0, static_cast<int>(std::size(kFunctions)) - 1)];
            b.leftMac = pick(0, 3) == 0 ? 1 : 0;
            b.ledReactType = pick(0, 3);
            s.macroColour[static_cast<std::size_t>(slot)] = pick(0, 6);
            break;
        }
        case 5: {  // a macro edited, grown or shortened
            auto& group = config.sources.groups[static_cast<std::size_t>(pick(0, 2))];
            group[static_cast<std::size_t>(pick(0, static_cast<int>(group.size()) - 1))] =
                pressMacro(pick(1, 60), static_cast<std::uint16_t>(pick(1, 400)),
                           static_cast<std::uint8_t>(pick(0, 3)));
            break;
        }
        case 6:  // a new macro in a group
            config.sources.groups[static_cast<std::size_t>(pick(0, 2))].push_back(
                pressMacro(pick(1, 30), 25));
            break;
        case 7:
            shared.ledType = static_cast<std::uint8_t>(pick(0, 13));
            shared.ledCycleTime = static_cast<std::uint8_t>(pick(0, 7));
            shared.colourCycleMask = static_cast<std::uint8_t>(pick(0, 0x7F));
            break;
        case 8:
            shared.fireTime = pick(0, 1000);
            shared.modeLight = pick(0, 1);
            break;
        case 9:
            s.currentProfile = pick(0, 3);
            break;
        case 10:
            shared.softHardMac = pick(0, 1);
            break;
        default:  // a key combination's steps
            s.macroCopies[static_cast<std::size_t>(pick(0, 3))]
                         [static_cast<std::size_t>(pick(0, kButtonSlots - 1))] =
                pressMacro(pick(1, 6), 4, 2);
            break;
    }
}

TEST(ChangedBlockApply, LeavesTheMemoryOfACompleteDownloadThroughRandomChanges) {
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        DownloadConfig config;
        karvo::testing::fillRichConfig(config);
        TwinMice mice(config);
        std::mt19937 random(seed);
        std::size_t sent = 0;
        std::size_t total = 0;
        for (int step = 0; step < 120; ++step) {
            SCOPED_TRACE(step);
            const int changes = std::uniform_int_distribution<int>(1, 3)(random);
            for (int c = 0; c < changes; ++c)
                changeSomething(config, random);
            if (step == 60)
                mice.setVariant(0);  // the other product: the whole header, then back
            if (step == 61)
                mice.setVariant(1);
            mice.setSettings();

            const auto fast = mice.fast.DownloadAll({}, Writes::Changed);
            const auto slow = mice.slow.DownloadAll();
            ASSERT_EQ(fast, slow);
            ASSERT_EQ(mice.memory(mice.changed), mice.memory(mice.complete));
            if (fast != Downloader::Result::Complete)
                continue;  // the macros did not fit: both stopped at the same place
            ASSERT_TRUE(mice.holdsTheImage());
            sent += mice.fast.lastSummary().sent;
            total += mice.fast.lastSummary().total;
        }
        EXPECT_TRUE(mice.changed.mouse->protocolErrors().empty());
        EXPECT_EQ(mice.changed.mouse->refreshCount(), mice.complete.mouse->refreshCount());
        EXPECT_LT(sent * 4, total);  // it did leave most blocks out
    }
}

// The mouse's own time, but every pause also lets the other thread run, as a real pause does:
// two downloads that are not kept apart then interleave.
class YieldingClock final : public Clock {
  public:
    explicit YieldingClock(Clock& time) : time_(time) {}
    time_point now() const override { return time_.now(); }
    void sleepFor(duration pause) override {
        std::this_thread::sleep_for(std::chrono::microseconds(20));
        time_.sleepFor(pause);
    }
    void sleepUntil(time_point deadline) override {
        std::this_thread::sleep_for(std::chrono::microseconds(20));
        time_.sleepUntil(deadline);
    }

  private:
    Clock& time_;
};

// The window and karvoctl each keep the mouse's record through their own store on the same
// file, as two processes do. Their downloads must not interleave: two writes mixed block by
// block would leave the mouse holding neither, under a record that claims one of them.
struct TwoPrograms {
    explicit TwoPrograms(DownloadConfig& c, std::chrono::milliseconds wait)
        : config(c),
          storeA(dir / "record", identity, wait),
          storeB(dir / "record", identity, wait) {
        const auto& o = desk.mouse->options();
        for (DeviceLink* link : {&linkA, &linkB}) {
            link->attach(desk.backend.open("sim:0/config").handle, o.featureReportLength,
                         desk.backend.open("sim:0/event").handle, o.inputReportLength);
        }
        modelA.edit([this](Settings& s) { s = config.settings; });
        a.setWrittenImageStore(&storeA);
        b.setWrittenImageStore(&storeB);
    }

    DownloadConfig& config;
    karvo::testing::TempDir dir;
    MouseOnDesk desk;
    YieldingClock clock{desk.clock};
    DeviceLink linkA{clock};
    DeviceLink linkB{clock};
    FileWrittenImageStore::IdentityOf identity = [] {
        return std::optional(FileWrittenImageStore::Identity{"sim:0/config", "one connection"});
    };
    FileWrittenImageStore storeA;
    FileWrittenImageStore storeB;
    SettingsModel modelA;
    SettingsModel modelB;
    RecordingNotifier notifier;
    NullPointerSettings pointer;
    Downloader a{linkA, modelA, config.description, config.sources, config.keys, notifier, pointer};
    Downloader b{linkB, modelB, config.description, config.sources, config.keys, notifier, pointer};
};

TEST(ChangedBlockApply, TwoProgramsWritingTheSameMouseTakeTurns) {
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    TwoPrograms programs(config, std::chrono::seconds(20));
    config.settings.shared.dpi[0].step = 3;
    config.button(1, 2).function = 256 * 2 + 1;
    programs.modelB.edit([&config](Settings& s) { s = config.settings; });

    for (int round = 0; round < 4; ++round) {
        SCOPED_TRACE(round);
        Downloader::Result ra{};
        Downloader::Result rb{};
        std::thread other([&] { rb = programs.b.DownloadAll({}, Writes::All); });
        ra = programs.a.DownloadAll({}, Writes::All);
        other.join();
        ASSERT_EQ(ra, Downloader::Result::Complete);
        ASSERT_EQ(rb, Downloader::Result::Complete);

        // The mouse holds one whole image, and the record is that image.
        const auto record = programs.storeA.load().image;
        ASSERT_TRUE(record);
        const auto memory = programs.desk.mouse->memory(0, sim::EmulatedMouse::kMemorySize);
        const bool isA = *record == WrittenImage::of(*programs.a.lastImage());
        const bool isB = *record == WrittenImage::of(*programs.b.lastImage());
        ASSERT_TRUE(isA || isB);
        for (std::size_t address = 0; address < WrittenImage::kSize; ++address) {
            if (record->known[address]) {
                ASSERT_EQ(memory[address], record->bytes[address]) << "address " << address;
            }
        }
    }
    EXPECT_TRUE(programs.desk.mouse->protocolErrors().empty());
}

TEST(ChangedBlockApply, AProgramThatKeepsTheMouseTooLongGetsAClearAnswerAndNothingIsSent) {
    DownloadConfig config;
    karvo::testing::fillRichConfig(config);
    TwoPrograms programs(config, std::chrono::milliseconds(50));
    const fileops::ExclusiveFile other(programs.dir / "record.lock", std::chrono::milliseconds(0));
    ASSERT_EQ(other.outcome(), fileops::ExclusiveFile::Outcome::Held);

    programs.desk.mouse->clearLog();
    EXPECT_EQ(programs.a.DownloadAll(), Downloader::Result::OtherProgram);
    EXPECT_TRUE(programs.desk.mouse->reports().empty());
}

}  // namespace
}  // namespace karvo::device
