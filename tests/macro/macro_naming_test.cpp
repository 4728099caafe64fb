// The naming rule of new groups and macros, and the cleaning of hostile group names: whatever
// a user types or a file is called, the group name stays a plain file name of the macro folder
// and reads back from the group list as the same text.
#include "macro/macro_naming.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/private_profile.h"
#include "platform/text_encoding.h"
#include "tests/support/temp_dir.h"

namespace karvo::naming {
namespace {

struct UniqueCase {
    const char* what;
    std::string proposed;
    std::vector<std::string> existing;
    std::size_t maxUnits;
    std::string expected;
};

TEST(UniqueName, FollowsTheCounterRule) {
    const std::vector<UniqueCase> cases = {
        {"a free name is kept", "Macro", {"Other"}, 30, "Macro"},
        {"a taken name gets counter 02", "Macro", {"Macro"}, 30, "Macro02"},
        {"the counter follows the highest", "Macro", {"Macro", "Macro01"}, 30, "Macro02"},
        {"gaps are not filled", "Macro", {"Macro", "Macro07", "Macro03"}, 30, "Macro08"},
        {"the typed counter is the stem's", "Macro05", {"Macro05", "Macro"}, 30, "Macro06"},
        {"three digits lose only two", "Gun123", {"Gun123"}, 30, "Gun124"},
        {"other stems do not count", "Group", {"Group", "Groups09", "Grou09"}, 30, "Group02"},
        {"comparison is exact", "group", {"Group"}, 30, "group"},
        {"a counter past 99 takes the lowest free", "M", {"M", "M99"}, 30, "M02"},
        {"past 99 the lowest free one after 02", "M", {"M", "M99", "M02"}, 30, "M03"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(uniqueName(c.proposed, c.existing, c.maxUnits), c.expected) << c.what;
    }
}

TEST(UniqueName, KeepsTheCounterInsideTheLengthLimit) {
    const std::string full(30, 'x');
    const std::string made = uniqueName(full, std::vector<std::string>{full}, 30);
    EXPECT_EQ(made, std::string(28, 'x') + "02");
    // A name the record would cut to an existing one is itself taken.
    const std::string longer = full + "yz";
    EXPECT_EQ(uniqueName(longer, std::vector<std::string>{full}, 30), std::string(28, 'x') + "02");
    // A character is never split to make room for the counter.
    const std::string wide = std::string(27, 'a') + "\xF0\x9F\x98\x80";  // 29 units
    const std::string madeWide = uniqueName(wide, std::vector<std::string>{wide}, 30);
    EXPECT_EQ(madeWide, std::string(27, 'a') + "02");
}

TEST(UniqueName, NeverRepeatsAnExistingNameWhileTwelveExist) {
    std::mt19937 rng(11);
    const std::vector<std::string> stems = {"Macro", "Macro0", "M", "", "Gun 1"};
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::string> existing;
        const std::string& stem = stems[rng() % stems.size()];
        for (int i = 0; i < 12; ++i) {
            const auto n = static_cast<unsigned>(rng() % 101);
            existing.push_back(n == 100 ? stem : stem + (n < 10 ? "0" : "") + std::to_string(n));
        }
        const std::string made = uniqueName(existing[rng() % 12], existing, 30);
        EXPECT_EQ(std::find(existing.begin(), existing.end(), made), existing.end()) << made;
    }
}

struct CleanCase {
    const char* what;
    std::string typed;
    std::optional<std::string> expected;
};

TEST(CleanGroupName, RefusesOrCleansEveryHostileName) {
    const std::vector<CleanCase> cases = {
        {"a plain name is kept", "Office", "Office"},
        {"inner spaces and unicode are kept", "Jeux vidéo 2", "Jeux vidéo 2"},
        {"a slash becomes an underscore", "../../etc/passwd", ".._.._etc_passwd"},
        {"a backslash becomes an underscore", "..\\..\\boot", ".._.._boot"},
        {"dot dot is refused", "..", std::nullopt},
        {"a single dot is refused", ".", std::nullopt},
        {"spaces only are refused", "   ", std::nullopt},
        {"empty is refused", "", std::nullopt},
        {"surrounding blanks go", "  Games \t", "Games"},
        {"trailing dots go", "Games...", "Games"},
        {"control characters go", std::string("Ga\nme\rs\x01\x7f", 10), "Games"},
        {"a NUL goes", std::string("Ga\0mes", 6), "Games"},
        {"forbidden characters become underscores", "a<b>c:d\"e|f?g*h", "a_b_c_d_e_f_g_h"},
        {"single quotes the list would strip go", "'Quoted'", "Quoted"},
        {"nested quotes go until stable", "' 'x' '", "x"},
        {"one quote stays", "'Quoted", "'Quoted"},
        {"a device name gets an underscore", "con", "con_"},
        {"a device name with an extension too", "COM1.backup", "COM1_.backup"},
        {"a longer word is no device name", "CONSOLE", "CONSOLE"},
        {"a leading dot is harmless", ".hidden", ".hidden"},
        {"a lone surrogate goes",
         "a\xED\xA0\x80"
         "b",
         "ab"},
        {"invalid bytes become the replacement character", "a\xFF", "a\xEF\xBF\xBD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cleanGroupName(c.typed), c.expected) << c.what;
    }
}

TEST(CleanGroupName, CutsToWhatTheGroupListReadsBack) {
    EXPECT_EQ(cleanGroupName(std::string(80, 'g')), std::string(59, 'g'));
    // A cut that would end in a dot or a blank takes those off too.
    EXPECT_EQ(cleanGroupName(std::string(57, 'g') + " .xyz"), std::string(57, 'g'));
    // A character that does not fit whole is left out whole.
    const auto wide = cleanGroupName(std::string(58, 'g') + "\xF0\x9F\x98\x80");
    EXPECT_EQ(wide, std::string(58, 'g'));
}

// Random names: a cleaned name is stable, contains nothing that leads out of the folder, and
// reads back from the list file as itself.
TEST(CleanGroupName, GivesNamesThatStayFileNamesAndReadBackUnchanged) {
    testing::TempDir folder;
    const auto list = folder / "macroGrp.ini";
    std::mt19937 rng(5);
    const std::string alphabet = std::string("ab. '\"/\\:*?<>|\t\r\n\x01\x7f;=[]#") +
                                 "\xC3\xA9\xF0\x9F\x98\x80" + std::string(1, '\0');
    for (int round = 0; round < 300; ++round) {
        std::string typed;
        const std::size_t length = rng() % 70;
        for (std::size_t i = 0; i < length; ++i)
            typed.push_back(alphabet[rng() % alphabet.size()]);
        const auto cleaned = cleanGroupName(typed);
        if (!cleaned)
            continue;
        SCOPED_TRACE(::testing::PrintToString(typed));
        EXPECT_TRUE(isSafeGroupName(*cleaned));
        EXPECT_EQ(cleaned->find_first_of("/\\"), std::string::npos);
        EXPECT_NE(*cleaned, "..");
        EXPECT_LE(text::utf16Length(*cleaned), kGroupNameUnits);
        const std::filesystem::path file = folder.path() / (*cleaned + ".dat");
        EXPECT_EQ(file.parent_path(), folder.path());
        ASSERT_TRUE(ini::writeString(list, "MACRO_GROUP_NAME", "0", *cleaned));
        EXPECT_EQ(ini::readString(list, "MACRO_GROUP_NAME", "0", "", 60), *cleaned);
    }
}

TEST(CleanMacroName, DropsLeadingSpacesAndControlCharacters) {
    EXPECT_EQ(cleanMacroName("   Reload"), "Reload");
    EXPECT_EQ(cleanMacroName("Re\tload\x7f  "), "Reload  ");
    EXPECT_EQ(cleanMacroName(std::string("Re\0load", 7)), "Reload");
    EXPECT_EQ(cleanMacroName("   "), "");
}

TEST(GroupNameOfFile, EndsAtTheFirstDatInAnyCase) {
    EXPECT_EQ(groupNameOfFile("/home/u/Shooter.dat"), "Shooter");
    EXPECT_EQ(groupNameOfFile("a.dat.dat"), "a");
    EXPECT_EQ(groupNameOfFile("/x/LOUD.DAT"), "LOUD");
    EXPECT_EQ(groupNameOfFile("/x/.dat"), "");
    EXPECT_EQ(groupNameOfFile("/x.dat/plain"), "plain");
    EXPECT_EQ(groupNameOfFile("data.datum"), "data");
}

}  // namespace
}  // namespace karvo::naming
