// The shipped built-in macros ("constMacro.dat"): the file reads in every language, is in the
// original files' format, and each macro is well formed (counters match the steps, every key
// is a named key, every press is released).
#include <gtest/gtest.h>

#include <map>

#include "macro/macro_file.h"
#include "platform/file_ops.h"

namespace karvo {
namespace {

const std::filesystem::path kShipped =
    std::filesystem::path(KARVO_SOURCE_DATA_DIR) / "skins" / "config" / "constMacro.dat";

TEST(ShippedConstantMacros, AreInTheOriginalFormat) {
    const auto bytes = fileops::readFile(kShipped);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->starts_with("[Init]\r\nDAT_VER=3\r\n[Macros]\r\nmacroNum="));
    EXPECT_TRUE(bytes->ends_with("\r\n"));
    for (std::size_t i = 1; i < bytes->size(); ++i) {
        if ((*bytes)[i] == '\n') {
            ASSERT_EQ((*bytes)[i - 1], '\r') << "bare LF at " << i;
        }
    }
}

TEST(ShippedConstantMacros, AreWellFormedInEveryLanguage) {
    const MacVkAndText keys;
    for (int language = 0; language < MacVkAndText::kLanguageSlots; ++language) {
        SCOPED_TRACE(language);
        MacroTable table;
        ASSERT_TRUE(MacroFile(keys, language).readConstantMacros(kShipped, table));
        ASSERT_GT(table.count(), 0u);
        for (const MacroRecord& m : table.macros()) {
            SCOPED_TRACE(m.nameUtf8());
            EXPECT_FALSE(m.nameUtf8().empty());
            EXPECT_GE(m.repeatCount, 1);
            EXPECT_GT(m.stepCount, 0);
            std::map<std::uint8_t, int> held;
            std::map<std::uint8_t, std::size_t> counted;
            for (const MacroAction& s : m.validSteps()) {
                ++counted[s.key];
                if (s.kind == stepkind::kPress || s.kind == stepkind::kRelease) {
                    EXPECT_NE(keys.name(language, s.key, KeyMode::MacroSteps, "L", "M", "R"),
                              "NULL")
                        << int{s.key};
                    held[s.key] += s.kind == stepkind::kPress ? 1 : -1;
                    EXPECT_GE(held[s.key], 0) << "released before pressed: " << int{s.key};
                }
            }
            for (const auto& [key, n] : held)
                EXPECT_EQ(n, 0) << "left pressed: " << int{key};
            for (std::uint8_t key :
                 {macrokey::kMove, macrokey::kReserved247, macrokey::kSensitivity,
                  macrokey::kLighting, macrokey::kReserved250, macrokey::kReserved251}) {
                EXPECT_EQ(m.countFor(key), counted[key]) << int{key};
            }
        }
    }
}

}  // namespace
}  // namespace karvo
