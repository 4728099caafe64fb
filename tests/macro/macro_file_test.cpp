// Macro group files: the row layout, round trips through each language's key tables, the
// older row version, the group list's limits, and damaged or hostile files.
#include "macro/macro_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "platform/file_ops.h"
#include "platform/private_profile.h"
#include "tests/support/temp_dir.h"

namespace karvo {
namespace {

constexpr int kEnglish = 1;
constexpr int kFrench = 2;
constexpr int kGerman = 4;
constexpr int kRussian = 7;
constexpr int kJapanese = 12;

void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::string numberAt(std::string_view row, std::size_t j) {
    return std::string(row.substr(3 * j, 3));
}

// Rows written by hand, number by number.
std::string rowOf(const std::vector<int>& numbers) {
    std::string row;
    char buf[8];
    for (int n : numbers) {
        std::snprintf(buf, sizeof buf, "%03d", n);
        row += buf;
    }
    return row;
}

// Keyboard keys the language's table lists, plus the codes that pass every table unchanged.
std::vector<std::uint8_t> storableKeys(const MacVkAndText& keys, int language) {
    std::vector<std::uint8_t> out = {0, 241, 242, 243, 246, 247, 248, 249, 250, 251};
    for (int d = 1; d < 240; ++d) {
        const auto code = static_cast<std::uint8_t>(d);
        if (keys.toVirtualKey(language, code, KeyMode::MacroSteps) != code)
            out.push_back(code);
    }
    return out;
}

MacroRecord randomRecord(std::mt19937& rng, const std::vector<std::uint8_t>& keyPool) {
    auto u8 = [&] { return static_cast<std::uint8_t>(rng() & 0xFF); };
    auto u16 = [&] { return static_cast<std::uint16_t>(rng() & 0xFFFF); };
    MacroRecord r;
    r.setName("Macro \u00e9\xF0\x9F\x98\x80 " + std::to_string(rng() % 1000));
    r.mode = u8();
    r.repeatCount = static_cast<std::uint16_t>(1 + rng() % 1000);
    r.stepCount = static_cast<std::uint16_t>(rng() % 276);
    r.moveCount = static_cast<std::uint16_t>(rng() % 51);
    r.kind247Count = static_cast<std::uint16_t>(rng() % 6);
    r.sensitivityCount = static_cast<std::uint16_t>(rng() % 6);
    r.kind250Count = static_cast<std::uint16_t>(rng() % 6);
    r.lightingCount = static_cast<std::uint8_t>(rng() % 6);
    r.kind251Count = static_cast<std::uint8_t>(rng() % 6);
    r.extraA = u8();
    r.extraB = u8();
    for (MacroAction& s : r.steps) {
        s = {u8(), keyPool[rng() % keyPool.size()], u16(), u16(), u16()};
    }
    for (auto& led : r.lighting) {
        for (auto& b : led.bytes)
            b = u8();
    }
    return r;
}

TEST(MacroRow, LaysOutEveryByteAsThreeDigitsInTheDocumentedOrder) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    MacroRecord r;
    r.setName("AB");
    r.mode = 2;
    r.repeatCount = 300;
    r.stepCount = 2;
    r.moveCount = 1;
    r.kind247Count = 2;
    r.sensitivityCount = 3;
    r.kind250Count = 4;
    r.lightingCount = 5;
    r.kind251Count = 1;
    r.extraA = 1;
    r.extraB = 99;
    r.reserved = {7, 7, 7, 7};  // never written
    r.steps[0] = {stepkind::kPress, 4, 0, 0, 1234};
    r.steps[1] = {stepkind::kMoveRightDown, macrokey::kMove, 513, 7, 0};
    r.steps[274] = {stepkind::kRelease, macrokey::kMouseRight, 0, 0, 65535};
    r.lighting[0].bytes[0] = 1;
    r.lighting[4].bytes[67] = 255;

