// The profile files: what a load makes of every key (cuts, clamps, forced values), that a save
// and a load give back the same settings, and reset, import and export.
#include "settings/profile_store.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <thread>

#include "platform/private_profile.h"
#include "settings/combination.h"
#include "tests/support/temp_dir.h"

namespace karvo {
namespace {

using karvo::testing::TempDir;

const std::filesystem::path kShippedConfig =
    std::filesystem::path(KARVO_SOURCE_DATA_DIR) / "skins/config/config.ini";

struct Fixture {
    TempDir dir;
    RecordingNotifier notifier;
    MacVkAndText keys;
    ProfileStore store{dir.path(), keys, notifier};
    SettingsModel model;

    void loadAll() {
        for (int p = 0; p < kProfiles; ++p) {
            ASSERT_TRUE(store.loadProfile(model, p, ProfileStore::Source::Config));
        }
    }
    // Loads profile 0 from a config.ini made of the given sections.
    Settings loadProfile0(std::string_view text) {
        dir.write("config.ini", text);
        store.loadProfile(model, 0, ProfileStore::Source::Config);
        return model.snapshot();
    }
};

TEST(ProfileStore, LoadsTheShippedConfigurationAndSavesItBackUnchanged) {
    Fixture f;
    const std::string shipped = fileops::readFile(kShippedConfig).value();
    f.dir.write("config.ini", shipped);
    f.loadAll();
    const Settings s = f.model.snapshot();
    EXPECT_EQ(s.profiles[0].buttons[0].function, 1);
    EXPECT_EQ(s.profiles[1].buttons[3].function, kFunctionCombination);
    EXPECT_EQ(s.macroCopies[1][3].nameUtf8(), "Ctrl+C");
    EXPECT_EQ(s.macroCopies[1][4].stepCount, 2);
    EXPECT_EQ(s.macroCopies[1][4].steps[1].key, 25) << "V as the mouse's key code";
    EXPECT_TRUE(f.notifier.notices.empty());

    ASSERT_TRUE(f.store.saveAll(s));
    EXPECT_EQ(f.dir.read("config.ini"), shipped);
}

Settings randomSettings(std::mt19937& r) {
    const auto any = [&r](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(r); };
    Settings s;
    s.currentProfile = any(0, 3);
    for (auto& profile : s.profiles) {
        for (auto& b : profile.buttons) {
            b.function = any(0, 3) == 0 ? kFunctionCombination : any(-5, 30004);
            if (b.function == kFunctionCombination) {
                b.combination = combination::build("Ctrl&split&K", any(1, 254));
            }
            b.leftMac = any(-999, 9999);
            b.ledReactType = any(-999, 9999);
        }
    }
    for (auto& c : s.macroColour)
        c = any(0, 6);
    SharedSettings& sh = s.shared;
    sh.dpiLevel = any(0, 5);
    for (auto& d : sh.dpi) {
        d.step = static_cast<std::uint8_t>(any(0, 255));
        d.enabled = any(0, 1);
        d.colour = {any(0, 15), any(-99, 999), any(0, 99999)};
    }
    for (auto& c : sh.userColour)
        c = {any(0, 15), any(0, 15), any(0, 15)};
    sh.colourCycleMask = static_cast<std::uint8_t>(any(0, 127));
    sh.ledType = static_cast<std::uint8_t>(any(0, 255));
    for (auto& e : sh.ledTypeEnabled)
        e = any(0, 1);
    sh.ledCycleTime = static_cast<std::uint8_t>(any(0, 5));
    sh.ledSymmetry = any(0, 3);
    sh.ledDirection = any(0, 3);
    sh.ledBrightness = any(0, 6);
    sh.modeLight = any(0, 1);
    sh.softHardMac = any(0, 1);
    sh.pointerSpeed = static_cast<std::uint8_t>(any(1, 11));
    sh.wheelSpeed = static_cast<std::uint8_t>(any(1, 11));
    sh.fireTime = any(8, 300);
    combination::regenerateCopies(s, MacVkAndText{});
    return s;
}

TEST(ProfileStore, ASaveAndALoadGiveBackTheSameSettings) {
    std::mt19937 r(7);
    for (int round = 0; round < 20; ++round) {
        Fixture f;
        const Settings saved = randomSettings(r);
        ASSERT_TRUE(f.store.saveAll(saved));
        f.model.edit([&](Settings& s) { s.currentProfile = f.store.readCurrentProfile(); });
        f.loadAll();
        EXPECT_EQ(f.model.snapshot(), saved) << "round " << round;
    }
}

TEST(ProfileStore, LoadCutsClampsAndConvertsEachValue) {
    Fixture f;
    const Settings s = f.loadProfile0(
        "[Config0]\r\n"
        "K0=12\r\nK1=33,Ctrl&split&162&split&C&split&67\r\nK2=33\r\nK3=7x\r\n"
        "MAC_COR0=9\r\nMAC_COR1=-1\r\nMAC_COR2=3\r\n"
        "LEFT_MAC00=12345\r\nLEFT_MAC01=-42\r\nLED_REACT_TYPE0=2\r\n"
        "[ShareData]\r\nDPI_SET0=300\r\nDPI_SET_EN0=2\r\nDPI_SET_EN1=0\r\n"
        "DPI0_R=1234567890123\r\nDPI_LEVEL=9\r\nCYC_7COL_EN=5\r\nFIRE_TIME=123456\r\n"
        "LED_CYCTIME=4\r\nLED_CYC_TIME=1\r\nDPI_SPEED=-1\r\n");
    const auto& b = s.profiles[0].buttons;
    EXPECT_EQ(b[0].function, 12);
    EXPECT_EQ(b[0].combination, "");
    EXPECT_EQ(b[1].function, 33);
    EXPECT_EQ(combination::displayText(b[1].combination), "Ctrl+C");
    EXPECT_EQ(s.macroCopies[0][1].stepCount, 2);
    EXPECT_EQ(s.macroCopies[0][1].steps[0].key, 224) << "left Ctrl as the mouse's key code";
    EXPECT_EQ(b[2].function, 33);
    EXPECT_EQ(s.macroCopies[0][2].stepCount, 0) << "33 without a combination presses nothing";
    EXPECT_EQ(b[3].function, 7);
    EXPECT_EQ(s.macroColour[0], 6);
    EXPECT_EQ(s.macroColour[1], 0);
    EXPECT_EQ(s.macroColour[2], 3);
    EXPECT_EQ(b[0].leftMac, 1234) << "a 5-character buffer keeps 4 digits";
    EXPECT_EQ(b[1].leftMac, -42);
    EXPECT_EQ(b[0].ledReactType, 2);
    EXPECT_EQ(s.shared.dpi[0].step, 44) << "300 kept in 8 bits";
    EXPECT_TRUE(s.shared.dpi[0].enabled);
    EXPECT_FALSE(s.shared.dpi[1].enabled);
    EXPECT_FALSE(s.shared.dpi[2].enabled) << "missing key";
    EXPECT_EQ(s.shared.dpi[0].colour.r, 123456789) << "colour keys keep 9 characters";
    EXPECT_EQ(s.shared.dpiLevel, 5) << "the active level stays one of the six";
    EXPECT_TRUE(s.shared.colourInCycle(0));
    EXPECT_FALSE(s.shared.colourInCycle(1));
    EXPECT_TRUE(s.shared.colourInCycle(2));
    EXPECT_EQ(s.shared.fireTime, 1234);
    EXPECT_EQ(s.shared.ledCycleTime, 4) << "LED_CYCTIME is the key that is read";
    EXPECT_EQ(s.shared.pointerSpeed, 255);
}

TEST(ProfileStore, LoadForcesTheValuesNoScreenCanChange) {
    Fixture f;
    f.model.edit([](Settings& s) { s.shared.ledStartColour = 3; });
    const Settings s = f.loadProfile0(
        "[Config0]\r\nLED_REACT_EN0=0\r\nLED_REACT_EN5=7\r\nWHEEL_STATUS=4\r\n"
        "[ShareData]\r\nUSB_SPEED=3\r\nLED_USER_COLER_EN=0\r\nLED_FEATURE_SCOLOR=9\r\n");
    for (const auto& b : s.profiles[0].buttons)
        EXPECT_EQ(b.ledReactEnable, 1);
    EXPECT_EQ(s.shared.usbSpeed, 0);
    EXPECT_EQ(s.shared.reportRateCode, 7);
    EXPECT_EQ(s.shared.wheelStatus, 0);
    EXPECT_EQ(s.shared.ledUserColourEnable, 1);
    EXPECT_EQ(s.shared.ledStartColour, 3) << "the file's start colour is not taken over";
}

TEST(ProfileStore, AKeyWithoutCommaClearsAnEarlierCombination) {
    Fixture f;
    f.model.edit([](Settings& s) {
        s.profiles[0].buttons[0] = {33, "A&split&65", 0, 1, 0};
        combination::regenerateCopies(s, MacVkAndText{});
    });
    const Settings s = f.loadProfile0("[Config0]\r\nK0=12\r\n");
    EXPECT_EQ(s.profiles[0].buttons[0].combination, "");
    EXPECT_EQ(s.macroCopies[0][0], MacroRecord{});
}

TEST(ProfileStore, ACombinationDamagedByANulByteIsSavedToAFileThatReadsBackTheSame) {
    using namespace std::string_literals;
    Fixture f;
    const Settings loaded =
        f.loadProfile0("[Config0]\r\nK0=1\r\nK3=33,Ctrl&split&162&split&Shift&\x08\0lit&&C\r\n"s);
    ASSERT_EQ(loaded.profiles[0].buttons[3].function, kFunctionCombination);
    EXPECT_EQ(loaded.profiles[0].buttons[3].combination, "Ctrl&split&162&split&Shift&\x08");

    // Into a fresh folder: before, the key was refused for its NUL and silently left out, so
    // the button came back with no function at all.
    TempDir other;
    ProfileStore copy{other.path(), f.keys, f.notifier};
    ASSERT_TRUE(copy.saveProfile(loaded, 0, copy.configFile()));
    SettingsModel again;
    ASSERT_TRUE(copy.loadProfile(again, 0, ProfileStore::Source::Config));
    EXPECT_EQ(again.snapshot().profiles[0].buttons[3].function, kFunctionCombination);
    EXPECT_EQ(again.snapshot().profiles[0].buttons[3].combination,
              loaded.profiles[0].buttons[3].combination);
}

TEST(ProfileStore, AMissingFileWarnsAndChangesNothing) {
    Fixture f;
    f.model.edit([](Settings& s) { s.shared.fireTime = 99; });
    const Settings before = f.model.snapshot();
    EXPECT_FALSE(f.store.loadProfile(f.model, 1, ProfileStore::Source::Config));
    EXPECT_FALSE(f.store.loadProfile(f.model, 1, ProfileStore::Source::Reset));
    EXPECT_EQ(f.model.snapshot(), before);
    EXPECT_EQ(f.notifier.notices, (std::vector<RecordingNotifier::Notice>{{4, ""}, {4, ""}}));
}

TEST(ProfileStore, SavesSingleKeysWithoutTouchingTheRest) {
    Fixture f;
    f.dir.write("config.ini",
                "[Init]\r\nCurConfig=0\r\n; keep me\r\n[ShareData]\r\nDPI_LEVEL=1\r\n");
    EXPECT_TRUE(f.store.saveCurrentProfile(3));
    EXPECT_TRUE(f.store.saveDpiLevel(4));
    EXPECT_TRUE(f.store.saveLanguage(12));
    EXPECT_EQ(f.dir.read("config.ini"),
              "[Init]\r\nCurConfig=3\r\n; keep me\r\nVER_SEL=12\r\n[ShareData]\r\nDPI_LEVEL=4\r\n");
    EXPECT_EQ(f.store.readCurrentProfile(), 3);
    EXPECT_EQ(f.store.readLanguage(), 12);
}

TEST(ProfileStore, StartUpReadsGuardTheProfileIndex) {
    Fixture f;
    f.dir.write("config.ini", "[Init]\r\nCurConfig=7\r\nVER_SEL=257\r\nConfigNum=123456\r\n");
    EXPECT_EQ(f.store.readCurrentProfile(), 0);
    ASSERT_EQ(f.notifier.notices.size(), 1u);
    EXPECT_NE(f.notifier.notices[0].text.find("CurConfig = 7"), std::string::npos);
    EXPECT_EQ(f.store.readLanguage(), 1) << "the language index is a byte";
    EXPECT_EQ(f.store.readConfigNum(), "1234");
}

TEST(ProfileStore, ResetCopiesEveryProfileFromTheResetFileButNotTheCurrentProfile) {
    Fixture f;
    std::mt19937 r(99);
    Settings factory = randomSettings(r);
    factory.currentProfile = 0;
    ASSERT_TRUE(f.store.saveAll(factory));
    std::filesystem::rename(f.dir / "config.ini", f.dir / "configReset.ini");
    Settings user = randomSettings(r);
    user.currentProfile = 2;
    ASSERT_TRUE(f.store.saveAll(user));
    f.model.edit([&](Settings& s) { s = user; });

    ASSERT_TRUE(f.store.resetAll(f.model));
    EXPECT_EQ(f.store.readCurrentProfile(), 2);
    Settings after = f.model.snapshot();
    EXPECT_EQ(after.currentProfile, 2);
    after.currentProfile = 0;
    EXPECT_EQ(after, factory);
    f.loadAll();
    Settings reloaded = f.model.snapshot();
    reloaded.currentProfile = 0;
    EXPECT_EQ(reloaded, factory);
}

TEST(ProfileStore, ResetWithoutTheResetFileWarnsOnceAndChangesNothing) {
    Fixture f;
    f.dir.write("config.ini", "[Init]\r\nCurConfig=1\r\n");
    EXPECT_FALSE(f.store.resetAll(f.model));
    EXPECT_EQ(f.notifier.notices.size(), 1u);
    EXPECT_EQ(f.dir.read("config.ini"), "[Init]\r\nCurConfig=1\r\n");
}

TEST(ProfileStore, ImportTakesOnlyAConfigurationOfThisProduct) {
    Fixture f;
    DeviceDescription device;
    device.productNameCn = "Karvo CN";
    device.productNameEn = "Karvo EN";
    f.dir.write("config.ini", "[Init]\r\nCurConfig=0\r\n");
    const auto foreign = f.dir.write(
        "foreign.ini", "[PRODUCTNAME]\r\nPRODUCTNAME_EN=Other\r\n[Config0]\r\nK0=5\r\n");
    const auto own = f.dir.write("own.ini",
                                 "[PRODUCTNAME]\r\nPRODUCTNAME_CN=\r\nPRODUCTNAME_EN=Karvo EN\r\n"
                                 "[Config0]\r\n[Config1]\r\n[Config2]\r\nK0=6\r\n[Config3]\r\n");

    EXPECT_FALSE(f.store.importConfig(foreign, device, f.model));
    EXPECT_FALSE(f.store.importConfig(f.dir / "missing.ini", device, f.model));
    EXPECT_EQ(f.notifier.notices, (std::vector<RecordingNotifier::Notice>{{8, ""}, {5, ""}}));
    EXPECT_EQ(f.dir.read("config.ini"), "[Init]\r\nCurConfig=0\r\n");

    EXPECT_TRUE(f.store.importConfig(own, device, f.model));
    EXPECT_EQ(f.dir.read("config.ini"), f.dir.read("own.ini"));
    EXPECT_EQ(f.model.snapshot().profiles[2].buttons[0].function, 6);
}

TEST(ProfileStore, ExportCopiesTheConfigurationAndReportsAFailedCopy) {
    Fixture f;
    f.dir.write("config.ini", "[Init]\r\nCurConfig=2\r\n");
    EXPECT_TRUE(f.store.exportConfig(f.dir / "backup.ini"));
    EXPECT_EQ(f.dir.read("backup.ini"), "[Init]\r\nCurConfig=2\r\n");
    EXPECT_FALSE(f.store.exportConfig(f.dir / "no/folder/backup.ini"));
    EXPECT_EQ(f.notifier.notices, (std::vector<RecordingNotifier::Notice>{{5, ""}}));
}

// A device thread loading a profile while the window saves must never see or write half a
// change: both go through the model's lock and the file's lock.
TEST(ProfileStore, LoadsAndSavesOnTwoThreadsStayConsistent) {
    Fixture f;
    std::mt19937 r(3);
    Settings s = randomSettings(r);
    for (auto& p : s.profiles)
        p = s.profiles[0];
    ASSERT_TRUE(f.store.saveAll(s));
    f.model.edit([&](Settings& m) { m = s; });

    std::thread saver([&] {
        for (int i = 0; i < 30; ++i) {
            f.model.edit([i](Settings& m) {
                for (auto& p : m.profiles)
                    p.buttons[0].function = i;
            });
            f.store.saveAll(f.model.snapshot());
        }
    });
    for (int i = 0; i < 30; ++i) {
        f.store.loadProfile(f.model, i % kProfiles, ProfileStore::Source::Config);
        f.model.read([](const Settings& m) { (void)m.profiles[0].buttons[0].function; });
    }
    saver.join();
    const ini::IniSnapshot file(f.store.configFile());
    for (int p = 0; p < kProfiles; ++p) {
        EXPECT_EQ(file.get("Config" + std::to_string(p), "K0", "", 260), "29");
    }
}

TEST(ProfileStore, ImportRefusesAFileWithoutProfiles) {
    Fixture f;
    DeviceDescription device;
    device.productNameEn = "Karvo EN";
    f.dir.write("config.ini", "[Init]\r\nCurConfig=0\r\n");
    const auto bare = f.dir.write("bare.ini", "[PRODUCTNAME]\r\nPRODUCTNAME_EN=Karvo EN\r\n");
    EXPECT_FALSE(f.store.importConfig(bare, device, f.model));
    EXPECT_EQ(f.dir.read("config.ini"), "[Init]\r\nCurConfig=0\r\n");
    ASSERT_EQ(f.notifier.notices.size(), 1u);
    EXPECT_NE(f.notifier.notices[0].text.find("no [Config0]"), std::string::npos);
}

// An emptied or cut config.ini would load as all zeros: a mouse without a left click after the
// next apply. Each missing section comes from the factory copy, with a notice.
TEST(ProfileStore, MissingSectionsComeFromTheResetCopy) {
    Fixture f;
    const std::string shipped = fileops::readFile(kShippedConfig).value();
    f.dir.write("configReset.ini", shipped);
    f.dir.write("config.ini", "");
    f.loadAll();
    const Settings s = f.model.snapshot();
    EXPECT_EQ(s.profiles[0].buttons[0].function, 1);
    EXPECT_EQ(s.profiles[3].buttons[0].function, 1);
    EXPECT_EQ(s.shared.dpi[1].step, 4);
    EXPECT_EQ(f.notifier.notices.size(), 4u);
    EXPECT_NE(f.notifier.notices[0].text.find("no [Config0]"), std::string::npos);

    // The next save writes them, so the file is whole again.
    ASSERT_TRUE(f.store.saveAll(s));
    SettingsModel again;
    ProfileStore reread(f.dir.path(), f.keys, f.notifier);
    f.notifier.notices.clear();
    for (int p = 0; p < kProfiles; ++p)
        ASSERT_TRUE(reread.loadProfile(again, p, ProfileStore::Source::Config));
    EXPECT_TRUE(f.notifier.notices.empty());
    EXPECT_EQ(again.snapshot().profiles, s.profiles);
}

// Another process (karvoctl beside the window) changed a key since this store read the file:
// a save of other changes keeps it.
TEST(ProfileStore, ASaveWritesOnlyWhatThisProgramChanged) {
    Fixture f;
    f.dir.write("config.ini", fileops::readFile(kShippedConfig).value());
    f.model.edit([&](Settings& s) { s.currentProfile = f.store.readCurrentProfile(); });
    f.loadAll();
    ASSERT_TRUE(ini::writeString(f.store.configFile(), "ShareData", "FIRE_TIME", "200"));
    ASSERT_TRUE(ini::writeString(f.store.configFile(), "Init", "CurConfig", "3"));
    Settings mine = f.model.snapshot();
    mine.shared.wheelSpeed = 9;
    mine.profiles[2].buttons[1].function = 4;
    ASSERT_TRUE(f.store.saveAll(mine));
    const ini::IniSnapshot file(f.store.configFile());
    EXPECT_EQ(file.getInt("ShareData", "FIRE_TIME", 5), 200);
    EXPECT_EQ(file.getInt("Init", "CurConfig", 5), 3);
    EXPECT_EQ(file.getInt("ShareData", "WHEEL_SPEED", 5), 9);
    EXPECT_EQ(file.getInt("Config2", "K1", 5), 4);

    // A key this store wrote once more with the same value is not rewritten either.
    ASSERT_TRUE(ini::writeString(f.store.configFile(), "ShareData", "WHEEL_SPEED", "2"));
    ASSERT_TRUE(f.store.saveAll(mine));
    EXPECT_EQ(ini::IniSnapshot(f.store.configFile()).getInt("ShareData", "WHEEL_SPEED", 5), 2);
}

// Two processes that each load the configuration, change their own setting and save it all,
// over and over, as two karvoctl set commands do: every change of both survives.
TEST(ProfileStore, TwoProcessesSavingDifferentKeysLoseNothing) {
    Fixture f;
    f.dir.write("config.ini", fileops::readFile(kShippedConfig).value());
    constexpr int kRounds = 200;
    const auto bump = [&](std::int32_t SharedSettings::*field) {
        for (int i = 0; i < kRounds; ++i) {
            RecordingNotifier quiet;
            ProfileStore store(f.dir.path(), f.keys, quiet);
            SettingsModel model;
            for (int p = 0; p < kProfiles; ++p)
                store.loadProfile(model, p, ProfileStore::Source::Config);
            Settings s = model.snapshot();
            ++(s.shared.*field);
            if (!store.saveAll(s))
                ::_exit(3);
        }
        ::_exit(0);
    };
    f.loadAll();
    const Settings start = f.model.snapshot();
    std::vector<pid_t> children;
    for (auto field : {&SharedSettings::fireTime, &SharedSettings::ledBrightness}) {
        const pid_t pid = ::fork();
        if (pid == 0)
            bump(field);
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(status, 0);
    }
    const ini::IniSnapshot file(f.store.configFile());
    EXPECT_EQ(file.getInt("ShareData", "FIRE_TIME", 5), start.shared.fireTime + kRounds);
    EXPECT_EQ(file.getInt("ShareData", "LED_BRIGHT", 5), start.shared.ledBrightness + kRounds);
}

TEST(ProfileStore, AConfigurationThatIsALinkStaysALink) {
    Fixture f;
    std::filesystem::create_directories(f.dir / "dotfiles");
    f.dir.write("dotfiles/config.ini", fileops::readFile(kShippedConfig).value());
    std::filesystem::create_symlink("dotfiles/config.ini", f.dir / "config.ini");
    f.loadAll();
    Settings s = f.model.snapshot();
    s.shared.wheelSpeed = 7;
    ASSERT_TRUE(f.store.saveAll(s));
    ASSERT_TRUE(f.store.saveDpiLevel(2));
    EXPECT_TRUE(std::filesystem::is_symlink(std::filesystem::symlink_status(f.dir / "config.ini")));
    EXPECT_EQ(ini::IniSnapshot(f.dir / "dotfiles/config.ini").getInt("ShareData", "WHEEL_SPEED", 5),
              7);
}

TEST(ProfileStore, ExportRefusesAPathThatIsNoRegularFile) {
    Fixture f;
    f.dir.write("config.ini", "[Init]\r\nCurConfig=2\r\n");
    ASSERT_EQ(::mkfifo((f.dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(f.store.exportConfig(f.dir / "pipe"));
    EXPECT_TRUE(std::filesystem::is_fifo(f.dir / "pipe"));
    ASSERT_EQ(f.notifier.notices.size(), 1u);
    EXPECT_NE(f.notifier.notices[0].text.find("not a regular file"), std::string::npos);
}

}  // namespace
}  // namespace karvo
