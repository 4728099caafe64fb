// karvoctl for people: functions, effects, DPI and colours by name and unit, each round-trip
// through set and show; the names in JSON stay the same whatever the language; options stand
// anywhere; errors with --json are one JSON object.
#include <gtest/gtest.h>

#include "cli/help_text.h"
#include "cli_fixture.h"
#include "json_reader.h"
#include "platform/private_profile.h"
#include "settings/dpi_steps.h"

namespace karvo::testing {
namespace {

namespace fs = std::filesystem;

std::string key(const CliFixture& cli, std::string_view section, std::string_view name) {
    return ini::readString(cli.configFile(), section, name, "<missing>", 300);
}

// The function code of a button's key (a key combination keeps its text after a comma).
std::string code(const CliFixture& cli, std::string_view section, std::string_view name) {
    const std::string value = key(cli, section, name);
    return value.substr(0, value.find(','));
}

Json runJson(CliFixture& cli, std::vector<std::string> args) {
    args.insert(args.begin(), "--json");
    const CliResult r = cli.run(args);
    EXPECT_EQ(r.code, 0) << r.err;
    const auto json = Json::parse(r.out);
    EXPECT_TRUE(json.has_value()) << r.out;
    return json.value_or(Json{});
}

TEST(KarvoctlNames, EveryListedFunctionRoundTripsThroughSetAndShow) {
    CliFixture cli;
    const Json functions = runJson(cli, {"list", "functions"});
    ASSERT_GE(functions.items.size(), 30u);
    for (const Json& f : functions.items) {
        const std::string id = f["id"].text;
        SCOPED_TRACE(id);
        const CliResult set = cli.run({"set", "button", "2", "3", id});
        ASSERT_EQ(set.code, 0) << set.err;
        EXPECT_EQ(key(cli, "Config1", "K2"), std::to_string(static_cast<int>(f["code"].number)));
        const Json shown = runJson(cli, {"show", "2"});
        const Json& button = shown["buttons"][2];
        EXPECT_EQ(button["function"].text, id);
        EXPECT_FALSE(button.has("argument"));
        EXPECT_EQ(button["display"].text, f["display"].text);
        // The text form shows the same name.
        EXPECT_NE(cli.run({"show", "2"}).out.find("   3  " + id + " "), std::string::npos);
    }
}

TEST(KarvoctlNames, IdentifiersNameWhatTheEnglishFunctionTableCallsTheCode) {
    // The identifiers are fixed English words, so each must say what the shipped English
    // table says the code does: a renumbered table must not leave "dpi-up" on a double click.
    CliFixture cli;
    const CliResult r = cli.run({"list", "functions"});
    ASSERT_EQ(r.code, 0) << r.err;
    for (const char* line : {"dpi-cycle 6 DPI cycle", "dpi-up 16 DPI up", "dpi-down 17 DPI down",
                             "double-click 13 Double click", "triple-click 14 Triple click",
                             "fire-key 12 Fire key", "profile-cycle 19 Cycle profiles"}) {
        std::string squeezed;
        for (std::size_t i = 0; i < r.out.size(); ++i) {
            if (r.out[i] == ' ' && !squeezed.empty() && squeezed.back() == ' ')
                continue;
            squeezed += r.out[i];
        }
        EXPECT_NE(squeezed.find(line), std::string::npos) << line << "\n" << r.out;
    }
}

TEST(KarvoctlNames, MacrosPresetsAndKeyCombinationsRoundTripByName) {
    CliFixture cli;
    struct Case {
        std::vector<std::string> function;
        std::string code;
        std::string kind;
        std::string argument;
    };
    const Case cases[] = {
        {{"macro", "Office/Copy"}, "256", "macro", "Office/Copy"},
        {{"macro", "Browser/2"}, "513", "macro", ""},
        {{"preset", "1"}, "50", "preset", ""},
        {{"key", "ctrl+shift+a"}, "33", "key", "ctrl+shift+a"},
        {{"key", "A+Alt"}, "33", "key", "alt+a"},
        {{"key", "ctrl+win"}, "33", "key", "ctrl+win"},
        {{"key", "f5"}, "33", "key", "f5"},
        {{"257"}, "257", "macro", "Office/Paste"},  // numbers stay accepted
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"set", "button", "1", "4"};
        args.insert(args.end(), c.function.begin(), c.function.end());
        SCOPED_TRACE(args.back());
        const CliResult r = cli.run(args);
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(code(cli, "Config0", "K3"), c.code);
        const Json button = runJson(cli, {"show", "1"})["buttons"][3];
        EXPECT_EQ(button["function"].text, c.kind);
        if (!c.argument.empty()) {
            EXPECT_EQ(button["argument"].text, c.argument);
        }
        // What show prints, set takes back to the same code.
        const std::string shown = button["argument"].text;
        ASSERT_EQ(cli.run({"set", "button", "1", "4", c.kind, shown}).code, 0);
        EXPECT_EQ(code(cli, "Config0", "K3"), c.code);
    }
    // The combination is stored as the window's dialog stores it, with its key text.
    ASSERT_EQ(cli.run({"set", "button", "1", "4", "key", "ctrl+shift+a"}).code, 0);
    EXPECT_EQ(runJson(cli, {"show", "1"})["buttons"][3]["display"].text,
              "Key combination: Ctrl+Shift+A");
}

TEST(KarvoctlNames, AMacroSetByNameWritesTheSameBytesIntoTheMouseAsItsCode) {
    CliFixture byName;
    CliFixture byCode;
    ASSERT_EQ(byName.run({"set", "button", "1", "4", "macro", "Office/Cut"}).code, 0);
    ASSERT_EQ(byCode.run({"set", "button", "1", "4", "258"}).code, 0);
    ASSERT_EQ(byName.sim({"apply"}).code, 0);
    ASSERT_EQ(byCode.sim({"apply"}).code, 0);
    EXPECT_EQ(byName.stateBytes(), byCode.stateBytes());
    CliFixture untouched;
    ASSERT_EQ(untouched.sim({"apply"}).code, 0);
    EXPECT_NE(byName.stateBytes(), untouched.stateBytes());
}

TEST(KarvoctlNames, EveryListedEffectRoundTripsThroughSetAndShow) {
    CliFixture cli;
    const Json effects = runJson(cli, {"list", "effects"});
    ASSERT_EQ(effects.items.size(), 14u);
    for (const Json& e : effects.items) {
        SCOPED_TRACE(e["id"].text);
        ASSERT_EQ(cli.run({"set", "lighting", e["id"].text}).code, 0);
        EXPECT_EQ(key(cli, "ShareData", "LED_TYPE"),
                  std::to_string(static_cast<int>(e["effect"].number)));
        const Json lighting = runJson(cli, {"show"})["lighting"];
        EXPECT_EQ(lighting["effect"].text, e["id"].text);
        EXPECT_EQ(lighting["display"].text, e["display"].text);
    }
}

TEST(KarvoctlNames, JsonNamesAreTheSameInAnotherLanguageAndTheDisplayTextFollowsIt) {
    CliFixture cli;
    const fs::path german = fs::path(KARVO_DATA_OUT_DIR) / "4_INI_DE";
    for (const auto& entry : fs::recursive_directory_iterator(german)) {
        const fs::path to = cli.skins() / fs::relative(entry.path(), KARVO_DATA_OUT_DIR);
        if (entry.is_directory())
            fs::create_directories(to);
        else if (entry.path().extension() == ".ini" || entry.path().extension() == ".dat")
            fs::create_directories(to.parent_path()), fs::copy_file(entry.path(), to);
    }
    const Json english = runJson(cli, {"show"});
    ASSERT_TRUE(ini::writeString(cli.configFile(), "Init", "VER_SEL", "4"));
    const Json deutsch = runJson(cli, {"show"});
    for (std::size_t b = 0; b < english["buttons"].items.size(); ++b) {
        EXPECT_EQ(deutsch["buttons"][b]["function"].text, english["buttons"][b]["function"].text);
    }
    EXPECT_EQ(deutsch["lighting"]["effect"].text, english["lighting"]["effect"].text);
    EXPECT_NE(deutsch["buttons"][0]["display"].text, english["buttons"][0]["display"].text);
    // set takes the same names in German.
    EXPECT_EQ(cli.run({"set", "button", "1", "2", "volume-up"}).code, 0);
    EXPECT_EQ(key(cli, "Config0", "K1"), "27");
}

TEST(KarvoctlUnits, DpiIsSetToTheNearestStepAndSaysSoWhenRounded) {
    CliFixture cli;
    struct Case {
        std::string dpi;
        std::string step;
        std::string note;  // empty: exact
    };
    const Case cases[] = {
        {"200", "0", ""},
        {"1600", "6", ""},
        {"1600DPI", "6", ""},
        {"8000", "16", ""},
        {"1", "0", "1 DPI is between steps; set 200 DPI (step 0)"},
        {"300", "0", "300 DPI is between steps; set 200 DPI (step 0)"},  // a tie: the lower
        {"301", "1", "set 400 DPI (step 1)"},
        {"1700", "6", "set 1600 DPI (step 6)"},
        {"5000", "14", "set 4800 DPI (step 14)"},
        {"99999", "16", "set 8000 DPI (step 16)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dpi);
        const CliResult r = cli.run({"set", "dpi", "4", c.dpi});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(key(cli, "ShareData", "DPI_SET3"), c.step);
        EXPECT_EQ(r.err.empty(), c.note.empty()) << r.err;
        EXPECT_NE(r.err.find(c.note), std::string::npos) << r.err;
        const Json level = runJson(cli, {"show"})["dpiLevels"][3];
        EXPECT_EQ(level["step"].number, std::stoi(c.step));
        // show prints what set takes, and set takes it back without rounding.
        const std::string shown = std::to_string(static_cast<int>(level["dpi"].number));
        const CliResult again = cli.run({"set", "dpi", "4", shown});
        EXPECT_EQ(again.err, "");
        EXPECT_EQ(key(cli, "ShareData", "DPI_SET3"), c.step);
    }
}

TEST(KarvoctlUnits, TheMouseModelsOwnDpiTableIsUsedWhenTheConfigurationHasOne) {
    CliFixture cli;
    for (int step = 0; step < 17; ++step)
        ini::writeString(cli.configFile(), "DPI_TABLE", "STEP" + std::to_string(step),
                         std::to_string(100 * (step + 1) * (step + 1)));
    ASSERT_EQ(cli.run({"set", "dpi", "1", "900"}).code, 0);  // step 2: 100 * 3 * 3
    EXPECT_EQ(key(cli, "ShareData", "DPI_SET0"), "2");

    const DpiSteps steps = DpiSteps::read(cli.configFile());
    EXPECT_EQ(steps.dpi(16), 28900);
    EXPECT_EQ(steps.dpi(99), 28900);
    EXPECT_EQ(steps.nearest(1000).step, 2);
    // A table that does not rise is not believed: the built-in one is used.
    ini::writeString(cli.configFile(), "DPI_TABLE", "STEP5", "100");
    EXPECT_EQ(DpiSteps::read(cli.configFile()).dpi(5), DpiSteps().dpi(5));
    EXPECT_EQ(DpiSteps().dpi(0), 200);
    EXPECT_EQ(DpiSteps().dpi(16), 8000);
}

TEST(KarvoctlUnits, ColoursAreHexInBothDirectionsAndRoundedToTheStoredLevels) {
    CliFixture cli;
    // Every level of every component: show prints what set takes, unchanged.
    for (int level = 0; level < 16; ++level) {
        char colour[8];
        const int c = 255 - 16 * level;
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", c, 255 - c + 15, c);
        const CliResult r = cli.run({"set", "dpi-colour", "3", colour});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.err, "") << colour;
        EXPECT_EQ(key(cli, "ShareData", "DPI2_R"), std::to_string(level));
        EXPECT_EQ(runJson(cli, {"show"})["dpiLevels"][2]["colour"].text, colour);
    }
    struct Case {
        std::string in;
        std::string stored;
        std::string r;
    };
    const Case cases[] = {{"#000000", "#0f0f0f", "15"}, {"#ffffff", "", "0"},
                          {"#FF0F0F", "", "0"},         {"#FF0000", "#ff0f0f", "0"},
                          {"#f0f0f0", "#ffffff", "0"},  {"#100000", "#1f0f0f", "14"}};
    for (const Case& c : cases) {
        const CliResult r = cli.run({"set", "user-colour", "1", c.in});
        ASSERT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(key(cli, "ShareData", "LED_USER0_R"), c.r) << c.in;
        if (c.stored.empty())
            EXPECT_EQ(r.err, "") << c.in;
        else
            EXPECT_NE(r.err.find(c.in + " is stored as " + c.stored), std::string::npos) << r.err;
    }
}

TEST(KarvoctlConventions, OptionsStandAnywhereOnTheLine) {
    CliFixture cli;
    const std::string expected = cli.run({"--json", "show", "2"}).out;
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(cli.run({"show", "--json", "2"}).out, expected);
    EXPECT_EQ(cli.run({"show", "2", "--json"}).out, expected);
    EXPECT_EQ(cli.run({"show", "2", "--data", cli.dir.path().string(), "--json"}).out, expected);
    EXPECT_EQ(cli.run({"show", "2", "--data=" + cli.dir.path().string(), "--json"}).out, expected);

    ASSERT_EQ(cli.run({"set", "dpi", "1", "800", "--data", cli.dir.path().string()}).code, 0);
    EXPECT_EQ(key(cli, "ShareData", "DPI_SET0"), "3");
    // Command options and global ones mix.
    ASSERT_EQ(cli.run({"set", "--json", "dpi", "1", "--step", "5"}).code, 0);
    EXPECT_EQ(key(cli, "ShareData", "DPI_SET0"), "5");

    for (const char* version : {"-V", "--version"}) {
        EXPECT_EQ(cli.run({version}).out.rfind("karvoctl ", 0), 0u);
        EXPECT_EQ(cli.run({"show", version}).out.rfind("karvoctl ", 0), 0u);
    }
    const auto* showHelp = cli::HelpText::find("show");
    EXPECT_EQ(cli.run({"show", "-h"}).out, cli::HelpText::command(*showHelp));
    EXPECT_EQ(cli.run({"show", "9", "--help"}).out, cli::HelpText::command(*showHelp));
    // After "--" a word like -h is the command's: here a key release of a macro's text.
    const CliResult r = cli.run({"macro", "create", "Office", "H", "--", "+h", "-h"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(cli.run({"macro", "show", "Office", "H"}).out, "+h -h\n");
}

TEST(KarvoctlConventions, WithJsonEveryErrorIsOneJsonObjectOnStderr) {
    const std::vector<std::vector<std::string>> failing = {
        {"--json", "set", "dpi", "7", "3"},
        {"set", "dpi", "7", "3", "--json"},
        {"--json", "--bogus"},
        {"--json", "frobnicate"},
        {"--json", "macro", "import-group", "/nonexistent.dat"},
        {"--json", "set", "button", "1", "1", "right-click"},  // the last left click: a notice too
        {"--json", "--data", "/nonexistent", "show"},
    };
    for (const auto& args : failing) {
        SCOPED_TRACE(args[1] + " " + args.back());
        CliFixture cli;
        const CliResult r = cli.run(args);
        EXPECT_NE(r.code, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        const auto json = Json::parse(r.err);
        ASSERT_TRUE(json.has_value()) << r.err;
        const Json& error = (*json)["error"];
        EXPECT_EQ(error["exitCode"].number, r.code);
        EXPECT_FALSE(error["message"].text.empty());
        EXPECT_EQ(error["kind"].text, r.code == 2 ? "usage" : "failure");
        EXPECT_EQ(error.has("usage"), r.code == 2);
        EXPECT_EQ((*json)["notices"].type, Json::Type::Array);
    }
    CliFixture cli;
    const CliResult lastClick = cli.run({"--json", "set", "button", "1", "1", "right-click"});
    const auto json = Json::parse(lastClick.err);
    ASSERT_TRUE(json.has_value());
    ASSERT_EQ((*json)["notices"].items.size(), 1u);
    EXPECT_NE((*json)["notices"][0].text.find("left click"), std::string::npos);
    // A warning of a command that went well is a JSON object too.
    const CliResult rounded = cli.run({"--json", "set", "dpi", "1", "1700"});
    EXPECT_EQ(rounded.code, 0);
    const auto warning = Json::parse(rounded.err);
    ASSERT_TRUE(warning.has_value()) << rounded.err;
    EXPECT_FALSE(warning->has("error"));
    EXPECT_NE((*warning)["notices"][0].text.find("set 1600 DPI"), std::string::npos);
    EXPECT_EQ(cli.run({"--json", "show"}).err, "");
}

TEST(KarvoctlConventions, ListsNameWhatTheOtherCommandsTake) {
    CliFixture cli;
    const CliResult functions = cli.run({"list", "functions"});
    EXPECT_NE(functions.out.find("left-click        1  Left click\n"), std::string::npos)
        << functions.out;
    EXPECT_NE(functions.out.find("macro GROUP/NAME"), std::string::npos);
    const Json keys = runJson(cli, {"list", "keys"});
    ASSERT_FALSE(keys.items.empty());
    EXPECT_EQ(keys[0]["id"].text, "a");
    EXPECT_EQ(keys[0]["display"].text, "A");
    const Json groups = runJson(cli, {"list", "groups"});
    EXPECT_EQ(groups[0]["id"].text, "Office");
    const CliResult macros = cli.run({"list", "macros", "Office"});
    EXPECT_EQ(macros.out.rfind("Office/Copy\n", 0), 0u) << macros.out;
    EXPECT_EQ(cli.run({"list", "macros", "Nope"}).code, 1);
    const Json all = runJson(cli, {"list", "macros"});
    EXPECT_GT(all.items.size(), 20u);
    const Json presets = runJson(cli, {"list", "presets"});
    EXPECT_EQ(presets.items.size(), 12u);
    // Every listed macro and preset is a function set takes.
    for (const Json& m : all.items)
        EXPECT_EQ(cli.run({"set", "button", "3", "2", "macro", m["id"].text}).code, 0)
            << m["id"].text;
    for (const Json& p : presets.items)
        EXPECT_EQ(cli.run({"set", "button", "3", "2", "preset", p["id"].text}).code, 0);
}

}  // namespace
}  // namespace karvo::testing