    const std::string row = file.encodeRow(r);
    ASSERT_EQ(row.size(), 7863u);
    EXPECT_EQ(row.find_first_not_of("0123456789"), std::string::npos);
    const std::pair<std::size_t, const char*> expected[] = {
        {0, "065"},
        {1, "000"},
        {2, "066"},
        {3, "000"},
        {4, "000"},
        {59, "000"},
        {60, "002"},
        {61, "044"},
        {62, "001"},  // repeat 300
        {63, "002"},
        {65, "001"},
        {67, "002"},
        {69, "003"},
        {71, "004"},
        {72, "000"},
        {73, "005"},
        {74, "001"},
        {75, "001"},
        {76, "099"},
        {77, "000"},
        {78, "000"},
        {79, "000"},
        {80, "000"},  // reserved
        {81, "001"},
        {82, "065"},
        {87, "210"},
        {88, "004"},  // press A, delay 1234
        {89, "006"},
        {90, "246"},
        {91, "001"},
        {92, "002"},
        {93, "007"},  // move 513, 7
        {81 + 8 * 274, "002"},
        {82 + 8 * 274, "241"},  // right button in file numbering
        {87 + 8 * 274, "255"},
        {88 + 8 * 274, "255"},
        {2281, "001"},
        {2620, "255"},  // lighting table first and last
    };
    for (const auto& [j, text] : expected)
        EXPECT_EQ(numberAt(row, j), text) << "position " << j;
}

TEST(MacroGroupFile, ReadsBackWhatItWroteInEveryTestedLanguage) {
    const MacVkAndText keys;
    testing::TempDir dir;
    std::mt19937 rng(20240611);
    for (int language : {kEnglish, kGerman, kFrench, kRussian, kJapanese}) {
        SCOPED_TRACE(language);
        const MacroFile file(keys, language);
        auto pool = storableKeys(keys, language);
        MacroTable written;
        written.setCount(12);
        for (std::size_t i = 0; i < 12; ++i) {
            *written.macro(i) = randomRecord(rng, pool);
            written.macro(i)->second[2].bytes[5] = 9;  // memory only
        }
        written.macro(3)->steps[0].key = macrokey::kMouse240;
        written.macro(3)->steps[1].key = macrokey::kMouse244;

        const auto path = dir / ("group" + std::to_string(language) + ".dat");
        ASSERT_TRUE(file.writeGroup(path, written));
        MacroTable read;
        ASSERT_TRUE(file.readGroup(path, read));
        EXPECT_EQ(read.count(), 12u);
        EXPECT_EQ(read.fileVersion(), 3);
        for (std::size_t i = 0; i < 12; ++i) {
            MacroRecord expected = *written.macro(i);
            expected.second = {};
            if (i == 3)
                expected.steps[0].key = expected.steps[1].key = 0;
            EXPECT_EQ(*read.macro(i), expected) << "macro " << i;
        }
    }
}

TEST(MacroGroupFile, StoresVirtualKeysOfTheLanguageAndFileMouseNumbers) {
    const MacVkAndText keys;
    struct Case {
        int language;
        std::uint8_t memoryKey;
        const char* fileKey;
    };
    const Case cases[] = {
        {kEnglish, 4, "065"},   {kEnglish, 40, "013"},  {kGerman, 28, "090"},
        {kGerman, 29, "089"},   {kFrench, 4, "081"},    {kFrench, 20, "065"},
        {kJapanese, 47, "192"}, {kEnglish, 241, "240"}, {kEnglish, 243, "241"},
        {kEnglish, 242, "242"}, {kEnglish, 240, "000"}, {kEnglish, 244, "000"},
        {kEnglish, 246, "246"}, {kEnglish, 251, "251"}, {kEnglish, 0, "000"},
        {25, 4, "065"},  // no key set of its own: converted as English rather than lost
    };
    for (const Case& c : cases) {
        MacroRecord r;
        r.steps[0].key = c.memoryKey;
        const std::string row = MacroFile(keys, c.language).encodeRow(r);
        EXPECT_EQ(numberAt(row, 82), c.fileKey)
            << "language " << c.language << " key " << int{c.memoryKey};
    }
}

TEST(MacroGroupFile, IsWrittenInTheFormatOfTheOriginalFiles) {
    const MacVkAndText keys;
    testing::TempDir dir;
    MacroTable table;
    table.setCount(1);
    ASSERT_TRUE(MacroFile(keys, kEnglish).writeGroup(dir / "new.dat", table));
    const std::string expected =
        "[Init]\r\nDAT_VER=3\r\n[Macros]\r\nmacroNum=1\r\n0=" + std::string(3 * 2621, '0') + "\r\n";
    EXPECT_EQ(fileops::readFile(dir / "new.dat").value_or(""), expected);
}

TEST(MacroGroupFile, ReadsVersionTwoRowsWithTheShortHeader) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    testing::TempDir dir;
    std::vector<int> n(60 + 15 + 2200 + 340, 0);
    n[0] = 'K';
    n[60] = 1;  // mode
    n[61] = 5;  // repeat 5
    n[63] = 2;  // two steps
    n[73] = 1;  // one lighting step
    n[75] = 1;  // step 0: press, VK 65 (A), delay 20
    n[76] = 65;
    n[81] = 20;
    n[83] = 13;  // step 1: lighting, record 0
    n[84] = 249;
    n[75 + 2200] = 3;  // lighting record 0, byte 0
    writeBytes(dir / "old.dat",
               "[Init]\r\nDAT_VER=2\r\n[Macros]\r\nmacroNum=1\r\n0=" + rowOf(n) + "\r\n");

