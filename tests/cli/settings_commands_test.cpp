// The configuration commands: show names what the window would show, the setters write the
// configuration file through the profile store and nothing else, and config export, import and
// reset behave as the window's buttons.
#include <gtest/gtest.h>

#include "cli_fixture.h"
#include "platform/private_profile.h"

namespace karvo::testing {
namespace {

std::string key(const CliFixture& cli, std::string_view section, std::string_view name) {
    return ini::readString(cli.configFile(), section, name, "<missing>", 300);
}

TEST(KarvoctlSettings, ShowNamesEachButtonsFunctionAndMarksTheActiveDpiLevel) {
    CliFixture cli;
    ASSERT_EQ(cli.run({"set", "button", "3", "2", "257"}).code, 0);  // Office, macro 2
    ASSERT_EQ(cli.run({"set", "button", "3", "3", "50"}).code, 0);   // gun preset 1
    ASSERT_EQ(cli.run({"set", "button", "3", "4", "30001"}).code, 0);
    ASSERT_EQ(cli.run({"set", "dpi-level", "5"}).code, 0);

    const CliResult r = cli.run({"show", "3"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("Profile 3 of Karvo G7 Pro"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("   1  left-click                Left click\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("   2  macro Office/Paste        Macro: Office / Paste\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("   3  preset "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Gun preset 1: "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("   4  lighting-toggle           Lights on/off\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("  * 5  "), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("  * 2  "), std::string::npos) << r.out;

    const CliResult json = cli.run({"--json", "show", "3"});
    EXPECT_NE(
        json.out.find(R"({"button":2,"code":257,"function":"macro","argument":"Office/Paste",)"
                      R"("display":"Macro: Office / Paste","lighting":"off"})"),
        std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find(R"("level":5,"dpi":)"), std::string::npos);
}

TEST(KarvoctlSettings, ShowWithoutAProfileShowsTheCurrentOne) {
    CliFixture cli;
    ASSERT_EQ(cli.run({"profile", "4"}).code, 0);
    EXPECT_EQ(key(cli, "Init", "CurConfig"), "3");
    EXPECT_EQ(cli.run({"profile"}).out, "4\n");
    EXPECT_EQ(cli.run({"--json", "profile"}).out, "{\"profile\":4}\n");
    EXPECT_NE(cli.run({"show"}).out.find("Profile 4 (current)"), std::string::npos);
}

struct Setter {
    std::vector<std::string> args;
    std::string section;
    std::string key;
    std::string value;
};

// Each setter's value lands under its own key, as the profile store writes it.
const Setter kSetters[] = {
    {{"set", "dpi", "3", "3200"}, "ShareData", "DPI_SET2", "12"},
    {{"set", "dpi", "3", "--step", "12"}, "ShareData", "DPI_SET2", "12"},
    {{"set", "dpi", "--step", "3", "0x10"}, "ShareData", "DPI_SET2", "16"},
    {{"set", "dpi-enabled", "6", "off"}, "ShareData", "DPI_SET_EN5", "0"},
    {{"set", "dpi-colour", "2", "#ffffcf"}, "ShareData", "DPI1_B", "3"},
    {{"set", "lighting", "breathing"}, "ShareData", "LED_TYPE", "6"},
    {{"set", "user-colour", "7", "0FFF6F"}, "ShareData", "LED_USER6_R", "15"},
    {{"set", "fire-time", "120ms"}, "ShareData", "FIRE_TIME", "120"},
    {{"set", "button", "4", "8", "special-5"}, "Config3", "K7", "30004"},
    {{"set", "button", "2", "3", "profile-next"}, "Config1", "K2", "20"},
    {{"set", "button", "2", "3", "preset", "2"}, "Config1", "K2", "51"},
    {{"set", "button", "2", "3", "macro", "2/1"}, "Config1", "K2", "512"},
    {{"set", "button-lighting", "2", "3", "glow"}, "Config1", "LED_REACT_TYPE2", "3"},
    {{"set", "dpi-enabled", "6", "0"}, "ShareData", "DPI_SET_EN5", "0"},
    {{"set", "dpi-colour", "2", "1", "2", "3"}, "ShareData", "DPI1_B", "3"},
    {{"set", "dpi-level", "6"}, "ShareData", "DPI_LEVEL", "5"},
    {{"set", "lighting", "13"}, "ShareData", "LED_TYPE", "13"},
    {{"set", "lighting-speed", "5"}, "ShareData", "LED_CYCTIME", "5"},
    {{"set", "brightness", "0"}, "ShareData", "LED_BRIGHT", "0"},
    {{"set", "brightness", "7"}, "ShareData", "LED_BRIGHT", "7"},  // the list's last level
    {{"set", "user-colour", "7", "15", "0", "9"}, "ShareData", "LED_USER6_R", "15"},
    {{"set", "pointer-speed", "11"}, "ShareData", "DPI_SPEED", "11"},
    {{"set", "wheel-speed", "0x1"}, "ShareData", "WHEEL_SPEED", "1"},
    {{"set", "fire-time", "300"}, "ShareData", "FIRE_TIME", "300"},
    {{"set", "button", "4", "8", "30004"}, "Config3", "K7", "30004"},
    {{"set", "lights", "off"}, "ShareData", "MODE_LIGHT", "1"},
    {{"set", "lighting-direction", "Inward"}, "ShareData", "LED_FEATURE_DIREC", "3"},
    {{"set", "lighting-mirror", "on"}, "ShareData", "LED_FEATURE_SYMMETRY", "1"},
    {{"set", "host-playback", "yes"}, "ShareData", "SOFT_HARD_MAC", "1"},
};

TEST(KarvoctlSettings, EverySetterWritesItsKeyAndLeavesTheOtherProfilesAlone) {
    for (const Setter& s : kSetters) {
        CliFixture cli;
        const std::string before = key(cli, "Config0", "K1");
        const CliResult r = cli.run(s.args);
        EXPECT_EQ(r.code, 0) << s.key << ": " << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(key(cli, s.section, s.key), s.value) << s.key;
        EXPECT_EQ(key(cli, "Config0", "K1"), before) << s.key;
    }
}

TEST(KarvoctlSettings, AValueBeyondWhatTheWindowOffersIsRefusedAndNothingIsWritten) {
    CliFixture cli;
    const std::string config = cli.dir.read("skins/config/config.ini");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"set", "brightness", "8"},
                                                 {"set", "lighting-speed", "6"},
                                                 {"set", "pointer-speed", "12"},
                                                 {"set", "brightness", "-1"}}) {
        const CliResult r = cli.run(args);
        EXPECT_EQ(r.code, 2) << args[1] << ": " << r.err;
        EXPECT_NE(r.err.find("bad N '" + args[2] + "': expected a number from "), std::string::npos)
            << r.err;
    }
    EXPECT_EQ(cli.dir.read("skins/config/config.ini"), config);
}

TEST(KarvoctlSettings, TheLastLeftClickOfAProfileCannotBeTakenAway) {
    CliFixture cli;
    const std::string config = cli.dir.read("skins/config/config.ini");
    const CliResult r = cli.run({"set", "button", "1", "1", "2"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("leave no button with the left click"), std::string::npos) << r.err;
    EXPECT_EQ(cli.dir.read("skins/config/config.ini"), config);

    // With a second left click the first may go.
    ASSERT_EQ(cli.run({"set", "button", "1", "5", "1"}).code, 0);
    EXPECT_EQ(cli.run({"set", "button", "1", "1", "2"}).code, 0);
    EXPECT_EQ(key(cli, "Config0", "K0"), "2");
}

TEST(KarvoctlSettings, ExportedConfigurationComesBackOnImport) {
    CliFixture cli;
    const auto copy = cli.dir / "mine.ini";
    ASSERT_EQ(cli.run({"set", "fire-time", "120"}).code, 0);
    ASSERT_EQ(cli.run({"config", "export", copy.string()}).code, 0);
    ASSERT_EQ(cli.run({"set", "fire-time", "80"}).code, 0);

    const CliResult r = cli.run({"config", "import", copy.string()});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(key(cli, "ShareData", "FIRE_TIME"), "120");
}

TEST(KarvoctlSettings, ImportOfAnotherProductsFileIsRefused) {
    CliFixture cli;
    const auto other = cli.dir.write("other.ini",
                                     "[PRODUCTNAME]\nPRODUCTNAME_EN=Other Mouse\n"
                                     "[ShareData]\nFIRE_TIME=9\n");
    const CliResult r = cli.run({"config", "import", other.string()});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("belongs to another product"), std::string::npos) << r.err;
    EXPECT_EQ(key(cli, "ShareData", "FIRE_TIME"), "50");
}

TEST(KarvoctlSettings, ResetBringsBackTheFactorySettingsButKeepsTheCurrentProfile) {
    CliFixture cli;
    const std::string factory = ini::readString(cli.skins() / "config" / "configReset.ini",
                                                "ShareData", "DPI_SET0", "", 10);
    ASSERT_EQ(cli.run({"set", "dpi", "1", "16"}).code, 0);
    ASSERT_EQ(cli.run({"profile", "3"}).code, 0);
    ASSERT_NE(key(cli, "ShareData", "DPI_SET0"), factory);

    EXPECT_EQ(cli.run({"config", "reset"}).code, 0);
    EXPECT_EQ(key(cli, "ShareData", "DPI_SET0"), factory);
    EXPECT_EQ(key(cli, "Init", "CurConfig"), "2");
}

// A second language beside English, texts and layout files only.
void addLanguage(const CliFixture& cli, const std::string& folder) {
    namespace fs = std::filesystem;
    const fs::path shipped = fs::path(KARVO_DATA_OUT_DIR) / folder;
    fs::create_directories(cli.skins() / folder);
    for (const auto& entry : fs::directory_iterator(shipped)) {
        if (entry.is_regular_file() && entry.path().extension() == ".ini")
            fs::copy_file(entry.path(), cli.skins() / folder / entry.path().filename());
    }
}

TEST(KarvoctlSettings, LanguageIsChosenByNameFromTheShippedOnes) {
    CliFixture cli;
    addLanguage(cli, "4_INI_DE");

    const CliResult list = cli.run({"list", "languages"});
    ASSERT_EQ(list.code, 0) << list.err;
    EXPECT_NE(list.out.find("de  4  Deutsch\n"), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("en  1  English\n"), std::string::npos) << list.out;
    EXPECT_EQ(list.out.find("fr"), std::string::npos) << "not shipped here: " << list.out;

    // Short name, folder name and number, in any case, name the same language.
    for (const char* word : {"DE", "4_ini_de", "4"}) {
        ASSERT_EQ(cli.run({"set", "language", "1"}).code, 0);
        const CliResult r = cli.run({"set", "language", word});
        EXPECT_EQ(r.code, 0) << word << ": " << r.err;
        EXPECT_EQ(key(cli, "Init", "VER_SEL"), "4") << word;
    }
    EXPECT_NE(cli.run({"show"}).out.find("Language: de (Deutsch)\n"), std::string::npos);
    EXPECT_NE(cli.run({"--json", "show"}).out.find(R"("language":"de")"), std::string::npos);

    // A language that is not shipped, or no language at all, changes nothing.
    for (const char* word : {"fr", "25", "27", "klingon", "-1"}) {
        const CliResult r = cli.run({"set", "language", word});
        EXPECT_EQ(r.code, 2) << word;
        EXPECT_NE(r.err.find("list languages"), std::string::npos) << r.err;
        EXPECT_EQ(key(cli, "Init", "VER_SEL"), "4") << word;
    }
}

TEST(KarvoctlSettings, ALanguageFolderThatLacksALayoutFileIsRefused) {
    CliFixture cli;
    addLanguage(cli, "4_INI_DE");
    std::filesystem::remove(cli.skins() / "4_INI_DE" / "skin_main.ini");
    const std::string before = cli.dir.read("skins/config/config.ini");

    const CliResult r = cli.run({"set", "language", "de"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("skin_main.ini"), std::string::npos) << r.err;
    EXPECT_EQ(cli.dir.read("skins/config/config.ini"), before);
}

}  // namespace
}  // namespace karvo::testing
