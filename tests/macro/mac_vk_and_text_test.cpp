// The key name tables: the English and German sets as documented, the French, Russian and
// Japanese layouts, the mouse button numbering, and the invariants every language must keep.
#include "macro/mac_vk_and_text.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "macro/keytables/key_table.h"
#include "platform/text_encoding.h"

namespace karvo {
namespace {

constexpr int kChinese = 0;
constexpr int kEnglish = 1;
constexpr int kFrench = 2;
constexpr int kGerman = 4;
constexpr int kRussian = 7;
constexpr int kJapanese = 12;
constexpr int kNoSet = 25;
constexpr KeyMode kSteps = KeyMode::MacroSteps;

std::string nameOf(const MacVkAndText& keys, int language, int code,
                   KeyMode mode = KeyMode::MacroSteps) {
    return keys.name(language, static_cast<std::uint8_t>(code), mode, "LEFT", "MIDDLE", "RIGHT");
}

// The English virtual-key table as documented, one (virtual key, device code) pair per entry.
std::vector<std::pair<int, int>> documentedEnglishPairs() {
    std::vector<std::pair<int, int>> pairs;
    for (int v = 65; v <= 90; ++v)
        pairs.emplace_back(v, v - 61);
    for (int v = 49; v <= 57; ++v)
        pairs.emplace_back(v, v - 19);
    pairs.emplace_back(48, 39);
    for (int v = 112; v <= 123; ++v)
        pairs.emplace_back(v, v - 54);
    for (int v = 124; v <= 135; ++v)
        pairs.emplace_back(v, v - 20);
    const int rows[][2] = {
        {8, 42},    {9, 43},    {12, 156},  {13, 40},   {19, 72},   {20, 57},  {27, 41},
        {32, 44},   {33, 75},   {34, 78},   {35, 77},   {36, 74},   {37, 80},  {38, 82},
        {39, 79},   {40, 81},   {41, 119},  {43, 116},  {44, 70},   {45, 73},  {46, 76},
        {47, 117},  {91, 227},  {92, 231},  {93, 101},  {96, 98},   {106, 85}, {107, 87},
        {108, 159}, {109, 86},  {110, 99},  {111, 84},  {144, 83},  {145, 71}, {160, 225},
        {161, 229}, {162, 224}, {163, 228}, {164, 226}, {165, 230}, {186, 51}, {187, 46},
        {188, 54},  {189, 45},  {190, 55},  {191, 56},  {192, 53},  {219, 47}, {220, 49},
        {221, 48},  {222, 52},
    };
    for (const auto& r : rows)
        pairs.emplace_back(r[0], r[1]);
    for (int v = 97; v <= 105; ++v)
        pairs.emplace_back(v, v - 8);  // keypad 1 to 9
    return pairs;
}

TEST(EnglishKeyNames, MatchTheDocumentedTable) {
    const MacVkAndText keys;
    const std::map<int, std::string> cases = {
        {4, "A"},
        {17, "N"},
        {29, "Z"},
        {30, "1!"},
        {38, "9("},
        {39, "0)"},
        {40, "KeyPad Enter"},
        {41, "ESCAPE"},
        {42, "BackSpace"},
        {43, "TAB"},
        {44, "Space"},
        {45, "_-"},
        {49, "\\|"},
        {51, ";:"},
        {52, "'"},
        {53, "~"},
        {56, "/?"},
        {57, "CAPS"},
        {58, "F1"},
        {69, "F12"},
        {70, "PrintSc"},
        {75, "Page Up"},
        {78, "Page Down"},
        {79, "\u2192"},
        {82, "\u2191"},
        {83, "NumLock"},
        {87, "KeyPad +"},
        {89, "KeyPad 1"},
        {97, "KeyPad 9"},
        {98, "KeyPad 0"},
        {99, "KeyPad ."},
        {101, "App"},
        {104, "F13"},
        {115, "F24"},
        {116, "EXECUTE"},
        {119, "SELECT"},
        {156, "CLEAR"},
        {159, "SEPARATOR"},
        {224, "L-Ctrl"},
        {227, "L-Win"},
        {230, "R-Alt"},
        {231, "RWIN"},
        // Codes without a key read "NULL".
        {0, "NULL"},
        {3, "NULL"},
        {50, "NULL"},
        {88, "NULL"},
        {100, "NULL"},
        {102, "NULL"},
        {103, "NULL"},
        {120, "NULL"},
        {155, "NULL"},
        {232, "NULL"},
        {239, "NULL"},
        {244, "NULL"},
        {245, "NULL"},
        {255, "NULL"},
    };
    for (const auto& [code, text] : cases) {
        EXPECT_EQ(nameOf(keys, kEnglish, code), text) << "device code " << code;
        EXPECT_EQ(nameOf(keys, kChinese, code), text) << "language 0 shares the English set";
    }
}

TEST(MouseButtonCodes, AreNamedAndRenumberedByMode) {
    const MacVkAndText keys;
    struct Case {
        KeyMode mode;
        int code;
        const char* name;
        int toVirtual;  // device -> file code
        int toDevice;   // file code -> device
    };
    const Case cases[] = {
        {kSteps, 240, "NILL", 0, 241},
        {kSteps, 241, "LEFT", 240, 243},
        {kSteps, 242, "MIDDLE", 242, 242},
        {kSteps, 243, "RIGHT", 241, 243},
        {kSteps, 244, "NULL", 0, 244},
        {KeyMode::Plain, 240, "LEFT", 240, 240},
        {KeyMode::Plain, 241, "RIGHT", 241, 241},
        {KeyMode::Plain, 242, "MIDDLE", 242, 242},
        {KeyMode::Plain, 243, "NILL", 243, 243},
        {KeyMode::Plain, 244, "NULL", 244, 244},
    };
    for (const Case& c : cases) {
        const auto code = static_cast<std::uint8_t>(c.code);
        for (int language : {kEnglish, kGerman, kJapanese}) {
            EXPECT_EQ(nameOf(keys, language, c.code, c.mode), c.name) << c.code;
            EXPECT_EQ(keys.toVirtualKey(language, code, c.mode), c.toVirtual) << c.code;
            EXPECT_EQ(keys.toDeviceCode(language, c.code, c.mode), c.toDevice) << c.code;
        }
    }
}

TEST(EnglishConversions, FollowTheDocumentedTableBothWays) {
    const MacVkAndText keys;
    std::set<int> listedVirtual;
    for (const auto& [vk, device] : documentedEnglishPairs()) {
        listedVirtual.insert(vk);
        EXPECT_EQ(keys.toDeviceCode(kEnglish, vk, kSteps), device) << "virtual key " << vk;
        EXPECT_EQ(keys.toVirtualKey(kEnglish, static_cast<std::uint8_t>(device), kSteps), vk)
            << "device code " << device;
    }
    // Everything else passes unchanged, including the keypad Enter code 88 and "MENU" (118).
    for (int v = 0; v < 240; ++v) {
        if (!listedVirtual.contains(v)) {
            EXPECT_EQ(keys.toDeviceCode(kEnglish, v, kSteps), v) << "virtual key " << v;
        }
    }
    EXPECT_EQ(keys.toVirtualKey(kEnglish, 88, kSteps), 88);
    EXPECT_EQ(keys.toVirtualKey(kEnglish, 118, kSteps), 118);
    EXPECT_EQ(keys.toVirtualKey(kEnglish, 246, kSteps), 246);
    EXPECT_EQ(keys.toDeviceCode(kEnglish, 300, kSteps), 300);
    EXPECT_EQ(keys.toDeviceCode(kEnglish, -1, kSteps), -1);
}

TEST(LanguagesWithoutAKeySet, PassVirtualKeysZeroDeviceCodesAndShowEnglishNames) {
    const MacVkAndText keys;
    for (int language : {kNoSet, 27, 99, -1}) {
        EXPECT_FALSE(keys.hasLanguage(language));
        for (int code : {4, 40, 65, 241, 246}) {
            EXPECT_EQ(keys.toDeviceCode(language, code, kSteps), code) << language;
            EXPECT_EQ(keys.toVirtualKey(language, static_cast<std::uint8_t>(code), kSteps), 0)
                << language;
        }
        EXPECT_EQ(nameOf(keys, language, 4), "A");
        EXPECT_EQ(nameOf(keys, language, 241), "LEFT");
    }
}

TEST(GermanLayout, SwapsYAndZAndMovesThePunctuationKeys) {
    const MacVkAndText keys;
    const std::map<int, int> moved = {
        {28, 90},  {29, 89},  {45, 219}, {46, 221}, {47, 186}, {48, 187}, {49, 191},
        {51, 192}, {52, 222}, {53, 220}, {54, 188}, {55, 190}, {56, 189},
    };
    for (const auto& [vk, device] : documentedEnglishPairs()) {
        const auto it = moved.find(device);
        const int expectedVk = it != moved.end() ? it->second : vk;
        EXPECT_EQ(keys.toVirtualKey(kGerman, static_cast<std::uint8_t>(device), kSteps), expectedVk)
            << "device code " << device;
        EXPECT_EQ(keys.toDeviceCode(kGerman, expectedVk, kSteps), device)
            << "virtual key " << expectedVk;
    }
    EXPECT_EQ(nameOf(keys, kGerman, 28), "Z");
    EXPECT_EQ(nameOf(keys, kGerman, 73), "Einf");
    EXPECT_EQ(nameOf(keys, kGerman, 76), "Entf");
    EXPECT_EQ(nameOf(keys, kGerman, 74), "Pos1");
    EXPECT_EQ(nameOf(keys, kGerman, 77), "Ende");
    EXPECT_EQ(nameOf(keys, kGerman, 100), "NULL");
}

TEST(FrenchLayout, IsAzertyWithFrenchNames) {
    const MacVkAndText keys;
    // (virtual key, device code) on AZERTY: A and Q, Z and W swapped, M beside L.
    const int pairs[][2] = {{65, 20},  {81, 4},   {90, 26},  {87, 29},  {77, 51},
                            {188, 16}, {190, 54}, {191, 55}, {223, 56}, {226, 100},
                            {49, 30},  {48, 39},  {66, 5}};
    for (const auto& p : pairs) {
        EXPECT_EQ(keys.toDeviceCode(kFrench, p[0], kSteps), p[1]) << "virtual key " << p[0];
        EXPECT_EQ(keys.toVirtualKey(kFrench, static_cast<std::uint8_t>(p[1]), kSteps), p[0]);
    }
    EXPECT_EQ(nameOf(keys, kFrench, 20), "A");
    EXPECT_EQ(nameOf(keys, kFrench, 4), "Q");
    EXPECT_EQ(nameOf(keys, kFrench, 42), "Retour");
    EXPECT_EQ(nameOf(keys, kFrench, 76), "Suppr");
    EXPECT_EQ(nameOf(keys, kFrench, 75), "Page Haut");
    EXPECT_EQ(nameOf(keys, kFrench, 58), "F1");
}

TEST(RussianLayout, KeepsTheUsVirtualKeysAndShowsCyrillicCaps) {
    const MacVkAndText keys;
    for (int device = 0; device < 256; ++device) {
        const auto d = static_cast<std::uint8_t>(device);
        EXPECT_EQ(keys.toVirtualKey(kRussian, d, kSteps), keys.toVirtualKey(kEnglish, d, kSteps))
            << device;
    }
    EXPECT_EQ(nameOf(keys, kRussian, 20), "Q \u0419");
    EXPECT_EQ(nameOf(keys, kRussian, 4), "A \u0424");
    EXPECT_EQ(nameOf(keys, kRussian, 53), "` \u0401");
    EXPECT_EQ(nameOf(keys, kRussian, 44), "\u041f\u0440\u043e\u0431\u0435\u043b");
}

TEST(JapaneseLayout, PlacesTheJisKeysAwayFromTheMouseCodes) {
    const MacVkAndText keys;
    const int pairs[][2] = {{192, 47}, {219, 48}, {221, 49},  {187, 51},  {186, 52},
                            {222, 46}, {189, 45}, {226, 135}, {220, 137}, {25, 53},
                            {28, 138}, {29, 139}, {21, 136},  {65, 4}};
    for (const auto& p : pairs) {
        EXPECT_EQ(keys.toDeviceCode(kJapanese, p[0], kSteps), p[1]) << "virtual key " << p[0];
        EXPECT_EQ(keys.toVirtualKey(kJapanese, static_cast<std::uint8_t>(p[1]), kSteps), p[0]);
    }
    EXPECT_EQ(nameOf(keys, kJapanese, 47), "@`");
    EXPECT_EQ(nameOf(keys, kJapanese, 138), "\u5909\u63db");
    EXPECT_EQ(nameOf(keys, kJapanese, 137), "\u00a5|");
}

// What every language's set must keep, checked on the data and on the conversions built from
// it: a file written in a language reads back in the same language.
TEST(EveryKeySet, KeepsItsConversionsAndNamesConsistent) {
    const MacVkAndText keys;
    for (int language = 0; language < MacVkAndText::kLanguageSlots; ++language) {
        const keytables::KeyTable* table = MacVkAndText::tableFor(language);
        if (language == kNoSet) {
            EXPECT_EQ(table, nullptr);
            continue;
        }
        ASSERT_NE(table, nullptr) << language;
        SCOPED_TRACE(std::string(table->language));

        // Each table lists a device code at most once, so no line silently overrides another.
        std::set<int> namedHere, placedHere;
        for (const auto& n : table->names) {
            EXPECT_TRUE(namedHere.insert(n.device).second) << "name twice: " << int{n.device};
            EXPECT_TRUE(text::isValidUtf8(n.text)) << int{n.device};
        }
        for (const auto& p : table->positions) {
            EXPECT_TRUE(placedHere.insert(p.device).second) << "key twice: " << int{p.device};
        }

        std::map<std::string, int> nameOwner;
        std::set<int> virtualKeysUsed;
        for (int device = 1; device < 240; ++device) {
            const auto d = static_cast<std::uint8_t>(device);
            const std::uint8_t vk = keys.toVirtualKey(language, d, kSteps);
            const std::string name = nameOf(keys, language, device);
            if (name != "NULL") {
                const auto [it, fresh] = nameOwner.emplace(name, device);
                EXPECT_TRUE(fresh)
                    << "\"" << name << "\" names " << it->second << " and " << device;
            }
            if (vk == d)
                continue;  // not listed: passes through
            // A listed key is named, its virtual key is an ordinary one, is used once, and
            // converts back to the same key.
            EXPECT_NE(name, "NULL") << "device code " << device << " has a key but no name";
            EXPECT_FALSE(vk == 0 || vk >= 240) << "device code " << device << " -> " << int{vk};
            EXPECT_TRUE(virtualKeysUsed.insert(vk).second) << "virtual key " << int{vk};
            EXPECT_EQ(keys.toDeviceCode(language, vk, kSteps), device) << int{vk};
        }
        // Every listed virtual key lands on a keyboard key whose own conversion agrees.
        for (int vk = 0; vk < 256; ++vk) {
            const int device = keys.toDeviceCode(language, vk, kSteps);
            if (device == vk || (vk >= 240 && vk <= 244))
                continue;
            EXPECT_TRUE(device >= 1 && device < 240) << "virtual key " << vk;
            EXPECT_EQ(keys.toVirtualKey(language, static_cast<std::uint8_t>(device), kSteps), vk)
                << "virtual key " << vk;
        }
        // Letters and digits are on every keyboard the program supports.
        for (int vk : {48, 57, 65, 77, 81, 87, 89, 90}) {
            EXPECT_TRUE(virtualKeysUsed.contains(vk)) << "no key gives virtual key " << vk;
        }
        // The special step codes pass untouched.
        for (int code : {0, 246, 247, 248, 249, 250, 251}) {
            EXPECT_EQ(keys.toVirtualKey(language, static_cast<std::uint8_t>(code), kSteps), code);
            EXPECT_EQ(keys.toDeviceCode(language, code, kSteps), code);
        }
    }
}

}  // namespace
}  // namespace karvo