    MacroTable table;
    ASSERT_TRUE(file.readGroup(dir / "old.dat", table));
    EXPECT_EQ(table.fileVersion(), 2);
    ASSERT_EQ(table.count(), 1u);
    const MacroRecord& r = *table.macro(0);
    EXPECT_EQ(r.nameUtf8(), "K");
    EXPECT_EQ(r.mode, 1);
    EXPECT_EQ(r.repeatCount, 5);
    EXPECT_EQ(r.stepCount, 2);
    EXPECT_EQ(r.steps[0], (MacroAction{stepkind::kPress, 4, 0, 0, 20}));
    EXPECT_EQ(r.steps[1], (MacroAction{13, macrokey::kLighting, 0, 0, 0}));
    EXPECT_EQ(r.lighting[0].bytes[0], 3);
    // The older rows hold no extra bytes: a freshly read group has none.
    EXPECT_EQ(r.extraA, 0);
    EXPECT_EQ(r.extraB, 0);

    // Decoding into a record that already has them keeps them, as older rows say nothing.
    MacroRecord kept;
    kept.extraA = 1;
    kept.extraB = 33;
    kept.reserved = {1, 2, 3, 4};
    file.decodeRow(rowOf(n), 2, kept);
    EXPECT_EQ(kept.extraA, 1);
    EXPECT_EQ(kept.extraB, 33);
    EXPECT_EQ(kept.reserved, (std::array<std::uint8_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(kept.steps[0].key, 4);
}

TEST(MacroGroupFile, TakesTheMacroCountWithinTheTable) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    testing::TempDir dir;
    const std::pair<const char*, std::size_t> cases[] = {
        {"5", 5},  {"12", 12}, {"123", 12}, {"99", 12}, {"13", 12},
        {"-1", 0}, {"x", 0},   {"", 0},     {" 7", 7},
    };
    for (const auto& [value, count] : cases) {
        writeBytes(dir / "g.dat", std::string("[Init]\r\nDAT_VER=3\r\n[Macros]\r\nmacroNum=") +
                                      value + "\r\n0=065\r\n");
        MacroTable table;
        ASSERT_TRUE(file.readGroup(dir / "g.dat", table));
        EXPECT_EQ(table.count(), count) << "macroNum=" << value;
    }
}

TEST(MacroGroupFile, ClampsHostileRowsInsteadOfTrustingThem) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    std::vector<int> n(2621, 0);
    n[63] = 255;  // 65535 steps
    n[64] = 255;
    n[65] = 51;  // 51 moves
    n[67] = 6;
    n[69] = 255;
    n[71] = 9;
    n[73] = 200;  // 200 lighting steps
    n[74] = 6;
    n[81] = 13;  // a lighting step pointing at record 9
    n[82] = 249;
    n[83] = 9;
    n[2281] = 255;  // 255 entries in a 68-byte record
    const MacroRecord r = file.decodeRow(rowOf(n), 3);
    EXPECT_EQ(r.stepCount, 275);
    EXPECT_EQ(r.moveCount, 50);
    EXPECT_EQ(r.kind247Count, 5);
    EXPECT_EQ(r.sensitivityCount, 5);
    EXPECT_EQ(r.kind250Count, 5);
    EXPECT_EQ(r.lightingCount, 5);
    EXPECT_EQ(r.kind251Count, 5);
    EXPECT_EQ(r.lightingRecordOf(r.steps[0]), nullptr);
    EXPECT_EQ(r.lighting[0].entryCount(), 16u);
}

TEST(MacroGroupFile, ReadsDamagedNumbersAsTheOriginalDid) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    struct Case {
        std::string row;
        std::uint8_t name0lo, name0hi;
        std::uint16_t name1;
    };
    const Case cases[] = {
        {"065", 65, 0, 0},          // a short row leaves the rest 0
        {"06", 6, 0, 0},            // a cut number reads what is there
        {"abc066", 0, 66, 0},       // non-digits read as 0
        {"999", 999 & 0xFF, 0, 0},  // too large: the low 8 bits
        {"-01", 0xFF, 0, 0},        // a sign is read, the byte keeps its low 8 bits
        {"1a2003", 1, 3, 0},        // digits up to the first other character
        {" 12", 12, 0, 0},          // leading blanks are skipped
        {"065066067068", 65, 66, 67 | 68 << 8},
        // Positions count UTF-16 units: "é" is one unit, not two bytes.
        {"\u00e912003", 0, 3, 0},
        {"\xF0\x9F\x98\x80"
         "2003",
         0, 3, 0},  // a pair is two units
        {"", 0, 0, 0},
    };
    for (const Case& c : cases) {
        const MacroRecord r = file.decodeRow(c.row, 3);
        EXPECT_EQ(r.name[0], c.name0lo | c.name0hi << 8) << c.row;
        EXPECT_EQ(r.name[1], c.name1) << c.row;
        EXPECT_EQ(r.stepCount, 0) << c.row;
    }
    // A repeat count of 999 + 256 * 999 keeps its low 16 bits.
    std::vector<int> n(2621, 0);
    n[61] = 999;
    n[62] = 999;
    EXPECT_EQ(file.decodeRow(rowOf(n), 3).repeatCount, (999 + 256 * 999) & 0xFFFF);
    // A file key beyond a byte keeps its low 8 bits after conversion.
    n[82] = 321;
    EXPECT_EQ(file.decodeRow(rowOf(n), 3).steps[0].key, 321 & 0xFF);
}

TEST(MacroGroupFile, MissingFileReadsAsAnEmptyGroup) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    testing::TempDir dir;
    MacroTable table;
    table.setCount(3);
    table.macro(0)->setName("stale");
    EXPECT_FALSE(file.readGroup(dir / "nothing.dat", table));
    EXPECT_EQ(table.count(), 0u);
    EXPECT_EQ(*table.macro(0), MacroRecord{});
    EXPECT_FALSE(file.readConstantMacros(dir / "constMacro.dat", table));
}

TEST(MacroGroupFile, ShrinkingAGroupLeavesOldRowsThatNoReaderUses) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    testing::TempDir dir;
    const auto folder = dir.path();
    writeBytes(folder / "macroGrp.ini",
               "[MACRO_GROUP_NUM]\r\nmacGrpNum=1\r\n[MACRO_GROUP_NAME]\r\n0=Shooter\r\n");
    MacroTable table;
    table.setCount(12);
    for (std::size_t i = 0; i < 12; ++i)
        table.macro(i)->setName("m" + std::to_string(i));
    ASSERT_TRUE(file.writeGroup(folder / "Shooter.dat", table));
    table.setCount(5);
    ASSERT_TRUE(file.writeGroup(folder / "Shooter.dat", table));

    EXPECT_FALSE(ini::readString(folder / "Shooter.dat", "Macros", "11", "", 26649).empty());
    MacroTable read;
    ASSERT_TRUE(file.readGroup(folder / "Shooter.dat", read));
    EXPECT_EQ(read.count(), 5u);
    EXPECT_EQ(file.readMacroForDevice(folder, 0, 4).nameUtf8(), "m4");
    // Row 5 is still in the file, but it is no macro of the group any more.
    EXPECT_EQ(file.readMacroForDevice(folder, 0, 5), MacroRecord{});
}

TEST(MacroGroupFile, WritingOneMacroLeavesTheOtherRowsAlone) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    testing::TempDir dir;
    const auto path = dir / "g.dat";
    MacroTable table;
    table.setCount(3);
    for (std::size_t i = 0; i < 3; ++i)
        table.macro(i)->setName("m" + std::to_string(i));
    ASSERT_TRUE(file.writeGroup(path, table));
    // A row edited elsewhere stays as it is when another macro is saved.
    ASSERT_TRUE(ini::writeString(path, "Macros", "2", "077"));

    table.setCount(4);
    table.macro(1)->setName("changed");
    table.macro(3)->setName("new");
    ASSERT_TRUE(file.writeMacro(path, table, 3));
    EXPECT_FALSE(file.writeMacro(path, table, 4));
    EXPECT_FALSE(file.writeMacro(path, table, 12));

    MacroTable read;
    ASSERT_TRUE(file.readGroup(path, read));
    EXPECT_EQ(read.count(), 4u);
    EXPECT_EQ(read.macro(1)->nameUtf8(), "m1");
    EXPECT_EQ(read.macro(2)->nameUtf8(), "M");
    EXPECT_EQ(read.macro(3)->nameUtf8(), "new");
}

TEST(MacroForDevice, IsBlankForGroupsAndMacrosThatDoNotExist) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    testing::TempDir dir;
    const auto folder = dir.path();
    writeBytes(folder / "macroGrp.ini",
               "[MACRO_GROUP_NUM]\r\nmacGrpNum=3\r\n[MACRO_GROUP_NAME]\r\n0=A\r\n1=../A\r\n2=\r\n");
    MacroTable table;
    table.setCount(1);
    table.macro(0)->setName("only");
    ASSERT_TRUE(file.writeGroup(folder / "A.dat", table));
    ASSERT_TRUE(file.writeGroup(dir / "../A.dat", table));  // what a hostile name points at

    EXPECT_EQ(file.readMacroForDevice(folder, 0, 0).nameUtf8(), "only");
    const std::pair<int, int> blanks[] = {{0, 1}, {0, -1}, {0, 12}, {1, 0},
                                          {2, 0}, {3, 0},  {-1, 0}, {40, 0}};
    for (const auto& [g, m] : blanks) {
        EXPECT_EQ(file.readMacroForDevice(folder, g, m), MacroRecord{}) << g << "/" << m;
    }
    std::filesystem::remove(dir / "../A.dat");
    EXPECT_EQ(file.readMacroForDevice(dir / "missing", 0, 0), MacroRecord{});
}

TEST(MacroForDevice, DecodesOlderGroupFilesWithTheirOwnLayout) {
    const MacVkAndText keys;
    const MacroFile file(keys, kEnglish);
    testing::TempDir dir;
    std::vector<int> n(60 + 15 + 2200 + 340, 0);
    n[63] = 1;
    n[75] = 1;
    n[76] = 66;  // B
    writeBytes(dir / "macroGrp.ini",
               "[MACRO_GROUP_NUM]\r\nmacGrpNum=1\r\n"
               "[MACRO_GROUP_NAME]\r\n0=Old\r\n");
    writeBytes(dir / "Old.dat",
               "[Init]\r\nDAT_VER=2\r\n[Macros]\r\nmacroNum=1\r\n0=" + rowOf(n) + "\r\n");
    const MacroRecord r = file.readMacroForDevice(dir.path(), 0, 0);
    EXPECT_EQ(r.stepCount, 1);
    EXPECT_EQ(r.steps[0], (MacroAction{stepkind::kPress, 5, 0, 0, 0}));
}

}  // namespace
}  // namespace karvo
